// The OTA software file's information and the 15-byte SoftwareInfoBlock handed to the OTA
// loader before the data: software ID, hardware version, length, and the PC's date and time.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

#include "core/ByteSource.h"
#include "core/Translatable.h"

namespace zev {

using SoftwareInfoBlock = std::array<uint8_t, 15>;

struct OtaFileInfo {
    uint8_t softwareId = 0;
    uint8_t hardwareVersion = 0;
    uint8_t softwareType = 0;
    uint8_t softwareVersion = 0;
    uint32_t length = 0;  // L: the length value + 8, the bytes sent from the file's start
};

struct OtaFileCheck {
    bool ok = false;
    Translatable error;  // a sentence for the user when !ok
    OtaFileInfo info;
};

// Reads the offset at 0 and the information at P + 4 and P + 22 of the .sgn file, refusing a
// file too short for them, a length beyond the file's end, and more than 255 blocks.
OtaFileCheck CheckOtaFile(ByteSource& file);

// Modified Julian Date of a local date (years since 1900, month 1-12, day 1-31).
uint16_t ModifiedJulianDate(const std::tm& local);

uint8_t ToBcd(int value);

SoftwareInfoBlock MakeSoftwareInfoBlock(const OtaFileInfo& info, const std::tm& local);

}  // namespace zev
