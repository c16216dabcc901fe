// A 50 MiB page of ordinary lines in the real edit control shown in a window, with syntax
// colouring off (argument 0) and on (1): open until the text is visible, then the keys a reader
// presses first (PageDown, Ctrl+End, a character typed at the end, Ctrl+Home), each with the
// repaint it causes, and what the page costs in memory once the background styling is done.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "bench/BenchApp.h"
#include "bench/Memory.h"
#include "bench/RepeatedPage.h"
#include "bench/ShownEditor.h"
#include "core/view/RazoView.h"
#include "gui/app/DocumentIO.h"
#include "gui/view/PageStyles.h"
#include "gui/view/ScintillaTextControl.h"

namespace {

using razo::bench::ShownEditor;

using razo::bench::kMiB;

// A page as people write it: nested markup, attributes, entities, a comment, a style sheet and
// a script, repeated to the size wanted.
bool WritePage(const QString& path, qint64 bytes) {
    QByteArray chunk = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
                       "<STYLE>\r\nP { color: #333; margin: 0 1em; }\r\n</STYLE>\r\n</HEAD>\r\n<BODY>\r\n";
    for (int line = 0; chunk.size() < 4 * kMiB; ++line) {
        chunk += "<P CLASS=\"note\">Line " + QByteArray::number(line) +
                 " with <B>bold</B> text, an <A HREF=\"page.html#top\">anchor</A> &amp; more.</P>\r\n";
        if (line % 50 == 0)
            chunk += "<!-- section " + QByteArray::number(line) +
                     " -->\r\n<SCRIPT>\r\nvar n = " + QByteArray::number(line) +
                     "; if (n > 2) { document.write('x'); }\r\n</SCRIPT>\r\n";
    }
    return razo::bench::WriteRepeated(path, chunk, bytes);
}

const QString& PagePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath("large.html");
        return WritePage(p, 50 * kMiB) ? p : QString();
    }();
    return path;
}

void BM_PageOpen(benchmark::State& state) {
    if (PagePath().isEmpty()) {
        state.SkipWithError("cannot write the page");
        return;
    }
    for (auto _ : state) {
        auto shown = std::make_unique<ShownEditor>(state.range(0) != 0);
        if (!shown->Open(PagePath()))
            state.SkipWithError("cannot open the page");
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
}

// Each key on a page just opened, as a reader meets it, without and with word wrap; one counter
// per key, in milliseconds.
void BM_PageKeys(benchmark::State& state) {
    if (PagePath().isEmpty()) {
        state.SkipWithError("cannot write the page");
        return;
    }
    double pageDown = 0, ctrlEnd = 0, type = 0, ctrlHome = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownEditor>(state.range(0) != 0, state.range(1) != 0);
        shown->Open(PagePath());
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        shown->Press(Qt::Key_PageDown, Qt::NoModifier);
        pageDown += timer.nsecsElapsed() / 1e6;
        timer.restart();
        shown->Press(Qt::Key_End, Qt::ControlModifier);
        ctrlEnd += timer.nsecsElapsed() / 1e6;
        timer.restart();
        shown->Press(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        type += timer.nsecsElapsed() / 1e6;
        timer.restart();
        shown->Press(Qt::Key_Home, Qt::ControlModifier);
        ctrlHome += timer.nsecsElapsed() / 1e6;
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
    const double n = double(state.iterations());
    state.counters["PageDown_ms"] = pageDown / n;
    state.counters["CtrlEnd_ms"] = ctrlEnd / n;
    state.counters["Type_ms"] = type / n;
    state.counters["CtrlHome_ms"] = ctrlHome / n;
}

// Resident memory of the open page, once the background styling has reached its end.
void BM_PageMemory(benchmark::State& state) {
    if (PagePath().isEmpty()) {
        state.SkipWithError("cannot write the page");
        return;
    }
    for (auto _ : state) {
        const double before = razo::bench::ResidentMiB();
        razo::bench::ResetPeak();
        {
            ShownEditor shown(state.range(0) != 0);
            shown.Open(PagePath());
            shown.Press(Qt::Key_End, Qt::ControlModifier);
            QElapsedTimer timer;
            timer.start();
            shown.SettleStyling(30000);
            state.counters["styled_ms"] = double(timer.elapsed());
            state.counters["settled_MiB"] = razo::bench::ResidentMiB() - before;
        }
        state.counters["peak_MiB"] = razo::bench::PeakMiB() - before;
    }
}

// What one line of a given length costs with the HTML lexer forced on (colour 1) and with the
// control's own run styling (0): a character typed at its end, then Ctrl+Home and Ctrl+End. This
// is how long a line may be before it is shown without colour (RazoEditor::ColourLineLimit).
void BM_LineLengthCost(benchmark::State& state) {
    const bool coloured = state.range(0) != 0;
    const auto bytes = static_cast<std::size_t>(state.range(1));
    std::string line;
    for (int item = 0; line.size() < bytes; ++item)
        line += "<div class=\"item\"><a href=\"/p/" + std::to_string(item) + "\">Item " +
                std::to_string(item) + "</a> caf\xC3\xA9 and <b>more</b> text.</div>";
    line.resize(bytes);
    ShownEditor shown(false);
    shown.control.SetBytes(line);
    if (coloured) {
        razo::UseHtmlLexer(shown.editor, true);
        razo::ApplyPageStyles(shown.editor, shown.editor.palette(), true);
    }
    shown.editor.repaint();
    const long end = shown.control.TextLength();
    shown.control.SetSel(end, end);
    shown.editor.repaint();
    double type = 0, homeEnd = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        shown.Press(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        type += timer.nsecsElapsed() / 1e6;
        timer.restart();
        shown.Press(Qt::Key_Home, Qt::ControlModifier);
        shown.Press(Qt::Key_End, Qt::ControlModifier);
        homeEnd += timer.nsecsElapsed() / 1e6;
    }
    state.counters["Type_ms"] = type / double(state.iterations());
    state.counters["HomeEnd_ms"] = homeEnd / double(state.iterations());
}

BENCHMARK(BM_LineLengthCost)
    ->ArgNames({"colour", "bytes"})
    ->ArgsProduct({{0, 1}, {32 << 10, 64 << 10, 128 << 10, 256 << 10, 1 << 20}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_PageOpen)->ArgName("colour")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PageKeys)
    ->ArgNames({"colour", "wrap"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_PageMemory)->ArgName("colour")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
