// Adds, changes, moves and deletes channels. Each operation changes the channel slots and, in
// the same step, the rows of the list that shows them, so most edits need no refill.
// Single-row operations follow the receiver list's rules one step at a time; the commands
// (MoveChannels, DeleteChannels, RebuildFromList) give the same result as repeating them row
// by row, with work that grows linearly with the list.
//
// The commands work on the positions the rows show, so they work on a filtered list too: Delete
// removes the channels of the rows; Move Channel and a drag reorder the shown channels among the
// places the shown channels hold, as they would reorder a list of those channels alone, while
// the channels not shown keep their places.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/ChannelRows.h"
#include "editing/ChannelSlots.h"

namespace zev {

class ChannelListEditor {
  public:
    explicit ChannelListEditor(ChannelDatabase& db) : db_(db) {}

    // Puts a new channel into slot `slot` of the TV part (RadioFlag 0) or the radio part
    // (otherwise), moving the channels from there on one place along the list. Returns 0, or
    // -1 (changing nothing) when the slots are full or the slot is not a place in that list.
    // Changes no row.
    int Insert(const ChannelEntry& record, std::size_t slot);

    // Copies the record into the slot and writes the row again.
    void Store(ChannelRows& rows, std::size_t slot, const ChannelEntry& record, std::size_t row);

    // Moves the channel of row `from` to row `to`; the channels between move one place and
    // their rows are written again. Column 0 keeps its numbers.
    void Move(ChannelRows& rows, std::size_t from, std::size_t to);

    // Move Channel: moves the collected rows' channels to the target row one after another;
    // true when a channel changed place. A target outside the list moves nothing.
    bool MoveChannels(ChannelRows& rows, std::span<const std::size_t> collected,
                      std::size_t target);

    // Delete Channel: removes the collected rows and their channels; returns how many.
    std::size_t DeleteChannels(ChannelRows& rows, std::span<const std::size_t> collected);

    // After a drag: each row's slot takes the channel of the position its column 0 names, and
    // column 0 is numbered again. True when a channel changed place.
    bool RebuildFromList(ChannelRows& rows);

  private:
    ChannelListShape Shape(const ChannelRows& rows) const;
    // The list positions of the leading rows that show channels of the list in rising order
    // (all rows, unless rows and slots are out of step).
    std::vector<std::size_t> Places(const ChannelRows& rows, const ChannelListShape& shape) const;
    // The channel at places[r] takes the channel that was at places[order[r]], for rows first
    // to last.
    void PermuteSlots(const ChannelListShape& shape, std::span<const std::size_t> places,
                      std::span<const std::size_t> order, std::size_t first, std::size_t last);

    ChannelDatabase& db_;
};

}  // namespace zev
