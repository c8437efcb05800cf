// Update Software: sends a software data file (.cus) to the boot loader as it is.
#pragma once

#include <memory>

#include "protocols/BootLoaderUpdateRun.h"
#include "protocols/RunFile.h"

namespace zev {

class SoftwareUpdateRun : public BootLoaderUpdateRun {
  public:
    // `file` has passed the command's size check.
    SoftwareUpdateRun(RunHost& host, RunControl& control, std::unique_ptr<RunFile> file);

    ProtocolMode Mode() const override { return ProtocolMode::UpdateSoftware; }
    OpenFile HeldFile() const override;
    void CloseFile() override { file_->Close(); }

  private:
    void StartOwnPart() override;

    std::unique_ptr<RunFile> file_;
};

}  // namespace zev
