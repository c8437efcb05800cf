#include "editing/ChannelFilter.h"

#include <algorithm>

#include "editing/ChannelSlots.h"

namespace zev {
namespace {

// Latin-1 lower case: A to Z and the accented capitals (without the multiplication sign).
unsigned char Fold(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    return c;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text as a 16-bit number in `base`; nothing when it is not one.
std::optional<uint16_t> NumberOf(std::string_view text, unsigned base) {
    if (text.empty()) return std::nullopt;
    unsigned value = 0;
    for (const char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (base == 16 && Fold(static_cast<unsigned char>(c)) >= 'a' &&
                   Fold(static_cast<unsigned char>(c)) <= 'f') {
            digit = 10u + static_cast<unsigned>(Fold(static_cast<unsigned char>(c)) - 'a');
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 0xFFFF) return std::nullopt;
    }
    return static_cast<uint16_t>(value);
}

bool NameContains(const std::array<char, kNameFieldSize>& name, std::string_view folded) {
    const std::size_t length =
        static_cast<std::size_t>(std::find(name.begin(), name.end() - 1, '\0') - name.begin());
    if (folded.size() > length) return false;
    for (std::size_t start = 0; start + folded.size() <= length; ++start) {
        std::size_t i = 0;
        while (i < folded.size() && Fold(static_cast<unsigned char>(name[start + i])) ==
                                        static_cast<unsigned char>(folded[i])) {
            ++i;
        }
        if (i == folded.size()) return true;
    }
    return false;
}

}  // namespace

ChannelFilter::ChannelFilter(std::string_view latin1Text, bool hexMode) {
    text_.reserve(latin1Text.size());
    for (const char c : latin1Text) {
        text_.push_back(static_cast<char>(Fold(static_cast<unsigned char>(c))));
    }
    const std::string_view number = Trimmed(latin1Text);
    idValue_ = NumberOf(number, hexMode ? 16 : 10);
    frequency_ = NumberOf(number, 10);
}

ChannelFilter ChannelFilter::Nothing() {
    ChannelFilter filter;
    filter.nothing_ = true;
    return filter;
}

bool ChannelFilter::Matches(const ChannelDatabase& db, const ChannelEntry& channel) const {
    if (nothing_) return false;
    if (NameContains(channel.Name, text_)) return true;
    if (idValue_) {
        const uint16_t v = *idValue_;
        if (channel.VPID == v || channel.APID == v || channel.PCRPID == v || channel.TTXPID == v ||
            channel.AC3PID == v || channel.ServiceID == v || channel.NetworkID == v) {
            return true;
        }
    }
    if (!idValue_ && !frequency_) return false;
    const std::size_t tpCount = std::min<std::size_t>(db.header.TpCount, kMaxTransponders);
    if (channel.TpNumber < 1 || channel.TpNumber > tpCount) return false;
    const TransponderEntry& tp = db.transponders[channel.TpNumber - 1u];
    return (idValue_ && tp.TransID == *idValue_) || (frequency_ && tp.Frequency == *frequency_);
}

std::vector<std::size_t> FilteredPositions(const ChannelDatabase& db, bool tv,
                                           const ChannelFilter& filter) {
    const ChannelListShape shape = ShapeOf(db.header, tv);
    std::vector<std::size_t> positions;
    positions.reserve(shape.rows);
    for (std::size_t p = 0; p < shape.rows; ++p) {
        if (filter.Matches(db, db.channels[shape.Slot(p)])) positions.push_back(p);
    }
    return positions;
}

}  // namespace zev
