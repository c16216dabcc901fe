#pragma once
#include <QIcon>
#include <string>

namespace razo {

// Toolbar button images. Element commands show their tag as a glyph drawn at whatever size is
// asked for, so they stay crisp at any scale; standard actions use the desktop theme's icons and
// fall back to drawn ones.
QIcon IconForCommand(int commandId);
// The icon of an entity command, from the text it inserts ("&#193;" shows "Á", "&amp;" "&").
QIcon IconForEntity(const std::string& insertedText);

} // namespace razo
