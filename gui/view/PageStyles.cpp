#include "gui/view/PageStyles.h"

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QPalette>
#include <array>
#include <string>

namespace razo {

namespace {

using Html = QsciLexerHTML;
using Sci = QsciScintillaBase;

struct StyleKind {
    int style;
    SyntaxKind kind;
};

// The HTML lexer's styles with a kind of their own; the lexer's other styles show as page text.
constexpr StyleKind kHtmlKinds[] = {
    {Html::Tag, SyntaxKind::Tag},
    {Html::UnknownTag, SyntaxKind::Tag},
    {Html::Attribute, SyntaxKind::Attribute},
    {Html::UnknownAttribute, SyntaxKind::Attribute},
    {Html::HTMLNumber, SyntaxKind::Number},
    {Html::HTMLDoubleQuotedString, SyntaxKind::Value},
    {Html::HTMLSingleQuotedString, SyntaxKind::Value},
    {Html::OtherInTag, SyntaxKind::Tag},
    {Html::HTMLComment, SyntaxKind::Comment},
    {Html::Entity, SyntaxKind::Entity},
    {Html::XMLTagEnd, SyntaxKind::Tag},
    {Html::XMLStart, SyntaxKind::Declaration},
    {Html::XMLEnd, SyntaxKind::Declaration},
    {Html::Script, SyntaxKind::Tag},
    {Html::ASPAtStart, SyntaxKind::Declaration},
    {Html::ASPStart, SyntaxKind::Declaration},
    {Html::CDATA, SyntaxKind::Comment},
    {Html::PHPStart, SyntaxKind::Declaration},
    {Html::HTMLValue, SyntaxKind::Value},
    {Html::ASPXCComment, SyntaxKind::Comment},
    {Html::SGMLDefault, SyntaxKind::Declaration},
    {Html::SGMLCommand, SyntaxKind::Declaration},
    {Html::SGMLParameter, SyntaxKind::Declaration},
    {Html::SGMLDoubleQuotedString, SyntaxKind::Value},
    {Html::SGMLSingleQuotedString, SyntaxKind::Value},
    {Html::SGMLError, SyntaxKind::Error},
    {Html::SGMLSpecial, SyntaxKind::Declaration},
    {Html::SGMLEntity, SyntaxKind::Entity},
    {Html::SGMLComment, SyntaxKind::Comment},
    {Html::SGMLParameterComment, SyntaxKind::Comment},
    {Html::SGMLBlockDefault, SyntaxKind::Declaration},
    {Html::JavaScriptComment, SyntaxKind::Comment},
    {Html::JavaScriptCommentLine, SyntaxKind::Comment},
    {Html::JavaScriptCommentDoc, SyntaxKind::Comment},
    {Html::JavaScriptNumber, SyntaxKind::Number},
    {Html::JavaScriptKeyword, SyntaxKind::Keyword},
    {Html::JavaScriptDoubleQuotedString, SyntaxKind::Value},
    {Html::JavaScriptSingleQuotedString, SyntaxKind::Value},
    {Html::JavaScriptUnclosedString, SyntaxKind::Error},
    {Html::JavaScriptRegex, SyntaxKind::Value},
    {Html::ASPJavaScriptComment, SyntaxKind::Comment},
    {Html::ASPJavaScriptCommentLine, SyntaxKind::Comment},
    {Html::ASPJavaScriptCommentDoc, SyntaxKind::Comment},
    {Html::ASPJavaScriptNumber, SyntaxKind::Number},
    {Html::ASPJavaScriptKeyword, SyntaxKind::Keyword},
    {Html::ASPJavaScriptDoubleQuotedString, SyntaxKind::Value},
    {Html::ASPJavaScriptSingleQuotedString, SyntaxKind::Value},
    {Html::ASPJavaScriptUnclosedString, SyntaxKind::Error},
    {Html::ASPJavaScriptRegex, SyntaxKind::Value},
};

constexpr int KeywordSets = 9;

// What the HTML lexer class knows: its language name, its styles and its keyword lists.
struct HtmlLexerFacts {
    std::string language;
    std::vector<int> styles;
    std::array<std::string, KeywordSets> keywords;
};

const HtmlLexerFacts& Facts() {
    static const HtmlLexerFacts facts = [] {
        HtmlLexerFacts made;
        const QsciLexerHTML lexer;
        made.language = lexer.lexer();
        for (int style = 0; style <= Sci::STYLE_MAX; ++style)
            if (!lexer.description(style).isEmpty() &&
                (style < Sci::STYLE_DEFAULT || style > Sci::STYLE_LASTPREDEFINED))
                made.styles.push_back(style);
        // Set 0 (HTML's elements and attributes) stays empty: every name counts as known, so the
        // elements of older and of vendor dialects are not shown as mistakes.
        for (int set = 1; set < KeywordSets; ++set)
            if (const char* words = lexer.keywords(set + 1))
                made.keywords[set] = words;
        return made;
    }();
    return facts;
}

void SetFore(QsciScintillaBase& editor, int style, const QColor& colour) {
    editor.SendScintilla(Sci::SCI_STYLESETFORE, static_cast<unsigned long>(style), colour);
}

void SetBack(QsciScintillaBase& editor, int style, const QColor& colour) {
    editor.SendScintilla(Sci::SCI_STYLESETBACK, static_cast<unsigned long>(style), colour);
}

} // namespace

ScreenColour ToScreenColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

QColor ToQColor(ScreenColour colour) {
    return QColor(colour.r, colour.g, colour.b);
}

const std::vector<int>& HtmlLexerStyles() {
    return Facts().styles;
}

SyntaxKind HtmlStyleKind(int style) {
    for (const StyleKind& row : kHtmlKinds)
        if (row.style == style)
            return row.kind;
    return SyntaxKind::Text;
}

void ApplyPageStyles(QsciScintilla& editor, const QPalette& palette, bool coloured) {
    const QColor background = palette.color(QPalette::Base);
    const ScreenColour page = ToScreenColour(background);
    const ScreenColour ink = ToScreenColour(palette.color(QPalette::Text));
    const QColor text = ToQColor(SyntaxColour(SyntaxKind::Text, page, ink));
    editor.setColor(text);
    editor.setPaper(background);
    // Every style starts as the default one: the page's font, text colour and background.
    SetFore(editor, Sci::STYLE_DEFAULT, text);
    editor.SendScintilla(Sci::SCI_STYLECLEARALL);
    if (coloured)
        for (const StyleKind& row : kHtmlKinds)
            SetFore(editor, row.style, ToQColor(SyntaxColour(row.kind, page, ink)));

    // Line numbers on the window's colour, in a quieter ink that stays readable.
    const QColor margin = palette.color(QPalette::Window);
    const ScreenColour marginColour = ToScreenColour(margin);
    SetBack(editor, Sci::STYLE_LINENUMBER, margin);
    SetFore(editor, Sci::STYLE_LINENUMBER, ToQColor(ReadableOn(Mix(ink, marginColour, 0.4), marginColour)));

    editor.SendScintilla(Sci::SCI_SETCARETFORE, text);
    editor.setSelectionBackgroundColor(palette.color(QPalette::Highlight));
    editor.setSelectionForegroundColor(palette.color(QPalette::HighlightedText));
}

void UseHtmlLexer(QsciScintillaBase& editor, bool on) {
    if (!on) {
        editor.SendScintilla(Sci::SCI_SETLEXER, Sci::SCLEX_CONTAINER);
        editor.SendScintilla(Sci::SCI_CLEARDOCUMENTSTYLE);
        return;
    }
    const HtmlLexerFacts& facts = Facts();
    editor.SendScintilla(Sci::SCI_SETLEXERLANGUAGE, 0UL, facts.language.c_str());
    for (int set = 0; set < KeywordSets; ++set)
        editor.SendScintilla(Sci::SCI_SETKEYWORDS, static_cast<unsigned long>(set),
                             facts.keywords[set].c_str());
    editor.SendScintilla(Sci::SCI_SETPROPERTY, "fold", "0");
    // Up to what is shown, and what lies before it in the background, in short pieces.
    editor.SendScintilla(Sci::SCI_SETIDLESTYLING, Sci::SC_IDLESTYLING_TOVISIBLE);
    editor.SendScintilla(Sci::SCI_STARTSTYLING, 0UL, 0L);
}

} // namespace razo
