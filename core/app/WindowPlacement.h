#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace razo {

class IniProfile;

// The main window's placement as stored in "Settings"/"WindowPos": the classic placement record
// without its length field.
struct WindowPlacement {
    unsigned flags = 0;
    unsigned showCmd = 0;
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const WindowPlacement&) const = default;
};

// Flag that makes a minimised window come back maximised.
inline constexpr unsigned RestoreToMaximized = 2;

std::string FormatWindowPlacement(const WindowPlacement& placement);
// Exactly ten comma-separated numbers, else nullopt.
std::optional<WindowPlacement> ParseWindowPlacement(std::string_view text);

// The normal rectangle of a placement as position and size, when it can be one: right of its
// left edge, below its top, and within reach of any screen (numbers near the integer limits
// would overflow on the way to a window).
struct PlacementRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PlacementRect&) const = default;
};
std::optional<PlacementRect> NormalRectOf(const WindowPlacement& placement);

// Which of `screens` (their usable areas) a stored rectangle comes back on: the one that shows
// most of it, when that is enough to take hold of (100 by 50 pixels, or all of a smaller one).
std::optional<std::size_t> ScreenShowing(const PlacementRect& rect,
                                         const std::vector<PlacementRect>& screens);
// `rect` moved, and shrunk where it is larger, to lie wholly within `screen`: a screen that got
// smaller, or a scale that grew, since the placement was stored leaves no part out of reach.
PlacementRect FitIntoScreen(PlacementRect rect, const PlacementRect& screen);

// Drops the placement keys of old layouts, then reads the stored placement, if any.
std::optional<WindowPlacement> ReadWindowPlacement(IniProfile& profile);
// Stores the placement with flags 0, or RestoreToMaximized when the window is maximised now.
bool WriteWindowPlacement(IniProfile& profile, WindowPlacement placement, bool maximized);

} // namespace razo
