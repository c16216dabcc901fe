#pragma once
#include <array>
#include <vector>

#include "core/view/StyleSheetRuns.h"

class QPalette;
class QsciScintillaBase;

namespace razo {

// The HTML lexer shows a STYLE element's sheet as plain text. Its selectors, properties, values
// and comments are coloured by an indicator that sets the text's colour, only in the lines shown
// (and read from a bounded stretch before them), so it costs the same on any page.
class StyleSheetColours {
public:
    static constexpr int Indicator = 21;
    // How far before the first line shown a sheet's start is looked for.
    static constexpr long Reach = 64 * 1024;

    explicit StyleSheetColours(QsciScintillaBase& editor);

    void SetPalette(const QPalette& palette);
    // Colours the sheets in the lines shown now; with `on` false, takes every colour away.
    void Refresh(bool on);

private:
    void Clear();

    QsciScintillaBase& m_editor;
    std::array<long, SyntaxKindCount> m_values{};
    std::vector<TextRun> m_applied;
    bool m_recolour = false; // the palette changed: the runs shown need their new colours
};

} // namespace razo
