#include "protocols/ParameterUpdateRun.h"

#include "formats/ParameterUpdateImage.h"
#include "protocols/LineConventions.h"

namespace zev {
namespace {

// The full database goes to its own area, a channel list to another.
constexpr uint32_t kFullDatabaseAddress = 0xD0000;
constexpr uint32_t kChannelListAddress = 0x6000;

}  // namespace

ParameterUpdateRun::ParameterUpdateRun(RunHost& host, RunControl& control,
                                       const ParameterDataFile& data, ImageBuffers& images)
    : BootLoaderUpdateRun(host, control, kParameterUpdateHandshake),
      data_(data),
      images_(images),
      length_(UpdateImageLength(data)),
      image_(std::span<const uint8_t>(images.input).first(length_)) {}

void ParameterUpdateRun::StartOwnPart() {
    SendLe32(host_, length_);
    SendLe32(host_, data_.FullDatabase() ? kFullDatabaseAddress : kChannelListAddress);
    BuildUpdateImage(data_, images_.input);
    host_.AppendText(UpdateImageCountsText(data_));
    Follow(transfer_.Start(image_, length_), transfer_);
}

}  // namespace zev
