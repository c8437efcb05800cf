// Checking, comparing and exporting the fullest database the tables hold: 255 satellites,
// 5000 transponders and 10000 channel slots (6000 TV, 4000 radio), with a duplicate every
// hundredth channel. The check must stay well under 50 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "formats/CsvExport.h"

namespace {

std::unique_ptr<zev::ChannelDatabase> FullDatabase() {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::DatabaseHeader& h = db->header;
    h.SatCapacity = h.SatCount = 255;
    h.TpCapacity = h.TpCount = 5000;
    h.ChannelCapacity = 10000;
    h.TvCount = 6000;
    h.RadioCount = 4000;
    h.UserBlockSize = 0x40000;
    for (std::size_t i = 0; i < h.SatCount; ++i) {
        std::snprintf(db->satellites[i].Name.data(), 13, "SAT %zu", i);
    }
    for (std::size_t i = 0; i < h.TpCount; ++i) {
        db->transponders[i].Frequency = static_cast<uint16_t>(10700 + i % 2000);
        db->transponders[i].Polarization = static_cast<uint8_t>(i / 2000 % 2);
        db->transponders[i].Sat = static_cast<uint8_t>(1 + i % h.SatCount);
    }
    for (std::size_t i = 0; i < h.ChannelCapacity; ++i) {
        zev::ChannelEntry& c = db->channels[i];
        std::snprintf(c.Name.data(), 13, "CH %zu", i);
        c.RadioFlag = i >= h.TvCount ? 1 : 0;
        c.TpNumber = static_cast<uint16_t>(1 + i % 2047);
        c.ServiceID = static_cast<uint16_t>(i % 100 == 99 ? i - 1 : i);  // every 100th repeats
        if (i % 100 == 99) c.TpNumber = db->channels[i - 1].TpNumber;
        c.VPID = static_cast<uint16_t>(i % 8000 + 1);
        c.APID = static_cast<uint16_t>(i % 8000 + 2);
    }
    return db;
}

std::unique_ptr<zev::ChannelDatabase> EditedCopy(const zev::ChannelDatabase& db) {
    auto copy = std::make_unique<zev::ChannelDatabase>();
    copy->header = db.header;
    copy->satellites = db.satellites;
    copy->transponders = db.transponders;
    copy->channels = db.channels;
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
