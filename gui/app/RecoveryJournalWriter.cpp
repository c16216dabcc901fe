#include "gui/app/RecoveryJournalWriter.h"

#include <algorithm>
#include <cerrno>

#include "core/app/RecoveryStore.h"

namespace razo {

RecoveryJournalWriter::RecoveryJournalWriter(RecoveryStore& store, QObject* parent)
    : QObject(parent), m_store(store), m_thread([this] { Run(); }) {}

RecoveryJournalWriter::~RecoveryJournalWriter() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_jobs.clear();
    }
    m_wake.notify_all();
    m_thread.join();
    m_store.RemoveAll();
}

void RecoveryJournalWriter::Write(int serial, JournalPage page, std::string text,
                                  std::vector<CopyEdit> edits) {
    Enqueue(Job{serial, false, std::move(page), std::move(text), std::move(edits)});
}

void RecoveryJournalWriter::Remove(int serial) {
    Enqueue(Job{serial, true, {}, {}, {}});
}

void RecoveryJournalWriter::Enqueue(Job job) {
    {
        std::lock_guard lock(m_mutex);
        // Only the newest text of a page is worth writing; a removal makes every waiting write moot.
        std::erase_if(m_jobs,
                      [&job](const Job& waiting) { return waiting.serial == job.serial && !waiting.remove; });
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void RecoveryJournalWriter::WaitUntilIdle() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

void RecoveryJournalWriter::Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        if (m_stop)
            break;
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        const int serial = job.serial;
        const bool removal = job.remove;
        int error = 0;
        if (removal) {
            m_store.RemovePage(serial);
        } else if (job.edits.empty()) {
            error = m_store.WritePage(serial, job.page, job.text);
        } else if (auto text = ApplyCopyEdits(job.text, job.edits)) {
            job.text = std::string();
            error = m_store.WritePage(serial, job.page, *text);
        } else {
            error = EINVAL;
        }
        // The text is freed here, on this thread: freeing a large page takes time too.
        job = Job{};
        if (!removal)
            QMetaObject::invokeMethod(
                this, [this, serial, error] { emit written(serial, error); }, Qt::QueuedConnection);
        lock.lock();
        m_busy = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
    m_busy = false;
    m_idle.notify_all();
}

} // namespace razo
