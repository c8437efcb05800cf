#include "editing/RowTexts.h"

namespace zev {

// Placeholders until the satellite and transponder editors arrive.
std::string SatelliteRowText(const ChannelDatabase&, std::size_t) { return std::string(70, ' '); }
std::string TransponderRowText(const ChannelDatabase&, std::size_t, std::size_t width) {
    return std::string(width, ' ');
}

}  // namespace zev
