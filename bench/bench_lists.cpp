// Reworking the fullest database the tables hold (255 satellites, 5000 transponders, 10000
// channel slots: 6000 TV, 4000 radio) as a whole: sorting both lists, ordering them like a
// reference list, importing the CSV files of an export, and updating every transponder from a
// transponder XML file of 5000 transponders. Each must stay within its budget: 50 ms for sort
// and reorder, 300 ms for the CSV and the XML import.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "BenchSupport.h"
#include "editing/ChannelSort.h"
#include "editing/ReferenceOrder.h"
#include "editing/TransponderUpdate.h"
#include "exchange/TransponderXml.h"
#include "formats/CsvExport.h"
#include "formats/CsvImport.h"

namespace {

// The full database with each list in a random order, so that sorting has work to do.
std::unique_ptr<zev::ChannelDatabase> ShuffledDatabase() {
    auto db = bench::FullDatabase();
    std::mt19937 random(2024);
    auto& channels = db->channels;
    std::shuffle(channels.begin(), channels.begin() + db->header.TvCount, random);
    std::shuffle(channels.begin() + db->header.TvCount,
                 channels.begin() + db->header.ChannelCapacity, random);
    return db;
}

// Sorts a fresh copy in each round; copying is not timed.
void SortBoth(benchmark::State& state, zev::ChannelSortKey key) {
    const auto original = ShuffledDatabase();
    auto db = bench::CopyOf(*original);
    for (auto _ : state) {
        state.PauseTiming();
        bench::CopyDatabase(*original, *db);
        state.ResumeTiming();
        zev::SortChannelList(*db, true, {key, false});
        zev::SortChannelList(*db, false, {key, false});
        benchmark::DoNotOptimize(db->channels[0]);
    }
}

void BM_SortByName(benchmark::State& state) { SortBoth(state, zev::ChannelSortKey::Name); }
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

void BM_SortBySatellite(benchmark::State& state) {
    SortBoth(state, zev::ChannelSortKey::Satellite);
}
BENCHMARK(BM_SortBySatellite)->Unit(benchmark::kMillisecond);

// The reference holds the same channels in another order; its identities are taken in each
// round, as the program takes them from the file it reads.
void BM_ReorderLikeReference(benchmark::State& state) {
    const auto original = ShuffledDatabase();
    const auto reference = bench::FullDatabase();
    auto db = bench::CopyOf(*original);
    std::size_t placed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench::CopyDatabase(*original, *db);
        state.ResumeTiming();
        const zev::ReorderResult result =
            zev::OrderLikeReference(*db, zev::ReferenceListsOf(*reference));
        placed = result.tv.placed + result.radio.placed;
    }
    state.counters["placed"] = static_cast<double>(placed);
}
BENCHMARK(BM_ReorderLikeReference)->Unit(benchmark::kMillisecond);

std::span<const uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Reading the three files (about 1.7 MB) and replacing every record.
void BM_ImportCsv(benchmark::State& state) {
    const auto original = bench::FullDatabase();
    const zev::CsvTables tables = zev::ExportCsv(*original);
    auto db = bench::CopyOf(*original);
    for (auto _ : state) {
        const auto imported = zev::ImportCsv(*db, {{"c.csv", Bytes(tables.channels)},
                                                   {"t.csv", Bytes(tables.transponders)},
                                                   {"s.csv", Bytes(tables.satellites)}});
        if (!imported) state.SkipWithError(imported.error().front().Text().c_str());
    }
    state.counters["bytes"] = static_cast<double>(
        tables.channels.size() + tables.transponders.size() + tables.satellites.size());
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond);

// A file of 5000 transponders, every satellite at a position of its own, and a circular one
// each, onto the database with its first 4500 transponders: reading the file, tying by
// position, planning (4500 moved by 1 MHz, 500 new) and applying.
void BM_ImportTransponderXml(benchmark::State& state) {
    const auto original = bench::FullDatabase();
    std::vector<std::optional<int>> positions;
    for (int s = 0; s < original->header.SatCount; ++s) positions.push_back(s - 100);
    zev::TransponderFile file = zev::TransponderFileOf(*original, positions);
    std::size_t count = 0;
    for (zev::FileSatellite& sat : file.satellites) {
        for (zev::FileTransponder& tp : sat.transponders) tp.frequency += 1000;
        sat.transponders.push_back({10800000, 27500000, 2, 0});
        count += sat.transponders.size();
    }
    const std::string xml = zev::TransponderXmlText(file);
    auto db = bench::CopyOf(*original);
    std::size_t added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench::CopyDatabase(*original, *db);
        db->header.TpCount = 4500;
        state.ResumeTiming();
        const auto read = zev::ReadTransponderXml("bench.xml", Bytes(xml));
        const auto ties = zev::TieSatellites(*db, *read, positions);
        std::vector<std::optional<std::size_t>> tied;
        for (const zev::SatelliteTie& tie : ties) tied.push_back(tie.fileSatellite);
        const zev::TransponderUpdatePlan plan = zev::PlanTransponderUpdate(*db, *read, tied, true);
        if (!zev::ApplyTransponderUpdate(*db, plan)) state.SkipWithError("refused");
        added = plan.transpondersAfter - 4500;
    }
    state.counters["transponders"] = static_cast<double>(count);
    state.counters["added"] = static_cast<double>(added);
    state.counters["bytes"] = static_cast<double>(xml.size());
}
BENCHMARK(BM_ImportTransponderXml)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
