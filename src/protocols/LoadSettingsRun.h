// Load Setting from Box: the box sends its user block in 8192-byte blocks, each asked for with
// SYNC, into the input image buffer; a checked block goes to the run's destination (the
// channel database, or a comparison or backup beside it).
#pragma once

#include <functional>
#include <span>

#include "formats/ParameterImage.h"
#include "protocols/FrameBuffer.h"
#include "protocols/LoaderRun.h"
#include "protocols/WordChecksum.h"

namespace zev {

// Where a loaded block goes once the box has confirmed it and the link is closed. Returns how
// the run ended: RunReason::None for success; otherwise it has printed why.
struct LoadDestination {
    std::function<RunReason(std::span<const uint8_t> block)> take;
    // The Stop Update at the end lets go of the program's data file, as Load Setting from Box
    // always did; a load beside the database keeps it.
    bool forgetsDataFile = true;
};

class LoadSettingsRun : public LoaderRun {
  public:
    enum class Step : uint8_t {
        Header = kFirstOwnStep,  // length and flash address of the data
        Data,                    // the blocks
        Checksum,                // the box's checksum of the data
        EndMarker,               // the checksum was accepted
        Result,
    };

    LoadSettingsRun(RunHost& host, RunControl& control, ImageBuffers& images,
                    LoadDestination destination);

    // The request that starts the box's part.
    static constexpr uint8_t kRequest = 0xBB;

    ProtocolMode Mode() const override { return ProtocolMode::LoadSettings; }
    bool ForgetsDataFile() const override { return destination_.forgetsDataFile; }

  private:
    // Asks for the box's data.
    void StartOwnPart() override;
    void HandleOwnByte(uint8_t value) override;
    uint8_t OwnStepNumber() const override { return static_cast<uint8_t>(step_); }
    void HandleHeader();
    void StoreDataByte(uint8_t value);
    void CheckChecksum();
    void Finish();

    ImageBuffers& images_;
    LoadDestination destination_;
    Step step_ = Step::Header;  // once the handshake is done
    FrameBuffer frame_;
    WordChecksum checksum_;
    uint32_t length_ = 0;
    uint32_t address_ = 0;
    uint32_t writePosition_ = 0;
    uint32_t blockByteCount_ = 0;
};

}  // namespace zev
