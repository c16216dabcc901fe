#include "core/resources/CommandIds.h"
#include "core/resources/CommandTableParts.h"

namespace razo::detail {

namespace {

// Every command that puts markup into the text, grouped as the menus show them. The prompt is
// the element's markup as the status bar shows it; an empty tooltip means the button shows none.
// A caption that begins with blanks is indented on purpose: it shows the element nests in the one
// above it. Commands that stand in two menus are listed once, in the first.
constexpr CommandInfo kElementCommands[] = {
    // Font styles
    {cmd::Bold, "font.bold", "&Bold", "", "<B>..</B>", "Bold"},
    {cmd::Italic, "font.italic", "&Italic", "", "<I>..</I>", "Italics"},
    {cmd::Teletype, "font.teletype", "&Teletype", "", "<TT>..</TT>", "Teletype"},
    {cmd::Underline, "font.underline", "&Underline", "(HTML3.2)", "<U>..</U>", "Underline"},
    {cmd::Strike, "font.strike", "Stri&ke through", "(HTML3.2)", "<STRIKE>..</STRIKE>", "Strikethrough"},
    {cmd::Big, "font.big", "Bi&g", "(HTML3.2)", "<BIG>..</BIG>", "Big"},
    {cmd::Small, "font.small", "&Small", "(HTML3.2)", "<SMALL>..</SMALL>", "Small"},
    {cmd::Subscript, "font.subscript", "Subs&cript", "(HTML3.2)", "<SUB>..</SUB>", "Subscript"},
    {cmd::Superscript, "font.superscript", "Su&perscript", "(HTML3.2)", "<SUP>..</SUP>", "Superscript"},
    {cmd::Font, "element.font", "&Font Size + Colour...", "(HTML3.2)", "<FONT>..</FONT>",
     "Font size and colour"},

    // Phrases
    {cmd::Citation, "phrase.citation", "&Citation", "", "<CITE>..</CITE>", "Citation"},
    {cmd::Code, "phrase.code", "C&ode", "", "<CODE>..</CODE>", "Code"},
    {cmd::Emphasis, "phrase.emphasis", "&Emphasis", "", "<EM>..</EM>", "Emphasis"},
    {cmd::Keyboard, "phrase.keyboard", "&Keyboard", "", "<KBD>..</KBD>", "Keyboard"},
    {cmd::Sample, "phrase.sample", "Sa&mple", "", "<SAMP>..</SAMP>", "Sample"},
    {cmd::Strong, "phrase.strong", "&Strong", "", "<STRONG>..</STRONG>", "Strong"},
    {cmd::Variable, "phrase.variable", "&Variable", "", "<VAR>..</VAR>", "Variable"},
    {cmd::DefineTerm, "phrase.defineTerm", "Define &Term", "(HTML3.2)", "<DFN>..</DFN>", "Define term"},

    // Lists
    {cmd::UnorderedList, "element.unorderedList", "&Unordered List...", "", "<UL>..</UL>", "Unordered list"},
    {cmd::OrderedList, "element.orderedList", "&Ordered List...", "", "<OL>..</OL>", "Ordered list"},
    {cmd::DirectoryList, "element.directoryList", "&Directory...", "", "<DIR>..</DIR>", ""},
    {cmd::MenuList, "element.menuList", "&Menu...", "", "<MENU>..</MENU>", ""},
    {cmd::ListItem, "element.listItem", "  &List Item...", "", "<LI>", "List item"},
    {cmd::DefinitionList, "element.definitionList", "D&efinition List...", "", "<DL>..</DL>",
     "Definition List"},
    {cmd::Term, "element.term", "  &Term", "", "<DT>", "Definition List Term"},
    {cmd::Definition, "element.definition", "  De&finition ", "", "<DD>", "Definition List Definition"},

    // Document structure
    {cmd::InsertStandardTags, "element.standardTags", "&Insert standard tags", "",
     "<HTML><HEAD><TITLE></TITLE></HEAD><BODY>...</BODY></HTML>", "Insert standard tags"},
    {cmd::DocumentType, "element.documentType", "Insert &document type definition...", "", "", ""},
    {cmd::Html, "element.html", "HT&ML", "", "<HTML>..</HTML>", ""},
    {cmd::Head, "element.head", "&Head", "", "<HEAD>..</HEAD>", ""},
    {cmd::Title, "element.title", "  &Title", "", "<TITLE>..</TITLE>", ""},
    {cmd::IsIndex, "element.isIndex", "  &IsIndex...", "", "<ISINDEX>", ""},
    {cmd::Base, "element.base", "  &Base...", "", "<BASE>", "Base"},
    {cmd::Meta, "element.meta", "  &Meta...", "", "<META>", ""},
    {cmd::LinkElement, "element.linkElement", "  &Link...", "", "<LINK>", ""},
    {cmd::Style, "element.style", "", "", "<STYLE>", ""}, // reachable from no menu, toolbar or key
    {cmd::Body, "element.body", "&Body...", "", "<BODY>..</BODY>", "Body"},
    {cmd::Paragraph, "element.paragraph", "  &Paragraph...", "", "<P>..</P>", "Paragraph"},
    {cmd::Preformatted, "element.preformatted", "  Pr&e-Formatted...", "", "<PRE>..</PRE>", "Preformatted"},
    {cmd::Blockquote, "element.blockquote", "  Block &Quoted", "", "<BQ>..</BQ>", "Blockquoted"},
    {cmd::Address, "element.address", "  &Address", "", "<ADDRESS>..</ADDRESS>", "Address"},
    {cmd::LineBreak, "element.lineBreak", "  &Line break...", "", "<BR>", "Line break"},
    {cmd::HorizontalRule, "element.horizontalRule", "  Horizontal &Rule...", "", "<HR>", "Horizontal Rule"},
    {cmd::Centre, "element.centre", "  &Centre", "(HTML 3.2)", "<CENTER>..</CENTER>", "Center"},
    {cmd::Division, "element.division", "  &Division.. ", "(HTML3.2)", "<DIV>..</DIV>", "Division"},
    {cmd::Heading1, "element.heading1", "Heading &1...", "", "<H1>..</H1>", "Heading level 1"},
    {cmd::Heading2, "element.heading2", "Heading &2...", "", "<H2>..</H2>", "Heading level 2"},
    {cmd::Heading3, "element.heading3", "Heading &3...", "", "<H3>..</H3>", "Heading level 3"},
    {cmd::Heading4, "element.heading4", "Heading &4...", "", "<H4>..</H4>", "Heading level 4"},
    {cmd::Heading5, "element.heading5", "Heading &5...", "", "<H5>..</H5>", "Heading level 5"},
    {cmd::Heading6, "element.heading6", "Heading &6...", "", "<H6>..</H6>", "Heading level 6"},

    // Links, images, forms, tables, applets
    {cmd::Comment, "element.comment", "&Comment...", "", "<!--- .... --->", "Comment"},
    {cmd::Anchor, "element.anchor", "Hypertext &Anchor...", "", "<A>..</A>", "Hypertext anchor"},
    {cmd::Link, "element.link", "&Hypertext Link...", "", "<A>..</A>", "Hypertext link"},
    {cmd::Image, "element.image", "&Image...", "", "<IMG>", "Image"},
    // The Netscape menu shows this one again, without the dialect hint.
    {cmd::ImageMap, "element.imageMap", "Client-side Image &Map...", "(HTML3.2)", "<MAP>..</MAP>",
     "Image map"},
    {cmd::ImageMapArea, "element.imageMapArea", "  Image Map &Area...", "(HTML3.2)", "<AREA>",
     "Image map area"},
    {cmd::Form, "element.form", "&Form...", "", "<FORM>..</FORM>", "Fillin form"},
    {cmd::FormInput, "element.formInput", "  &Inputs...", "", "<INPUT>", "Input controls"},
    {cmd::FormSelect, "element.formSelect", "  &Select...", "", "<SELECT>..</SELECT>", "Form select control"},
    {cmd::FormOption, "element.formOption", "    &Option...", "", "<OPTION>", "Option for select control"},
    {cmd::FormTextArea, "element.formTextArea", "  &TextArea...", "", "<TEXTAREA>..</TEXTAREA>",
     "Form textarea control"},
    {cmd::Table, "element.table", "&Table...", "", "<TABLE>..</TABLE>", "Table"},
    {cmd::TableRow, "element.tableRow", "  Table &Row...", "", "<TR>", "Table row"},
    {cmd::TableHeader, "element.tableHeader", "    Table &Header...", "", "<TH>", "Table header"},
    {cmd::TableData, "element.tableData", "    Table &Data...", "", "<TD>", "Table data"},
    {cmd::Applet, "element.applet", "&Applet...", "", "<APPLET>..</APPLET>", "Java Applet"},
    {cmd::AppletParam, "element.appletParam", "  &Parameter...", "", "<PARAM>", "Java applet parameter"},
    {cmd::HomePageButton, "element.homePageButton", "Razo, Get It Now! Button", "",
     "Inserts the Razo, Get It Now! Button", "Razo, Get It Now!"},

    // Netscape extensions
    {cmd::BaseNetscape, "element.baseNetscape", "&Base...", "", "<BASE>", "Base"},
    {cmd::BodyNetscape, "element.bodyNetscape", "&Body...", "", "<BODY>..</BODY>", "Body"},
    {cmd::NoBreak, "element.noBreak", "  &No Break", "", "<NOBR>..</NOBR>", ""},
    {cmd::WordBreak, "element.wordBreak", "  &Word Break", "", "<WBR>..</WBR>", ""},
    {cmd::TableHeaderNetscape, "element.tableHeaderNetscape", "Table &Header...", "", "<TH>", "Table header"},
    {cmd::TableDataNetscape, "element.tableDataNetscape", "Table &Data...", "", "<TD>", "Table data"},
    {cmd::FormNetscape, "element.formNetscape", "&Form...", "", "<FORM>..</FORM>", "Form"},
    {cmd::LinkNetscape, "element.linkNetscape", "&Hypertext Link...", "", "<A>..</A>", "Hyperlink"},
    {cmd::BaseFont, "element.baseFont", "&Base Font Size...", "", "<BASEFONT>", "Base font"},
    {cmd::FontNetscape, "element.fontNetscape", "&Font Size + Colour...", "", "<FONT>..</FONT>", "Font"},
    {cmd::Blink, "element.blink", "B&link", "", "<BLINK>..</BLINK>", "Blink"},
    {cmd::ImageNetscape, "element.imageNetscape", "&Image...", "", "<IMG>", "Image"},
    {cmd::ImageMapAreaNetscape, "element.imageMapAreaNetscape", "  Image Map &Area...", "", "<AREA>",
     "Image map area"},
    {cmd::Frameset, "element.frameset", "F&rameset...", "", "<FRAMESET>..</FRAMESET>", "Frameset"},
    {cmd::Frame, "element.frame", "  &Frame...", "", "<FRAME>", "Frame"},
    {cmd::NoFrames, "element.noFrames", "  &Noframe", "", "<NOFRAMES>..</NOFRAMES>", "No frames"},

    // Microsoft extensions
    {cmd::BodyMicrosoft, "element.bodyMicrosoft", "&Body...", "", "<BODY>..</BODY>", "Body"},
    {cmd::TableMicrosoft, "element.tableMicrosoft", "&Table...", "", "<TABLE>..</TABLE>", "Table"},
    {cmd::TableRowMicrosoft, "element.tableRowMicrosoft", "  Table &Row...", "", "<TR>", "Table row"},
    {cmd::TableHeaderMicrosoft, "element.tableHeaderMicrosoft", "    Table &Header...", "", "<TH>",
     "Table header"},
    {cmd::TableDataMicrosoft, "element.tableDataMicrosoft", "    Table &Data...", "", "<TD>", "Table data"},
    {cmd::FontMicrosoft, "element.fontMicrosoft", "&Font Size, Colour, and Face...", "", "<FONT>..</FONT>",
     "Font"},
    {cmd::ImageMicrosoft, "element.imageMicrosoft", "&Image...", "", "<IMG>", "Image"},
    {cmd::BackgroundSound, "element.backgroundSound", "Bkgnd &Sound...", "", "<BGSOUND>", "Background sound"},
    {cmd::Marquee, "element.marquee", "Mar&quee...", "", "<MARQUEE>..</MARQUEE>", "Marquee"},
};

} // namespace

std::span<const CommandInfo> ElementCommands() {
    return kElementCommands;
}

} // namespace razo::detail
