#include "core/app/WindowPlacement.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/settings/IniProfile.h"
#include "core/settings/NumberText.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

namespace {

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> fields;
    for (;;) {
        const auto comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return fields;
        text.remove_prefix(comma + 1);
    }
}

} // namespace

std::string FormatWindowPlacement(const WindowPlacement& p) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCmd, p.minX, p.minY,
                  p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
    return buffer;
}

std::optional<WindowPlacement> ParseWindowPlacement(std::string_view text) {
    const auto fields = SplitAtCommas(text);
    if (fields.size() != 10)
        return std::nullopt;
    WindowPlacement p;
    int* const numbers[] = {&p.minX, &p.minY, &p.maxX, &p.maxY, &p.left, &p.top, &p.right, &p.bottom};
    if (!ParseEditedNumber(fields[0], p.flags) || !ParseEditedNumber(fields[1], p.showCmd))
        return std::nullopt;
    for (size_t i = 0; i < 8; ++i)
        if (!ParseEditedNumber(fields[i + 2], *numbers[i]))
            return std::nullopt;
    return p;
}

std::optional<PlacementRect> NormalRectOf(const WindowPlacement& p) {
    constexpr long long farthest = 1 << 20; // pixels; far beyond any arrangement of screens
    const long long left = p.left, top = p.top, right = p.right, bottom = p.bottom;
    for (const long long edge : {left, top, right, bottom})
        if (edge < -farthest || edge > farthest)
            return std::nullopt;
    if (right <= left || bottom <= top)
        return std::nullopt;
    return PlacementRect{p.left, p.top, static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

std::optional<std::size_t> ScreenShowing(const PlacementRect& rect,
                                         const std::vector<PlacementRect>& screens) {
    const long long enoughWidth = std::min(rect.width, 100), enoughHeight = std::min(rect.height, 50);
    std::optional<std::size_t> best;
    long long bestArea = 0;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const PlacementRect& screen = screens[i];
        const long long width =
            std::min<long long>(rect.x + rect.width, screen.x + screen.width) - std::max(rect.x, screen.x);
        const long long height =
            std::min<long long>(rect.y + rect.height, screen.y + screen.height) - std::max(rect.y, screen.y);
        if (width < enoughWidth || height < enoughHeight || width * height <= bestArea)
            continue;
        best = i;
        bestArea = width * height;
    }
    return best;
}

PlacementRect FitIntoScreen(PlacementRect rect, const PlacementRect& screen) {
    rect.width = std::min(rect.width, screen.width);
    rect.height = std::min(rect.height, screen.height);
    rect.x = std::clamp(rect.x, screen.x, screen.x + screen.width - rect.width);
    rect.y = std::clamp(rect.y, screen.y, screen.y + screen.height - rect.height);
    return rect;
}

std::optional<WindowPlacement> ReadWindowPlacement(IniProfile& profile) {
    if (Read(profile, settings::LayoutVersion) < settings::CurrentLayoutVersion)
        for (const char* key : settings::OldWindowSizeKeys)
            profile.WriteProfileString(settings::OldWindowSizeSection, key, std::nullopt);
    const std::string text = Read(profile, settings::WindowPos);
    if (text.empty())
        return std::nullopt;
    return ParseWindowPlacement(text);
}

bool WriteWindowPlacement(IniProfile& profile, WindowPlacement placement, bool maximized) {
    placement.flags = maximized ? RestoreToMaximized : 0;
    return Write(profile, settings::WindowPos, FormatWindowPlacement(placement));
}

} // namespace razo
