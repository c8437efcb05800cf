#include "BlockReceiver.h"

#include <algorithm>

namespace zev::boxsim {

BlockReceiver::BlockReceiver(BoxContext& context, std::uint8_t syncCommand,
                             bool syncBeforeFirstBlock)
    : context_(context), syncCommand_(syncCommand), syncBeforeFirstBlock_(syncBeforeFirstBlock) {}

BlockReceiver::Progress BlockReceiver::start(std::uint32_t length, bool keepData) {
    length_ = length;
    received_ = 0;
    keepData_ = keepData;
    syncSent_ = false;
    data_.clear();
    if (keepData_) {
        data_.reserve(length);
    }
    checksum_.expect(4);
    if (syncBeforeFirstBlock_ && length_ > 0 && !releaseBlock()) {
        return Progress::SyncRefused;
    }
    return Progress::Receiving;
}

BlockReceiver::Progress BlockReceiver::receive(std::uint8_t byte) {
    if (received_ < length_) {
        if (keepData_) {
            data_.push_back(byte);
        }
        ++received_;
        if (received_ < length_ && received_ % kBlockSize == 0) {
            if (!releaseBlock()) {
                return Progress::SyncRefused;
            }
            context_.log("block " + std::to_string(received_ / kBlockSize) + " of " +
                         std::to_string(blockCount(length_)) + " received");
        }
        return Progress::Receiving;
    }
    return checksum_.add(byte) ? Progress::Complete : Progress::Receiving;
}

std::size_t BlockReceiver::dataWanted() const {
    if (received_ >= length_) {
        return 0;
    }
    const std::size_t nextBoundary = (received_ / kBlockSize + 1) * kBlockSize;
    const std::size_t blockEnd = std::min<std::size_t>(length_, nextBoundary);
    return blockEnd - received_ - 1;
}

void BlockReceiver::receiveData(std::span<const std::uint8_t> bytes) {
    if (keepData_) {
        data_.insert(data_.end(), bytes.begin(), bytes.end());
    }
    received_ += static_cast<std::uint32_t>(bytes.size());
}

bool BlockReceiver::releaseBlock() {
    const bool refuse =
        (context_.fault(Fault::NoSync) || context_.fault(Fault::NoSyncSuccess)) && !syncSent_;
    syncSent_ = true;
    context_.out.send(frame(refuse ? 0x17 : syncCommand_));
    if (refuse) {
        context_.log("sent 02 17 03 instead of SYNC");
    }
    return !refuse;
}

bool BlockReceiver::checksumMatches() const {
    return keepData_ && readLe32(checksum_.bytes(), 0) == dataChecksum(data_);
}

}  // namespace zev::boxsim
