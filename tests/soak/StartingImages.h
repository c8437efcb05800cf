// The files the soak's File Open and Compare with File choose from at the start of a run:
// channel lists of several sizes made from the run's seed, among them references that name no
// record (an image can hold them), duplicates and a list one channel short of its capacity,
// and a file that is no image.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "core/Result.h"

namespace soak {

zev::Result<void, std::string> WriteStartingImages(uint64_t runSeed, const QString& dir);

}  // namespace soak
