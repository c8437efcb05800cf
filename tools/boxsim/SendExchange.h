// Settings send (request 0xCC): the PC writes a parameter image (user block, or default and
// user block) into the receiver's flash, one 8192-byte block per SYNC of the receiver.
#pragma once

#include <functional>

#include "BlockReceiver.h"
#include "ByteCollector.h"
#include "Exchange.h"
#include "Handshake.h"

namespace zev::boxsim {

class SendExchange : public Exchange {
  public:
    using UserBlockMoved = std::function<void(std::uint32_t userBlockAddress)>;

    // `userBlockMoved` hears where the user block lies after a successful send.
    SendExchange(BoxContext& context, UserBlockMoved userBlockMoved);

    void start() override;
    void receive(std::uint8_t byte) override;
    std::size_t dataWanted() const override { return blocks_.dataWanted(); }
    void receiveData(std::span<const std::uint8_t> bytes) override { blocks_.receiveData(bytes); }

  private:
    enum class Step { Opening, WriteRequest, Header, Data, Acknowledge };

    void takeHeader();
    void followBlocks(BlockReceiver::Progress progress);
    void concludeTransfer();
    void writeFlash();

    Step step_ = Step::Opening;
    Handshake handshake_;
    ByteCollector header_;
    BlockReceiver blocks_;
    std::uint32_t address_ = 0;
    std::uint32_t length_ = 0;
    std::uint8_t kind_ = 0;
    UserBlockMoved userBlockMoved_;
};

}  // namespace zev::boxsim
