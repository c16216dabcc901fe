// How a page is shown: coloured by the HTML lexer or styled by the editor itself, with its line
// numbers and the marks that follow the caret and the lines in view.
#include "gui/view/RazoEditor.h"

#include <QEvent>
#include <QTimer>
#include <algorithm>

#include "core/text/LineLengths.h"
#include "gui/view/MatchingTag.h"
#include "gui/view/PageStyles.h"
#include "gui/view/StyleSheetColours.h"

namespace razo {

// A loaded text is coloured by the HTML lexer unless a line is too long for it (or colouring is
// off); the lexer styles it as it is shown. Otherwise it starts in style 0 throughout, and only its
// long lines need their runs.
void RazoEditor::styleLoadedText() {
    m_checkFrom = m_checkTo = -1; // the whole text is looked at here
    const bool overlong = hasOverlongLine();
    keepPieceWidths(overlong);
    if (m_colouringWanted)
        m_colouringWithheld = overlong;
    if (m_lexerOn != isColoured())
        useLexer(); // runs the long lines itself when it turns the lexer off
    else if (!m_lexerOn)
        styleLongLinesInRuns();
    updateLineNumberWidth(false);
}

void RazoEditor::setSyntaxColouring(bool on) {
    if (on == m_colouringWanted)
        return;
    m_colouringWanted = on;
    if (on)
        m_colouringWithheld = hasOverlongLine();
    useLexer();
}

void RazoEditor::keepPieceWidths(bool overlong) {
    constexpr int ControlDefault = 1024;
    SendScintilla(SCI_SETPOSITIONCACHE, overlong ? LongLinePieceCache : ControlDefault);
}

bool RazoEditor::hasOverlongLine() {
    const auto* text = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    const auto length = static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH));
    return HasLineLongerThan(std::string_view(text, text ? length : 0), ColourLineLimit);
}

// Between the HTML lexer and the runs of the control's own styling (see styleRuns).
void RazoEditor::useLexer() {
    const bool on = isColoured();
    if (on == m_lexerOn)
        return;
    m_lexerOn = on;
    UseHtmlLexer(*this, on);
    if (!on)
        styleLongLinesInRuns();
    applyStyles();
    m_styleSheets->Refresh(on);
}

// An insertion that may leave a line longer than colour allows is checked once it is in: only
// then are its line breaks in the line index.
void RazoEditor::noteInsertion(long position, long length) {
    if (!m_lexerOn)
        return;
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    if (SendScintilla(SCI_LINELENGTH, static_cast<unsigned long>(line)) + length <= ColourLineLimit)
        return;
    if (m_checkFrom < 0)
        QTimer::singleShot(0, this, &RazoEditor::checkLineLengths);
    m_checkFrom = m_checkFrom < 0 ? position : std::min(m_checkFrom, position);
    m_checkTo = std::max(m_checkTo, position + length);
}

void RazoEditor::checkLineLengths() {
    if (m_checkFrom < 0)
        return;
    const long length = SendScintilla(SCI_GETLENGTH);
    const long first =
        SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::min(m_checkFrom, length)));
    const long last =
        SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::min(m_checkTo, length)));
    m_checkFrom = m_checkTo = -1;
    for (long line = first; m_lexerOn && line <= last; ++line) {
        if (SendScintilla(SCI_LINELENGTH, static_cast<unsigned long>(line)) > ColourLineLimit) {
            keepPieceWidths(true);
            m_colouringWithheld = true;
            useLexer();
        }
    }
}

void RazoEditor::setLineNumbers(bool shown) {
    m_lineNumbers = shown;
    updateLineNumberWidth(true);
}

// Only when the last line's number gets another digit (or loses one) does the width change.
void RazoEditor::updateLineNumberWidth(bool force) {
    int digits = 0;
    if (m_lineNumbers)
        for (long lines = SendScintilla(SCI_GETLINECOUNT); lines > 0; lines /= 10)
            ++digits;
    if (digits == m_lineNumberDigits && !force)
        return;
    m_lineNumberDigits = digits;
    int width = 0;
    if (digits > 0) {
        // Half a digit's room either side of the number.
        const QByteArray nines(digits + 1, '9');
        width = static_cast<int>(
            SendScintilla(SCI_TEXTWIDTH, static_cast<unsigned long>(STYLE_LINENUMBER), nines.constData()));
    }
    SendScintilla(SCI_SETMARGINTYPEN, 0UL, static_cast<long>(SC_MARGIN_NUMBER));
    SendScintilla(SCI_SETMARGINWIDTHN, 0UL, static_cast<long>(width));
}

// The marks that follow the caret, the text and what is shown.
void RazoEditor::updateMarks(int updated) {
    if (updated & SC_UPDATE_CONTENT)
        updateLineNumberWidth(false);
    if (updated & (SC_UPDATE_CONTENT | SC_UPDATE_SELECTION))
        m_matchingTag->Refresh();
    if (updated & (SC_UPDATE_CONTENT | SC_UPDATE_V_SCROLL))
        m_styleSheets->Refresh(m_lexerOn);
}

// Every style takes the font of the default style and the colours of the palette in use.
void RazoEditor::applyStyles() {
    ApplyPageStyles(*this, palette(), m_lexerOn);
    m_matchingTag->SetColour(palette().color(QPalette::Highlight));
    m_styleSheets->SetPalette(palette());
    updateLineNumberWidth(true);
}

void RazoEditor::changeEvent(QEvent* event) {
    QsciScintilla::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        applyStyles();
        m_styleSheets->Refresh(m_lexerOn);
    }
}

void RazoEditor::resizeEvent(QResizeEvent* event) {
    QsciScintilla::resizeEvent(event);
    m_styleSheets->Refresh(m_lexerOn);
}

} // namespace razo
