#include "UpdateExchange.h"

namespace zev::boxsim {

UpdateExchange::UpdateExchange(BoxContext& context, const Loader& loader)
    : Exchange(context),
      blocks_(context, loader.syncCommand, false),
      loader_(loader),
      handshake_(context, loader.helloCommand, loader.readyCommand, loader.versionMajor) {}

void UpdateExchange::receive(std::uint8_t byte) {
    switch (step_) {
        case Step::Handshake:
            if (opened(handshake_, byte, loader_.name)) {
                step_ = Step::Description;
                description_.expect(loader_.descriptionSize);
            }
            break;
        case Step::Description:
            if (description_.add(byte)) {
                step_ = Step::Data;
                takeDescription(description_.bytes());
            }
            break;
        case Step::Data:
            switch (blocks_.receive(byte)) {
                case BlockReceiver::Progress::Receiving:
                    break;
                case BlockReceiver::Progress::SyncRefused:
                    if (context_.fault(Fault::NoSyncSuccess)) {
                        sendResult(frame(loader_.success), "success without the data (fault)");
                    } else {
                        sendResult(frame(loader_.lengthError), loader_.syncRefusedWhy);
                    }
                    break;
                case BlockReceiver::Progress::Complete:
                    concludeTransfer();
                    break;
            }
            break;
    }
}

bool UpdateExchange::sendFaultResult(std::span<const FaultResult> faults, std::uint32_t address) {
    for (const FaultResult& result : faults) {
        if (context_.fault(result.fault)) {
            sendResult(
                result.withAddress ? frameWithAddress(result.code, address) : frame(result.code),
                result.why);
            return true;
        }
    }
    return false;
}

void UpdateExchange::sendResult(Bytes result, const std::string& why) {
    context_.out.send(loader_.endMarker);
    context_.out.send(std::move(result));
    finish(why);
}

}  // namespace zev::boxsim
