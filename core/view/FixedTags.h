#pragma once
#include <span>

namespace razo {

class CRazoView;

// A command that wraps the selection in markup that never varies.
struct FixedTag {
    int id;
    const char* start;
    const char* end;
};

std::span<const FixedTag> FixedTags();

// One handler per fixed tag on the view's command target.
void RegisterFixedTagCommands(CRazoView& view);

} // namespace razo
