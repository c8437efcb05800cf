#include "SendExchange.h"

#include "UserBlockHeader.h"

namespace zev::boxsim {

namespace {

constexpr std::uint8_t kRequestSign = 0xCC;
constexpr std::uint8_t kWriteRequest = 0xCD;
constexpr std::uint8_t kChecksumAccepted = 0x1B;
constexpr std::uint8_t kChecksumRefused = 0x07;
constexpr std::uint8_t kAcknowledge = 0x1B;
constexpr std::uint8_t kWritten = 0xAA;
constexpr std::uint8_t kWriteError = 0x08;
constexpr std::uint8_t kKindAll = 2;
constexpr std::uint8_t kKindUser = 4;
constexpr std::uint32_t kDefaultBlockSize = 0x10000;
// The first byte after the header: the low byte of the first satellite's LNB frequency word,
// whose bit 2 is the frequency's lowest bit.
constexpr std::uint32_t kCorruptedByte = kHeaderSize;
constexpr std::uint8_t kCorruptedBit = 0x04;

}  // namespace

SendExchange::SendExchange(BoxContext& context, UserBlockMoved userBlockMoved)
    : Exchange(context),
      handshake_(context, 0x01, 0x02, 2),
      blocks_(context, 0x16, true),
      userBlockMoved_(std::move(userBlockMoved)) {}

void SendExchange::start() { handshake_.startWithSign(kRequestSign); }

void SendExchange::receive(std::uint8_t byte) {
    switch (step_) {
        case Step::Opening:
            if (opened(handshake_, byte, "settings send")) {
                step_ = Step::WriteRequest;
            }
            break;
        case Step::WriteRequest:
            if (byte != kWriteRequest) {
                finish("settings send abandoned: expected 0xCD, got " + hexText(byte));
                break;
            }
            context_.out.send(kWriteRequest);
            step_ = Step::Header;
            header_.expect(11);
            break;
        case Step::Header:
            if (header_.add(byte)) {
                takeHeader();
            }
            break;
        case Step::Data:
            followBlocks(blocks_.receive(byte));
            break;
        case Step::Acknowledge:
            if (byte == kAcknowledge) {
                writeFlash();
            } else {
                finish("settings send: expected 0x1B, got " + hexText(byte));
            }
            break;
    }
}

void SendExchange::takeHeader() {
    const Bytes& header = header_.bytes();
    address_ = readLe32(header, 1);
    length_ = readLe32(header, 5);
    kind_ = header[9];
    const bool framed = header.front() == kStx && header.back() == kEtx;
    const bool kindKnown = kind_ == kKindAll || kind_ == kKindUser;
    const bool lengthSound =
        length_ > 0 && length_ % kBlockSize == 0 && context_.flash.fits(address_, length_);
    if (!framed || !kindKnown || !lengthSound) {
        // Anything but SYNC makes the PC give up at once.
        context_.out.send(frame(0x09));
        finish("settings send refused: header for " + std::to_string(length_) + " bytes at " +
               hexText(address_) + ", kind " + std::to_string(kind_));
        return;
    }
    context_.log("settings send of " + hexText(length_) + " bytes to " + hexText(address_) +
                 ", kind " + std::to_string(kind_));
    step_ = Step::Data;
    followBlocks(blocks_.start(length_, true));
}

void SendExchange::followBlocks(BlockReceiver::Progress progress) {
    if (progress == BlockReceiver::Progress::SyncRefused) {
        finish("settings send stopped without SYNC");
    } else if (progress == BlockReceiver::Progress::Complete) {
        concludeTransfer();
    }
}

void SendExchange::concludeTransfer() {
    if (context_.fault(Fault::SendChecksum) || !blocks_.checksumMatches()) {
        context_.out.send(kChecksumRefused);
        finish("settings send: checksum refused");
        return;
    }
    context_.out.send(kChecksumAccepted);
    context_.out.send(frame(0x05));
    step_ = Step::Acknowledge;
}

void SendExchange::writeFlash() {
    // An image of both blocks holds the default block first; its header tells how long it is.
    std::uint32_t userOffset = 0;
    if (kind_ == kKindAll) {
        const std::uint32_t defaultSize = readHeaderLong(blocks_.data(), kDefaultBlockSizeOffset);
        userOffset = defaultSize > 0 && defaultSize < length_ ? defaultSize : kDefaultBlockSize;
    }
    Bytes stored(blocks_.data().begin(), blocks_.data().end());
    if (context_.fault(Fault::SendCorrupt) && userOffset + kCorruptedByte < stored.size()) {
        // A flash that kept one bit wrong: the first satellite's LNB frequency changes.
        stored[userOffset + kCorruptedByte] ^= kCorruptedBit;
        context_.log("settings send: storing a corrupted user block");
    }
    if (context_.fault(Fault::SendFlash) || !context_.flash.write(address_, stored)) {
        context_.out.send(kWriteError);
        finish("settings send: flash write error");
        return;
    }
    userBlockMoved_(address_ + userOffset);
    context_.out.send(kWritten);
    finish("settings send stored at " + hexText(address_) + ", user block at " +
           hexText(address_ + userOffset));
}

}  // namespace zev::boxsim
