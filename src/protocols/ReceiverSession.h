// The receiver runs of the terminal: Update Parameters, Update Software, Load Setting from Box,
// Send Setting to Box, OTA Software Update and Stop Update, with the byte handlers that conduct
// them. Pure and deterministic: everything outside goes through the RunHost.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"
#include "protocols/RunHost.h"

namespace zev {

struct Handshake;
struct LoaderTransfer;

// Which data file the terminal holds open (OpenFileState).
enum class OpenFile : int {
    None = 0,
    ParameterFile = 1,
    SoftwareFile = 2,
    ImageFile = 3,
    OtaFile = 4
};

class ReceiverSession {
  public:
    ReceiverSession(RunHost& host, ChannelDatabase& db, ImageBuffers& images);
    ~ReceiverSession();
    ReceiverSession(const ReceiverSession&) = delete;
    ReceiverSession& operator=(const ReceiverSession&) = delete;

    // Commands.
    void UpdateParameters();
    void UpdateSoftware();
    void StopUpdate();
    void LoadSettingFromBox();
    void SendSettingToBox();
    void OtaSoftwareUpdate();

    // Effects of Com Connect / Com Disconnect on the run state.
    void OnLinkConnected();
    void OnLinkDisconnected();
    // The device went away under a run (adapter pulled, pseudo-terminal closed): report it,
    // close the link and end the run.
    void OnLinkLost(const std::string& reason);

    // One received byte for the active run's byte handler (echo is the caller's business).
    void HandleByte(uint8_t value);

    ProtocolMode Mode() const { return mode_; }
    uint8_t ProtocolStep() const { return step_; }
    bool StatusConnected() const { return statusConnected_; }
    void SetStatusConnected(bool on) { statusConnected_ = on; }
    std::time_t RunStart() const { return runStart_; }
    void SetRunStart(std::time_t t) { runStart_ = t; }

    // The program's one current file; "*.*" means none.
    std::string currentFileName = "*.*";

    // The held data file. HoldFile closes whatever was held before.
    OpenFile OpenFileState() const { return openFileState_; }
    std::FILE* HeldFile() const { return heldFile_; }
    void HoldFile(std::FILE* file, OpenFile state);
    void CloseHeldFile();

    // Answer to "Modify Default Channels the same?" etc. come from host.Message().

    RunHost& Host() { return host_; }
    ChannelDatabase& Database() { return db_; }
    ImageBuffers& Images() { return images_; }

  private:
    struct Impl;

    // Every command's checks and its run's start: file, banner, link, run state.

    // A command that needs the current file: false, after a warning box, when there is none.
    bool HasCurrentFile(const char* missing);
    // False, after a terminal line, when the current file has another extension.
    bool HasExtension(const std::string& extension);
    // The status shows no connection until the run begins; the banner names the loader.
    void PrepareRun(bool otaLoader);
    // Opens the current file with fopen's mode and holds it, with a terminal line either way.
    bool OpenRunFile(const char* mode, OpenFile state, const char* failedFormat,
                     const char* openedFormat);
    bool OpenLinkForRun();
    void BeginRun(ProtocolMode mode);
    // Begins the run and tells which port it uses and what it waits for.
    void AnnounceRun(ProtocolMode mode, const char* portFormat, const char* waiting);
    // Leaves the active run (mode Idle, step 0) and returns the mode it had.
    ProtocolMode LeaveRun();
    void ReportRunEnd(ProtocolMode mode, bool success);
    // Ends the active run and reports it to the host.
    void EndRun(bool success);
    // A check that failed before anything was sent: message box and terminal line.
    void Refuse(const std::string& sentence);
    void ReportFailedOpen(const char* format);

    // Collects one byte of a `length`-byte frame; true once it is complete. A frame without
    // its STX or ETX ends the run with the given line.
    bool CollectCheckedFrame(uint8_t value, uint8_t length, const char* badStx, const char* badEtx);
    // Steps 0 to 2 of every run but Stop Update; true once the ready frame is in and the
    // run's own part begins.
    bool HandleHandshake(const Handshake& handshake, uint8_t value);
    // The data steps of the boot loader and OTA loader runs.
    void HandleTransferByte(const LoaderTransfer& transfer, uint8_t value);
    void HandleSyncByte(const LoaderTransfer& transfer, uint8_t value);
    // Sends the next block of the parameter image or the held file; on the last one the
    // checksum follows.
    void SendNextDataBlock(const LoaderTransfer& transfer, bool restart);
    // Update Parameters sends the image built from its file, the other loader runs the file.
    bool SendsImage() const;

    void HandleBootLoaderByte(uint8_t value);
    void StartBootLoaderData();
    // Steps 0 to 2 of both settings runs; false when the run is past them.
    bool HandleSettingsHandshake(uint8_t value);
    void HandleLoadByte(uint8_t value);
    void HandleLoadHeader();
    void FinishLoad();
    void HandleSendByte(uint8_t value);
    void SendSettingsBlock();
    bool PrepareSendImage(MsgAnswer modifyDefault);
    void HandleOtaByte(uint8_t value);
    void HandleOtaInfoAnswer(uint8_t value);
    void PrintOtaInformation();

    RunHost& host_;
    ChannelDatabase& db_;
    ImageBuffers& images_;
    ProtocolMode mode_ = ProtocolMode::Idle;
    uint8_t step_ = 0;
    bool statusConnected_ = false;
    std::time_t runStart_ = 0;
    OpenFile openFileState_ = OpenFile::None;
    std::FILE* heldFile_ = nullptr;
    std::unique_ptr<Impl> impl_;  // transfer state of the runs
};

}  // namespace zev
