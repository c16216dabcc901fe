#pragma once
#include <QObject>
#include <QString>
#include <memory>

#include "core/app/CommandRouter.h"
#include "core/app/DocumentTypes.h"
#include "core/elements/ElementServices.h"
#include "core/settings/IniProfile.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/QtProcessLauncher.h"
#include "gui/app/QtSystemInfo.h"
#include "gui/app/QtUserPrompts.h"
#include "gui/dialogs/QtDialogRunner.h"

class QsciPrinter;

namespace razo {

class DiskChangeWatcher;
class DocumentRecovery;
class InstanceServer;
class MainWindow;
class RecentFiles;

// The application object: the settings profile, the document types in registration order, the
// services every document shares, the application's own commands (About, Preferences, File New,
// File Open, Print Setup, Exit, the recent files) and the main window.
class RazoApplication : public QObject {
    Q_OBJECT
public:
    // `profilePath` empty: RAZO.INI in the user's configuration folder.
    explicit RazoApplication(const QString& profilePath = QString());
    ~RazoApplication() override;

    // $XDG_CONFIG_HOME/razo/RAZO.INI, by default ~/.config/razo/RAZO.INI; creates the folder.
    static QString DefaultProfilePath();

    // Creates the main window (restoring its placement) and shows it; opens `path` when given.
    void Start(const QString& commandLinePath);

    // Takes the documents of later starts on this display from now on (see SingleInstance).
    void ListenForLaterStarts();
    // A document a later start handed over (empty: none): brought in front, in this window.
    void OpenHandedOver(const std::string& path);

    IniProfile& Profile() { return m_profile; }
    UserPrompts& Prompts() { return m_prompts; }
    ProcessLauncher& Launcher() { return m_launcher; }
    // The dialog renderer every element dialog and Preferences run in.
    QtDialogRunner& Dialogs() { return m_dialogs; }
    ElementServices& Elements() { return m_elements; }
    DocumentServices& Documents() { return m_documentServices; }
    const TemplateList& Templates() const { return m_templates; }
    RecentFiles& Recent() { return *m_recent; }
    // Made when first asked for: setting up printing costs a start that never prints.
    QsciPrinter& Printer();
    CommandTarget& Target() { return m_target; }
    MainWindow& Window() { return *m_window; }
    DocumentRecovery& Recovery() { return *m_recovery; }
    DiskChangeWatcher& DiskWatcher() { return *m_diskWatcher; }

private:
    void RegisterCommands();
    void About();

    IniProfile m_profile;
    QtUserPrompts m_prompts;
    QtProcessLauncher m_launcher;
    QtSystemInfo m_system;
    QtDialogRunner m_dialogs;
    ElementServices m_elements;
    DocumentServices m_documentServices;
    TemplateList m_templates;
    std::unique_ptr<RecentFiles> m_recent;
    std::unique_ptr<QsciPrinter> m_printer;
    CommandTarget m_target;
    std::unique_ptr<MainWindow> m_window;
    // Ends before the window does, taking this run's recovery files with it.
    std::unique_ptr<DocumentRecovery> m_recovery;
    DiskChangeWatcher* m_diskWatcher = nullptr;
    std::unique_ptr<InstanceServer> m_instanceServer;
};

} // namespace razo
