#include "BootUpdateExchange.h"

namespace zev::boxsim {

namespace {

constexpr std::uint8_t kEndMarker = 0x1B;
constexpr std::uint8_t kSuccess = 0x05;
constexpr std::uint8_t kLengthError = 0x09;
constexpr std::uint8_t kChecksumError = 0x07;
constexpr std::uint8_t kFlashError = 0x08;
constexpr std::uint8_t kUnknownError = 0x0C;

}  // namespace

BootUpdateExchange::BootUpdateExchange(BoxContext& context, std::uint8_t sign)
    : Exchange(context),
      sign_(sign),
      handshake_(context, 0x01, 0x02, 2),
      blocks_(context, 0x16, false) {}

void BootUpdateExchange::start() { handshake_.start(); }

void BootUpdateExchange::receive(std::uint8_t byte) {
    switch (step_) {
        case Step::Handshake:
            switch (handshake_.receive(byte)) {
                case Handshake::Progress::Pending:
                    break;
                case Handshake::Progress::Failed:
                    finish("update abandoned after a wrong hello answer");
                    break;
                case Handshake::Progress::Ready:
                    step_ = Step::Header;
                    header_.expect(8);
                    break;
            }
            break;
        case Step::Header:
            if (header_.add(byte)) {
                takeHeader();
            }
            break;
        case Step::Data:
            switch (blocks_.receive(byte)) {
                case BlockReceiver::Progress::Receiving:
                    break;
                case BlockReceiver::Progress::SyncRefused:
                    sendResult(frame(kLengthError), "transfer stopped without SYNC");
                    break;
                case BlockReceiver::Progress::Complete:
                    concludeTransfer();
                    break;
            }
            break;
    }
}

void BootUpdateExchange::takeHeader() {
    length_ = readLe32(header_.bytes(), 0);
    address_ = readLe32(header_.bytes(), 4);
    fits_ = length_ > 0 && context_.flash.fits(address_, length_);
    context_.log("update of " + std::to_string(length_) + " bytes for " + hexText(address_));
    step_ = Step::Data;
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
    if (context_.fault(Fault::BootLength)) {
        return sendResult(frame(kLengthError), "BOOT_LENGTH_ERR (fault)");
    }
    if (context_.fault(Fault::BootChecksum)) {
        return sendResult(frameWithAddress(kChecksumError, address_), "BOOT_CHECKSUM_ERR (fault)");
    }
    if (context_.fault(Fault::BootFlash)) {
        return sendResult(frameWithAddress(kFlashError, address_), "BOOT_FLASH_ERR (fault)");
    }
    if (context_.fault(Fault::BootUnknown)) {
        return sendResult(frame(kUnknownError), "unknown error (fault)");
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

void BootUpdateExchange::sendResult(Bytes result, const std::string& why) {
    context_.out.send(kEndMarker);
    context_.out.send(std::move(result));
    finish(why);
}

}  // namespace zev::boxsim
