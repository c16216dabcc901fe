#include "tests/support/ScriptedDialogRunner.h"

#include <algorithm>
#include <memory>

#include "core/dialogs/Dialog.h"
#include "core/dialogs/ExpandDialog.h"
#include "core/settings/IniProfile.h"

namespace razo::test {

namespace {

// The next code point of UTF-8 `text` at `at`; a byte that starts no valid sequence counts as
// itself.
char32_t NextCodePoint(const std::string& text, size_t& at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || at + length > text.size()) {
        ++at;
        return lead;
    }
    char32_t code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i)
        code = (code << 6) | (byte(at + i) & 0x3F);
    at += length;
    return code;
}

// Letter case folded as Qt folds it, for the scripts a page or a file name is likely to use:
// Latin, Greek and Cyrillic.
char32_t FoldCase(char32_t c) {
    const auto inRange = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    if (inRange('A', 'Z') || (inRange(0xC0, 0xDE) && c != 0xD7) || (inRange(0x391, 0x3AB) && c != 0x3A2) ||
        inRange(0x410, 0x42F))
        return c + 0x20;
    if (inRange(0x400, 0x40F))
        return c + 0x50;
    if (c == 0x3C2) // final sigma
        return 0x3C3;
    if (c == 0x178)
        return 0xFF;
    if (c == 0x17F) // long s
        return 's';
    // Latin Extended-A: capital and small letters in pairs, the capital first.
    const bool oddCapitals = inRange(0x139, 0x148) || inRange(0x179, 0x17E);
    if (inRange(0x100, 0x17E) && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
        (c % 2 == 1) == oddCapitals)
        return c + 1;
    return c;
}

// A sorted list orders its entries as the real one does: by code point with letter case folded,
// a new entry after those equal to it.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = FoldCase(NextCodePoint(a, i));
        const char32_t y = FoldCase(NextCodePoint(b, j));
        if (x != y)
            return x < y;
    }
    return i == a.size() && j < b.size();
}

void Insert(std::vector<std::string>& entries, const std::string& text, bool sorted) {
    auto at =
        sorted ? std::upper_bound(entries.begin(), entries.end(), text, LessIgnoringCase) : entries.end();
    entries.insert(at, text);
}

} // namespace

ScriptedFields::ScriptedFields(const DialogTemplate& dialogTemplate) : m_template(dialogTemplate) {
    for (const auto& control : dialogTemplate.controls) {
        if (control.kind != ControlKind::ListCombo && control.kind != ControlKind::EditableCombo)
            continue;
        auto& entries = m_entries[control.id];
        for (const auto& entry : control.entries)
            Insert(entries, entry, control.sorted);
    }
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
    const ControlTemplate* control = m_template.Find(id);
    Insert(m_entries[id], text, control && control->sorted);
    m_added[id].push_back(text);
}

const std::vector<std::string>& ScriptedFields::Added(int id) const {
    static const std::vector<std::string> none;
    auto found = m_added.find(id);
    return found == m_added.end() ? none : found->second;
}

int ScriptedFields::GetRadioIndex(int firstId) const {
    auto found = m_radio.find(firstId);
    return found == m_radio.end() ? -1 : found->second;
}

void ScriptedFields::SetRadioIndex(int firstId, int index) {
    m_radio[firstId] = index;
}

void ScriptedFields::EnableControl(int id, bool enabled) {
    if (enabled)
        m_disabled.erase(id);
    else
        m_disabled.insert(id);
}

Action Type(int id, std::string text) {
    return {Action::Kind::Type, id, std::move(text)};
}

Action Choose(int id, std::string entry) {
    return {Action::Kind::Choose, id, std::move(entry)};
}

Action Tick(int id, int state) {
    return {Action::Kind::Check, id, {}, state};
}

Action PickRadio(int firstId, int index) {
    return {Action::Kind::Radio, firstId, {}, index};
}

Action Click(int id) {
    return {Action::Kind::Click, id};
}

namespace {

// Records what the session shows, for the test to read.
class RecordedView : public DialogView {
public:
    explicit RecordedView(ScriptedDialogRunner::Run& run) : m_run(run) {}
    void ShowLayout(bool expanded, const std::string& title, const std::string&) override {
        m_run.expanded = expanded;
        m_run.title = title;
    }
    void PaintSwatch(int id, const CColourSwatch& swatch) override { m_run.swatches[id] = swatch; }

private:
    ScriptedDialogRunner::Run& m_run;
};

} // namespace

ScriptedDialogRunner::ScriptedDialogRunner(UserPrompts& prompts, const IniProfile* profile)
    : m_prompts(prompts), m_profile(profile) {
    // Without a profile the URL lists stay empty: an empty profile nobody writes to.
    if (m_profile == nullptr) {
        m_noProfile = std::make_unique<IniProfile>("");
        m_profile = m_noProfile.get();
    }
}

ScriptedDialogRunner::~ScriptedDialogRunner() = default;

void ScriptedDialogRunner::Play(const Press& press, const DialogTemplate& dialogTemplate,
                                ScriptedFields& fields, DialogSession& session, Run& run) {
    std::vector<Action> actions;
    for (const auto& [id, text] : press.texts)
        actions.push_back(Type(id, text));
    for (const auto& [id, state] : press.checks)
        actions.push_back(Tick(id, state));
    for (const auto& [id, index] : press.radios)
        actions.push_back(PickRadio(id, index));
    actions.insert(actions.end(), press.actions.begin(), press.actions.end());

    for (int i = 0; i < press.toggles; ++i)
        session.OnControl(IdToggle);
    for (const Action& action : actions) {
        if (!fields.IsEnabled(action.id)) {
            run.blocked.push_back(action.id);
            continue;
        }
        int notified = action.id;
        switch (action.kind) {
        case Action::Kind::Type:
        case Action::Kind::Choose:
            fields.SetText(action.id, action.text);
            break;
        case Action::Kind::Check:
            fields.SetCheck(action.id, action.value);
            break;
        case Action::Kind::Radio: {
            // The window reports the click of the button itself.
            fields.SetRadioIndex(action.id, action.value);
            const std::vector<int> buttons = dialogTemplate.RadioGroupIds(action.id);
            if (action.value >= 0 && size_t(action.value) < buttons.size())
                notified = buttons[size_t(action.value)];
            break;
        }
        case Action::Kind::Click:
            break;
        }
        session.OnControl(notified);
    }
}

bool ScriptedDialogRunner::RunModal(CDialog& dialog) {
    const size_t index = runs.size();
    runs.push_back({});
    Run run;
    run.idd = dialog.Template().idd;
    ScriptedFields fields(dialog.Template());
    RecordedView view(run);
    DialogSession session(dialog, fields, m_prompts, *m_profile, *this, view);
    session.Open();
    CExpandDialog* expand = dialog.Expandable();
    run.openedExpanded = expand && expand->IsExpanded();
    run.openedTitle = expand ? expand->WindowTitle() : dialog.Template().title;
    if (!expand)
        run.title = run.openedTitle;
    for (const auto& control : dialog.Template().controls)
        if (control.history != HistoryList::None)
            run.listEntries[control.id] = fields.Added(control.id);

    while (!m_script.empty()) {
        Press press = m_script.front();
        m_script.pop_front();
        Play(press, dialog.Template(), fields, session, run);
        if (press.cancel)
            break;
        if (session.PressOk()) {
            run.ok = true;
            break;
        }
        run.refusedAt.push_back(session.ReturnControl());
    }
    for (const auto& control : dialog.Template().controls)
        if (control.id != IdStatic && !fields.IsEnabled(control.id))
            run.disabled.insert(control.id);
    runs[index] = run;
    return run.ok;
}

} // namespace razo::test
