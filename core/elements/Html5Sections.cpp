#include "core/elements/Html5Sections.h"

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace html5;

constexpr const char* Figure = "FIGURE";
constexpr const char* Details = "DETAILS";

bool IsDetails(const CSectionDialog& d) {
    return d.m_strElement == Details;
}

// The label's words for the element the command chose.
std::string GoesAround(const std::string& element) {
    return "<" + element + "> and </" + element + "> go around the selection.";
}

} // namespace

DialogTemplate CSectionDialog::MakeTemplate() {
    ControlTemplate element = Label(GoesAround("SECTION"));
    element.id = IdSectionElement;
    return MakeDialogTemplate(
        IDD, "Section (HTML5)", 240, 150, false,
        "A section of the page around the selection: <HEADER>, <NAV>, <MAIN>, <ARTICLE>, <SECTION>, <ASIDE>, "
        "<FOOTER>, <ADDRESS>, <FIGURE>, <DETAILS> or <HGROUP>, by the command chosen.",
        WithCommonControls({
            element,
            Edit(IdCaption, "Caption:")
                .Width(150)
                .Disabled()
                .Help("A figure's caption, written as <FIGCAPTION> after its content; leave it empty for "
                      "none."),
            Edit(IdSummary, "Summary:")
                .Width(150)
                .Disabled()
                .Help("The line a details element always shows, written as <SUMMARY> before its content."),
            CheckBox(IdOpen, "Shown open")
                .Disabled()
                .Help("The details element opens with its content shown (OPEN)."),
        }));
}

void CSectionDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdCaption, m_strCaption);
    DDX_Text(dx, IdSummary, m_strSummary);
    DDX_Check(dx, IdOpen, m_bOpen);
    DDX_CommonAttributes(dx, m_common);
}

void CSectionDialog::OnInitDialog(DialogHost& host) {
    FieldAccess& fields = host.Fields();
    fields.SetText(IdSectionElement, GoesAround(m_strElement));
    fields.EnableControl(IdCaption, m_strElement == Figure);
    fields.EnableControl(IdSummary, IsDetails(*this));
    fields.EnableControl(IdOpen, IsDetails(*this));
}

const TagRows<CSectionDialog>& CSectionDialog::Rows() {
    using D = CSectionDialog;
    static const TagRows<D> rows{
        [](const D& d) { return d.m_strElement; },
        WithCommonRows<D>({rows::Flag("OPEN", &D::m_bOpen, IdOpen).When(IsDetails)})};
    return rows;
}

TagPair BuildSection(const CSectionDialog& dialog) {
    const std::string& element = dialog.m_strElement;
    std::string start = WriteStartTag(dialog).Close("\r\n");
    if (IsDetails(dialog) && !dialog.m_strSummary.empty())
        start += "<SUMMARY>" + dialog.m_strSummary + "</SUMMARY>\r\n";
    std::string end = "\r\n";
    if (element == Figure && !dialog.m_strCaption.empty())
        end += "<FIGCAPTION>" + dialog.m_strCaption + "</FIGCAPTION>\r\n";
    return {start, end + "</" + element + ">"};
}

void RegisterSectionFamily(ElementRegistry& registry) {
    const std::pair<int, const char*> sections[] = {
        {cmd::Header, "HEADER"},       {cmd::Nav, "NAV"},
        {cmd::Main, "MAIN"},           {cmd::Article, "ARTICLE"},
        {cmd::Section, "SECTION"},     {cmd::Aside, "ASIDE"},
        {cmd::Footer, "FOOTER"},       {cmd::ContactAddress, "ADDRESS"},
        {cmd::Figure, Figure},         {cmd::Details, Details},
        {cmd::HeadingGroup, "HGROUP"},
    };
    for (const auto& [id, element] : sections)
        registry.Bind<CSectionDialog>(id, BuildSection, std::string(element));
}

} // namespace razo
