#include <gtest/gtest.h>

#include "core/dialogs/Colours.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/ScriptedDialogRunner.h"

using namespace razo;

namespace {

struct CssColour {
    const char* name;
    unsigned r, g, b;
};

// The extended colour keywords as the CSS colour module publishes them, as rgb() triples.
const CssColour Css[] = {
    {"aliceblue", 240, 248, 255},
    {"antiquewhite", 250, 235, 215},
    {"aqua", 0, 255, 255},
    {"aquamarine", 127, 255, 212},
    {"azure", 240, 255, 255},
    {"beige", 245, 245, 220},
    {"bisque", 255, 228, 196},
    {"black", 0, 0, 0},
    {"blanchedalmond", 255, 235, 205},
    {"blue", 0, 0, 255},
    {"blueviolet", 138, 43, 226},
    {"brown", 165, 42, 42},
    {"burlywood", 222, 184, 135},
    {"cadetblue", 95, 158, 160},
    {"chartreuse", 127, 255, 0},
    {"chocolate", 210, 105, 30},
    {"coral", 255, 127, 80},
    {"cornflowerblue", 100, 149, 237},
    {"cornsilk", 255, 248, 220},
    {"crimson", 220, 20, 60},
    {"cyan", 0, 255, 255},
    {"darkblue", 0, 0, 139},
    {"darkcyan", 0, 139, 139},
    {"darkgoldenrod", 184, 134, 11},
    {"darkgray", 169, 169, 169},
    {"darkgreen", 0, 100, 0},
    {"darkkhaki", 189, 183, 107},
    {"darkmagenta", 139, 0, 139},
    {"darkolivegreen", 85, 107, 47},
    {"darkorange", 255, 140, 0},
    {"darkorchid", 153, 50, 204},
    {"darkred", 139, 0, 0},
    {"darksalmon", 233, 150, 122},
    {"darkseagreen", 143, 188, 143},
    {"darkslateblue", 72, 61, 139},
    {"darkslategray", 47, 79, 79},
    {"darkturquoise", 0, 206, 209},
    {"darkviolet", 148, 0, 211},
    {"deeppink", 255, 20, 147},
    {"deepskyblue", 0, 191, 255},
    {"dimgray", 105, 105, 105},
    {"dodgerblue", 30, 144, 255},
    {"firebrick", 178, 34, 34},
    {"floralwhite", 255, 250, 240},
    {"forestgreen", 34, 139, 34},
    {"fuchsia", 255, 0, 255},
    {"gainsboro", 220, 220, 220},
    {"ghostwhite", 248, 248, 255},
    {"gold", 255, 215, 0},
    {"goldenrod", 218, 165, 32},
    {"gray", 128, 128, 128},
    {"green", 0, 128, 0},
    {"greenyellow", 173, 255, 47},
    {"honeydew", 240, 255, 240},
    {"hotpink", 255, 105, 180},
    {"indianred", 205, 92, 92},
    {"indigo", 75, 0, 130},
    {"ivory", 255, 255, 240},
    {"khaki", 240, 230, 140},
    {"lavender", 230, 230, 250},
    {"lavenderblush", 255, 240, 245},
    {"lawngreen", 124, 252, 0},
    {"lemonchiffon", 255, 250, 205},
    {"lightblue", 173, 216, 230},
    {"lightcoral", 240, 128, 128},
    {"lightcyan", 224, 255, 255},
    {"lightgoldenrodyellow", 250, 250, 210},
    {"lightgreen", 144, 238, 144},
    {"lightgrey", 211, 211, 211},
    {"lightpink", 255, 182, 193},
    {"lightsalmon", 255, 160, 122},
    {"lightseagreen", 32, 178, 170},
    {"lightskyblue", 135, 206, 250},
    {"lightslategray", 119, 136, 153},
    {"lightsteelblue", 176, 196, 222},
    {"lightyellow", 255, 255, 224},
    {"lime", 0, 255, 0},
    {"limegreen", 50, 205, 50},
    {"linen", 250, 240, 230},
    {"magenta", 255, 0, 255},
    {"maroon", 128, 0, 0},
    {"mediumaquamarine", 102, 205, 170},
    {"mediumblue", 0, 0, 205},
    {"mediumorchid", 186, 85, 211},
    {"mediumpurple", 147, 112, 219},
    {"mediumseagreen", 60, 179, 113},
    {"mediumslateblue", 123, 104, 238},
    {"mediumspringgreen", 0, 250, 154},
    {"mediumturquoise", 72, 209, 204},
    {"mediumvioletred", 199, 21, 133},
    {"midnightblue", 25, 25, 112},
    {"mintcream", 245, 255, 250},
    {"mistyrose", 255, 228, 225},
    {"moccasin", 255, 228, 181},
    {"navajowhite", 255, 222, 173},
    {"navy", 0, 0, 128},
    {"oldlace", 253, 245, 230},
    {"olive", 128, 128, 0},
    {"olivedrab", 107, 142, 35},
    {"orange", 255, 165, 0},
    {"orangered", 255, 69, 0},
    {"orchid", 218, 112, 214},
    {"palegoldenrod", 238, 232, 170},
    {"palegreen", 152, 251, 152},
    {"paleturquoise", 175, 238, 238},
    {"palevioletred", 219, 112, 147},
    {"papayawhip", 255, 239, 213},
    {"peachpuff", 255, 218, 185},
    {"peru", 205, 133, 63},
    {"pink", 255, 192, 203},
    {"plum", 221, 160, 221},
    {"powderblue", 176, 224, 230},
    {"purple", 128, 0, 128},
    {"red", 255, 0, 0},
    {"rosybrown", 188, 143, 143},
    {"royalblue", 65, 105, 225},
    {"saddlebrown", 139, 69, 19},
    {"salmon", 250, 128, 114},
    {"sandybrown", 244, 164, 96},
    {"seagreen", 46, 139, 87},
    {"seashell", 255, 245, 238},
    {"sienna", 160, 82, 45},
    {"silver", 192, 192, 192},
    {"skyblue", 135, 206, 235},
    {"slateblue", 106, 90, 205},
    {"slategray", 112, 128, 144},
    {"snow", 255, 250, 250},
    {"springgreen", 0, 255, 127},
    {"steelblue", 70, 130, 180},
    {"tan", 210, 180, 140},
    {"teal", 0, 128, 128},
    {"thistle", 216, 191, 216},
    {"tomato", 255, 99, 71},
    {"turquoise", 64, 224, 208},
    {"violet", 238, 130, 238},
    {"wheat", 245, 222, 179},
    {"white", 255, 255, 255},
    {"whitesmoke", 245, 245, 245},
    {"yellow", 255, 255, 0},
    {"yellowgreen", 154, 205, 50},
};

} // namespace

TEST(NamedColours, MatchThePublishedKeywordValues) {
    EXPECT_EQ(std::size(Css), 140u);
    EXPECT_EQ(NamedColours().size(), 140u);
    for (const auto& c : Css) {
        SCOPED_TRACE(c.name);
        Rgb value = LookupNamedColour(c.name);
        EXPECT_EQ(RedOf(value), c.r);
        EXPECT_EQ(GreenOf(value), c.g);
        EXPECT_EQ(BlueOf(value), c.b);
    }
}

TEST(NamedColours, UnknownAndVariantNamesGiveBlack) {
    for (const char* name : {"lightgray", "grey", "darkgrey", "dimgrey", "slategrey", "darkslategrey",
                             "lightslategrey", "Navy", "NAVY", "", "navy ", "rebeccapurple"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(LookupNamedColour(name), 0u);
    }
    EXPECT_EQ(LookupNamedColour("lightgrey"), MakeRgb(211, 211, 211));
}

TEST(NamedColours, NameLists) {
    const auto& html32 = Html32ColourNames();
    ASSERT_EQ(html32.size(), 17u);
    EXPECT_EQ(html32.front(), "(None)");
    EXPECT_EQ(html32[1], "aqua");
    EXPECT_EQ(html32.back(), "yellow");
    const auto& extended = ExtendedColourNames();
    ASSERT_EQ(extended.size(), 141u);
    EXPECT_EQ(extended[0], "(None)");
    EXPECT_TRUE(std::is_sorted(extended.begin() + 1, extended.end()));
    for (size_t i = 1; i < html32.size(); ++i) // every HTML 3.2 name is a known colour
        EXPECT_TRUE(LookupNamedColour(html32[i]) != 0u || html32[i] == "black") << html32[i];
}

TEST(ColourNumbers, Conversions) {
    struct Row {
        const char* text;
        bool valid;
        Rgb rgb;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"00ff00", true, MakeRgb(0, 255, 0)},
             {"FF0000", true, MakeRgb(255, 0, 0)},
             {"1a2B3c", true, MakeRgb(0x1a, 0x2b, 0x3c)},
             {"#00ff0", false, White},
             {"00ff0", false, White},
             {"00ff0g", false, White},
             {"", false, White},
             {"0x1234", false, White},
         }) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(IsColourNumber(row.text), row.valid);
        EXPECT_EQ(ColourNumberToRGB(row.text), row.rgb);
    }
    EXPECT_EQ(RGBToColourNumber(MakeRgb(0x1a, 0x2b, 0x3c)), "1A2B3C");
    EXPECT_EQ(RGBToColourNumber(0), "000000");
}

TEST(ColourNumbers, FormatColourAttribute) {
    EXPECT_EQ(FormatColourAttribute("BGCOLOR", "white", ""), " BGCOLOR=white");
    EXPECT_EQ(FormatColourAttribute("TEXT", "", "FF0000"), " TEXT=\"#FF0000\"");
    EXPECT_EQ(FormatColourAttribute("TEXT", "(None)", "00ff00"), " TEXT=\"#00ff00\"");
    EXPECT_EQ(FormatColourAttribute("TEXT", "navy", "00ff00"), " TEXT=navy");
    EXPECT_EQ(FormatColourAttribute("TEXT", "(None)", ""), "");
}

namespace {

constexpr int BackName = 1229, BackNumber = 1042, BackSelect = 1231;
constexpr int TextName = 1230, TextNumber = 1043, TextSelect = 1232;
constexpr int BackSample = 1045, TextSample = 1046, LinkSample = 1028;

DialogTemplate BodyLike() {
    DialogTemplate t;
    t.controls = {ListCombo(BackName, "Background:", Html32ColourNames()), Edit(BackNumber, ""),
                  ListCombo(TextName, "Text:", Html32ColourNames()), Edit(TextNumber, "")};
    t.colourFields = {
        {"BGCOLOR",
         "Background",
         BackName,
         BackNumber,
         BackSelect,
         {BackSample, TextSample, LinkSample},
         ColourRole::Background},
        {"TEXT", "Text", TextName, TextNumber, TextSelect, {TextSample}, ColourRole::Text},
    };
    return t;
}

} // namespace

TEST(ColourField, NameAndNumberExcludeEachOther) {
    DialogTemplate t = BodyLike();
    test::ScriptedFields fields(t);
    ColourFieldGroup group(t.colourFields);

    fields.SetText(TextNumber, "123456");
    fields.SetText(TextName, "navy");
    EXPECT_EQ(group.OnNameChanged(TextName, fields), std::vector<int>{TextSample});
    EXPECT_EQ(group.Swatch(TextSample)->m_crText, MakeRgb(0, 0, 128));
    EXPECT_EQ(fields.GetText(TextNumber), "");

    fields.SetText(TextNumber, "00ff0");
    EXPECT_TRUE(group.OnNumberChanged(TextNumber, fields).empty());
    EXPECT_EQ(fields.GetText(TextName), "navy");
    fields.SetText(TextNumber, "00ff00");
    group.OnNumberChanged(TextNumber, fields);
    EXPECT_EQ(group.Swatch(TextSample)->m_crText, MakeRgb(0, 255, 0));
    EXPECT_EQ(fields.GetText(TextName), "(None)");

    fields.SetText(TextName, "(None)");
    EXPECT_TRUE(group.OnNameChanged(TextName, fields).empty());
    EXPECT_EQ(fields.GetText(TextNumber), "00ff00");
}

TEST(ColourField, BackgroundPaintsEverySampleButKeepsChosenTextColours) {
    DialogTemplate t = BodyLike();
    test::ScriptedFields fields(t);
    ColourFieldGroup group(t.colourFields);
    fields.SetText(TextName, "red");
    group.OnNameChanged(TextName, fields);
    fields.SetText(BackName, "black");
    EXPECT_EQ(group.OnNameChanged(BackName, fields).size(), 3u);
    EXPECT_EQ(group.Swatch(BackSample)->m_crText, 0u); // a plain patch
    EXPECT_EQ(group.Swatch(LinkSample)->m_crText, 0u);
    EXPECT_EQ(group.Swatch(TextSample)->m_crText, MakeRgb(255, 0, 0));
    EXPECT_EQ(group.Swatch(TextSample)->m_crBack, 0u);
}

TEST(ColourField, SelectStartsAtTheNumberAndWritesUpperCase) {
    DialogTemplate t = BodyLike();
    test::ScriptedFields fields(t);
    test::FakeUserPrompts prompts;
    ColourFieldGroup group(t.colourFields);
    fields.SetText(TextNumber, "00ff00");
    prompts.colourAnswers.push_back(MakeRgb(0xab, 0xcd, 0xef));
    group.OnSelect(TextSelect, fields, prompts);
    EXPECT_EQ(prompts.colourRequests, std::vector<unsigned>{MakeRgb(0, 255, 0)});
    EXPECT_EQ(fields.GetText(TextNumber), "ABCDEF");
    EXPECT_EQ(fields.GetText(TextName), "(None)");

    group.OnSelect(TextSelect, fields, prompts); // cancelled
    EXPECT_EQ(fields.GetText(TextNumber), "ABCDEF");
    fields.SetText(BackNumber, "");
    group.OnSelect(BackSelect, fields, prompts);
    EXPECT_EQ(prompts.colourRequests.back(), White);
    // A named colour is where the chooser starts when there is no number.
    fields.SelectListString(BackName, "navy");
    group.OnNameChanged(BackName, fields);
    group.OnSelect(BackSelect, fields, prompts);
    EXPECT_EQ(prompts.colourRequests.back(), MakeRgb(0, 0, 0x80));
}

namespace {

// The controls come from the field's description, so the two cannot disagree.
TEST(ColourField, ControlsFollowTheFieldsDescription) {
    const razo::ColourFieldSpec field{"BGCOLOR",
                                      "Background",
                                      1229,
                                      1042,
                                      1231,
                                      {1045, 1046},
                                      razo::ColourRole::Background,
                                      razo::ColourNames::Extended};
    const auto controls = razo::ColourFieldControls(field);
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0].kind, razo::ControlKind::ListCombo);
    EXPECT_EQ(controls[0].id, 1229);
    EXPECT_EQ(controls[0].text, "Background:");
    EXPECT_EQ(controls[0].entries.size(), 141u);
    EXPECT_EQ(controls[0].entries.front(), "(None)");
    EXPECT_FALSE(controls[0].sorted);
    EXPECT_EQ(controls[1].id, 1042);
    EXPECT_EQ(controls[2].id, 1231);
    EXPECT_EQ(controls[3].kind, razo::ControlKind::ColourSwatch);
    EXPECT_EQ(controls[3].id, 1045); // its own swatch; the others belong to their own fields
    for (size_t i = 1; i < controls.size(); ++i)
        EXPECT_TRUE(controls[i].besidePrevious) << "control " << i;
}

} // namespace
