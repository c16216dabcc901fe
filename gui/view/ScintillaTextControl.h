#pragma once
#include <Qsci/qsciscintilla.h>
#include <cstdint>

#include "core/ports/TextControl.h"

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

// The TextControl port over one RazoEditor.
class ScintillaTextControl : public TextControl {
public:
    explicit ScintillaTextControl(RazoEditor& editor);

    RazoEditor& Editor() { return m_editor; }
    // True while the document is edited as UTF-8 (decided by SetBytes).
    bool IsUtf8() const;

    void GetSel(long& start, long& end) const override;
    void SetSel(long start, long end) override;
    long ReplaceSel(std::string_view text, bool canUndo) override;
    void ScrollCaret() override;
    bool GetModify() const override;
    void SetModify(bool modified) override;
    bool CanUndo() const override;
    void Undo() override;
    bool CanRedo() const override;
    void Redo() override;
    long LineFromChar(long offset) const override;
    long LineIndex(long line) const override;
    long TextLength() const override;
    long CountCharacters(long from, long to) const override;
    std::optional<long> CaretPos() const override;
    std::string GetBytes() const override;
    void SetBytes(std::string_view bytes) override;

    // The whole text where the control keeps it, without a copy; valid until the next change.
    std::string_view TextView() const;

    // Replaces the text with a file's bytes a piece at a time, so the file is never held twice:
    // BeginLoad, then AppendLoaded for each piece, then EndLoad, which decides the encoding and
    // puts `prefix` (if any) in front. Nothing of the load can be undone; the result is
    // unmodified with the caret at the start.
    void BeginLoad(std::int64_t expectedSize);
    void AppendLoaded(std::string_view bytes);
    void EndLoad(bool utf8, std::string_view prefix = {});

private:
    std::string FirstLineBreak() const;

    RazoEditor& m_editor;
    QsciScintilla::WrapMode m_wrapAfterLoad = QsciScintilla::WrapNone;
};

} // namespace razo
