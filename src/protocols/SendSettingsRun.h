// Send Setting to Box: the choice of target (user area, or default and user areas), the
// packing of the database, and the run that writes the image block by block after each SYNC
// of the box.
#pragma once

#include <optional>

#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"
#include "protocols/FrameBuffer.h"
#include "protocols/LoaderRun.h"
#include "protocols/WordChecksum.h"

namespace zev {

// Where the packed image goes.
struct SendTarget {
    uint32_t address = 0;
    uint32_t length = 0;  // whole blocks
    ImageKind kind = ImageKind::User;
    // Where the user block lies within the packed image, and its size: what a load of the
    // box's user block brings back after the send.
    uint32_t userOffset = 0;
    uint32_t userLength = 0;
};

// Asks whether the default channels are rewritten too (and, when they do not fit, whether the
// user area alone will do), then packs the database into the output buffer. nullopt, with the
// reason in `refusal`, when nothing is to be sent; the database header is then as it was.
std::optional<SendTarget> PrepareSendTarget(RunHost& host, ChannelDatabase& db,
                                            ImageBuffers& images, RunReason& refusal);

class SendSettingsRun : public LoaderRun {
  public:
    enum class Step : uint8_t {
        Go = kFirstOwnStep,  // the box's go for the header
        Blocks,              // SYNC asks for each block
        Verdict,             // on the checksum
        Result,              // the box's result frame
        FlashVerdict,        // written, or a write error
    };

    // The request that starts the box's part.
    static constexpr uint8_t kRequest = 0xCC;

    SendSettingsRun(RunHost& host, RunControl& control, const ImageBuffers& images,
                    const SendTarget& target);

    ProtocolMode Mode() const override { return ProtocolMode::SendSettings; }
    bool FirstBlockSent() const override { return blocksSent_ > 0; }

  private:
    // Asks the box to take data.
    void StartOwnPart() override;
    void HandleOwnByte(uint8_t value) override;
    uint8_t OwnStepNumber() const override { return static_cast<uint8_t>(step_); }
    void SendHeader();
    void SendBlock();

    const ImageBuffers& images_;
    SendTarget target_;
    Step step_ = Step::Go;  // once the handshake is done
    FrameBuffer frame_;
    WordChecksum checksum_;
    uint32_t readPosition_ = 0;
    uint32_t blocksSent_ = 0;
};

}  // namespace zev
