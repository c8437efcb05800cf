#include "SampleUserBlock.h"

#include <array>
#include <string>
#include <string_view>

#include "UserBlockHeader.h"

namespace zev::boxsim {

namespace {

// Capacities of the 8M-bit flash with a two-sector user block.
constexpr std::uint8_t kSatCapacity = 156;
constexpr std::uint16_t kTpCapacity = 2000;
constexpr std::uint16_t kChannelCapacity = 4000;
constexpr std::uint8_t kDefaultSatCapacity = 156;
constexpr std::uint16_t kDefaultTpCapacity = 2000;
constexpr std::uint16_t kDefaultChannelCapacity = 1600;
constexpr std::uint32_t kDefaultBlockSize = 0x10000;

constexpr std::size_t kSatelliteSize = 18;
constexpr std::size_t kTransponderSize = 8;
constexpr std::size_t kChannelSize = 28;
constexpr std::size_t kNameSize = 12;

struct SampleSatellite {
    std::string_view name;
    std::uint16_t lnbLow;
    std::uint16_t lnbHigh;
    std::uint8_t diseqcPort;
    int transponders;
};

constexpr std::array<SampleSatellite, 3> kSatellites{{
    {"SAT-EAST", 9750, 10600, 1, 8},
    {"SAT-WEST", 9750, 10600, 2, 7},
    {"SAT-NORTH", 9750, 10600, 3, 5},
}};

constexpr std::array<std::string_view, 8> kTvThemes{"News",  "Sports", "Movies", "Family",
                                                    "Music", "Docs",   "Travel", "Weather"};

class BlockWriter {
  public:
    explicit BlockWriter(Bytes& block) : block_(block) {}

    void word(std::size_t offset, std::uint16_t value) { writeHeaderWord(block_, offset, value); }
    void byte(std::size_t offset, std::uint8_t value) { block_[offset] = value; }
    void longValue(std::size_t offset, std::uint32_t value) {
        writeHeaderLong(block_, offset, value);
    }
    // Names go in swapped pairs: byte 2k holds character 2k + 1, byte 2k + 1 character 2k.
    void name(std::size_t offset, std::string_view text) {
        for (std::size_t i = 0; i < kNameSize; ++i) {
            const char c = i < text.size() ? text[i] : '\0';
            block_[offset + (i ^ 1)] = static_cast<std::uint8_t>(c);
        }
    }

  private:
    Bytes& block_;
};

void writeHeader(BlockWriter& w, std::uint32_t userAddress, std::uint32_t userSize) {
    w.word(0, 0);  // Magic of a user block
    w.byte(2, 0xFC);
    w.byte(3, 0xFA);
    w.word(4, 0);
    w.word(6, 0);
    w.byte(8, kDefaultSatCapacity);
    w.byte(9, 0xFE);
    w.word(10, kDefaultTpCapacity);
    w.word(12, kDefaultChannelCapacity);
    w.word(14, kTpCapacity);
    w.word(16, kChannelCapacity);
    w.byte(18, 0);  // the default-channel block is left empty
    w.byte(19, kSatCapacity);
    w.word(20, 0);
    w.word(22, 0);
    w.word(24, 0);
    w.byte(26, static_cast<std::uint8_t>(kSampleCounts.satellites));
    w.byte(27, 0);
    w.word(28, static_cast<std::uint16_t>(kSampleCounts.transponders));
    w.word(30, static_cast<std::uint16_t>(kSampleCounts.tvChannels));
    w.word(32, static_cast<std::uint16_t>(kSampleCounts.radioChannels));
    const std::uint32_t defaultAddress =
        userAddress >= kDefaultBlockSize ? userAddress - kDefaultBlockSize : 0;
    w.longValue(kDefaultBlockAddressOffset, defaultAddress);
    w.longValue(kDefaultBlockSizeOffset, kDefaultBlockSize);
    w.longValue(kUserBlockAddressOffset, userAddress);
    w.longValue(kUserBlockSizeOffset, userSize);
    w.word(70, 0);  // bytes 50 to 69 stay 0xFF
}

void writeSatellites(BlockWriter& w) {
    for (std::size_t i = 0; i < kSatellites.size(); ++i) {
        const SampleSatellite& sat = kSatellites[i];
        const std::size_t at = kHeaderSize + kSatelliteSize * i;
        w.word(at, static_cast<std::uint16_t>(sat.lnbLow << 2 | 1 << 1));  // universal LNB
        w.word(at + 2, static_cast<std::uint16_t>(sat.lnbHigh << 2));
        w.word(at + 4, static_cast<std::uint16_t>(sat.diseqcPort << 4));  // DiSEqC 1.0
        w.name(at + 6, sat.name);
    }
}

void writeTransponders(BlockWriter& w) {
    const std::size_t area = kHeaderSize + kSatelliteSize * kSatCapacity;
    int index = 0;
    for (std::size_t sat = 0; sat < kSatellites.size(); ++sat) {
        for (int t = 0; t < kSatellites[sat].transponders; ++t, ++index) {
            const std::size_t at = area + kTransponderSize * static_cast<std::size_t>(index);
            const auto frequency = static_cast<std::uint16_t>(10744 + 97 * t + 13 * sat);
            const auto vertical = static_cast<std::uint16_t>(t % 2);
            w.word(at, static_cast<std::uint16_t>(frequency << 2 | vertical << 1));
            w.word(at + 2, static_cast<std::uint16_t>((sat + 1) << 7));
            w.word(at + 4, t % 3 == 0 ? 22000 : 27500);
            w.word(at + 6, static_cast<std::uint16_t>(1000 + index));
        }
    }
}

void writeChannel(BlockWriter& w, std::size_t at, const std::string& name, bool radio, int index) {
    const auto base = static_cast<std::uint16_t>(0x100 + 16 * index);
    const std::uint16_t video = radio ? 0x1FFF : base;
    const auto transponder = static_cast<std::uint16_t>(index % kSampleCounts.transponders + 1);
    w.name(at, name);
    w.word(at + 12, static_cast<std::uint16_t>(video << 3 | (radio ? 1 : 0) << 2));
    w.word(at + 14, static_cast<std::uint16_t>((base + 1) << 3));
    w.word(at + 16, static_cast<std::uint16_t>((radio ? base + 1 : base) << 3));
    w.word(at + 18, static_cast<std::uint16_t>((radio ? 0 : base + 2) << 3));
    w.word(at + 20, static_cast<std::uint16_t>(transponder << 5));
    w.word(at + 22, static_cast<std::uint16_t>(100 + index));
    w.word(at + 24, 1);
    w.word(at + 26, 0);
}

void writeChannels(BlockWriter& w, std::uint32_t userSize) {
    const std::size_t tvArea =
        kHeaderSize + kSatelliteSize * kSatCapacity + kTransponderSize * kTpCapacity;
    for (int i = 0; i < kSampleCounts.tvChannels; ++i) {
        const std::string name = std::string(kTvThemes[static_cast<std::size_t>(i) % 8]) + " " +
                                 std::to_string(i / 8 + 1);
        writeChannel(w, tvArea + kChannelSize * static_cast<std::size_t>(i), name, false, i);
    }
    for (int i = 0; i < kSampleCounts.radioChannels; ++i) {
        const std::size_t at = userSize - 32 - kChannelSize * static_cast<std::size_t>(i);
        writeChannel(w, at, "Radio " + std::to_string(i + 1), true, kSampleCounts.tvChannels + i);
    }
}

}  // namespace

Bytes buildSampleUserBlock(std::uint32_t userAddress, std::uint32_t userSize) {
    Bytes block(userSize, 0xFF);
    BlockWriter writer(block);
    writeHeader(writer, userAddress, userSize);
    writeSatellites(writer);
    writeTransponders(writer);
    writeChannels(writer, userSize);
    return block;
}

}  // namespace zev::boxsim
