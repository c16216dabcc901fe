#include "dialogs/QtDialogRunner.h"

#include "dialogs/HelpPages.h"

#include <QApplication>

#include "dialogs/Colours.h"
#include "dialogs/DataExchange.h"
#include "dialogs/Dialog.h"
#include "dialogs/DialogWindow.h"
#include "dialogs/ExpandDialog.h"
#include "dialogs/UrlHistory.h"
#include "dialogs/WidgetFieldAccess.h"

namespace razo {

namespace {

// One showing of one dialog: the window, its fields and the colour fields working together.
class Session {
public:
    Session(CDialog& dialog, DialogWindow& window, IniProfile& profile, UserPrompts& prompts,
            const QtDialogRunner::HelpHandler& help)
        : m_dialog(dialog), m_window(window), m_fields(window), m_colours(dialog.Template().colourFields),
          m_profile(profile), m_prompts(prompts), m_help(help) {}

    void Open() {
        QObject::connect(&m_window, &DialogWindow::notified, &m_window, [this](int id) { OnNotified(id); });
        for (const auto& field : m_dialog.Template().colourFields)
            Repaint(field.swatchIds);
        CDataExchange load(false, m_fields, m_prompts);
        m_dialog.DoDataExchange(load);
        m_dialog.OnInitDialog(m_fields);
        FillHistoryLists(m_dialog.Template(), m_fields, m_profile);
        RememberDialogTemplate(m_dialog.Template());
        if (m_dialog.Expandable())
            ApplyLayout();
        else
            m_window.FitToContents();
        m_window.FocusFirstField();
    }

private:
    void OnNotified(int id) {
        switch (id) {
        case IdOk:
            return TryOk();
        case IdCancel:
            return m_window.reject();
        case IdHelp:
            if (m_help)
                m_help(m_dialog.Template().HelpContext());
            return;
        case IdToggle:
            if (CExpandDialog* expand = m_dialog.Expandable()) {
                expand->OnToggleLayout();
                ApplyLayout();
                return;
            }
            break;
        default:
            break;
        }
        const ControlTemplate* control = m_dialog.Template().Find(id);
        if (control && control->browse)
            BrowseForFile(m_fields, *control->browse, m_profile, m_prompts);
        else if (const ColourFieldSpec* colour = m_colours.FieldOf(id))
            OnColourField(*colour, id);
        else
            m_dialog.OnFieldChanged(id, m_fields);
    }

    void OnColourField(const ColourFieldSpec& field, int id) {
        if (id == field.nameListId)
            Repaint(m_colours.OnNameChanged(id, m_fields));
        else if (id == field.numberId)
            Repaint(m_colours.OnNumberChanged(id, m_fields));
        else if (id == field.selectId)
            Repaint(m_colours.OnSelect(id, m_fields, m_prompts));
    }

    // OK: the save exchange; a refusal (already told to the user) sends them back to the field.
    void TryOk() {
        m_fields.ClearReturnControl();
        CDataExchange save(true, m_fields, m_prompts);
        m_dialog.DoDataExchange(save);
        if (!save.Failed()) {
            m_window.accept();
            return;
        }
        m_window.FocusAndSelect(save.ReturnControl() ? save.ReturnControl() : m_fields.ReturnControl());
    }

    void ApplyLayout() {
        CExpandDialog& expand = *m_dialog.Expandable();
        m_window.SetToggleCaption(QString::fromUtf8(expand.ToggleCaption()));
        m_window.SetExpanded(expand.IsExpanded());
        m_window.setWindowTitle(QString::fromStdString(expand.WindowTitle()));
    }

    void Repaint(const std::vector<int>& swatchIds) {
        for (int id : swatchIds)
            if (const CColourSwatch* swatch = m_colours.Swatch(id))
                m_window.PaintSwatch(id, *swatch);
    }

    CDialog& m_dialog;
    DialogWindow& m_window;
    WidgetFieldAccess m_fields;
    ColourFieldGroup m_colours;
    IniProfile& m_profile;
    UserPrompts& m_prompts;
    const QtDialogRunner::HelpHandler& m_help;
};

} // namespace

QtDialogRunner::QtDialogRunner(IniProfile& profile, UserPrompts& prompts, HelpHandler help, QWidget* parent)
    : m_profile(profile), m_prompts(prompts), m_help(std::move(help)), m_parent(parent) {}

bool QtDialogRunner::RunModal(CDialog& dialog) {
    DialogWindow window(dialog.Template(), m_parent ? m_parent : QApplication::activeWindow());
    // Modal to its own window only, so that a help window without a parent stays usable beside it.
    if (window.parentWidget())
        window.setWindowModality(Qt::WindowModal);
    Session session(dialog, window, m_profile, m_prompts, m_help);
    session.Open();
    if (onShow)
        onShow(window);
    return window.exec() == QDialog::Accepted;
}

} // namespace razo
