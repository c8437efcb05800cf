// Send Setting to Box: the choice of target (user area, or default and user areas), the
// packing of the database, and the run that writes the image block by block after each SYNC
// of the box.
#pragma once

#include <optional>

#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"
#include "protocols/FrameBuffer.h"
#include "protocols/LoaderHandshake.h"
#include "protocols/ReceiverRun.h"
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

class SendSettingsRun : public ReceiverRun {
  public:
    enum class Step : uint8_t {
        Sign = 0,
        Hello = 1,
        Ready = 2,
        Go = 3,            // the box's go for the header
        Blocks = 4,        // SYNC asks for each block
        Verdict = 5,       // on the checksum
        Result = 6,        // the box's result frame
        FlashVerdict = 7,  // written, or a write error
    };

    // The request that starts the box's part.
    static constexpr uint8_t kRequest = 0xCC;

    SendSettingsRun(RunHost& host, RunControl& control, const ImageBuffers& images,
                    const SendTarget& target);

    ProtocolMode Mode() const override { return ProtocolMode::SendSettings; }
    Step CurrentStep() const;
    uint8_t StepNumber() const override { return static_cast<uint8_t>(CurrentStep()); }
    void HandleByte(uint8_t value) override;
    bool FirstBlockSent() const override { return blocksSent_ > 0; }

  private:
    void SendHeader();
    void SendBlock();

    const ImageBuffers& images_;
    SendTarget target_;
    LoaderHandshake handshake_;
    bool handshakeDone_ = false;
    Step step_ = Step::Go;  // once the handshake is done
    FrameBuffer frame_;
    WordChecksum checksum_;
    uint32_t readPosition_ = 0;
    uint32_t blocksSent_ = 0;
};

}  // namespace zev
