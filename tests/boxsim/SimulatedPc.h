// Test helper: plays the PC side against an in-process BoxSimulator.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "BoxSimulator.h"
#include "FlashMemory.h"
#include "WireFormat.h"

namespace zev::boxsim::test {

inline BoxOptions quietOptions(std::uint8_t sign = kSignGeneral) {
    BoxOptions options;
    options.quiet = true;
    options.sign = sign;
    return options;
}

inline BoxOptions optionsWithFault(Fault fault, std::uint8_t sign = kSignGeneral) {
    BoxOptions options = quietOptions(sign);
    options.faults.add(fault);
    return options;
}

// A fault and the result frame it puts in place of the real one (after the end marker).
struct ResultFault {
    Fault fault;
    Bytes result;
};

class SimulatedPc {
  public:
    explicit SimulatedPc(const BoxOptions& options)
        : box(options, flash, [this](const std::string& text) { log.push_back(text); }) {}

    void send(const Bytes& bytes) { box.receive(bytes); }
    void send(std::initializer_list<std::uint8_t> bytes) { send(Bytes(bytes)); }

    // Everything the receiver sent since the last call.
    Bytes received() {
        Bytes all;
        for (const OutputChunk& chunk : box.takeOutput()) {
            all.insert(all.end(), chunk.bytes.begin(), chunk.bytes.end());
        }
        return all;
    }

    // Sign answer, hello and hello answer up to the ready frame of the boot loader.
    void greetBootLoader(std::uint8_t signAnswer) {
        send({signAnswer});
        received();
        send({kStx, 0x01, 0x0A, kEtx});
        received();
    }

    // Reset, then the boot loader's opening up to its ready frame.
    void resetAndGreetBootLoader(std::uint8_t signAnswer) {
        box.reset();
        received();
        greetBootLoader(signAnswer);
    }

    FlashMemory flash;
    std::vector<std::string> log;
    BoxSimulator box;
};

inline Bytes le32(std::uint32_t value) {
    Bytes bytes;
    appendLe32(bytes, value);
    return bytes;
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline Bytes slice(const Bytes& data, std::size_t offset, std::size_t length) {
    const auto begin = data.begin() + static_cast<long>(offset);
    return Bytes(begin, begin + static_cast<long>(length));
}

// Deterministic filler data that is not all one value.
inline Bytes patternData(std::size_t size, std::uint8_t seed = 1) {
    Bytes data(size);
    std::uint32_t state = seed;
    for (auto& byte : data) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 16);
    }
    return data;
}

inline const Bytes kSync{kStx, 0x16, kEtx};

}  // namespace zev::boxsim::test
