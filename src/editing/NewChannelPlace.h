// Where New Channel puts the channel it adds, and which channel the Channel Edit dialog starts
// from: with a selected row, the selected channel's place (that channel moves one place down
// the list) and the selected channel; without one, the place after the last channel the rows
// show (a filter may hide the channels after it) and that channel; with no row shown, the end
// of the list and its last channel (a filter hides every channel), or a record of zero bytes
// when the list is empty.
#pragma once

#include <cstddef>
#include <optional>

#include "editing/ChannelSlots.h"

namespace zev {

struct NewChannelPlace {
    // The list position of the channel the dialog starts from; none (only on an empty list): a
    // record of zero bytes whose TpNumber is 1.
    std::optional<std::size_t> templatePosition;
    std::size_t position = 0;  // the new channel's list position
    std::size_t slot = 0;      // its slot, for ChannelListEditor::Insert while the slots have room
};

// `selected`: the list position of the channel of the first selected row; `lastShown`: that of
// the channel of the last row shown. Each is none when there is no such row; a position outside
// the list counts as none.
NewChannelPlace PlaceOfNewChannel(const ChannelListShape& shape,
                                  std::optional<std::size_t> selected,
                                  std::optional<std::size_t> lastShown);

}  // namespace zev
