#include <gtest/gtest.h>

#include "core/dialogs/Colours.h"
#include "core/dialogs/DataExchange.h"
#include "core/elements/Body.h"
#include "core/elements/ElementCommand.h"
#include "core/help/HelpTopics.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;

namespace {

using namespace body;

class BodyCommands : public ElementCommandTest {};

const std::string End = "Intro</BODY>\r\n";

} // namespace

TEST_F(BodyCommands, BuildTheDocumentedTexts) {
    const Press expand{.toggles = 1};
    ExpectTexts({
        {"short layout writes nothing typed",
         cmd::Body,
         {.texts = {{IdBackgroundUrl, "bg.gif"}, {IdTextName, "navy"}}},
         "<BODY>\r\n" + End},
        {"expanded and empty", cmd::Body, expand, "<BODY>\r\n" + End},
        {"background, name and number",
         cmd::Body,
         {.texts = {{IdBackgroundUrl, "/home/site/bg.gif"},
                    {IdBackgroundName, "white"},
                    {IdTextNumber, "000080"}}},
         "<BODY BACKGROUND=\"bg.gif\" BGCOLOR=white TEXT=\"#000080\">\r\n" + End,
         true},
        {"all five in attribute order, letter case kept",
         cmd::Body,
         {.texts = {{IdActiveName, "red"},
                    {IdVisitedNumber, "aBcDeF"},
                    {IdLinkName, "blue"},
                    {IdTextName, "black"},
                    {IdBackgroundNumber, "FFFFFF"}}},
         "<BODY BGCOLOR=\"#FFFFFF\" TEXT=black LINK=blue VLINK=\"#aBcDeF\" ALINK=red>\r\n" + End,
         true},
        {"(None) and no number write nothing",
         cmd::Body,
         {.texts = {{IdTextName, "(None)"}}},
         "<BODY>\r\n" + End,
         true},
        {"netscape extended names",
         cmd::BodyNetscape,
         {.texts = {{IdBackgroundName, "aliceblue"}, {IdLinkName, "lightgoldenrodyellow"}}},
         "<BODY BGCOLOR=aliceblue LINK=lightgoldenrodyellow>\r\n" + End},
        {"netscape background relative",
         cmd::BodyNetscape,
         {.texts = {{IdBackgroundUrl, "/home/img/a.jpg"}}},
         "<BODY BACKGROUND=\"../img/a.jpg\">\r\n" + End},
        {"microsoft watermark and margins",
         cmd::BodyMicrosoft,
         {.texts =
              {{IdBackgroundUrl, "w.gif"}, {IdTopMargin, "0"}, {IdLeftMargin, "010"}, {IdTextName, "red"}},
          .checks = {{IdWatermark, 1}}},
         "<BODY BACKGROUND=\"w.gif\" BGPROPERTIES=FIXED TEXT=red TOPMARGIN=0 LEFTMARGIN=10>\r\n" + End},
        {"microsoft left margin only",
         cmd::BodyMicrosoft,
         {.texts = {{IdLeftMargin, "4"}}},
         "<BODY LEFTMARGIN=4>\r\n" + End},
    });
}

TEST_F(BodyCommands, LayoutChoiceAndUrlHistoryOnlyOnOk) {
    Remember(false);
    Wrap(cmd::Body, {{.texts = {{IdBackgroundUrl, "bg.gif"}}}});
    EXPECT_EQ(Read(profile, settings::LastLayoutExpanded), 0);
    EXPECT_TRUE(Urls().empty()) << "the hidden background is neither written nor remembered";

    Wrap(cmd::Body, {{.texts = {{IdBackgroundUrl, "bg.gif"}}, .toggles = 1, .cancel = true}});
    EXPECT_EQ(Read(profile, settings::LastLayoutExpanded), 0);
    EXPECT_TRUE(Urls().empty());

    Wrap(cmd::Body, {{.texts = {{IdBackgroundUrl, "bg.gif"}}, .toggles = 1}});
    EXPECT_EQ(Read(profile, settings::LastLayoutExpanded), 1);
    EXPECT_EQ(Urls(), std::vector<std::string>{"bg.gif"});
    EXPECT_EQ(runner.runs.back().openedTitle, "Body (HTML 2.0)");
    EXPECT_EQ(runner.runs.back().title, "Body (HTML 3.2)");

    // An empty background records nothing and says nothing on an unsaved document.
    document.path.clear();
    Wrap(cmd::BodyNetscape, {{}});
    EXPECT_EQ(Urls(), std::vector<std::string>{"bg.gif"});
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(BodyCommands, RefusalsKeepTheDialogOpen) {
    ExpectRefusals({
        {"watermark without background",
         cmd::BodyMicrosoft,
         {.checks = {{IdWatermark, 1}}},
         messages::WatermarkWithoutBackground,
         IdBackgroundUrl,
         false,
         MessageIcon::None},
        {"colour number with #",
         cmd::Body,
         {.texts = {{IdTextNumber, "#00ff00"}}},
         messages::InvalidColourNumber,
         IdTextNumber,
         true},
        {"five digits",
         cmd::BodyNetscape,
         {.texts = {{IdActiveNumber, "00ff0"}}},
         messages::InvalidColourNumber,
         IdActiveNumber},
        {"letter beyond f",
         cmd::BodyMicrosoft,
         {.texts = {{IdLinkNumber, "00ffg0"}}},
         messages::InvalidColourNumber,
         IdLinkNumber},
        {"hidden colour still checked",
         cmd::Body,
         {.texts = {{IdLinkNumber, "12"}}},
         messages::InvalidColourNumber,
         IdLinkNumber},
        {"negative margin",
         cmd::BodyMicrosoft,
         {.texts = {{IdTopMargin, "-1"}}},
         messages::CanOnlyEnterNumerals,
         IdTopMargin},
        {"background of 1025 characters",
         cmd::BodyNetscape,
         {.texts = {{IdBackgroundUrl, std::string(1025, 'b')}}},
         "Please enter no more than 1024 characters.",
         IdBackgroundUrl},
    });
    // The Microsoft background has no length limit.
    const std::string longUrl(1500, 'b');
    EXPECT_EQ(Wrap(cmd::BodyMicrosoft, {{.texts = {{IdBackgroundUrl, longUrl}}}}),
              "<BODY BACKGROUND=\"" + longUrl + "\">\r\n" + End);
}

TEST_F(BodyCommands, BackgroundColoursEverySample) {
    prompts.colourAnswers.push_back(MakeRgb(0x12, 0x34, 0x56));
    // The text colour first: it stays visible on the background chosen after it.
    Wrap(cmd::BodyNetscape,
         {{.actions = {Choose(IdTextName, "red"), Choose(IdBackgroundName, "navy"), Click(IdLinkSelect)}}});
    const auto& swatches = runner.runs.back().swatches;
    for (int id : {IdBackgroundSample, IdTextSample, IdLinkSample, IdVisitedSample, IdActiveSample}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(swatches.count(id));
        EXPECT_EQ(swatches.at(id).m_crBack, LookupNamedColour("navy"));
    }
    EXPECT_EQ(swatches.at(IdTextSample).m_crText, LookupNamedColour("red"));
    EXPECT_EQ(swatches.at(IdVisitedSample).m_crText, LookupNamedColour("navy")) << "a plain patch";
    EXPECT_EQ(swatches.at(IdLinkSample).m_crText, MakeRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(control.Text(), "<BODY BGCOLOR=navy TEXT=red LINK=\"#123456\">\r\n" + End);
}

TEST(BodyBuilders, NameWinsOverNumber) {
    CBodyNetscapeDialog dialog;
    dialog.m_strTextName = "teal";
    dialog.m_strTextNumber = "000000";
    dialog.m_strLinkName = "(None)";
    dialog.m_strLinkNumber = "00FF00";
    EXPECT_EQ(dialog.Attributes(), " TEXT=teal LINK=\"#00FF00\"");
}

TEST(BodyTemplates, ColourRowsAndLists) {
    const auto& body = CBodyDialog::TemplateData();
    ASSERT_EQ(body.colourFields.size(), 5u);
    EXPECT_EQ(body.colourFields[0].swatchIds.size(), 5u);
    EXPECT_EQ(body.colourFields[0].role, ColourRole::Background);
    for (const auto& control : body.controls)
        EXPECT_EQ(control.part, LayoutPart::Expanded) << control.text;
    EXPECT_EQ(body.Find(IdTextName)->entries.size(), 17u);
    EXPECT_EQ(CBodyNetscapeDialog::TemplateData().Find(IdTextName)->entries.size(), 141u);
    EXPECT_EQ(CBodyMicrosoftDialog::TemplateData().Find(IdTextName)->entries.size(), 17u);
    EXPECT_EQ(body.HelpContext(), 0x20097);
    EXPECT_EQ(CBodyMicrosoftDialog::TemplateData().HelpContext(), 0x200C2);
}

TEST(BodyTemplates, HelpPageDescribesEachColourOnce) {
    const std::string page = HelpTopicHtml(CBodyNetscapeDialog::TemplateData());
    for (const char* row : {"<b>Background:</b>", "<b>Visited link:</b>"}) {
        const auto at = page.find(row);
        ASSERT_NE(at, std::string::npos) << row;
        EXPECT_EQ(page.find(row, at + 1), std::string::npos) << row;
    }
    EXPECT_EQ(page.find("<b>List</b>"), std::string::npos);
    EXPECT_EQ(page.find("<b>Select</b>"), std::string::npos);
}
