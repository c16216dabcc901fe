#include <set>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/ElementCommand.h"
#include "core/elements/Forms.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::forms;

namespace {

class FormsTest : public ElementCommandTest {
protected:
    FormsTest() : ElementCommandTest("/web/site/index.html") {}
};

// Chooses the input type first, as a user must before the other fields open.
Press Input(const char* type, std::vector<Action> then = {}) {
    std::vector<Action> actions = {Choose(IdInputType, type)};
    actions.insert(actions.end(), then.begin(), then.end());
    return {.actions = actions};
}

} // namespace

TEST_F(FormsTest, BuildTheDocumentedTexts) {
    const std::vector<ScriptRow> rows = {
        {"form with the URL alone",
         cmd::Form,
         {{.texts = {{IdFormUrl, "http://x.org/cgi"}}}},
         "<FORM ACTION=\"http://x.org/cgi\">\r\nIntro</FORM>"},
        {"form post multipart, URL made relative",
         cmd::Form,
         {{.texts = {{IdEncodeType, "multipart/form-data"}, {IdFormUrl, "/web/site/cgi/a.pl"}},
           .radios = {{IdMethodPost, 0}}}},
         "<FORM METHOD=post ACTION=\"cgi/a.pl\" ENCTYPE=\"multipart/form-data\">\r\nIntro</FORM>"},
        {"form get",
         cmd::Form,
         {{.texts = {{IdFormUrl, "q"}}, .radios = {{IdMethodPost, 1}}}},
         "<FORM METHOD=get ACTION=\"q\">\r\nIntro</FORM>"},
        {"netscape form with a target",
         cmd::FormNetscape,
         {{.texts = {{IdTarget, "_top"}, {IdFormUrl, "q"}}, .radios = {{IdMethodPost, 0}}}},
         "<FORM METHOD=post ACTION=\"q\" TARGET=\"_top\">\r\nIntro</FORM>"},
        {"netscape form with a typed frame name",
         cmd::FormNetscape,
         {{.texts = {{IdTarget, "main frame"}, {IdFormUrl, "q"}}}},
         "<FORM ACTION=\"q\" TARGET=\"main frame\">\r\nIntro</FORM>"},
        {"text input with every text field",
         cmd::FormInput,
         {Input("text", {Type(IdName, "who"), Type(IdValue, "Ann \"A\""), Type(IdSize, "020"),
                         Type(IdMaxLength, "40")})},
         "<INPUT TYPE=text NAME=\"who\" VALUE=\"Ann \"A\"\" SIZE=20 MAXLENGTH=40>\r\nIntro"},
        {"password with size only",
         cmd::FormInput,
         {Input("password", {Type(IdName, "pw"), Type(IdSize, "8")})},
         "<INPUT TYPE=password NAME=\"pw\" SIZE=8>\r\nIntro"},
        {"checkbox checked",
         cmd::FormInput,
         {Input("checkbox", {Type(IdName, "c"), Tick(IdChecked)})},
         "<INPUT TYPE=checkbox NAME=\"c\" CHECKED>\r\nIntro"},
        {"radio with a value, not checked",
         cmd::FormInput,
         {Input("radio", {Type(IdName, "r"), Type(IdValue, "1")})},
         "<INPUT TYPE=radio NAME=\"r\" VALUE=\"1\">\r\nIntro"},
        {"checked left over from checkbox is not written for text",
         cmd::FormInput,
         {Input("checkbox", {Tick(IdChecked), Choose(IdInputType, "text"), Type(IdName, "t")})},
         "<INPUT TYPE=text NAME=\"t\">\r\nIntro"},
        {"submit with a value and no name",
         cmd::FormInput,
         {Input("submit", {Type(IdValue, "Send")})},
         "<INPUT TYPE=submit VALUE=\"Send\">\r\nIntro"},
        {"reset bare", cmd::FormInput, {Input("reset")}, "<INPUT TYPE=reset>\r\nIntro"},
        {"hidden",
         cmd::FormInput,
         {Input("hidden", {Type(IdName, "h"), Type(IdValue, "7")})},
         "<INPUT TYPE=hidden NAME=\"h\" VALUE=\"7\">\r\nIntro"},
        {"image with source and alignment, the earlier value dropped",
         cmd::FormInput,
         {{.actions = {Type(IdValue, "old"), Choose(IdInputType, "image"), Type(IdName, "go"),
                       Type(IdImageSrc, "/web/site/img/go.gif"), Choose(IdAlignment, "middle")}}},
         "<INPUT TYPE=image NAME=\"go\" SRC=\"img/go.gif\" ALIGN=middle>\r\nIntro"},
        {"image without a source still writes SRC",
         cmd::FormInput,
         {Input("image", {Type(IdName, "go")})},
         "<INPUT TYPE=image NAME=\"go\" SRC=\"\">\r\nIntro"},
        {"select",
         cmd::FormSelect,
         {{.texts = {{IdName, "pick"}, {IdNumberShown, "3"}}, .checks = {{IdMultiple, 1}}}},
         "<SELECT NAME=\"pick\" MULTIPLE SIZE=3>\r\nIntro</SELECT>"},
        {"select name only",
         cmd::FormSelect,
         {{.texts = {{IdName, "pick"}}}},
         "<SELECT NAME=\"pick\">\r\nIntro</SELECT>"},
        {"option bare", cmd::FormOption, {{}}, "<OPTION>Intro"},
        {"option selected with value",
         cmd::FormOption,
         {{.texts = {{IdValue, "v 1"}}, .checks = {{IdSelected, 1}}}},
         "<OPTION VALUE=\"v 1\" SELECTED>Intro"},
        {"textarea",
         cmd::FormTextArea,
         {{.texts = {{IdRows, "4"}, {IdColumns, "40"}, {IdName, "msg"}}}},
         "<TEXTAREA NAME=\"msg\" ROWS=4 COLS=40>\r\nIntro</TEXTAREA>"},
        {"textarea at the limits",
         cmd::FormTextArea,
         {{.texts = {{IdRows, "1"}, {IdColumns, "99999"}, {IdName, "m"}}}},
         "<TEXTAREA NAME=\"m\" ROWS=1 COLS=99999>\r\nIntro</TEXTAREA>"},
    };
    ExpectScripts(rows);
}

// The image source is passed on even when empty, but an empty path is neither recorded nor
// turned into a relative one: an unsaved document does not complain about it.
TEST_F(FormsTest, EmptyImageSourceAsksNothingOfAnUnsavedDocument) {
    document.path.clear();
    EXPECT_EQ(Wrap(cmd::FormInput, {Input("image", {Type(IdName, "go")})}),
              "<INPUT TYPE=image NAME=\"go\" SRC=\"\">\r\nIntro");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(profile.KeyNames("URLs").empty());

    Reset();
    Wrap(cmd::FormInput, {Input("image", {Type(IdName, "go"), Type(IdImageSrc, "/pics/go.gif")})});
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{messages::UnsavedRelativePath});
}

TEST_F(FormsTest, InputTypeEnablesItsFields) {
    struct Row {
        const char* type;
        std::set<int> enabled; // of the fields that follow the type
    };
    const std::set<int> dependent = {IdName,      IdValue,     IdChecked,  IdSize,
                                     IdMaxLength, IdAlignment, IdImageSrc, IdImageBrowse};
    const std::vector<Row> rows = {
        {"", {IdValue}}, // before any type is chosen
        {"text", {IdName, IdValue, IdSize, IdMaxLength}},
        {"password", {IdName, IdValue, IdSize, IdMaxLength}},
        {"checkbox", {IdName, IdValue, IdChecked}},
        {"radio", {IdName, IdValue, IdChecked}},
        {"image", {IdName, IdAlignment, IdImageSrc, IdImageBrowse}},
        {"hidden", {IdName, IdValue}},
        {"submit", {IdValue}},
        {"reset", {IdValue}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.type);
        // Every type after another one, so each rule must enable as well as disable.
        for (const char* before : {"", "image", "text"}) {
            SCOPED_TRACE(before);
            Reset();
            std::vector<Action> actions;
            if (*before)
                actions.push_back(Choose(IdInputType, before));
            if (*row.type)
                actions.push_back(Choose(IdInputType, row.type));
            else if (*before)
                continue; // a chosen type cannot be unchosen
            Wrap(cmd::FormInput, {{.actions = actions, .cancel = true}});
            std::set<int> disabled;
            for (int id : dependent)
                if (!row.enabled.count(id))
                    disabled.insert(id);
            EXPECT_EQ(runner.runs.back().disabled, disabled);
        }
        // The builder writes what the dialog enables.
        if (*row.type) {
            for (int id : dependent)
                EXPECT_EQ(InputFieldApplies(id, row.type), row.enabled.count(id) == 1) << id;
        }
    }
    // Type names are compared exactly.
    EXPECT_FALSE(InputFieldApplies(IdImageSrc, "Image"));
}

TEST_F(FormsTest, RefusalsKeepTheDialogOpenOnTheField) {
    const std::string longUrl(1025, 'u');
    const std::vector<RefusalRow> rows = {
        {"form without URL", cmd::Form, {}, messages::MustEnterValue, IdFormUrl},
        {"form URL too long",
         cmd::Form,
         {.texts = {{IdFormUrl, longUrl}}},
         "Please enter a non-empty string containing 1024 characters at the most.",
         IdFormUrl},
        {"netscape form without URL",
         cmd::FormNetscape,
         {.texts = {{IdTarget, "_top"}}},
         messages::MustEnterValue,
         IdFormUrl},
        {"text input without name", cmd::FormInput, Input("text"), messages::MustSpecifyName, IdName},
        {"image input without name", cmd::FormInput, Input("image"), messages::MustSpecifyName, IdName},
        // The name field is still greyed: the user is sent to the type list instead.
        {"no type chosen",
         cmd::FormInput,
         {.texts = {{IdValue, "v"}}},
         messages::MustSpecifyName,
         IdInputType},
        {"negative size", cmd::FormInput, Input("text", {Type(IdName, "n"), Type(IdSize, "-1")}),
         messages::CanOnlyEnterNumerals, IdSize},
        {"maximum length not a number", cmd::FormInput,
         Input("password", {Type(IdName, "n"), Type(IdMaxLength, "ten")}), messages::NotWholeNumber,
         IdMaxLength},
        {"select without name",
         cmd::FormSelect,
         {.checks = {{IdMultiple, 1}}},
         messages::MustEnterValue,
         IdName},
        {"select number shown negative",
         cmd::FormSelect,
         {.texts = {{IdName, "s"}, {IdNumberShown, "-2"}}},
         messages::CanOnlyEnterNumerals,
         IdNumberShown},
        {"textarea rows empty",
         cmd::FormTextArea,
         {.texts = {{IdColumns, "40"}, {IdName, "m"}}},
         messages::NotWholeNumber,
         IdRows},
        {"textarea zero rows",
         cmd::FormTextArea,
         {.texts = {{IdRows, "0"}, {IdColumns, "40"}, {IdName, "m"}}},
         "Please enter an integer between 1 and 99999.",
         IdRows},
        {"textarea too many columns",
         cmd::FormTextArea,
         {.texts = {{IdRows, "4"}, {IdColumns, "100000"}, {IdName, "m"}}},
         "Please enter an integer between 1 and 99999.",
         IdColumns},
        {"textarea without name",
         cmd::FormTextArea,
         {.texts = {{IdRows, "4"}, {IdColumns, "40"}}},
         messages::MustEnterValue,
         IdName},
    };
    ExpectRefusals(rows);
}

// A value left in a field that the chosen type greys out neither blocks OK nor reaches the tag.
TEST_F(FormsTest, GreyedFieldsAreNeitherCheckedNorWritten) {
    EXPECT_EQ(
        Wrap(cmd::FormInput, {Input("text", {Type(IdSize, "-5"), Type(IdName, "x"),
                                             Choose(IdInputType, "image"), Type(IdImageSrc, "b.gif")})}),
        "<INPUT TYPE=image NAME=\"x\" SRC=\"b.gif\">\r\nIntro");
    EXPECT_TRUE(prompts.messages.empty());

    Reset();
    EXPECT_EQ(Wrap(cmd::FormInput, {Input("text", {Type(IdName, "x"), Choose(IdInputType, "submit")})}),
              "<INPUT TYPE=submit>\r\nIntro");

    // The builder tests the type itself, whatever the members still hold.
    CFormInputDialog dialog;
    dialog.m_strInputType = "hidden";
    dialog.m_strName = "h";
    dialog.m_strSize = "3";
    dialog.m_strMaxLength = "9";
    dialog.m_bChecked = 1;
    dialog.m_strImageSrc = "x.gif";
    dialog.m_strAlignment = "top";
    const BuildContext context{false, profile, prompts, document};
    EXPECT_EQ(BuildFormInput(dialog, context), (TagPair{"<INPUT TYPE=hidden NAME=\"h\">\r\n", ""}));
}

TEST_F(FormsTest, NameCheckPassesOnceCorrected) {
    EXPECT_EQ(Wrap(cmd::FormInput, {{.texts = {{IdValue, "v"}}}, Input("text", {Type(IdName, "n")})}),
              "<INPUT TYPE=text NAME=\"n\" VALUE=\"v\">\r\nIntro");
    EXPECT_EQ(runner.runs.back().refusedAt, std::vector<int>{IdInputType});
}
