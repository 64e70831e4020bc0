// What a user feels, timed on the program itself: each run starts build's
// tarvex headless in an install folder set up by an earlier run, feeds it a
// script and waits for its exit. The actions are the differences between
// runs that do the same and one thing more:
//   start-up to the main window painted:  start, picture, quit (the whole run)
//   opening a result page:                the cached temperature profile's four
//                                         pages opened again, per page
//   printing the water chemistry report:  PRINT on the chemistry page to PDF
//   saving and opening a work file:       Save As, then Open of that file
// Aims: 100 ms, 20 ms, 200 ms and 20 ms.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const char kWater[] =
    "dialog 80 set 407 8.1\ndialog 80 set 400 412\ndialog 80 set 401 1290\n"
    "dialog 80 set 402 0.01\ndialog 80 set 403 7.9\ndialog 80 set 404 10760\n"
    "dialog 80 set 405 399\ndialog 80 set 414 19350\ndialog 80 set 415 2710\n"
    "dialog 80 set 419 140\ndialog 80 set 427 77\ndialog 80 press 1\nmenu 1030\n";
const char kQuit[] =
    "answer no Data has been modified\nanswer no Did you wish to leave data\nmenu 1028\n";

fs::path Folder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("tarvex_bench_" + std::to_string(::getpid()));
        fs::remove_all(f);
        fs::create_directories(f);
        std::ofstream(f / "printers.cfg") << "PDF | letter | 300 | colour | out\n";
        fs::create_directories(f / "out");
        return f;
    }();
    return folder;
}

// Seconds the program takes over `script` in the bench folder.
double Run(const std::string& script) {
    const fs::path folder = Folder();
    std::ofstream(folder / "bench.tvs") << script;
    const std::string tarvex = TARVEX_BINARY;
    const std::string scriptPath = (folder / "bench.tvs").string();
    char* argv[] = {const_cast<char*>(tarvex.c_str()), const_cast<char*>("--headless"),
                    const_cast<char*>("--script"), const_cast<char*>(scriptPath.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 01, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", 01, 0);
    const fs::path start = fs::current_path();
    fs::current_path(folder);
    const auto t0 = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) == 0) waitpid(pid, &status, 0);
    const auto t1 = std::chrono::steady_clock::now();
    fs::current_path(start);
    posix_spawn_file_actions_destroy(&actions);
    for (const auto& e : fs::directory_iterator(folder / "out")) fs::remove(e.path());
    for (const char* name : {"bench.krv", "BENCH.KRV", "bench.KRV"}) fs::remove(folder / name);
    if (status != 0) return -1.0;
    return std::chrono::duration<double>(t1 - t0).count();
}

// Times `with` minus `without`, divided by `count`, as the iteration's time.
void Difference(benchmark::State& state, const std::string& without, const std::string& with,
                int count) {
    if (Run("menu 1028\n") < 0) {  // the first start writes the settings files
        state.SkipWithError("tarvex did not run");
        return;
    }
    for (auto _ : state) {
        const double a = Run(without);
        const double b = Run(with);
        if (a < 0 || b < 0) {
            state.SkipWithError("a script failed");
            return;
        }
        state.SetIterationTime(std::max(0.0, (b - a) / count));
    }
}

void StartAndQuit(benchmark::State& state) {
    if (Run("menu 1028\n") < 0) {
        state.SkipWithError("tarvex did not run");
        return;
    }
    for (auto _ : state) state.SetIterationTime(Run("snap TarvexMainClass main.ppm\nmenu 1028\n"));
}

void OpeningAResultPage(benchmark::State& state) {
    const std::string base = std::string(kWater) + "menu 1036\nmenu 1074 DisplayMUWater\n";
    Difference(state, base + kQuit, base + "menu 1036\n" + kQuit, 4);
}

void PrintingTheChemistryReport(benchmark::State& state) {
    Difference(state, std::string(kWater) + kQuit,
               std::string(kWater) + "printer PDF\nmenu 1013 DisplayMUWater\n" + kQuit, 1);
}

void SavingAndOpeningAWorkFile(benchmark::State& state) {
    Difference(
        state, std::string(kWater) + kQuit,
        std::string(kWater) + "file \\bench.krv\nmenu 1022\nfile \\bench.krv\nmenu 1020\n" + kQuit,
        1);
}

}  // namespace

BENCHMARK(StartAndQuit)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(OpeningAResultPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(PrintingTheChemistryReport)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(SavingAndOpeningAWorkFile)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
