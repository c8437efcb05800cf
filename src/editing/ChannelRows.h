// What the channel editor needs of the list that shows the channels: the rows mirror the
// channel slots, and every edit changes both in the same step.
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
    // Columns 1 to 14 of rows first to last are written again from their slots, in decimal.
    virtual void RewriteRows(std::size_t first, std::size_t last) = 0;
    // Removes the rows (ascending, distinct, valid); every row from the first removed one on
    // is numbered by its new position.
    virtual void RemoveRows(std::span<const std::size_t> rows) = 0;
    // Column 0 of every row becomes its position + 1.
    virtual void RenumberRows() = 0;
};

}  // namespace zev
