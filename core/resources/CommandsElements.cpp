#include "resources/CommandTableParts.h"

namespace razo::detail {

namespace {

// Every command that puts markup into the text, grouped as the menus show them. The prompt is
// the element's markup as the status bar shows it; an empty tooltip means the button shows none.
// A caption that begins with blanks is indented on purpose: it shows the element nests in the one
// above it. Commands that stand in two menus are listed once, in the first.
constexpr CommandInfo kElementCommands[] = {
    // Font styles
    {32774, "font.bold", "&Bold", "Ctrl+B", "<B>..</B>", "Bold"},
    {32775, "font.italic", "&Italic", "Ctrl+I", "<I>..</I>", "Italics"},
    {32776, "font.teletype", "&Teletype", "", "<TT>..</TT>", "Teletype"},
    {32852, "font.underline", "&Underline", "Ctrl+U   (HTML3.2)", "<U>..</U>", "Underline"},
    {32853, "font.strike", "Stri&ke through", "(HTML3.2)", "<STRIKE>..</STRIKE>", "Strikethrough"},
    {32854, "font.big", "Bi&g", "(HTML3.2)", "<BIG>..</BIG>", "Big"},
    {32855, "font.small", "&Small", "(HTML3.2)", "<SMALL>..</SMALL>", "Small"},
    {32856, "font.subscript", "Subs&cript", "(HTML3.2)", "<SUB>..</SUB>", "Subscript"},
    {32857, "font.superscript", "Su&perscript", "(HTML3.2)", "<SUP>..</SUP>", "Superscript"},
    {32969, "element.font", "&Font Size + Colour...", "(HTML3.2)", "<FONT>..</FONT>", "Font size and colour"},

    // Phrases
    {32777, "phrase.citation", "&Citation", "", "<CITE>..</CITE>", "Citation"},
    {32778, "phrase.code", "C&ode", "", "<CODE>..</CODE>", "Code"},
    {32779, "phrase.emphasis", "&Emphasis", "Ctrl+E", "<EM>..</EM>", "Emphasis"},
    {32780, "phrase.keyboard", "&Keyboard", "", "<KBD>..</KBD>", "Keyboard"},
    {32781, "phrase.sample", "Sa&mple", "", "<SAMP>..</SAMP>", "Sample"},
    {32782, "phrase.strong", "&Strong", "Ctrl+T", "<STRONG>..</STRONG>", "Strong"},
    {32783, "phrase.variable", "&Variable", "", "<VAR>..</VAR>", "Variable"},
    {32844, "phrase.defineTerm", "Define &Term", "(HTML3.2)", "<DFN>..</DFN>", "Define term"},

    // Lists
    {32785, "element.unorderedList", "&Unordered List...", "Ctrl+Shift+U", "<UL>..</UL>", "Unordered list"},
    {32786, "element.orderedList", "&Ordered List...", "Ctrl+Shift+O", "<OL>..</OL>", "Ordered list"},
    {32787, "element.directoryList", "&Directory...", "", "<DIR>..</DIR>", ""},
    {32788, "element.menuList", "&Menu...", "", "<MENU>..</MENU>", ""},
    {32784, "element.listItem", "  &List Item...", "Ctrl+L", "<LI>", "List item"},
    {32789, "element.definitionList", "D&efinition List...", "", "<DL>..</DL>", "Definition List"},
    {32790, "element.term", "  &Term", "", "<DT>", "Definition List Term"},
    {32872, "element.definition", "  De&finition ", "", "<DD>", "Definition List Definition"},

    // Document structure
    {32909, "element.standardTags", "&Insert standard tags", "",
     "<HTML><HEAD><TITLE></TITLE></HEAD><BODY>...</BODY></HTML>", "Insert standard tags"},
    {32917, "element.documentType", "Insert &document type definition...", "", "", ""},
    {32791, "element.html", "HT&ML", "", "<HTML>..</HTML>", ""},
    {32792, "element.head", "&Head", "", "<HEAD>..</HEAD>", ""},
    {32793, "element.title", "  &Title", "", "<TITLE>..</TITLE>", ""},
    {32829, "element.isIndex", "  &IsIndex...", "", "<ISINDEX>", ""},
    {32897, "element.base", "  &Base...", "", "<BASE>", "Base"},
    {32898, "element.meta", "  &Meta...", "", "<META>", ""},
    {32912, "element.linkElement", "  &Link...", "", "<LINK>", ""},
    {32900, "element.style", "", "", "<STYLE>", ""}, // reachable from no menu, toolbar or key
    {32794, "element.body", "&Body...", "", "<BODY>..</BODY>", "Body"},
    {32799, "element.paragraph", "  &Paragraph...", "Ctrl+P", "<P>..</P>", "Paragraph"},
    {32802, "element.preformatted", "  Pr&e-Formatted...", "Ctrl+D", "<PRE>..</PRE>", "Preformatted"},
    {32804, "element.blockquote", "  Block &Quoted", "Ctrl+Q", "<BQ>..</BQ>", "Blockquoted"},
    {32805, "element.address", "  &Address", "", "<ADDRESS>..</ADDRESS>", "Address"},
    {32800, "element.lineBreak", "  &Line break...", "Ctrl+G", "<BR>", "Line break"},
    {32801, "element.horizontalRule", "  Horizontal &Rule...", "Ctrl+H", "<HR>", "Horizontal Rule"},
    {32834, "element.centre", "  &Centre", "Ctrl+Shift+C   (HTML 3.2)", "<CENTER>..</CENTER>", "Center"},
    {32901, "element.division", "  &Division.. ", "(HTML3.2)", "<DIV>..</DIV>", "Division"},
    {32809, "element.heading1", "Heading &1...", "Ctrl+1", "<H1>..</H1>", "Heading level 1"},
    {32810, "element.heading2", "Heading &2...", "Ctrl+2", "<H2>..</H2>", "Heading level 2"},
    {32811, "element.heading3", "Heading &3...", "Ctrl+3", "<H3>..</H3>", "Heading level 3"},
    {32812, "element.heading4", "Heading &4...", "Ctrl+4", "<H4>..</H4>", "Heading level 4"},
    {32813, "element.heading5", "Heading &5...", "Ctrl+5", "<H5>..</H5>", "Heading level 5"},
    {32814, "element.heading6", "Heading &6...", "Ctrl+6", "<H6>..</H6>", "Heading level 6"},

    // Links, images, forms, tables, applets
    {32915, "element.comment", "&Comment...", "", "<!--- .... --->", "Comment"},
    {32911, "element.anchor", "Hypertext &Anchor...", "Ctrl+A", "<A>..</A>", "Hypertext anchor"},
    {32910, "element.link", "&Hypertext Link...", "Ctrl+J", "<A>..</A>", "Hypertext link"},
    {32806, "element.image", "&Image...", "Ctrl+Shift+I", "<IMG>", "Image"},
    // The Netscape menu shows this one again, without the dialect hint.
    {32941, "element.imageMap", "Client-side Image &Map...", "(HTML3.2)", "<MAP>..</MAP>", "Image map"},
    {32949, "element.imageMapArea", "  Image Map &Area...", "(HTML3.2)", "<AREA>", "Image map area"},
    {32874, "element.form", "&Form...", "", "<FORM>..</FORM>", "Fillin form"},
    {32875, "element.formInput", "  &Inputs...", "", "<INPUT>", "Input controls"},
    {32876, "element.formSelect", "  &Select...", "", "<SELECT>..</SELECT>", "Form select control"},
    {32877, "element.formOption", "    &Option...", "", "<OPTION>", "Option for select control"},
    {32878, "element.formTextArea", "  &TextArea...", "", "<TEXTAREA>..</TEXTAREA>", "Form textarea control"},
    {32879, "element.table", "&Table...", "", "<TABLE>..</TABLE>", "Table"},
    {32881, "element.tableRow", "  Table &Row...", "Ctrl+Shift+R", "<TR>", "Table row"},
    {32882, "element.tableHeader", "    Table &Header...", "", "<TH>", "Table header"},
    {32883, "element.tableData", "    Table &Data...", "Ctrl+Shift+D", "<TD>", "Table data"},
    {32960, "element.applet", "&Applet...", "", "<APPLET>..</APPLET>", "Java Applet"},
    {32961, "element.appletParam", "  &Parameter...", "", "<PARAM>", "Java applet parameter"},
    {33178, "element.homePageButton", "Razo, Get It Now! Button", "", "Inserts the Razo, Get It Now! Button",
     "Razo, Get It Now!"},

    // Netscape extensions
    {32935, "element.baseNetscape", "&Base...", "", "<BASE>", "Base"},
    {32841, "element.bodyNetscape", "&Body...", "", "<BODY>..</BODY>", "Body"},
    {32832, "element.noBreak", "  &No Break", "", "<NOBR>..</NOBR>", ""},
    {32833, "element.wordBreak", "  &Word Break", "", "<WBR>..</WBR>", ""},
    {32895, "element.tableHeaderNetscape", "Table &Header...", "", "<TH>", "Table header"},
    {32896, "element.tableDataNetscape", "Table &Data...", "", "<TD>", "Table data"},
    {32937, "element.formNetscape", "&Form...", "", "<FORM>..</FORM>", "Form"},
    {32936, "element.linkNetscape", "&Hypertext Link...", "", "<A>..</A>", "Hyperlink"},
    {32818, "element.baseFont", "&Base Font Size...", "", "<BASEFONT>", "Base font"},
    {32817, "element.fontNetscape", "&Font Size + Colour...", "", "<FONT>..</FONT>", "Font"},
    {32836, "element.blink", "B&link", "", "<BLINK>..</BLINK>", "Blink"},
    {32835, "element.imageNetscape", "&Image...", "", "<IMG>", "Image"},
    {32942, "element.imageMapAreaNetscape", "  Image Map &Area...", "", "<AREA>", "Image map area"},
    {32932, "element.frameset", "F&rameset...", "", "<FRAMESET>..</FRAMESET>", "Frameset"},
    {32933, "element.frame", "  &Frame...", "", "<FRAME>", "Frame"},
    {32934, "element.noFrames", "  &Noframe", "", "<NOFRAMES>..</NOFRAMES>", "No frames"},

    // Microsoft extensions
    {32919, "element.bodyMicrosoft", "&Body...", "", "<BODY>..</BODY>", "Body"},
    {32921, "element.tableMicrosoft", "&Table...", "", "<TABLE>..</TABLE>", "Table"},
    {32922, "element.tableRowMicrosoft", "  Table &Row...", "", "<TR>", "Table row"},
    {32923, "element.tableHeaderMicrosoft", "    Table &Header...", "", "<TH>", "Table header"},
    {32924, "element.tableDataMicrosoft", "    Table &Data...", "", "<TD>", "Table data"},
    {32951, "element.fontMicrosoft", "&Font Size, Colour, and Face...", "", "<FONT>..</FONT>", "Font"},
    {32927, "element.imageMicrosoft", "&Image...", "", "<IMG>", "Image"},
    {32925, "element.backgroundSound", "Bkgnd &Sound...", "", "<BGSOUND>", "Background sound"},
    {32926, "element.marquee", "Mar&quee...", "", "<MARQUEE>..</MARQUEE>", "Marquee"},
};

} // namespace

std::span<const CommandInfo> ElementCommands() {
    return kElementCommands;
}

} // namespace razo::detail
