#include "LoadExchange.h"

#include <algorithm>

namespace zev::boxsim {

namespace {

constexpr std::uint8_t kRequestSign = 0xBB;
constexpr std::uint8_t kReadRequest = 0xBC;
constexpr std::uint8_t kAccepted = 0x1B;
constexpr std::uint8_t kRefused = 0x07;
constexpr std::uint8_t kEndMarker = 0x1B;

}  // namespace

LoadExchange::LoadExchange(BoxContext& context, BlockPlace userBlock)
    : Exchange(context), userBlock_(userBlock), handshake_(context, 0x01, 0x02, 2) {}

void LoadExchange::start() {
    const auto stored = context_.flash.read(userBlock_.address, userBlock_.size);
    data_.assign(stored.begin(), stored.end());
    context_.log("settings load of " + hexText(userBlock_.size) + " bytes from " +
                 hexText(userBlock_.address));
    handshake_.startWithSign(kRequestSign);
}

void LoadExchange::receive(std::uint8_t byte) {
    switch (step_) {
        case Step::Opening:
            if (opened(handshake_, byte, "settings load")) {
                step_ = Step::ReadRequest;
            }
            break;
        case Step::ReadRequest:
            if (byte != kReadRequest) {
                finish("settings load abandoned: expected 0xBC, got " + hexText(byte));
                break;
            }
            sendHeader();
            step_ = Step::Sync;
            sync_.expect(3);
            break;
        case Step::Sync:
            if (!sync_.add(byte)) {
                break;
            }
            if (!sync_.equals({kStx, 0x16, kEtx})) {
                finish("settings load abandoned: expected SYNC");
                break;
            }
            sendNextBlock();
            sync_.expect(3);
            break;
        case Step::Verdict:
            if (byte == kAccepted) {
                context_.out.send(kEndMarker);
                context_.out.send(frame(0x05));
                finish("settings load done");
            } else if (byte == kRefused) {
                finish("settings load: the PC refused the checksum");
            } else {
                finish("settings load: unexpected verdict " + hexText(byte));
            }
            break;
    }
}

// 02, length, flash address, flash size and block size, 03 (all little-endian).
void LoadExchange::sendHeader() {
    Bytes payload;
    appendLe32(payload, userBlock_.size);
    appendLe32(payload, userBlock_.address);
    appendLe32(payload, FlashMemory::kSize);
    appendLe32(payload, static_cast<std::uint32_t>(kBlockSize));
    Bytes header{kStx};
    header.insert(header.end(), payload.begin(), payload.end());
    header.push_back(kEtx);
    context_.out.send(std::move(header));
}

void LoadExchange::sendNextBlock() {
    const std::size_t length = std::min(kBlockSize, data_.size() - sentBytes_);
    context_.out.sendBulk(std::span<const std::uint8_t>(data_).subspan(sentBytes_, length));
    sentBytes_ += length;
    if (sentBytes_ < data_.size()) {
        return;
    }
    std::uint32_t checksum = dataChecksum(data_);
    if (context_.fault(Fault::LoadChecksum)) {
        checksum += 1;
    }
    Bytes trailer;
    appendLe32(trailer, checksum);
    context_.out.send(std::move(trailer));
    step_ = Step::Verdict;
}

}  // namespace zev::boxsim
