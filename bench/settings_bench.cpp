// How long each save of the records holds the window thread, on a real disk: the first-run
// set-up, a revealed puzzle, the end of a game (games played, then a new fastest time) and the
// two resets. Each case prints its median, 99th percentile and longest single save of 200;
// goal: longest <= 16 ms.
#include "platform/design_font.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "records/fastest_times_table.h"
#include "records/statistics_figures.h"
#include "shell/startup/setup_qrw.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

// A store file beside the build rather than in a memory-backed temporary folder, so that each
// save costs what it costs on the player's disk. It starts as a first run leaves it.
struct BenchStore {
    BenchStore() { writeFirstRun(store); }
    static void writeFirstRun(SettingsStore& store) {
        writeFirstRunSettings(store, designFont(13.5), designFont(8));
    }
    QTemporaryDir dir{QStringLiteral("settings-bench-XXXXXX")};
    IniSettingsStore store{dir.path() + QStringLiteral("/QRW.ini")};
};

void nothing(SettingsStore&) {}

// `Prepare` runs before each save, outside the time measured, so that every save changes the
// file. Saves come 50 ms apart, as no
// player's commands come closer, so each finds the disk as a game leaves it.
template <void (*Save)(SettingsStore&), void (*Prepare)(SettingsStore&) = nothing>
void BM_Save(benchmark::State& run) {
    BenchStore bench;
    std::vector<double> held;
    for (auto _ : run) {
        Prepare(bench.store);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const auto start = std::chrono::steady_clock::now();
        Save(bench.store);
        held.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(held.begin(), held.end());
    run.counters["median_ms"] = held[held.size() / 2];
    run.counters["p99_ms"] = held[held.size() * 99 / 100];
    run.counters["longest_ms"] = held.back();
}

void resetFastestTimes(SettingsStore& store) {
    fastest_times::writeResetSet(store);
}

void revealPuzzle(SettingsStore& store) {
    settings::addToCounter(store, QStringLiteral("S_REV"), 1);
}

void gamesPlayed(SettingsStore& store) {
    settings::addToCounter(store, settings::kPlayed.name, 1);
}

void newFastestTime(SettingsStore& store) {
    fastest_times::insertRow(
        store, {QStringLiteral("New"), QStringLiteral("1:59"), QStringLiteral("Quick")});
}

[[maybe_unused]] const bool registered = [] {
    const auto add = [](const char* name, void (*run)(benchmark::State&)) {
        benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond)->Iterations(200);
    };
    add("FirstRunSetup", BM_Save<BenchStore::writeFirstRun, revealPuzzle>);
    add("RevealPuzzle", BM_Save<revealPuzzle>);
    add("EndOfGame/GamesPlayed", BM_Save<gamesPlayed>);
    // Rank 1 in the reset table: the save moves every row.
    add("EndOfGame/NewFastestTime", BM_Save<newFastestTime, resetFastestTimes>);
    add("Reset/FastestTimes", BM_Save<resetFastestTimes, newFastestTime>);
    add("Reset/Statistics", BM_Save<statistics::reset, revealPuzzle>);
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
