#include "OtaExchange.h"

#include <array>

#include "BootUpdateExchange.h"

namespace zev::boxsim {

namespace {

constexpr std::size_t kInfoSize = 15;
constexpr std::uint8_t kInfoAccepted = 0xB5;
constexpr std::uint8_t kSuccess = 0xC0;
constexpr std::uint8_t kInfoRefused = 0xC1;
constexpr std::uint8_t kVersionError = 0xC2;
constexpr std::uint8_t kLengthError = 0xC3;
constexpr std::uint8_t kChecksumError = 0xC4;
constexpr std::uint8_t kEraseError = 0xC5;
constexpr std::uint8_t kWriteError = 0xC6;
constexpr std::uint8_t kUnknownError = 0xCF;

// Modified Julian Dates of 1 January 1970 and 31 December 2059, the span of dates the PC's
// two-digit years can name.
constexpr unsigned kEarliestMjd = 40587;
constexpr unsigned kLatestMjd = 73415;

constexpr UpdateExchange::Loader kOtaLoader{
    .name = "OTA update",
    .helloCommand = 0xB1,
    .readyCommand = 0xB4,
    .versionMajor = 3,
    .syncCommand = 0xB2,
    .endMarker = 0xB3,
    .success = kSuccess,
    .lengthError = kLengthError,
    .syncRefusedWhy = "OTA transfer stopped without SYNC",
    .descriptionSize = kInfoSize + 2,  // framed by STX and ETX
};

constexpr std::array kFaultResults{
    FaultResult{Fault::OtaLength, kLengthError, false, "LOADER_LENGTH_ERR (fault)"},
    FaultResult{Fault::OtaChecksum, kChecksumError, true, "LOADER_CHECKSUM_ERR (fault)"},
    FaultResult{Fault::OtaErase, kEraseError, true, "LOADER_ERASEFLASH_ERR (fault)"},
    FaultResult{Fault::OtaWrite, kWriteError, true, "LOADER_WRITEFLASH_ERR (fault)"},
    FaultResult{Fault::OtaVersion, kVersionError, true, "LOADER_VERSION_ERR (fault)"},
    FaultResult{Fault::OtaUnknown, kUnknownError, false, "unknown OTA error (fault)"},
};

bool isBcd(std::uint8_t value, unsigned limit) {
    const unsigned tens = value >> 4;
    const unsigned units = value & 0x0Fu;
    return tens <= 9 && units <= 9 && tens * 10 + units <= limit;
}

}  // namespace

std::optional<InfoProblem> checkSoftwareInfo(std::span<const std::uint8_t> info,
                                             const FlashMemory& flash) {
    const std::uint32_t length = readLe32(info, 2);
    if (length == 0 || !flash.fits(kSoftwareAddress, length)) {
        return InfoProblem{
            true, "software length " + std::to_string(length) + " does not fit at 0x10000"};
    }
    if (info[6] != 0 || info[7] != 0 || info[8] != 3 || info[9] != 0) {
        return InfoProblem{false, "bytes 6 to 9 are not 0 0 3 0"};
    }
    const unsigned mjd = static_cast<unsigned>(info[10]) << 8 | info[11];
    if (mjd < kEarliestMjd || mjd > kLatestMjd) {
        return InfoProblem{
            false, "date " + std::to_string(mjd) + " is not a plausible Modified Julian Date"};
    }
    if (!isBcd(info[12], 23) || !isBcd(info[13], 59) || !isBcd(info[14], 59)) {
        return InfoProblem{false, "time is not valid BCD"};
    }
    return std::nullopt;
}

OtaExchange::OtaExchange(BoxContext& context) : UpdateExchange(context, kOtaLoader) {}

void OtaExchange::takeDescription(const Bytes& framed) {
    if (framed.front() != kStx || framed.back() != kEtx) {
        context_.out.send(frame(kInfoRefused));
        finish("OTA information block is not framed by STX and ETX");
        return;
    }
    const auto info = std::span<const std::uint8_t>(framed).subspan(1, kInfoSize);
    if (const auto problem = checkSoftwareInfo(info, context_.flash)) {
        // Any answer but 02 B5 03 and 02 C2 03 makes the PC give up at once.
        context_.out.send(frame(problem->length ? kLengthError : kInfoRefused));
        finish("OTA information refused: " + problem->reason);
        return;
    }
    if (context_.fault(Fault::OtaRefuseVersion)) {
        context_.out.send(frame(kVersionError));
        sendResult(frameWithAddress(kVersionError, kSoftwareAddress),
                   "OTA version refused (fault)");
        return;
    }
    const std::uint32_t length = readLe32(info, 2);
    context_.log("OTA update of " + std::to_string(length) + " bytes, software ID " +
                 std::to_string(info[0]) + ", hardware " + std::to_string(info[1]));
    context_.out.send(frame(kInfoAccepted));
    blocks_.start(length, true);
}

void OtaExchange::concludeTransfer() {
    if (sendFaultResult(kFaultResults, kSoftwareAddress)) {
        return;
    }
    if (!blocks_.checksumMatches()) {
        return sendResult(frameWithAddress(kChecksumError, kSoftwareAddress),
                          "LOADER_CHECKSUM_ERR");
    }
    if (!context_.flash.write(kSoftwareAddress, blocks_.data())) {
        return sendResult(frameWithAddress(kWriteError, kSoftwareAddress),
                          "LOADER_WRITEFLASH_ERR: flash file not written");
    }
    sendResult(frame(kSuccess), "OTA software stored at 0x10000");
}

}  // namespace zev::boxsim
