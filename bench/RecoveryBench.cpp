// Journaling a 50 MB page while the user types: the longest the window goes without handling
// its events, from the start of the journal until its file is on the disk, and the longest a
// keystroke takes (with the repaint it causes). Typing at the end of the page leaves the part
// copied alone; typing at its top sends the copy back each time. Without a journal, the same
// typing for half a second shows what the window costs by itself.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "bench/BenchApp.h"
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
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        qint64 pause = 0;
        qint64 key = 0;
        int ticks = 0;
        // The window's events as a stream of ticks; a keystroke every 10 ms.
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            if (++ticks % 10 == 0) {
                const qint64 before = clock.nsecsElapsed();
                Key(window.Editor(), "y");
                key = std::max(key, clock.nsecsElapsed() - before);
            }
            const qint64 now = clock.nsecsElapsed();
            pause = std::max(pause, now - last);
            last = now;
        });
        QEventLoop loop;
        QObject::connect(&writer, &razo::RecoveryJournalWriter::written, &loop, &QEventLoop::quit);
        tick.start();
        if (journaled)
            QTimer::singleShot(0, journal, &razo::PageJournal::JournalNow);
        else
            QTimer::singleShot(500, &loop, &QEventLoop::quit);
        loop.exec();
        tick.stop();
        // The last keystrokes wait for the next journal.
        writer.WaitUntilIdle();
        QCoreApplication::processEvents();
        longestPause = std::max(longestPause, double(pause) / 1e6);
        longestKey = std::max(longestKey, double(key) / 1e6);
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

} // namespace
