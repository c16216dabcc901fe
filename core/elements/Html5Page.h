#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/ElementServices.h"

namespace razo {

namespace html5 {
enum PageControl : int {
    IdPageLanguage = 3020,
    IdPageTitle = 3021,
};
inline constexpr const char* PlaceholderTitle = "Put your title here";
} // namespace html5

// What "Insert standard tags" asks once HTML5 is chosen: the page's language and its title. The
// language opens as last given, else as the system's.
class CHtml5PageDialog : public DialogBase<CHtml5PageDialog> {
public:
    enum { IDD = 301 };
    static DialogTemplate MakeTemplate();
    CHtml5PageDialog() = default;
    explicit CHtml5PageDialog(const ElementServices& services);
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strLanguage = "en";
    std::string m_strTitle = html5::PlaceholderTitle;
};

// <HTML LANG="..."> and its end tag; no LANG when the language is empty.
TagPair BuildHtml5Html(const CHtml5PageDialog& dialog);
// The head of an HTML5 page: the UTF-8 charset, the viewport for small screens and the title.
std::string BuildHtml5Head(const CHtml5PageDialog& dialog);
// Keeps the confirmed language for the next page.
void RememberPageLanguage(IniProfile& profile, const CHtml5PageDialog& dialog);

} // namespace razo
