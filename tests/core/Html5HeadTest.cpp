// The HTML5 head: meta data, link, script, style and base, each with the common attributes.
#include <set>

#include "core/dialogs/DataExchange.h"
#include "core/elements/ElementFields.h"
#include "core/elements/Html5Head.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::html5;

namespace {

class Html5HeadCommands : public ElementCommandTest {};

Press Typed(std::map<int, std::string> texts, std::map<int, int> checks = {}) {
    return {.texts = std::move(texts), .checks = std::move(checks)};
}

} // namespace

TEST_F(Html5HeadCommands, EachCommandWritesItsElement) {
    ExpectTexts({
        {"meta data", cmd::MetaName,
         Typed({{IdMetaName, "description"}, {IdMetaContent, "A page about \"x\""}}),
         "<META NAME=\"description\" CONTENT=\"A page about \"x\"\">\r\nIntro"},
        {"viewport fills in its usual content",
         cmd::MetaName,
         {.actions = {Choose(IdMetaName, "viewport")}},
         "<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">\r\nIntro"},
        {"style sheet made relative", cmd::LinkHtml5,
         Typed({{IdRel, "stylesheet"}, {IdHref, "/home/site/css/main.css"}, {IdMedia, "print"}}),
         "<LINK REL=\"stylesheet\" HREF=\"css/main.css\" MEDIA=\"print\">\r\nIntro"},
        {"icon with its sizes", cmd::LinkHtml5,
         Typed({{IdRel, "icon"}, {IdHref, "icon.png"}, {IdLinkType, "image/png"}, {IdSizes, "16x16 32x32"}}),
         "<LINK REL=\"icon\" HREF=\"icon.png\" TYPE=\"image/png\" SIZES=\"16x16 32x32\">\r\nIntro"},
        {"preload of a font", cmd::LinkHtml5,
         Typed({{IdRel, "preload"},
                {IdHref, "f.woff2"},
                {IdPreloadAs, "font"},
                {IdHeadCrossOrigin, "anonymous"},
                {IdIntegrity, "sha384-abc"}}),
         "<LINK REL=\"preload\" HREF=\"f.woff2\" AS=font CROSSORIGIN=anonymous "
         "INTEGRITY=\"sha384-abc\">\r\nIntro"},
        {"alternate language", cmd::LinkHtml5,
         Typed({{IdRel, "alternate"}, {IdHref, "https://example.org/de/"}, {IdHrefLang, "de"}, {IdId, "de"}}),
         "<LINK REL=\"alternate\" HREF=\"https://example.org/de/\" HREFLANG=de ID=\"de\">\r\nIntro"},
        {"script written in the page", cmd::ScriptHtml5, {}, "<SCRIPT>\r\nIntro\r\n</SCRIPT>"},
        {"script file, empty, in front of the selection", cmd::ScriptHtml5,
         Typed({{IdScriptSrc, "/home/site/js/app.js"},
                {IdScriptIntegrity, "sha384-x"},
                {IdScriptCrossOrigin, "anonymous"}},
               {{IdAsync, 1}, {IdDefer, 1}}),
         "<SCRIPT SRC=\"js/app.js\" ASYNC DEFER INTEGRITY=\"sha384-x\" "
         "CROSSORIGIN=anonymous></SCRIPT>\r\nIntro"},
        {"module written in the page", cmd::ScriptHtml5, Typed({}, {{IdModule, 1}, {IdAsync, 1}}),
         "<SCRIPT TYPE=module ASYNC>\r\nIntro\r\n</SCRIPT>"},
        {"style", cmd::StyleHtml5, Typed({{IdStyleMedia, "(max-width: 600px)"}}),
         "<STYLE MEDIA=\"(max-width: 600px)\">\r\nIntro\r\n</STYLE>"},
        {"base written as entered", cmd::BaseHtml5,
         Typed({{IdBaseHref, "/home/site/"}, {IdBaseTarget, "_top"}}),
         "<BASE HREF=\"/home/site/\" TARGET=\"_top\">\r\nIntro"},
    });
    UseMarkupStyle(true, true);
    ExpectTexts({{"lower case", cmd::ScriptHtml5, Typed({{IdScriptSrc, "a.js"}}, {{IdModule, 1}}),
                  "<script src=\"a.js\" type=\"module\"></script>\r\nIntro"}});
}

TEST_F(Html5HeadCommands, RelationEnablesItsFields) {
    struct Row {
        const char* rel;
        std::set<int> enabled;
    };
    for (const Row& row : {Row{"stylesheet", {}}, Row{"icon", {IdSizes}}, Row{"PRELOAD", {IdPreloadAs}},
                           Row{"alternate stylesheet", {IdHrefLang}}}) {
        Reset();
        Wrap(cmd::LinkHtml5,
             {{.actions = {Type(IdRel, "icon preload alternate"), Type(IdRel, row.rel)}, .cancel = true}});
        std::set<int> disabled = {IdSizes, IdPreloadAs, IdHrefLang};
        for (int id : row.enabled)
            disabled.erase(id);
        EXPECT_EQ(runner.runs.back().disabled, disabled) << row.rel;
    }
    Reset();
    Wrap(cmd::ScriptHtml5, {{.checks = {{IdModule, 1}}, .cancel = true}});
    EXPECT_EQ(runner.runs.back().disabled, std::set<int>{IdDefer});
}

TEST_F(Html5HeadCommands, RefusesWhatHtml5DoesNotAllow) {
    ExpectRefusals({
        {"meta without name", cmd::MetaName, Typed({{IdMetaContent, "x"}}), messages::MustEnterValue,
         IdMetaName},
        {"meta without content", cmd::MetaName, Typed({{IdMetaName, "author"}}), messages::MustEnterValue,
         IdMetaContent},
        {"link without relation", cmd::LinkHtml5, Typed({{IdRel, " "}, {IdHref, "a.css"}}),
         messages::MustEnterValue, IdRel},
        {"link without URL", cmd::LinkHtml5, Typed({{IdRel, "canonical"}}), messages::MustEnterValue, IdHref},
        {"preload of no kind", cmd::LinkHtml5, Typed({{IdRel, "preload"}, {IdHref, "a"}}),
         messages::PreloadNeedsAs, IdPreloadAs},
        {"icon sizes not as WxH", cmd::LinkHtml5, Typed({{IdRel, "icon"}, {IdHref, "a"}, {IdSizes, "16"}}),
         messages::NotSizes, IdSizes},
        {"alternate language that is no tag", cmd::LinkHtml5,
         Typed({{IdRel, "alternate"}, {IdHref, "a"}, {IdHrefLang, "de_DE"}}), messages::NotALanguage,
         IdHrefLang},
        {"deferred script without file", cmd::ScriptHtml5, Typed({}, {{IdDefer, 1}}),
         messages::NeedsScriptSource, IdScriptSrc},
        {"integrity without file", cmd::ScriptHtml5,
         Typed({{IdScriptIntegrity, "sha384-x"}}, {{IdModule, 1}}), messages::NeedsScriptSource, IdScriptSrc},
        {"base of nothing", cmd::BaseHtml5, {}, messages::BaseNeedsUrlOrTarget, IdBaseHref},
    });
}

TEST(Html5HeadValues, IconSizes) {
    for (const char* good : {"any", "ANY", "16x16", "16x16 32X32  48x48"})
        EXPECT_TRUE(IsIconSizes(good)) << good;
    for (const char* bad : {"", " ", "16", "016x16", "16x", "x16", "any 16x16", "16x16,32x32"})
        EXPECT_FALSE(IsIconSizes(bad)) << bad;
}
