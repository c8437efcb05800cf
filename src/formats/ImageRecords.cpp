#include "formats/ImageRecords.h"

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

// The TpNumber word: bits 15-5 the number, TpFlagA..TpFlagD in bits 4-1 (A highest), bit 0
// always written 0 and never read.
constexpr unsigned kTpNumberShift = 5;
constexpr unsigned kTpFlagAShift = 4;
constexpr unsigned kTpFlagBShift = 3;
constexpr unsigned kTpFlagCShift = 2;
constexpr unsigned kTpFlagDShift = 1;

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

SatelliteEntry DecodeSatellite(std::span<const uint8_t> block, std::size_t offset) {
    SatelliteEntry s;
    const uint16_t low = ReadWord(block, offset);
    s.Lnblow = Bits(low, 2, 14);
    s.Lnbtype = static_cast<uint8_t>(Bits(low, 1, 1));
    s.LnblowBit0 = static_cast<uint8_t>(Bits(low, 0, 1));
    const uint16_t high = ReadWord(block, offset + 2);
    s.Lnbhigh = Bits(high, 2, 14);
    s.LnbhighBit1 = static_cast<uint8_t>(Bits(high, 1, 1));
    s.LnbhighBit0 = static_cast<uint8_t>(Bits(high, 0, 1));
    const uint16_t diseqc = ReadWord(block, offset + 4);
    s.DiseqcHigh = static_cast<uint8_t>(Bits(diseqc, 8, 8));
    s.DiseqcPort = static_cast<uint8_t>(Bits(diseqc, 4, 4));
    s.DiseqcType = static_cast<uint8_t>(Bits(diseqc, 3, 1));
    s.DiseqcBit2 = static_cast<uint8_t>(Bits(diseqc, 2, 1));
    s.DiseqcBit1 = static_cast<uint8_t>(Bits(diseqc, 1, 1));
    s.DiseqcBit0 = static_cast<uint8_t>(Bits(diseqc, 0, 1));
    ReadName(block, offset + 6, s.Name);
    return s;
}

void EncodeSatellite(const SatelliteEntry& s, std::span<uint8_t> block, std::size_t offset) {
    WriteWord(block, offset,
              Place(s.Lnblow, 2, 14) | Place(s.Lnbtype, 1, 1) | Place(s.LnblowBit0, 0, 1));
    WriteWord(block, offset + 2,
              Place(s.Lnbhigh, 2, 14) | Place(s.LnbhighBit1, 1, 1) | Place(s.LnbhighBit0, 0, 1));
    WriteWord(block, offset + 4,
              Place(s.DiseqcHigh, 8, 8) | Place(s.DiseqcPort, 4, 4) | Place(s.DiseqcType, 3, 1) |
                  Place(s.DiseqcBit2, 2, 1) | Place(s.DiseqcBit1, 1, 1) |
                  Place(s.DiseqcBit0, 0, 1));
    WriteName(block, offset + 6, s.Name);
}

TransponderEntry DecodeTransponder(std::span<const uint8_t> block, std::size_t offset) {
    TransponderEntry t;
    const uint16_t frequency = ReadWord(block, offset);
    t.Frequency = Bits(frequency, 2, 14);
    t.Polarization = static_cast<uint8_t>(Bits(frequency, 1, 1));
    const uint16_t satellite = ReadWord(block, offset + 2);
    t.Sat = static_cast<uint8_t>(Bits(satellite, 7, 8));
    t.SatAux = static_cast<uint8_t>(Bits(satellite, 0, 7));
    t.Symbol = ReadWord(block, offset + 4);
    t.TransID = ReadWord(block, offset + 6);
    return t;
}

void EncodeTransponder(const TransponderEntry& t, std::span<uint8_t> block, std::size_t offset) {
    WriteWord(block, offset, Place(t.Frequency, 2, 14) | Place(t.Polarization, 1, 1));
    WriteWord(block, offset + 2, Place(t.Sat, 7, 8) | Place(t.SatAux, 0, 7));
    WriteWord(block, offset + 4, t.Symbol);
    WriteWord(block, offset + 6, t.TransID);
}

ChannelEntry DecodeChannel(std::span<const uint8_t> block, std::size_t offset) {
    ChannelEntry c;
    ReadName(block, offset, c.Name);
    const uint16_t video = ReadWord(block, offset + 12);
    c.VPID = Bits(video, 3, 13);
    c.RadioFlag = static_cast<uint8_t>(Bits(video, 2, 1));
    c.VpidAux = static_cast<uint8_t>(Bits(video, 0, 2));
    const uint16_t audio = ReadWord(block, offset + 14);
    c.APID = Bits(audio, 3, 13);
    c.ApidBit2 = static_cast<uint8_t>(Bits(audio, 2, 1));
    c.ApidBit1 = static_cast<uint8_t>(Bits(audio, 1, 1));
    c.ApidBit0 = static_cast<uint8_t>(Bits(audio, 0, 1));
    const uint16_t pcr = ReadWord(block, offset + 16);
    c.PCRPID = Bits(pcr, 3, 13);
    c.PcrBit2 = static_cast<uint8_t>(Bits(pcr, 2, 1));
    c.PcrAux = static_cast<uint8_t>(Bits(pcr, 0, 2));
    const uint16_t teletext = ReadWord(block, offset + 18);
    c.TTXPID = Bits(teletext, 3, 13);
    c.TtxBit2 = static_cast<uint8_t>(Bits(teletext, 2, 1));
    c.TtxBit1 = static_cast<uint8_t>(Bits(teletext, 1, 1));
    c.TtxBit0 = static_cast<uint8_t>(Bits(teletext, 0, 1));
    const uint16_t transponder = ReadWord(block, offset + 20);
    c.TpNumber = Bits(transponder, kTpNumberShift, 11);
    c.TpFlagA = static_cast<uint8_t>(Bits(transponder, kTpFlagAShift, 1));
    c.TpFlagB = static_cast<uint8_t>(Bits(transponder, kTpFlagBShift, 1));
    c.TpFlagC = static_cast<uint8_t>(Bits(transponder, kTpFlagCShift, 1));
    c.TpFlagD = static_cast<uint8_t>(Bits(transponder, kTpFlagDShift, 1));
    c.ServiceID = ReadWord(block, offset + 22);
    c.NetworkID = ReadWord(block, offset + 24);
    c.AC3PID = Bits(ReadWord(block, offset + 26), 0, 13);
    return c;
}

void EncodeChannel(const ChannelEntry& c, std::span<uint8_t> block, std::size_t offset) {
    WriteName(block, offset, c.Name);
    WriteWord(block, offset + 12,
              Place(c.VPID, 3, 13) | Place(c.RadioFlag, 2, 1) | Place(c.VpidAux, 0, 2));
    WriteWord(block, offset + 14,
              Place(c.APID, 3, 13) | Place(c.ApidBit2, 2, 1) | Place(c.ApidBit1, 1, 1) |
                  Place(c.ApidBit0, 0, 1));
    WriteWord(block, offset + 16,
              Place(c.PCRPID, 3, 13) | Place(c.PcrBit2, 2, 1) | Place(c.PcrAux, 0, 2));
    WriteWord(block, offset + 18,
              Place(c.TTXPID, 3, 13) | Place(c.TtxBit2, 2, 1) | Place(c.TtxBit1, 1, 1) |
                  Place(c.TtxBit0, 0, 1));
    WriteWord(block, offset + 20,
              Place(c.TpNumber, kTpNumberShift, 11) | Place(c.TpFlagA, kTpFlagAShift, 1) |
                  Place(c.TpFlagB, kTpFlagBShift, 1) | Place(c.TpFlagC, kTpFlagCShift, 1) |
                  Place(c.TpFlagD, kTpFlagDShift, 1));
    WriteWord(block, offset + 22, c.ServiceID);
    WriteWord(block, offset + 24, c.NetworkID);
    WriteWord(block, offset + 26, c.AC3PID);  // written whole, read as 13 bits
}

}  // namespace zev::image
