#pragma once

namespace razo {

class DialogRunner;
class DocumentWindow;
class IniProfile;

// The view's display commands on one document window: Choose Display Font, Word Wrap, Syntax
// Colouring and Line Numbers (with their check marks) and Set Tabstops. The new view takes word
// wrap, colouring, line numbers, font and tab stops from the settings; at every activation it
// takes the font and tab stops again, which another window may have changed.
void RegisterDisplayCommands(DocumentWindow& window, IniProfile& profile, DialogRunner& runner);

} // namespace razo
