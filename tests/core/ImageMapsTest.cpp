#include "core/elements/ImageMaps.h"
#include "core/dialogs/DataExchange.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::maps;

namespace {

class ImageMapsTest : public ElementCommandTest {
protected:
    ImageMapsTest() : ElementCommandTest("/web/site/index.html") {}
};

// The area dialog: a shape chosen, then Enter Coords clicked.
Press EnterCoordsFor(const char* shape, std::map<int, std::string> texts = {}) {
    return {.texts = std::move(texts), .actions = {Choose(IdShape, shape), Click(IdEnterCoords)}};
}

const Press Circle{.texts = {{IdCentreX, "10"}, {IdCentreY, "20"}, {IdRadius, "5"}}};
const Press Rectangle{.texts = {{IdLeft, "0"}, {IdTop, "0"}, {IdRight, "50"}, {IdBottom, "40"}}};

} // namespace

TEST_F(ImageMapsTest, BuildTheDocumentedTexts) {
    const std::vector<ScriptRow> rows = {
        {"map",
         cmd::ImageMap,
         {{.texts = {{IdName, "nav bar"}}}},
         "<MAP NAME=\"nav bar\">\r\nIntro</MAP>\r\n"},
        {"area without a shape still has coords",
         cmd::ImageMapArea,
         {{.texts = {{IdCoords, "1,2,3"}}}},
         "<AREA COORDS=\"1,2,3\">\r\nIntro"},
        {"area with relative link and no reference",
         cmd::ImageMapArea,
         {{.texts = {{IdUrl, "/web/site/a.html"}, {IdShape, "circle"}, {IdCoords, "10,20,5"}},
           .checks = {{IdNoHref, 1}}}},
         "<AREA SHAPE=\"circle\" COORDS=\"10,20,5\" HREF=\"a.html\" NOHREF>\r\nIntro"},
        {"netscape area with target",
         cmd::ImageMapAreaNetscape,
         {{.texts = {{IdUrl, "http://x.org/"},
                     {IdTarget, "_blank"},
                     {IdShape, "rectangle"},
                     {IdCoords, "0,0,5,5"}}}},
         "<AREA SHAPE=\"rectangle\" COORDS=\"0,0,5,5\" HREF=\"http://x.org/\" TARGET=\"_blank\">\r\nIntro"},
        {"circle from its sub-dialog",
         cmd::ImageMapArea,
         {EnterCoordsFor("circle"), Circle},
         "<AREA SHAPE=\"circle\" COORDS=\"10,20,5\">\r\nIntro"},
        {"rectangle written left, top, right, bottom",
         cmd::ImageMapArea,
         {EnterCoordsFor("rectangle"), Rectangle},
         "<AREA SHAPE=\"rectangle\" COORDS=\"0,0,50,40\">\r\nIntro"},
        {"polygon from its sub-dialog, replacing what was typed",
         cmd::ImageMapAreaNetscape,
         {EnterCoordsFor("polygon", {{IdCoords, "9,9"}}), {.texts = {{IdCoords, "1,2,3,4,5,6"}}}},
         "<AREA SHAPE=\"polygon\" COORDS=\"1,2,3,4,5,6\">\r\nIntro"},
        {"cancelled sub-dialog keeps the coords",
         cmd::ImageMapArea,
         {EnterCoordsFor("circle", {{IdCoords, "7,7,7"}}), {.texts = {{IdRadius, "3"}}, .cancel = true}},
         "<AREA SHAPE=\"circle\" COORDS=\"7,7,7\">\r\nIntro"},
        {"circle numbers without leading zeros",
         cmd::ImageMapArea,
         {EnterCoordsFor("circle"), {.texts = {{IdCentreX, "010"}, {IdCentreY, " 2"}, {IdRadius, "0"}}}},
         "<AREA SHAPE=\"circle\" COORDS=\"10,2,0\">\r\nIntro"},
    };
    ExpectScripts(rows);
}

TEST_F(ImageMapsTest, SubDialogOfTheShapeOpensAboveTheAreaDialog) {
    struct Row {
        const char* shape;
        int idd;
        Press press;
    };
    for (const Row& row :
         {Row{"circle", CCircleCoordsDialog::IDD, Circle},
          Row{"rectangle", CRectangleCoordsDialog::IDD, Rectangle},
          Row{"polygon", CPolygonCoordsDialog::IDD, {.texts = {{IdCoords, "1,1,2,2,3,3"}}}}}) {
        SCOPED_TRACE(row.shape);
        Reset();
        Wrap(cmd::ImageMapAreaNetscape, {EnterCoordsFor(row.shape), {.cancel = true}, {.cancel = true}});
        ASSERT_EQ(runner.runs.size(), 2u);
        EXPECT_EQ(runner.runs[0].idd, CAreaNetscapeDialog::IDD);
        EXPECT_EQ(runner.runs[1].idd, row.idd);
    }
}

TEST_F(ImageMapsTest, EnterCoordsWithoutShapeAsksForOneAndOpensNothing) {
    EXPECT_EQ(Wrap(cmd::ImageMapArea, {{.texts = {{IdCoords, "1,2"}}, .actions = {Click(IdEnterCoords)}}}),
              "<AREA COORDS=\"1,2\">\r\nIntro");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Please specify a shape first.");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(runner.runs.size(), 1u);
}

TEST_F(ImageMapsTest, RefusalsKeepTheDialogOpenOnTheField) {
    const std::vector<RefusalRow> rows = {
        {"map without name", cmd::ImageMap, {}, messages::MustEnterValue, IdName},
        {"area without coords",
         cmd::ImageMapArea,
         {.texts = {{IdShape, "circle"}}},
         messages::MustEnterValue,
         IdCoords},
        {"area coords with a blank",
         cmd::ImageMapArea,
         {.texts = {{IdCoords, "1, 2"}}},
         "Invalid input.  Please enter a list of x-y coords seperated by commas.",
         IdCoords},
        {"netscape area coords with a letter",
         cmd::ImageMapAreaNetscape,
         {.texts = {{IdCoords, "1,2x"}}},
         messages::CoordsCharacters,
         IdCoords},
        {"area URL too long",
         cmd::ImageMapArea,
         {.texts = {{IdUrl, std::string(1025, 'u')}, {IdCoords, "1"}}},
         "Please enter no more than 1024 characters.",
         IdUrl},
    };
    ExpectRefusals(rows);
}

TEST_F(ImageMapsTest, CoordinateSubDialogsRefuseUntilCorrected) {
    struct Row {
        const char* name;
        const char* shape;
        Press bad;
        Press good;
        std::string message;
        int field;
        std::string coords;
    };
    const std::vector<Row> rows = {
        {"circle radius empty",
         "circle",
         {.texts = {{IdCentreX, "1"}, {IdCentreY, "2"}}},
         {.texts = {{IdRadius, "3"}}},
         messages::NotWholeNumber,
         IdRadius,
         "1,2,3"},
        {"circle negative",
         "circle",
         {.texts = {{IdCentreX, "-1"}, {IdCentreY, "2"}, {IdRadius, "3"}}},
         {.texts = {{IdCentreX, "1"}}},
         messages::MustOnlyEnterNumerals,
         IdCentreX,
         "1,2,3"},
        // The rectangle checks its fields bottom, left, right, top.
        {"rectangle all empty", "rectangle", {}, Rectangle, messages::NotWholeNumber, IdBottom, "0,0,50,40"},
        {"polygon empty",
         "polygon",
         {},
         {.texts = {{IdCoords, "1,2,3,4,5,6"}}},
         messages::MustEnterValue,
         IdCoords,
         "1,2,3,4,5,6"},
        {"polygon too few pairs",
         "polygon",
         {.texts = {{IdCoords, "1,2,3,4"}}},
         {.texts = {{IdCoords, "1,2,3,4,5,6"}}},
         messages::PolygonTooFewPairs,
         IdCoords,
         "1,2,3,4,5,6"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Reset();
        Press area = EnterCoordsFor(row.shape);
        area.cancel = true;
        Wrap(cmd::ImageMapArea, {area, row.bad, row.good});
        ASSERT_EQ(runner.runs.size(), 2u);
        EXPECT_EQ(runner.runs[1].refusedAt, std::vector<int>{row.field});
        EXPECT_TRUE(runner.runs[1].ok);
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{row.message});
    }
    // The corrected coordinates reach the area dialog.
    Reset();
    EXPECT_EQ(Wrap(cmd::ImageMapArea, {EnterCoordsFor("rectangle"), {}, Rectangle}),
              "<AREA SHAPE=\"rectangle\" COORDS=\"0,0,50,40\">\r\nIntro");
}

TEST(PolygonCoords, Checks) {
    struct Row {
        const char* coords;
        const char* problem;
    };
    for (const Row& row :
         {Row{"1,2,3,4,5,6", nullptr}, Row{"1,2,3,4,5,6,7,8", nullptr},
          Row{"1,2,3,4", messages::PolygonTooFewPairs}, Row{"1,2", messages::PolygonTooFewPairs},
          Row{"1,2,3,4,5", messages::PolygonIncompletePair}, Row{"1", messages::PolygonIncompletePair},
          Row{"1,2,3,4,5,6,7", messages::PolygonIncompletePair}, Row{"1, 2", messages::CoordsCharacters},
          Row{"1;2;3;4;5;6", messages::CoordsCharacters}, Row{"-1,2,3,4,5,6", messages::CoordsCharacters},
          // Empty items between commas pass: only characters and commas count.
          Row{",,,,,", nullptr}}) {
        SCOPED_TRACE(row.coords);
        const char* problem = PolygonCoordsProblem(row.coords);
        EXPECT_STREQ(problem, row.problem);
    }
}
