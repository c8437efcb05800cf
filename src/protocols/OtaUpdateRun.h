// OTA Software Update: the OTA loader's handshake, the SoftwareInfoBlock it asks for, then the
// .sgn file in blocks and the loader's result.
#pragma once

#include <memory>

#include "formats/SoftwareInfo.h"
#include "protocols/FrameBuffer.h"
#include "protocols/LoaderRun.h"
#include "protocols/LoaderTransfer.h"
#include "protocols/RunFile.h"

namespace zev {

class OtaUpdateRun : public LoaderRun {
  public:
    enum class Step : uint8_t {
        // The ready frame is the loader's request for the information block.
        InfoAnswer = kFirstOwnStep,  // the block has gone: accepted, or the version refused
        Blocks,
        EndMarker,
        Result,
    };

    // `file` has passed CheckOtaFile with `info`.
    OtaUpdateRun(RunHost& host, RunControl& control, std::unique_ptr<RunFile> file,
                 const OtaFileInfo& info);

    // Prints the software's information and the PC's date and time, and builds the
    // information block from them.
    void PrintInformation();

    ProtocolMode Mode() const override { return ProtocolMode::OtaUpdate; }
    OpenFile HeldFile() const override;
    void CloseFile() override { file_->Close(); }
    bool FirstBlockSent() const override { return transfer_.FirstBlockSent(); }

  private:
    // Sends the information block.
    void StartOwnPart() override;
    void HandleOwnByte(uint8_t value) override;
    uint8_t OwnStepNumber() const override;
    void HandleInfoAnswer(uint8_t value);

    std::unique_ptr<RunFile> file_;
    OtaFileInfo info_;
    SoftwareInfoBlock block_{};
    LoaderTransfer transfer_;
    FrameBuffer frame_;
    bool infoAnswered_ = false;  // the transfer has begun (or been skipped)
};

}  // namespace zev
