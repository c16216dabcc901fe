#pragma once
#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "core/settings/AtomicFile.h"

class QWidget;

namespace razo {

class DocumentFiles;
class DocumentWindow;

// Notices files of open pages that another program changed, deleted or renamed: when the main
// window is activated, just before a page is saved and, sooner, when the system says so. A check
// is one stat of the file against what the page last read or wrote.
//
// An unmodified page is reloaded, keeping the caret's line; a modified one asks whether to
// reload it (losing the edits) or to keep the edits, which is the default. A save over a file
// that changed since it was read asks first, and does not overwrite by default. A page whose file
// went away stays open, modified.
class DiskChangeWatcher : public QObject {
    Q_OBJECT
public:
    DiskChangeWatcher(DocumentFiles& files, QWidget& mainWindow);

    // Checks every open page now.
    void CheckAll();
    // Checks one page.
    void Check(DocumentWindow& window);

    std::function<void(const QString& message)> showStatus;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Attach(DocumentWindow* window);
    bool ConfirmSave(DocumentWindow& window, const std::string& path, const FileStamp& found,
                     bool duringSave);
    void Reload(DocumentWindow& window);
    void WatchOpenFiles();
    void Tell(const QString& message);
    // A question may be asked only while the program is in front.
    bool MayAsk() const;

    QPointer<DocumentFiles> m_files;
    QWidget& m_mainWindow;
    QFileSystemWatcher m_watcher;
    QTimer m_soon;
    bool m_checking = false;
};

} // namespace razo
