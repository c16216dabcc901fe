#include "gui/app/DiskChangeWatcher.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include "core/app/FilePaths.h"
#include "core/resources/Strings.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentIO.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/GuiDocument.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {

namespace {

// A question with two answers, the safe one the default (Return) and also Escape's.
bool AskWithSafeDefault(QWidget* parent, const QString& question, const char* riskyButton,
                        const char* safeButton, QMessageBox::StandardButton safeStandard) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(strings::AppTitle), question,
                    QMessageBox::NoButton, parent);
    QPushButton* risky = box.addButton(QString::fromUtf8(riskyButton), QMessageBox::DestructiveRole);
    QPushButton* safe = safeButton ? box.addButton(QString::fromUtf8(safeButton), QMessageBox::RejectRole)
                                   : box.addButton(safeStandard);
    box.setDefaultButton(safe);
    box.setEscapeButton(safe);
    box.exec();
    return box.clickedButton() == risky;
}

} // namespace

DiskChangeWatcher::DiskChangeWatcher(DocumentFiles& files, QWidget& mainWindow)
    : QObject(&mainWindow), m_files(&files), m_mainWindow(mainWindow) {
    connect(&files, &DocumentFiles::windowCreated, this, &DiskChangeWatcher::Attach);
    for (DocumentWindow* window : files.Windows())
        Attach(window);
    // The system tells of a change; a burst of them (a program writing in steps) is one check.
    m_soon.setSingleShot(true);
    m_soon.setInterval(200);
    connect(&m_soon, &QTimer::timeout, this, &DiskChangeWatcher::CheckAll);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_soon, qOverload<>(&QTimer::start));
    mainWindow.installEventFilter(this);
}

void DiskChangeWatcher::Attach(DocumentWindow* window) {
    window->Doc().confirmSave = [this, window](const std::string& path, const FileStamp& found,
                                               bool duringSave) {
        return ConfirmSave(*window, path, found, duringSave);
    };
    // The path is known once the window has its file (its title follows the file's name); the
    // window is among the open ones once it is shown.
    const auto watchSoon = [this] { QTimer::singleShot(0, this, &DiskChangeWatcher::WatchOpenFiles); };
    connect(window, &QWidget::windowTitleChanged, this, watchSoon);
    connect(window, &DocumentWindow::closing, this, watchSoon);
}

bool DiskChangeWatcher::eventFilter(QObject* watched, QEvent* event) {
    // After the activation has been handled, so a question does not come up inside it.
    if (watched == &m_mainWindow && event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &DiskChangeWatcher::CheckAll);
    return false;
}

bool DiskChangeWatcher::MayAsk() const {
    return m_mainWindow.isActiveWindow() || QApplication::activeModalWidget() != nullptr;
}

void DiskChangeWatcher::WatchOpenFiles() {
    QStringList wanted;
    if (m_files)
        for (DocumentWindow* window : m_files->Windows())
            if (!window->IsClosing() && !window->Doc().PathName().empty())
                wanted << QFile::decodeName(QByteArray::fromStdString(window->Doc().PathName()));
    // A file replaced by a rename is a new file: every name is watched afresh.
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    wanted.removeIf([](const QString& path) { return !QFile::exists(path); });
    if (!wanted.isEmpty())
        m_watcher.addPaths(wanted);
}

void DiskChangeWatcher::CheckAll() {
    if (m_checking || !m_files)
        return;
    m_checking = true;
    for (DocumentWindow* window : m_files->Windows())
        if (!window->IsClosing())
            Check(*window);
    m_checking = false;
    WatchOpenFiles();
}

void DiskChangeWatcher::Check(DocumentWindow& window) {
    GuiDocument& document = window.Doc();
    const std::string path = document.PathName();
    if (path.empty())
        return;
    const FileStamp now = StampOf(path);
    if (now == document.SeenStamp())
        return;
    const QString shown = ShownPath(path);
    if (!now.exists) {
        document.SetSeenStamp(now);
        document.SetModifiedFlag(true);
        Tell(QString::fromUtf8(strings::GoneFromDisk).arg(shown));
        return;
    }
    if (!document.IsModified()) {
        Reload(window);
        return;
    }
    if (!MayAsk())
        return;
    // Asked once for this version of the file.
    document.SetSeenStamp(now);
    QPointer<DocumentWindow> alive(&window);
    const bool reload =
        AskWithSafeDefault(&m_mainWindow, QString::fromUtf8(strings::ChangedOnDiskQuestion).arg(shown),
                           strings::ReloadButton, strings::KeepChangesButton, QMessageBox::NoButton);
    if (reload && alive && !alive->IsClosing())
        Reload(*alive);
}

void DiskChangeWatcher::Reload(DocumentWindow& window) {
    GuiDocument& document = window.Doc();
    const std::string path = document.PathName();
    ScintillaTextControl& control = window.Control();
    RazoEditor& editor = window.Editor();
    const long caretLine = control.LineFromChar(control.CaretPos().value_or(0));
    const long firstVisible = editor.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    QString error;
    if (!window.LoadFile(path, error)) {
        // The text shown is then all there is of the page.
        document.SetSeenStamp(StampOf(path));
        document.SetModifiedFlag(true);
        Tell(QString::fromUtf8(strings::CannotReload).arg(ShownPath(path), error.section("\n\n", -1)));
        return;
    }
    const long lines = editor.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    const long line = std::min(caretLine, lines - 1);
    const long at = control.LineIndex(line);
    control.SetSel(at, at);
    editor.SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE,
                         static_cast<unsigned long>(firstVisible));
    control.ScrollCaret();
    Tell(QString::fromUtf8(strings::ReloadedFromDisk).arg(ShownPath(path)));
}

bool DiskChangeWatcher::ConfirmSave(DocumentWindow& window, const std::string& path, const FileStamp& found,
                                    bool duringSave) {
    GuiDocument& document = window.Doc();
    const bool ownFile = !document.PathName().empty() && AbsoluteFilePath(path) == document.PathName();
    // Nothing there to overwrite, or the very file the page read or wrote last; a change made
    // while the text was being written is always asked about.
    if (!duringSave && (!ownFile || !found.exists || found == document.DiskStamp()))
        return true;
    if (ownFile)
        document.SetSeenStamp(found);
    return AskWithSafeDefault(&m_mainWindow,
                              QString::fromUtf8(strings::OverwriteQuestion).arg(ShownPath(path)),
                              strings::OverwriteButton, nullptr, QMessageBox::Cancel);
}

void DiskChangeWatcher::Tell(const QString& message) {
    if (showStatus)
        showStatus(message);
}

} // namespace razo
