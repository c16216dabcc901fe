#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/resources/Toolbars.h"

namespace razo {

class IniProfile;

// Where one toolbar is and whether it is shown, as the main frame saves it at close. A docked
// bar sits on `side` in `row` (same meaning as ToolbarPlacement::row) at `index` from the left
// or top of that row; a floating bar sits at `x`, `y` (screen pixels) and keeps in `side` the
// side it docks to when it is put back.
struct ToolbarPlacementState {
    int controlId = 0;
    DockSide side = DockSide::Top;
    bool floating = false;
    int row = 0;
    int index = 0;
    bool visible = true;
    int x = 0;
    int y = 0;

    bool operator==(const ToolbarPlacementState&) const = default;
};

// The saved layout lives in RAZO.INI as readable text, one section per toolbar:
//   [RAZO.INI-Bar33073]
//   Visible=1
//   Side=Top            (Top, Bottom, Left, Right or Floating)
//   Row=0               (docked bars)
//   Index=0             (docked bars)
//   X=120               (floating bars)
//   Y=80                (floating bars)
inline constexpr const char* BarStatePrefix = "RAZO.INI";
std::string BarStateSection(int controlId);

// Every toolbar once, in creation order, placed as on the first start.
std::vector<ToolbarPlacementState> DefaultToolbarStates();

// Replaces the saved layout with `bars` (unknown ids and repeats of an id are left out).
bool SaveBarState(IniProfile& profile, const std::vector<ToolbarPlacementState>& bars);

// Per toolbar in creation order, what the profile says about it: nullopt when nothing usable is
// saved. A bar whose place cannot be read keeps its default place but its saved visibility.
std::vector<std::optional<ToolbarPlacementState>> LoadBarState(const IniProfile& profile);

// Every toolbar exactly once, in creation order: the saved state where there is one, the default
// otherwise; rows and positions on each side renumbered from 0 without gaps or ties.
std::vector<ToolbarPlacementState>
ResolveToolbarLayout(const std::vector<std::optional<ToolbarPlacementState>>& saved);

// The start-up decision: a layout saved by this layout version is restored; otherwise the
// default layout is used and the version is recorded, so an older layout is never loaded.
std::vector<ToolbarPlacementState> StartupToolbarLayout(IniProfile& profile);

} // namespace razo
