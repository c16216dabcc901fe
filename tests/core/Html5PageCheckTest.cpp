// A page made only with the HTML5 commands - the skeleton, then every new element around some
// text - checks clean with HTML Tidy in both markup styles.
#include <gtest/gtest.h>

#include "core/check/PageCheck.h"
#include "core/elements/Blocks.h"
#include "core/elements/Html5Forms.h"
#include "core/elements/Html5Head.h"
#include "core/elements/Html5Media.h"
#include "core/elements/Html5Page.h"
#include "core/elements/Html5Sections.h"
#include "core/elements/Html5Text.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::html5;

namespace {

// One element of the page: a command run on "Intro", what its dialog is given, and whether the
// result belongs inside a paragraph (text-level elements) or stands in the body.
struct PagePart {
    int command;
    Press press;
    bool inParagraph;
    bool fixedTag = false; // no dialog
    bool inHead = false;   // run on an empty selection, its result put into the head
};

Press Ids(const char* id) {
    return {
        .texts = {
            {IdId, id}, {IdClass, "a b"}, {IdLang, "en"}, {IdTitle, "t"}, {IdOtherAttributes, "data-x=1"}}};
}

std::vector<PagePart> Parts() {
    return {
        {cmd::Header, Ids("h"), false},
        {cmd::Nav, {}, false},
        {cmd::Main, {}, false},
        {cmd::Article, {}, false},
        {cmd::Section, {}, false},
        {cmd::Aside, {}, false},
        {cmd::ContactAddress, {}, false},
        {cmd::Figure, {.texts = {{IdCaption, "A caption"}}}, false},
        {cmd::Details, {.texts = {{IdSummary, "More"}}, .checks = {{IdOpen, 1}}}, false},
        {cmd::Footer, {}, false},
        {cmd::Mark, {}, true, true},
        {cmd::Time, {.texts = {{IdDateTime, "2026-05-01T14:30+02:00"}}}, true},
        {cmd::Abbreviation, {.texts = {{IdExpansion, "Intro duction"}}}, true},
        {cmd::Data, {.texts = {{IdValue, "7"}}}, true},
        {cmd::StruckOut, {}, true, true},
        {cmd::Quotation, {.texts = {{IdQuoteSource, "https://example.org/"}}}, true},
        {cmd::BidiIsolate, {}, true, true},
        {cmd::WordBreakOpportunity, {}, true, true},
        // Media
        {cmd::Video,
         {.texts = {{IdMediaSrc, "clip.mp4"},
                    {IdPoster, "still.jpg"},
                    {IdMediaWidth, "640"},
                    {IdPreload, "none"},
                    {IdCrossOrigin, "anonymous"},
                    {SourceSrcId(0), "clip.webm"},
                    {IdTrackSrc, "en.vtt"},
                    {IdTrackLang, "en"},
                    {IdTrackLabel, "English"}},
          .checks = {{IdControls, 1}, {IdAutoplay, 1}, {IdMuted, 1}, {IdTrackDefault, 1}}},
         false},
        {cmd::Audio,
         {.texts = {{SourceSrcId(0), "a.ogg"}, {SourceSrcId(1), "a.mp3"}}, .checks = {{IdLoop, 1}}},
         false},
        {cmd::Picture,
         {.texts = {{PictureSrcsetId(0), "a.avif 1x, b.avif 2x"},
                    {PictureMediaId(0), "(min-width: 800px)"},
                    {IdImageSrc, "a.jpg"},
                    {IdImageAlt, "A"},
                    {IdImageDecoding, "async"}},
          .checks = {{IdImageLazy, 1}}},
         true},
        {cmd::InlineFrame,
         {.texts = {{IdFrameSrc, "map.html"},
                    {IdFrameTitle, "Map"},
                    {IdAllow, "fullscreen"},
                    {IdReferrerPolicy, "no-referrer"}},
          .checks = {{IdFrameLazy, 1}, {IdSandbox, 1}, {SandboxFlagId(1), 1}}},
         true},
        {cmd::Embed, {.texts = {{IdEmbeddedSrc, "doc.pdf"}, {IdEmbeddedWidth, "300"}}}, true},
        {cmd::Object,
         {.texts = {{IdEmbeddedSrc, "plan.svg"}, {IdEmbeddedName, "plan"}, {IdEmbeddedHeight, "200"}}},
         true},
        // Forms
        {cmd::FieldSet, {.texts = {{IdLegend, "Contact"}, {IdFieldSetName, "c"}}}, false},
        {cmd::FormLabel, {.texts = {{IdLabelFor, "mail"}}}, true},
        {cmd::InputHtml5,
         {.texts = {{IdInputType, "email"},
                    {IdInputName, "mail"},
                    {IdPlaceholder, "you@example.org"},
                    {IdInputList, "mails"},
                    {IdAutocomplete, "email"},
                    {IdId, "mail"}},
          .checks = {{IdRequired, 1}, {IdAutofocus, 1}}},
         true},
        {cmd::InputHtml5,
         {.texts =
              {{IdInputType, "number"}, {IdMin, "0"}, {IdMax, "10"}, {IdStep, "0.5"}, {IdInputValue, "1"}}},
         true},
        {cmd::InputHtml5, {.texts = {{IdInputType, "datetime-local"}, {IdMin, "2026-05-01T08:00"}}}, true},
        {cmd::InputHtml5,
         {.texts = {{IdInputType, "checkbox"}, {IdInputName, "ok"}}, .checks = {{IdInputChecked, 1}}},
         true},
        {cmd::DataList,
         {.texts = {{IdId, "mails"}, {IdOptionValue1, "a@example.org"}, {IdOptionValue1 + 1, "A"}}},
         false},
        {cmd::FormButton,
         {.texts = {{IdFormAction, "https://example.org/send"}, {IdFormMethod, "post"}}},
         true},
        {cmd::FormOutput, {.texts = {{IdOutputFor, "mail"}, {IdOutputName, "o"}}}, true},
        {cmd::Progress, {.texts = {{IdGaugeValue, "3"}, {IdGaugeMax, "10"}}}, true},
        {cmd::NoScript, {}, true, true},
        {cmd::ContentTemplate, {}, false, true},
        // Head
        {cmd::BaseHtml5, {.texts = {{IdBaseHref, "https://example.org/"}}}, false, false, true},
        {cmd::MetaName,
         {.texts = {{IdMetaName, "description"}, {IdMetaContent, "A page"}}},
         false,
         false,
         true},
        {cmd::MetaName,
         {.texts = {{IdMetaName, "theme-color"}, {IdMetaContent, "#336699"}}},
         false,
         false,
         true},
        {cmd::LinkHtml5,
         {.texts = {{IdRel, "stylesheet"}, {IdHref, "main.css"}, {IdMedia, "screen"}}},
         false,
         false,
         true},
        {cmd::LinkHtml5,
         {.texts = {{IdRel, "icon"}, {IdHref, "icon.png"}, {IdLinkType, "image/png"}, {IdSizes, "32x32"}}},
         false,
         false,
         true},
        {cmd::LinkHtml5,
         {.texts = {{IdRel, "preload"},
                    {IdHref, "f.woff2"},
                    {IdPreloadAs, "font"},
                    {IdHeadCrossOrigin, "anonymous"}}},
         false,
         false,
         true},
        {cmd::LinkHtml5,
         {.texts = {{IdRel, "canonical"}, {IdHref, "https://example.org/"}}},
         false,
         false,
         true},
        {cmd::LinkHtml5, {.texts = {{IdRel, "manifest"}, {IdHref, "app.webmanifest"}}}, false, false, true},
        {cmd::LinkHtml5,
         {.texts = {{IdRel, "alternate"}, {IdHref, "de.html"}, {IdHrefLang, "de"}}},
         false,
         false,
         true},
        {cmd::ScriptHtml5,
         {.texts = {{IdScriptSrc, "app.js"}, {IdScriptIntegrity, "sha384-abc"}}, .checks = {{IdDefer, 1}}},
         false,
         false,
         true},
        {cmd::ScriptHtml5, {.checks = {{IdModule, 1}}}, false, false, true},
        {cmd::StyleHtml5, {.texts = {{IdStyleMedia, "print"}}}, false, false, true},
        {cmd::Meter,
         {.texts = {{IdGaugeValue, "3"}, {IdGaugeMax, "10"}, {IdLow, "2"}, {IdHigh, "8"}, {IdOptimum, "5"}}},
         true},
    };
}

class Html5PageCheck : public ElementCommandTest, public ::testing::WithParamInterface<bool> {
protected:
    std::string Element(const PagePart& part) {
        Reset();
        if (part.inHead)
            Select("", 0, 0);
        if (part.fixedTag)
            Run(part.command);
        else
            Wrap(part.command, {part.press});
        return control.Text();
    }
};

TEST_P(Html5PageCheck, EveryNewElementChecksClean) {
    UseMarkupStyle(GetParam(), GetParam());
    std::string head, body;
    for (const PagePart& part : Parts()) {
        const std::string element = Element(part);
        if (part.inHead)
            head += element;
        else
            body += part.inParagraph ? "<P>" + element + "</P>\r\n" : element + "\r\n";
    }
    Select("", 0, 0);
    runner.Script({{.texts = {{blocks::IdDocType, "HTML5"}}}, {}, {}});
    Run(cmd::InsertStandardTags);
    control.ReplaceSel(body, false);
    std::string page = control.Text();
    const size_t headEnd = page.find(GetParam() ? "</head>" : "</HEAD>");
    ASSERT_NE(headEnd, std::string::npos);
    control.SetBytes(page.insert(headEnd, head));
    const CheckReport report = CheckPage(control.Text());
    EXPECT_EQ(report.outcome, CheckOutcome::Checked);
    for (const Problem& problem : report.problems)
        ADD_FAILURE() << problem.line << ":" << problem.column << " " << problem.message;
    if (HasFailure())
        std::cout << control.Text() << "\n";
}

INSTANTIATE_TEST_SUITE_P(BothMarkupStyles, Html5PageCheck, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "LowerCaseQuoted" : "AsWritten"; });

} // namespace
