#include "gui/resources/CommandGlyphs.h"

#include "core/resources/CommandIds.h"

namespace razo {

const std::map<int, Glyph>& ElementGlyphs() {
    using F = Family;
    static const std::map<int, Glyph> glyphs = {
        // Headings
        {cmd::Heading1, {"H1", Bold, F::Html}},
        {cmd::Heading2, {"H2", Bold, F::Html}},
        {cmd::Heading3, {"H3", Bold, F::Html}},
        {cmd::Heading4, {"H4", Bold, F::Html}},
        {cmd::Heading5, {"H5", Bold, F::Html}},
        {cmd::Heading6, {"H6", Bold, F::Html}},
        // Font elements
        {cmd::Bold, {"B", Bold | Serif, F::Html}},
        {cmd::Italic, {"I", Italic | Serif | Bold, F::Html}},
        {cmd::Teletype, {"TT", Mono, F::Html}},
        {cmd::Underline, {"U", Underline | Serif, F::Html}},
        {cmd::Strike, {"S", Strike | Serif, F::Html}},
        {cmd::Big, {"A+", Bold, F::Html}},
        {cmd::Small, {"a-", Plain, F::Html}},
        {cmd::Subscript, {"x\u2082", Serif, F::Html}},
        {cmd::Superscript, {"x\u00b2", Serif, F::Html}},
        {cmd::Font, {"Font", Plain, F::Html}},
        // Phrase elements
        {cmd::Strong, {"STR", Bold, F::Html}},
        {cmd::Emphasis, {"EM", Italic, F::Html}},
        {cmd::Keyboard, {"KBD", Mono, F::Html}},
        {cmd::Citation, {"CITE", Italic, F::Html}},
        {cmd::Code, {"CODE", Mono, F::Html}},
        {cmd::Sample, {"SAMP", Mono, F::Html}},
        {cmd::Variable, {"VAR", Italic | Serif, F::Html}},
        {cmd::DefineTerm, {"DFN", Italic, F::Html}},
        // Lists
        {cmd::OrderedList, {"OL", Bold, F::Html}},
        {cmd::UnorderedList, {"UL", Bold, F::Html}},
        {cmd::ListItem, {"LI", Plain, F::Html}},
        {cmd::DefinitionList, {"DL", Bold, F::Html}},
        {cmd::Term, {"DT", Plain, F::Html}},
        {cmd::Definition, {"DD", Plain, F::Html}},
        {cmd::DirectoryList, {"DIR", Plain, F::Html}},
        {cmd::MenuList, {"MENU", Plain, F::Html}},
        // Structure
        {cmd::InsertStandardTags, {"<>", Bold, F::Html}},
        {cmd::DocumentType, {"!DOC", Plain, F::Html}},
        {cmd::Html, {"HTML", Plain, F::Html}},
        {cmd::Base, {"BASE", Plain, F::Html}},
        {cmd::Body, {"BODY", Plain, F::Html}},
        {cmd::Paragraph, {"\u00b6", Bold, F::Html}},
        {cmd::Preformatted, {"PRE", Mono, F::Html}},
        {cmd::Blockquote, {"\u201c\u201d", Bold | Serif, F::Html}},
        {cmd::Address, {"ADDR", Italic, F::Html}},
        {cmd::LineBreak, {"BR", Plain, F::Html}},
        {cmd::HorizontalRule, {"HR", Plain, F::Html}},
        {cmd::Centre, {"CTR", Plain, F::Html}},
        {cmd::Division, {"DIV", Plain, F::Html}},
        // Links and images
        {cmd::Anchor, {"A#", Bold, F::Html}},
        {cmd::Link, {"A", Bold | Underline, F::Html}},
        {cmd::Image, {"IMG", Plain, F::Html}},
        {cmd::ImageMap, {"MAP", Plain, F::Html}},
        {cmd::ImageMapArea, {"AREA", Plain, F::Html}},
        {cmd::Comment, {"<!--", Mono, F::Html}},
        {cmd::HomePageButton, {"\u2605", Plain, F::Html}},
        // Forms
        {cmd::Form, {"FORM", Plain, F::Html}},
        {cmd::FormInput, {"INP", Plain, F::Html}},
        {cmd::FormSelect, {"SEL", Plain, F::Html}},
        {cmd::FormOption, {"OPT", Plain, F::Html}},
        {cmd::FormTextArea, {"TXA", Plain, F::Html}},
        // Tables
        {cmd::Table, {"TBL", Bold, F::Html}},
        {cmd::TableRow, {"TR", Plain, F::Html}},
        {cmd::TableHeader, {"TH", Bold, F::Html}},
        {cmd::TableData, {"TD", Plain, F::Html}},
        // Java
        {cmd::Applet, {"APP", Plain, F::Html}},
        {cmd::AppletParam, {"PRM", Plain, F::Html}},
        // Netscape
        {cmd::BodyNetscape, {"BODY", Plain, F::Netscape}},
        {cmd::BaseNetscape, {"BASE", Plain, F::Netscape}},
        {cmd::TableHeaderNetscape, {"TH", Bold, F::Netscape}},
        {cmd::TableDataNetscape, {"TD", Plain, F::Netscape}},
        {cmd::FormNetscape, {"FORM", Plain, F::Netscape}},
        {cmd::LinkNetscape, {"A", Bold | Underline, F::Netscape}},
        {cmd::FontNetscape, {"Font", Plain, F::Netscape}},
        {cmd::BaseFont, {"BASEF", Plain, F::Netscape}},
        {cmd::ImageNetscape, {"IMG", Plain, F::Netscape}},
        {cmd::ImageMapAreaNetscape, {"AREA", Plain, F::Netscape}},
        {cmd::Frameset, {"FSET", Plain, F::Netscape}},
        {cmd::Frame, {"FRM", Plain, F::Netscape}},
        {cmd::NoFrames, {"NOFR", Plain, F::Netscape}},
        {cmd::Blink, {"BLNK", Plain, F::Netscape}},
        {cmd::NoBreak, {"NOBR", Plain, F::Netscape}},
        {cmd::WordBreak, {"WBR", Plain, F::Netscape}},
        // Microsoft
        {cmd::BodyMicrosoft, {"BODY", Plain, F::Microsoft}},
        {cmd::TableMicrosoft, {"TBL", Bold, F::Microsoft}},
        {cmd::TableRowMicrosoft, {"TR", Plain, F::Microsoft}},
        {cmd::TableHeaderMicrosoft, {"TH", Bold, F::Microsoft}},
        {cmd::TableDataMicrosoft, {"TD", Plain, F::Microsoft}},
        {cmd::FontMicrosoft, {"Font", Plain, F::Microsoft}},
        {cmd::ImageMicrosoft, {"IMG", Plain, F::Microsoft}},
        {cmd::BackgroundSound, {"\u266a", Bold, F::Microsoft}},
        {cmd::Marquee, {"MARQ", Plain, F::Microsoft}},
        // HTML5 sections
        {cmd::Header, {"HDR", Bold, F::Html5}},
        {cmd::Nav, {"NAV", Plain, F::Html5}},
        {cmd::Main, {"MAIN", Bold, F::Html5}},
        {cmd::Article, {"ART", Plain, F::Html5}},
        {cmd::Section, {"SECT", Plain, F::Html5}},
        {cmd::Aside, {"ASIDE", Plain, F::Html5}},
        {cmd::Footer, {"FTR", Bold, F::Html5}},
        {cmd::ContactAddress, {"ADDR", Italic, F::Html5}},
        {cmd::Figure, {"FIG", Plain, F::Html5}},
        {cmd::Details, {"DTLS", Plain, F::Html5}},
        {cmd::HeadingGroup, {"HGRP", Plain, F::Html5}},
        // HTML5 media
        {cmd::Video, {"VID", Plain, F::Html5}},
        {cmd::Picture, {"PIC", Plain, F::Html5}},

        // HTML5 forms and head
        {cmd::InputHtml5, {"INP5", Plain, F::Html5}},

    };
    return glyphs;
}

} // namespace razo
