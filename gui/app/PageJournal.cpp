#include "gui/app/PageJournal.h"

#include <ctime>

#include "core/app/CopyEdits.h"
#include "core/app/DocumentTypes.h"
#include "core/app/RecoveryJournal.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/RecoveryJournalWriter.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {

namespace {

using Sci = QsciScintillaBase;

} // namespace

PageJournal::PageJournal(DocumentWindow& window, RecoveryJournalWriter& writer, int serial, Timing timing)
    : QObject(&window), m_window(window), m_writer(&writer), m_serial(serial) {
    setObjectName(QStringLiteral("PageJournal"));
    m_pause.setSingleShot(true);
    m_pause.setInterval(timing.pauseMs);
    m_longest.setSingleShot(true);
    m_longest.setInterval(timing.longestMs);
    m_slice.setSingleShot(true);
    m_slice.setInterval(0);
    connect(&m_pause, &QTimer::timeout, this, &PageJournal::JournalNow);
    connect(&m_longest, &QTimer::timeout, this, &PageJournal::JournalNow);
    connect(&m_slice, &QTimer::timeout, this, &PageJournal::CopySlice);
    // Told just before every insertion and deletion, with its position.
    connect(&window.Editor(), &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char* text, int length, int, int, int, int, int, int) {
                if (type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE))
                    Changed(position, type, text, length);
            });
    window.Doc().onModifiedChanged = [journal = QPointer(this)](bool modified) {
        if (journal)
            journal->ModifiedChanged(modified);
    };
    // Closed without saving: the changes were not wanted.
    connect(&window, &DocumentWindow::closing, this, [this] { Drop(); });
}

// The window's parts are gone by now; only the file is left to remove.
PageJournal::~PageJournal() {
    if (m_hasFile && m_writer)
        m_writer->Remove(m_serial);
}

PageJournal* PageJournal::Of(DocumentWindow& window) {
    return window.findChild<PageJournal*>(QStringLiteral("PageJournal"), Qt::FindDirectChildrenOnly);
}

void PageJournal::MarkWritten() {
    m_hasFile = true;
    m_dirty = false;
    m_pause.stop();
    m_longest.stop();
}

void PageJournal::Changed(long position, int type, const char* text, long length) {
    if (m_copying && position < m_copied) {
        // The copy then holds the text as it was before the change; the writer makes the change.
        CopyEdit edit;
        edit.copied = m_copy.size();
        edit.position = static_cast<std::size_t>(position);
        if (type & Sci::SC_MOD_BEFOREINSERT) {
            if (text == nullptr) {
                // Nothing to make the change with: the copy starts again.
                m_edits.clear();
                m_copy.clear();
                m_copied = 0;
            } else {
                edit.inserted.assign(text, static_cast<std::size_t>(length));
                m_copied += length;
                m_edits.push_back(std::move(edit));
            }
        } else {
            // Only the part of a deletion that was copied; the rest is gone before it is reached.
            const long erased = std::min(length, m_copied - position);
            edit.erased = static_cast<std::size_t>(erased);
            m_copied -= erased;
            m_edits.push_back(std::move(edit));
        }
    }
    m_dirty = true;
    m_pause.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void PageJournal::ModifiedChanged(bool modified) {
    if (!modified) {
        Drop();
        return;
    }
    // Marked modified without a change of the text (its file went away): the text must be kept.
    if (!m_hasFile || m_dirty) {
        m_dirty = true;
        if (!m_pause.isActive())
            m_pause.start();
        if (!m_longest.isActive())
            m_longest.start();
    }
}

void PageJournal::JournalNow() {
    m_pause.stop();
    m_longest.stop();
    if (m_copying)
        return;
    if (!m_window.Doc().IsModified()) {
        Drop();
        return;
    }
    m_copying = true;
    m_copied = 0;
    m_edits.clear();
    m_copy.clear();
    m_copy.reserve(static_cast<std::size_t>(m_window.Control().TextLength()));
    CopySlice();
}

void PageJournal::CopySlice() {
    if (!m_copying)
        return;
    RazoEditor& editor = m_window.Editor();
    const long length = m_window.Control().TextLength();
    if (m_copied < length) {
        long size = std::min(SliceBytes, length - m_copied);
        // A range across the gap of the control's buffer would make it move the gap first.
        const long gap = editor.SendScintilla(Sci::SCI_GETGAPPOSITION);
        if (m_copied < gap && m_copied + size > gap)
            size = gap - m_copied;
        const auto* bytes = reinterpret_cast<const char*>(
            editor.SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(m_copied), size));
        if (bytes != nullptr)
            m_copy.append(bytes, static_cast<std::size_t>(size));
        m_copied += size;
    }
    if (m_copied < length)
        m_slice.start();
    else
        Finish();
}

void PageJournal::Finish() {
    m_copying = false;
    GuiDocument& document = m_window.Doc();
    if (!document.IsModified()) {
        m_copy = std::string();
        Drop();
        return;
    }
    JournalPage page;
    page.path = document.PathName();
    page.title = document.TitleText().toStdString();
    page.type = m_window.Type().filterExt;
    page.utf8 = m_window.Control().IsUtf8();
    page.byteOrderMark = document.HasByteOrderMark();
    page.writtenAt = static_cast<std::int64_t>(std::time(nullptr));
    page.disk = document.DiskStamp();
    if (m_writer)
        m_writer->Write(m_serial, std::move(page), std::move(m_copy), std::move(m_edits));
    m_copy = std::string();
    m_edits.clear();
    m_hasFile = true;
    m_dirty = false;
    m_pause.stop();
    m_longest.stop();
}

void PageJournal::Drop() {
    m_pause.stop();
    m_longest.stop();
    m_slice.stop();
    m_copying = false;
    m_copy = std::string();
    m_edits.clear();
    m_dirty = false;
    if (m_hasFile) {
        m_hasFile = false;
        if (m_writer)
            m_writer->Remove(m_serial);
    }
}

} // namespace razo
