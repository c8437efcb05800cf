#include "formats/ImageFields.h"

#include <cstring>
#include <vector>

namespace zev::image {

namespace {

// A field's place, by the name the database's field table gives it.
struct Place {
    const char* name;
    std::size_t word;
    unsigned shift;
    unsigned bits;
    unsigned writtenBits = 0;  // 0: `bits`
};

// Satellite record: Lnblow, Lnbhigh and the DiSEqC word, then the name at byte 6.
constexpr Place kSatellitePlaces[] = {
    {"Lnblow", 0, 2, 14},    {"Lnbtype", 0, 1, 1},     {"LnblowBit0", 0, 0, 1},
    {"Lnbhigh", 2, 2, 14},   {"LnbhighBit1", 2, 1, 1}, {"LnbhighBit0", 2, 0, 1},
    {"DiseqcHigh", 4, 8, 8}, {"DiseqcPort", 4, 4, 4},  {"DiseqcType", 4, 3, 1},
    {"DiseqcBit2", 4, 2, 1}, {"DiseqcBit1", 4, 1, 1},  {"DiseqcBit0", 4, 0, 1},
};

// Transponder record: bit 0 of the first word and bit 15 of the second are written 0.
constexpr Place kTransponderPlaces[] = {
    {"Frequency", 0, 2, 14}, {"Polarization", 0, 1, 1}, {"Sat", 2, 7, 8},
    {"SatAux", 2, 0, 7},     {"Symbol", 4, 0, 16},      {"TransID", 6, 0, 16},
};

// Channel record: the name at byte 0; in the TpNumber word TpFlagA..TpFlagD take bits 4-1
// (A highest) and bit 0 is written 0; AC3PID is written whole and read as 13 bits.
constexpr Place kChannelPlaces[] = {
    {"VPID", 12, 3, 13},       {"RadioFlag", 12, 2, 1},  {"VpidAux", 12, 0, 2},
    {"APID", 14, 3, 13},       {"ApidBit2", 14, 2, 1},   {"ApidBit1", 14, 1, 1},
    {"ApidBit0", 14, 0, 1},    {"PCRPID", 16, 3, 13},    {"PcrBit2", 16, 2, 1},
    {"PcrAux", 16, 0, 2},      {"TTXPID", 18, 3, 13},    {"TtxBit2", 18, 2, 1},
    {"TtxBit1", 18, 1, 1},     {"TtxBit0", 18, 0, 1},    {"TpNumber", 20, 5, 11},
    {"TpFlagA", 20, 4, 1},     {"TpFlagB", 20, 3, 1},    {"TpFlagC", 20, 2, 1},
    {"TpFlagD", 20, 1, 1},     {"ServiceID", 22, 0, 16}, {"NetworkID", 24, 0, 16},
    {"AC3PID", 26, 0, 13, 16},
};

// The places joined with the database's fields of the same names, in the order of the places.
template <typename Record>
std::vector<ImageField<Record>> Join(std::span<const Place> places,
                                     std::span<const FieldOf<Record>> fields) {
    std::vector<ImageField<Record>> joined;
    for (const Place& place : places) {
        for (const FieldOf<Record>& field : fields) {
            if (std::strcmp(field.name, place.name) != 0) continue;
            joined.push_back({&field, place.word, place.shift, place.bits,
                              place.writtenBits != 0 ? place.writtenBits : place.bits});
        }
    }
    return joined;
}

}  // namespace

std::span<const ImageField<SatelliteEntry>> SatelliteImageFields() {
    static const auto fields =
        Join(std::span<const Place>(kSatellitePlaces), SatelliteFieldTable());
    return fields;
}

std::span<const ImageField<TransponderEntry>> TransponderImageFields() {
    static const auto fields =
        Join(std::span<const Place>(kTransponderPlaces), TransponderFieldTable());
    return fields;
}

std::span<const ImageField<ChannelEntry>> ChannelImageFields() {
    static const auto fields = Join(std::span<const Place>(kChannelPlaces), ChannelFieldTable());
    return fields;
}

}  // namespace zev::image
