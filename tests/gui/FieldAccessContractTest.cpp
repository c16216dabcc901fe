// The fields of a running dialog behave alike on the real widgets and on the scripted fake that
// the core tests run on: every row is played on both, and both must end as the row says.
#include <QtTest>
#include <string>
#include <vector>

#include "core/dialogs/DialogTemplate.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/WidgetFieldAccess.h"
#include "tests/support/ScriptedDialogRunner.h"

using namespace razo;

namespace {

enum : int { IdEdit = 3001, IdList, IdSorted, IdCombo, IdCheck, IdFirstRadio, IdSecondRadio, IdThirdRadio };

const DialogTemplate& FieldsTemplate() {
    static const DialogTemplate t = MakeDialogTemplate(
        3000, "Fields", 200, 100, false, "",
        {Edit(IdEdit, "Edit:"), ListCombo(IdList, "List:", {"b", "a", "b2"}),
         ListCombo(IdSorted, "Sorted:", {"right", "Left", "center"}).Sorted(), UrlCombo(IdCombo, "Combo:"),
         CheckBox(IdCheck, "Check"), RadioButton(IdFirstRadio, "One").GroupStart(),
         RadioButton(IdSecondRadio, "Two"), RadioButton(IdThirdRadio, "Three")});
    return t;
}

// One call through the port.
struct Step {
    enum Kind { SetText, Add, Select, SetIndex, SetCheck, SetRadio, Disable, Enable } kind;
    int id;
    std::string text = {};
    int number = 0;
};

// Plays the steps; what SelectListString answered, in order.
std::string Play(FieldAccess& fields, const std::vector<Step>& steps) {
    std::string answers;
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::SetText:
            fields.SetText(step.id, step.text);
            break;
        case Step::Add:
            fields.AddListEntry(step.id, step.text);
            break;
        case Step::Select:
            answers += fields.SelectListString(step.id, step.text) ? "found " : "missing ";
            break;
        case Step::SetIndex:
            fields.SetListIndex(step.id, step.number);
            break;
        case Step::SetCheck:
            fields.SetCheck(step.id, step.number);
            break;
        case Step::SetRadio:
            fields.SetRadioIndex(step.id, step.number);
            break;
        case Step::Disable:
        case Step::Enable:
            fields.EnableControl(step.id, step.kind == Step::Enable);
            break;
        }
    }
    return answers;
}

// What a control shows, read through the port: an edit's text; a list's text, selected index and
// entries in the order shown; a box's check; a group's ticked button.
std::string Observe(FieldAccess& fields, int id) {
    std::string seen;
    if (id == IdCheck) {
        seen = "check " + std::to_string(fields.GetCheck(id));
    } else if (id == IdFirstRadio) {
        seen = "radio " + std::to_string(fields.GetRadioIndex(id));
    } else if (id == IdEdit) {
        seen = "\"" + fields.GetText(id) + "\"";
    } else {
        seen = "\"" + fields.GetText(id) + "\" @" + std::to_string(fields.GetListIndex(id)) + " [";
        for (int index = 0;; ++index) {
            fields.SetListIndex(id, index);
            if (fields.GetListIndex(id) != index)
                break;
            seen += (index ? "|" : "") + fields.GetText(id);
        }
        seen += "]";
    }
    return fields.IsEnabled(id) ? seen : seen + " disabled";
}

struct Row {
    const char* name;
    std::vector<Step> steps;
    int id;
    std::string seen;
};

Step Add(int id, std::string text) {
    return {Step::Add, id, std::move(text)};
}

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"edit keeps UTF-8 text",
         {{Step::SetText, IdEdit,
           "Gr\xC3\xB6\xC3\x9F"
           "e 5 \xE2\x82\xAC"}},
         IdEdit,
         "\"Gr\xC3\xB6\xC3\x9F"
         "e 5 \xE2\x82\xAC\""},
        {"list opens with nothing selected", {}, IdList, "\"\" @-1 [b|a|b2]"},
        {"list takes the text of an entry", {{Step::SetText, IdList, "a"}}, IdList, "\"a\" @1 [b|a|b2]"},
        {"list selects nothing for another text",
         {{Step::SetText, IdList, "a"}, {Step::SetText, IdList, "c"}},
         IdList,
         "\"\" @-1 [b|a|b2]"},
        {"list compares letter case", {{Step::SetText, IdList, "A"}}, IdList, "\"\" @-1 [b|a|b2]"},
        {"list by index", {{Step::SetIndex, IdList, "", 2}}, IdList, "\"b2\" @2 [b|a|b2]"},
        {"list index out of range selects nothing",
         {{Step::SetIndex, IdList, "", 2}, {Step::SetIndex, IdList, "", 3}},
         IdList,
         "\"\" @-1 [b|a|b2]"},
        {"selecting a missing string keeps the selection",
         {{Step::Select, IdList, "b2"}, {Step::Select, IdList, "B2"}},
         IdList,
         "found missing \"b2\" @2 [b|a|b2]"},
        {"sorted list ignores letter case", {}, IdSorted, "\"\" @-1 [center|Left|right]"},
        {"added entries go after those equal to them",
         {Add(IdSorted, "left"), Add(IdSorted, "Center"), Add(IdSorted, "b")},
         IdSorted,
         "\"\" @-1 [b|center|Center|Left|left|right]"},
        {"a selection moves with the entry",
         {{Step::SetText, IdSorted, "Left"}, Add(IdSorted, "a")},
         IdSorted,
         "\"Left\" @2 [a|center|Left|right]"},
        {"adding keeps the typed text",
         {{Step::SetText, IdCombo, "typed"}, Add(IdCombo, "a")},
         IdCombo,
         "\"typed\" @-1 [a]"},
        {"accented entries sort as letters after z, letter case ignored",
         {Add(IdCombo, "Z\xC3\xBCrich"), Add(IdCombo, "zebra"), Add(IdCombo, "\xC3\x89mile"),
          Add(IdCombo, "\xC3\xA9"
                       "clair"),
          Add(IdCombo, "\xC3\x85ngstr\xC3\xB6m"), Add(IdCombo, "apple"), Add(IdCombo, "\xC3\xA9mile")},
         IdCombo,
         "\"\" @-1 [apple|zebra|Z\xC3\xBCrich|\xC3\x85ngstr\xC3\xB6m|\xC3\xA9"
         "clair|\xC3\x89mile|"
         "\xC3\xA9mile]"},
        {"Greek and Cyrillic capitals sort with their small letters",
         {Add(IdCombo, "\xD1\x8F\xD1\x81\xD0\xBD\xD0\xBE"), Add(IdCombo, "\xD0\xAF\xD0\xB2\xD0\xBD\xD0\xBE"),
          Add(IdCombo, "\xCE\xB1"), Add(IdCombo, "\xCE\x92")},
         IdCombo,
         "\"\" @-1 [\xCE\xB1|\xCE\x92|\xD0\xAF\xD0\xB2\xD0\xBD\xD0\xBE|\xD1\x8F\xD1\x81\xD0\xBD\xD0\xBE]"},
        {"check box", {{Step::SetCheck, IdCheck, "", 1}}, IdCheck, "check 1"},
        {"check box cleared",
         {{Step::SetCheck, IdCheck, "", 1}, {Step::SetCheck, IdCheck, "", 0}},
         IdCheck,
         "check 0"},
        {"radio group opens with none ticked", {}, IdFirstRadio, "radio -1"},
        {"radio button by index", {{Step::SetRadio, IdFirstRadio, "", 2}}, IdFirstRadio, "radio 2"},
        {"radio group cleared",
         {{Step::SetRadio, IdFirstRadio, "", 1}, {Step::SetRadio, IdFirstRadio, "", -1}},
         IdFirstRadio,
         "radio -1"},
        {"disabled", {{Step::Disable, IdEdit}}, IdEdit, "\"\" disabled"},
        {"enabled again", {{Step::Disable, IdEdit}, {Step::Enable, IdEdit}}, IdEdit, "\"\""},
    };
    return rows;
}

} // namespace

class FieldAccessContractTest : public QObject {
    Q_OBJECT

private slots:
    void bothEndAsTheRowSays_data() {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < Rows().size(); ++i)
            QTest::newRow(Rows()[i].name) << int(i);
    }

    void bothEndAsTheRowSays() {
        QFETCH(int, row);
        const Row& r = Rows()[size_t(row)];
        DialogWindow window(FieldsTemplate());
        WidgetFieldAccess widgets(window);
        test::ScriptedFields fake(FieldsTemplate());
        std::string real = Play(widgets, r.steps);
        real += Observe(widgets, r.id);
        std::string scripted = Play(fake, r.steps);
        scripted += Observe(fake, r.id);
        QCOMPARE(QString::fromStdString(real), QString::fromStdString(r.seen));
        QCOMPARE(QString::fromStdString(scripted), QString::fromStdString(r.seen));
    }
};

QTEST_MAIN(FieldAccessContractTest)
#include "FieldAccessContractTest.moc"
