// The transfer state shared by all receiver runs (only one run is active at a time).
#pragma once

#include <cstdint>

#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "formats/SoftwareInfo.h"
#include "protocols/BlockSender.h"
#include "protocols/FrameBuffer.h"
#include "protocols/ReceiverSession.h"
#include "protocols/WordChecksum.h"

namespace zev {

struct ReceiverSession::Impl {
    FrameBuffer frame;
    WordChecksum checksum;
    BlockSender sender;

    // Update Parameters.
    ParameterDataFile dataFile;
    uint32_t updateLength = 0;

    // Load Setting from Box.
    uint32_t loadLength = 0;
    uint32_t loadAddress = 0;
    uint32_t loadSpareA = 0;  // two more header values the box sends; not used
    uint32_t loadSpareB = 0;
    uint32_t writePosition = 0;
    uint32_t blockByteCount = 0;

    // Send Setting to Box.
    uint32_t sendAddress = 0;
    uint32_t sendLength = 0;
    ImageKind sendKind = ImageKind::User;
    uint32_t readPosition = 0;
    uint32_t sendBlocksSent = 0;

    // OTA Software Update.
    OtaFileInfo otaInfo;
    SoftwareInfoBlock otaBlock{};
};

}  // namespace zev
