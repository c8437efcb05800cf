#include "protocols/LoaderHandshake.h"

#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"

namespace zev {
namespace {

constexpr uint8_t kGeneralSign = 0xAA;
constexpr uint8_t kGeneralSignAnswer = 0x55;
constexpr uint8_t kHelloFrameLength = 3;
constexpr uint8_t kReadyFrameLength = 11;

}  // namespace

LoaderHandshake::Progress LoaderHandshake::Feed(uint8_t value) {
    switch (step_) {
        case Step::Sign:
            return FeedSign(value);
        case Step::Hello:
            return FeedHello(value);
        case Step::Ready:
            return FeedReady(value);
    }
    return Progress::Waiting;
}

LoaderHandshake::Progress LoaderHandshake::FeedSign(uint8_t value) {
    // Anything before the sign is the loader's console text.
    if (value == wording_.sign || (wording_.takesGeneralSign && value == kGeneralSign)) {
        host_.SendByte(value == wording_.sign ? wording_.signAnswer : kGeneralSignAnswer);
        step_ = Step::Hello;
        frame_.Clear();
    }
    return Progress::Waiting;
}

LoaderHandshake::Progress LoaderHandshake::FeedHello(uint8_t value) {
    if (!CollectWhole(frame_, value, kHelloFrameLength)) {
        return Progress::Waiting;
    }
    if (!IsFrame(frame_, wording_.hello)) {
        host_.AppendText(wording_.helloError);
        return Progress::Failed;
    }
    SendHelloAnswer(host_);
    host_.AppendText(wording_.startText);
    step_ = Step::Ready;
    frame_.Clear();
    return Progress::Waiting;
}

LoaderHandshake::Progress LoaderHandshake::FeedReady(uint8_t value) {
    const FrameErrorTexts& errors = wording_.readyErrors;
    const FrameStep frame =
        CollectReportedFrame(frame_, value, kReadyFrameLength, host_, errors.badStx, errors.badEtx);
    if (frame == FrameStep::Incomplete) {
        return Progress::Waiting;
    }
    if (IsBroken(frame)) {
        return Progress::Failed;
    }
    if (frame_[1] != wording_.ready) {
        host_.AppendText(errors.unexpected);
        return Progress::Failed;
    }
    frame_.Clear();
    return Progress::Done;
}

}  // namespace zev
