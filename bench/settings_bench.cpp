// Saving the records as the player's commands do, on a real disk: the first-run set-up (45 keys)
// and "Reset Scores to Default" (30 keys), each as one operation, against the same writes saved
// one key at a time. Goal: first-run set-up <= 10 ms.
#include "platform/design_font.h"
#include "platform/settings_store.h"
#include "records/fastest_times_table.h"
#include "shell/startup/setup_qrw.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

using Write = std::pair<std::pair<QString, QString>, QString>;

// Keeps the writes an operation makes, to replay them one save per key.
class CapturingStore : public SettingsStore {
  public:
    QString read(const QString&, const QString&, const QString& fallback) const override {
        return fallback;
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        writes.push_back({{section, key}, value});
    }
    bool contains(const QString&, const QString&) const override { return false; }

    std::vector<Write> writes;
};

// A store file beside the build rather than in a memory-backed temporary folder, so that each
// save costs what it costs on the player's disk.
struct BenchStore {
    QTemporaryDir dir{QStringLiteral("settings-bench-XXXXXX")};
    IniSettingsStore store{dir.path() + QStringLiteral("/QRW.ini")};
};

void writeFirstRun(SettingsStore& store) {
    writeFirstRunSettings(store, designFont(13.5), designFont(8));
}

void writeReset(SettingsStore& store) {
    fastest_times::writeResetSet(store);
}

template <void (*Operation)(SettingsStore&)>
void BM_OneOperation(benchmark::State& run) {
    BenchStore bench;
    for (auto _ : run) Operation(bench.store);
}

template <void (*Operation)(SettingsStore&)>
void BM_SavePerKey(benchmark::State& run) {
    CapturingStore capture;
    Operation(capture);
    BenchStore bench;
    for (auto _ : run)
        for (const auto& [where, value] : capture.writes)
            bench.store.write(where.first, where.second, value);
    run.counters["keys"] = static_cast<double>(capture.writes.size());
}

BENCHMARK(BM_SavePerKey<writeFirstRun>)
    ->Name("FirstRunSetup/SavePerKey")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneOperation<writeFirstRun>)
    ->Name("FirstRunSetup/OneOperation")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePerKey<writeReset>)
    ->Name("FastestTimesReset/SavePerKey")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneOperation<writeReset>)
    ->Name("FastestTimesReset/OneOperation")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
