#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogTemplate.h"
#include "dialogs/FieldAccess.h"

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
    void MarkReturnControl(int id) override { returnControl = id; }

    const std::vector<std::string>& Entries(int id) const;

    int returnControl = 0;

private:
    bool IsList(int id) const;

    const DialogTemplate& m_template;
    std::map<int, std::string> m_text;
    std::map<int, int> m_check;
    std::map<int, int> m_radio;
    std::map<int, std::vector<std::string>> m_entries;
};

// One press of OK (or Cancel) with the field values the user set before it.
struct Press {
    std::map<int, std::string> texts = {}; // edits and combo boxes (a list entry by its text)
    std::map<int, int> checks = {};
    std::map<int, int> radios = {};
    int toggles = 0; // clicks on the layout toggle before the press
    bool cancel = false;
};

// A DialogRunner that plays a script of presses against any dialog: load exchange, OnInitDialog,
// then each press in turn until one OK succeeds (true) or a Cancel or the end of the script
// (false). Refused presses are recorded, as is what the dialog looked like when it opened.
class ScriptedDialogRunner : public DialogRunner {
public:
    // With a profile, URL combo boxes are filled from the remembered lists, as the real runner does.
    explicit ScriptedDialogRunner(UserPrompts& prompts, const IniProfile* profile = nullptr)
        : m_prompts(prompts), m_profile(profile) {}

    // Presses for the next dialog that runs.
    void Script(std::vector<Press> presses) {
        m_script.insert(m_script.end(), presses.begin(), presses.end());
    }
    bool RunModal(CDialog& dialog) override;

    struct Run {
        int idd = 0;
        bool openedExpanded = false;
        std::string openedTitle;
        std::vector<int> refusedAt; // the control the user was sent back to, per refused press
        std::map<int, std::vector<std::string>> listEntries; // lists filled at initialisation
        bool ok = false;
    };
    std::vector<Run> runs;

private:
    UserPrompts& m_prompts;
    const IniProfile* m_profile = nullptr;
    std::deque<Press> m_script;
};

} // namespace razo::test
