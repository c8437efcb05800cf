#include "database/FlashLayout.h"

namespace zev {

namespace {

struct LayoutRow {
    uint8_t defaultSatCapacity;
    uint16_t defaultTpCapacity;
    uint16_t defaultChannelCapacity;
    uint8_t satCapacity;
    uint16_t tpCapacity;
    uint16_t channelCapacity;
    uint32_t defaultBlockAddress;
    uint32_t defaultBlockSize;
    uint32_t userBlockAddress;
    uint32_t userBlockSize;
};

// The one-sector default-channel capacity really is 18400 (not 1840): it is what the receiver
// firmware expects in that header field.
constexpr LayoutRow k8MOneSector{100,  1500,    18400,   100,     1500,
                                 1840, 0xE0000, 0x10000, 0xF0000, 0x10000};
constexpr LayoutRow k8MTwoSectors{156,  2000,    1600,    156,     2000,
                                  4000, 0xD0000, 0x10000, 0xE0000, 0x20000};
constexpr LayoutRow k16M[4] = {
    {100, 1500, 18400, 100, 1500, 1840, 0x100000, 0x10000, 0x110000, 0x10000},
    {156, 2000, 1600, 156, 2000, 4000, 0x100000, 0x10000, 0x110000, 0x20000},
    {156, 2000, 1600, 160, 3000, 6000, 0x100000, 0x10000, 0x110000, 0x30000},
    {156, 2000, 1600, 160, 4000, 8000, 0x100000, 0x10000, 0x110000, 0x40000},
};

const LayoutRow* FindRow(int flashSizeIndex, int userSizeIndex) {
    if (flashSizeIndex == 2) return userSizeIndex == 1 ? &k8MOneSector : &k8MTwoSectors;
    if (flashSizeIndex == 3 && userSizeIndex >= 1 && userSizeIndex <= 4) {
        return &k16M[userSizeIndex - 1];
    }
    return nullptr;  // "4M bits" and unknown indices have no layout
}

}  // namespace

void UpdateFlashLayout(DatabaseHeader& header, int flashSizeIndex, int userSizeIndex) {
    const LayoutRow* row = FindRow(flashSizeIndex, userSizeIndex);
    if (row == nullptr) return;
    header.DefaultSatCapacity = row->defaultSatCapacity;
    header.DefaultTpCapacity = row->defaultTpCapacity;
    header.DefaultChannelCapacity = row->defaultChannelCapacity;
    header.SatCapacity = row->satCapacity;
    header.TpCapacity = row->tpCapacity;
    header.ChannelCapacity = row->channelCapacity;
    header.DefaultBlockAddress = row->defaultBlockAddress;
    header.DefaultBlockSize = row->defaultBlockSize;
    header.UserBlockAddress = row->userBlockAddress;
    header.UserBlockSize = row->userBlockSize;
}

}  // namespace zev
