#pragma once
#include <string>
#include <vector>

#include "core/dialogs/Colours.h"
#include "core/dialogs/DialogHost.h"

namespace razo {

class CDialog;
class DialogRunner;
class IniProfile;

// What a running dialog shows beyond its fields: the window of the Qt runner, a record in the
// scripted runner of the tests.
class DialogView {
public:
    virtual ~DialogView() = default;
    // The layout of an expandable dialog: which part is shown, the title and the toggle caption.
    virtual void ShowLayout(bool expanded, const std::string& title, const std::string& toggleCaption) = 0;
    virtual void PaintSwatch(int id, const CColourSwatch& swatch) = 0;
};

// One showing of one dialog, written once for every runner: opening it (template states, load
// exchange, OnInitDialog, remembered URLs, layout), what a control's change or click does (the
// layout toggle, Browse, the colour fields, else the dialog's own handler) and OK (the save
// exchange, and where the user goes back to when it refuses). Runners only show the window,
// turn the user's actions into these calls and close it.
class DialogSession : public DialogHost {
public:
    DialogSession(CDialog& dialog, FieldAccess& fields, UserPrompts& prompts, const IniProfile& profile,
                  DialogRunner& subDialogs, DialogView& view);

    void Open();
    // A control changed or was clicked. Controls that are disabled cannot act and are ignored.
    void OnControl(int id);
    // OK: true when the save exchange succeeded. Otherwise the user has been told why and
    // ReturnControl() names the field to give the focus to: shown (a short layout is expanded
    // for it) and enabled (a disabled field's place is taken by the nearest enabled one
    // before it).
    bool PressOk();
    int ReturnControl() const { return m_returnControl; }

    FieldAccess& Fields() override { return m_fields; }
    UserPrompts& Prompts() override { return m_prompts; }
    bool RunModal(CDialog& subDialog) override;

private:
    void ApplyTemplateStates();
    void ShowLoadedColours();
    void ApplyLayout();
    void Repaint(const std::vector<int>& swatchIds);
    void OnColourField(const ColourFieldSpec& field, int id);
    bool IsHidden(int id) const;
    int EnabledFieldAtOrBefore(int id) const;

    CDialog& m_dialog;
    FieldAccess& m_fields;
    UserPrompts& m_prompts;
    const IniProfile& m_profile;
    DialogRunner& m_subDialogs;
    DialogView& m_view;
    ColourFieldGroup m_colours;
    int m_returnControl = 0;
};

} // namespace razo
