#pragma once
#include <optional>
#include <string>
#include <string_view>

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

// Drops the placement keys of old layouts, then reads the stored placement, if any.
std::optional<WindowPlacement> ReadWindowPlacement(IniProfile& profile);
// Stores the placement with flags 0, or RestoreToMaximized when the window is maximised now.
bool WriteWindowPlacement(IniProfile& profile, WindowPlacement placement, bool maximized);

} // namespace razo
