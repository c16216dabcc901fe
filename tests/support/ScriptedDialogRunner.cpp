#include "support/ScriptedDialogRunner.h"

#include "dialogs/UrlHistory.h"

#include <algorithm>

#include "dialogs/DataExchange.h"
#include "dialogs/Dialog.h"
#include "dialogs/ExpandDialog.h"

namespace razo::test {

ScriptedFields::ScriptedFields(const DialogTemplate& dialogTemplate) : m_template(dialogTemplate) {
    for (const auto& control : dialogTemplate.controls)
        if (control.kind == ControlKind::ListCombo || control.kind == ControlKind::EditableCombo)
            m_entries[control.id] = control.entries;
}

bool ScriptedFields::IsList(int id) const {
    const ControlTemplate* control = m_template.Find(id);
    return control && control->kind == ControlKind::ListCombo;
}

const std::vector<std::string>& ScriptedFields::Entries(int id) const {
    static const std::vector<std::string> none;
    auto found = m_entries.find(id);
    return found == m_entries.end() ? none : found->second;
}

std::string ScriptedFields::GetText(int id) const {
    auto found = m_text.find(id);
    return found == m_text.end() ? std::string() : found->second;
}

void ScriptedFields::SetText(int id, const std::string& text) {
    if (IsList(id)) {
        const auto& entries = Entries(id);
        bool known = std::find(entries.begin(), entries.end(), text) != entries.end();
        m_text[id] = known ? text : std::string();
        return;
    }
    m_text[id] = text;
}

int ScriptedFields::GetCheck(int id) const {
    auto found = m_check.find(id);
    return found == m_check.end() ? 0 : found->second;
}

void ScriptedFields::SetCheck(int id, int state) {
    m_check[id] = state;
}

int ScriptedFields::GetListIndex(int id) const {
    const auto& entries = Entries(id);
    auto found = std::find(entries.begin(), entries.end(), GetText(id));
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

void ScriptedFields::SetListIndex(int id, int index) {
    const auto& entries = Entries(id);
    m_text[id] = index >= 0 && index < static_cast<int>(entries.size()) ? entries[index] : std::string();
}

bool ScriptedFields::SelectListString(int id, const std::string& text) {
    const auto& entries = Entries(id);
    if (std::find(entries.begin(), entries.end(), text) == entries.end())
        return false;
    m_text[id] = text;
    return true;
}

void ScriptedFields::AddListEntry(int id, const std::string& text) {
    m_entries[id].push_back(text);
}

int ScriptedFields::GetRadioIndex(int firstId) const {
    auto found = m_radio.find(firstId);
    return found == m_radio.end() ? -1 : found->second;
}

void ScriptedFields::SetRadioIndex(int firstId, int index) {
    m_radio[firstId] = index;
}

bool ScriptedDialogRunner::RunModal(CDialog& dialog) {
    ScriptedFields fields(dialog.Template());
    Run run;
    run.idd = dialog.Template().idd;
    CDataExchange load(false, fields, m_prompts);
    dialog.DoDataExchange(load);
    dialog.OnInitDialog(fields);
    if (m_profile != nullptr)
        FillHistoryLists(dialog.Template(), fields, *m_profile);
    CExpandDialog* expand = dialog.Expandable();
    run.openedExpanded = expand && expand->IsExpanded();
    run.openedTitle = expand ? expand->WindowTitle() : dialog.Template().title;
    for (const auto& control : dialog.Template().controls)
        if (control.history != HistoryList::None)
            run.listEntries[control.id] = fields.Entries(control.id);

    while (!m_script.empty()) {
        Press press = m_script.front();
        m_script.pop_front();
        for (int i = 0; expand && i < press.toggles; ++i)
            expand->OnToggleLayout();
        for (const auto& [id, text] : press.texts)
            fields.SetText(id, text);
        for (const auto& [id, state] : press.checks)
            fields.SetCheck(id, state);
        for (const auto& [id, index] : press.radios)
            fields.SetRadioIndex(id, index);
        if (press.cancel)
            break;
        CDataExchange save(true, fields, m_prompts);
        dialog.DoDataExchange(save);
        if (!save.Failed()) {
            run.ok = true;
            break;
        }
        run.refusedAt.push_back(fields.returnControl);
    }
    runs.push_back(run);
    return run.ok;
}

} // namespace razo::test
