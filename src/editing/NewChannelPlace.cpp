#include "editing/NewChannelPlace.h"

namespace zev {

NewChannelPlace PlaceOfNewChannel(const ChannelListShape& shape,
                                  std::optional<std::size_t> selected,
                                  std::optional<std::size_t> lastShown) {
    const auto inList = [&shape](std::optional<std::size_t> position) {
        return position.has_value() && shape.ValidRow(*position);
    };
    NewChannelPlace place;
    if (inList(selected)) {
        place.templatePosition = selected;
        place.position = *selected;
    } else if (inList(lastShown)) {
        place.templatePosition = lastShown;
        place.position = *lastShown + 1;
    } else {
        place.position = shape.rows;
        if (shape.rows > 0) place.templatePosition = shape.rows - 1;
    }
    place.slot = shape.Slot(place.position);
    return place;
}

}  // namespace zev
