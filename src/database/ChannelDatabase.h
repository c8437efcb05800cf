// The receiver's channel settings held in memory: header, satellites, transponders and the
// channel slots that TV (from slot 0 up) and radio (from ChannelCapacity - 1 down) share.
// Records refer to each other by 1-based number (position + 1), never by pointer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zev {

inline constexpr std::size_t kMaxSatellites = 256;
inline constexpr std::size_t kMaxTransponders = 5000;
inline constexpr std::size_t kMaxChannelSlots = 10000;
inline constexpr std::size_t kNameFieldSize = 13;  // 12 characters and a NUL

struct DatabaseHeader {
    uint16_t Magic = 0;
    uint8_t MarkerC = 0;
    uint8_t MarkerA = 0;
    uint8_t MarkerB = 0;
    uint16_t ReservedWord = 0;
    uint8_t ReservedByteA = 0;
    uint8_t ReservedByteB = 0;
    uint8_t DefaultSatCapacity = 0;
    uint16_t DefaultTpCapacity = 0;
    uint16_t DefaultChannelCapacity = 0;
    uint8_t SatCapacity = 0;
    uint16_t TpCapacity = 0;
    uint16_t ChannelCapacity = 0;
    uint8_t DefaultSatCount = 0;
    uint16_t DefaultTpCount = 0;
    uint16_t DefaultTvCount = 0;
    uint16_t DefaultRadioCount = 0;
    uint8_t SatCount = 0;
    uint16_t TpCount = 0;
    uint16_t TvCount = 0;
    uint16_t RadioCount = 0;
    uint32_t DefaultBlockAddress = 0;
    uint32_t DefaultBlockSize = 0;
    uint32_t UserBlockAddress = 0;
    uint32_t UserBlockSize = 0;

    bool operator==(const DatabaseHeader&) const = default;
};

struct SatelliteEntry {
    uint8_t Lnbtype = 0;  // 0 normal, 1 universal
    uint8_t LnblowBit0 = 0;
    uint16_t Lnblow = 0;
    uint16_t Lnbhigh = 0;
    uint8_t DiseqcType = 0;  // 0 Diseqc1.0, 1 Diseqc1.2
    uint8_t DiseqcPort = 0;  // 0 off, 1..4 = A..D
    uint8_t DiseqcHigh = 0;
    uint8_t LnbhighBit1 = 0;
    uint8_t LnbhighBit0 = 0;
    uint8_t DiseqcBit1 = 0;
    uint8_t DiseqcBit0 = 0;
    uint8_t DiseqcBit2 = 0;
    std::array<char, kNameFieldSize> Name{};

    bool operator==(const SatelliteEntry&) const = default;
};

struct TransponderEntry {
    uint16_t Frequency = 0;
    uint8_t Polarization = 0;  // 0 horizontal, 1 vertical
    uint8_t SatAux = 0;
    uint8_t Sat = 0;  // 1-based satellite number
    uint16_t Symbol = 0;
    uint16_t TransID = 0;

    bool operator==(const TransponderEntry&) const = default;
};

struct ChannelEntry {
    std::array<char, kNameFieldSize> Name{};
    uint8_t RadioFlag = 0;  // 0 TV, 1 radio
    uint8_t VpidAux = 0;
    uint8_t ApidBit2 = 0;
    uint8_t ApidBit1 = 0;
    uint8_t ApidBit0 = 0;
    uint8_t TtxBit1 = 0;
    uint8_t TtxBit0 = 0;
    uint8_t TpFlagA = 0;
    uint8_t TpFlagB = 0;
    uint8_t TpFlagC = 0;
    uint8_t TpFlagD = 0;
    uint8_t PcrBit2 = 0;
    uint8_t PcrAux = 0;
    uint8_t TtxBit2 = 0;
    uint16_t TpNumber = 0;  // 1-based transponder number
    uint16_t ServiceID = 0;
    uint16_t NetworkID = 0;
    uint16_t VPID = 0;
    uint16_t APID = 0;
    uint16_t PCRPID = 0;
    uint16_t TTXPID = 0;
    uint16_t AC3PID = 0;

    bool operator==(const ChannelEntry&) const = default;
};

// One instance per program, owned by whoever starts the program and handed on by reference.
// It is large (about 450 KB), so create it on the heap.
class ChannelDatabase {
  public:
    DatabaseHeader header;
    std::array<SatelliteEntry, kMaxSatellites> satellites{};
    std::array<TransponderEntry, kMaxTransponders> transponders{};
    std::array<ChannelEntry, kMaxChannelSlots> channels{};
    bool Loaded = false;

    ChannelDatabase() = default;
    ChannelDatabase(const ChannelDatabase&) = delete;
    ChannelDatabase& operator=(const ChannelDatabase&) = delete;

    // Row-to-slot mapping shared by every list: TV row r is slot r, radio row r is slot
    // ChannelCapacity - 1 - r.
    std::size_t TvSlot(std::size_t row) const { return row; }
    std::size_t RadioSlot(std::size_t row) const { return header.ChannelCapacity - 1 - row; }
    ChannelEntry& Tv(std::size_t row) { return channels[TvSlot(row)]; }
    ChannelEntry& Radio(std::size_t row) { return channels[RadioSlot(row)]; }
    const ChannelEntry& Tv(std::size_t row) const { return channels[TvSlot(row)]; }
    const ChannelEntry& Radio(std::size_t row) const { return channels[RadioSlot(row)]; }

    // Reference-keeping edits. Positions are 0-based, numbers 1-based. They check no
    // capacities: the editors do that before calling.
    void InsertSatellite(std::size_t position, const SatelliteEntry& record);
    void DeleteSatellite(std::size_t position);
    void InsertTransponder(std::size_t position, const TransponderEntry& record);
    void DeleteTransponder(std::size_t position);
    void DeleteChannelsOfTransponder(uint16_t number);
    void DeleteTranspondersOfSatellite(uint8_t number);
};

}  // namespace zev
