#pragma once
#include "core/dialogs/DialogTemplate.h"

namespace razo {

class CDataExchange;
class CExpandDialog;
class DialogHost;

// A modal dialog: its template, its members (in the subclass) and its data exchange. How a
// dialog runs (open, a control changed, toggle, Browse, Select, OK, refusal) is DialogSession's
// protocol, which every runner drives.
class CDialog {
public:
    explicit CDialog(const DialogTemplate& dialogTemplate) : m_template(dialogTemplate) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    const DialogTemplate& Template() const { return m_template; }

    virtual void DoDataExchange(CDataExchange&) {}
    // After the controls exist and the load exchange ran: preselect entries, enable fields and
    // the like. URL lists are filled by the session afterwards.
    virtual void OnInitDialog(DialogHost&) {}
    // A control of the dialog changed or was clicked (other than the layout toggle, Browse
    // buttons and colour fields, which the session handles itself).
    virtual void OnFieldChanged(int /*id*/, DialogHost&) {}

    virtual CExpandDialog* Expandable() { return nullptr; }

private:
    const DialogTemplate& m_template;
};

} // namespace razo
