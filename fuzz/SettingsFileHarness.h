// Arbitrary bytes as default.dat: read as the program reads it at start-up and as the settings
// dialogs read it, written back, and turned into the flash layout. Beyond the sanitizers' part
// it checks that both readings agree, that the settings written read back as the same
// settings, and that any flash layout the indices select fits the image buffers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>

#include "FuzzFinding.h"
#include "FuzzTempDir.h"
#include "database/StartupHeader.h"
#include "formats/ParameterImage.h"
#include "formats/TransferBlocks.h"
#include "settings/SettingsFile.h"

namespace zev::fuzz {

namespace detail {

// Every layout is whole blocks that the image buffers hold, the user block right after the
// default-channel block; or nothing set at all.
inline Finding CheckFlashLayout(const LinkSettings& settings) {
    DatabaseHeader header;
    ApplyStartupHeader(header, settings.flashSizeIndex, settings.userSizeIndex);
    if (header.UserBlockSize == 0) {
        DatabaseHeader markersOnly;
        ApplyStartupHeader(markersOnly, 0, 0);
        return header == markersOnly ? "" : "indices without a layout changed the header";
    }
    if (header.UserBlockSize % kBlockSize != 0 || header.DefaultBlockSize % kBlockSize != 0 ||
        header.UserBlockSize > kInputImageSize ||
        std::size_t{header.DefaultBlockSize} + header.UserBlockSize > kOutputImageSize ||
        header.UserBlockAddress != header.DefaultBlockAddress + 0x10000) {
        return "a flash layout the buffers or the flash cannot take";
    }
    return {};
}

}  // namespace detail

inline Finding CheckSettingsFile(std::span<const uint8_t> bytes) {
    const std::string path = WriteFuzzFile("default.dat", bytes);
    const std::optional<LinkSettings> read = ReadSettingsFile(path);
    if (!read) return "an existing default.dat does not read";
    if (LoadSettingsFile(path) != *read) return "start-up reads other settings than the dialogs";

    // A text read from at most 64 KB, written back, fits the 64 KB that are read again.
    if (bytes.size() < 60000) {
        const std::string saved = FuzzTempDir() + "saved.dat";
        std::error_code ignored;
        std::filesystem::remove(saved, ignored);
        if (!SaveSettingsFile(*read, saved)) return "the settings could not be written";
        if (std::filesystem::file_size(saved, ignored) < 50) return "a record shorter than 50";
        if (ReadSettingsFile(saved) != read) return "the settings written read back otherwise";
    }
    return detail::CheckFlashLayout(*read);
}

inline int FuzzSettingsFile(const uint8_t* data, std::size_t size) {
    return AbortOnFinding(CheckSettingsFile({data, size}));
}

}  // namespace zev::fuzz
