// The view's operations on a large document in the real QScintilla control: none of them may
// take time in proportion to the document except loading it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "bench/BenchApp.h"
#include "bench/BenchDocument.h"
#include "core/view/RazoView.h"
#include "gui/view/ScintillaTextControl.h"

namespace {

constexpr size_t kDocumentBytes = 50u * 1024 * 1024;

// Page text in UTF-8, or the same page with its one accented letter as a Latin-1 byte, which
// makes the control edit it in 8-bit mode.
std::string MakeLargeHtml(const char* accented) {
    std::string text = "<HTML>\r\n<HEAD>\r\n<TITLE>Large</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    text.reserve(kDocumentBytes + 256);
    for (long line = 1; text.size() < kDocumentBytes; ++line) {
        text += "<P>Line " + std::to_string(line) + " of a caf" + accented +
                " page with <B>bold</B> text and an <A HREF=\"page.html\">anchor</A>.</P>\r\n";
    }
    text += "</BODY>\r\n</HTML>\r\n";
    return text;
}

enum Encoding { Utf8 = 0, EightBit = 1 };

const std::string& LargeHtml(int encoding) {
    static const std::string utf8 = MakeLargeHtml("\xC3\xA9");
    static const std::string eightBit = MakeLargeHtml("\xE9");
    return encoding == Utf8 ? utf8 : eightBit;
}

// One editor holding the large document, shared by the benchmarks that edit it.
struct LoadedView {
    razo::RazoEditor editor;
    razo::ScintillaTextControl control{editor};
    razo::bench::BenchDocument document;
    razo::CRazoView view{control, document};
    explicit LoadedView(int encoding) {
        control.SetBytes(LargeHtml(encoding));
        view.OnInitialUpdate(false);
    }
};

// Widgets must go before the application does, so main() releases them.
std::unique_ptr<LoadedView> g_loaded[2];

LoadedView& Loaded(const benchmark::State& state) {
    const auto encoding = static_cast<int>(state.range(0));
    if (!g_loaded[encoding])
        g_loaded[encoding] = std::make_unique<LoadedView>(encoding);
    return *g_loaded[encoding];
}

void BM_LoadDocument(benchmark::State& state) {
    razo::RazoEditor editor;
    razo::ScintillaTextControl control(editor);
    const std::string& html = LargeHtml(static_cast<int>(state.range(0)));
    for (auto _ : state)
        control.SetBytes(html);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * html.size()));
}

void InsertAt(benchmark::State& state, bool atEnd) {
    LoadedView& loaded = Loaded(state);
    for (auto _ : state) {
        const long offset = atEnd ? loaded.control.TextLength() : 0;
        loaded.control.SetSel(offset, offset);
        loaded.view.InsertTagPair("<B>", "</B>", false);
        state.PauseTiming();
        loaded.view.OnEditUndo();
        state.ResumeTiming();
    }
}

void BM_InsertTagPairAtStart(benchmark::State& state) {
    InsertAt(state, false);
}
void BM_InsertTagPairAtEnd(benchmark::State& state) {
    InsertAt(state, true);
}

void BM_UndoTagPair(benchmark::State& state) {
    LoadedView& loaded = Loaded(state);
    for (auto _ : state) {
        state.PauseTiming();
        const long middle = loaded.control.TextLength() / 2;
        loaded.control.SetSel(middle, middle + 10);
        loaded.view.InsertTagPair("<EM>", "</EM>", false);
        state.ResumeTiming();
        loaded.view.OnEditUndo();
    }
    if (loaded.control.GetBytes() != LargeHtml(static_cast<int>(state.range(0))))
        state.SkipWithError("Undo did not restore the document");
}

void BM_LineColAtEnd(benchmark::State& state) {
    LoadedView& loaded = Loaded(state);
    const long end = loaded.control.TextLength();
    loaded.control.SetSel(end - 5, end - 5);
    for (auto _ : state) {
        int line = 0;
        int column = 0;
        loaded.view.GetCaretLineCol(line, column);
        benchmark::DoNotOptimize(line);
        benchmark::DoNotOptimize(column);
    }
}

// Argument 0: a UTF-8 document, 1: an 8-bit one.
BENCHMARK(BM_LoadDocument)
    ->ArgName("8bit")
    ->Arg(Utf8)
    ->Arg(EightBit)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_InsertTagPairAtStart)->ArgName("8bit")->Arg(Utf8)->Arg(EightBit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertTagPairAtEnd)->ArgName("8bit")->Arg(Utf8)->Arg(EightBit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoTagPair)->ArgName("8bit")->Arg(Utf8)->Arg(EightBit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LineColAtEnd)->ArgName("8bit")->Arg(Utf8)->Arg(EightBit)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // The control is a widget: it needs an application, which needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    for (auto& loaded : g_loaded)
        loaded.reset();
    for (const auto& release : razo::bench::WidgetReleasers())
        release();
    benchmark::Shutdown();
    return 0;
}
