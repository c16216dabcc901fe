#include "gui/app/DocumentRecovery.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include "core/app/DocumentReader.h"
#include "core/app/DocumentTypes.h"
#include "core/app/FilePaths.h"
#include "core/app/RecoveryStore.h"
#include "core/resources/Strings.h"
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

// The page's bytes into the window exactly as they were: the encoding and the byte order mark
// are the journal's, not guessed again from the text.
void Fill(DocumentWindow& window, const JournalPage& page, const std::string& text) {
    ScintillaTextControl& control = window.Control();
    control.BeginLoad(static_cast<std::int64_t>(text.size()));
    control.AppendLoaded(text);
    control.EndLoad(page.utf8);
    GuiDocument& document = window.Doc();
    document.SetByteOrderMark(page.byteOrderMark);
    if (!page.path.empty())
        document.SetPathName(page.path);
    // What the page had read: a file changed since is then noticed, and asked about before
    // it is saved over.
    document.SetDiskStamp(page.disk);
    document.SetModifiedFlag(true);
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
    const std::vector<RecoveryStore::Orphan> orphans = m_store->FindOrphans();
    m_store->Tidy();
    if (orphans.empty())
        return;
    std::vector<RecoveryDialog::Row> rows;
    for (const RecoveryStore::Orphan& orphan : orphans) {
        RecoveryDialog::Row row;
        row.writtenAt = orphan.page.writtenAt;
        if (orphan.page.path.empty()) {
            row.page = QString::fromStdString(orphan.page.title);
        } else {
            row.page = ShownPath(FileNameOf(orphan.page.path));
            row.folder = ShownPath(FolderOf(orphan.page.path));
        }
        rows.push_back(row);
    }
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
        for (const RecoveryStore::Orphan& orphan : orphans) {
            m_files->OpenFilled(TypeNamed(orphan.page.type), QString::fromStdString(orphan.page.title),
                                [this, &orphan](DocumentWindow& window) {
                                    PageJournal* journal = PageJournal::Of(window);
                                    auto claimed =
                                        journal ? m_store->Claim(orphan, journal->Serial()) : std::nullopt;
                                    if (!claimed)
                                        return false;
                                    Fill(window, claimed->page, claimed->text);
                                    journal->MarkWritten();
                                    return true;
                                });
        }
        break;
    }
    m_store->Tidy();
}

} // namespace razo
