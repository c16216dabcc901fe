#include "tests/support/MemoryTextControl.h"

#include <algorithm>

namespace razo::test {

void MemoryTextControl::GetSel(long& start, long& end) const {
    start = m_selStart;
    end = m_selEnd;
}

void MemoryTextControl::SetSel(long start, long end) {
    const long length = TextLength();
    start = std::clamp(start, 0L, length);
    end = std::clamp(end, 0L, length);
    m_selStart = std::min(start, end);
    m_selEnd = std::max(start, end);
}

long MemoryTextControl::ReplaceSel(std::string_view text, bool canUndo) {
    std::string removed = m_text.substr(m_selStart, m_selEnd - m_selStart);
    m_text.replace(m_selStart, m_selEnd - m_selStart, text);
    if (canUndo)
        m_undo = UndoStep{m_selStart, std::move(removed), std::string(text)};
    else
        m_undo.reset();
    m_selStart += static_cast<long>(text.size());
    m_selEnd = m_selStart;
    m_modified = true;
    return static_cast<long>(text.size());
}

void MemoryTextControl::Undo() {
    if (!m_undo)
        return;
    UndoStep step = *m_undo;
    m_text.replace(step.start, step.inserted.size(), step.removed);
    // The classic control's single-level undo toggles: undoing again redoes.
    m_undo = UndoStep{step.start, step.inserted, step.removed};
    m_selStart = step.start;
    m_selEnd = step.start + static_cast<long>(step.removed.size());
    m_modified = true;
}

long MemoryTextControl::LineFromChar(long offset) const {
    offset = std::clamp(offset, 0L, TextLength());
    return static_cast<long>(std::count(m_text.begin(), m_text.begin() + offset, '\n'));
}

long MemoryTextControl::LineIndex(long line) const {
    long start = 0;
    for (long i = 0; i < line; ++i) {
        auto pos = m_text.find('\n', start);
        if (pos == std::string::npos)
            return -1;
        start = static_cast<long>(pos) + 1;
    }
    return start;
}

void MemoryTextControl::SetBytes(std::string_view bytes) {
    m_text.assign(bytes);
    m_lineEnding = LineEndingOf(m_text);
    m_selStart = m_selEnd = 0;
    m_undo.reset();
    m_modified = false;
}

} // namespace razo::test
