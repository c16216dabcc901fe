#include "gui/app/RazoApplication.h"

#include <Qsci/qsciprinter.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "core/app/RecentFiles.h"
#include "core/prefs/Preferences.h"
#include "core/resources/CommandIds.h"
#include "core/settings/SettingsKeys.h"
#include "core/view/ViewCommands.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/AltKeyGuard.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/DiskChangeWatcher.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentRecovery.h"
#include "gui/app/EditCommands.h"
#include "gui/app/MainWindow.h"
#include "gui/app/StatusPanes.h"
#include "gui/app/UnfinishedSaveOffer.h"

namespace razo {

QString RazoApplication::DefaultProfilePath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + "/.config";
    const QString folder = base + "/razo";
    QDir().mkpath(folder);
    return folder + "/" + settings::ProfileFileName;
}

RazoApplication::RazoApplication(const QString& profilePath)
    : m_profile((profilePath.isEmpty() ? DefaultProfilePath() : profilePath).toStdString()),
      m_dialogs(m_profile, m_prompts), m_elements{m_profile, m_dialogs, m_prompts, m_system},
      m_documentServices{m_profile, m_prompts, m_launcher, {}}, m_templates(RegisteredTemplates(m_profile)),
      m_recent(std::make_unique<RecentFiles>(m_profile)),
      m_printer(std::make_unique<QsciPrinter>(QPrinter::HighResolution)) {
    m_documentServices.registerViewCommands = [this](CRazoView& view) {
        RegisterViewCommands(view, m_elements);
    };
    m_recent->Load();
    RegisterCommands();
}

RazoApplication::~RazoApplication() = default;

void RazoApplication::Start(const QString& commandLinePath) {
    m_window = std::make_unique<MainWindow>(*this);
    AltKeyGuard::Install(m_window.get());
    m_prompts.SetParent(m_window.get());
    m_dialogs.SetParent(m_window.get());
    m_dialogs.SetHelpHandler([this](int contextId) { m_window->ShowHelpTopic(contextId); });
    m_diskWatcher = new DiskChangeWatcher(m_window->Files(), *m_window);
    m_diskWatcher->showStatus = [this](const QString& message) { m_window->Status().ShowNotice(message); };
    m_recovery = std::make_unique<DocumentRecovery>(m_window->Files(), m_window.get());
    m_recovery->showStatus = [this](const QString& message) { m_window->Status().ShowPrompt(message); };
    // Shown first, so the document window is sized for the area it opens in.
    m_window->ShowAtStart();
    // Files that killed saves left half-written are settled before pages are offered back.
    OfferUnfinishedSaves(m_window.get());
    m_recovery->OfferLeftPages();
    if (!commandLinePath.isEmpty())
        m_window->Files().OpenPath(commandLinePath);
}

void RazoApplication::RegisterCommands() {
    m_target.OnCommand(cmd::AppAbout, [this] { About(); });
    m_target.OnCommand(cmd::FileNew, [this] { m_window->Files().New(); });
    m_target.OnCommand(cmd::FileOpen, [this] { m_window->Files().Open(); });
    m_target.OnCommand(cmd::FilePrintSetup, [this] { RunPrintSetup(*m_printer, m_window.get()); });
    m_target.OnCommand(cmd::AppExit, [this] { m_window->close(); });
    for (int i = 0; i < settings::RecentFileCount; ++i) {
        const int id = cmd::FileMruFirst + i;
        m_target.OnCommand(id, [this, i] { m_window->Files().OpenRecent(i); });
        m_target.OnUpdate(id, [this, i](CmdUI& ui) { ui.Enable(size_t(i) < m_recent->Paths().size()); });
    }
    m_target.OnCommand(cmd::Preferences, [this] { OnPreferences(m_profile, m_dialogs); });
}

void RazoApplication::About() {
    AboutDialog dialog(m_window.get());
    dialog.exec();
}

} // namespace razo
