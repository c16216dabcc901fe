// Check Page in the running program, on 1, 10 and 50 MiB pages through the SGML parser and HTML
// Tidy: the time from the command to the report in the list (the copy of the text and the filling
// of the list included; the report comes whole, so this is also the time to the first problem),
// and, with a keystroke at the end of the page every 10 ms while the check runs, the longest the
// window goes without handling its events and the longest keystroke, set against the longest of
// twenty keystrokes with no check running.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "bench/CheckPages.h"
#include "bench/TypingTicks.h"
#include "core/resources/CommandIds.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/DocumentWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/PageChecking.h"
#include "gui/app/RazoApplication.h"
#include "gui/view/ScintillaTextControl.h"

namespace {

// The program with one page open; a new one for each benchmark, so one page's memory is gone
// before the next is read.
struct OpenPage {
    QTemporaryDir folder;
    std::unique_ptr<razo::RazoApplication> app;
    razo::DocumentWindow* window = nullptr;

    OpenPage(razo::bench::Checker checker, std::size_t bytes) {
        qputenv("XDG_CONFIG_HOME", folder.filePath("config").toLocal8Bit());
        qputenv("XDG_STATE_HOME", folder.filePath("state").toLocal8Bit());
        const QString path = folder.filePath("large.html");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        const std::string page = razo::bench::LargeCheckedPage(checker, bytes);
        file.write(page.data(), static_cast<qint64>(page.size()));
        file.close();
        app = std::make_unique<razo::RazoApplication>();
        app->Start(QString());
        window = app->Window().Files().OpenPath(path);
        QCoreApplication::processEvents();
    }
    ~OpenPage() {
        if (window != nullptr)
            window->CloseWithoutAsking();
        if (app)
            app->Window().close();
    }
};

void Key(razo::RazoEditor& editor) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"));
    QApplication::sendEvent(&editor, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"));
    QApplication::sendEvent(&editor, &release);
}

// What a keystroke at the end of the page costs with no check running, to set the stall against.
double LongestKeyWithoutCheck(razo::DocumentWindow& window) {
    const long end = window.Control().TextLength();
    window.Control().SetSel(end, end);
    QCoreApplication::processEvents();
    qint64 longest = 0;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer clock;
        clock.start();
        Key(window.Editor());
        longest = std::max(longest, clock.nsecsElapsed());
        QCoreApplication::processEvents();
    }
    return double(longest) / 1e6;
}

// Arguments: the checker (0 the SGML parser, 1 HTML Tidy) and the page's size in MiB.
void BM_CheckPageWhileTyping(benchmark::State& state) {
    const auto checker = static_cast<razo::bench::Checker>(state.range(0));
    OpenPage page(checker, static_cast<std::size_t>(state.range(1)) << 20);
    if (page.window == nullptr) {
        state.SkipWithError("cannot open the page");
        return;
    }
    razo::DocumentWindow& window = *page.window;
    razo::MainWindow& main = page.app->Window();
    double longestCheck = 0;
    double longestPause = 0;
    double longestKey = 0;
    const double keyWithoutCheck = LongestKeyWithoutCheck(window);
    for (auto _ : state) {
        const long end = window.Control().TextLength();
        window.Control().SetSel(end, end);
        QCoreApplication::processEvents();
        razo::bench::TypingTicks ticks([&window] { Key(window.Editor()); });
        QEventLoop loop;
        QObject::connect(&main.Checking(), &razo::PageChecking::checkEnded, &loop, &QEventLoop::quit);
        qint64 started = 0;
        QTimer::singleShot(0, &loop, [&] {
            started = ticks.Elapsed();
            main.Dispatcher().Execute(razo::cmd::CheckPage);
        });
        ticks.Start();
        loop.exec();
        const qint64 checked = ticks.Elapsed() - started;
        ticks.Stop();
        state.SetIterationTime(double(checked) / 1e9);
        longestCheck = std::max(longestCheck, double(checked) / 1e9);
        longestPause = std::max(longestPause, ticks.LongestPauseMs());
        longestKey = std::max(longestKey, ticks.LongestKeyMs());
    }
    state.counters["check_s"] = longestCheck;
    state.counters["longest_pause_ms"] = longestPause;
    state.counters["longest_key_ms"] = longestKey;
    state.counters["key_without_check_ms"] = keyWithoutCheck;
}

BENCHMARK(BM_CheckPageWhileTyping)
    ->ArgNames({"tidy", "MiB"})
    ->Args({razo::bench::Dtd, 1})
    ->Args({razo::bench::Tidy, 1})
    ->Args({razo::bench::Dtd, 10})
    ->Args({razo::bench::Tidy, 10})
    ->Args({razo::bench::Dtd, 50})
    ->Args({razo::bench::Tidy, 50})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace
