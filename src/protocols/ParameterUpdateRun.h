// Update Parameters: sends the ParameterUpdateImage built from a parameter data file to the
// boot loader.
#pragma once

#include "core/ByteSource.h"
#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "protocols/BootLoaderUpdateRun.h"

namespace zev {

class ParameterUpdateRun : public BootLoaderUpdateRun {
  public:
    // `data` holds the parsed file; the image is built into the input buffer of `images` when
    // the boot loader is ready.
    ParameterUpdateRun(RunHost& host, RunControl& control, const ParameterDataFile& data,
                       ImageBuffers& images);

    ProtocolMode Mode() const override { return ProtocolMode::UpdateParameters; }

  private:
    void StartOwnPart() override;

    const ParameterDataFile& data_;
    ImageBuffers& images_;
    uint32_t length_;
    MemoryByteSource image_;
};

}  // namespace zev
