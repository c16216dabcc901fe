#pragma once
#include <Qsci/qsciscintilla.h>

#include <memory>
#include <string_view>

namespace razo {

class MatchingTagMarker;
class StyleSheetColours;

// The QScintilla edit control of one document, configured for Razo: the program's accelerators
// win over QScintilla's default key bindings, text is held as the file's bytes (UTF-8 documents
// as UTF-8, anything else in 8-bit mode), CR LF stays two characters.
class RazoEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit RazoEditor(QWidget* parent = nullptr);
    ~RazoEditor() override;

    // The classic edit control's modified flag: set by every change of the text, cleared only on
    // request. Independent of QScintilla's save point.
    bool modifyFlag() const { return m_modifyFlag; }
    void setModifyFlag(bool modified) { m_modifyFlag = modified; }

    // Lines longer than this are measured in short runs (see styleRuns).
    static constexpr long LongLine = 4096;
    // Decides how a text just loaded is styled: by the HTML lexer, or its long lines in runs.
    void styleLoadedText();

    // Syntax colouring as asked for; a page with a line longer than ColourLineLimit is shown
    // without colour all the same (isColoured tells), until it is loaded again or colouring is
    // turned off and on.
    static constexpr long ColourLineLimit = 64 * 1024;
    // The widths of this many pieces of text are kept for a page with a line over ColourLineLimit
    // (a piece is at most about 100 bytes), so that a key typed in a long line measures only the
    // pieces that changed; other pages keep the control's own 1024.
    static constexpr int LongLinePieceCache = 128 * 1024;
    void setSyntaxColouring(bool on);
    bool syntaxColouring() const { return m_colouringWanted; }
    bool isColoured() const { return m_colouringWanted && !m_colouringWithheld; }

    // The line number margin, as wide as the last line's number needs.
    void setLineNumbers(bool shown);
    bool lineNumbers() const { return m_lineNumbers; }

    // The tag at the caret and its match, marked as the caret moves.
    MatchingTagMarker& matchingTag() { return *m_matchingTag; }

    // Counts the changes of the text, so that what was worked out from it can be kept until the
    // next one.
    unsigned long long changeCount() const { return m_changeCount; }

    // What an input method is told about the text around the caret: at most this many
    // characters either side of it, never a whole line or paragraph of a large page.
    static constexpr int InputMethodContext = 512;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;

private:
    void releaseProgramKeys();
    void reportChangesBeforeTheyHappen();
    void reportCaretMovesCheaply();
    void styleRuns(long endPosition);
    void styleLongLinesInRuns();
    void applyStyles();
    void useLexer();
    bool hasOverlongLine();
    void keepPieceWidths(bool overlong);
    void noteInsertion(long position, long length);
    void checkLineLengths();
    void updateLineNumberWidth(bool force);
    void updateMarks(int updated);

    bool m_modifyFlag = false;
    long m_lastCaret = -1;
    unsigned long long m_changeCount = 0;
    bool m_colouringWanted = false;
    bool m_colouringWithheld = false;
    bool m_lexerOn = false;
    // Where an insertion may have made a line too long for colour; checked once it is in.
    long m_checkFrom = -1;
    long m_checkTo = -1;
    bool m_lineNumbers = false;
    int m_lineNumberDigits = 0;
    MatchingTagMarker* m_matchingTag;
    std::unique_ptr<StyleSheetColours> m_styleSheets;
};

// `text` as it can go into `editor`: in an 8-bit document a character beyond Latin-1 becomes a
// numeric character reference, as it does when typed or pasted.
QString TextStorableIn(const QsciScintilla& editor, const QString& text);

// `text` as an 8-bit document holds it: Latin-1, with a numeric character reference for each
// character beyond it.
QByteArray Latin1WithReferences(const QString& text);

} // namespace razo
