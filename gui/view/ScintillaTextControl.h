#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ports/TextControl.h"
#include "gui/view/RazoEditor.h"

namespace razo {

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
    std::string GetByteRange(long from, long to) const override;
    bool HoldsUtf8() const override { return IsUtf8(); }
    std::string_view LineEnding() const override;
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
