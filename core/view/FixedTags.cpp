#include "view/FixedTags.h"

#include "view/RazoView.h"

namespace razo {

namespace {

// Only HTML and HEAD carry line breaks; BLOCKQUOTE goes in under its full name and WBR as a pair.
constexpr FixedTag kFixedTags[] = {
    // Font style
    {32774, "<B>", "</B>"},
    {32775, "<I>", "</I>"},
    {32776, "<TT>", "</TT>"},
    {32852, "<U>", "</U>"},
    {32853, "<STRIKE>", "</STRIKE>"},
    {32854, "<BIG>", "</BIG>"},
    {32855, "<SMALL>", "</SMALL>"},
    {32856, "<SUB>", "</SUB>"},
    {32857, "<SUP>", "</SUP>"},
    // Phrase
    {32777, "<CITE>", "</CITE>"},
    {32778, "<CODE>", "</CODE>"},
    {32779, "<EM>", "</EM>"},
    {32780, "<KBD>", "</KBD>"},
    {32781, "<SAMP>", "</SAMP>"},
    {32782, "<STRONG>", "</STRONG>"},
    {32783, "<VAR>", "</VAR>"},
    {32844, "<DFN>", "</DFN>"},
    // Definition list parts: no end tag
    {32790, "<DT>", ""},
    {32872, "<DD>", ""},
    // Document structure
    {32791, "<HTML>\r\n", "</HTML>"},
    {32792, "<HEAD>\r\n", "\r\n</HEAD>"},
    {32793, "<TITLE>", "</TITLE>"},
    {32804, "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
    {32805, "<ADDRESS>", "</ADDRESS>"},
    {32834, "<CENTER>", "</CENTER>"},
    // Browser extensions
    {32836, "<BLINK>", "</BLINK>"},
    {32832, "<NOBR>", "</NOBR>"},
    {32833, "<WBR>", "</WBR>"},
    {32934, "<NOFRAMES>", "</NOFRAMES>"},
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
