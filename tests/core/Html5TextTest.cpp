// The HTML5 text-level elements with dialogs: time, abbr, data and q, each with the common
// attributes, in both markup styles (the plain ones are rows of the fixed tags' test).
#include "core/elements/Html5Text.h"
#include "core/dialogs/DataExchange.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::html5;

namespace {

class TextCommands : public ElementCommandTest {};

TEST_F(TextCommands, EachCommandWritesItsElementAroundTheSelection) {
    ExpectTexts({
        {"time without a moment", cmd::Time, {}, "<TIME>Intro</TIME>"},
        {"time with its moment and every common field",
         cmd::Time,
         {.texts = {{IdDateTime, "2026-05-01T14:30+02:00"},
                    {IdId, "t"},
                    {IdClass, "c"},
                    {IdLang, "en"},
                    {IdTitle, "When"},
                    {IdOtherAttributes, "hidden"}}},
         "<TIME DATETIME=\"2026-05-01T14:30+02:00\" ID=\"t\" CLASS=\"c\" LANG=en TITLE=\"When\" "
         "hidden>Intro</TIME>"},
        {"abbr's full form is its title",
         cmd::Abbreviation,
         {.texts = {{IdExpansion, "World Wide Web"}, {IdId, "w"}}},
         "<ABBR TITLE=\"World Wide Web\" ID=\"w\">Intro</ABBR>"},
        {"data's value", cmd::Data, {.texts = {{IdValue, "398"}}}, "<DATA VALUE=\"398\">Intro</DATA>"},
        {"q without a source", cmd::Quotation, {}, "<Q>Intro</Q>"},
        {"q's source made relative and remembered",
         cmd::Quotation,
         {.texts = {{IdQuoteSource, "/home/site/books/quotes.html"}, {IdLang, "fr"}}},
         "<Q CITE=\"books/quotes.html\" LANG=fr>Intro</Q>"},
    });
    EXPECT_EQ(Urls(), std::vector<std::string>{"/home/site/books/quotes.html"});
}

TEST_F(TextCommands, BothMarkupStylesReachTheNewElements) {
    UseMarkupStyle(true, true);
    ExpectTexts({
        {"time",
         cmd::Time,
         {.texts = {{IdDateTime, "14:30"}, {IdLang, "en"}}},
         "<time datetime=\"14:30\" lang=\"en\">Intro</time>"},
        {"abbr",
         cmd::Abbreviation,
         {.texts = {{IdExpansion, "x"}, {IdOtherAttributes, "X=1"}}},
         "<abbr title=\"x\" x=\"1\">Intro</abbr>"},
        {"q", cmd::Quotation, {.texts = {{IdQuoteSource, "q.html"}}}, "<q cite=\"q.html\">Intro</q>"},
    });
    UseMarkupStyle(true, false);
    ExpectTexts({{"lower case only",
                  cmd::Data,
                  {.texts = {{IdValue, "7"}, {IdLang, "en"}}},
                  "<data value=\"7\" lang=en>Intro</data>"}});
    UseMarkupStyle(false, true);
    ExpectTexts({{"quoted only",
                  cmd::Data,
                  {.texts = {{IdValue, "7"}, {IdLang, "en"}}},
                  "<DATA VALUE=\"7\" LANG=\"en\">Intro</DATA>"}});
}

TEST_F(TextCommands, NowFillsThePresentMomentWithItsOffset) {
    system.now = {2026, 1, 9, 7, 5, 0, -330};
    EXPECT_EQ(Wrap(cmd::Time, {{.actions = {Click(IdNow)}}}),
              "<TIME DATETIME=\"2026-01-09T07:05:00-05:30\">Intro</TIME>");
}

TEST_F(TextCommands, RefusesWhatTheElementsDoNotAllow) {
    ExpectRefusals({
        {"a moment not in ISO form",
         cmd::Time,
         {.texts = {{IdDateTime, "1 May 2026"}}},
         messages::NotIsoDateTime,
         IdDateTime},
        {"a day the month does not have",
         cmd::Time,
         {.texts = {{IdDateTime, "2026-02-29"}}},
         messages::NotIsoDateTime,
         IdDateTime},
        {"data without its value", cmd::Data, {}, razo::messages::MustEnterValue, IdValue},
        {"an ID with a blank", cmd::Abbreviation, {.texts = {{IdId, "a b"}}}, messages::IdWithBlanks, IdId},
    });
}

} // namespace
