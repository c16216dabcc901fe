#pragma once
#include <QObject>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/app/CopyEdits.h"
#include "core/app/RecoveryJournal.h"

namespace razo {

class RecoveryStore;

// Writes and removes this run's recovery files on a thread of its own, so a large page's file
// (and the wait for the disk to take it) never holds up the window. Requests for one page are
// done in the order they were made; a write still waiting is dropped when a newer one for the
// same page comes, or its removal.
class RecoveryJournalWriter : public QObject {
    Q_OBJECT
public:
    explicit RecoveryJournalWriter(RecoveryStore& store, QObject* parent = nullptr);
    // Waits for the write under way, then removes every file of this run.
    ~RecoveryJournalWriter() override;

    // `edits` are changes made while the text was copied (see ApplyCopyEdits).
    void Write(int serial, JournalPage page, std::string text, std::vector<CopyEdit> edits = {});
    void Remove(int serial);
    // Blocks until every request made so far is done (tests and the benchmark).
    void WaitUntilIdle();

signals:
    // On the window's thread, after a write: 0 or the errno of the step that failed.
    void written(int serial, int error);

private:
    struct Job {
        int serial = 0;
        bool remove = false;
        JournalPage page;
        std::string text;
        std::vector<CopyEdit> edits;
    };
    void Run();
    void Enqueue(Job job);

    RecoveryStore& m_store;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace razo
