// Misbehaviours the simulated receiver can be told to show, so that the program's handling of a
// faulty or broken receiver can be tested.
#pragma once

#include <bitset>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zev::boxsim {

enum class Fault {
    BadHello,          // hello frame with a wrong end byte
    BadReadyStx,       // ready / info-request frame that does not start with STX
    BadReadyEtx,       // ready / info-request frame with a wrong end byte
    BadReadyCommand,   // ready / info-request frame with a wrong command byte
    NoSync,            // a frame other than SYNC where the first SYNC belongs
    NoSyncSuccess,     // the same, then the update's success result all the same
    BootLength,        // boot loader result BOOT_LENGTH_ERR
    BootChecksum,      // boot loader result BOOT_CHECKSUM_ERR with the address
    BootFlash,         // boot loader result BOOT_FLASH_ERR with the address
    BootUnknown,       // boot loader result with an unknown code
    OtaLength,         // OTA result LOADER_LENGTH_ERR
    OtaChecksum,       // OTA result LOADER_CHECKSUM_ERR with the address
    OtaErase,          // OTA result LOADER_ERASEFLASH_ERR
    OtaWrite,          // OTA result LOADER_WRITEFLASH_ERR with the address
    OtaVersion,        // OTA result LOADER_VERSION_ERR after the data
    OtaUnknown,        // OTA result with an unknown code
    OtaRefuseVersion,  // OTA loader refuses the information block (02 C2 03)
    SendChecksum,      // settings send: checksum refused with 0x07
    SendFlash,         // settings send: flash write error 0x08
    SendCorrupt,       // settings send: stores a changed image and reports success
    LoadChecksum,      // settings load: the box sends a wrong checksum
    Count
};

struct FaultInfo {
    Fault fault;
    std::string_view name;
    std::string_view description;
};

// Every fault with its command-line name, in declaration order.
std::span<const FaultInfo> allFaults();
std::optional<Fault> faultByName(std::string_view name);

class FaultSet {
  public:
    void add(Fault fault) { bits_.set(static_cast<std::size_t>(fault)); }
    bool has(Fault fault) const { return bits_.test(static_cast<std::size_t>(fault)); }

  private:
    std::bitset<static_cast<std::size_t>(Fault::Count)> bits_;
};

}  // namespace zev::boxsim
