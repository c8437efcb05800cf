// One conversation of the receiver with the PC (an update, a settings load or send), driven
// byte by byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "BoxContext.h"
#include "Handshake.h"

namespace zev::boxsim {

class Exchange {
  public:
    explicit Exchange(BoxContext& context) : context_(context) {}
    virtual ~Exchange() = default;
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    virtual void start() = 0;
    virtual void receive(std::uint8_t byte) = 0;

    // Bulk data: how many of the next bytes are plain transfer data that receiveData may take
    // in one go (0 when the next byte needs receive()). Keeps a 2 MB update from being
    // handled one virtual call per byte.
    virtual std::size_t dataWanted() const { return 0; }
    virtual void receiveData(std::span<const std::uint8_t> /*bytes*/) {}

    bool finished() const { return finished_; }

  protected:
    void finish(const std::string& why) {
        finished_ = true;
        context_.log(why);
    }

    // Passes a byte to the exchange's opening. True once the opening is done; a wrong hello
    // answer ends the exchange, `what` naming it in the log.
    bool opened(Handshake& handshake, std::uint8_t byte, std::string_view what) {
        const Handshake::Progress progress = handshake.receive(byte);
        if (progress == Handshake::Progress::Failed) {
            finish(std::string(what) + " abandoned after a wrong hello answer");
        }
        return progress == Handshake::Progress::Ready;
    }

    BoxContext& context_;

  private:
    bool finished_ = false;
};

}  // namespace zev::boxsim
