#include "core/elements/Html5Text.h"

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/IsoDateTime.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace html5;

// Text-level elements go around the selection on its line: no line breaks.
template <class D> TagPair AroundSelection(const D& dialog, const char* element) {
    return {WriteStartTag(dialog).Close(), std::string("</") + element + ">"};
}

void DDV_IsoDateTime(CDataExchange& dx, const std::string& value) {
    if (dx.Saving() && !dx.SkipsLastControl() && !value.empty() && !IsIsoDateTime(value))
        dx.Refuse(dx.LastControl(), messages::NotIsoDateTime);
}

} // namespace

DialogTemplate CTimeDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Time (HTML5)", 240, 130, false, "A date or time: <TIME> and </TIME> around the selection.",
        WithCommonControls({
            Edit(IdDateTime, "Date and time:")
                .Width(120)
                .Help(
                    "The moment the text names, in ISO 8601 form (2026-05-01, 14:30, 2026-05-01T14:30+02:00, "
                    "P3D); leave it empty when the text itself is one."),
            PushButton(IdNow, "&Now")
                .Beside()
                .Help("Puts the present date and time, with the offset from UTC, "
                      "into the field."),
        }));
}

void CTimeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdDateTime, m_strDateTime);
    DDV_IsoDateTime(dx, m_strDateTime);
    DDX_CommonAttributes(dx, m_common);
}

void CTimeDialog::OnInitDialog(DialogHost& host) {
    host.Fields().EnableControl(IdNow, m_system != nullptr);
}

void CTimeDialog::OnFieldChanged(int id, DialogHost& host) {
    if (id == IdNow && m_system)
        host.Fields().SetText(IdDateTime, IsoDateTime(m_system->Now()));
}

const TagRows<CTimeDialog>& CTimeDialog::Rows() {
    using D = CTimeDialog;
    static const TagRows<D> rows{
        "TIME", WithCommonRows<D>({rows::Quoted("DATETIME", &D::m_strDateTime, IdDateTime)})};
    return rows;
}

DialogTemplate CAbbreviationDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Abbreviation (HTML5)", 240, 120, false,
        "An abbreviation: <ABBR> and </ABBR> around the selection.",
        WithCommonControls(
            {Edit(IdExpansion, "Full form:")
                 .Width(150)
                 .Help("What the abbreviation stands for, written as its TITLE; browsers show it "
                       "as a tooltip.")},
            CommonFields::WithoutTitle));
}

void CAbbreviationDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdExpansion, m_strExpansion);
    DDX_CommonAttributes(dx, m_common, CommonFields::WithoutTitle);
}

const TagRows<CAbbreviationDialog>& CAbbreviationDialog::Rows() {
    using D = CAbbreviationDialog;
    static const TagRows<D> rows{"ABBR",
                                 WithCommonRows<D>({rows::Quoted("TITLE", &D::m_strExpansion, IdExpansion)},
                                                   CommonFields::WithoutTitle)};
    return rows;
}

DialogTemplate CDataDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Data (HTML5)", 240, 130, false,
        "A value for machines: <DATA> and </DATA> around the selection.",
        WithCommonControls(
            {Edit(IdValue, "Value:")
                 .Width(150)
                 .Help("The machine-readable form of the text, such as a product number; required.")}));
}

void CDataDialog::DoDataExchange(CDataExchange& dx) {
    DDX_RequiredText(dx, IdValue, m_strValue);
    DDX_CommonAttributes(dx, m_common);
}

const TagRows<CDataDialog>& CDataDialog::Rows() {
    using D = CDataDialog;
    static const TagRows<D> rows{"DATA", WithCommonRows<D>({rows::Quoted("VALUE", &D::m_strValue, IdValue)})};
    return rows;
}

DialogTemplate CQuotationDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Quotation (HTML5)", 250, 130, false,
        "A short quotation: <Q> and </Q> around the selection; browsers add the quotation marks.",
        WithCommonControls({
            UrlCombo(IdQuoteSource, "Source URL:")
                .Help("The address of the document the quotation comes from (CITE); may be left empty."),
            BrowseButton(IdQuoteBrowse, IdQuoteSource, browse::LinkTitle, browse::HtmlFilter)
                .Beside()
                .Help("Picks a local file; its path is put into the field."),
        }));
}

void CQuotationDialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalUrl(dx, IdQuoteSource, m_strCite);
    DDX_CommonAttributes(dx, m_common);
}

const TagRows<CQuotationDialog>& CQuotationDialog::Rows() {
    using D = CQuotationDialog;
    static const TagRows<D> rows{"Q", WithCommonRows<D>({rows::Url("CITE", &D::m_strCite, IdQuoteSource)})};
    return rows;
}

TagPair BuildTime(const CTimeDialog& dialog) {
    return AroundSelection(dialog, "TIME");
}

TagPair BuildAbbreviation(const CAbbreviationDialog& dialog) {
    return AroundSelection(dialog, "ABBR");
}

TagPair BuildData(const CDataDialog& dialog) {
    return AroundSelection(dialog, "DATA");
}

TagPair BuildQuotation(const CQuotationDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close(), "</Q>"};
}

void RegisterTextFamily(ElementRegistry& registry) {
    registry.Bind<CTimeDialog>(cmd::Time, BuildTime);
    registry.Bind<CAbbreviationDialog>(cmd::Abbreviation, BuildAbbreviation);
    registry.Bind<CDataDialog>(cmd::Data, BuildData);
    registry.Bind<CQuotationDialog>(cmd::Quotation, BuildQuotation);
}

} // namespace razo
