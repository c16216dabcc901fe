#include "core/elements/Forms.h"

#include <initializer_list>
#include <vector>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace forms;

// The fields whose state follows the input type, in the order they are shown.
constexpr int InputDependentFields[] = {IdName,      IdValue,     IdChecked,  IdSize,
                                        IdMaxLength, IdAlignment, IdImageSrc, IdImageBrowse};

std::vector<ControlTemplate> FormControls(bool withTarget) {
    std::vector<ControlTemplate> controls = {
        ListCombo(IdEncodeType, "Encode type:", {"application/x-www-form-urlencoded", "multipart/form-data"})
            .Sorted()
            .Help("How the browser encodes the filled-in form; multipart/form-data is needed to send files."),
        GroupBox("Method:", 2),
        RadioButton(IdMethodPost, "POST")
            .GroupStart()
            .Help("Sends the form in the body of the request; choose neither to leave METHOD out."),
        RadioButton(IdMethodGet, "GET").Beside().Help("Sends the form appended to the URL."),
    };
    if (withTarget)
        controls.push_back(
            EditableCombo(IdTarget, "Target name:", {"_blank", "_parent", "_self", "_top"})
                .Sorted()
                .Width(90)
                .Help("The window or frame that shows the answer; any frame name may be typed."));
    controls.push_back(
        UrlCombo(IdFormUrl, "Form URL:").Help("The program that receives the form (required)."));
    controls.push_back(BrowseButton(IdFormBrowse, IdFormUrl, browse::LinkTitle, browse::HtmlFilter)
                           .Help("Picks a local file for the form URL."));
    return controls;
}

std::string Method(int index) {
    switch (index) {
    case 0:
        return "post";
    case 1:
        return "get";
    default:
        return "";
    }
}

// A URL written even when empty (ACTION="", SRC="").
const rows::UrlWriting AlwaysWritten{.always = true, .relative = true, .history = {}};

// The method group's choice as METHOD: none, post or get.
template <class D> AttributeRow<D> MethodRow() {
    return rows::Custom<D>(
        "METHOD", [](const D& d, const BuildContext*, Tag& tag) { tag.Attr("METHOD", Method(d.m_nMethod)); },
        [](D& d, const markup::WrittenAttribute& a) {
            for (int index : {0, 1})
                if (markup::SameName(a.value, Method(index))) {
                    d.m_nMethod = index;
                    return true;
                }
            return false;
        },
        IdMethodPost);
}

// What both form dialogs write, `more` (the target) at the end.
template <class D> TagRows<D> FormRows(std::vector<AttributeRow<D>> more) {
    std::vector<AttributeRow<D>> list = {MethodRow<D>(),
                                         rows::Url<D>("ACTION", &D::m_strFormUrl, IdFormUrl, AlwaysWritten),
                                         rows::Quoted<D>("ENCTYPE", &D::m_strEncodeType, IdEncodeType)};
    list.insert(list.end(), more.begin(), more.end());
    return {"FORM", std::move(list)};
}

bool IsOneOf(const std::string& type, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (type == name)
            return true;
    return false;
}

// Submit and reset buttons are the only inputs that need no name.
bool NeedsName(const std::string& type) {
    return !IsOneOf(type, {"submit", "reset"});
}

} // namespace

DialogTemplate CFormDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Form (HTML 2.0)", 260, 90, false,
                              "A fill-in form: <FORM> and </FORM> around the selection.",
                              FormControls(false));
}

void CFormDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdEncodeType, m_strEncodeType);
    DDX_Radio(dx, IdMethodPost, m_nMethod);
    DDX_RequiredUrl(dx, IdFormUrl, m_strFormUrl);
}

DialogTemplate CFormNetscapeDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Form (Netscape)", 260, 105, false,
        "A fill-in form that can send its answer to another frame: <FORM> and </FORM> around the selection.",
        FormControls(true));
}

void CFormNetscapeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdEncodeType, m_strEncodeType);
    DDX_Radio(dx, IdMethodPost, m_nMethod);
    DDX_CBString(dx, IdTarget, m_strTarget);
    DDX_RequiredUrl(dx, IdFormUrl, m_strFormUrl);
}

bool InputFieldApplies(int id, const std::string& type) {
    switch (id) {
    case IdName:
        return NeedsName(type);
    case IdValue:
        return type != "image";
    case IdChecked:
        return IsOneOf(type, {"checkbox", "radio"});
    case IdSize:
    case IdMaxLength:
        return IsOneOf(type, {"text", "password"});
    case IdAlignment:
    case IdImageSrc:
    case IdImageBrowse:
        return type == "image";
    default:
        return true;
    }
}

DialogTemplate CFormInputDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Form Input Specification (HTML 2.0)", 260, 150, false,
        "An input control <INPUT> in front of the selection.",
        {ListCombo(IdInputType, "Input type:",
                   {"text", "password", "checkbox", "radio", "image", "hidden", "submit", "reset"})
             .Sorted()
             .Help("The kind of control; it decides which of the fields below apply."),
         Edit(IdName, "Name:")
             .Width(110)
             .Disabled()
             .Help("The name the value is sent under; every type but submit and reset needs one."),
         Edit(IdValue, "Value:")
             .Width(110)
             .Help("The initial value, or the caption of a button; not for images."),
         CheckBox(IdChecked, "Checked").Disabled().Help("A check box or radio button that starts ticked."),
         Edit(IdSize, "Size:").Disabled().Help("The width of a text or password field, in characters."),
         Edit(IdMaxLength, "Maximum length:")
             .Disabled()
             .Help("How many characters a text or password field accepts."),
         Alignment(IdAlignment, "Alignment:", {"top", "middle", "bottom", "left", "right"},
                   "How an image button lines up with the text around it.")
             .Disabled(),
         UrlCombo(IdImageSrc, "Image src:").Disabled().Help("The picture of an image button."),
         BrowseButton(IdImageBrowse, IdImageSrc, browse::LinkTitle, browse::ImageFilter)
             .Disabled()
             .Help("Picks a local image file.")});
}

void CFormInputDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlignment, m_strAlignment);
    DDX_Check(dx, IdChecked, m_bChecked);
    DDX_CBString(dx, IdInputType, m_strInputType);
    DDX_Text(dx, IdValue, m_strValue);
    DDV_MaxChars(dx, m_strValue, MaxUrlChars);
    DDX_OptionalUrl(dx, IdImageSrc, m_strImageSrc);
    DDX_OptionalNumber(dx, IdSize, m_strSize);
    DDX_OptionalNumber(dx, IdMaxLength, m_strMaxLength);
    DDX_Text(dx, IdName, m_strName);
    DDV_MaxChars(dx, m_strName, MaxUrlChars);
    if (!dx.Saving() || !NeedsName(m_strInputType) || !m_strName.empty())
        return;
    // With no type chosen the name field is still greyed: the type is what must be chosen first.
    dx.Refuse(m_strInputType.empty() ? IdInputType : IdName, messages::MustSpecifyName);
}

namespace {

void EnableInputFields(FieldAccess& fields, const std::string& type) {
    for (int field : InputDependentFields)
        fields.EnableControl(field, InputFieldApplies(field, type));
}

} // namespace

void CFormInputDialog::OnInitDialog(DialogHost& host) {
    // Until a type is chosen the template's greying stands.
    if (!m_strInputType.empty())
        EnableInputFields(host.Fields(), m_strInputType);
}

void CFormInputDialog::OnFieldChanged(int id, DialogHost& host) {
    if (id == IdInputType)
        EnableInputFields(host.Fields(), host.Fields().GetText(IdInputType));
}

DialogTemplate CFormSelectDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Form Select (HTML 2.0)", 200, 60, false,
        "A selection list: <SELECT> and </SELECT> around the selection, which holds its options.",
        {CheckBox(IdMultiple, "Multiple allowed").Help("Lets the user choose more than one option."),
         Edit(IdName, "Name:").Width(110).Help("The name the choice is sent under (required)."),
         Edit(IdNumberShown, "Number shown:")
             .Help("How many options are visible at once; leave it empty for a drop-down list.")});
}

void CFormSelectDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IdMultiple, m_bMultiple);
    DDX_RequiredText(dx, IdName, m_strName);
    DDX_OptionalNumber(dx, IdNumberShown, m_strNumberShown);
}

DialogTemplate CFormOptionDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Form Select Option (HTML 2.0)", 200, 45, false,
        "An option of a selection list: <OPTION> in front of the selection, which is its text.",
        {CheckBox(IdSelected, "Selected").Help("The option starts chosen."),
         Edit(IdValue, "Value:")
             .Width(110)
             .Help("What is sent when the option is chosen; leave it empty to send its text.")});
}

void CFormOptionDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IdSelected, m_bSelected);
    DDX_Text(dx, IdValue, m_strValue);
}

DialogTemplate CFormTextAreaDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Form TextArea (HTML 2.0)", 200, 60, false,
        "A multi-line text field: <TEXTAREA> and </TEXTAREA> around the selection, which is its initial "
        "text.",
        {Edit(IdRows, "Num of rows:").Help("How many lines are visible, 1 to 99999."),
         Edit(IdColumns, "Num of cols:").Help("How many characters a line shows, 1 to 99999."),
         Edit(IdName, "Name:").Width(110).Help("The name the text is sent under (required).")});
}

void CFormTextAreaDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredNumber(dx, IdRows, m_strRows);
    DDV_NumberRange(dx, m_strRows, 1, 99999);
    DDX_RequiredNumber(dx, IdColumns, m_strColumns);
    DDV_NumberRange(dx, m_strColumns, 1, 99999);
    DDX_RequiredText(dx, IdName, m_strName);
    DDV_TextLength(dx, m_strName, MaxUrlChars);
}

const TagRows<CFormDialog>& CFormDialog::Rows() {
    static const TagRows<CFormDialog> rows = FormRows<CFormDialog>({});
    return rows;
}

const TagRows<CFormNetscapeDialog>& CFormNetscapeDialog::Rows() {
    using D = CFormNetscapeDialog;
    static const TagRows<D> rows = FormRows<D>({rows::Quoted("TARGET", &D::m_strTarget, IdTarget)});
    return rows;
}

// Each field the type has no use for is left out, whatever it still holds.
const TagRows<CFormInputDialog>& CFormInputDialog::Rows() {
    using D = CFormInputDialog;
    const auto forType = [](int field) {
        return [field](const D& d) { return InputFieldApplies(field, d.m_strInputType); };
    };
    // An image button always names its source; an empty one is not a path to record or to make
    // relative.
    static const TagRows<D> rows{
        "INPUT",
        {rows::Bare("TYPE", &D::m_strInputType, IdInputType),
         rows::AlwaysQuoted("NAME", &D::m_strName, IdName).When(forType(IdName)),
         rows::Quoted("VALUE", &D::m_strValue, IdValue).When(forType(IdValue)),
         rows::Bare("SIZE", &D::m_strSize, IdSize).When(forType(IdSize)),
         rows::Bare("MAXLENGTH", &D::m_strMaxLength, IdMaxLength).When(forType(IdMaxLength)),
         rows::Flag("CHECKED", &D::m_bChecked, IdChecked).When(forType(IdChecked)),
         rows::Url("SRC", &D::m_strImageSrc, IdImageSrc, AlwaysWritten).When(forType(IdImageSrc)),
         rows::Bare("ALIGN", &D::m_strAlignment, IdAlignment).When(forType(IdAlignment))}};
    return rows;
}

const TagRows<CFormSelectDialog>& CFormSelectDialog::Rows() {
    using D = CFormSelectDialog;
    static const TagRows<D> rows{"SELECT",
                                 {rows::AlwaysQuoted("NAME", &D::m_strName, IdName),
                                  rows::Flag("MULTIPLE", &D::m_bMultiple, IdMultiple),
                                  rows::Bare("SIZE", &D::m_strNumberShown, IdNumberShown)}};
    return rows;
}

const TagRows<CFormOptionDialog>& CFormOptionDialog::Rows() {
    using D = CFormOptionDialog;
    static const TagRows<D> rows{"OPTION",
                                 {rows::Quoted("VALUE", &D::m_strValue, IdValue),
                                  rows::Flag("SELECTED", &D::m_bSelected, IdSelected)}};
    return rows;
}

const TagRows<CFormTextAreaDialog>& CFormTextAreaDialog::Rows() {
    using D = CFormTextAreaDialog;
    static const TagRows<D> rows{"TEXTAREA",
                                 {rows::AlwaysQuoted("NAME", &D::m_strName, IdName),
                                  rows::Bare("ROWS", &D::m_strRows, IdRows),
                                  rows::Bare("COLS", &D::m_strColumns, IdColumns)}};
    return rows;
}

TagPair BuildForm(const CFormDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close("\r\n"), "</FORM>"};
}

TagPair BuildFormNetscape(const CFormNetscapeDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close("\r\n"), "</FORM>"};
}

TagPair BuildFormInput(const CFormInputDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close("\r\n"), ""};
}

TagPair BuildFormSelect(const CFormSelectDialog& dialog) {
    return {WriteStartTag(dialog).Close("\r\n"), "</SELECT>"};
}

TagPair BuildFormOption(const CFormOptionDialog& dialog) {
    return {WriteStartTag(dialog).Close(), ""};
}

TagPair BuildFormTextArea(const CFormTextAreaDialog& dialog) {
    return {WriteStartTag(dialog).Close("\r\n"), "</TEXTAREA>"};
}

void RegisterFormFamily(ElementRegistry& registry) {
    registry.Bind<CFormDialog>(cmd::Form, BuildForm);
    registry.Bind<CFormInputDialog>(cmd::FormInput, BuildFormInput);
    registry.Bind<CFormSelectDialog>(cmd::FormSelect, BuildFormSelect);
    registry.Bind<CFormOptionDialog>(cmd::FormOption, BuildFormOption);
    registry.Bind<CFormTextAreaDialog>(cmd::FormTextArea, BuildFormTextArea);
    registry.Bind<CFormNetscapeDialog>(cmd::FormNetscape, BuildFormNetscape);
}

} // namespace razo
