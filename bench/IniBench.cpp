// RAZO.INI files far larger than Razo itself writes: a profile with many sections (hand edits,
// another program's keys) and one with many toolbar sections that old layouts left behind.
// Saving and restoring the toolbar layout must take time in proportion to the file.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "core/app/ToolbarState.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"

namespace {

std::string ManySections(int count) {
    std::string text = "[Version]\nNumber=21\n";
    for (int i = 0; i < count; ++i)
        text += "[Section" + std::to_string(i) + "]\nKey=Value " + std::to_string(i) + "\n";
    return text;
}

// Toolbar sections of ids no toolbar has: each is deleted by the next save.
std::string StaleToolbarSections(int count) {
    std::string text = "[Version]\nNumber=21\n";
    for (int i = 0; i < count; ++i)
        text += "[" + razo::BarStateSection(40000 + i) +
                "]\nVisible=1\nSide=Top\nRow=0\nIndex=" + std::to_string(i) + "\n";
    return text;
}

bool WriteFile(const QString& path, const std::string& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), qint64(text.size())) == qint64(text.size());
}

void SaveLayout(benchmark::State& state, const std::string& text) {
    QTemporaryDir dir;
    const QString path = dir.filePath("RAZO.INI");
    const auto layout = razo::DefaultToolbarStates();
    for (auto _ : state) {
        state.PauseTiming();
        if (!WriteFile(path, text))
            state.SkipWithError("cannot write the profile");
        razo::IniProfile profile(path.toStdString());
        state.ResumeTiming();
        if (!razo::SaveBarState(profile, layout))
            state.SkipWithError("the layout was not saved");
    }
    state.counters["file_KiB"] = double(text.size()) / 1024;
}

void BM_SaveLayoutManySections(benchmark::State& state) {
    SaveLayout(state, ManySections(int(state.range(0))));
}

void BM_SaveLayoutStaleToolbars(benchmark::State& state) {
    SaveLayout(state, StaleToolbarSections(int(state.range(0))));
}

void BM_RestoreLayoutManySections(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("RAZO.INI");
    if (!WriteFile(path, ManySections(int(state.range(0))))) {
        state.SkipWithError("cannot write the profile");
        return;
    }
    for (auto _ : state) {
        razo::IniProfile profile(path.toStdString());
        benchmark::DoNotOptimize(razo::StartupToolbarLayout(profile));
    }
}

BENCHMARK(BM_SaveLayoutManySections)
    ->ArgName("sections")
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_SaveLayoutStaleToolbars)
    ->ArgName("sections")
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_RestoreLayoutManySections)
    ->ArgName("sections")
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
