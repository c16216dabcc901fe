#include "core/dialogs/DialogSession.h"

#include <algorithm>

#include "core/dialogs/Colours.h"
#include "core/dialogs/DataExchange.h"
#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogRunner.h"
#include "core/dialogs/ExpandDialog.h"
#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/UrlHistory.h"

namespace razo {

namespace {

bool TakesFocus(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::EditableCombo:
    case ControlKind::ListCombo:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return true;
    default:
        return false;
    }
}

} // namespace

DialogSession::DialogSession(CDialog& dialog, FieldAccess& fields, UserPrompts& prompts,
                             const IniProfile& profile, DialogRunner& subDialogs, DialogView& view)
    : m_dialog(dialog), m_fields(fields), m_prompts(prompts), m_profile(profile), m_subDialogs(subDialogs),
      m_view(view), m_colours(dialog.Template().colourFields) {}

void DialogSession::Open() {
    ApplyTemplateStates();
    for (const auto& field : m_dialog.Template().colourFields)
        Repaint(field.swatchIds);
    CDataExchange load(false, m_fields, m_prompts);
    m_dialog.DoDataExchange(load);
    ShowLoadedColours();
    m_dialog.OnInitDialog(*this);
    FillHistoryLists(m_dialog.Template(), m_fields, m_profile);
    if (m_dialog.Expandable())
        ApplyLayout();
}

void DialogSession::ApplyTemplateStates() {
    for (const auto& control : m_dialog.Template().controls)
        if (control.disabled && control.id != IdStatic)
            m_fields.EnableControl(control.id, false);
}

// A colour the fields opened with (one read from the page) shows in its samples at once.
void DialogSession::ShowLoadedColours() {
    for (const auto& field : m_dialog.Template().colourFields) {
        const std::string name = m_fields.GetText(field.nameListId);
        if (IsColourNumber(m_fields.GetText(field.numberId)))
            Repaint(m_colours.OnNumberChanged(field.numberId, m_fields));
        else if (!name.empty() && name != NoColourName)
            Repaint(m_colours.OnNameChanged(field.nameListId, m_fields));
    }
}

void DialogSession::OnControl(int id) {
    if (id == IdToggle) {
        if (CExpandDialog* expand = m_dialog.Expandable()) {
            expand->OnToggleLayout();
            ApplyLayout();
        }
        return;
    }
    if (!m_fields.IsEnabled(id))
        return;
    const ControlTemplate* control = m_dialog.Template().Find(id);
    if (control && control->browse)
        BrowseForFile(m_fields, *control->browse, m_profile, m_prompts);
    else if (const ColourFieldSpec* colour = m_colours.FieldOf(id))
        OnColourField(*colour, id);
    else
        m_dialog.OnFieldChanged(id, *this);
}

void DialogSession::OnColourField(const ColourFieldSpec& field, int id) {
    if (id == field.nameListId)
        Repaint(m_colours.OnNameChanged(id, m_fields));
    else if (id == field.numberId)
        Repaint(m_colours.OnNumberChanged(id, m_fields));
    else if (id == field.selectId)
        Repaint(m_colours.OnSelect(id, m_fields, m_prompts));
}

bool DialogSession::PressOk() {
    m_returnControl = 0;
    CDataExchange save(true, m_fields, m_prompts);
    m_dialog.DoDataExchange(save);
    if (!save.Failed())
        return true;
    int id = save.ReturnControl();
    if (IsHidden(id)) {
        // The refused value must be seen to be mended; the layout choice is still stored only
        // by OK.
        m_dialog.Expandable()->OnToggleLayout();
        ApplyLayout();
    }
    if (id > 0 && !m_fields.IsEnabled(id))
        id = EnabledFieldAtOrBefore(id);
    m_returnControl = id;
    return false;
}

bool DialogSession::IsHidden(int id) const {
    const CExpandDialog* expand = m_dialog.Expandable();
    const ControlTemplate* control = m_dialog.Template().Find(id);
    return expand && !expand->IsExpanded() && control && control->part == LayoutPart::Expanded;
}

int DialogSession::EnabledFieldAtOrBefore(int id) const {
    const auto& controls = m_dialog.Template().controls;
    auto usable = [&](const ControlTemplate& c) {
        return TakesFocus(c) && c.id != IdStatic && m_fields.IsEnabled(c.id) && !IsHidden(c.id);
    };
    auto at =
        std::find_if(controls.begin(), controls.end(), [&](const ControlTemplate& c) { return c.id == id; });
    for (auto it = at; it != controls.begin();) {
        --it;
        if (usable(*it))
            return it->id;
    }
    auto first = std::find_if(controls.begin(), controls.end(), usable);
    return first == controls.end() ? 0 : first->id;
}

bool DialogSession::RunModal(CDialog& subDialog) {
    return m_subDialogs.RunModal(subDialog);
}

void DialogSession::ApplyLayout() {
    const CExpandDialog& expand = *m_dialog.Expandable();
    m_view.ShowLayout(expand.IsExpanded(), expand.WindowTitle(), expand.ToggleCaption());
}

void DialogSession::Repaint(const std::vector<int>& swatchIds) {
    for (int id : swatchIds)
        if (const CColourSwatch* swatch = m_colours.Swatch(id))
            m_view.PaintSwatch(id, *swatch);
}

} // namespace razo
