#include "protocols/LoaderResult.h"

#include "core/TextFormat.h"
#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"

namespace zev {
namespace {

constexpr uint8_t kCodeFrameLength = 3;
constexpr uint8_t kAddressFrameLength = 7;

const ResultCode* FindCode(const LoaderResults& results, uint8_t code) {
    for (const ResultCode& c : results.failures) {
        if (c.code == code) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace

ResultOutcome CollectResult(const LoaderResults& results, FrameBuffer& frame, uint8_t value,
                            RunHost& host) {
    frame.Collect(value);
    if (frame.Count() != kCodeFrameLength && frame.Count() != kAddressFrameLength) {
        return ResultOutcome::Waiting;
    }
    const ResultCode* failure = FindCode(results, frame[1]);
    if (frame.Count() == kCodeFrameLength) {
        if (IsFrame(frame, results.success)) {
            host.AppendText("\n<<Update Over!>>");
            return ResultOutcome::Succeeded;
        }
        host.AppendText(results.failure);
        host.AppendText(failure != nullptr ? failure->text : results.unknown);
        const bool more = failure != nullptr && failure->frame != FailureFrame::Short;
        return more ? ResultOutcome::Waiting : ResultOutcome::Failed;
    }
    if (frame[0] == kStx && frame[kAddressFrameLength - 1] == kEtx && failure != nullptr &&
        failure->frame == FailureFrame::LongWithAddress) {
        host.AppendText(Format(results.addressFormat, ReadLe32(frame.Data() + 2)));
    }
    return ResultOutcome::Failed;
}

}  // namespace zev
