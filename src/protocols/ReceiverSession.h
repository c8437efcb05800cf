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
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "protocols/ReceiverRun.h"
#include "protocols/RunFile.h"
#include "protocols/RunHost.h"

namespace zev {

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

    // Effects of Com Connect / Com Disconnect on the run state.
    void OnLinkConnected();
    void OnLinkDisconnected();
    // The device went away under a run (adapter pulled, pseudo-terminal closed): report it,
    // close the link and end the run.
    void OnLinkLost(const std::string& reason);

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

    // A command that needs a current file: false, after a warning box, when there is none.
    bool HasDataFile(ProtocolMode mode, const std::string& dataFile, const char* missing);
    // False, after a terminal line, when the file has another extension.
    bool HasExtension(ProtocolMode mode, const std::string& dataFile, const char* extension);
    // The status shows no connection until the run begins; the banner names the loader.
    void PrepareRun(bool otaLoader);
    // Opens the data file and reports it, with a terminal line either way.
    std::unique_ptr<RunFile> OpenDataFile(ProtocolMode mode, const std::string& dataFile,
                                          const char* failedFormat, const char* openedFormat);
    bool OpenLinkForRun(ProtocolMode mode);
    // Makes `run` the active run (a run still active ends first) and tells which port it uses
    // and what it waits for.
    void BeginRun(std::unique_ptr<ReceiverRun> run, const char* portFormat, const char* waiting);
    // Leaves the active run without reporting it and returns its mode; the mode is Idle
    // afterwards.
    ProtocolMode LeaveRun();
    // Reports how the run of `mode` ended (nothing for Idle: no run was active).
    void ReportRunEnd(ProtocolMode mode, RunEnd end, RunReason reason);
    // A command stopped before its run began: message box and terminal line, then reported.
    void Refuse(ProtocolMode mode, RunReason reason, const std::string& sentence);
    void ReportRefused(ProtocolMode mode, RunReason reason);

    RunHost& host_;
    ChannelDatabase& db_;
    ImageBuffers& images_;
    // The parse results of Update Parameters; one instance for every parse.
    std::unique_ptr<ParameterDataFile> dataFile_;
    std::unique_ptr<ReceiverRun> run_;
    // A run that ended while it handled a byte; it is let go once the byte is handled.
    std::unique_ptr<ReceiverRun> endedRun_;
    bool dispatching_ = false;
};

}  // namespace zev
