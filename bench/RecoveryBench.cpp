// The offer at start of a 1 GB recovery file left by an ended run, whole or damaged: the time until
// the pages to offer are known, and the memory it takes; and the check of that page's text when
// it is recovered.
//
// Journaling a 50 MB page while the user types: the longest the window goes without handling
// its events, from the start of the journal until its file is on the disk, and the longest a
// keystroke takes (with the repaint it causes). Typing at the end of the page leaves the part
// copied alone; typing at its top sends the copy back each time. Without a journal, the same
// typing for half a second shows what the window costs by itself.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "bench/BenchApp.h"
#include "bench/Memory.h"
#include "bench/TypingTicks.h"
#include "core/app/RecoveryJournal.h"
#include "core/app/RecoveryStore.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentRecovery.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/GuiDocument.h"
#include "gui/app/MainWindow.h"
#include "gui/app/PageJournal.h"
#include "gui/app/RazoApplication.h"
#include "gui/app/RecoveryJournalWriter.h"
#include "gui/view/ScintillaTextControl.h"

namespace {

constexpr qint64 kPageBytes = 50LL * 1024 * 1024;

struct OpenPage {
    QTemporaryDir folder;
    std::unique_ptr<razo::RazoApplication> app;
    razo::DocumentWindow* window = nullptr;
};

std::unique_ptr<OpenPage> g_page;
const bool g_released = razo::bench::ReleaseBeforeExit([] { g_page.reset(); });

OpenPage* LargePageOpen() {
    if (g_page)
        return g_page->window ? g_page.get() : nullptr;
    g_page = std::make_unique<OpenPage>();
    // A profile and a recovery folder of its own, never the user's.
    qputenv("XDG_CONFIG_HOME", g_page->folder.filePath("config").toLocal8Bit());
    qputenv("XDG_STATE_HOME", g_page->folder.filePath("state").toLocal8Bit());
    const QString path = g_page->folder.filePath("large.html");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return nullptr;
    QByteArray chunk;
    while (chunk.size() < 1024 * 1024)
        chunk += "<P>A line of a large page with <B>bold</B> text and a <A HREF=\"x.html\">link</A>.</P>\r\n";
    for (qint64 written = 0; written < kPageBytes; written += chunk.size())
        file.write(chunk);
    file.close();
    g_page->app = std::make_unique<razo::RazoApplication>();
    g_page->app->Start(QString());
    g_page->window = g_page->app->Window().Files().OpenPath(path);
    QCoreApplication::processEvents();
    return g_page->window ? g_page.get() : nullptr;
}

void Key(razo::RazoEditor& editor, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, text);
    QApplication::sendEvent(&editor, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, text);
    QApplication::sendEvent(&editor, &release);
}

// Arguments: typing at the end of the page (0) or at its top (1); without (0) or with (1) a
// journal.
void BM_JournalLargePage(benchmark::State& state) {
    OpenPage* page = LargePageOpen();
    if (page == nullptr) {
        state.SkipWithError("cannot open the page");
        return;
    }
    razo::DocumentWindow& window = *page->window;
    razo::PageJournal* journal = razo::PageJournal::Of(window);
    razo::RecoveryJournalWriter& writer = page->app->Recovery().Writer();
    const bool atTop = state.range(0) == 1;
    const bool journaled = state.range(1) == 1;
    double longestPause = 0;
    double longestKey = 0;
    for (auto _ : state) {
        const long at = atTop ? 0 : window.Control().TextLength();
        window.Control().SetSel(at, at);
        Key(window.Editor(), "x");
        // The caret's move across the page is painted before the clock starts.
        QCoreApplication::processEvents();
        razo::bench::TypingTicks ticks([&window] { Key(window.Editor(), "y"); });
        QEventLoop loop;
        QObject::connect(&writer, &razo::RecoveryJournalWriter::written, &loop, &QEventLoop::quit);
        ticks.Start();
        if (journaled)
            QTimer::singleShot(0, journal, &razo::PageJournal::JournalNow);
        else
            QTimer::singleShot(500, &loop, &QEventLoop::quit);
        loop.exec();
        ticks.Stop();
        // The last keystrokes wait for the next journal.
        writer.WaitUntilIdle();
        QCoreApplication::processEvents();
        longestPause = std::max(longestPause, ticks.LongestPauseMs());
        longestKey = std::max(longestKey, ticks.LongestKeyMs());
    }
    state.counters["longest_pause_ms"] = longestPause;
    state.counters["longest_key_ms"] = longestKey;
    if (journaled)
        state.SetBytesProcessed(state.iterations() * kPageBytes);
}

BENCHMARK(BM_JournalLargePage)
    ->ArgNames({"typing_at_top", "journal"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

constexpr std::int64_t kRecoveryFileBytes = 1024LL * 1024 * 1024;

// A run that ended, holding one page of `kRecoveryFileBytes`; damaged: its last byte changed.
bool WriteEndedRun(const QString& root, bool damaged) {
    const QString folder = root + "/99999999-1-x";
    if (!QDir().mkpath(folder))
        return false;
    QFile lock(folder + "/lock");
    if (!lock.open(QIODevice::WriteOnly) ||
        lock.write(QByteArray::fromStdString(razo::EncodeLock({99999999, 1, "x"}))) < 0)
        return false;
    std::string text(kRecoveryFileBytes, '\0');
    const std::string_view line = "<P>A line of a page kept for recovery.</P>\r\n";
    for (std::size_t at = 0; at < text.size(); at += line.size())
        text.replace(at, std::min(line.size(), text.size() - at), line.substr(0, text.size() - at));
    razo::JournalPage page;
    page.path = "/home/ann/large.html";
    page.title = "large.html";
    page.type = ".html";
    const std::string header = razo::EncodeJournalHeader(page, text);
    if (damaged)
        text.back() = 'X';
    QFile file(folder + "/1.page");
    return file.open(QIODevice::WriteOnly) && file.write(header.data(), qint64(header.size())) > 0 &&
           file.write(text.data(), qint64(text.size())) == qint64(text.size());
}

// Argument: the file is whole (0) or damaged (1).
void BM_RecoveryOffer(benchmark::State& state) {
    QTemporaryDir folder;
    const QString root = folder.filePath("recovery");
    if (!WriteEndedRun(root, state.range(0) == 1)) {
        state.SkipWithError("cannot write the recovery file");
        return;
    }
    double peak = 0;
    std::size_t offered = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = razo::bench::ResidentMiB();
        razo::bench::ResetPeak();
        state.ResumeTiming();
        offered = razo::RecoveryStore(root.toStdString()).FindOrphans().size();
        state.PauseTiming();
        peak = std::max(peak, razo::bench::PeakMiB() - before);
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = peak;
    state.counters["offered"] = double(offered);
}

// The check of a page's length and checksum when it is recovered (on a thread of its own).
void BM_RecoveryCheck(benchmark::State& state) {
    QTemporaryDir folder;
    const QString root = folder.filePath("recovery");
    if (!WriteEndedRun(root, false)) {
        state.SkipWithError("cannot write the recovery file");
        return;
    }
    razo::RecoveryStore store(root.toStdString());
    const auto orphans = store.FindOrphans();
    double peak = 0;
    int result = -1;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = razo::bench::ResidentMiB();
        razo::bench::ResetPeak();
        state.ResumeTiming();
        result = orphans.size() == 1 ? razo::RecoveryStore::Verify(orphans[0]) : -1;
        state.PauseTiming();
        peak = std::max(peak, razo::bench::PeakMiB() - before);
        state.ResumeTiming();
    }
    if (result != 0)
        state.SkipWithError("the page did not check out");
    state.SetBytesProcessed(state.iterations() * kRecoveryFileBytes);
    state.counters["peak_MiB"] = peak;
}

BENCHMARK(BM_RecoveryCheck)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RecoveryOffer)->ArgName("damaged")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
