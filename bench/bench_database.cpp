// Checking, comparing and exporting the fullest database the tables hold: 255 satellites,
// 5000 transponders and 10000 channel slots (6000 TV, 4000 radio), with a duplicate every
// hundredth channel. The check must stay well under 50 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchSupport.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "formats/CsvExport.h"

namespace {

// Every hundredth channel repeats the one before, and each has a video and an audio PID.
std::unique_ptr<zev::ChannelDatabase> FullDatabase() {
    auto db = bench::FullDatabase();
    bench::RepeatEveryNth(*db, 100);
    for (std::size_t i = 0; i < db->header.ChannelCapacity; ++i) {
        db->channels[i].VPID = static_cast<uint16_t>(i % 8000 + 1);
        db->channels[i].APID = static_cast<uint16_t>(i % 8000 + 2);
    }
    return db;
}

std::unique_ptr<zev::ChannelDatabase> EditedCopy(const zev::ChannelDatabase& db) {
    auto copy = bench::CopyOf(db);
    for (std::size_t i = 0; i < 5000; i += 50) std::swap(copy->channels[i], copy->channels[i + 7]);
    for (std::size_t i = 0; i < 10000; i += 97) copy->channels[i].APID ^= 1;
    return copy;
}

void BM_CheckFullDatabase(benchmark::State& state) {
    const auto db = FullDatabase();
    std::size_t findings = 0;
    for (auto _ : state) {
        const zev::CheckResult result = zev::CheckDatabase(*db);
        findings = result.findings.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckFullDatabase)->Unit(benchmark::kMillisecond);

void BM_DiffFullDatabases(benchmark::State& state) {
    const auto a = FullDatabase();
    const auto b = EditedCopy(*a);
    std::size_t records = 0;
    for (auto _ : state) {
        const zev::DatabaseDiff diff = zev::DiffDatabases(*a, *b);
        records = diff.records.size();
        benchmark::DoNotOptimize(records);
    }
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_DiffFullDatabases)->Unit(benchmark::kMillisecond);

void BM_ExportFullDatabase(benchmark::State& state) {
    const auto db = FullDatabase();
    for (auto _ : state) {
        const zev::CsvTables tables = zev::ExportCsv(*db);
        benchmark::DoNotOptimize(tables.channels.size());
    }
}
BENCHMARK(BM_ExportFullDatabase)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
