#include "gui/app/DocumentRecovery.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cerrno>
#include <thread>

#include "core/app/DocumentReader.h"
#include "core/app/DocumentTypes.h"
#include "core/app/FileMessages.h"
#include "core/app/FilePaths.h"
#include "core/app/RecoveryStore.h"
#include "core/resources/Strings.h"
#include "core/text/MessageText.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentIO.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/RecoveryDialog.h"
#include "gui/app/RecoveryJournalWriter.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {

namespace {

const DocumentTemplate& TypeNamed(const std::string& extension) {
    return extension == HtmTemplate.filterExt ? HtmTemplate : HtmlTemplate;
}

// The page's bytes into the window exactly as they were, checked on the way: the encoding and the
// byte order mark are the journal's, not guessed again from the text.
int Fill(DocumentWindow& window, const RecoveryStore::Orphan& orphan, const std::string& claimed) {
    const JournalPage& page = orphan.header.page;
    ScintillaTextControl& control = window.Control();
    control.BeginLoad(static_cast<std::int64_t>(orphan.header.length));
    const int error = RecoveryStore::ReadText(
        claimed, orphan, [&control](std::string_view bytes) { control.AppendLoaded(bytes); });
    if (error != 0)
        return error;
    control.EndLoad(page.utf8);
    GuiDocument& document = window.Doc();
    document.SetByteOrderMark(page.byteOrderMark);
    if (!page.path.empty())
        document.SetPathName(page.path);
    // What the page had read: a file changed since is then noticed, and asked about before
    // it is saved over.
    document.SetDiskStamp(page.disk);
    document.SetModifiedFlag(true);
    return 0;
}

QString PageName(const RecoveryStore::Orphan& orphan) {
    const JournalPage& page = orphan.header.page;
    if (!page.path.empty())
        return ShownPath(FileNameOf(page.path));
    return page.title.empty() ? QString::fromUtf8(strings::RecoveryUnknownPage)
                              : QString::fromStdString(page.title);
}

RecoveryDialog::Row RowOf(const RecoveryStore::Orphan& orphan) {
    RecoveryDialog::Row row;
    row.page = PageName(orphan);
    if (!orphan.header.page.path.empty())
        row.folder = ShownPath(FolderOf(orphan.header.page.path));
    row.writtenAt = orphan.writtenAt;
    row.size = orphan.size;
    row.damaged = orphan.damaged;
    return row;
}

RecoveryFailure FailureOf(const RecoveryStore::Orphan& orphan, int error) {
    RecoveryFailure failure;
    failure.page = PageName(orphan).toStdString();
    failure.reason = error == EIO      ? RecoveryFailure::Damaged
                     : error == ENOENT ? RecoveryFailure::TakenElsewhere
                     : error == EFBIG  ? RecoveryFailure::TooLarge
                                       : RecoveryFailure::Failed;
    failure.error = error;
    failure.size = orphan.size;
    return failure;
}

} // namespace

std::string DocumentRecovery::DefaultRoot() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + "/.local/state";
    return SystemPath(base + "/razo/recovery");
}

DocumentRecovery::DocumentRecovery(DocumentFiles& files, QWidget* dialogParent, const std::string& root,
                                   PageJournal::Timing timing)
    : m_files(&files), m_dialogParent(dialogParent), m_timing(timing),
      m_store(std::make_unique<RecoveryStore>(root.empty() ? DefaultRoot() : root)),
      m_writer(std::make_unique<RecoveryJournalWriter>(*m_store)) {
    connect(&files, &DocumentFiles::windowCreated, this, &DocumentRecovery::Attach);
    connect(m_writer.get(), &RecoveryJournalWriter::written, this, &DocumentRecovery::Written);
    for (DocumentWindow* window : files.Windows())
        Attach(window);
}

DocumentRecovery::~DocumentRecovery() {
    // Windows still open keep no file: their journals let go of the writer first.
    if (m_files)
        for (DocumentWindow* window : m_files->Windows())
            delete PageJournal::Of(*window);
}

void DocumentRecovery::Attach(DocumentWindow* window) {
    new PageJournal(*window, *m_writer, m_nextSerial++, m_timing);
}

void DocumentRecovery::Written(int serial, int error) {
    if (error == 0) {
        if (serial == m_failingSerial)
            m_failingSerial = 0;
        return;
    }
    if (m_failingSerial == serial || !showStatus)
        return;
    m_failingSerial = serial;
    QString title;
    for (DocumentWindow* window : m_files->Windows())
        if (PageJournal* journal = PageJournal::Of(*window); journal && journal->Serial() == serial)
            title = window->Doc().TitleText();
    showStatus(QString::fromUtf8(strings::RecoveryNotKept)
                   .arg(title, QString::fromLocal8Bit(SystemErrorText(error))));
}

void DocumentRecovery::OfferLeftPages() {
    if (m_store->CheckRoot().status == PrivateFolder::Foreign) {
        QMessageBox::warning(m_dialogParent, QString::fromUtf8(strings::AppTitle),
                             QString::fromStdString(FillMessage(strings::RecoveryFolderForeign,
                                                                {ShownPath(m_store->Root()).toStdString()})));
        return;
    }
    const std::vector<RecoveryStore::Orphan> orphans = m_store->FindOrphans();
    m_store->Tidy();
    if (orphans.empty())
        return;
    std::vector<RecoveryDialog::Row> rows;
    for (const RecoveryStore::Orphan& orphan : orphans)
        rows.push_back(RowOf(orphan));
    RecoveryDialog dialog(rows, m_dialogParent);
    dialog.exec();
    if (m_dialogParent)
        m_dialogParent->activateWindow();
    switch (dialog.Chosen()) {
    case RecoveryDialog::DecideLater:
        return;
    case RecoveryDialog::Discard:
        for (const RecoveryStore::Orphan& orphan : orphans)
            m_store->Discard(orphan);
        break;
    case RecoveryDialog::Recover:
        Recover(orphans);
        break;
    }
    m_store->Tidy();
}

void DocumentRecovery::Recover(const std::vector<RecoveryStore::Orphan>& orphans) {
    std::vector<RecoveryFailure> failures;
    std::vector<const RecoveryStore::Orphan*> wanted;
    // Damaged files stay, offered again as such; a page larger than a window takes is never read.
    for (const RecoveryStore::Orphan& orphan : orphans) {
        if (orphan.damaged)
            continue;
        if (orphan.size > MaxDocumentBytes)
            failures.push_back(FailureOf(orphan, EFBIG));
        else
            wanted.push_back(&orphan);
    }
    const std::vector<int> checked = Verify(wanted);
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        int error = checked[i];
        if (error == EIO)
            m_store->MarkDamaged(*wanted[i]);
        if (error == 0)
            error = Open(*wanted[i]);
        if (error != 0)
            failures.push_back(FailureOf(*wanted[i], error));
    }
    if (failures.empty())
        return;
    QMessageBox::warning(m_dialogParent, QString::fromUtf8(strings::AppTitle),
                         QString::fromStdString(RecoveryFailureMessage(failures, MaxDocumentBytes)));
    if (m_dialogParent)
        m_dialogParent->activateWindow();
}

std::vector<int> DocumentRecovery::Verify(const std::vector<const RecoveryStore::Orphan*>& orphans) {
    std::vector<int> results(orphans.size(), 0);
    std::int64_t total = 0;
    for (const RecoveryStore::Orphan* orphan : orphans)
        total += orphan->size;
    if (orphans.empty())
        return results;
    std::atomic<std::int64_t> done{0};
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        std::int64_t before = 0;
        for (std::size_t i = 0; i < orphans.size(); ++i) {
            results[i] = RecoveryStore::Verify(*orphans[i], [&](std::int64_t bytes) {
                done = before + bytes;
                return true;
            });
            before += orphans[i]->size;
        }
        finished = true;
    });
    // The window goes on painting meanwhile; the dialog shows only when the check takes a while.
    QProgressDialog progress(QString::fromUtf8(strings::RecoveryChecking), QString(), 0, 1000,
                             m_dialogParent);
    progress.setWindowTitle(QString::fromUtf8(strings::AppTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(50);
    connect(&tick, &QTimer::timeout, &loop, [&] {
        if (finished) {
            loop.quit();
            return;
        }
        progress.setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 0);
    });
    tick.start();
    loop.exec();
    worker.join();
    return results;
}

int DocumentRecovery::Open(const RecoveryStore::Orphan& orphan) {
    int error = 0;
    m_files->OpenFilled(TypeNamed(orphan.header.page.type), QString::fromStdString(orphan.header.page.title),
                        [this, &orphan, &error](DocumentWindow& window) {
                            PageJournal* journal = PageJournal::Of(window);
                            std::string claimed;
                            error = journal ? m_store->Claim(orphan, journal->Serial(), claimed) : EINVAL;
                            if (error == 0)
                                error = Fill(window, orphan, claimed);
                            if (error != 0) {
                                // Back where it was found: it is offered again at the next start.
                                if (!claimed.empty())
                                    m_store->GiveBack(claimed, orphan, error == EIO);
                                return false;
                            }
                            journal->MarkWritten();
                            return true;
                        });
    return error;
}

} // namespace razo
