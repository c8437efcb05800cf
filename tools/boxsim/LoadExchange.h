// Settings load (request 0xBB): the receiver sends its user block to the PC, one 8192-byte
// block per SYNC of the PC, then the checksum.
#pragma once

#include "ByteCollector.h"
#include "Exchange.h"
#include "Handshake.h"
#include "UserBlockHeader.h"

namespace zev::boxsim {

class LoadExchange : public Exchange {
  public:
    LoadExchange(BoxContext& context, BlockPlace userBlock);

    void start() override;
    void receive(std::uint8_t byte) override;

  private:
    enum class Step { Opening, ReadRequest, Sync, Verdict };

    void sendHeader();
    void sendNextBlock();

    BlockPlace userBlock_;
    Bytes data_;
    Step step_ = Step::Opening;
    Handshake handshake_;
    ByteCollector sync_;
    std::size_t sentBytes_ = 0;
};

}  // namespace zev::boxsim
