// The desktop program on the full demo history: the time from the launch of its process to
// "Démarrage OK", and the memory it holds once every view has been opened. Each measure runs
// in a new process: this executable started again in its child mode, which does what the
// program's main does, on the offscreen platform.
#include "bench_installation.h"
#include "core/app/installation.h"
#include "core/base/app_paths.h"
#include "gui/app/frm_maitre.h"
#include "gui/app/frm_splash.h"
#include "gui/app/gui_application.h"
#include "gui/ui/view_window.h"
#include "support/store_fixture.h"

#include <QElapsedTimer>
#include <QThread>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quintaro {
namespace {

std::int64_t MonotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The demo installation with its whole history imported and grids of every game, in a new
// folder of the working directory; the program finds its database in its working directory.
class FullHistory {
public:
    FullHistory() {
        for (const char* folder : {"config", "cache", "data"})
            std::filesystem::create_directory(installation_.dir() / folder);
        installation_.LoadHistory();
        // Ten grids of each game, simple and multiple.
        for (int type = 0; type < kGameTypeCount; ++type)
            for (int g = 1; g <= 10; ++g) {
                std::vector<int> numbers, second;
                for (int k = 0; k < Game(type).simpleMain + g % 3; ++k)
                    numbers.push_back(1 + (g * 7 + k * 5) % Game(type).mainMax);
                for (int k = 0; Game(type).secondMax && k < Game(type).simpleSecond + g % 2; ++k)
                    second.push_back(1 + (g + k * 3) % Game(type).secondMax);
                test::StoreGrid(installation_.md(), g, type, numbers, second);
            }
    }

    // Runs the program in a child process; returns what it printed.
    std::string Run(const char* mode) const {
        int out[2];
        if (pipe(out) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
        const std::string launch = std::to_string(MonotonicNs());
        const std::string appDir = dir().string();
        const char* args[] = {self.c_str(),   "--child",      mode,
                              launch.c_str(), appDir.c_str(), nullptr};
        pid_t pid = 0;
        const int failed = posix_spawn(&pid, self.c_str(), &actions, nullptr,
                                       const_cast<char* const*>(args), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        std::string text;
        char buffer[256];
        for (ssize_t n; !failed && (n = read(out[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        close(out[0]);
        int status = 0;
        if (failed || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            throw std::runtime_error("the program's child run failed: " + text);
        return text;
    }

    const std::filesystem::path& dir() const { return installation_.dir(); }

private:
    bench::Installation installation_{1};
};

FullHistory& History() {
    static FullHistory history;
    return history;
}

void SetChildEnvironment() {
    const std::filesystem::path& dir = History().dir();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
}

void BM_StartUp(benchmark::State& state) {
    SetChildEnvironment();
    for (auto _ : state) {
        const std::string printed = History().Run("startup");
        state.SetIterationTime(std::stod(printed) / 1000.0);
    }
}

void BM_MemoryWithEveryView(benchmark::State& state) {
    SetChildEnvironment();
    double megabytes = 0.0;
    for (auto _ : state) {
        const std::string printed = History().Run("views");
        megabytes = std::stod(printed.substr(printed.find(' ') + 1)) / 1024.0;
        state.SetIterationTime(std::stod(printed) / 1000.0);
    }
    state.counters["rss_mb"] = megabytes;
}

// The resident set of this process, in kB.
double ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6));
    return 0.0;
}

// Lets the program run for a while, as its user would wait: timers fire, views fill.
void RunFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

// What the program's main does, then: "startup" prints the milliseconds from the launch to
// "Démarrage OK"; "views" opens every view in turn and prints them and the resident kB.
int Child(int argc, char** argv) {
    const std::string mode = argv[2];
    const std::int64_t launch = std::stoll(argv[3]);
    std::filesystem::current_path(argv[4]); // where the program finds its database
    QuintaroApplication app(argc, argv);
    SettingsStore settings(SettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
    InstallationEnvironment folders = ProcessEnvironment();
    folders.appDir = argv[4];
    TfrmMaitre maitre(LocateInstallation(folders), settings);
    const double startup = static_cast<double>(MonotonicNs() - launch) / 1e6;
    if (!maitre.StartupSucceeded() ||
        maitre.Splash()->Lines().value(maitre.Splash()->Lines().size() - 1) != "Démarrage OK")
        return 1;
    if (mode == "views") {
        maitre.CreateViews();
        maitre.resize(1280, 1024);
        maitre.showMaximized();
        RunFor(500);
        for (int order = 0; ViewWindow* view = maitre.View(order); ++order) {
            maitre.BringToFront(view);
            RunFor(1500); // the statistics fill their lists a second after they show
        }
        std::printf("%.3f %.0f\n", startup, ResidentKb());
        return 0;
    }
    std::printf("%.3f\n", startup);
    return 0;
}

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_MemoryWithEveryView)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace
} // namespace quintaro

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--child")
        return quintaro::Child(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
