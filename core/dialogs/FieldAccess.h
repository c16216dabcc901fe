#pragma once
#include <string>

namespace razo {

// A running dialog's controls, by control id, as the core sees them. The GUI renderer implements
// it over real widgets; tests use a scripted fake.
class FieldAccess {
public:
    virtual ~FieldAccess() = default;

    // Edits and combo boxes: the text shown. For a drop-down list that is the selected entry's
    // text, "" when none is selected; writing a list's text selects the entry equal to it, or
    // none when no entry is equal.
    virtual std::string GetText(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;

    // Check boxes: 0 clear, 1 ticked.
    virtual int GetCheck(int id) const = 0;
    virtual void SetCheck(int id, int state) = 0;

    // Combo boxes: index of the selected entry in the order shown, -1 for none.
    virtual int GetListIndex(int id) const = 0;
    virtual void SetListIndex(int id, int index) = 0;
    // Selects the entry whose text equals `text` without raising a change notification;
    // returns false (and leaves the selection alone) when there is none.
    virtual bool SelectListString(int id, const std::string& text) = 0;
    // Adds an entry; a sorted list puts it in its alphabetical place.
    virtual void AddListEntry(int id, const std::string& text) = 0;

    // Radio groups, named by their first button: index of the ticked button, -1 for none.
    virtual int GetRadioIndex(int firstId) const = 0;
    virtual void SetRadioIndex(int firstId, int index) = 0;

    // Enabling: a disabled control and its label are greyed and cannot take the focus. A control
    // disabled this way is left out of the save exchange's checks (its value cannot be edited,
    // so it must not block OK). Independent of the expandable dialogs' short layout, whose hidden
    // fields are still checked.
    virtual void EnableControl(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) const = 0;

    // Marks the control the user is sent back to when the exchange fails: the renderer gives it
    // the focus and selects its text once the exchange has stopped.
    virtual void MarkReturnControl(int id) = 0;
};

} // namespace razo
