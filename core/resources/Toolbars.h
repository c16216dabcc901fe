#pragma once
#include <span>
#include <vector>

namespace razo {

inline constexpr int ToolbarSeparator = 0;

enum class DockSide { Top, Bottom, Left, Right };

// One of the sixteen toolbars, in creation order. `controlId` is also its View menu toggle.
struct ToolbarInfo {
    const char* member;
    const char* title;
    int controlId;
    int resourceId;
    std::vector<int> buttons; // command ids; ToolbarSeparator for a gap
};

std::span<const ToolbarInfo> Toolbars();
const ToolbarInfo* FindToolbar(int controlId);

// Where a toolbar sits in the default layout: side, row on that side, and whether it is shown.
// Rows count from the window's outer edge inward, on every side: row 0 of the top side is the
// topmost row, row 0 of the bottom side the lowest (next to the status bar), row 0 of the left side
// the leftmost. That is the order in which a Qt toolbar area stacks its lines, so a row is one line
// and a new row is a toolbar break. Placements are grouped by side, rows in ascending order,
// and within a row from left to right (top to bottom on the left and right sides); hidden toolbars
// still own their row, so showing one puts it back where it belongs.
struct ToolbarPlacement {
    int controlId;
    DockSide side;
    int row;
    bool visible;
};

// The default layout, each toolbar once.
std::span<const ToolbarPlacement> DefaultToolbarLayout();

} // namespace razo
