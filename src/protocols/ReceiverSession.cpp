// The commands that start the receiver runs, Stop Update, and the run bookkeeping they share.
#include "protocols/ReceiverSession.h"

#include "core/FileName.h"
#include "core/TextFormat.h"
#include "formats/ParameterUpdateImage.h"
#include "formats/SoftwareFile.h"
#include "protocols/FileByteSource.h"
#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"
#include "protocols/SessionState.h"

namespace zev {
namespace {

constexpr const char* kAppTitle = "zev";
constexpr const char* kNoFile = "*.*";
constexpr const char* kCantOpenLink = "\nCan't open connection, maybe COM has been opened!";
// The lines of the software and OTA runs.
constexpr const char* kFailedOpen = "\nFailed to open %s.";
constexpr const char* kFileOpen = "\nFile '%s' is open!";
constexpr const char* kPortOpen = " %s is open!\n";
constexpr const char* kWaitBootLoader =
    "\nPlease reset ZEV. Waiting for sign from 'Boot loader' =>";

// The whole of an open file, read once from its start.
bool ReadWhole(std::FILE* file, std::vector<uint8_t>& bytes) {
    if (file == nullptr || std::fseek(file, 0, SEEK_SET) != 0) {
        return false;
    }
    uint8_t chunk[8192];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return std::ferror(file) == 0;
}

}  // namespace

ReceiverSession::ReceiverSession(RunHost& host, ChannelDatabase& db, ImageBuffers& images)
    : host_(host), db_(db), images_(images), impl_(std::make_unique<Impl>()) {}

ReceiverSession::~ReceiverSession() { CloseHeldFile(); }

void ReceiverSession::HoldFile(std::FILE* file, OpenFile state) {
    if (heldFile_ != nullptr && heldFile_ != file) {
        std::fclose(heldFile_);
    }
    heldFile_ = file;
    openFileState_ = file != nullptr ? state : OpenFile::None;
}

void ReceiverSession::CloseHeldFile() { HoldFile(nullptr, OpenFile::None); }

bool ReceiverSession::HasCurrentFile(const char* missing) {
    if (currentFileName == kNoFile) {
        host_.Message(missing, "Warning", MsgIcon::Exclamation);
        return false;
    }
    return true;
}

bool ReceiverSession::HasExtension(const std::string& extension) {
    if (FileExtension(currentFileName) != extension) {
        host_.AppendText("\nOpen file is invalid, exit!");
        return false;
    }
    return true;
}

void ReceiverSession::PrepareRun(bool otaLoader) {
    statusConnected_ = false;
    host_.AppendText("\n*****************************************************");
    host_.AppendText("\n** ZEV Management Utility for Orvane-Settop Box **");
    if (otaLoader) {
        host_.AppendText("\n**      Communicating with 'Boot loader V3.0'      **");
        host_.AppendText("\n**          Version 3.0   (OTA download)           **");
    } else {
        host_.AppendText("\n**      Communicating with 'Boot loader V2.0'      **");
        host_.AppendText("\n**          Version 2.0   (serial download)        **");
    }
    host_.AppendText("\n*****************************************************");
}

bool ReceiverSession::OpenRunFile(const char* mode, OpenFile state, const char* failedFormat,
                                  const char* openedFormat) {
    std::FILE* file = std::fopen(currentFileName.c_str(), mode);
    if (file == nullptr) {
        ReportFailedOpen(failedFormat);
        return false;
    }
    host_.AppendText(Format(openedFormat, currentFileName.c_str()));
    HoldFile(file, state);
    return true;
}

bool ReceiverSession::OpenLinkForRun() {
    if (!host_.OpenLink()) {
        host_.AppendText(kCantOpenLink);
    }
    return host_.LinkOpen();
}

void ReceiverSession::BeginRun(ProtocolMode mode) {
    // A command given while another run is active starts over.
    EndRun(false);
    mode_ = mode;
    step_ = 0;
    impl_->frame.Clear();
    statusConnected_ = true;
    runStart_ = host_.Now();
}

void ReceiverSession::AnnounceRun(ProtocolMode mode, const char* portFormat, const char* waiting) {
    BeginRun(mode);
    host_.AppendText(Format(portFormat, host_.PortName().c_str()));
    host_.AppendText(waiting);
}

ProtocolMode ReceiverSession::LeaveRun() {
    const ProtocolMode left = mode_;
    mode_ = ProtocolMode::Idle;
    step_ = 0;
    impl_->frame.Clear();
    return left;
}

void ReceiverSession::ReportRunEnd(ProtocolMode mode, bool success) {
    if (mode == ProtocolMode::Idle) {
        return;
    }
    host_.TransferProgress(0, 0);
    host_.RunFinished(mode, success);
}

void ReceiverSession::EndRun(bool success) { ReportRunEnd(LeaveRun(), success); }

bool ReceiverSession::CollectCheckedFrame(uint8_t value, uint8_t length, const char* badStx,
                                          const char* badEtx) {
    switch (CollectFrame(impl_->frame, value, length)) {
        case FrameStep::Incomplete:
            return false;
        case FrameStep::BadStx:
            host_.AppendText(badStx);
            EndRun(false);
            return false;
        case FrameStep::BadEtx:
            host_.AppendText(badEtx);
            EndRun(false);
            return false;
        case FrameStep::Complete:
            return true;
    }
    return false;
}

void ReceiverSession::Refuse(const std::string& sentence) {
    host_.Message(sentence, "Warning", MsgIcon::Exclamation);
    host_.AppendText("\n" + sentence);
}

void ReceiverSession::ReportFailedOpen(const char* format) {
    const std::string text = Format(format, currentFileName.c_str());
    host_.Message(text, kAppTitle, MsgIcon::Exclamation);
    host_.AppendText(text);
    CloseHeldFile();
}

void ReceiverSession::HandleByte(uint8_t value) {
    switch (mode_) {
        case ProtocolMode::UpdateParameters:
        case ProtocolMode::UpdateSoftware:
            HandleBootLoaderByte(value);
            break;
        case ProtocolMode::LoadSettings:
            HandleLoadByte(value);
            break;
        case ProtocolMode::SendSettings:
            HandleSendByte(value);
            break;
        case ProtocolMode::OtaUpdate:
            HandleOtaByte(value);
            break;
        case ProtocolMode::Idle:
            break;
    }
}

void ReceiverSession::UpdateParameters() {
    if (!HasCurrentFile("Please open params data file!")) {
        return;
    }
    PrepareRun(false);
    if (!OpenRunFile("r", OpenFile::ParameterFile, "\nFailed to open %s. ", "\nFile '%s' Open! ")) {
        host_.CloseLink();
        return;
    }
    ParameterDataFile& data = impl_->dataFile;
    std::vector<uint8_t> bytes;
    if (!ReadWhole(heldFile_, bytes) || !data.Parse(bytes)) {
        host_.Message("Input file is invalid !", kAppTitle, MsgIcon::Exclamation);
        CloseHeldFile();
        host_.CloseLink();
        return;
    }
    for (const MalformedLine& line : data.MalformedLines()) {
        host_.AppendText("\n" + MalformedLineText(line));
    }
    impl_->updateLength = UpdateImageLength(data);
    // The tables and the image buffer have fixed sizes: refuse what they cannot hold.
    if (const std::string problem = UpdateImageProblem(data, images_.input.size());
        !problem.empty()) {
        Refuse(problem + " Nothing is sent.");
        CloseHeldFile();
        host_.CloseLink();
        return;
    }
    if (!OpenLinkForRun()) {
        return;
    }
    AnnounceRun(ProtocolMode::UpdateParameters, "\n %s is open!", kWaitBootLoader);
    host_.WaitingForReset();
}

void ReceiverSession::UpdateSoftware() {
    if (!HasCurrentFile("Please open software data file!") || !HasExtension("cus")) {
        return;
    }
    PrepareRun(false);
    if (!OpenRunFile("rb", OpenFile::SoftwareFile, kFailedOpen, kFileOpen)) {
        return;
    }
    // The loader counts blocks in 8 bits and needs at least one.
    FileByteSource file(heldFile_);
    if (const std::string problem = SoftwareFileProblem(currentFileName, file.Size().value_or(0));
        !problem.empty()) {
        Refuse(problem);
        CloseHeldFile();
        return;
    }
    if (!OpenLinkForRun()) {
        return;
    }
    AnnounceRun(ProtocolMode::UpdateSoftware, kPortOpen, kWaitBootLoader);
    host_.WaitingForReset();
}

void ReceiverSession::LoadSettingFromBox() {
    PrepareRun(false);
    if (!OpenLinkForRun()) {
        return;
    }
    AnnounceRun(ProtocolMode::LoadSettings, "\n%s is open!", "\nWait for starting get box data =>");
    host_.SendByte(0xBB);
}

void ReceiverSession::SendSettingToBox() {
    const bool noFile = currentFileName == kNoFile;
    if (noFile && !db_.Loaded) {
        host_.Message("Please open transfer data file!", "Warning", MsgIcon::Exclamation);
        return;
    }
    if (!(FileExtension(currentFileName) == "stc" || (noFile && db_.Loaded))) {
        host_.Message("Input file is invalid, exit!", "Warning", MsgIcon::Exclamation);
        return;
    }
    const MsgAnswer modifyDefault =
        host_.Message("Modify Default Channels the same?", "Send Channels Data", MsgIcon::Question,
                      MsgButtons::YesNoCancel, MsgAnswer::Cancel);
    if (modifyDefault != MsgAnswer::Yes && modifyDefault != MsgAnswer::No) {
        return;
    }
    if (!PrepareSendImage(modifyDefault)) {
        return;
    }
    PrepareRun(false);
    if (!OpenLinkForRun()) {
        return;
    }
    AnnounceRun(ProtocolMode::SendSettings, "\n%s is open!",
                "\nWait for starting send data to box =>");
    host_.SendByte(0xCC);
}

void ReceiverSession::OtaSoftwareUpdate() {
    if (!HasCurrentFile("Please open ota software data file!") || !HasExtension("sgn")) {
        return;
    }
    PrepareRun(true);
    if (!OpenRunFile("rb", OpenFile::OtaFile, kFailedOpen, kFileOpen)) {
        return;
    }
    // The offsets and the length come from the file: check them before anything is sent.
    FileByteSource file(heldFile_);
    const OtaFileCheck check = CheckOtaFile(file);
    if (!check.ok) {
        Refuse(check.error + " Nothing is sent.");
        CloseHeldFile();
        return;
    }
    impl_->otaInfo = check.info;
    if (!OpenLinkForRun()) {
        return;
    }
    PrintOtaInformation();
    AnnounceRun(ProtocolMode::OtaUpdate, kPortOpen,
                "\nPlease reset ZEV. Waiting for sign from 'loader' =>");
    host_.WaitingForReset();
}

void ReceiverSession::StopUpdate() {
    CloseHeldFile();
    currentFileName = kNoFile;
    const bool wasOpen = host_.LinkOpen();
    host_.CloseLink();
    const std::string port = host_.PortName();
    if (host_.LinkOpen()) {
        statusConnected_ = true;
        host_.AppendText(Format("\nOh, %s can't close!", port.c_str()));
        return;
    }
    const ProtocolMode stopped = LeaveRun();
    statusConnected_ = false;
    host_.AppendText(wasOpen ? Format("\n%s has been closed!", port.c_str())
                             : Format("\nOh, maybe %s hasn't been opened!", port.c_str()));
    ReportRunEnd(stopped, false);
}

void ReceiverSession::OnLinkConnected() {
    EndRun(false);
    runStart_ = host_.Now();
    statusConnected_ = true;
}

void ReceiverSession::OnLinkDisconnected() {
    EndRun(false);
    statusConnected_ = false;
}

void ReceiverSession::OnLinkLost(const std::string& reason) {
    host_.AppendText(
        Format("\nThe connection to %s was lost: %s", host_.PortName().c_str(), reason.c_str()));
    host_.CloseLink();
    statusConnected_ = false;
    EndRun(false);
}

}  // namespace zev
