#include "editing/SubListTexts.h"

#include "editing/FixedColumnLine.h"

namespace zev {

namespace {

constexpr std::size_t kLineWidth = 80;

const char* PolarizationLetter(uint8_t polarization) { return polarization != 0 ? "V" : "H"; }

}  // namespace

std::string SatelliteTranspondersTitle(const ChannelDatabase& db, std::size_t satellitePosition,
                                       std::size_t count) {
    return "Satellite: " + std::string(NameOf(db.satellites[satellitePosition].Name)) + " " +
           " Total TP: " + std::to_string(count);
}

std::string TransponderChannelsTitle(const ChannelDatabase& db, std::size_t transponderPosition,
                                     std::size_t count) {
    const TransponderEntry& tp = db.transponders[transponderPosition];
    return "Transponder " + std::to_string(transponderPosition + 1) + ": " +
           std::to_string(tp.Frequency) + " " + PolarizationLetter(tp.Polarization) + " " +
           std::to_string(tp.Symbol) + "  Total CH: " + std::to_string(count);
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
