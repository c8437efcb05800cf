// Settings transfers that prove themselves. Send Setting to Box may first load the box's user
// block and have it saved (a backup), and may load it again afterwards and compare it with
// what was sent (a verification); Verify Box Settings loads the box's user block and compares
// it with the channel database in memory. Every step is one of the existing runs (Load
// Setting from Box, Send Setting to Box); this class only makes them follow each other, for
// the desktop program and zev-cli alike. The loads never touch the database in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"
#include "protocols/ReceiverSession.h"
#include "protocols/RunHost.h"
#include "protocols/UserBlockComparison.h"

namespace zev {

class SettingsSafeguards {
  public:
    // Saves the box's user block before anything is sent; false when it could not be saved
    // (the saver has said why), which stops the send.
    using BackupSaver = std::function<bool(std::span<const uint8_t> userBlock)>;

    struct SendChecks {
        BackupSaver backup;   // empty: no backup
        bool verify = false;  // load the user block back and compare it with what was sent
    };

    // The most differing records the terminal lists; the message box names fewer.
    static constexpr std::size_t kTerminalDifferences = 20;
    static constexpr std::size_t kMessageDifferences = 5;

    SettingsSafeguards(ReceiverSession& session, RunHost& host, const ImageBuffers& images)
        : session_(session), host_(host), images_(images) {}

    // Send Setting to Box of the program's current file `dataFile` with `checks`. The host
    // hears one RunFinished for the whole command: the failed backup or send, or (with
    // verify) the verifying load, which fails with RunReason::NotVerified when the box holds
    // something else.
    void Send(const std::string& dataFile, SendChecks checks);

    // Verify Box Settings: loads the box's user block and compares it with `db` packed as a
    // user block. Says the verdict in the terminal and in a message box; the load succeeds
    // only when they are equal.
    void VerifyBox(const ChannelDatabase& db);

  private:
    void SendNow();
    void VerifySent();
    // The verdict of a verifying load: the terminal lines, and the load's reason to fail.
    RunReason Judge(std::span<const uint8_t> found, const char* sameLine, const char* otherLine);

    ReceiverSession& session_;
    RunHost& host_;
    const ImageBuffers& images_;
    SendTarget target_;
    SendChecks checks_;
    std::vector<uint8_t> expected_;  // the user block the box should hold
    std::vector<uint8_t> backup_;    // the box's user block before the send
    std::optional<BlockComparison> comparison_;
};

}  // namespace zev
