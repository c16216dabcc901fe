#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/RecoveryStore.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/PageJournal.h"

class QWidget;

namespace razo {

class DocumentWindow;
class RecoveryJournalWriter;

// The recovery journal of a run: a PageJournal for every document window, the writer thread,
// and at start the offer of the pages a run that ended left unsaved. A clean exit removes every
// file of the run.
class DocumentRecovery : public QObject {
    Q_OBJECT
public:
    // `root` empty: DefaultRoot().
    DocumentRecovery(DocumentFiles& files, QWidget* dialogParent, const std::string& root = std::string(),
                     PageJournal::Timing timing = {});
    ~DocumentRecovery() override;

    // $XDG_STATE_HOME/razo/recovery, by default ~/.local/state/razo/recovery.
    static std::string DefaultRoot();

    // Offers the pages of ended runs in one dialog, once; recovered pages open modified. Only
    // headers are read for the offer; a page's text is checked off the window's thread, with
    // progress, when it is recovered. What cannot be recovered is said, and its file kept.
    void OfferLeftPages();

    RecoveryStore& Store() { return *m_store; }
    RecoveryJournalWriter& Writer() { return *m_writer; }

    // Told when a page's file cannot be written (once until a write succeeds again).
    std::function<void(const QString& message)> showStatus;

private:
    void Attach(DocumentWindow* window);
    void Recover(const std::vector<RecoveryStore::Orphan>& orphans);
    // 0, or an errno for each orphan's text (EIO: not what was written).
    std::vector<int> Verify(const std::vector<const RecoveryStore::Orphan*>& orphans);
    // 0, or the errno that kept the orphan from its window (EIO: damaged; ENOENT: taken).
    int Open(const RecoveryStore::Orphan& orphan);
    void Written(int serial, int error);

    QPointer<DocumentFiles> m_files;
    QWidget* m_dialogParent;
    PageJournal::Timing m_timing;
    std::unique_ptr<RecoveryStore> m_store;
    std::unique_ptr<RecoveryJournalWriter> m_writer;
    int m_nextSerial = 1;
    int m_failingSerial = 0;
};

} // namespace razo
