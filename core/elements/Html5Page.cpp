#include "core/elements/Html5Page.h"

#include "core/dialogs/DataExchange.h"
#include "core/elements/Html5Common.h"
#include "core/elements/Markup.h"
#include "core/ports/SystemInfo.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

using namespace html5;

CHtml5PageDialog::CHtml5PageDialog(const ElementServices& services)
    : m_strLanguage(Read(services.profile, settings::PageLanguage)) {
    if (m_strLanguage.empty())
        m_strLanguage = services.system.Language();
}

DialogTemplate CHtml5PageDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "HTML5 Page", 220, 60, false,
        "The start of an HTML5 page: <HTML LANG=...>, a head with the UTF-8 charset, the viewport for small "
        "screens and the title.",
        {
            Edit(IdPageLanguage, "Language:")
                .Width(60)
                .Help("The language the page is written in, such as en or pt-BR; remembered for the next "
                      "page. Empty leaves LANG out."),
            Edit(IdPageTitle, "Title:").Width(150).Help("The page's title, which browsers show on its tab."),
        });
}

void CHtml5PageDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdPageLanguage, m_strLanguage);
    DDV_LanguageTag(dx, m_strLanguage);
    DDX_RequiredText(dx, IdPageTitle, m_strTitle);
}

TagPair BuildHtml5Html(const CHtml5PageDialog& dialog) {
    return {Tag("HTML").Quoted("LANG", dialog.m_strLanguage).Close("\r\n"), "</HTML>"};
}

std::string BuildHtml5Head(const CHtml5PageDialog& dialog) {
    return "<HEAD>\r\n" + Tag("META").Quoted("CHARSET", "utf-8").Close("\r\n") +
           Tag("META")
               .Quoted("NAME", "viewport")
               .Quoted("CONTENT", "width=device-width, initial-scale=1")
               .Close("\r\n") +
           "<TITLE>" + dialog.m_strTitle + "</TITLE>\r\n</HEAD>\r\n";
}

void RememberPageLanguage(IniProfile& profile, const CHtml5PageDialog& dialog) {
    Write(profile, settings::PageLanguage, dialog.m_strLanguage);
}

} // namespace razo
