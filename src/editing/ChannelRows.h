// What the channel editor needs of the list that shows the channels: the rows mirror the
// channel slots, and every edit changes both in the same step. A row shows the channel at the
// list position its column-0 number names; a filtered list shows only some of the positions,
// in list order.
#pragma once

#include <cstddef>
#include <span>

namespace zev {

class ChannelRows {
  public:
    virtual ~ChannelRows() = default;

    // The list shows TV channels (else radio channels).
    virtual bool ShowsTv() const = 0;
    virtual std::size_t RowCount() const = 0;
    // Column 0: the row's 1-based list position when the list was last numbered.
    virtual int RowNumber(std::size_t row) const = 0;
    // Columns 1 to 14 of rows first to last are written again from their slots, in the list's
    // number base.
    virtual void RewriteRows(std::size_t first, std::size_t last) = 0;
    // Removes the rows (ascending, distinct, valid); the number of every later row drops by
    // the number of removed rows above it, so that it names its channel's new position.
    virtual void RemoveRows(std::span<const std::size_t> rows) = 0;
    // Row r now shows list position positions[r] (column 0 becomes positions[r] + 1); one
    // position per row.
    virtual void RenumberRows(std::span<const std::size_t> positions) = 0;
};

}  // namespace zev
