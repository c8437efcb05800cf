#include "BootUpdateExchange.h"

#include <array>

namespace zev::boxsim {

namespace {

constexpr std::uint8_t kSuccess = 0x05;
constexpr std::uint8_t kLengthError = 0x09;
constexpr std::uint8_t kChecksumError = 0x07;
constexpr std::uint8_t kFlashError = 0x08;
constexpr std::uint8_t kUnknownError = 0x0C;

constexpr UpdateExchange::Loader kBootLoader{
    .name = "update",
    .helloCommand = 0x01,
    .readyCommand = 0x02,
    .versionMajor = 2,
    .syncCommand = 0x16,
    .endMarker = 0x1B,
    .success = kSuccess,
    .lengthError = kLengthError,
    .syncRefusedWhy = "transfer stopped without SYNC",
    .descriptionSize = 8,  // length and flash address
};

constexpr std::array kFaultResults{
    FaultResult{Fault::BootLength, kLengthError, false, "BOOT_LENGTH_ERR (fault)"},
    FaultResult{Fault::BootChecksum, kChecksumError, true, "BOOT_CHECKSUM_ERR (fault)"},
    FaultResult{Fault::BootFlash, kFlashError, true, "BOOT_FLASH_ERR (fault)"},
    FaultResult{Fault::BootUnknown, kUnknownError, false, "unknown error (fault)"},
};

}  // namespace

BootUpdateExchange::BootUpdateExchange(BoxContext& context, std::uint8_t sign)
    : UpdateExchange(context, kBootLoader), sign_(sign) {}

void BootUpdateExchange::takeDescription(const Bytes& header) {
    length_ = readLe32(header, 0);
    address_ = readLe32(header, 4);
    fits_ = length_ > 0 && context_.flash.fits(address_, length_);
    context_.log("update of " + std::to_string(length_) + " bytes for " + hexText(address_));
    // A refused transfer still runs to its end, so that the PC hears the verdict where it waits
    // for it and its data bytes are not taken for requests.
    blocks_.start(length_, fits_ && addressAllowed(address_));
}

bool BootUpdateExchange::addressAllowed(std::uint32_t address) const {
    const bool parameters = address == kFullParameterAddress || address == kChannelParameterAddress;
    const bool software = address == kSoftwareAddress;
    switch (sign_) {
        case kSignParameters:
            return parameters;
        case kSignSoftware:
            return software;
        default:
            return parameters || software;
    }
}

void BootUpdateExchange::concludeTransfer() {
    if (sendFaultResult(kFaultResults, address_)) {
        return;
    }
    if (!fits_) {
        return sendResult(frame(kLengthError), "BOOT_LENGTH_ERR: does not fit into the flash");
    }
    if (!addressAllowed(address_)) {
        return sendResult(frameWithAddress(kFlashError, address_),
                          "BOOT_FLASH_ERR: address not allowed after this sign");
    }
    if (!blocks_.checksumMatches()) {
        return sendResult(frameWithAddress(kChecksumError, address_), "BOOT_CHECKSUM_ERR");
    }
    if (!context_.flash.write(address_, blocks_.data())) {
        return sendResult(frameWithAddress(kFlashError, address_),
                          "BOOT_FLASH_ERR: flash file not written");
    }
    sendResult(frame(kSuccess), "update stored at " + hexText(address_));
}

}  // namespace zev::boxsim
