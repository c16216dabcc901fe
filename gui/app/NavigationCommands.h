#pragma once

namespace razo {

class DialogRunner;
class DocumentWindow;

// The commands that move the caret in one document window: Go to Line (a line and column chosen in
// a dialog, the line scrolled into the middle of the window) and Go to Matching Tag.
void RegisterNavigationCommands(DocumentWindow& window, DialogRunner& runner);

} // namespace razo
