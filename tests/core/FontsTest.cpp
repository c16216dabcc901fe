#include <algorithm>

#include "core/dialogs/Colours.h"
#include "core/elements/Fonts.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::fonts;

namespace {

class FontCommands : public ElementCommandTest {
protected:
    FontCommands() : ElementCommandTest("E:\\web\\site\\index.html") {}
};

} // namespace

TEST_F(FontCommands, BuildTheDocumentedTexts) {
    ExpectTexts({
        {"empty", cmd::Font, {}, "<FONT>Intro</FONT>"},
        {"size without type", cmd::Font, {.texts = {{IdSize, "3"}}}, "<FONT SIZE=3>Intro</FONT>"},
        {"absolute",
         cmd::Font,
         {.texts = {{IdSize, "3"}, {IdSizeType, "Absolute"}}},
         "<FONT SIZE=3>Intro</FONT>"},
        {"relative plus and a name",
         cmd::FontNetscape,
         {.texts = {{IdSize, "2"}, {IdSizeType, "Relative +"}, {IdColourName, "red"}}},
         "<FONT SIZE=\"+2\" COLOR=red>Intro</FONT>"},
        {"relative minus",
         cmd::FontMicrosoft,
         {.texts = {{IdSize, "1"}, {IdSizeType, "Relative -"}}},
         "<FONT SIZE=\"-1\">Intro</FONT>"},
        {"type without size", cmd::Font, {.texts = {{IdSizeType, "Relative +"}}}, "<FONT>Intro</FONT>"},
        {"colour number as typed",
         cmd::Font,
         {.texts = {{IdColourNumber, "00fF00"}}},
         "<FONT COLOR=\"#00fF00\">Intro</FONT>"},
        {"a name of the extended list",
         cmd::FontNetscape,
         {.texts = {{IdColourName, "papayawhip"}}},
         "<FONT COLOR=papayawhip>Intro</FONT>"},
        {"faces typed by hand, quoted as typed",
         cmd::FontMicrosoft,
         {.texts = {{IdFaces, "Arial, Helvetica"}, {IdColourName, "navy"}}},
         "<FONT COLOR=navy FACE=\"Arial, Helvetica\">Intro</FONT>"},
        {"faces chosen from the list",
         cmd::FontMicrosoft,
         {.actions = {Choose(IdFaceList, "Arial"), Choose(IdFaceList, "Courier New"),
                      Choose(IdFaceList, "--Office 95 Fonts")}},
         "<FONT FACE=\"Arial,Courier New\">Intro</FONT>"},
        {"base font 7", cmd::BaseFont, {.texts = {{IdBaseSize, "7"}}}, "<BASEFONT SIZE=7>Intro"},
        {"base font 01", cmd::BaseFont, {.texts = {{IdBaseSize, "01"}}}, "<BASEFONT SIZE=1>Intro"},
    });
}

TEST_F(FontCommands, RefusedFields) {
    const std::string sizeRange = "Please enter an integer between 1 and 7.";
    ExpectRefusals({
        {"size 0", cmd::Font, {.texts = {{IdSize, "0"}}}, sizeRange, IdSize},
        {"size 8", cmd::FontNetscape, {.texts = {{IdSize, "8"}}}, sizeRange, IdSize},
        {"negative size",
         cmd::FontMicrosoft,
         {.texts = {{IdSize, "-2"}}},
         "You can only enter numerals.",
         IdSize},
        {"size with letters",
         cmd::Font,
         {.texts = {{IdSize, "2pt"}}},
         "Please enter a whole number.",
         IdSize},
        {"colour number of five digits",
         cmd::FontMicrosoft,
         {.texts = {{IdColourNumber, "12345"}}},
         "This is not a valid colour number.",
         IdColourNumber},
        {"base font size required", cmd::BaseFont, {}, "Please enter a whole number.", IdBaseSize},
        {"base font size 8", cmd::BaseFont, {.texts = {{IdBaseSize, "8"}}}, sizeRange, IdBaseSize},
    });
}

TEST(FaceList, AppendingAFace) {
    struct Row {
        const char* name;
        std::string faces, chosen, result;
    };
    const Row rows[] = {
        {"first face", "", "Arial", "Arial"},
        {"appended without a blank", "Arial", "Times New Roman", "Arial,Times New Roman"},
        {"repeats are kept", "Arial", "Arial", "Arial,Arial"},
        {"group heading", "Arial", "--Windows 95 Fonts", "Arial"},
        {"(None)", "Arial", "(None)", "Arial"},
        {"nothing chosen", "Arial", "", "Arial"},
        {"typed text is kept", "Verdana ,", "Impact", "Verdana ,,Impact"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AppendFace(row.faces, row.chosen), row.result) << row.name;
}

TEST(FaceList, FixedEntriesSpeltRight) {
    const auto& faces = FaceListEntries();
    EXPECT_EQ(faces.size(), 39u);
    EXPECT_EQ(faces.front(), "(None)");
    EXPECT_NE(std::find(faces.begin(), faces.end(), "OCR A Extended"), faces.end());
    EXPECT_EQ(std::find(faces.begin(), faces.end(), "OCR A Extented"), faces.end());
    const ControlTemplate* list = CFontMicrosoftDialog::TemplateData().Find(IdFaceList);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->sorted);
    EXPECT_EQ(list->entries, faces);
}

TEST(FontTemplates, ColourVocabularies) {
    EXPECT_EQ(CFontNetscapeDialog::TemplateData().Find(IdColourName)->entries, ExtendedColourNames());
    EXPECT_EQ(CFontSizeDialog::TemplateData().Find(IdColourName)->entries, Html32ColourNames());
    EXPECT_EQ(CFontMicrosoftDialog::TemplateData().Find(IdColourName)->entries, Html32ColourNames());
}
