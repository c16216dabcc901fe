#pragma once
#include <string>

#include "core/dialogs/Dialog.h"

namespace razo {

class IniProfile;

// A dialog in two sizes: the short layout holds what HTML 2.0 allows (the template's
// LayoutPart::Short controls), the expanded one adds the HTML 3.2 attributes below it. The core
// keeps the state; the renderer sizes the window and hides and disables the expanded part while
// the dialog is short. After OK the command handler calls SaveLayoutChoice once and writes the
// HTML 3.2 attributes only when it returns nonzero. Hidden values still take part in the
// exchange (and can refuse the OK); they are just not written. Whether a template is expandable
// and whether its dialog class derives from this one are one fact, checked over every template.
class CExpandDialog : public CDialog {
public:
    CExpandDialog(const DialogTemplate& dialogTemplate, IniProfile& profile);

    // Opens expanded when the last OK was expanded and the user asked to remember it.
    void OnInitDialog(DialogHost& host) override;
    CExpandDialog* Expandable() override { return this; }

    // Opens in this layout whatever the settings say, and leaves them alone (a dialog filled from
    // a tag of the page).
    void OpenIn(bool expanded) { m_openIn = expanded ? 1 : 0; }

    void OnToggleLayout() { m_bExpanded = m_bExpanded ? 0 : 1; }
    bool IsExpanded() const { return m_bExpanded != 0; }
    // "Heading (HTML 2.0)" or "Heading (HTML 3.2)".
    std::string WindowTitle() const;
    // "HTML&3.2 >>" while short, "<< HTML&2.0" while expanded.
    const char* ToggleCaption() const;

    // Stores the layout in force as the next default and returns it (nonzero: expanded).
    int SaveLayoutChoice();

    int m_bExpanded = 0;
    std::string m_strBaseTitle;

private:
    IniProfile& m_profile;
    int m_openIn = -1; // -1: as the settings say
};

namespace captions {
inline constexpr const char* ExpandToggle = "HTML&3.2 >>";
inline constexpr const char* ShortToggle = "<< HTML&2.0";
inline constexpr const char* ShortTitleSuffix = " (HTML 2.0)";
inline constexpr const char* ExpandedTitleSuffix = " (HTML 3.2)";
} // namespace captions

} // namespace razo
