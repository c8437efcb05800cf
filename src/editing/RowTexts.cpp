#include "editing/RowTexts.h"

#include "editing/FixedColumnLine.h"
#include "editing/RecordLinks.h"

namespace zev {

namespace {

// "Off" and ports A to D; a higher value (only an image can bring one) shows as its number,
// so that the list neither hides it nor passes it off as a port.
std::string DiseqcPortText(uint8_t port) {
    static constexpr std::string_view kPorts[] = {"Off", "A", "B", "C", "D"};
    if (port < std::size(kPorts)) return std::string(kPorts[port]);
    return std::to_string(port);
}

}  // namespace

std::string SatelliteRowText(const ChannelDatabase& db, std::size_t position) {
    const SatelliteEntry& sat = db.satellites[position];
    FixedColumnLine line(70);
    line.Put(0, static_cast<unsigned>(position + 1))
        .Put(7, NameOf(sat.Name))
        .Put(21, sat.Lnbtype != 0 ? "universal" : "normal")
        .Put(33, sat.Lnblow)
        .Put(44, sat.Lnbhigh)
        .Put(55, sat.DiseqcType != 0 ? "Diseqc1.2" : "Diseqc1.0")
        .Put(67, DiseqcPortText(sat.DiseqcPort));
    return line.Text();
}

std::string TransponderRowText(const ChannelDatabase& db, std::size_t position, std::size_t width) {
    const TransponderEntry& tp = db.transponders[position];
    FixedColumnLine line(width);
    line.Put(0, static_cast<unsigned>(position + 1));
    // A Sat that names no satellite in use leaves the name blank.
    if (const SatelliteEntry* sat = SatelliteOf(db, tp)) line.Put(7, NameOf(sat->Name));
    line.Put(25, tp.Frequency)
        .Put(37, tp.Polarization != 0 ? "V" : "H")
        .Put(48, tp.Symbol)
        .Put(66, tp.TransID);
    return line.Text();
}

int RowNumberOf(std::string_view rowText) {
    const std::string_view head = rowText.substr(0, 4);
    std::size_t i = 0;
    while (i < head.size() && head[i] == ' ') ++i;
    int number = 0;
    for (; i < head.size() && head[i] >= '0' && head[i] <= '9'; ++i) {
        number = number * 10 + (head[i] - '0');
    }
    return number;
}

}  // namespace zev
