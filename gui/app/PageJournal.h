#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <string>
#include <vector>

#include "gui/app/RecoveryJournalWriter.h"

namespace razo {

class DocumentWindow;

// Keeps the recovery file of one document window: written a short while after typing pauses,
// and at least every so often while it goes on, as long as the document has unsaved changes;
// removed when it has none (saved, reloaded) and when the window goes.
//
// The text is copied out of the control in slices between the window's events, so no keystroke
// waits for a large page to be copied; the writer thread does the rest. A change within the part
// already copied is noted and made to the copy on the writer's thread, so typing near the top of
// a large page never sends the copy back to the start.
class PageJournal : public QObject {
    Q_OBJECT
public:
    struct Timing {
        int pauseMs = 2000;
        int longestMs = 30000;
    };
    // Bytes copied at a time: small enough that a slice is over in about a millisecond.
    static constexpr long SliceBytes = 4L * 1024 * 1024;

    PageJournal(DocumentWindow& window, RecoveryJournalWriter& writer, int serial, Timing timing);
    ~PageJournal() override;

    int Serial() const { return m_serial; }
    // The page's file holds its current text already (a page just brought back from it).
    void MarkWritten();
    // Starts writing now, without waiting for the pause.
    void JournalNow();
    bool HasFile() const { return m_hasFile; }
    bool IsCopying() const { return m_copying; }

    static PageJournal* Of(DocumentWindow& window);

private:
    void Changed(long position, int type, const char* text, long length);
    void ModifiedChanged(bool modified);
    void CopySlice();
    void Finish();
    void Drop();

    DocumentWindow& m_window;
    QPointer<RecoveryJournalWriter> m_writer;
    const int m_serial;
    QTimer m_pause;
    QTimer m_longest;
    QTimer m_slice;
    std::string m_copy;
    std::vector<CopyEdit> m_edits;
    long m_copied = 0; // where the copy goes on in the control's text
    bool m_copying = false;
    bool m_dirty = false;
    bool m_hasFile = false;
};

} // namespace razo
