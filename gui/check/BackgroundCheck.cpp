#include "gui/check/BackgroundCheck.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>

#include "core/check/CheckStrings.h"
#include "core/text/MessageText.h"

namespace razo {

// What the checking thread and the window share; the thread holds it as long as it runs, so a
// check let go keeps its text until it stops.
struct CheckJob {
    std::string text;
    PageEncoding encoding = PageEncoding::Detect;
    std::atomic<bool> cancel{false};
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> total{0};
    CheckReport report;  // written by the thread before it ends
    bool running = true; // the window's view: false once delivered or cancelled
};

namespace {

// HTML Tidy follows nested elements as deep as half the thread's stack allows; the main thread's
// usual 8 MiB makes a page in the window check as deep as `razo --check` checks it.
constexpr uint CheckStackBytes = 8u << 20;

// The threads not yet freed, by a number never used twice; on the window's thread only.
std::map<quint64, QThread*>& Threads() {
    static std::map<quint64, QThread*> threads;
    return threads;
}

void Free(quint64 number) {
    const auto found = Threads().find(number);
    if (found == Threads().end())
        return;
    QThread* thread = found->second;
    Threads().erase(found);
    thread->wait();
    delete thread;
}

std::mutex UnfinishedMutex;
int UnfinishedCount = 0;

void CountStarted() {
    const std::lock_guard<std::mutex> lock(UnfinishedMutex);
    ++UnfinishedCount;
}

void CountEnded() {
    const std::lock_guard<std::mutex> lock(UnfinishedMutex);
    --UnfinishedCount;
}

void Check(CheckJob& job) {
    CheckOptions options;
    options.encoding = job.encoding;
    options.cancel = &job.cancel;
    options.progress = [&job](std::size_t done, std::size_t total) {
        job.done = done;
        job.total = total;
    };
    // Nothing may leave the thread's function: running out of memory for a copy of a large page
    // is told as a page not checked, like any other failure of the check.
    try {
        job.report = CheckPage(job.text, options);
    } catch (const std::exception& failure) {
        job.report =
            CheckReport{CheckOutcome::NotChecked,
                        {Problem{1, 1, Severity::Error, FillMessage(strings::CheckFailed, {failure.what()})}},
                        {}};
    }
    job.text = std::string();
}

} // namespace

BackgroundCheck::BackgroundCheck(std::string text, PageEncoding encoding, QObject* parent)
    : QObject(parent), m_job(std::make_shared<CheckJob>()) {
    m_job->text = std::move(text);
    m_job->encoding = encoding;
    m_job->total = m_job->text.size();
    CountStarted();
    QThread* thread = QThread::create([job = m_job] {
        Check(*job);
        CountEnded();
    });
    thread->setObjectName(QStringLiteral("page check"));
    thread->setStackSize(CheckStackBytes);
    static quint64 lastNumber = 0;
    const quint64 number = ++lastNumber;
    Threads().emplace(number, thread);
    // Both run on the window's thread once the checking thread has ended.
    connect(thread, &QThread::finished, this, &BackgroundCheck::Deliver);
    connect(thread, &QThread::finished, QCoreApplication::instance(), [number] { Free(number); });
    thread->start(QThread::LowPriority);
}

BackgroundCheck::~BackgroundCheck() {
    Cancel();
}

void BackgroundCheck::Cancel() {
    m_job->cancel = true;
    m_job->running = false;
}

bool BackgroundCheck::Running() const {
    return m_job->running;
}

int BackgroundCheck::Percent() const {
    const std::size_t total = m_job->total;
    return total == 0 ? 0 : static_cast<int>(std::min<std::size_t>(m_job->done, total) * 100 / total);
}

void BackgroundCheck::Deliver() {
    if (!m_job->running)
        return;
    m_job->running = false;
    emit finished(m_job->report);
}

int BackgroundCheck::Unfinished() {
    const std::lock_guard<std::mutex> lock(UnfinishedMutex);
    return UnfinishedCount;
}

bool BackgroundCheck::WaitForUnfinished(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    for (const auto& [number, thread] : std::map<quint64, QThread*>(Threads()))
        if (thread->wait(deadline))
            Free(number);
    return Threads().empty();
}

} // namespace razo
