#pragma once
#include <QColor>
#include <vector>

#include "core/view/SyntaxColours.h"

class QPalette;
class QsciScintilla;
class QsciScintillaBase;

namespace razo {

ScreenColour ToScreenColour(const QColor& colour);
QColor ToQColor(ScreenColour colour);

// The style numbers of the HTML lexer (with its client scripts), and the kind each one shows;
// Text for the styles of server scripts.
const std::vector<int>& HtmlLexerStyles();
SyntaxKind HtmlStyleKind(int style);

// Gives every style the font of the page's default style and the colours of `palette`: the page's
// text on its background, each HTML lexer style the colour of its kind when `coloured`, and the
// caret, the selection and the line numbers in the palette's colours.
void ApplyPageStyles(QsciScintilla& editor, const QPalette& palette, bool coloured);

// Styling by the HTML lexer, or by the control's owner again. The lexer styles lazily: only up to
// what is shown, and in the background (idle time) what lies before that. Back to the owner, every
// style is cleared and the whole text counts as styled.
void UseHtmlLexer(QsciScintillaBase& editor, bool on);

} // namespace razo
