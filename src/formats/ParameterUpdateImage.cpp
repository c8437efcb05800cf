#include "formats/ParameterUpdateImage.h"

#include <algorithm>

#include "core/ByteOrder.h"
#include "core/TextFormat.h"

namespace zev {
namespace {

constexpr uint32_t kMagic = 0x0000717A;
constexpr uint32_t kVersion = 0x070D0000;
constexpr uint16_t kSatelliteTable = 11;
constexpr uint16_t kTransponderTable = 12;
constexpr uint16_t kChannelTable = 1;

// Type, size in bytes, record count, offset from the image's start.
void PutTableEntry(uint8_t* out, uint16_t type, uint32_t size, uint32_t count, uint32_t offset) {
    WriteLe16(out, type);
    WriteLe32(out + 2, size);
    WriteLe16(out + 6, static_cast<uint16_t>(count));
    WriteLe32(out + 8, offset);
}

}  // namespace

uint32_t UpdateImageLength(const ParameterDataFile& data) {
    const std::size_t records = data.FullDatabase()
                                    ? kUpdateSatelliteSize * data.SatelliteCount() +
                                          kUpdateTransponderSize * data.TransponderCount() +
                                          kUpdateFullChannelSize * data.ChannelCount()
                                    : kUpdateListChannelSize * data.ChannelCount();
    return static_cast<uint32_t>(kUpdateHeaderSize + records);
}

std::array<uint8_t, kUpdateHeaderSize> UpdateImageHeader(const ParameterDataFile& data) {
    const auto s = static_cast<uint32_t>(data.SatelliteCount());
    const auto t = static_cast<uint32_t>(data.TransponderCount());
    const auto c = static_cast<uint32_t>(data.ChannelCount());
    std::array<uint8_t, kUpdateHeaderSize> header{};
    WriteLe32(&header[0], kMagic);
    WriteLe32(&header[8], kVersion);
    WriteLe32(&header[12], UpdateImageLength(data));
    WriteLe16(&header[16], kUpdateHeaderSize);
    // The entries follow the same formulas with either layout.
    const uint32_t satOffset = kUpdateHeaderSize;
    const uint32_t tpOffset = satOffset + kUpdateSatelliteSize * s;
    const uint32_t chOffset = tpOffset + kUpdateTransponderSize * t;
    const uint32_t channelSize =
        data.FullDatabase() ? kUpdateFullChannelSize : kUpdateListChannelSize;
    PutTableEntry(&header[18], kSatelliteTable, kUpdateSatelliteSize * s, s, satOffset);
    PutTableEntry(&header[30], kTransponderTable, kUpdateTransponderSize * t, t, tpOffset);
    PutTableEntry(&header[42], kChannelTable, channelSize * c, c, chOffset);
    return header;
}

Translatable UpdateImageProblem(const ParameterDataFile& data, std::size_t bufferSize) {
    if (Translatable problem = data.TableProblem(); !problem.Empty()) {
        return problem;
    }
    if (UpdateImageLength(data) > bufferSize) {
        return ZEV_TR("ParameterDataFile",
                      "The update image of %1 bytes is larger than its buffer of %2 bytes.")
            .Arg(UpdateImageLength(data))
            .Arg(bufferSize);
    }
    return {};
}

void BuildUpdateImage(const ParameterDataFile& data, std::span<uint8_t> image) {
    const std::array<uint8_t, kUpdateHeaderSize> header = UpdateImageHeader(data);
    uint8_t* out = std::copy(header.begin(), header.end(), image.data());
    const std::size_t channelSize =
        data.FullDatabase() ? kUpdateFullChannelSize : kUpdateListChannelSize;
    if (data.FullDatabase()) {
        const auto satellites = data.SatelliteRecords();
        const auto transponders = data.TransponderRecords();
        out = std::copy(satellites.begin(), satellites.end(), out);
        out = std::copy(transponders.begin(), transponders.end(), out);
    }
    for (std::size_t i = 0; i < data.ChannelCount(); ++i) {
        out = std::copy_n(data.ChannelSlot(i).begin(), channelSize, out);
    }
}

std::string UpdateImageCountsText(const ParameterDataFile& data) {
    if (!data.FullDatabase()) {
        return Format("C:[%zu]", data.ChannelCount());
    }
    return Format("\n  S:[%zu]\n  T:[%zu]\n  C:[%zu]", data.SatelliteCount(),
                  data.TransponderCount(), data.ChannelCount());
}

}  // namespace zev
