// Load Setting from Box: the box sends its user block in 8192-byte blocks, each asked for with
// SYNC, into the input image buffer; a checked block replaces the channel database.
#pragma once

#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"
#include "protocols/FrameBuffer.h"
#include "protocols/LoaderHandshake.h"
#include "protocols/ReceiverRun.h"
#include "protocols/WordChecksum.h"

namespace zev {

class LoadSettingsRun : public ReceiverRun {
  public:
    enum class Step : uint8_t {
        Sign = 0,
        Hello = 1,
        Ready = 2,
        Header = 3,     // length and flash address of the data
        Data = 4,       // the blocks
        Checksum = 5,   // the box's checksum of the data
        EndMarker = 6,  // the checksum was accepted
        Result = 7,
    };

    LoadSettingsRun(RunHost& host, RunControl& control, ChannelDatabase& db, ImageBuffers& images);

    // The request that starts the box's part.
    static constexpr uint8_t kRequest = 0xBB;

    ProtocolMode Mode() const override { return ProtocolMode::LoadSettings; }
    Step CurrentStep() const;
    uint8_t StepNumber() const override { return static_cast<uint8_t>(CurrentStep()); }
    void HandleByte(uint8_t value) override;

  private:
    void HandleHeader();
    void StoreDataByte(uint8_t value);
    void CheckChecksum();
    void Finish();

    ChannelDatabase& db_;
    ImageBuffers& images_;
    LoaderHandshake handshake_;
    bool handshakeDone_ = false;
    Step step_ = Step::Header;  // once the handshake is done
    FrameBuffer frame_;
    WordChecksum checksum_;
    uint32_t length_ = 0;
    uint32_t address_ = 0;
    uint32_t writePosition_ = 0;
    uint32_t blockByteCount_ = 0;
};

}  // namespace zev
