#include "editing/ReferenceRenumbering.h"

namespace zev {

// Placeholders until the satellite and transponder editors arrive.
void RebuildTransponderTable(ChannelDatabase&, std::span<const int>) {}
void RebuildSatelliteTable(ChannelDatabase&, std::span<const int>) {}

}  // namespace zev
