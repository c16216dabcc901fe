#pragma once
#include <span>
#include <vector>

namespace razo {

inline constexpr int ToolbarSeparator = 0;

enum class DockSide { Top, Bottom, Left, Right };

// One of the fifteen toolbars, in creation order. `controlId` is also its View menu toggle.
struct ToolbarInfo {
    const char* member;
    const char* title;
    int controlId;
    int resourceId;
    std::vector<int> buttons; // command ids; ToolbarSeparator for a gap
};

std::span<const ToolbarInfo> Toolbars();
const ToolbarInfo* FindToolbar(int controlId);

// Where a toolbar sits in the default layout: side, row on that side (0 = nearest the edit area
// for top rows counts from the top), position in the row, and whether it is shown.
struct ToolbarPlacement {
    int controlId;
    DockSide side;
    int row;
    bool visible;
};

// The default layout, each toolbar once, in the order the rows are filled left to right.
std::span<const ToolbarPlacement> DefaultToolbarLayout();

} // namespace razo
