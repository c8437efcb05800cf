#include "database/StartupHeader.h"

#include "database/FlashLayout.h"

namespace zev {

void ApplyStartupHeader(DatabaseHeader& header, int flashSizeIndex, int userSizeIndex) {
    header.MarkerA = kStartupMarkerA;
    header.MarkerB = kStartupMarkerB;
    header.MarkerC = kStartupMarkerC;
    UpdateFlashLayout(header, flashSizeIndex, userSizeIndex);
}

}  // namespace zev
