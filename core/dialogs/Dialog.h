#pragma once
#include "dialogs/DialogTemplate.h"

namespace razo {

class CDataExchange;
class CExpandDialog;
class FieldAccess;

// A modal element dialog: its template, its members (in the subclass) and its data exchange.
//
// Contract for a renderer (DialogRunner) showing a dialog:
// 1. Build the window from Template() (see DialogTemplate.h).
// 2. Run DoDataExchange over a CDataExchange in load mode (members to controls), then
//    OnInitDialog, then fill the URL combo boxes from their remembered lists
//    (FillHistoryLists). For an expandable dialog (Expandable() not null) then apply its layout:
//    IsExpanded(), WindowTitle(), ToggleCaption(); a click on IdToggle calls OnToggleLayout()
//    and applies the layout again.
// 3. Forward control notifications: Browse buttons (ControlTemplate::browse) to BrowseForFile,
//    colour fields to the dialog's ColourFieldGroup, everything else to OnFieldChanged.
// 4. On OK: run DoDataExchange over a CDataExchange in save mode. When it failed, show nothing
//    more (the routine has already told the user through UserPrompts), give the focus to the
//    control marked through FieldAccess::MarkReturnControl (also CDataExchange::ReturnControl())
//    with its text selected, and keep the dialog open. Otherwise close and report OK.
// 5. Cancel and Escape close without an exchange. Help opens the topic Template().HelpContext().
class CDialog {
public:
    explicit CDialog(const DialogTemplate& dialogTemplate) : m_template(dialogTemplate) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    const DialogTemplate& Template() const { return m_template; }

    virtual void DoDataExchange(CDataExchange&) {}
    // After the controls exist and the load exchange ran: preselect entries and the like. URL
    // lists are filled by the runner.
    virtual void OnInitDialog(FieldAccess&) {}
    // A control of the dialog changed or was clicked (other than Browse and colour fields).
    virtual void OnFieldChanged(int /*id*/, FieldAccess&) {}

    virtual CExpandDialog* Expandable() { return nullptr; }

private:
    const DialogTemplate& m_template;
};

} // namespace razo
