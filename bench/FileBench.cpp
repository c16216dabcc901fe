// Opening and saving a large page: read the file, hand its bytes to the control, and write the
// control's bytes back through a temporary file. These are the only steps that must touch every
// byte.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "bench/Memory.h"
#include "gui/app/DocumentIO.h"
#include "gui/view/ScintillaTextControl.h"

namespace {

constexpr qint64 kFileBytes = 50LL * 1024 * 1024;

QByteArray LargePage() {
    QByteArray page = "<HTML>\r\n<BODY>\r\n";
    page.reserve(kFileBytes + 64);
    while (page.size() < kFileBytes)
        page += "<P>A line of a large page with <B>bold</B> text and a <A HREF=\"x.html\">link</A>.</P>\r\n";
    page += "</BODY>\r\n</HTML>\r\n";
    return page;
}

// Time to open, and memory: the peak while loading against what the document holds once open.
void BM_OpenDocument(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("large.html");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(LargePage()) < kFileBytes) {
        state.SkipWithError("cannot write the page");
        return;
    }
    file.close();
    double peak = 0;
    double settled = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<razo::RazoEditor>();
        razo::ScintillaTextControl control(*editor);
        const double before = razo::bench::ResidentMiB();
        razo::bench::ResetPeak();
        state.ResumeTiming();
        {
            QString error;
            bool byteOrderMark = false;
            if (!razo::LoadDocumentFile(path.toStdString(), control, byteOrderMark, error))
                state.SkipWithError("cannot open the page");
        }
        state.PauseTiming();
        peak = razo::bench::PeakMiB() - before;
        settled = razo::bench::ResidentMiB() - before;
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kFileBytes);
    state.counters["peak_MiB"] = peak;
    state.counters["settled_MiB"] = settled;
}

void BM_SaveDocument(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("large.html");
    razo::RazoEditor editor;
    razo::ScintillaTextControl control(editor);
    const QByteArray page = LargePage();
    control.SetBytes(std::string_view(page.constData(), size_t(page.size())));
    for (auto _ : state) {
        QString error;
        if (!razo::SaveDocumentFile(path.toStdString(), {control.TextView()}, error))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * page.size());
}

BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
