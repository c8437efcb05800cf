#include "protocols/SoftwareUpdateRun.h"

#include "formats/SoftwareFile.h"
#include "protocols/LineConventions.h"

namespace zev {
namespace {

constexpr uint32_t kSoftwareAddress = 0x10000;

}  // namespace

SoftwareUpdateRun::SoftwareUpdateRun(RunHost& host, RunControl& control,
                                     std::unique_ptr<RunFile> file)
    : BootLoaderUpdateRun(host, control, kSoftwareUpdateHandshake), file_(std::move(file)) {}

OpenFile SoftwareUpdateRun::HeldFile() const {
    return file_->IsOpen() ? OpenFile::SoftwareFile : OpenFile::None;
}

void SoftwareUpdateRun::StartOwnPart() {
    // The file may have changed since the command checked it: check again before its length
    // goes out.
    const std::optional<uint64_t> size = file_->Size();
    if (!size || !SoftwareSizeSendable(*size)) {
        host_.AppendText("\n  !Error: The software file can't be read or has changed, exit!");
        file_->Close();
        Fail(RunReason::DataUnreadable);
        return;
    }
    const auto length = static_cast<uint32_t>(*size);
    SendLe32(host_, length);
    SendLe32(host_, kSoftwareAddress);
    Follow(transfer_.Start(*file_, length), transfer_);
}

}  // namespace zev
