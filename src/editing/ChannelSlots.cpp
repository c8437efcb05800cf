#include "editing/ChannelSlots.h"

#include <algorithm>

namespace zev {

ChannelListShape ShapeOf(const DatabaseHeader& header, bool tv) {
    ChannelListShape shape;
    shape.tv = tv;
    shape.capacity = std::min<std::size_t>(header.ChannelCapacity, kMaxChannelSlots);
    shape.rows = tv ? std::min<std::size_t>(header.TvCount, kMaxChannelSlots)
                    : std::min<std::size_t>(header.RadioCount, shape.capacity);
    return shape;
}

bool ChannelSlotsFull(const DatabaseHeader& header) {
    const std::size_t capacity = std::min<std::size_t>(header.ChannelCapacity, kMaxChannelSlots);
    return std::size_t{header.TvCount} + header.RadioCount >= capacity;
}

}  // namespace zev
