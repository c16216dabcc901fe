// The HTML5 sections: one dialog for every sectioning element, the element from the command, the
// caption and summary for their own element only, and the common attributes at the end.
#include "core/elements/Html5Sections.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::html5;

namespace {

class SectionCommands : public ElementCommandTest {};

// Every common field filled, as it is written at the end of a start tag.
const Press Everything{.texts = {{IdId, "top"},
                                 {IdClass, "wide dark"},
                                 {IdLang, "de-CH"},
                                 {IdTitle, "Über uns"},
                                 {IdOtherAttributes, " data-x=\"1\"  hidden "}}};
const std::string EverythingWritten =
    " ID=\"top\" CLASS=\"wide dark\" LANG=de-CH TITLE=\"Über uns\" data-x=\"1\"  hidden";

} // namespace

TEST_F(SectionCommands, EachCommandWritesItsElementAroundTheSelection) {
    ExpectTexts({
        {"header", cmd::Header, {}, "<HEADER>\r\nIntro\r\n</HEADER>"},
        {"nav", cmd::Nav, {}, "<NAV>\r\nIntro\r\n</NAV>"},
        {"main", cmd::Main, {}, "<MAIN>\r\nIntro\r\n</MAIN>"},
        {"article", cmd::Article, {}, "<ARTICLE>\r\nIntro\r\n</ARTICLE>"},
        {"section", cmd::Section, {}, "<SECTION>\r\nIntro\r\n</SECTION>"},
        {"aside", cmd::Aside, {}, "<ASIDE>\r\nIntro\r\n</ASIDE>"},
        {"footer", cmd::Footer, {}, "<FOOTER>\r\nIntro\r\n</FOOTER>"},
        {"address", cmd::ContactAddress, {}, "<ADDRESS>\r\nIntro\r\n</ADDRESS>"},
        {"figure without caption", cmd::Figure, {}, "<FIGURE>\r\nIntro\r\n</FIGURE>"},
        {"details without summary", cmd::Details, {}, "<DETAILS>\r\nIntro\r\n</DETAILS>"},
        {"hgroup", cmd::HeadingGroup, {}, "<HGROUP>\r\nIntro\r\n</HGROUP>"},
        {"figure with its caption after the content",
         cmd::Figure,
         {.texts = {{IdCaption, "Fig. 1 <I>x</I>"}}},
         "<FIGURE>\r\nIntro\r\n<FIGCAPTION>Fig. 1 <I>x</I></FIGCAPTION>\r\n</FIGURE>"},
        {"details open with its summary before the content",
         cmd::Details,
         {.texts = {{IdSummary, "More"}}, .checks = {{IdOpen, 1}}},
         "<DETAILS OPEN>\r\n<SUMMARY>More</SUMMARY>\r\nIntro\r\n</DETAILS>"},
        {"every common attribute, the others as typed", cmd::Section, Everything,
         "<SECTION" + EverythingWritten + ">\r\nIntro\r\n</SECTION>"},
        {"details' own attribute before the common ones",
         cmd::Details,
         {.texts = {{IdId, "faq"}}, .checks = {{IdOpen, 1}}},
         "<DETAILS OPEN ID=\"faq\">\r\nIntro\r\n</DETAILS>"},
    });
}

TEST_F(SectionCommands, BothMarkupStylesReachTheInnerTags) {
    UseMarkupStyle(true, true);
    ExpectTexts({{"figure",
                  cmd::Figure,
                  {.texts = {{IdCaption, "C"}, {IdLang, "en"}}},
                  "<figure lang=\"en\">\r\nIntro\r\n<figcaption>C</figcaption>\r\n</figure>"}});
    UseMarkupStyle(false, true);
    ExpectTexts({{"details",
                  cmd::Details,
                  {.texts = {{IdSummary, "S"}, {IdLang, "en"}}},
                  "<DETAILS LANG=\"en\">\r\n<SUMMARY>S</SUMMARY>\r\nIntro\r\n</DETAILS>"}});
}

// The caption belongs to the figure, the summary and OPEN to details: elsewhere they are greyed
// and nothing they held is written.
TEST_F(SectionCommands, CaptionAndSummaryApplyToTheirOwnElementOnly) {
    struct Row {
        int command;
        bool caption, details;
    };
    for (const Row row : {Row{cmd::Figure, true, false}, Row{cmd::Details, false, true},
                          Row{cmd::Article, false, false}, Row{cmd::HeadingGroup, false, false}}) {
        SCOPED_TRACE(row.command);
        Reset();
        Wrap(row.command, {{}});
        const std::set<int>& disabled = runner.runs.back().disabled;
        EXPECT_EQ(disabled.count(IdCaption), row.caption ? 0u : 1u);
        EXPECT_EQ(disabled.count(IdSummary), row.details ? 0u : 1u);
        EXPECT_EQ(disabled.count(IdOpen), row.details ? 0u : 1u);
        EXPECT_EQ(disabled.count(IdId), 0u);
    }
}

TEST_F(SectionCommands, RefusesWhatHtml5DoesNotAllow) {
    ExpectRefusals({
        {"an ID with a blank", cmd::Section, {.texts = {{IdId, "two words"}}}, messages::IdWithBlanks, IdId},
        {"a language that is no tag",
         cmd::Section,
         {.texts = {{IdLang, "en_US"}}},
         messages::NotALanguage,
         IdLang},
        {"other attributes that break the tag",
         cmd::Aside,
         {.texts = {{IdOtherAttributes, "a=\"1"}}},
         messages::NotAttributes,
         IdOtherAttributes},
        {"other attributes run together",
         cmd::Aside,
         {.texts = {{IdOtherAttributes, "a=\"1\"b"}}},
         messages::NotAttributes,
         IdOtherAttributes},
        {"other attributes closing the tag",
         cmd::Aside,
         {.texts = {{IdOtherAttributes, "a=1>x"}}},
         messages::NotAttributes,
         IdOtherAttributes},
    });
}
