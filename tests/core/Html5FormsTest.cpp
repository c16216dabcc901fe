// The HTML5 form controls: the input of every type with the fields its type takes, progress and
// meter, label, field set, button, data list and output, each with the common attributes.
#include <set>

#include "core/dialogs/DataExchange.h"
#include "core/elements/Html5Forms.h"
#include "core/resources/CommandIds.h"
#include "tests/core/ElementCommandFixture.h"

using namespace razo;
using namespace razo::test;
using namespace razo::html5;

namespace {

class Html5FormCommands : public ElementCommandTest {};

Press Typed(std::map<int, std::string> texts, std::map<int, int> checks = {}) {
    return {.texts = std::move(texts), .checks = std::move(checks)};
}

} // namespace

TEST_F(Html5FormCommands, InputWritesTheAttributesOfItsType) {
    ExpectTexts({
        {"default: a text field", cmd::InputHtml5, {}, "<INPUT TYPE=text>\r\nIntro"},
        {"text with every text field", cmd::InputHtml5,
         Typed({{IdInputName, "who"},
                {IdInputValue, "Ann"},
                {IdInputSize, "20"},
                {IdInputMaxLength, "40"},
                {IdPlaceholder, "Your name"},
                {IdPattern, "[A-Z][a-z]+"},
                {IdInputList, "names"},
                {IdAutocomplete, "shipping given-name"}},
               {{IdRequired, 1}, {IdAutofocus, 1}}),
         "<INPUT TYPE=text NAME=\"who\" VALUE=\"Ann\" SIZE=20 MAXLENGTH=40 PLACEHOLDER=\"Your name\" "
         "PATTERN=\"[A-Z][a-z]+\" LIST=\"names\" AUTOCOMPLETE=\"shipping given-name\" REQUIRED "
         "AUTOFOCUS>\r\nIntro"},
        {"number with its range", cmd::InputHtml5,
         Typed({{IdInputType, "number"},
                {IdInputValue, "2.5"},
                {IdMin, "-1"},
                {IdMax, "1e2"},
                {IdStep, "0.5"},
                {IdPlaceholder, "0"}}),
         "<INPUT TYPE=number VALUE=\"2.5\" PLACEHOLDER=\"0\" MIN=-1 MAX=1e2 STEP=0.5>\r\nIntro"},
        {"date with any step", cmd::InputHtml5,
         Typed({{IdInputType, "date"}, {IdMin, "2026-01-01"}, {IdMax, "2026-12-31"}, {IdStep, "any"}}),
         "<INPUT TYPE=date MIN=2026-01-01 MAX=2026-12-31 STEP=any>\r\nIntro"},
        {"checked check box", cmd::InputHtml5,
         Typed({{IdInputType, "checkbox"}, {IdInputName, "ok"}}, {{IdInputChecked, 1}}),
         "<INPUT TYPE=checkbox NAME=\"ok\" CHECKED>\r\nIntro"},
        {"colour with its value", cmd::InputHtml5, Typed({{IdInputType, "color"}, {IdInputValue, "#336699"}}),
         "<INPUT TYPE=color VALUE=\"#336699\">\r\nIntro"},
        {"common attributes last", cmd::InputHtml5,
         Typed({{IdInputType, "email"}, {IdId, "mail"}, {IdLang, "en"}, {IdOtherAttributes, "multiple"}}),
         "<INPUT TYPE=email ID=\"mail\" LANG=en multiple>\r\nIntro"},
    });
    UseMarkupStyle(true, true);
    ExpectTexts({{"lower case, every value quoted", cmd::InputHtml5,
                  Typed({{IdInputType, "range"}, {IdMin, "0"}, {IdMax, "10"}}),
                  "<input type=\"range\" min=\"0\" max=\"10\">\r\nIntro"}});
}

// Every field the type does not take is greyed when the dialog opens with that type and after
// choosing it, whatever type was chosen before.
TEST_F(Html5FormCommands, InputTypeEnablesItsFields) {
    const std::set<int> dependent = {
        IdInputChecked, IdInputSize, IdInputMaxLength, IdPlaceholder,  IdPattern,  IdMin,
        IdMax,          IdStep,      IdInputList,      IdAutocomplete, IdRequired, IdAutofocus};
    struct Row {
        const char* type;
        std::set<int> disabled;
    };
    const std::set<int> range = {IdMin, IdMax, IdStep};
    const std::set<int> text = {IdInputSize, IdInputMaxLength, IdPattern, IdPlaceholder};
    auto without = [](std::set<int> all, std::set<int> taken) {
        for (int id : taken)
            all.erase(id);
        return all;
    };
    auto with = [](std::set<int> a, const std::set<int>& b) {
        a.insert(b.begin(), b.end());
        return a;
    };
    const std::vector<Row> rows = {
        {"text", with(range, {IdInputChecked})},
        {"password", with(range, {IdInputChecked, IdInputList})},
        {"number", {IdInputChecked, IdInputSize, IdInputMaxLength, IdPattern}},
        {"range", with(text, {IdInputChecked, IdRequired})},
        {"datetime-local", with(text, {IdInputChecked})},
        {"color", with(with(text, range), {IdInputChecked, IdRequired})},
        {"checkbox", without(dependent, {IdInputName, IdInputChecked, IdRequired, IdAutofocus})},
        {"hidden", without(dependent, {IdInputName, IdAutocomplete})},
        {"submit", without(dependent, {IdAutofocus})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        for (const char* before : {"text", "checkbox", "hidden"}) {
            Reset();
            Wrap(cmd::InputHtml5,
                 {{.actions = {Choose(IdInputType, before), Choose(IdInputType, row.type)}, .cancel = true}});
            std::set<int> disabled;
            for (int id : runner.runs.back().disabled)
                if (dependent.count(id))
                    disabled.insert(id);
            EXPECT_EQ(disabled, row.disabled) << "after " << before;
        }
    }
}

TEST_F(Html5FormCommands, InputRefusesValuesItsTypeDoesNotTake) {
    ExpectRefusals({
        {"a number that is not one", cmd::InputHtml5, Typed({{IdInputType, "number"}, {IdInputValue, "1,5"}}),
         messages::NotANumber, IdInputValue},
        {"a date of another form", cmd::InputHtml5, Typed({{IdInputType, "date"}, {IdMin, "01.05.2026"}}),
         "Please enter a value of the form the input type takes (2026-05-01).", IdMin},
        {"a day the month lacks", cmd::InputHtml5, Typed({{IdInputType, "date"}, {IdMax, "2026-02-30"}}),
         "Please enter a value of the form the input type takes (2026-05-01).", IdMax},
        {"a week in a month field", cmd::InputHtml5,
         Typed({{IdInputType, "month"}, {IdInputValue, "2026-W18"}}),
         "Please enter a value of the form the input type takes (2026-05).", IdInputValue},
        {"a time with a zone", cmd::InputHtml5,
         Typed({{IdInputType, "datetime-local"}, {IdMin, "2026-05-01T14:30Z"}}),
         "Please enter a value of the form the input type takes (2026-05-01T14:30).", IdMin},
        {"minimum above maximum", cmd::InputHtml5,
         Typed({{IdInputType, "range"}, {IdMin, "10"}, {IdMax, "9.5"}}), messages::MinAboveMax, IdMax},
        {"later date as minimum", cmd::InputHtml5,
         Typed({{IdInputType, "week"}, {IdMin, "2026-W20"}, {IdMax, "2026-W18"}}), messages::MinAboveMax,
         IdMax},
        {"a step of 0", cmd::InputHtml5, Typed({{IdInputType, "number"}, {IdStep, "0"}}), messages::NotAStep,
         IdStep},
        {"a colour by name", cmd::InputHtml5, Typed({{IdInputType, "color"}, {IdInputValue, "red"}}),
         messages::NotAColourValue, IdInputValue},
        {"a list ID with a blank", cmd::InputHtml5, Typed({{IdInputList, "my list"}}), messages::IdWithBlanks,
         IdInputList},
        {"autocomplete with a quote", cmd::InputHtml5, Typed({{IdAutocomplete, "on\""}}),
         messages::NotAutocomplete, IdAutocomplete},
        {"size 0", cmd::InputHtml5, Typed({{IdInputSize, "0"}}),
         "Please enter an integer between 1 and 99999.", IdInputSize},
        {"a common field", cmd::InputHtml5, Typed({{IdId, "a b"}}), messages::IdWithBlanks, IdId},
    });
}

TEST(Html5FormValues, NumbersAndDatesTakeTheirHtmlForms) {
    struct Row {
        const char* text;
        bool number;
    };
    for (const Row row : {Row{"3", true},
                          {"-0.5", true},
                          {".5", true},
                          {"1e3", true},
                          {"1E-3", true},
                          {"+1", false},
                          {"1.", false},
                          {"", false},
                          {"-", false},
                          {"1e", false},
                          {" 1", false},
                          {"0x1", false}})
        EXPECT_EQ(IsHtmlNumber(row.text), row.number) << row.text;

    struct DateRow {
        const char* text;
        const char* type;
        bool valid;
    };
    for (const DateRow row : {DateRow{"2026-05-01", "date", true},
                              {"2024-02-29", "date", true},
                              {"2026-5-01", "date", false},
                              {"14:30", "time", true},
                              {"14:30:05.250", "time", true},
                              {"24:00", "time", false},
                              {"14:30:05.2501", "time", false},
                              {"2026-05-01T14:30", "datetime-local", true},
                              {"2026-05-01 14:30", "datetime-local", true},
                              {"2026-05-01T14:30+02:00", "datetime-local", false},
                              {"2026-05", "month", true},
                              {"2026-13", "month", false},
                              {"2026-W53", "week", true},
                              {"2026-W54", "week", false},
                              {"2025-W53", "week", false},
                              {"2020-W53", "week", true},
                              {"2026-05-01", "week", false}})
        EXPECT_EQ(IsDateOfInputType(row.text, row.type), row.valid) << row.text << " " << row.type;
}

TEST_F(Html5FormCommands, OtherControlsWriteTheirElements) {
    ExpectTexts({
        {"progress of unknown length", cmd::Progress, {}, "<PROGRESS>Intro</PROGRESS>"},
        {"progress", cmd::Progress, Typed({{IdGaugeValue, "30"}, {IdGaugeMax, "100"}}),
         "<PROGRESS VALUE=30 MAX=100>Intro</PROGRESS>"},
        {"meter, its value alone", cmd::Meter, Typed({{IdGaugeValue, "0.6"}}),
         "<METER VALUE=0.6>Intro</METER>"},
        {"meter with every mark", cmd::Meter,
         Typed({{IdGaugeValue, "-5"},
                {IdGaugeMin, "-10"},
                {IdGaugeMax, "10"},
                {IdLow, "-2"},
                {IdHigh, "2"},
                {IdOptimum, "0"},
                {IdClass, "temp"}}),
         "<METER VALUE=-5 MIN=-10 MAX=10 LOW=-2 HIGH=2 OPTIMUM=0 CLASS=\"temp\">Intro</METER>"},
        {"label", cmd::FormLabel, {}, "<LABEL>Intro</LABEL>"},
        {"label for a control", cmd::FormLabel, Typed({{IdLabelFor, "mail"}}),
         "<LABEL FOR=\"mail\">Intro</LABEL>"},
        {"field set", cmd::FieldSet, {}, "<FIELDSET>\r\nIntro\r\n</FIELDSET>"},
        {"field set with its legend", cmd::FieldSet,
         Typed({{IdLegend, "Address"}, {IdFieldSetName, "addr"}}, {{IdFieldSetDisabled, 1}}),
         "<FIELDSET NAME=\"addr\" DISABLED>\r\n<LEGEND>Address</LEGEND>\r\nIntro\r\n</FIELDSET>"},
        {"button", cmd::FormButton, {}, "<BUTTON TYPE=submit>Intro</BUTTON>"},
        {"submit button sending elsewhere", cmd::FormButton,
         Typed({{IdButtonName, "go"},
                {IdButtonValue, "1"},
                {IdFormAction, "/home/site/cgi/save.pl"},
                {IdFormMethod, "post"},
                {IdFormEncType, "multipart/form-data"},
                {IdFormTarget, "_blank"}},
               {{IdButtonAutofocus, 1}, {IdFormNoValidate, 1}}),
         "<BUTTON TYPE=submit NAME=\"go\" VALUE=\"1\" AUTOFOCUS FORMACTION=\"cgi/save.pl\" FORMMETHOD=post "
         "FORMENCTYPE=\"multipart/form-data\" FORMTARGET=\"_blank\" FORMNOVALIDATE>Intro</BUTTON>"},
        {"plain button", cmd::FormButton, Typed({{IdButtonType, "button"}}, {{IdButtonDisabled, 1}}),
         "<BUTTON TYPE=button DISABLED>Intro</BUTTON>"},
        {"data list with its options, empty rows left out", cmd::DataList,
         Typed({{IdId, "fruit"},
                {IdOptionValue1, "apple"},
                {IdOptionValue1 + 1, "Apple"},
                {IdOptionValue1 + 4, "pear"}}),
         "<DATALIST ID=\"fruit\">\r\n<OPTION VALUE=\"apple\" LABEL=\"Apple\">\r\n<OPTION "
         "VALUE=\"pear\">\r\nIntro\r\n"
         "</DATALIST>"},
        {"output", cmd::FormOutput, Typed({{IdOutputFor, "a b"}, {IdOutputName, "sum"}}),
         "<OUTPUT FOR=\"a b\" NAME=\"sum\">Intro</OUTPUT>"},
    });
    UseMarkupStyle(true, true);
    ExpectTexts({{"meter in lower case", cmd::Meter, Typed({{IdGaugeValue, "1"}}),
                  "<meter value=\"1\">Intro</meter>"},
                 {"inner tags too", cmd::DataList, Typed({{IdId, "l"}, {IdOptionValue1, "a"}}),
                  "<datalist id=\"l\">\r\n<option value=\"a\">\r\nIntro\r\n</datalist>"}});
}

TEST_F(Html5FormCommands, ProgressTakesValueAndMaximumOnly) {
    for (int command : {cmd::Progress, cmd::Meter}) {
        Reset();
        Wrap(command, {{.cancel = true}});
        const std::set<int> meterOnly = {IdGaugeMin, IdLow, IdHigh, IdOptimum};
        EXPECT_EQ(runner.runs.back().disabled, command == cmd::Progress ? meterOnly : std::set<int>{});
    }
}

TEST_F(Html5FormCommands, ButtonSendsElsewhereOnlyWhenItSubmits) {
    const std::set<int> submitOnly = {IdFormAction,  IdFormActionBrowse, IdFormMethod,
                                      IdFormEncType, IdFormTarget,       IdFormNoValidate};
    for (const char* type : {"reset", "button", "submit"}) {
        Reset();
        Wrap(cmd::FormButton,
             {{.actions = {Choose(IdButtonType, "reset"), Choose(IdButtonType, type)}, .cancel = true}});
        EXPECT_EQ(runner.runs.back().disabled, std::string(type) == "submit" ? std::set<int>{} : submitOnly)
            << type;
    }
}

TEST_F(Html5FormCommands, OtherControlsRefuseWhatHtml5DoesNotAllow) {
    ExpectRefusals({
        {"meter without value", cmd::Meter, {}, messages::MustEnterValue, IdGaugeValue},
        {"a value that is no number", cmd::Progress, Typed({{IdGaugeValue, "half"}}), messages::NotANumber,
         IdGaugeValue},
        {"progress beyond its maximum", cmd::Progress, Typed({{IdGaugeValue, "2"}}), messages::OutsideMinMax,
         IdGaugeValue},
        {"progress with maximum 0", cmd::Progress, Typed({{IdGaugeMax, "0"}}), messages::MaxNotPositive,
         IdGaugeMax},
        {"meter minimum above maximum", cmd::Meter, Typed({{IdGaugeValue, "1"}, {IdGaugeMin, "5"}}),
         messages::MinAboveMax, IdGaugeMin},
        {"meter below its minimum", cmd::Meter, Typed({{IdGaugeValue, "-1"}}), messages::OutsideMinMax,
         IdGaugeValue},
        {"high mark outside", cmd::Meter, Typed({{IdGaugeValue, "1"}, {IdGaugeMax, "10"}, {IdHigh, "11"}}),
         messages::OutsideMinMax, IdHigh},
        {"low above high", cmd::Meter,
         Typed({{IdGaugeValue, "1"}, {IdGaugeMax, "10"}, {IdLow, "6"}, {IdHigh, "4"}}),
         messages::LowAboveHigh, IdHigh},
        {"label for two IDs", cmd::FormLabel, Typed({{IdLabelFor, "a b"}}), messages::IdWithBlanks,
         IdLabelFor},
        {"output for a quote", cmd::FormOutput, Typed({{IdOutputFor, "a\"b"}}), messages::NotAnIdList,
         IdOutputFor},
        {"data list without ID", cmd::DataList, Typed({{IdOptionValue1, "a"}}), messages::DataListNeedsId,
         IdId},
    });
}
