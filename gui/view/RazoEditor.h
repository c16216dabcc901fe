#pragma once
#include <Qsci/qsciscintilla.h>

namespace razo {

// The QScintilla edit control of one document, configured for Razo: the program's accelerators
// win over QScintilla's default key bindings, text is held as the file's bytes (UTF-8 documents
// as UTF-8, anything else in 8-bit mode), CR LF stays two characters.
class RazoEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit RazoEditor(QWidget* parent = nullptr);

    // The classic edit control's modified flag: set by every change of the text, cleared only on
    // request. Independent of QScintilla's save point.
    bool modifyFlag() const { return m_modifyFlag; }
    void setModifyFlag(bool modified) { m_modifyFlag = modified; }

    // Lines longer than this are measured in short runs (see styleRuns).
    static constexpr long LongLine = 4096;
    // Gives the long lines of a text just loaded their runs.
    void styleLoadedText();

    // What an input method is told about the text around the caret: at most this many
    // characters either side of it, never a whole line or paragraph of a large page.
    static constexpr int InputMethodContext = 512;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;

private:
    void releaseProgramKeys();
    void reportChangesBeforeTheyHappen();
    void reportCaretMovesCheaply();
    void styleRuns(long endPosition);
    void copyRunStyle();

    bool m_modifyFlag = false;
    long m_lastCaret = -1;
};

// `text` as it can go into `editor`: in an 8-bit document a character beyond Latin-1 becomes a
// numeric character reference, as it does when typed or pasted.
QString TextStorableIn(const QsciScintilla& editor, const QString& text);

// `text` as an 8-bit document holds it: Latin-1, with a numeric character reference for each
// character beyond it.
QByteArray Latin1WithReferences(const QString& text);

} // namespace razo
