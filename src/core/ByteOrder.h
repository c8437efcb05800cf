// Byte order of the receiver: numbers travel and are stored least significant byte first, and
// names are stored with the two characters of each pair swapped.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zev {

inline uint16_t ReadLe16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

inline uint32_t ReadLe32(const uint8_t* bytes) {
    return static_cast<uint32_t>(ReadLe16(bytes)) | static_cast<uint32_t>(ReadLe16(bytes + 2))
                                                        << 16;
}

inline void WriteLe16(uint8_t* out, uint16_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
}

inline void WriteLe32(uint8_t* out, uint32_t value) {
    WriteLe16(out, static_cast<uint16_t>(value));
    WriteLe16(out + 2, static_cast<uint16_t>(value >> 16));
}

// Copies `count` (even) bytes with each pair swapped: out[2k] = in[2k + 1] and
// out[2k + 1] = in[2k]. The same call turns a name into its stored form and back.
inline void SwapPairs(const uint8_t* in, uint8_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = in[i ^ 1];
    }
}

}  // namespace zev
