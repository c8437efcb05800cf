#include "BoxSimulator.h"

#include <algorithm>

#include "BootUpdateExchange.h"
#include "ConsoleChatter.h"
#include "LoadExchange.h"
#include "OtaExchange.h"
#include "SendExchange.h"
#include "UserBlockHeader.h"

namespace zev::boxsim {

namespace {

constexpr std::uint8_t kLoadRequest = 0xBB;
constexpr std::uint8_t kSendRequest = 0xCC;

// The PC's answer to each sign.
std::uint8_t answerTo(std::uint8_t sign) {
    switch (sign) {
        case kSignParameters:
        case kSignSoftware:
            return sign;
        case kSignOta:
            return 0xB6;
        default:
            return 0x55;
    }
}

}  // namespace

BoxSimulator::BoxSimulator(const BoxOptions& options, FlashMemory& flash, Logger log)
    : options_(options),
      context_{out_, flash, options_, std::move(log)},
      sign_(options.sign),
      userBlockAddress_(options.userAddress) {}

BoxSimulator::~BoxSimulator() = default;

void BoxSimulator::powerOn() { chatter(powerOnText()); }

void BoxSimulator::reset() {
    if (exchange_) {
        context_.log("reset: exchange in progress abandoned");
        exchange_.reset();
    }
    signSent_ = sign_;
    mode_ = Mode::AwaitingSignAnswer;
    receivedInSession_ = 0;
    chatter(resetText(signSent_));
    out_.send(signSent_);
    context_.log("reset: sent sign " + hexText(signSent_));
}

void BoxSimulator::receive(std::span<const std::uint8_t> bytes) {
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        if (vanished_) {
            return;
        }
        // Plain transfer data go to the exchange in one piece (not when counting bytes
        // towards a vanish).
        if (mode_ == Mode::Exchange && !options_.vanishAfter) {
            const std::size_t bulk = std::min(exchange_->dataWanted(), bytes.size() - index);
            if (bulk > 0) {
                exchange_->receiveData(bytes.subspan(index, bulk));
                receivedInSession_ += bulk;
                index += bulk - 1;
                continue;
            }
        }
        const std::uint8_t byte = bytes[index];
        if (startsRequest(byte)) {
            receivedInSession_ = 0;
        }
        ++receivedInSession_;
        handleByte(byte);
        if (options_.vanishAfter && receivedInSession_ >= *options_.vanishAfter) {
            vanished_ = true;
            out_.discard();
            context_.log("vanishing after " + std::to_string(receivedInSession_) + " bytes");
        }
    }
}

void BoxSimulator::clientDisconnected() {
    if (exchange_) {
        context_.log("line closed: exchange in progress abandoned");
        exchange_.reset();
        mode_ = Mode::Console;
    }
    out_.discard();
}

bool BoxSimulator::startsRequest(std::uint8_t byte) const {
    return mode_ != Mode::Exchange && (byte == kLoadRequest || byte == kSendRequest);
}

void BoxSimulator::handleByte(std::uint8_t byte) {
    if (mode_ == Mode::Exchange) {
        exchange_->receive(byte);
        if (exchange_->finished()) {
            endExchange();
        }
        return;
    }
    // The boot loader serves settings requests also while it waits for the answer to its sign.
    if (byte == kLoadRequest) {
        const BlockPlace fallback{userBlockAddress_, options_.userSize};
        beginExchange(std::make_unique<LoadExchange>(
                          context_, locateUserBlock(context_.flash, userBlockAddress_, fallback)),
                      false);
    } else if (byte == kSendRequest) {
        beginExchange(std::make_unique<SendExchange>(
                          context_, [this](std::uint32_t address) { userBlockAddress_ = address; }),
                      false);
    } else if (mode_ == Mode::AwaitingSignAnswer && byte == answerTo(signSent_)) {
        if (signSent_ == kSignOta) {
            beginExchange(std::make_unique<OtaExchange>(context_), true);
        } else {
            beginExchange(std::make_unique<BootUpdateExchange>(context_, signSent_), true);
        }
    }
}

void BoxSimulator::beginExchange(std::unique_ptr<Exchange> exchange, bool fromReset) {
    if (!fromReset) {
        ++requests_;
    }
    exchange_ = std::move(exchange);
    exchangeFromReset_ = fromReset;
    mode_ = Mode::Exchange;
    exchange_->start();
}

void BoxSimulator::endExchange() {
    exchange_.reset();
    mode_ = Mode::Console;
    // A loader hands over to the receiver's software when it is done.
    if (exchangeFromReset_) {
        chatter(restartText());
    }
}

void BoxSimulator::chatter(const std::string& text) {
    if (!options_.quiet) {
        out_.send(Bytes(text.begin(), text.end()));
    }
}

}  // namespace zev::boxsim
