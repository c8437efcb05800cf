// Receives bulk data from the PC in 8192-byte blocks, releasing each block with the loader's
// SYNC frame, then the 4-byte checksum that follows the last data byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "BoxContext.h"
#include "ByteCollector.h"

namespace zev::boxsim {

class BlockReceiver {
  public:
    enum class Progress { Receiving, Complete, SyncRefused };

    // `syncBeforeFirstBlock`: the settings send asks for every block, the updates only for the
    // blocks after the first.
    BlockReceiver(BoxContext& context, std::uint8_t syncCommand, bool syncBeforeFirstBlock);

    // Starts a transfer of `length` bytes. With `keepData` false the bytes are counted but not
    // kept (a transfer that will be refused anyway).
    // SyncRefused when the first block is asked for with the no-sync fault's wrong frame.
    Progress start(std::uint32_t length, bool keepData);
    Progress receive(std::uint8_t byte);

    // Data bytes that can be taken at once: all but the last of the current block, whose
    // arrival releases the next block through receive(). None before start() and none once
    // the data are in, so an exchange may ask in any of its steps.
    std::size_t dataWanted() const;
    void receiveData(std::span<const std::uint8_t> bytes);

    const Bytes& data() const { return data_; }
    bool checksumMatches() const;

  private:
    // Sends SYNC, or with the no-sync fault a different frame the first time; false then.
    bool releaseBlock();

    BoxContext& context_;
    std::uint8_t syncCommand_;
    bool syncBeforeFirstBlock_;
    std::uint32_t length_ = 0;
    std::uint32_t received_ = 0;
    bool keepData_ = false;
    bool syncSent_ = false;
    Bytes data_;
    ByteCollector checksum_;
};

}  // namespace zev::boxsim
