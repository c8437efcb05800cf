// The receiver runs of the terminal: the commands Update Parameters, Update Software, Load
// Setting from Box, Send Setting to Box, OTA Software Update and Stop Update, and the byte
// handler that passes each received byte to the active run. A command checks what it needs,
// prints the banner, opens the link and starts its run; each run is a class of its own.
// Pure and deterministic: everything outside goes through the RunHost.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "protocols/LoadSettingsRun.h"
#include "protocols/ReceiverRun.h"
#include "protocols/RunFile.h"
#include "protocols/RunHost.h"
#include "protocols/SendSettingsRun.h"

namespace zev {

// Hears how a run ended instead of the host, so that another run can follow it.
using RunFollowUp = std::function<void(const RunOutcome& outcome)>;
// Takes a block loaded from the box; RunReason::None when all is well, otherwise the reason
// the load fails (having printed why).
using BlockTaker = std::function<RunReason(std::span<const uint8_t> block)>;

// The line a transfer into the box's flash adds when it is ended from outside (Stop Update,
// Com Connect or Disconnect, a lost device, another command) after its first block.
inline constexpr const char* kIncompleteUpdateLine =
    "\nThe update is incomplete! Please reset ZEV and run the update again.";

class ReceiverSession : private RunControl {
  public:
    ReceiverSession(RunHost& host, ChannelDatabase& db, ImageBuffers& images);
    ~ReceiverSession() override;
    ReceiverSession(const ReceiverSession&) = delete;
    ReceiverSession& operator=(const ReceiverSession&) = delete;

    // Commands. `dataFile` is the program's current file; "*.*" means none.
    void UpdateParameters(const std::string& dataFile);
    void UpdateSoftware(const std::string& dataFile);
    void LoadSettingFromBox();
    void SendSettingToBox(const std::string& dataFile);
    void OtaSoftwareUpdate(const std::string& dataFile);
    void StopUpdate();

    // Load Setting from Box into `take` instead of the database: the database, the views and
    // the program's data file stay as they are. False when the command was refused (reported
    // to the host as usual); otherwise the run's end goes to `then` when one is given.
    bool LoadBoxBlock(BlockTaker take, RunFollowUp then = nullptr);
    // Send Setting to Box in two halves, so that something can run between the questions and
    // the transfer. PrepareSend checks the file, asks and packs; nullopt when the command was
    // refused (reported to the host). StartSend opens the link and starts the run, as
    // LoadBoxBlock does.
    std::optional<SendTarget> PrepareSend(const std::string& dataFile);
    bool StartSend(const SendTarget& target, RunFollowUp then = nullptr);

    // Effects of Com Connect / Com Disconnect on the run state.
    void OnLinkConnected();
    void OnLinkDisconnected();
    // The device went away under a run (adapter pulled, pseudo-terminal closed): report it,
    // close the link and end the run.
    void OnLinkLost(const std::string& reason);
    // Bytes written to the box could not leave (the link has closed itself): report it and
    // end the run, which would otherwise wait for ever for an answer to what never went.
    void OnWriteFailed(const std::string& reason);

    // One received byte for the active run (echo is the caller's business).
    void HandleByte(uint8_t value);

    ProtocolMode Mode() const;
    uint8_t ProtocolStep() const;
    // The data file the active run holds open.
    OpenFile OpenFileState() const;

  private:
    // What the runs see of the session.
    RunControl& Control() { return *this; }
    // RunControl.
    void EndRun(RunEnd end, RunReason reason) override;
    void EndRunWithStopUpdate(const std::function<RunReason()>& verdict) override;

    // Stop Update; `forgetDataFile` lets go of the program's data file as well.
    void StopUpdate(bool forgetDataFile);
    // A command that needs a current file: false, after a warning box, when there is none.
    bool HasDataFile(ProtocolMode mode, const std::string& dataFile, const char* missing);
    // False, after a terminal line, when the file has another extension.
    bool HasExtension(ProtocolMode mode, const std::string& dataFile, const char* extension);
    // Ends the active run, if any; the status shows no connection until the new run begins;
    // the banner names the loader.
    void PrepareRun(bool otaLoader);
    // Opens the data file and reports it, with a terminal line either way: `failedWording`
    // (the file for %1) also in a message box, `openedFormat` is printf's.
    std::unique_ptr<RunFile> OpenDataFile(ProtocolMode mode, const std::string& dataFile,
                                          const char* failedWording, const char* openedFormat);
    bool OpenLinkForRun(ProtocolMode mode);
    // Makes `run` the active run (PrepareRun ended the one before) and tells which port it
    // uses and what it waits for. `then` hears how the run ends instead of the host.
    void BeginRun(std::unique_ptr<ReceiverRun> run, const char* portFormat, const char* waiting,
                  RunFollowUp then = nullptr);
    bool StartLoad(LoadDestination destination, RunFollowUp then);
    // The run being left, as far as its report needs it.
    struct LeftRun {
        ProtocolMode mode = ProtocolMode::Idle;
        RunFollowUp then;
    };
    // Reports a failure of the link on the terminal, closes the link and ends the run.
    void EndOnLinkFailure(const std::string& line, RunReason reason);
    // Leaves the active run without reporting it; the mode is Idle afterwards.
    LeftRun LeaveRun();
    // Reports how the run ended (nothing when no run was active).
    void ReportRunEnd(LeftRun left, RunEnd end, RunReason reason);
    // A command stopped before its run began: message box and terminal line, then reported.
    void Refuse(ProtocolMode mode, RunReason reason, const Translatable& sentence);
    void ReportRefused(ProtocolMode mode, RunReason reason);

    RunHost& host_;
    ChannelDatabase& db_;
    ImageBuffers& images_;
    // The parse results of Update Parameters; one instance for every parse.
    std::unique_ptr<ParameterDataFile> dataFile_;
    std::unique_ptr<ReceiverRun> run_;
    RunFollowUp followUp_;  // hears how run_ ends
    // A run that ended while it handled a byte; it is let go once the byte is handled.
    std::unique_ptr<ReceiverRun> endedRun_;
    bool dispatching_ = false;
};

}  // namespace zev
