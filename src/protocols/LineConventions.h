// Conventions of the serial line shared by every receiver run: frame bytes, little-endian
// numbers and the 8192-byte blocks (formats/TransferBlocks.h).
#pragma once

#include <cstdint>

#include "core/ByteOrder.h"
#include "formats/TransferBlocks.h"
#include "protocols/RunHost.h"

namespace zev {

inline constexpr uint8_t kStx = 0x02;
inline constexpr uint8_t kEtx = 0x03;
// Numbers of more than one byte travel least significant byte first.
inline void SendLe32(RunHost& host, uint32_t value) {
    uint8_t bytes[4];
    WriteLe32(bytes, value);
    for (uint8_t b : bytes) {
        host.SendByte(b);
    }
}

// The boot loader's hello answer, also used by the OTA loader.
inline void SendHelloAnswer(RunHost& host) {
    for (uint8_t b : {kStx, uint8_t{0x01}, uint8_t{0x0A}, kEtx}) {
        host.SendByte(b);
    }
}

inline void SendSync(RunHost& host) {
    for (uint8_t b : {kStx, uint8_t{0x16}, kEtx}) {
        host.SendByte(b);
    }
}

}  // namespace zev
