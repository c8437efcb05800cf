// OTA Software Update: the OTA loader's handshake, the SoftwareInfoBlock it asks for, then the
// .sgn file in blocks and the loader's result.
#pragma once

#include <memory>

#include "formats/SoftwareInfo.h"
#include "protocols/FrameBuffer.h"
#include "protocols/LoaderHandshake.h"
#include "protocols/LoaderTransfer.h"
#include "protocols/ReceiverRun.h"
#include "protocols/RunFile.h"

namespace zev {

class OtaUpdateRun : public ReceiverRun {
  public:
    enum class Step : uint8_t {
        Sign = 0,
        Hello = 1,
        Ready = 2,       // the loader's request for the information block
        InfoAnswer = 3,  // the information block has gone: accepted, or the version refused
        Blocks = 4,
        EndMarker = 5,
        Result = 6,
    };

    // `file` has passed CheckOtaFile with `info`.
    OtaUpdateRun(RunHost& host, RunControl& control, std::unique_ptr<RunFile> file,
                 const OtaFileInfo& info);

    // Prints the software's information and the PC's date and time, and builds the
    // information block from them.
    void PrintInformation();

    ProtocolMode Mode() const override { return ProtocolMode::OtaUpdate; }
    Step CurrentStep() const;
    uint8_t StepNumber() const override { return static_cast<uint8_t>(CurrentStep()); }
    void HandleByte(uint8_t value) override;
    OpenFile HeldFile() const override;
    void CloseFile() override { file_->Close(); }
    bool FirstBlockSent() const override { return transfer_.FirstBlockSent(); }

  private:
    enum class Stage { Handshake, InfoAnswer, Transfer };

    void SendInformation();
    void HandleInfoAnswer(uint8_t value);

    std::unique_ptr<RunFile> file_;
    OtaFileInfo info_;
    SoftwareInfoBlock block_{};
    LoaderHandshake handshake_;
    LoaderTransfer transfer_;
    FrameBuffer frame_;
    Stage stage_ = Stage::Handshake;
};

}  // namespace zev
