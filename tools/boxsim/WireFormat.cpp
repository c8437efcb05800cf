#include "WireFormat.h"

#include <algorithm>
#include <cstdio>

namespace zev::boxsim {

std::size_t blockCount(std::uint32_t length) { return (length + kBlockSize - 1) / kBlockSize; }

void appendLe32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

std::uint32_t readLe32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

std::uint32_t dataChecksum(std::span<const std::uint8_t> data) {
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < data.size(); i += 2) {
        sum += static_cast<std::uint32_t>(data[i]) | static_cast<std::uint32_t>(data[i + 1]) << 8;
    }
    if (i < data.size()) {
        sum += 0xFF00u | data[i];
    }
    return sum;
}

Bytes frame(std::uint8_t command, std::span<const std::uint8_t> payload) {
    Bytes out(payload.size() + 3);
    out.front() = kStx;
    out[1] = command;
    std::copy(payload.begin(), payload.end(), out.begin() + 2);
    out.back() = kEtx;
    return out;
}

Bytes frameWithAddress(std::uint8_t command, std::uint32_t address) {
    Bytes payload;
    appendLe32(payload, address);
    return frame(command, payload);
}

std::string hexText(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

}  // namespace zev::boxsim
