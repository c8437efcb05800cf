// Packing and unpacking the largest user block (0x40000 bytes: 16M bits, 4 sectors) with every
// record place in use.
#include <benchmark/benchmark.h>

#include <memory>

#include "database/FlashLayout.h"
#include "formats/ParameterImage.h"

namespace {

std::unique_ptr<zev::ChannelDatabase> FullDatabase() {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::DatabaseHeader& h = db->header;
    zev::UpdateFlashLayout(h, 3, 4);
    h.SatCount = h.SatCapacity;
    h.TpCount = h.TpCapacity;
    h.TvCount = static_cast<uint16_t>(h.ChannelCapacity / 2);
    h.RadioCount = static_cast<uint16_t>(h.ChannelCapacity - h.TvCount);
    for (std::size_t i = 0; i < h.SatCount; ++i) {
        db->satellites[i].Lnblow = static_cast<uint16_t>(9750 + i);
        db->satellites[i].Name = {'S', 'A', 'T'};
    }
    for (std::size_t i = 0; i < h.TpCount; ++i) {
        db->transponders[i].Frequency = static_cast<uint16_t>(10700 + i % 2000);
        db->transponders[i].Sat = static_cast<uint8_t>(1 + i % h.SatCount);
    }
    for (std::size_t i = 0; i < h.ChannelCapacity; ++i) {
        db->channels[i].Name = {'C', 'H', static_cast<char>('0' + i % 10)};
        db->channels[i].TpNumber = static_cast<uint16_t>(1 + i % 2047);
        db->channels[i].VPID = static_cast<uint16_t>(i % 8192);
    }
    return db;
}

void BM_PackUserBlock(benchmark::State& state) {
    const auto db = FullDatabase();
    zev::ImageBuffers buffers;
    for (auto _ : state) {
        const zev::ImageResult result = zev::PackImage(*db, zev::ImageKind::User, buffers.output);
        benchmark::DoNotOptimize(result.size);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * zev::kInputImageSize);
}
BENCHMARK(BM_PackUserBlock);

void BM_UnpackUserBlock(benchmark::State& state) {
    const auto source = FullDatabase();
    zev::ImageBuffers buffers;
    const zev::ImageResult packed = zev::PackImage(*source, zev::ImageKind::User, buffers.output);
    if (!packed.ok) {
        state.SkipWithError(packed.error.English().c_str());
        return;
    }
    auto db = std::make_unique<zev::ChannelDatabase>();
    const auto image = std::span<const uint8_t>(buffers.output).first(packed.size);
    for (auto _ : state) {
        const zev::ImageResult result = zev::UnpackImage(*db, image);
        benchmark::DoNotOptimize(result.ok);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * zev::kInputImageSize);
}
BENCHMARK(BM_UnpackUserBlock);

}  // namespace

BENCHMARK_MAIN();
