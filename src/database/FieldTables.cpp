#include "database/FieldTables.h"

#include <limits>

namespace zev {

namespace {

#define ZEV_FIELD(Record, member)                                                \
    FieldOf<Record> {                                                            \
#member, std::numeric_limits<decltype(Record::member)>::max(),                 \
            [](const Record& r) -> uint32_t { return r.member; },                      \
            [](Record& r, uint32_t v) { r.member = static_cast<decltype(Record::member)>(v); } \
    }

const FieldOf<DatabaseHeader> kHeader[] = {
    ZEV_FIELD(DatabaseHeader, Magic),
    ZEV_FIELD(DatabaseHeader, MarkerC),
    ZEV_FIELD(DatabaseHeader, MarkerA),
    ZEV_FIELD(DatabaseHeader, MarkerB),
    ZEV_FIELD(DatabaseHeader, ReservedWord),
    ZEV_FIELD(DatabaseHeader, ReservedByteA),
    ZEV_FIELD(DatabaseHeader, ReservedByteB),
    ZEV_FIELD(DatabaseHeader, DefaultSatCapacity),
    ZEV_FIELD(DatabaseHeader, DefaultTpCapacity),
    ZEV_FIELD(DatabaseHeader, DefaultChannelCapacity),
    ZEV_FIELD(DatabaseHeader, SatCapacity),
    ZEV_FIELD(DatabaseHeader, TpCapacity),
    ZEV_FIELD(DatabaseHeader, ChannelCapacity),
    ZEV_FIELD(DatabaseHeader, DefaultSatCount),
    ZEV_FIELD(DatabaseHeader, DefaultTpCount),
    ZEV_FIELD(DatabaseHeader, DefaultTvCount),
    ZEV_FIELD(DatabaseHeader, DefaultRadioCount),
    ZEV_FIELD(DatabaseHeader, SatCount),
    ZEV_FIELD(DatabaseHeader, TpCount),
    ZEV_FIELD(DatabaseHeader, TvCount),
    ZEV_FIELD(DatabaseHeader, RadioCount),
    ZEV_FIELD(DatabaseHeader, DefaultBlockAddress),
    ZEV_FIELD(DatabaseHeader, DefaultBlockSize),
    ZEV_FIELD(DatabaseHeader, UserBlockAddress),
    ZEV_FIELD(DatabaseHeader, UserBlockSize),
};

const FieldOf<SatelliteEntry> kSatellite[] = {
    ZEV_FIELD(SatelliteEntry, Lnbtype),     ZEV_FIELD(SatelliteEntry, LnblowBit0),
    ZEV_FIELD(SatelliteEntry, Lnblow),      ZEV_FIELD(SatelliteEntry, Lnbhigh),
    ZEV_FIELD(SatelliteEntry, DiseqcType),  ZEV_FIELD(SatelliteEntry, DiseqcPort),
    ZEV_FIELD(SatelliteEntry, DiseqcHigh),  ZEV_FIELD(SatelliteEntry, LnbhighBit1),
    ZEV_FIELD(SatelliteEntry, LnbhighBit0), ZEV_FIELD(SatelliteEntry, DiseqcBit1),
    ZEV_FIELD(SatelliteEntry, DiseqcBit0),  ZEV_FIELD(SatelliteEntry, DiseqcBit2),
};

const FieldOf<TransponderEntry> kTransponder[] = {
    ZEV_FIELD(TransponderEntry, Frequency), ZEV_FIELD(TransponderEntry, Polarization),
    ZEV_FIELD(TransponderEntry, SatAux),    ZEV_FIELD(TransponderEntry, Sat),
    ZEV_FIELD(TransponderEntry, Symbol),    ZEV_FIELD(TransponderEntry, TransID),
};

const FieldOf<ChannelEntry> kChannel[] = {
    ZEV_FIELD(ChannelEntry, RadioFlag), ZEV_FIELD(ChannelEntry, VpidAux),
    ZEV_FIELD(ChannelEntry, ApidBit2),  ZEV_FIELD(ChannelEntry, ApidBit1),
    ZEV_FIELD(ChannelEntry, ApidBit0),  ZEV_FIELD(ChannelEntry, TtxBit1),
    ZEV_FIELD(ChannelEntry, TtxBit0),   ZEV_FIELD(ChannelEntry, TpFlagA),
    ZEV_FIELD(ChannelEntry, TpFlagB),   ZEV_FIELD(ChannelEntry, TpFlagC),
    ZEV_FIELD(ChannelEntry, TpFlagD),   ZEV_FIELD(ChannelEntry, PcrBit2),
    ZEV_FIELD(ChannelEntry, PcrAux),    ZEV_FIELD(ChannelEntry, TtxBit2),
    ZEV_FIELD(ChannelEntry, TpNumber),  ZEV_FIELD(ChannelEntry, ServiceID),
    ZEV_FIELD(ChannelEntry, NetworkID), ZEV_FIELD(ChannelEntry, VPID),
    ZEV_FIELD(ChannelEntry, APID),      ZEV_FIELD(ChannelEntry, PCRPID),
    ZEV_FIELD(ChannelEntry, TTXPID),    ZEV_FIELD(ChannelEntry, AC3PID),
};

#undef ZEV_FIELD

}  // namespace

std::span<const FieldOf<DatabaseHeader>> HeaderFieldTable() { return kHeader; }
std::span<const FieldOf<SatelliteEntry>> SatelliteFieldTable() { return kSatellite; }
std::span<const FieldOf<TransponderEntry>> TransponderFieldTable() { return kTransponder; }
std::span<const FieldOf<ChannelEntry>> ChannelFieldTable() { return kChannel; }

}  // namespace zev
