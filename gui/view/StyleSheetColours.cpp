#include "gui/view/StyleSheetColours.h"

#include <Qsci/qsciscintillabase.h>

#include <QPalette>
#include <algorithm>
#include <string_view>

#include "gui/view/PageStyles.h"

namespace razo {

namespace {

using Sci = QsciScintillaBase;

} // namespace

StyleSheetColours::StyleSheetColours(QsciScintillaBase& editor) : m_editor(editor) {
    m_editor.SendScintilla(Sci::SCI_INDICSETSTYLE, Indicator, Sci::INDIC_TEXTFORE);
    // Each run carries its colour as the indicator's value.
    m_editor.SendScintilla(Sci::SCI_INDICSETFLAGS, Indicator, Sci::SC_INDICFLAG_VALUEBEFORE);
}

void StyleSheetColours::SetPalette(const QPalette& palette) {
    const ScreenColour page = ToScreenColour(palette.color(QPalette::Base));
    const ScreenColour ink = ToScreenColour(palette.color(QPalette::Text));
    for (int kind = 0; kind < SyntaxKindCount; ++kind) {
        const ScreenColour colour = SyntaxColour(static_cast<SyntaxKind>(kind), page, ink);
        m_values[kind] = long(colour.r | colour.g << 8 | colour.b << 16) | Sci::SC_INDICVALUEBIT;
    }
    m_recolour = true;
}

void StyleSheetColours::Clear() {
    m_editor.SendScintilla(Sci::SCI_SETINDICATORCURRENT, Indicator);
    m_editor.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0UL, m_editor.SendScintilla(Sci::SCI_GETLENGTH));
}

void StyleSheetColours::Refresh(bool on) {
    if (!on) {
        if (!m_applied.empty() || m_recolour)
            Clear();
        m_applied.clear();
        m_recolour = false;
        return;
    }
    const long length = m_editor.SendScintilla(Sci::SCI_GETLENGTH);
    const long top = m_editor.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    const long shown = m_editor.SendScintilla(Sci::SCI_LINESONSCREEN);
    const long firstLine =
        m_editor.SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(top));
    const long lastLine =
        m_editor.SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(top + shown + 1));
    const long from =
        m_editor.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(firstLine));
    const long to = std::max(
        from, m_editor.SendScintilla(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(lastLine)));
    const long windowFrom = std::max(0L, from - Reach);
    const long windowTo = std::min(length, to + Reach);
    const auto* bytes = reinterpret_cast<const char*>(m_editor.SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(windowFrom), windowTo - windowFrom));
    const std::string_view window(bytes, bytes ? static_cast<std::size_t>(windowTo - windowFrom) : 0);

    std::vector<TextRun> runs;
    const std::size_t shownFrom = static_cast<std::size_t>(from - windowFrom);
    const std::size_t shownTo = static_cast<std::size_t>(to - windowFrom);
    for (const TextRun& span : StyleSheetSpans(window, shownFrom, shownTo)) {
        const std::size_t end = std::min(span.end, shownTo);
        for (TextRun run : StyleSheetRuns(window.substr(span.begin, end - span.begin))) {
            run.begin += span.begin + windowFrom;
            run.end += span.begin + windowFrom;
            if (run.end > std::size_t(from) && run.kind != SyntaxKind::Text)
                runs.push_back(run);
        }
    }
    if (runs == m_applied && !m_recolour)
        return;
    m_recolour = false;
    Clear();
    for (const TextRun& run : runs) {
        m_editor.SendScintilla(Sci::SCI_SETINDICATORVALUE, m_values[static_cast<std::size_t>(run.kind)]);
        m_editor.SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(run.begin),
                               long(run.end - run.begin));
    }
    m_applied = std::move(runs);
}

} // namespace razo
