// Start-up of the real program against a bare Qt and QScintilla window: wall time until the window
// is shown and takes requests, the processor time and the peak memory spent on the way.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "core/app/InstanceRequest.h"

namespace {

// VmHWM of a process in MiB, 0 when it cannot be read.
double PeakMiBOf(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

struct Started {
    double wallSeconds = 0, cpuSeconds = 0, peakMiB = 0;
    bool shown = false;
};

// Runs `program` with its folders in `folder` until its socket is there (the program listens once
// its window is shown), then ends it.
Started StartOnce(const char* program, const std::string& folder) {
    // The name the program gives its socket on the platform this benchmark runs with.
    const std::string socket =
        folder + "/" + razo::InstanceSocketName(QGuiApplication::platformName().toStdString(), "");
    ::unlink(socket.c_str()); // left by the run before, which was killed
    const auto begin = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        for (const char* variable :
             {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
            ::setenv(variable, folder.c_str(), 1);
        ::execl(program, program, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    Started started;
    struct stat info {};
    for (int polls = 0; polls < 200000; ++polls) {
        if (::stat(socket.c_str(), &info) == 0) {
            started.shown = true;
            break;
        }
        if (::waitpid(child, nullptr, WNOHANG) == child)
            return started;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    started.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    started.peakMiB = PeakMiBOf(child);
    ::kill(child, SIGKILL);
    struct rusage usage {};
    ::wait4(child, nullptr, 0, &usage);
    started.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return started;
}

// A start as on any day but the first: the settings file is there from a run before.
void RunStartup(benchmark::State& state, const char* program) {
    QTemporaryDir home;
    const std::string folder = home.path().toStdString();
    StartOnce(program, folder);
    double cpu = 0, peak = 0;
    for (auto _ : state) {
        const Started started = StartOnce(program, folder);
        if (!started.shown) {
            state.SkipWithError("the program did not come up");
            return;
        }
        state.SetIterationTime(started.wallSeconds);
        cpu += started.cpuSeconds;
        peak += started.peakMiB;
    }
    const double runs = double(state.iterations());
    state.counters["cpu_ms"] = cpu * 1000 / runs;
    state.counters["peak_MiB"] = peak / runs;
}

// RAZO_BENCH_PROGRAM names another build of the program to measure, an older one for instance.
void BM_StartupProgram(benchmark::State& state) {
    const char* other = std::getenv("RAZO_BENCH_PROGRAM");
    RunStartup(state, other != nullptr && *other != '\0' ? other : RAZO_PROGRAM);
}
void BM_StartupBareWindow(benchmark::State& state) {
    RunStartup(state, RAZO_BARE_WINDOW);
}

} // namespace

BENCHMARK(BM_StartupBareWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupProgram)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
