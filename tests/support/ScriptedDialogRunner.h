#pragma once
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/dialogs/DialogRunner.h"
#include "core/dialogs/DialogSession.h"
#include "core/dialogs/DialogTemplate.h"
#include "core/dialogs/FieldAccess.h"

namespace razo {
class IniProfile;
class UserPrompts;
} // namespace razo

namespace razo::test {

// The controls of one dialog held in memory. Lists know their entries (template entries plus
// the ones added), so selecting a string that is not an entry selects nothing, as a list does.
class ScriptedFields : public FieldAccess {
public:
    explicit ScriptedFields(const DialogTemplate& dialogTemplate);

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
    bool IsEnabled(int id) const override { return !m_disabled.count(id); }
    void MarkReturnControl(int id) override { returnControl = id; }

    // A list's entries as shown (a sorted list in alphabetical order).
    const std::vector<std::string>& Entries(int id) const;
    // The entries added since the dialog opened, in the order they were added.
    const std::vector<std::string>& Added(int id) const;

    int returnControl = 0;

private:
    bool IsList(int id) const;

    const DialogTemplate& m_template;
    std::map<int, std::string> m_text;
    std::map<int, int> m_check;
    std::map<int, int> m_radio;
    std::map<int, std::vector<std::string>> m_entries;
    std::map<int, std::vector<std::string>> m_added;
    std::set<int> m_disabled;
};

// One thing a user does in a dialog. Each fires what the real window fires for it: the change
// of the control, handled by the dialog's session.
struct Action {
    enum class Kind { Type, Choose, Check, Radio, Click };
    Kind kind = Kind::Click;
    int id = 0;
    std::string text = {};
    int value = 0;
};
// Types `text` into an edit or combo box, replacing what it held.
Action Type(int id, std::string text);
// Picks the list entry `entry` (nothing, when the list has no such entry).
Action Choose(int id, std::string entry);
Action Tick(int id, int state = 1);
// Clicks the `index`-th button of the radio group that starts with `firstId`.
Action PickRadio(int firstId, int index);
Action Click(int id);

// One press of OK (or Cancel), after what the user did before it: `toggles` clicks on the
// layout toggle, then the values of `texts`, `checks` and `radios` (each set as the user would,
// in order of control id), then `actions` in order. A sub-dialog that an action opens takes the
// next presses of the script.
struct Press {
    std::map<int, std::string> texts = {}; // edits and combo boxes (a list entry by its text)
    std::map<int, int> checks = {};
    std::map<int, int> radios = {};
    int toggles = 0;
    std::vector<Action> actions = {};
    bool cancel = false;
};

// A DialogRunner that plays a script of presses against any dialog through the same session
// protocol as the real runner: each press in turn until one OK succeeds (true) or a Cancel or
// the end of the script (false). Refused presses are recorded, as is what the dialog looked
// like when it opened.
class ScriptedDialogRunner : public DialogRunner {
public:
    // With a profile, URL combo boxes are filled from the remembered lists, as the real runner does.
    explicit ScriptedDialogRunner(UserPrompts& prompts, const IniProfile* profile = nullptr);
    ~ScriptedDialogRunner() override;

    // Presses for the next dialogs that run.
    void Script(std::vector<Press> presses) {
        m_script.insert(m_script.end(), presses.begin(), presses.end());
    }
    bool RunModal(CDialog& dialog) override;
    size_t PressesLeft() const { return m_script.size(); }

    struct Run {
        int idd = 0;
        bool openedExpanded = false;
        std::string openedTitle;
        std::string title; // as the dialog ended
        bool expanded = false;
        std::vector<int> refusedAt; // the control the user was sent back to, per refused press
        // What the URL lists were filled with at initialisation, in the order added (they show
        // it sorted).
        std::map<int, std::vector<std::string>> listEntries;
        std::map<int, CColourSwatch> swatches; // as last painted
        std::set<int> disabled;                // controls disabled as the dialog ended
        std::vector<int> blocked;              // controls the script tried to use while they were disabled
        bool ok = false;
    };
    // In the order the dialogs opened (a sub-dialog after the dialog that opened it).
    std::vector<Run> runs;

private:
    void Play(const Press& press, const DialogTemplate& dialogTemplate, ScriptedFields& fields,
              DialogSession& session, Run& run);

    UserPrompts& m_prompts;
    const IniProfile* m_profile = nullptr;
    std::unique_ptr<IniProfile> m_noProfile;
    std::deque<Press> m_script;
};

} // namespace razo::test
