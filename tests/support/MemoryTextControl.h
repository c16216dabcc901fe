#pragma once
#include <string>

#include "core/ports/TextControl.h"
#include "core/text/LineEnding.h"

namespace razo::test {

// An in-memory edit control with the classic control's offsets and a one-step undo, for tests.
// Optionally knows where the caret is, like a control that reports it.
class MemoryTextControl : public TextControl {
public:
    // New lines take the text's own ending, as in a page read from a file.
    explicit MemoryTextControl(std::string text = {})
        : m_text(std::move(text)), m_lineEnding(LineEndingOf(m_text)) {}

    const std::string& Text() const { return m_text; }
    // Simulates the user typing `text` over the selection (undoable, sets the modified flag).
    void Type(std::string_view text) { ReplaceSel(text, true); }
    // Makes the control report (or stop reporting) the caret's real offset.
    void SetKnownCaret(std::optional<long> caret) { m_caret = caret; }

    void GetSel(long& start, long& end) const override;
    void SetSel(long start, long end) override;
    long ReplaceSel(std::string_view text, bool canUndo) override;
    void ScrollCaret() override { ++scrollCount; }
    bool GetModify() const override { return m_modified; }
    void SetModify(bool modified) override { m_modified = modified; }
    bool CanUndo() const override { return m_undo.has_value(); }
    void Undo() override;
    long LineFromChar(long offset) const override;
    long LineIndex(long line) const override;
    long TextLength() const override { return static_cast<long>(m_text.size()); }
    std::optional<long> CaretPos() const override { return m_caret; }
    std::string GetBytes() const override { return m_text; }
    std::string_view LineEnding() const override { return m_lineEnding; }
    void SetBytes(std::string_view bytes) override;

    int scrollCount = 0;

private:
    struct UndoStep {
        long start;
        std::string removed;
        std::string inserted;
    };
    std::string m_text;
    std::string_view m_lineEnding;
    long m_selStart = 0;
    long m_selEnd = 0;
    bool m_modified = false;
    std::optional<UndoStep> m_undo;
    std::optional<long> m_caret;
};

} // namespace razo::test
