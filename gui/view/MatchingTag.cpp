#include "gui/view/MatchingTag.h"

#include <QColor>
#include <algorithm>
#include <string_view>

#include "core/markup/TagFinder.h"
#include "gui/view/RazoEditor.h"

namespace razo {

namespace {

using Sci = QsciScintillaBase;

long CharAt(QsciScintillaBase& editor, long position) {
    return editor.SendScintilla(Sci::SCI_GETCHARAT, static_cast<unsigned long>(position));
}

} // namespace

std::optional<TagMatch> FindTagMatch(QsciScintillaBase& editor, long caret) {
    // Cheaply out where no name can hold the caret: a name's first character follows '<' or '/'.
    const char before = caret > 0 ? static_cast<char>(CharAt(editor, caret - 1)) : '\0';
    if (!markup::IsNameChar(before) && before != '<' && before != '/')
        return std::nullopt;
    const markup::ScanLimits limits;
    const long length = editor.SendScintilla(Sci::SCI_GETLENGTH);
    const long tag = static_cast<long>(limits.tag);
    const long reach = static_cast<long>(limits.reach);
    const long from = std::max(0L, caret - tag - reach);
    const long to = std::min(length, caret + 2 * tag + reach);
    const auto* bytes = reinterpret_cast<const char*>(
        editor.SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
    if (bytes == nullptr)
        return std::nullopt;
    const std::string_view window(bytes, static_cast<std::size_t>(to - from));
    const auto found = markup::MatchAtCaretName(window, static_cast<std::size_t>(caret - from), limits);
    if (!found)
        return std::nullopt;
    return TagMatch{from + long(found->atCaret.nameBegin), from + long(found->atCaret.nameEnd),
                    from + long(found->match.nameBegin), from + long(found->match.nameEnd)};
}

MatchingTagMarker::MatchingTagMarker(RazoEditor& editor) : QObject(&editor), m_editor(editor) {
    m_editor.SendScintilla(Sci::SCI_INDICSETSTYLE, Indicator, Sci::INDIC_STRAIGHTBOX);
    m_editor.SendScintilla(Sci::SCI_INDICSETUNDER, Indicator, 1L);
    m_editor.SendScintilla(Sci::SCI_INDICSETALPHA, Indicator, 70L);
    m_editor.SendScintilla(Sci::SCI_INDICSETOUTLINEALPHA, Indicator, 200L);
}

void MatchingTagMarker::SetColour(const QColor& colour) {
    m_editor.SendScintilla(Sci::SCI_INDICSETFORE, Indicator, colour);
}

std::optional<TagMatch> MatchingTagMarker::Current() {
    const long caret = m_editor.SendScintilla(Sci::SCI_GETCURRENTPOS);
    const long anchor = m_editor.SendScintilla(Sci::SCI_GETANCHOR);
    if (caret != m_caret || m_editor.changeCount() != m_change) {
        m_caret = caret;
        m_change = m_editor.changeCount();
        // A selection is the user's own marking: no tag is matched while there is one.
        m_match = caret == anchor ? FindTagMatch(m_editor, caret) : std::nullopt;
    }
    return m_match;
}

void MatchingTagMarker::Refresh() {
    const std::optional<TagMatch> match = Current();
    if (match == m_marked)
        return;
    // Marks move with the text, so the last ones may no longer be where they were put: clearing
    // the whole page costs no more than clearing them, as the control keeps marks as runs.
    m_editor.SendScintilla(Sci::SCI_SETINDICATORCURRENT, Indicator);
    m_editor.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0UL, m_editor.SendScintilla(Sci::SCI_GETLENGTH));
    if (match)
        for (const auto& [begin, end] :
             {std::pair{match->nameBegin, match->nameEnd}, {match->matchBegin, match->matchEnd}})
            m_editor.SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(begin),
                                   end - begin);
    m_marked = match;
}

} // namespace razo
