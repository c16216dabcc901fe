#include "core/dialogs/ExpandDialog.h"

#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

CExpandDialog::CExpandDialog(const DialogTemplate& dialogTemplate, IniProfile& profile)
    : CDialog(dialogTemplate), m_profile(profile) {}

void CExpandDialog::OnInitDialog(DialogHost& host) {
    CDialog::OnInitDialog(host);
    m_strBaseTitle = Template().title;
    bool remember = Read(m_profile, settings::RememberLayout) != 0;
    bool lastExpanded = Read(m_profile, settings::LastLayoutExpanded) != 0;
    m_bExpanded = m_openIn >= 0 ? m_openIn : remember && lastExpanded ? 1 : 0;
}

std::string CExpandDialog::WindowTitle() const {
    return m_strBaseTitle + (m_bExpanded ? captions::ExpandedTitleSuffix : captions::ShortTitleSuffix);
}

const char* CExpandDialog::ToggleCaption() const {
    return m_bExpanded ? captions::ShortToggle : captions::ExpandToggle;
}

int CExpandDialog::SaveLayoutChoice() {
    Write(m_profile, settings::LastLayoutExpanded, m_bExpanded);
    return m_bExpanded;
}

} // namespace razo
