#include "core/app/ToolbarState.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <string_view>
#include <tuple>

#include "core/settings/IniProfile.h"
#include "core/settings/NumberText.h"
#include "core/settings/SettingsKeys.h"

namespace razo {
namespace {

constexpr const char* kBarSectionInfix = "-Bar";
constexpr const char* kVisible = "Visible";
constexpr const char* kSide = "Side";
constexpr const char* kRow = "Row";
constexpr const char* kIndex = "Index";
constexpr const char* kX = "X";
constexpr const char* kY = "Y";
constexpr const char* kFloating = "Floating";
constexpr long long kFarthest = 1 << 20; // pixels from the origin a floating bar may be saved at

struct SideName {
    DockSide side;
    const char* name;
};
constexpr SideName kSideNames[] = {{DockSide::Top, "Top"},
                                   {DockSide::Bottom, "Bottom"},
                                   {DockSide::Left, "Left"},
                                   {DockSide::Right, "Right"}};

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text must be one decimal integer; a hand-edited "12abc" is not 12.
std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    if (!ParseEditedNumber(text, value))
        return std::nullopt;
    return value;
}

std::optional<int> ReadInt(const IniProfile& profile, const std::string& section, const char* key) {
    return ParseInt(profile.GetProfileString(section, key, ""));
}

const char* SideText(DockSide side) {
    for (const SideName& entry : kSideNames)
        if (entry.side == side)
            return entry.name;
    return kSideNames[0].name;
}

// Reads the place of a bar into `state`; false when the saved place cannot be used.
bool ReadPlace(const IniProfile& profile, const std::string& section, ToolbarPlacementState& state) {
    const std::string side(Trim(profile.GetProfileString(section, kSide, "")));
    if (EqualsNoCase(side, kFloating)) {
        const auto x = ReadInt(profile, section, kX);
        const auto y = ReadInt(profile, section, kY);
        // Far beyond any screen: a position there would overflow once the bar's size is added.
        if (!x || !y || std::abs(static_cast<long long>(*x)) > kFarthest ||
            std::abs(static_cast<long long>(*y)) > kFarthest)
            return false;
        state.floating = true;
        state.x = *x;
        state.y = *y;
        return true;
    }
    const auto named = std::find_if(std::begin(kSideNames), std::end(kSideNames),
                                    [&](const SideName& entry) { return EqualsNoCase(side, entry.name); });
    const auto row = ReadInt(profile, section, kRow);
    const auto index = ReadInt(profile, section, kIndex);
    if (named == std::end(kSideNames) || !row || !index || *row < 0 || *index < 0)
        return false;
    state.floating = false;
    state.side = named->side;
    state.row = *row;
    state.index = *index;
    return true;
}

std::optional<ToolbarPlacementState> LoadOne(const IniProfile& profile,
                                             const ToolbarPlacementState& fallback) {
    const std::string section = BarStateSection(fallback.controlId);
    if (profile.KeyNames(section).empty())
        return std::nullopt;
    ToolbarPlacementState state = fallback;
    const auto visible = ReadInt(profile, section, kVisible);
    const bool visibleRead = visible && (*visible == 0 || *visible == 1);
    if (visibleRead)
        state.visible = *visible == 1;
    if (!ReadPlace(profile, section, state) && !visibleRead)
        return std::nullopt;
    return state;
}

bool IsBarSection(std::string_view name) {
    const std::string prefix = std::string(BarStatePrefix) + kBarSectionInfix;
    return name.size() > prefix.size() && EqualsNoCase(name.substr(0, prefix.size()), prefix);
}

// Docked bars of each side in the order they stand, then numbered again from 0.
void Renumber(std::vector<ToolbarPlacementState>& bars) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < bars.size(); ++i)
        if (!bars[i].floating)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto& l = bars[a];
        const auto& r = bars[b];
        return std::tie(l.side, l.row, l.index) < std::tie(r.side, r.row, r.index);
    });
    std::map<DockSide, std::pair<int, int>> lastRow; // side -> (saved row, new row)
    std::map<DockSide, int> nextIndex;
    for (std::size_t i : order) {
        auto& bar = bars[i];
        auto found = lastRow.find(bar.side);
        if (found == lastRow.end()) {
            found = lastRow.emplace(bar.side, std::pair{bar.row, 0}).first;
            nextIndex[bar.side] = 0;
        } else if (found->second.first != bar.row) {
            found->second = {bar.row, found->second.second + 1};
            nextIndex[bar.side] = 0;
        }
        bar.row = found->second.second;
        bar.index = nextIndex[bar.side]++;
    }
}

} // namespace

std::string BarStateSection(int controlId) {
    return std::string(BarStatePrefix) + kBarSectionInfix + std::to_string(controlId);
}

std::vector<ToolbarPlacementState> DefaultToolbarStates() {
    std::map<int, ToolbarPlacementState> placed;
    std::map<std::pair<DockSide, int>, int> filled;
    int lastTopRow = -1;
    for (const ToolbarPlacement& placement : DefaultToolbarLayout()) {
        ToolbarPlacementState state;
        state.controlId = placement.controlId;
        state.side = placement.side;
        state.row = placement.row;
        state.index = filled[{placement.side, placement.row}]++;
        state.visible = placement.visible;
        placed.emplace(placement.controlId, state);
        if (placement.side == DockSide::Top)
            lastTopRow = std::max(lastTopRow, placement.row);
    }
    std::vector<ToolbarPlacementState> states;
    for (const ToolbarInfo& bar : Toolbars()) {
        if (const auto found = placed.find(bar.controlId); found != placed.end()) {
            states.push_back(found->second);
        } else {
            // A bar the default layout forgot still appears, in a row of its own at the top.
            ToolbarPlacementState state;
            state.controlId = bar.controlId;
            state.row = ++lastTopRow;
            states.push_back(state);
        }
    }
    return states;
}

bool SaveBarState(IniProfile& profile, const std::vector<ToolbarPlacementState>& bars) {
    IniProfile::Batch batch(profile); // one write of the file for the whole layout
    std::set<int> saved;
    std::vector<const ToolbarPlacementState*> toWrite;
    for (const ToolbarPlacementState& bar : bars)
        if (FindToolbar(bar.controlId) && saved.insert(bar.controlId).second)
            toWrite.push_back(&bar);

    // Sections of bars that are not kept go in one pass over the file.
    std::set<std::string> kept;
    for (const ToolbarPlacementState* bar : toWrite)
        kept.insert(Folded(BarStateSection(bar->controlId)));
    bool written = profile.DeleteSections([&kept](std::string_view section) {
        return IsBarSection(section) && !kept.contains(Folded(section));
    });
    // Values are written over the old ones, so an unchanged layout leaves the file untouched.
    for (const ToolbarPlacementState* bar : toWrite) {
        const std::string section = BarStateSection(bar->controlId);
        std::map<std::string, std::string> values{{kVisible, bar->visible ? "1" : "0"},
                                                  {kSide, bar->floating ? kFloating : SideText(bar->side)}};
        if (bar->floating) {
            values[kX] = std::to_string(bar->x);
            values[kY] = std::to_string(bar->y);
        } else {
            values[kRow] = std::to_string(bar->row);
            values[kIndex] = std::to_string(bar->index);
        }
        for (const std::string& key : profile.KeyNames(section)) {
            const bool wanted = std::any_of(values.begin(), values.end(), [&](const auto& value) {
                return EqualsNoCase(key, value.first);
            });
            if (!wanted)
                written = profile.WriteProfileString(section, key, std::nullopt) && written;
        }
        for (const char* key : {kVisible, kSide, kRow, kIndex, kX, kY})
            if (const auto value = values.find(key); value != values.end())
                written = profile.WriteProfileString(section, key, value->second) && written;
    }
    return batch.Finish() && written;
}

std::vector<std::optional<ToolbarPlacementState>> LoadBarState(const IniProfile& profile) {
    std::vector<std::optional<ToolbarPlacementState>> saved;
    for (const ToolbarPlacementState& fallback : DefaultToolbarStates())
        saved.push_back(LoadOne(profile, fallback));
    return saved;
}

std::vector<ToolbarPlacementState>
ResolveToolbarLayout(const std::vector<std::optional<ToolbarPlacementState>>& saved) {
    std::vector<ToolbarPlacementState> bars = DefaultToolbarStates();
    for (std::size_t i = 0; i < bars.size() && i < saved.size(); ++i) {
        if (saved[i]) {
            const int id = bars[i].controlId;
            bars[i] = *saved[i];
            bars[i].controlId = id;
        }
    }
    Renumber(bars);
    return bars;
}

std::vector<ToolbarPlacementState> StartupToolbarLayout(IniProfile& profile) {
    if (Read(profile, settings::LayoutVersion) >= settings::CurrentLayoutVersion)
        return ResolveToolbarLayout(LoadBarState(profile));
    Write(profile, settings::LayoutVersion, settings::CurrentLayoutVersion);
    return ResolveToolbarLayout({});
}

} // namespace razo
