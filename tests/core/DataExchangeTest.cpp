#include <gtest/gtest.h>

#include <functional>

#include "core/dialogs/DataExchange.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/ScriptedDialogRunner.h"

using namespace razo;
using razo::test::FakeUserPrompts;
using razo::test::ScriptedFields;

namespace {

constexpr int Field = 100;
constexpr int Other = 101;

const DialogTemplate& OneField() {
    static const DialogTemplate t = [] {
        DialogTemplate made;
        made.controls = {Edit(Field, "Field:"), Edit(Other, "Other:")};
        return made;
    }();
    return t;
}

struct Outcome {
    bool failed;
    std::string member;
    std::string message; // "" when none was shown
};

// Runs one save-mode routine over a field holding `typed`.
Outcome Exchange(const std::function<void(CDataExchange&, std::string&)>& routine, const std::string& typed) {
    ScriptedFields fields(OneField());
    fields.SetText(Field, typed);
    FakeUserPrompts prompts;
    CDataExchange dx(true, fields, prompts);
    std::string member = "unchanged";
    routine(dx, member);
    EXPECT_LE(prompts.messages.size(), 1u);
    if (dx.Failed()) {
        EXPECT_EQ(fields.returnControl, Field);
        EXPECT_EQ(prompts.messages.at(0).icon, MessageIcon::Exclamation);
    }
    return {dx.Failed(), member, prompts.messages.empty() ? "" : prompts.messages[0].text};
}

struct Row {
    const char* name;
    std::string typed;
    bool failed;
    std::string member;
    std::string message;
};

void Check(const std::function<void(CDataExchange&, std::string&)>& routine, const std::vector<Row>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Outcome out = Exchange(routine, row.typed);
        EXPECT_EQ(out.failed, row.failed);
        EXPECT_EQ(out.message, row.message);
        if (!row.failed) {
            EXPECT_EQ(out.member, row.member);
        }
    }
}

const std::string Whole = messages::NotWholeNumber;

} // namespace

TEST(DataExchange, OptionalNumber) {
    Check([](CDataExchange& dx, std::string& m) { DDX_OptionalNumber(dx, Field, m); },
          {
              {"empty", "", false, "", ""},
              {"plain", "12", false, "12", ""},
              {"leading blank and zero", " 012", false, "12", ""},
              {"zeros", "007", false, "7", ""},
              {"zero", "0", false, "0", ""},
              {"blank only", " ", true, "", Whole},
              {"negative", "-3", true, "", "You can only enter numerals."},
              {"letters", "12a", true, "", Whole},
              {"letters only", "abc", true, "", Whole},
              {"decimal", "1.5", true, "", Whole},
              {"too big for an int", "99999999999", true, "", Whole},
          });
}

TEST(DataExchange, RequiredNumber) {
    Check([](CDataExchange& dx, std::string& m) { DDX_RequiredNumber(dx, Field, m); },
          {
              {"empty refused as not a number", "", true, "", Whole},
              {"plain", "42", false, "42", ""},
              {"leading zeros", " 012", false, "12", ""},
              {"negative", "-1", true, "", "You must only enter numerals."},
              {"letters", "x", true, "", Whole},
          });
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(DataExchange, RequiredTextAndLength) {
    auto requiredThenLength = [](CDataExchange& dx, std::string& m) {
        DDX_RequiredText(dx, Field, m);
        DDV_TextLength(dx, m, 1024);
    };
    const std::string tooLong = "Please enter a non-empty string containing 1024 characters at the most.";
    Check(requiredThenLength,
          {
              {"empty", "", true, "", "You must enter a value."},
              {"blanks count as text", "  ", false, "  ", ""},
              {"1024 characters", std::string(1024, 'u'), false, std::string(1024, 'u'), ""},
              {"1025 characters", std::string(1025, 'u'), true, "", tooLong},
              // Characters, not bytes: each "é" takes two bytes of UTF-8.
              {"1024 accented characters", Repeat("\xc3\xa9", 1024), false, Repeat("\xc3\xa9", 1024), ""},
              {"1025 accented characters", Repeat("\xc3\xa9", 1025), true, "", tooLong},
          });
}

TEST(DataExchange, ColourNumber) {
    const std::string bad = "This is not a valid colour number.";
    Check([](CDataExchange& dx, std::string& m) { DDX_ColourNumber(dx, Field, m); },
          {
              {"empty", "", false, "", ""},
              {"lower case kept", "00ff00", false, "00ff00", ""},
              {"upper case kept", "ABCDEF", false, "ABCDEF", ""},
              {"number sign", "#00ff00", true, "", bad},
              {"number sign and five", "#00ff0", true, "", bad},
              {"five digits", "00ff0", true, "", bad},
              {"letter beyond f", "00ffg0", true, "", bad},
              {"g", "g", true, "", bad},
              {"blank", " 00ff0", true, "", bad},
          });
}

TEST(DataExchange, NumberRanges) {
    const std::string range = "Please enter an integer between 1 and 7.";
    auto optionalRange = [](CDataExchange& dx, std::string& m) {
        DDX_OptionalNumber(dx, Field, m);
        DDV_OptionalNumberRange(dx, m, 1, 7);
    };
    Check(optionalRange, {
                             {"empty passes", "", false, "", ""},
                             {"low bound", "1", false, "1", ""},
                             {"high bound", "7", false, "7", ""},
                             {"zero", "0", true, "", range},
                             {"eight", "8", true, "", range},
                         });
    auto requiredRange = [](CDataExchange& dx, std::string& m) {
        DDX_RequiredNumber(dx, Field, m);
        DDV_NumberRange(dx, m, 1, 99999);
    };
    Check(requiredRange, {
                             {"in range", "99999", false, "99999", ""},
                             {"above", "100000", true, "", "Please enter an integer between 1 and 99999."},
                             {"empty", "", true, "", Whole},
                         });
}

TEST(DataExchange, PlatformRoutinesLoadAndSave) {
    ScriptedFields fields(OneField());
    FakeUserPrompts prompts;
    std::string text = "preset";
    int number = 5;
    CDataExchange load(false, fields, prompts);
    DDX_Text(load, Field, text);
    DDX_Text(load, Other, number);
    EXPECT_EQ(fields.GetText(Field), "preset");
    EXPECT_EQ(fields.GetText(Other), "5");

    fields.SetText(Other, " 250 ");
    CDataExchange save(true, fields, prompts);
    DDX_Text(save, Other, number);
    DDV_MinMaxInt(save, number, 1, 100);
    EXPECT_TRUE(save.Failed());
    EXPECT_EQ(save.ReturnControl(), Other);
    ASSERT_EQ(prompts.Texts(), std::vector<std::string>{"Please enter an integer between 1 and 100."});

    fields.SetText(Field, std::string(11, 'x'));
    CDataExchange chars(true, fields, prompts);
    DDX_Text(chars, Field, text);
    DDV_MaxChars(chars, text, 10);
    EXPECT_TRUE(chars.Failed());
    EXPECT_EQ(prompts.messages.back().text, "Please enter no more than 10 characters.");
}

TEST(DataExchange, OnlyTheFirstRefusalIsShown) {
    ScriptedFields fields(OneField());
    fields.SetText(Field, "-1");
    fields.SetText(Other, "abc");
    FakeUserPrompts prompts;
    CDataExchange dx(true, fields, prompts);
    std::string first, second = "kept";
    DDX_OptionalNumber(dx, Field, first);
    DDX_OptionalNumber(dx, Other, second);
    DDX_RequiredText(dx, Other, second);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"You can only enter numerals."});
    EXPECT_EQ(fields.returnControl, Field);
    EXPECT_EQ(second, "kept");
}

// While loading, a member that holds a value (a tag read back from the page) shows it; an empty
// one leaves the control as the template made it; nothing is checked.
TEST(DataExchange, OwnRoutinesLoadOnlyMembersThatHoldAValue) {
    for (auto routine : {DDX_OptionalNumber, DDX_RequiredNumber, DDX_RequiredText, DDX_ColourNumber}) {
        ScriptedFields fields(OneField());
        fields.SetText(Field, "from the template");
        FakeUserPrompts prompts;
        CDataExchange dx(false, fields, prompts);
        std::string empty, member = "not a number";
        routine(dx, Field, empty);
        EXPECT_EQ(fields.GetText(Field), "from the template");
        routine(dx, Field, member);
        DDV_TextLength(dx, std::string(2000, 'x'), 1024);
        EXPECT_EQ(fields.GetText(Field), "not a number");
        EXPECT_EQ(member, "not a number");
        EXPECT_TRUE(prompts.messages.empty());
    }
}

TEST(DataExchange, MaxCharsCountsCharactersNotBytes) {
    auto maxTen = [](CDataExchange& dx, std::string& m) {
        DDX_Text(dx, Field, m);
        DDV_MaxChars(dx, m, 10);
    };
    const std::string tooMany = "Please enter no more than 10 characters.";
    Check(maxTen, {
                      {"ten letters", std::string(10, 'a'), false, std::string(10, 'a'), ""},
                      {"eleven letters", std::string(11, 'a'), true, "", tooMany},
                      {"ten two-byte characters", Repeat("\xc3\xa9", 10), false, Repeat("\xc3\xa9", 10), ""},
                      {"ten three-byte characters", Repeat("\xe2\x82\xac", 10), false,
                       Repeat("\xe2\x82\xac", 10), ""},
                      {"ten four-byte characters", Repeat("\xf0\x9f\x98\x80", 10), false,
                       Repeat("\xf0\x9f\x98\x80", 10), ""},
                      {"eleven two-byte characters", Repeat("\xc3\xa9", 11), true, "", tooMany},
                  });
}

namespace {

constexpr int List = 102, Check1 = 103, RadioA = 104, RadioB = 105, RadioC = 106;

const DialogTemplate& Choices() {
    static const DialogTemplate t = [] {
        DialogTemplate made;
        made.controls = {ListCombo(List, "Kind:", {"disc", "circle", "square"}), CheckBox(Check1, "Compact"),
                         RadioButton(RadioA, "A").GroupStart(), RadioButton(RadioB, "B"),
                         RadioButton(RadioC, "C")};
        return made;
    }();
    return t;
}

} // namespace

// Lists, check boxes and radio groups: what the user set goes into the member on OK, and the
// member into the control when the dialog opens.
TEST(DataExchange, ChoiceRoutinesRoundTrip) {
    struct ChoiceRow {
        const char* name;
        std::function<void(ScriptedFields&)> user;
        int index, check, radio;
        std::string text;
    };
    const std::vector<ChoiceRow> rows = {
        {"nothing chosen", [](ScriptedFields&) {}, -1, 0, -1, ""},
        {"second entry, ticked, last button",
         [](ScriptedFields& f) {
             f.SetText(List, "circle");
             f.SetCheck(Check1, 1);
             f.SetRadioIndex(RadioA, 2);
         },
         1, 1, 2, "circle"},
        {"entry by index, first button",
         [](ScriptedFields& f) {
             f.SetListIndex(List, 2);
             f.SetRadioIndex(RadioA, 0);
         },
         2, 0, 0, "square"},
    };
    for (const ChoiceRow& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedFields fields(Choices());
        row.user(fields);
        FakeUserPrompts prompts;
        CDataExchange save(true, fields, prompts);
        int index = 99, check = 99, radio = 99;
        std::string text = "unchanged";
        DDX_CBIndex(save, List, index);
        DDX_CBString(save, List, text);
        DDX_Check(save, Check1, check);
        DDX_Radio(save, RadioA, radio);
        EXPECT_FALSE(save.Failed());
        EXPECT_EQ(index, row.index);
        EXPECT_EQ(text, row.text);
        EXPECT_EQ(check, row.check);
        EXPECT_EQ(radio, row.radio);

        ScriptedFields reopened(Choices());
        CDataExchange load(false, reopened, prompts);
        DDX_CBIndex(load, List, index);
        DDX_Check(load, Check1, check);
        DDX_Radio(load, RadioA, radio);
        EXPECT_EQ(reopened.GetText(List), row.text);
        EXPECT_EQ(reopened.GetCheck(Check1), row.check);
        EXPECT_EQ(reopened.GetRadioIndex(RadioA), row.radio);
        EXPECT_TRUE(prompts.messages.empty());
    }
}

// A control the dialog disabled holds a value the user cannot mend: it is neither checked nor
// taken, and the checks that follow its exchange pass.
TEST(DataExchange, DisabledControlsAreNotCheckedAndGiveEmptyValues) {
    using Routine = std::function<void(CDataExchange&, std::string&)>;
    const std::vector<std::pair<const char*, Routine>> routines = {
        {"optional number", [](CDataExchange& dx, std::string& m) { DDX_OptionalNumber(dx, Field, m); }},
        {"required number then range",
         [](CDataExchange& dx, std::string& m) {
             DDX_RequiredNumber(dx, Field, m);
             DDV_NumberRange(dx, m, 1, 7);
         }},
        {"required text then length",
         [](CDataExchange& dx, std::string& m) {
             DDX_RequiredText(dx, Field, m);
             DDV_TextLength(dx, m, 2);
         }},
        {"colour number", [](CDataExchange& dx, std::string& m) { DDX_ColourNumber(dx, Field, m); }},
        {"text then max chars",
         [](CDataExchange& dx, std::string& m) {
             DDX_Text(dx, Field, m);
             DDV_MaxChars(dx, m, 2);
         }},
        {"combo text", [](CDataExchange& dx, std::string& m) { DDX_CBString(dx, Field, m); }},
    };
    for (const auto& [name, routine] : routines) {
        SCOPED_TRACE(name);
        ScriptedFields fields(OneField());
        fields.SetText(Field, "-12 not valid anywhere");
        fields.EnableControl(Field, false);
        FakeUserPrompts prompts;
        CDataExchange dx(true, fields, prompts);
        std::string member = "left from another type";
        routine(dx, member);
        EXPECT_FALSE(dx.Failed());
        EXPECT_EQ(member, "");
        EXPECT_TRUE(prompts.messages.empty());
    }
    // Enabled again, the same value is refused.
    ScriptedFields fields(OneField());
    fields.SetText(Field, "-12");
    fields.EnableControl(Field, false);
    fields.EnableControl(Field, true);
    FakeUserPrompts prompts;
    CDataExchange dx(true, fields, prompts);
    std::string member;
    DDX_OptionalNumber(dx, Field, member);
    EXPECT_TRUE(dx.Failed());
}

TEST(DataExchange, RefusalIconIsTheCallersChoice) {
    for (MessageIcon icon : {MessageIcon::Exclamation, MessageIcon::None}) {
        ScriptedFields fields(OneField());
        FakeUserPrompts prompts;
        CDataExchange dx(true, fields, prompts);
        dx.Refuse(Other, "No.", icon);
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].icon, icon);
        EXPECT_EQ(dx.ReturnControl(), Other);
    }
}
