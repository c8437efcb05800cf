#include "editing/SubListTexts.h"

#include "core/Latin1Text.h"
#include "editing/FixedColumnLine.h"

namespace zev {

namespace {

constexpr std::size_t kLineWidth = 80;

const char* PolarizationLetter(uint8_t polarization) { return polarization != 0 ? "V" : "H"; }

}  // namespace

Translatable SatelliteTranspondersTitle(const ChannelDatabase& db, std::size_t satellitePosition,
                                        std::size_t count) {
    return ZEV_TR("SubList", "Satellite: %1  Total TP: %2")
        .Arg(Latin1ToUtf8(NameOf(db.satellites[satellitePosition].Name)))
        .Arg(count);
}

Translatable TransponderChannelsTitle(const ChannelDatabase& db, std::size_t transponderPosition,
                                      std::size_t count) {
    const TransponderEntry& tp = db.transponders[transponderPosition];
    return ZEV_TR("SubList", "Transponder %1: %2 %3 %4  Total CH: %5")
        .Arg(transponderPosition + 1)
        .Arg(tp.Frequency)
        .Arg(PolarizationLetter(tp.Polarization))
        .Arg(tp.Symbol)
        .Arg(count);
}

std::string SatelliteTransponderLine(const ChannelDatabase& db, std::size_t transponderPosition) {
    const TransponderEntry& tp = db.transponders[transponderPosition];
    FixedColumnLine line(kLineWidth);
    line.Put(0, std::to_string(transponderPosition + 1) + " ")
        .Put(6, tp.Frequency)
        .Put(17, PolarizationLetter(tp.Polarization))
        .Put(24, tp.Symbol);
    return line.Text();
}

std::string TransponderChannelLine(const ChannelEntry& channel) {
    FixedColumnLine line(kLineWidth);
    line.Put(0, channel.RadioFlag != 0 ? "Radio" : "TV").Put(9, NameOf(channel.Name));
    return line.Text();
}

}  // namespace zev
