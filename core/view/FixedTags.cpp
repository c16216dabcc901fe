#include "core/view/FixedTags.h"

#include "core/resources/CommandIds.h"
#include "core/view/RazoView.h"

namespace razo {

namespace {

// Only HTML and HEAD carry line breaks; BLOCKQUOTE goes in under its full name and WBR as a pair.
constexpr FixedTag kFixedTags[] = {
    // Font style
    {cmd::Bold, "<B>", "</B>"},
    {cmd::Italic, "<I>", "</I>"},
    {cmd::Teletype, "<TT>", "</TT>"},
    {cmd::Underline, "<U>", "</U>"},
    {cmd::Strike, "<STRIKE>", "</STRIKE>"},
    {cmd::Big, "<BIG>", "</BIG>"},
    {cmd::Small, "<SMALL>", "</SMALL>"},
    {cmd::Subscript, "<SUB>", "</SUB>"},
    {cmd::Superscript, "<SUP>", "</SUP>"},
    // Phrase
    {cmd::Citation, "<CITE>", "</CITE>"},
    {cmd::Code, "<CODE>", "</CODE>"},
    {cmd::Emphasis, "<EM>", "</EM>"},
    {cmd::Keyboard, "<KBD>", "</KBD>"},
    {cmd::Sample, "<SAMP>", "</SAMP>"},
    {cmd::Strong, "<STRONG>", "</STRONG>"},
    {cmd::Variable, "<VAR>", "</VAR>"},
    {cmd::DefineTerm, "<DFN>", "</DFN>"},
    // Definition list parts: no end tag
    {cmd::Term, "<DT>", ""},
    {cmd::Definition, "<DD>", ""},
    // Document structure
    {cmd::Html, "<HTML>\r\n", "</HTML>"},
    {cmd::Head, "<HEAD>\r\n", "\r\n</HEAD>"},
    {cmd::Title, "<TITLE>", "</TITLE>"},
    {cmd::Blockquote, "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
    {cmd::Address, "<ADDRESS>", "</ADDRESS>"},
    {cmd::Centre, "<CENTER>", "</CENTER>"},
    // Browser extensions
    {cmd::Blink, "<BLINK>", "</BLINK>"},
    {cmd::NoBreak, "<NOBR>", "</NOBR>"},
    {cmd::WordBreak, "<WBR>", "</WBR>"},
    {cmd::NoFrames, "<NOFRAMES>", "</NOFRAMES>"},
    // HTML5 text; WBR is empty there
    {cmd::Mark, "<MARK>", "</MARK>"},
    {cmd::StruckOut, "<S>", "</S>"},
    {cmd::BidiIsolate, "<BDI>", "</BDI>"},
    {cmd::WordBreakOpportunity, "<WBR>", ""},
    // HTML5 head; a page is UTF-8 in HTML5
    {cmd::MetaCharset, "<META CHARSET=\"utf-8\">\r\n", ""},
    {cmd::NoScript, "<NOSCRIPT>", "</NOSCRIPT>"},
    {cmd::ContentTemplate, "<TEMPLATE>\r\n", "\r\n</TEMPLATE>"},
};

} // namespace

std::span<const FixedTag> FixedTags() {
    return kFixedTags;
}

void RegisterFixedTagCommands(CRazoView& view) {
    for (const FixedTag& tag : kFixedTags)
        view.Target().OnCommand(tag.id, [&view, tag] { view.InsertTagPair(tag.start, tag.end, false); });
}

} // namespace razo
