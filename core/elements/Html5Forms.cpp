#include "core/elements/Html5Forms.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <optional>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/IsoDateTime.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"
#include "core/text/MessageText.h"

namespace razo {

namespace {

using namespace html5;

bool IsOneOf(std::string_view type, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), type) != names.end();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits from `i`; true when there was at least one.
bool Digits(std::string_view text, size_t& i) {
    const size_t start = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i > start;
}

// The shapes of the date and time types, before IsIsoDateTime checks the values themselves.
bool HasShape(std::string_view text, std::string_view shape) {
    if (text.size() != shape.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (shape[i] == '9' ? !IsDigit(text[i]) : text[i] != shape[i])
            return false;
    return true;
}

bool IsTimeOfDay(std::string_view text) {
    const bool shaped = HasShape(text, "99:99") || HasShape(text, "99:99:99") ||
                        (text.size() > 9 && text.size() <= 12 && HasShape(text.substr(0, 9), "99:99:99.") &&
                         std::all_of(text.begin() + 9, text.end(), IsDigit));
    return shaped && IsIsoDateTime(text);
}

// Day of the week of 1 January, 0 for Sunday (Sakamoto's method).
int NewYearWeekday(long year) {
    const long y = year - 1;
    return int((y + y / 4 - y / 100 + y / 400 + 1) % 7);
}

bool IsLeapYear(long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// ISO years that start on a Thursday, or leap years that start on a Wednesday, have 53 weeks.
int WeeksIn(long year) {
    const int weekday = NewYearWeekday(year);
    return weekday == 4 || (weekday == 3 && IsLeapYear(year)) ? 53 : 52;
}

bool IsDateType(std::string_view type) {
    return IsOneOf(type, {"date", "time", "datetime-local", "month", "week"});
}

bool IsNumberType(std::string_view type) {
    return IsOneOf(type, {"number", "range"});
}

// The types whose field is one line of free text.
bool IsTextType(std::string_view type) {
    return IsOneOf(type, {"text", "search", "url", "tel", "email", "password"});
}

std::optional<double> NumberValue(std::string_view text) {
    if (!IsHtmlNumber(text))
        return std::nullopt;
    double value = 0;
    // from_chars reads no "+" and ignores the locale, as HTML wants.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The example of each date and time type, for the message that refuses another form.
std::string FormOf(std::string_view type) {
    if (type == "date")
        return "2026-05-01";
    if (type == "time")
        return "14:30";
    if (type == "datetime-local")
        return "2026-05-01T14:30";
    if (type == "month")
        return "2026-05";
    if (type == "week")
        return "2026-W18";
    return "";
}

bool IsColourValue(std::string_view text) {
    return text.size() == 7 && text[0] == '#' && std::all_of(text.begin() + 1, text.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c));
           });
}

bool IsAutocomplete(std::string_view text) {
    bool any = false;
    for (char c : text) {
        if (c == ' ')
            continue;
        if (!(IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-'))
            return false;
        any = true;
    }
    return any;
}

// Blank-separated IDs: no quotes or brackets that would end the attribute.
bool IsIdList(std::string_view text) {
    return text.find_first_not_of(' ') != std::string_view::npos &&
           text.find_first_of("\"'<>=`\t") == std::string_view::npos;
}

void DDV_Refuse(CDataExchange& dx, bool refused, const std::string& message) {
    if (refused && dx.Saving() && !dx.SkipsLastControl())
        dx.Refuse(dx.LastControl(), message);
}

void DDV_Number(CDataExchange& dx, const std::string& value) {
    DDV_Refuse(dx, !value.empty() && !IsHtmlNumber(value), messages::NotANumber);
}

void DDV_IdWithoutBlanks(CDataExchange& dx, const std::string& value) {
    DDV_Refuse(dx, value.find_first_of(" \t") != std::string::npos, messages::IdWithBlanks);
}

// A value, minimum or maximum of an input of `type`: a number, a date of the type's form, a colour.
void DDV_InputValue(CDataExchange& dx, const std::string& value, const std::string& type) {
    if (value.empty())
        return;
    if (IsNumberType(type))
        DDV_Number(dx, value);
    else if (IsDateType(type))
        DDV_Refuse(dx, !IsDateOfInputType(value, type),
                   FillMessage(messages::NotOfInputType, {FormOf(type)}));
    else if (type == "color")
        DDV_Refuse(dx, !IsColourValue(value), messages::NotAColourValue);
}

// Dates of one type compare as text once their years have as many digits.
bool Above(const std::string& a, const std::string& b, const std::string& type) {
    if (IsNumberType(type))
        return *NumberValue(a) > *NumberValue(b);
    const size_t yearA = a.find('-'), yearB = b.find('-');
    if (yearA != yearB)
        return yearA != std::string::npos && (yearB == std::string::npos || yearA > yearB);
    return a > b;
}

void RefuseMinAboveMax(CDataExchange& dx, int maxId, const std::string& min, const std::string& max,
                       const std::string& type) {
    if (dx.Saving() && !min.empty() && !max.empty() && Above(min, max, type))
        dx.Refuse(maxId, messages::MinAboveMax);
}

// Text-level form elements go around the selection on its line.
template <class D> TagPair AroundSelection(const D& dialog, const char* element) {
    return {WriteStartTag(dialog).Close(), std::string("</") + element + ">"};
}

constexpr const char* Progress = "PROGRESS";

bool IsProgress(const CGaugeDialog& d) {
    return d.m_strElement == Progress;
}

std::string GaugeLabel(const std::string& element) {
    return "<" + element + "> and </" + element + "> go around the selection, which older browsers show.";
}

bool IsSubmit(const CButtonDialog& d) {
    return d.m_strType == "submit";
}

constexpr int ButtonSubmitFields[] = {IdFormAction,  IdFormActionBrowse, IdFormMethod,
                                      IdFormEncType, IdFormTarget,       IdFormNoValidate};

constexpr int InputDependentFields[] = {
    IdInputName, IdInputValue, IdInputChecked, IdInputSize, IdInputMaxLength, IdPlaceholder, IdPattern,
    IdMin,       IdMax,        IdStep,         IdInputList, IdAutocomplete,   IdRequired,    IdAutofocus};

void EnableInputFields(FieldAccess& fields, const std::string& type) {
    for (int field : InputDependentFields)
        fields.EnableControl(field, Html5InputFieldApplies(field, type));
}

int OptionValueId(int row) {
    return IdOptionValue1 + 2 * row;
}

int OptionLabelId(int row) {
    return IdOptionValue1 + 2 * row + 1;
}

} // namespace

bool IsHtmlNumber(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const bool whole = Digits(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!Digits(text, i))
            return false;
    } else if (!whole) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        if (!Digits(text, i))
            return false;
    }
    return i == text.size();
}

bool IsDateOfInputType(std::string_view text, std::string_view type) {
    if (type == "time")
        return IsTimeOfDay(text);
    if (type == "datetime-local") {
        const size_t t = text.find_first_of("T ");
        return t != std::string_view::npos && IsDateOfInputType(text.substr(0, t), "date") &&
               IsTimeOfDay(text.substr(t + 1));
    }
    const size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash < 4 || dash > 9 ||
        !std::all_of(text.begin(), text.begin() + dash, IsDigit))
        return false;
    const std::string_view rest = text.substr(dash);
    const bool shaped = (type == "date" && HasShape(rest, "-99-99")) ||
                        (type == "month" && HasShape(rest, "-99")) ||
                        (type == "week" && HasShape(rest, "-W99"));
    if (!shaped || !IsIsoDateTime(text))
        return false;
    return type != "week" ||
           std::stoi(std::string(rest.substr(2))) <= WeeksIn(std::stol(std::string(text.substr(0, dash))));
}

bool Html5InputFieldApplies(int id, const std::string& type) {
    switch (id) {
    case IdInputName: // buttons that send or reset the form need no name, as in the older input
        return !IsOneOf(type, {"submit", "reset"});
    case IdInputChecked:
        return IsOneOf(type, {"checkbox", "radio"});
    case IdInputSize:
    case IdInputMaxLength:
    case IdPattern:
        return IsTextType(type);
    case IdPlaceholder:
        return IsTextType(type) || type == "number";
    case IdMin:
    case IdMax:
    case IdStep:
        return IsNumberType(type) || IsDateType(type);
    case IdInputList:
        return (IsTextType(type) && type != "password") || IsNumberType(type) || IsDateType(type) ||
               type == "color";
    case IdAutocomplete:
        return !IsOneOf(type, {"checkbox", "radio", "submit", "reset"});
    case IdRequired:
        return !IsOneOf(type, {"hidden", "range", "color", "submit", "reset"});
    case IdAutofocus:
        return type != "hidden";
    default:
        return true;
    }
}

DialogTemplate CInputHtml5Dialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Input (HTML5)", 300, 250, false,
        "An input control <INPUT> in front of the selection, of any type HTML5 knows: email, url, tel, "
        "search, number, range, date, time, datetime-local, month, week, color and the older ones.",
        WithCommonControls({
            ListCombo(IdInputType, "Input type:",
                      {"text", "search", "email", "url", "tel", "password", "number", "range", "date", "time",
                       "datetime-local", "month", "week", "color", "checkbox", "radio", "hidden", "submit",
                       "reset"})
                .Help("The kind of control; it decides which of the fields below apply."),
            Edit(IdInputName, "Name:")
                .Width(110)
                .Help("The name the value is sent under; submit and reset buttons take none."),
            Edit(IdInputValue, "Value:")
                .Width(110)
                .Help(
                    "The initial value, or the caption of a button: a number for number and range, a date or "
                    "time of the type's form (2026-05-01, 14:30, 2026-05-01T14:30, 2026-05, 2026-W18), "
                    "#rrggbb for a colour."),
            CheckBox(IdInputChecked, "Checked")
                .Disabled()
                .Help("A check box or radio button that starts ticked."),
            Edit(IdInputSize, "Size:").Width(40).Help("The width of a text field, in characters."),
            Edit(IdInputMaxLength, "Maximum length:")
                .Width(40)
                .Beside()
                .Help("How many characters a text field accepts."),
            Edit(IdPlaceholder, "Placeholder:")
                .Width(150)
                .Help("A hint shown in the empty field, such as an example of what to enter."),
            Edit(IdPattern, "Pattern:")
                .Width(150)
                .Help("A regular expression the whole value must match, such as [0-9]{5}."),
            Edit(IdMin, "Minimum:")
                .Width(70)
                .Disabled()
                .Help("The smallest value, a number or a date or time of the type's form."),
            Edit(IdMax, "Maximum:")
                .Width(70)
                .Disabled()
                .Beside()
                .Help("The largest value; not below the minimum."),
            Edit(IdStep, "Step:")
                .Width(40)
                .Disabled()
                .Help(
                    "The granularity of the value, a number above 0 (seconds for times, days for dates), or "
                    "any."),
            Edit(IdInputList, "List:")
                .Width(80)
                .Help("The ID of a datalist whose options the field suggests."),
            EditableCombo(IdAutocomplete, "Autocomplete:",
                          {"on",
                           "off",
                           "name",
                           "given-name",
                           "family-name",
                           "nickname",
                           "email",
                           "username",
                           "new-password",
                           "current-password",
                           "one-time-code",
                           "organization",
                           "street-address",
                           "address-line1",
                           "address-line2",
                           "address-level2",
                           "country",
                           "country-name",
                           "postal-code",
                           "tel",
                           "url",
                           "bday",
                           "sex",
                           "language",
                           "cc-name",
                           "cc-number",
                           "cc-exp",
                           "cc-csc",
                           "transaction-amount"})
                .Width(110)
                .Help("What the browser may fill in from what it knows: a standard token, or several "
                      "separated by blanks (shipping street-address)."),
            CheckBox(IdRequired, "Required").Help("The form is not sent while the field is empty."),
            CheckBox(IdAutofocus, "Autofocus")
                .Beside()
                .Help("The field has the keyboard focus when the page opens."),
        }));
}

void CInputHtml5Dialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdInputType, m_strInputType);
    const std::string& type = m_strInputType;
    DDX_Text(dx, IdInputName, m_strName);
    DDV_MaxChars(dx, m_strName, MaxUrlChars);
    DDX_Text(dx, IdInputValue, m_strValue);
    DDV_MaxChars(dx, m_strValue, MaxUrlChars);
    DDV_InputValue(dx, m_strValue, type);
    DDX_Check(dx, IdInputChecked, m_bChecked);
    DDX_OptionalNumber(dx, IdInputSize, m_strSize);
    DDV_OptionalNumberRange(dx, m_strSize, 1, 99999);
    DDX_OptionalNumber(dx, IdInputMaxLength, m_strMaxLength);
    DDX_Text(dx, IdPlaceholder, m_strPlaceholder);
    DDX_Text(dx, IdPattern, m_strPattern);
    DDX_Text(dx, IdMin, m_strMin);
    DDV_InputValue(dx, m_strMin, type);
    DDX_Text(dx, IdMax, m_strMax);
    DDV_InputValue(dx, m_strMax, type);
    RefuseMinAboveMax(dx, IdMax, m_strMin, m_strMax, type);
    DDX_Text(dx, IdStep, m_strStep);
    const std::optional<double> step = NumberValue(m_strStep);
    DDV_Refuse(dx, !m_strStep.empty() && m_strStep != "any" && !(step && *step > 0), messages::NotAStep);
    DDX_Text(dx, IdInputList, m_strList);
    DDV_IdWithoutBlanks(dx, m_strList);
    DDX_CBString(dx, IdAutocomplete, m_strAutocomplete);
    DDV_Refuse(dx, !m_strAutocomplete.empty() && !IsAutocomplete(m_strAutocomplete),
               messages::NotAutocomplete);
    DDX_Check(dx, IdRequired, m_bRequired);
    DDX_Check(dx, IdAutofocus, m_bAutofocus);
    DDX_CommonAttributes(dx, m_common);
}

void CInputHtml5Dialog::OnInitDialog(DialogHost& host) {
    EnableInputFields(host.Fields(), m_strInputType);
}

void CInputHtml5Dialog::OnFieldChanged(int id, DialogHost& host) {
    if (id == IdInputType)
        EnableInputFields(host.Fields(), host.Fields().GetText(IdInputType));
}

const TagRows<CInputHtml5Dialog>& CInputHtml5Dialog::Rows() {
    using D = CInputHtml5Dialog;
    const auto when = [](int field) {
        return [field](const D& d) { return Html5InputFieldApplies(field, d.m_strInputType); };
    };
    static const TagRows<D> rows{
        "INPUT",
        WithCommonRows<D>({
            rows::Bare("TYPE", &D::m_strInputType, IdInputType),
            rows::Quoted("NAME", &D::m_strName, IdInputName).When(when(IdInputName)),
            rows::Quoted("VALUE", &D::m_strValue, IdInputValue),
            rows::Bare("SIZE", &D::m_strSize, IdInputSize).When(when(IdInputSize)),
            rows::Bare("MAXLENGTH", &D::m_strMaxLength, IdInputMaxLength).When(when(IdInputMaxLength)),
            rows::Flag("CHECKED", &D::m_bChecked, IdInputChecked).When(when(IdInputChecked)),
            rows::Quoted("PLACEHOLDER", &D::m_strPlaceholder, IdPlaceholder).When(when(IdPlaceholder)),
            rows::Quoted("PATTERN", &D::m_strPattern, IdPattern).When(when(IdPattern)),
            rows::Bare("MIN", &D::m_strMin, IdMin).When(when(IdMin)),
            rows::Bare("MAX", &D::m_strMax, IdMax).When(when(IdMax)),
            rows::Bare("STEP", &D::m_strStep, IdStep).When(when(IdStep)),
            rows::Quoted("LIST", &D::m_strList, IdInputList).When(when(IdInputList)),
            rows::Quoted("AUTOCOMPLETE", &D::m_strAutocomplete, IdAutocomplete).When(when(IdAutocomplete)),
            rows::Flag("REQUIRED", &D::m_bRequired, IdRequired).When(when(IdRequired)),
            rows::Flag("AUTOFOCUS", &D::m_bAutofocus, IdAutofocus).When(when(IdAutofocus)),
        })};
    return rows;
}

DialogTemplate CGaugeDialog::MakeTemplate() {
    ControlTemplate element = Label(GaugeLabel("METER"));
    element.id = IdGaugeElement;
    return MakeDialogTemplate(
        IDD, "Progress and Meter (HTML5)", 250, 190, false,
        "A gauge around the selection: <PROGRESS> for how far a task has come, <METER> for a measurement "
        "within a known range, by the command chosen.",
        WithCommonControls({
            element,
            Edit(IdGaugeValue, "Value:")
                .Width(60)
                .Help("The current value, a number such as 0.6; a meter needs one, a progress bar without it "
                      "shows a task of unknown length."),
            Edit(IdGaugeMin, "Minimum:")
                .Width(60)
                .Disabled()
                .Help("The lower end of a meter's range (0 when empty)."),
            Edit(IdGaugeMax, "Maximum:")
                .Width(60)
                .Beside()
                .Help("The upper end of the range (1 when empty); a progress bar's must be above 0."),
            Edit(IdLow, "Low:")
                .Width(60)
                .Disabled()
                .Help("Where a meter's low region ends; within the range."),
            Edit(IdHigh, "High:")
                .Width(60)
                .Disabled()
                .Beside()
                .Help("Where a meter's high region starts; within the range, not below Low."),
            Edit(IdOptimum, "Optimum:")
                .Width(60)
                .Disabled()
                .Help("The best value of a meter; the region it falls in counts as good."),
        }));
}

void CGaugeDialog::DoDataExchange(CDataExchange& dx) {
    if (IsProgress(*this))
        DDX_Text(dx, IdGaugeValue, m_strValue);
    else
        DDX_RequiredText(dx, IdGaugeValue, m_strValue);
    DDV_Number(dx, m_strValue);
    const std::pair<int, std::string*> bounds[] = {{IdGaugeMin, &m_strMin},
                                                   {IdGaugeMax, &m_strMax},
                                                   {IdLow, &m_strLow},
                                                   {IdHigh, &m_strHigh},
                                                   {IdOptimum, &m_strOptimum}};
    for (const auto& [id, member] : bounds) {
        DDX_Text(dx, id, *member);
        DDV_Number(dx, *member);
    }
    if (dx.Saving()) {
        const auto number = [](const std::string& text, double empty) {
            return text.empty() ? empty : *NumberValue(text);
        };
        const double min = number(m_strMin, 0), max = number(m_strMax, 1);
        const auto outside = [&](const std::string& text) {
            return !text.empty() && (number(text, 0) < min || number(text, 0) > max);
        };
        if (IsProgress(*this) && max <= 0)
            dx.Refuse(IdGaugeMax, messages::MaxNotPositive);
        else if (min > max)
            dx.Refuse(IdGaugeMin, messages::MinAboveMax);
        else if (outside(m_strValue))
            dx.Refuse(IdGaugeValue, messages::OutsideMinMax);
        else if (outside(m_strLow))
            dx.Refuse(IdLow, messages::OutsideMinMax);
        else if (outside(m_strHigh))
            dx.Refuse(IdHigh, messages::OutsideMinMax);
        else if (outside(m_strOptimum))
            dx.Refuse(IdOptimum, messages::OutsideMinMax);
        else if (number(m_strLow, min) > number(m_strHigh, max))
            dx.Refuse(IdHigh, messages::LowAboveHigh);
    }
    DDX_CommonAttributes(dx, m_common);
}

void CGaugeDialog::OnInitDialog(DialogHost& host) {
    FieldAccess& fields = host.Fields();
    fields.SetText(IdGaugeElement, GaugeLabel(m_strElement));
    for (int id : {IdGaugeMin, IdLow, IdHigh, IdOptimum})
        fields.EnableControl(id, !IsProgress(*this));
}

const TagRows<CGaugeDialog>& CGaugeDialog::Rows() {
    using D = CGaugeDialog;
    const auto meter = [](const D& d) { return !IsProgress(d); };
    static const TagRows<D> rows{[](const D& d) { return d.m_strElement; },
                                 WithCommonRows<D>({
                                     rows::Bare("VALUE", &D::m_strValue, IdGaugeValue),
                                     rows::Bare("MIN", &D::m_strMin, IdGaugeMin).When(meter),
                                     rows::Bare("MAX", &D::m_strMax, IdGaugeMax),
                                     rows::Bare("LOW", &D::m_strLow, IdLow).When(meter),
                                     rows::Bare("HIGH", &D::m_strHigh, IdHigh).When(meter),
                                     rows::Bare("OPTIMUM", &D::m_strOptimum, IdOptimum).When(meter),
                                 })};
    return rows;
}

DialogTemplate CLabelDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Label (HTML5)", 240, 120, false,
        "The caption of a form control: <LABEL> and </LABEL> around the selection.",
        WithCommonControls({Edit(IdLabelFor, "For control:")
                                .Width(100)
                                .Help("The ID of the control the caption belongs to; leave it empty when the "
                                      "control is inside the selection.")}));
}

void CLabelDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdLabelFor, m_strFor);
    DDV_IdWithoutBlanks(dx, m_strFor);
    DDX_CommonAttributes(dx, m_common);
}

const TagRows<CLabelDialog>& CLabelDialog::Rows() {
    using D = CLabelDialog;
    static const TagRows<D> rows{"LABEL", WithCommonRows<D>({rows::Quoted("FOR", &D::m_strFor, IdLabelFor)})};
    return rows;
}

DialogTemplate CFieldSetDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Field Set (HTML5)", 240, 150, false,
        "A group of form controls: <FIELDSET> with its <LEGEND> before the selection, </FIELDSET> after it.",
        WithCommonControls({
            Edit(IdLegend, "Legend:")
                .Width(150)
                .Help("The caption of the group, written as <LEGEND>; leave it empty for none."),
            Edit(IdFieldSetName, "Name:").Width(110).Help("The name scripts know the group by."),
            CheckBox(IdFieldSetDisabled, "Disabled")
                .Help("Every control of the group is greyed and not sent (DISABLED)."),
        }));
}

void CFieldSetDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdLegend, m_strLegend);
    DDX_Text(dx, IdFieldSetName, m_strName);
    DDX_Check(dx, IdFieldSetDisabled, m_bDisabled);
    DDX_CommonAttributes(dx, m_common);
}

const TagRows<CFieldSetDialog>& CFieldSetDialog::Rows() {
    using D = CFieldSetDialog;
    static const TagRows<D> rows{
        "FIELDSET", WithCommonRows<D>({rows::Quoted("NAME", &D::m_strName, IdFieldSetName),
                                       rows::Flag("DISABLED", &D::m_bDisabled, IdFieldSetDisabled)})};
    return rows;
}

DialogTemplate CButtonDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Button (HTML5)", 270, 230, false,
        "A button: <BUTTON> and </BUTTON> around the selection, which is its caption.",
        WithCommonControls({
            ListCombo(IdButtonType, "Type:", {"submit", "reset", "button"})
                .Help("submit sends the form, reset restores its initial values, button does what a script "
                      "makes it do."),
            Edit(IdButtonName, "Name:").Width(110).Help("The name the button's value is sent under."),
            Edit(IdButtonValue, "Value:")
                .Width(110)
                .Help("What is sent when the form is sent by this button."),
            CheckBox(IdButtonDisabled, "Disabled").Help("The button is greyed."),
            CheckBox(IdButtonAutofocus, "Autofocus")
                .Beside()
                .Help("The button has the keyboard focus when the page opens."),
            UrlCombo(IdFormAction, "Form action:")
                .Help("A submit button's own program to send the form to, instead of the form's."),
            BrowseButton(IdFormActionBrowse, IdFormAction, browse::LinkTitle, browse::HtmlFilter)
                .Beside()
                .Help("Picks a local file; its path is made relative to the page."),
            ListCombo(IdFormMethod, "Form method:", {"get", "post", "dialog"})
                .Help("A submit button's own method of sending."),
            ListCombo(IdFormEncType, "Form encoding:",
                      {"application/x-www-form-urlencoded", "multipart/form-data", "text/plain"})
                .Help("A submit button's own encoding of the form; multipart/form-data sends files."),
            EditableCombo(IdFormTarget, "Form target:", {"_blank", "_parent", "_self", "_top"})
                .Width(90)
                .Help("The window or frame that shows the answer; any name may be typed."),
            CheckBox(IdFormNoValidate, "Send without checking")
                .Help("The form is sent without checking required fields and patterns (FORMNOVALIDATE)."),
        }));
}

void CButtonDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdButtonType, m_strType);
    DDX_Text(dx, IdButtonName, m_strName);
    DDX_Text(dx, IdButtonValue, m_strValue);
    DDX_Check(dx, IdButtonDisabled, m_bDisabled);
    DDX_Check(dx, IdButtonAutofocus, m_bAutofocus);
    DDX_OptionalUrl(dx, IdFormAction, m_strFormAction);
    DDX_CBString(dx, IdFormMethod, m_strFormMethod);
    DDX_CBString(dx, IdFormEncType, m_strFormEncType);
    DDX_CBString(dx, IdFormTarget, m_strFormTarget);
    DDX_Check(dx, IdFormNoValidate, m_bFormNoValidate);
    DDX_CommonAttributes(dx, m_common);
}

void CButtonDialog::OnInitDialog(DialogHost& host) {
    for (int id : ButtonSubmitFields)
        host.Fields().EnableControl(id, IsSubmit(*this));
}

void CButtonDialog::OnFieldChanged(int id, DialogHost& host) {
    if (id != IdButtonType)
        return;
    const bool submit = host.Fields().GetText(IdButtonType) == "submit";
    for (int field : ButtonSubmitFields)
        host.Fields().EnableControl(field, submit);
}

const TagRows<CButtonDialog>& CButtonDialog::Rows() {
    using D = CButtonDialog;
    static const TagRows<D> rows{
        "BUTTON", WithCommonRows<D>({
                      rows::Bare("TYPE", &D::m_strType, IdButtonType),
                      rows::Quoted("NAME", &D::m_strName, IdButtonName),
                      rows::Quoted("VALUE", &D::m_strValue, IdButtonValue),
                      rows::Flag("DISABLED", &D::m_bDisabled, IdButtonDisabled),
                      rows::Flag("AUTOFOCUS", &D::m_bAutofocus, IdButtonAutofocus),
                      rows::Url("FORMACTION", &D::m_strFormAction, IdFormAction).When(IsSubmit),
                      rows::Bare("FORMMETHOD", &D::m_strFormMethod, IdFormMethod).When(IsSubmit),
                      rows::Quoted("FORMENCTYPE", &D::m_strFormEncType, IdFormEncType).When(IsSubmit),
                      rows::Quoted("FORMTARGET", &D::m_strFormTarget, IdFormTarget).When(IsSubmit),
                      rows::Flag("FORMNOVALIDATE", &D::m_bFormNoValidate, IdFormNoValidate).When(IsSubmit),
                  })};
    return rows;
}

DialogTemplate CDataListDialog::MakeTemplate() {
    std::vector<ControlTemplate> controls = {
        Label("The ID (below) is what an input names in its List field; each row is one suggestion.")};
    for (int row = 0; row < DataListOptionRows; ++row) {
        controls.push_back(Edit(OptionValueId(row), "Option " + std::to_string(row + 1) + ":")
                               .Width(90)
                               .Help("A value the inputs suggest; rows left empty are not written."));
        controls.push_back(Edit(OptionLabelId(row), "Label:")
                               .Width(90)
                               .Beside()
                               .Help("What the suggestion shows instead of its value; may be left empty."));
    }
    return MakeDialogTemplate(
        IDD, "Data List (HTML5)", 300, 230, false,
        "Suggestions for inputs: <DATALIST ID=...> and an <OPTION> per row before the selection, "
        "</DATALIST> after it.",
        WithCommonControls(std::move(controls)));
}

void CDataListDialog::DoDataExchange(CDataExchange& dx) {
    for (int row = 0; row < DataListOptionRows; ++row) {
        DDX_Text(dx, OptionValueId(row), m_strValues[row]);
        DDX_Text(dx, OptionLabelId(row), m_strLabels[row]);
    }
    DDX_CommonAttributes(dx, m_common);
    if (dx.Saving() && m_common.m_strId.empty())
        dx.Refuse(IdId, messages::DataListNeedsId);
}

const TagRows<CDataListDialog>& CDataListDialog::Rows() {
    using D = CDataListDialog;
    static const TagRows<D> rows{"DATALIST", CommonRows<D>()};
    return rows;
}

DialogTemplate COutputDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Output (HTML5)", 240, 130, false,
        "The result of a calculation: <OUTPUT> and </OUTPUT> around the selection, its initial text.",
        WithCommonControls({
            Edit(IdOutputFor, "For controls:")
                .Width(120)
                .Help("The IDs of the controls the result is made from, separated by blanks."),
            Edit(IdOutputName, "Name:").Width(110).Help("The name the result is sent under."),
        }));
}

void COutputDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdOutputFor, m_strFor);
    DDV_Refuse(dx, !m_strFor.empty() && !IsIdList(m_strFor), messages::NotAnIdList);
    DDX_Text(dx, IdOutputName, m_strName);
    DDX_CommonAttributes(dx, m_common);
}

const TagRows<COutputDialog>& COutputDialog::Rows() {
    using D = COutputDialog;
    static const TagRows<D> rows{"OUTPUT",
                                 WithCommonRows<D>({rows::Quoted("FOR", &D::m_strFor, IdOutputFor),
                                                    rows::Quoted("NAME", &D::m_strName, IdOutputName)})};
    return rows;
}

TagPair BuildInputHtml5(const CInputHtml5Dialog& dialog) {
    return {WriteStartTag(dialog).Close("\r\n"), ""};
}

TagPair BuildGauge(const CGaugeDialog& dialog) {
    return AroundSelection(dialog, dialog.m_strElement.c_str());
}

TagPair BuildLabel(const CLabelDialog& dialog) {
    return AroundSelection(dialog, "LABEL");
}

TagPair BuildFieldSet(const CFieldSetDialog& dialog) {
    std::string start = WriteStartTag(dialog).Close("\r\n");
    if (!dialog.m_strLegend.empty())
        start += "<LEGEND>" + dialog.m_strLegend + "</LEGEND>\r\n";
    return {start, "\r\n</FIELDSET>"};
}

TagPair BuildButton(const CButtonDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close(), "</BUTTON>"};
}

TagPair BuildDataList(const CDataListDialog& dialog) {
    std::string start = WriteStartTag(dialog).Close("\r\n");
    for (int row = 0; row < DataListOptionRows; ++row)
        if (!dialog.m_strValues[row].empty())
            start += Tag("OPTION")
                         .AlwaysQuoted("VALUE", dialog.m_strValues[row])
                         .Quoted("LABEL", dialog.m_strLabels[row])
                         .Close("\r\n");
    return {start, "\r\n</DATALIST>"};
}

TagPair BuildOutput(const COutputDialog& dialog) {
    return AroundSelection(dialog, "OUTPUT");
}

void RegisterHtml5FormFamily(ElementRegistry& registry) {
    registry.Bind<CInputHtml5Dialog>(cmd::InputHtml5, BuildInputHtml5);
    registry.Bind<CLabelDialog>(cmd::FormLabel, BuildLabel);
    registry.Bind<CFieldSetDialog>(cmd::FieldSet, BuildFieldSet);
    registry.Bind<CButtonDialog>(cmd::FormButton, BuildButton);
    registry.Bind<CDataListDialog>(cmd::DataList, BuildDataList);
    registry.Bind<COutputDialog>(cmd::FormOutput, BuildOutput);
    registry.Bind<CGaugeDialog>(cmd::Progress, BuildGauge, std::string(Progress));
    registry.Bind<CGaugeDialog>(cmd::Meter, BuildGauge, std::string("METER"));
}

} // namespace razo
