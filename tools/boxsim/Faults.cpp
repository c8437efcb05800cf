#include "Faults.h"

#include <array>

namespace zev::boxsim {

namespace {

constexpr std::array kFaults{
    FaultInfo{Fault::BadHello, "bad-hello", "hello frame ends with 0x04 instead of ETX"},
    FaultInfo{Fault::BadReadyStx, "bad-ready-stx", "ready / info-request frame starts with 0x01"},
    FaultInfo{Fault::BadReadyEtx, "bad-ready-etx", "ready / info-request frame ends with 0x04"},
    FaultInfo{Fault::BadReadyCommand, "bad-ready-cmd",
              "ready / info-request frame carries command 0x03"},
    FaultInfo{Fault::NoSync, "no-sync",
              "sends 02 17 03 instead of the first SYNC (update, send and OTA)"},
    FaultInfo{Fault::NoSyncSuccess, "no-sync-success",
              "sends 02 17 03 instead of the first SYNC, then reports success (update and OTA)"},
    FaultInfo{Fault::BootLength, "boot-length", "update result BOOT_LENGTH_ERR (02 09 03)"},
    FaultInfo{Fault::BootChecksum, "boot-checksum",
              "update result BOOT_CHECKSUM_ERR (02 07 address 03)"},
    FaultInfo{Fault::BootFlash, "boot-flash", "update result BOOT_FLASH_ERR (02 08 address 03)"},
    FaultInfo{Fault::BootUnknown, "boot-unknown", "update result 02 0C 03 (unknown error)"},
    FaultInfo{Fault::OtaLength, "ota-length", "OTA result LOADER_LENGTH_ERR (02 C3 03)"},
    FaultInfo{Fault::OtaChecksum, "ota-checksum",
              "OTA result LOADER_CHECKSUM_ERR (02 C4 address 03)"},
    FaultInfo{Fault::OtaErase, "ota-erase", "OTA result LOADER_ERASEFLASH_ERR (02 C5 address 03)"},
    FaultInfo{Fault::OtaWrite, "ota-write", "OTA result LOADER_WRITEFLASH_ERR (02 C6 address 03)"},
    FaultInfo{Fault::OtaVersion, "ota-version",
              "OTA result LOADER_VERSION_ERR (02 C2 address 03) after the data"},
    FaultInfo{Fault::OtaUnknown, "ota-unknown", "OTA result 02 CF 03 (unknown error)"},
    FaultInfo{Fault::OtaRefuseVersion, "ota-refuse-version",
              "OTA loader answers the information block with 02 C2 03"},
    FaultInfo{Fault::SendChecksum, "send-checksum", "settings send: checksum refused (0x07)"},
    FaultInfo{Fault::SendFlash, "send-flash", "settings send: flash write error (0x08)"},
    FaultInfo{Fault::SendCorrupt, "send-corrupt",
              "settings send: stores the user block with a bit of its first satellite "
              "flipped, and reports success"},
    FaultInfo{Fault::LoadChecksum, "load-checksum", "settings load: sends a wrong checksum"},
};
static_assert(kFaults.size() == static_cast<std::size_t>(Fault::Count));

}  // namespace

std::span<const FaultInfo> allFaults() { return kFaults; }

std::optional<Fault> faultByName(std::string_view name) {
    for (const FaultInfo& info : kFaults) {
        if (info.name == name) {
            return info.fault;
        }
    }
    return std::nullopt;
}

}  // namespace zev::boxsim
