// Pages of one long line (minified pages are like this) and a large page with word wrap on, in
// the real edit control shown in a window: open, type at the end, caret to start and end, save,
// and what a 300 MB line costs in memory. Every step includes the repaint it causes, since that
// is where the control lays the line out.
#include <benchmark/benchmark.h>

#include <QApplication>
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
#include "gui/view/ScintillaTextControl.h"

namespace {

using razo::bench::ShownEditor;

using razo::bench::kMiB;

// A minified page: markup and text without a single line break.
bool WriteMinifiedPage(const QString& path, qint64 bytes) {
    QByteArray chunk;
    for (int item = 0; chunk.size() < 4 * kMiB; ++item)
        chunk += "<div class=\"item\"><a href=\"/p/" + QByteArray::number(item) + "\">Item " +
                 QByteArray::number(item) + "</a> caf\xC3\xA9 and <b>more</b> text.</div>";
    return razo::bench::WriteRepeated(path, chunk, bytes);
}

// An ordinary large page of short lines.
bool WriteLinedPage(const QString& path, qint64 bytes) {
    QByteArray chunk;
    for (int line = 0; chunk.size() < 4 * kMiB; ++line)
        chunk += "<P>Line " + QByteArray::number(line) +
                 " of a page with <B>bold</B> text and an <A HREF=\"page.html\">anchor</A> that goes on "
                 "long enough to be wrapped in a window of ordinary width.</P>\r\n";
    return razo::bench::WriteRepeated(path, chunk, bytes);
}

// One editor in a window of ordinary size, as a document window holds it: the code font, line
// numbers and syntax colouring on (which a page of over-long lines does without).
struct Fixture {
    QTemporaryDir dir;
    QString path;
};

Fixture& TenMegabyteLine() {
    static Fixture fixture = [] {
        Fixture f;
        f.path = f.dir.filePath("minified.html");
        if (!WriteMinifiedPage(f.path, 10 * kMiB))
            f.path.clear();
        return f;
    }();
    return fixture;
}

std::unique_ptr<ShownEditor> g_loaded;

ShownEditor* LoadedLine(benchmark::State& state) {
    if (TenMegabyteLine().path.isEmpty()) {
        state.SkipWithError("cannot write the page");
        return nullptr;
    }
    if (!g_loaded) {
        g_loaded = std::make_unique<ShownEditor>(true, false);
        g_loaded->Open(TenMegabyteLine().path);
    }
    return g_loaded.get();
}

void BM_LongLineOpen(benchmark::State& state) {
    const QString path = TenMegabyteLine().path;
    for (auto _ : state) {
        ShownEditor shown(true, false);
        if (!shown.Open(path))
            state.SkipWithError("cannot open the page");
    }
}

void BM_LongLineTypeAtEnd(benchmark::State& state) {
    ShownEditor* shown = LoadedLine(state);
    if (!shown)
        return;
    const long end = shown->control.TextLength();
    shown->control.SetSel(end, end);
    shown->editor.repaint();
    for (auto _ : state)
        shown->Press(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
}

void BM_LongLineCaretToStartAndEnd(benchmark::State& state) {
    ShownEditor* shown = LoadedLine(state);
    if (!shown)
        return;
    for (auto _ : state) {
        shown->Press(Qt::Key_Home, Qt::ControlModifier);
        shown->Press(Qt::Key_End, Qt::ControlModifier);
    }
}

void BM_LongLineSave(benchmark::State& state) {
    ShownEditor* shown = LoadedLine(state);
    if (!shown)
        return;
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.html");
    for (auto _ : state) {
        QString error;
        if (!razo::SaveDocumentFile(path.toStdString(), {shown->control.TextView()}, error))
            state.SkipWithError("save failed");
    }
}

// Memory of a 300 MB page of one line, against the size of the file.
void BM_HugeLineMemory(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.html");
    const qint64 size = 300 * kMiB;
    if (!WriteMinifiedPage(path, size)) {
        state.SkipWithError("cannot write the page");
        return;
    }
    for (auto _ : state) {
        const double before = razo::bench::ResidentMiB();
        razo::bench::ResetPeak();
        {
            ShownEditor shown(true, false);
            if (!shown.Open(path))
                state.SkipWithError("cannot open the page");
            const long end = shown.control.TextLength();
            shown.control.SetSel(end, end);
            shown.editor.repaint();
            state.counters["settled_MiB"] = razo::bench::ResidentMiB() - before;
        }
        state.counters["peak_MiB"] = razo::bench::PeakMiB() - before;
        state.counters["file_MiB"] = double(size) / kMiB;
    }
}

void BM_WrappedOpen(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("wrapped.html");
    if (!WriteLinedPage(path, state.range(0) * kMiB)) {
        state.SkipWithError("cannot write the page");
        return;
    }
    for (auto _ : state) {
        ShownEditor shown(true, true);
        if (!shown.Open(path))
            state.SkipWithError("cannot open the page");
    }
}

BENCHMARK(BM_LongLineOpen)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LongLineTypeAtEnd)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LongLineCaretToStartAndEnd)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LongLineSave)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WrappedOpen)->ArgName("MiB")->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HugeLineMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

[[maybe_unused]] const bool g_released = razo::bench::ReleaseBeforeExit([] { g_loaded.reset(); });

} // namespace
