// Helpers shared by the image tests: databases on the heap, hex byte strings.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"

namespace zev::testing {

// A database as the program has it after start-up with the given flash settings.
inline std::unique_ptr<ChannelDatabase> StartupDatabase(int flash = 2, int user = 2) {
    auto db = std::make_unique<ChannelDatabase>();
    db->header.MarkerA = 0xFA;
    db->header.MarkerB = 0xFC;
    db->header.MarkerC = 0xFE;
    UpdateFlashLayout(db->header, flash, user);
    return db;
}

inline std::vector<uint8_t> Hex(const std::string& text) {
    std::vector<uint8_t> bytes;
    std::istringstream in(text);
    std::string token;
    while (in >> token) bytes.push_back(static_cast<uint8_t>(std::stoul(token, nullptr, 16)));
    return bytes;
}

template <std::size_t N>
void SetName(std::array<char, N>& field, const char* name) {
    field.fill('\0');
    std::memcpy(field.data(), name, std::min(std::strlen(name), N - 1));
}

}  // namespace zev::testing
