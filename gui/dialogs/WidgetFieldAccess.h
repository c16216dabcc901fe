#pragma once
#include "core/dialogs/FieldAccess.h"

class QWidget;

namespace razo {

class DialogWindow;

// The core's view of a running dialog's widgets. Writing a value never raises a list's change
// notification (the window reports only what the user chooses in a list).
class WidgetFieldAccess : public FieldAccess {
public:
    explicit WidgetFieldAccess(DialogWindow& window) : m_window(window) {}

    std::string GetText(int id) const override;
    void SetText(int id, const std::string& text) override;
    int GetCheck(int id) const override;
    void SetCheck(int id, int state) override;
    int GetListIndex(int id) const override;
    void SetListIndex(int id, int index) override;
    bool SelectListString(int id, const std::string& text) override;
    void AddListEntry(int id, const std::string& text) override;
    int GetRadioIndex(int firstId) const override;
    void SetRadioIndex(int firstId, int index) override;
    void EnableControl(int id, bool enabled) override;
    bool IsEnabled(int id) const override;
    // The session reads the control to go back to from the exchange itself.
    void MarkReturnControl(int) override {}

private:
    template <class Widget> Widget* As(int id) const;

    DialogWindow& m_window;
};

} // namespace razo
