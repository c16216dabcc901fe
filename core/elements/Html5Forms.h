#pragma once
#include <string>
#include <string_view>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"
#include "core/elements/Html5Common.h"

namespace razo {

class ElementRegistry;

namespace html5 {
enum FormControl : int {
    // Input
    IdInputType = 3200,
    IdInputName = 3201,
    IdInputValue = 3202,
    IdInputChecked = 3203,
    IdInputSize = 3204,
    IdInputMaxLength = 3205,
    IdPlaceholder = 3206,
    IdPattern = 3207,
    IdMin = 3208,
    IdMax = 3209,
    IdStep = 3210,
    IdInputList = 3211,
    IdAutocomplete = 3212,
    IdRequired = 3213,
    IdAutofocus = 3214,
    // Progress and meter
    IdGaugeElement = 3220, // the label that names the element
    IdGaugeValue = 3221,
    IdGaugeMin = 3222,
    IdGaugeMax = 3223,
    IdLow = 3224,
    IdHigh = 3225,
    IdOptimum = 3226,
    // Label, fieldset, output
    IdLabelFor = 3230,
    IdLegend = 3231,
    IdFieldSetName = 3232,
    IdFieldSetDisabled = 3233,
    IdOutputFor = 3234,
    IdOutputName = 3235,
    // Button
    IdButtonType = 3240,
    IdButtonName = 3241,
    IdButtonValue = 3242,
    IdButtonDisabled = 3243,
    IdButtonAutofocus = 3244,
    IdFormAction = 3245,
    IdFormActionBrowse = 3246,
    IdFormMethod = 3247,
    IdFormEncType = 3248,
    IdFormTarget = 3249,
    IdFormNoValidate = 3250,
    // Datalist: a value and a label per option row
    IdOptionValue1 = 3260, // 3260, 3262, ... values; 3261, 3263, ... labels
};
inline constexpr int DataListOptionRows = 6;
} // namespace html5

namespace messages {
inline constexpr const char* NotANumber = "Please enter a number, such as 3, -0.5 or 1e3.";
inline constexpr const char* NotAStep = "Please enter a step above 0, or any.";
inline constexpr const char* MinAboveMax = "The minimum must not be above the maximum.";
inline constexpr const char* NotOfInputType = "Please enter a value of the form the input type takes (%1).";
inline constexpr const char* NotAColourValue = "Please enter a colour as #rrggbb, such as #336699.";
inline constexpr const char* NotAutocomplete =
    "Please enter autocomplete tokens such as on, off, email or shipping street-address.";
inline constexpr const char* NotAnIdList = "Please enter IDs separated by blanks.";
inline constexpr const char* OutsideMinMax = "The value must lie between the minimum and the maximum.";
inline constexpr const char* LowAboveHigh = "The low mark must not be above the high mark.";
inline constexpr const char* MaxNotPositive = "The maximum of a progress bar must be above 0.";
inline constexpr const char* DataListNeedsId = "Please enter the ID that inputs name in their List field.";
} // namespace messages

// An HTML "valid floating-point number": 3, -0.5, .5, 1e3 (no "+", no blanks, no trailing ".").
bool IsHtmlNumber(std::string_view text);
// A value of a date or time input type: "2026-05-01" for date, "14:30" for time,
// "2026-05-01T14:30" for datetime-local, "2026-05" for month, "2026-W18" for week.
bool IsDateOfInputType(std::string_view text, std::string_view type);

// An <INPUT> of any type, the HTML5 ones included, with the attributes HTML5 gives inputs. The
// type decides which fields apply; the others are greyed and not written.
class CInputHtml5Dialog : public DialogBase<CInputHtml5Dialog> {
public:
    enum { IDD = 340 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CInputHtml5Dialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strInputType = "text";
    std::string m_strName;
    std::string m_strValue;
    int m_bChecked = 0;
    std::string m_strSize;
    std::string m_strMaxLength;
    std::string m_strPlaceholder;
    std::string m_strPattern;
    std::string m_strMin;
    std::string m_strMax;
    std::string m_strStep;
    std::string m_strList;
    std::string m_strAutocomplete;
    int m_bRequired = 0;
    int m_bAutofocus = 0;
    CommonAttributes m_common;
};

// Whether a field of the HTML5 input dialog applies to an input type.
bool Html5InputFieldApplies(int id, const std::string& type);

// <PROGRESS> or <METER> (from the command) around the selection, which is what older browsers show.
class CGaugeDialog : public DialogBase<CGaugeDialog> {
public:
    enum { IDD = 341 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CGaugeDialog>& Rows();
    explicit CGaugeDialog(std::string element = "METER") : m_strElement(std::move(element)) {}
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;

    std::string m_strElement;
    std::string m_strValue;
    std::string m_strMin;
    std::string m_strMax;
    std::string m_strLow;
    std::string m_strHigh;
    std::string m_strOptimum;
    CommonAttributes m_common;
};

// <LABEL FOR=...>: the caption of a form control, around the selection.
class CLabelDialog : public DialogBase<CLabelDialog> {
public:
    enum { IDD = 342 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CLabelDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strFor;
    CommonAttributes m_common;
};

// <FIELDSET> with its <LEGEND> around the selection.
class CFieldSetDialog : public DialogBase<CFieldSetDialog> {
public:
    enum { IDD = 343 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFieldSetDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strLegend;
    std::string m_strName;
    int m_bDisabled = 0;
    CommonAttributes m_common;
};

// <BUTTON> around the selection, its caption; a submit button may send the form elsewhere.
class CButtonDialog : public DialogBase<CButtonDialog> {
public:
    enum { IDD = 344 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CButtonDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strType = "submit";
    std::string m_strName;
    std::string m_strValue;
    int m_bDisabled = 0;
    int m_bAutofocus = 0;
    std::string m_strFormAction;
    std::string m_strFormMethod;
    std::string m_strFormEncType;
    std::string m_strFormTarget;
    int m_bFormNoValidate = 0;
    CommonAttributes m_common;
};

// <DATALIST ID=...> with its <OPTION> rows: the suggestions of the inputs that name it.
class CDataListDialog : public DialogBase<CDataListDialog> {
public:
    enum { IDD = 345 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CDataListDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strValues[html5::DataListOptionRows];
    std::string m_strLabels[html5::DataListOptionRows];
    CommonAttributes m_common;
};

// <OUTPUT> around the selection: a result computed from the controls named in FOR.
class COutputDialog : public DialogBase<COutputDialog> {
public:
    enum { IDD = 346 };
    static DialogTemplate MakeTemplate();
    static const TagRows<COutputDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strFor;
    std::string m_strName;
    CommonAttributes m_common;
};

TagPair BuildInputHtml5(const CInputHtml5Dialog& dialog);
TagPair BuildGauge(const CGaugeDialog& dialog);
TagPair BuildLabel(const CLabelDialog& dialog);
TagPair BuildFieldSet(const CFieldSetDialog& dialog);
TagPair BuildButton(const CButtonDialog& dialog, const BuildContext& context);
TagPair BuildDataList(const CDataListDialog& dialog);
TagPair BuildOutput(const COutputDialog& dialog);

// The HTML5 form controls.
void RegisterHtml5FormFamily(ElementRegistry& registry);

} // namespace razo
