#include "core/resources/CommandIds.h"
#include "core/resources/CommandTableParts.h"

namespace razo::detail {

namespace {

// The commands of the HTML5 menu, one block per submenu. Elements that were there before HTML5
// (SMALL, CITE, DFN) stand in its menu under their old commands and are not repeated here.
constexpr CommandInfo kHtml5Commands[] = {
    // Sections
    {cmd::Header, "html5.header", "&Header...", "", "<HEADER>..</HEADER>", "Header"},
    {cmd::Nav, "html5.nav", "&Navigation...", "", "<NAV>..</NAV>", "Navigation"},
    {cmd::Main, "html5.main", "&Main...", "", "<MAIN>..</MAIN>", "Main content"},
    {cmd::Article, "html5.article", "&Article...", "", "<ARTICLE>..</ARTICLE>", "Article"},
    {cmd::Section, "html5.section", "&Section...", "", "<SECTION>..</SECTION>", "Section"},
    {cmd::Aside, "html5.aside", "As&ide...", "", "<ASIDE>..</ASIDE>", "Aside"},
    {cmd::Footer, "html5.footer", "&Footer...", "", "<FOOTER>..</FOOTER>", "Footer"},
    {cmd::ContactAddress, "html5.address", "A&ddress...", "", "<ADDRESS>..</ADDRESS>", "Contact address"},
    {cmd::Figure, "html5.figure", "Fi&gure...", "", "<FIGURE>..</FIGURE>", "Figure"},
    {cmd::Details, "html5.details", "De&tails...", "", "<DETAILS>..</DETAILS>", "Details"},
    {cmd::HeadingGroup, "html5.hgroup", "Heading gr&oup...", "", "<HGROUP>..</HGROUP>", "Heading group"},

    // Text
    {cmd::Mark, "html5.mark", "&Marked text", "", "<MARK>..</MARK>", "Marked text"},
    {cmd::Time, "html5.time", "T&ime...", "", "<TIME DATETIME=..>..</TIME>", "Date or time"},
    {cmd::Abbreviation, "html5.abbr", "&Abbreviation...", "", "<ABBR TITLE=..>..</ABBR>", "Abbreviation"},
    {cmd::Data, "html5.data", "&Data...", "", "<DATA VALUE=..>..</DATA>", "Machine-readable value"},
    {cmd::StruckOut, "html5.s", "No longer accu&rate", "", "<S>..</S>", "No longer accurate"},
    {cmd::Quotation, "html5.q", "&Quotation...", "", "<Q>..</Q>", "Quotation"},
    {cmd::BidiIsolate, "html5.bdi", "&Bidirectional isolate", "", "<BDI>..</BDI>", "Bidirectional isolate"},
    {cmd::WordBreakOpportunity, "html5.wbr", "&Word break opportunity", "", "<WBR>",
     "Word break opportunity"},

    // Media
    {cmd::Audio, "html5.audio", "&Audio...", "", "<AUDIO SRC=..>..</AUDIO>", "Audio"},
    {cmd::Video, "html5.video", "&Video...", "", "<VIDEO SRC=..>..</VIDEO>", "Video"},
    {cmd::Picture, "html5.picture", "&Picture...", "", "<PICTURE><SOURCE SRCSET=..><IMG SRC=..></PICTURE>",
     "Picture"},
    {cmd::InlineFrame, "html5.iframe", "&Inline frame...", "", "<IFRAME SRC=..></IFRAME>", "Inline frame"},
    {cmd::Embed, "html5.embed", "&Embed...", "", "<EMBED SRC=..>", "Embedded content"},
    {cmd::Object, "html5.object", "&Object...", "", "<OBJECT DATA=..>..</OBJECT>", "Object"},

    // Forms
    {cmd::InputHtml5, "html5.input", "&Input...", "", "<INPUT TYPE=..>", "Input (HTML5 types)"},
    {cmd::FormLabel, "html5.label", "&Label...", "", "<LABEL FOR=..>..</LABEL>", "Label"},
    {cmd::FieldSet, "html5.fieldset", "&Field set...", "", "<FIELDSET><LEGEND>..</LEGEND>..</FIELDSET>",
     "Field set"},
    {cmd::FormButton, "html5.button", "&Button...", "", "<BUTTON>..</BUTTON>", "Button"},
    {cmd::DataList, "html5.datalist", "&Data list...", "", "<DATALIST ID=..><OPTION VALUE=..>..</DATALIST>",
     "Data list"},
    {cmd::FormOutput, "html5.output", "&Output...", "", "<OUTPUT>..</OUTPUT>", "Output"},
    {cmd::Progress, "html5.progress", "&Progress...", "", "<PROGRESS VALUE=.. MAX=..>..</PROGRESS>",
     "Progress"},
    {cmd::Meter, "html5.meter", "&Meter...", "", "<METER VALUE=..>..</METER>", "Meter"},

    // Head
    {cmd::MetaCharset, "html5.charset", "UTF-8 &character set", "", "<META CHARSET=\"utf-8\">",
     "UTF-8 character set"},
    {cmd::MetaName, "html5.meta", "&Meta data...", "", "<META NAME=.. CONTENT=..>", "Meta data"},
    {cmd::LinkHtml5, "html5.link", "&Link...", "", "<LINK REL=.. HREF=..>", "Linked resource"},
    {cmd::BaseHtml5, "html5.base", "&Base...", "", "<BASE HREF=..>", "Base URL"},
    {cmd::ScriptHtml5, "html5.script", "&Script...", "", "<SCRIPT>..</SCRIPT>", "Script"},
    {cmd::NoScript, "html5.noscript", "&No script", "", "<NOSCRIPT>..</NOSCRIPT>", "Without scripts"},
    {cmd::StyleHtml5, "html5.style", "St&yle...", "", "<STYLE>..</STYLE>", "Style sheet"},
    {cmd::ContentTemplate, "html5.template", "&Template", "", "<TEMPLATE>..</TEMPLATE>", "Template"},

};

} // namespace

std::span<const CommandInfo> Html5Commands() {
    return kHtml5Commands;
}

} // namespace razo::detail
