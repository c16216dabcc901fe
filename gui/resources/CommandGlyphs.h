#pragma once
#include <map>

#include "gui/resources/IconEngine.h"

namespace razo {

// The glyph each element command shows on its toolbar button: its tag, in its dialect's colour.
const std::map<int, Glyph>& ElementGlyphs();

} // namespace razo
