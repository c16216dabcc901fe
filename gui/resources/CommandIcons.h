#pragma once
#include <QIcon>
#include <string>

namespace razo {

// Toolbar button images, drawn at whatever size and scale is asked for so they stay sharp, in the
// colours of the palette of the moment (light or dark). Element commands show their tag as a
// glyph; the standard commands show small pictures. A disabled image is a faded grey.
QIcon IconForCommand(int commandId);
// The icon of an entity command, from the text it inserts ("&#193;" shows "Á", "&amp;" "&").
QIcon IconForEntity(const std::string& insertedText);
// The program's own icon (the window and the About box), drawn like the toolbar images.
QIcon ProgramIcon();

} // namespace razo
