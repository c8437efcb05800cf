// Which channels of the TV or radio list a filter text lets through: those whose name contains
// the text, letters compared without regard to case, and, when the text is a number, also those
// with a PID, Service ID, Network ID or TransID equal to it, read as the list shows them (in
// hexadecimal in hex mode), or on a transponder whose frequency (always decimal) equals it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/ChannelDatabase.h"

namespace zev {

class ChannelFilter {
  public:
    // Lets everything through.
    ChannelFilter() = default;
    // `latin1Text` as the names are stored; empty lets everything through.
    ChannelFilter(std::string_view latin1Text, bool hexMode);
    // Lets nothing through: a text with characters no name can hold.
    static ChannelFilter Nothing();

    bool Empty() const { return !nothing_ && text_.empty(); }
    bool Matches(const ChannelDatabase& db, const ChannelEntry& channel) const;

  private:
    std::string text_;                   // folded to lower case
    std::optional<uint16_t> idValue_;    // the text as the PID and ID columns show numbers
    std::optional<uint16_t> frequency_;  // the text as a decimal number
    bool nothing_ = false;
};

// The list positions (0-based rows of the whole list) of the channels the filter lets through,
// in list order.
std::vector<std::size_t> FilteredPositions(const ChannelDatabase& db, bool tv,
                                           const ChannelFilter& filter);

}  // namespace zev
