#include "Handshake.h"

#include "FlashMemory.h"

namespace zev::boxsim {

namespace {

constexpr std::uint8_t kSignAnswer = 0x55;

}  // namespace

Handshake::Handshake(BoxContext& context, std::uint8_t helloCommand, std::uint8_t readyCommand,
                     std::uint8_t versionMajor)
    : context_(context),
      helloCommand_(helloCommand),
      readyCommand_(readyCommand),
      versionMajor_(versionMajor) {}

void Handshake::start() {
    Bytes hello = frame(helloCommand_);
    if (context_.fault(Fault::BadHello)) {
        hello.back() = 0x04;
    }
    context_.out.send(std::move(hello));
    answer_.expect(4);
}

void Handshake::startWithSign(std::uint8_t sign) {
    context_.out.send(sign);
    awaitingSignAnswer_ = true;
}

Handshake::Progress Handshake::receive(std::uint8_t byte) {
    if (awaitingSignAnswer_) {
        // Anything before the sign answer is ignored.
        if (byte == kSignAnswer) {
            awaitingSignAnswer_ = false;
            start();
        }
        return Progress::Pending;
    }
    if (!answer_.add(byte)) {
        return Progress::Pending;
    }
    if (!answer_.equals({kStx, 0x01, 0x0A, kEtx})) {
        context_.log("hello answer is not 02 01 0A 03");
        return Progress::Failed;
    }
    context_.out.send(readyFrame());
    return Progress::Ready;
}

// The PC does not interpret the ready frame's payload; it carries the flash size, the block size
// and the loader's version.
Bytes Handshake::readyFrame() const {
    Bytes payload;
    appendLe32(payload, FlashMemory::kSize);
    payload.push_back(static_cast<std::uint8_t>(kBlockSize));
    payload.push_back(static_cast<std::uint8_t>(kBlockSize >> 8));
    payload.push_back(versionMajor_);
    payload.push_back(0);
    Bytes ready = frame(readyCommand_, payload);
    if (context_.fault(Fault::BadReadyStx)) {
        ready.front() = 0x01;
    }
    if (context_.fault(Fault::BadReadyCommand)) {
        ready[1] = 0x03;
    }
    if (context_.fault(Fault::BadReadyEtx)) {
        ready.back() = 0x04;
    }
    return ready;
}

}  // namespace zev::boxsim
