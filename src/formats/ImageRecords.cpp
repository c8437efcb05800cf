#include "formats/ImageRecords.h"

#include <array>

#include "formats/ImageFields.h"
#include "formats/ImageWords.h"

namespace zev::image {

namespace {

// Value of `width` bits starting at bit `shift` of a word.
constexpr uint16_t Bits(uint16_t word, unsigned shift, unsigned width) {
    return static_cast<uint16_t>((word >> shift) & ((1u << width) - 1));
}

// `value` cut to `width` bits and moved to bit `shift`; wider values lose their high bits.
constexpr uint16_t Place(unsigned value, unsigned shift, unsigned width) {
    return static_cast<uint16_t>((value & ((1u << width) - 1)) << shift);
}

}  // namespace

DatabaseHeader DecodeHeader(std::span<const uint8_t> block) {
    DatabaseHeader h;
    h.Magic = ReadWord(block, 0);
    h.MarkerB = block[2];
    h.MarkerA = block[3];
    h.ReservedWord = ReadWord(block, 4);
    h.ReservedByteB = block[6];
    h.ReservedByteA = block[7];
    h.DefaultSatCapacity = block[8];
    h.MarkerC = block[9];
    h.DefaultTpCapacity = ReadWord(block, 10);
    h.DefaultChannelCapacity = ReadWord(block, 12);
    h.TpCapacity = ReadWord(block, 14);
    h.ChannelCapacity = ReadWord(block, 16);
    h.DefaultSatCount = block[18];
    h.SatCapacity = block[19];
    h.DefaultTpCount = ReadWord(block, 20);
    h.DefaultTvCount = ReadWord(block, 22);
    h.DefaultRadioCount = ReadWord(block, 24);
    h.SatCount = block[26];
    h.TpCount = ReadWord(block, 28);
    h.TvCount = ReadWord(block, 30);
    h.RadioCount = ReadWord(block, 32);
    h.DefaultBlockAddress = ReadLong(block, 34);
    h.DefaultBlockSize = ReadLong(block, 38);
    h.UserBlockAddress = ReadLong(block, 42);
    h.UserBlockSize = ReadLong(block, 46);
    return h;
}

void EncodeHeader(const DatabaseHeader& h, uint16_t magic, std::span<uint8_t> block) {
    WriteWord(block, 0, magic);
    block[2] = h.MarkerB;
    block[3] = h.MarkerA;
    WriteWord(block, 4, h.ReservedWord);
    block[6] = h.ReservedByteB;
    block[7] = h.ReservedByteA;
    block[8] = h.DefaultSatCapacity;
    block[9] = h.MarkerC;
    WriteWord(block, 10, h.DefaultTpCapacity);
    WriteWord(block, 12, h.DefaultChannelCapacity);
    WriteWord(block, 14, h.TpCapacity);
    WriteWord(block, 16, h.ChannelCapacity);
    block[18] = h.DefaultSatCount;
    block[19] = h.SatCapacity;
    WriteWord(block, 20, h.DefaultTpCount);
    WriteWord(block, 22, h.DefaultTvCount);
    WriteWord(block, 24, h.DefaultRadioCount);
    block[26] = h.SatCount;
    block[27] = 0;
    WriteWord(block, 28, h.TpCount);
    WriteWord(block, 30, h.TvCount);
    WriteWord(block, 32, h.RadioCount);
    WriteLong(block, 34, h.DefaultBlockAddress);
    WriteLong(block, 38, h.DefaultBlockSize);
    WriteLong(block, 42, h.UserBlockAddress);
    WriteLong(block, 46, h.UserBlockSize);
    for (std::size_t i = kHeaderFieldBytes; i < 70; ++i) block[i] = 0xFF;
    block[70] = 0;
    block[71] = 0;
}

namespace {

// Each field from its bits.
template <typename Record>
void DecodeFields(std::span<const ImageField<Record>> fields, std::span<const uint8_t> block,
                  std::size_t offset, Record& record) {
    for (const ImageField<Record>& f : fields) {
        f.field->set(record, Bits(ReadWord(block, offset + f.word), f.shift, f.bits));
    }
}

// Every word that holds a field, with the fields in their bits and 0 in the bits between.
template <typename Record>
void EncodeFields(std::span<const ImageField<Record>> fields, const Record& record,
                  std::span<uint8_t> block, std::size_t offset) {
    constexpr std::size_t kWords = kChannelBytes / 2;  // the longest record
    std::array<uint16_t, kWords> words{};
    std::array<bool, kWords> used{};
    for (const ImageField<Record>& f : fields) {
        words[f.word / 2] |= Place(f.field->get(record), f.shift, f.writtenBits);
        used[f.word / 2] = true;
    }
    for (std::size_t i = 0; i < kWords; ++i) {
        if (used[i]) WriteWord(block, offset + 2 * i, words[i]);
    }
}

}  // namespace

SatelliteEntry DecodeSatellite(std::span<const uint8_t> block, std::size_t offset) {
    SatelliteEntry s;
    DecodeFields(SatelliteImageFields(), block, offset, s);
    ReadName(block, offset + kSatelliteNameOffset, s.Name);
    return s;
}

void EncodeSatellite(const SatelliteEntry& s, std::span<uint8_t> block, std::size_t offset) {
    EncodeFields(SatelliteImageFields(), s, block, offset);
    WriteName(block, offset + kSatelliteNameOffset, s.Name);
}

TransponderEntry DecodeTransponder(std::span<const uint8_t> block, std::size_t offset) {
    TransponderEntry t;
    DecodeFields(TransponderImageFields(), block, offset, t);
    return t;
}

void EncodeTransponder(const TransponderEntry& t, std::span<uint8_t> block, std::size_t offset) {
    EncodeFields(TransponderImageFields(), t, block, offset);
}

ChannelEntry DecodeChannel(std::span<const uint8_t> block, std::size_t offset) {
    ChannelEntry c;
    ReadName(block, offset + kChannelNameOffset, c.Name);
    DecodeFields(ChannelImageFields(), block, offset, c);
    return c;
}

void EncodeChannel(const ChannelEntry& c, std::span<uint8_t> block, std::size_t offset) {
    WriteName(block, offset + kChannelNameOffset, c.Name);
    EncodeFields(ChannelImageFields(), c, block, offset);
}

}  // namespace zev::image
