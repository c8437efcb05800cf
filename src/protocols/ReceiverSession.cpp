#include "protocols/ReceiverSession.h"

#include <utility>

#include "core/FileName.h"
#include "core/TextFormat.h"
#include "formats/ParameterUpdateImage.h"
#include "formats/SoftwareFile.h"
#include "formats/SoftwareInfo.h"
#include "protocols/LoadSettingsRun.h"
#include "protocols/OtaUpdateRun.h"
#include "protocols/ParameterUpdateRun.h"
#include "protocols/SendSettingsRun.h"
#include "protocols/SoftwareUpdateRun.h"

namespace zev {
namespace {

constexpr const char* kAppTitle = "zev";
constexpr const char* kNoFile = "*.*";
constexpr const char* kCantOpenLink = "\nCan't open connection, maybe COM has been opened!";
// The lines of the software and OTA commands.
// Also the first line of a message box, so a wording with the file for %1.
constexpr const char* kFailedOpen = ZEV_TR_NOOP("RunHost", "\nFailed to open %1.");
constexpr const char* kFileOpen = "\nFile '%s' is open!";
constexpr const char* kPortOpen = " %s is open!\n";
constexpr const char* kWaitBootLoader =
    "\nPlease reset ZEV. Waiting for sign from 'Boot loader' =>";

// A file's problem and what follows from it.
Translatable NothingIsSent(Translatable problem) {
    return Translatable::Joined("%1 %2",
                                {std::move(problem), ZEV_TR("RunHost", "Nothing is sent.")});
}

}  // namespace

ReceiverSession::ReceiverSession(RunHost& host, ChannelDatabase& db, ImageBuffers& images)
    : host_(host), db_(db), images_(images), dataFile_(std::make_unique<ParameterDataFile>()) {}

ReceiverSession::~ReceiverSession() = default;

ProtocolMode ReceiverSession::Mode() const { return run_ ? run_->Mode() : ProtocolMode::Idle; }

uint8_t ReceiverSession::ProtocolStep() const { return run_ ? run_->StepNumber() : 0; }

OpenFile ReceiverSession::OpenFileState() const { return run_ ? run_->HeldFile() : OpenFile::None; }

void ReceiverSession::HandleByte(uint8_t value) {
    if (!run_) {
        return;
    }
    // The run may end with this byte; it stays alive until the byte is handled.
    ReceiverRun* run = run_.get();
    dispatching_ = true;
    run->HandleByte(value);
    dispatching_ = false;
    endedRun_.reset();
}

// ---- commands -------------------------------------------------------------------------------

void ReceiverSession::UpdateParameters(const std::string& dataFile) {
    constexpr ProtocolMode mode = ProtocolMode::UpdateParameters;
    if (!HasDataFile(mode, dataFile, ZEV_TR_NOOP("RunHost", "Please open params data file!"))) {
        return;
    }
    PrepareRun(false);
    const std::unique_ptr<RunFile> file = OpenDataFile(
        mode, dataFile, ZEV_TR_NOOP("RunHost", "\nFailed to open %1. "), "\nFile '%s' Open! ");
    if (!file) {
        host_.CloseLink();
        return;
    }
    // The file is read once, here; the image is built from what the parse kept.
    FileError readError;
    const std::optional<std::vector<uint8_t>> bytes = file->ReadAll(kMaxDataFileSize, readError);
    if (!bytes) host_.AppendText("\n" + readError.Sentence());
    if (!bytes || !dataFile_->Parse(*bytes)) {
        host_.Message(ZEV_TR("RunHost", "Input file is invalid !"), kAppTitle,
                      MsgIcon::Exclamation);
        host_.CloseLink();
        ReportRefused(mode, RunReason::FileInvalid);
        return;
    }
    // Malformed lines are not packed: the person sees which before anything is sent.
    for (const MalformedLine& line : dataFile_->MalformedLines()) {
        host_.AppendText("\n" + MalformedLineText(line));
        host_.MalformedDataLine(dataFile, line);
    }
    // The tables and the image buffer have fixed sizes: refuse what they cannot hold.
    if (Translatable problem = UpdateImageProblem(*dataFile_, images_.input.size());
        !problem.Empty()) {
        Refuse(mode, RunReason::FileInvalid, NothingIsSent(std::move(problem)));
        host_.CloseLink();
        return;
    }
    if (!OpenLinkForRun(mode)) {
        return;
    }
    BeginRun(std::make_unique<ParameterUpdateRun>(host_, Control(), *dataFile_, images_),
             "\n %s is open!", kWaitBootLoader);
    host_.WaitingForReset();
}

void ReceiverSession::UpdateSoftware(const std::string& dataFile) {
    constexpr ProtocolMode mode = ProtocolMode::UpdateSoftware;
    if (!HasDataFile(mode, dataFile, ZEV_TR_NOOP("RunHost", "Please open software data file!")) ||
        !HasExtension(mode, dataFile, "cus")) {
        return;
    }
    PrepareRun(false);
    std::unique_ptr<RunFile> file = OpenDataFile(mode, dataFile, kFailedOpen, kFileOpen);
    if (!file) {
        return;
    }
    // The loader counts blocks in 8 bits and needs at least one.
    if (const std::string problem = SoftwareFileProblem(dataFile, file->Size().value_or(0));
        !problem.empty()) {
        Refuse(mode, RunReason::FileInvalid, problem);
        return;
    }
    if (!OpenLinkForRun(mode)) {
        return;
    }
    BeginRun(std::make_unique<SoftwareUpdateRun>(host_, Control(), std::move(file)), kPortOpen,
             kWaitBootLoader);
    host_.WaitingForReset();
}

void ReceiverSession::LoadSettingFromBox() {
    // A checked block replaces the database and shows its TV list.
    auto intoDatabase = [this](std::span<const uint8_t> block) {
        const ImageResult result = UnpackImage(db_, block);
        if (!result.ok) {
            host_.AppendText("\n" + result.error.English());
            return RunReason::ImageRefused;
        }
        host_.ShowLoadedTvList();
        return RunReason::None;
    };
    StartLoad({.take = intoDatabase, .forgetsDataFile = true}, nullptr);
}

bool ReceiverSession::LoadBoxBlock(BlockTaker take, RunFollowUp then) {
    return StartLoad({.take = std::move(take), .forgetsDataFile = false}, std::move(then));
}

bool ReceiverSession::StartLoad(LoadDestination destination, RunFollowUp then) {
    PrepareRun(false);
    if (!OpenLinkForRun(ProtocolMode::LoadSettings)) {
        return false;
    }
    BeginRun(std::make_unique<LoadSettingsRun>(host_, Control(), images_, std::move(destination)),
             "\n%s is open!", "\nWait for starting get box data =>", std::move(then));
    host_.SendByte(LoadSettingsRun::kRequest);
    return true;
}

void ReceiverSession::SendSettingToBox(const std::string& dataFile) {
    if (const std::optional<SendTarget> target = PrepareSend(dataFile)) {
        StartSend(*target);
    }
}

std::optional<SendTarget> ReceiverSession::PrepareSend(const std::string& dataFile) {
    constexpr ProtocolMode mode = ProtocolMode::SendSettings;
    const bool noFile = dataFile == kNoFile;
    if (noFile && !db_.Loaded) {
        host_.Message(ZEV_TR("RunHost", "Please open transfer data file!"),
                      ZEV_TR("RunHost", "Warning"), MsgIcon::Exclamation);
        ReportRefused(mode, RunReason::NoFileChosen);
        return std::nullopt;
    }
    if (!(FileExtension(dataFile) == "stc" || (noFile && db_.Loaded))) {
        host_.Message(ZEV_TR("RunHost", "Input file is invalid, exit!"),
                      ZEV_TR("RunHost", "Warning"), MsgIcon::Exclamation);
        ReportRefused(mode, RunReason::WrongExtension);
        return std::nullopt;
    }
    RunReason refusal = RunReason::None;
    std::optional<SendTarget> target = PrepareSendTarget(host_, db_, images_, refusal);
    if (!target) {
        ReportRefused(mode, refusal);
    }
    return target;
}

bool ReceiverSession::StartSend(const SendTarget& target, RunFollowUp then) {
    PrepareRun(false);
    if (!OpenLinkForRun(ProtocolMode::SendSettings)) {
        return false;
    }
    BeginRun(std::make_unique<SendSettingsRun>(host_, Control(), images_, target), "\n%s is open!",
             "\nWait for starting send data to box =>", std::move(then));
    host_.SendByte(SendSettingsRun::kRequest);
    return true;
}

void ReceiverSession::OtaSoftwareUpdate(const std::string& dataFile) {
    constexpr ProtocolMode mode = ProtocolMode::OtaUpdate;
    if (!HasDataFile(mode, dataFile,
                     ZEV_TR_NOOP("RunHost", "Please open ota software data file!")) ||
        !HasExtension(mode, dataFile, "sgn")) {
        return;
    }
    PrepareRun(true);
    std::unique_ptr<RunFile> file = OpenDataFile(mode, dataFile, kFailedOpen, kFileOpen);
    if (!file) {
        return;
    }
    // The offsets and the length come from the file: check them before anything is sent.
    const OtaFileCheck check = CheckOtaFile(*file);
    if (!check.ok) {
        Refuse(mode, RunReason::FileInvalid, NothingIsSent(check.error));
        return;
    }
    if (!OpenLinkForRun(mode)) {
        return;
    }
    auto run = std::make_unique<OtaUpdateRun>(host_, Control(), std::move(file), check.info);
    run->PrintInformation();
    BeginRun(std::move(run), kPortOpen, "\nPlease reset ZEV. Waiting for sign from 'loader' =>");
    host_.WaitingForReset();
}

void ReceiverSession::StopUpdate() {
    const bool forgetFile = !run_ || run_->ForgetsDataFile();
    StopUpdate(forgetFile);
}

void ReceiverSession::StopUpdate(bool forgetDataFile) {
    if (run_) {
        run_->CloseFile();
    }
    if (forgetDataFile) {
        host_.ForgetDataFile();
    }
    const bool wasOpen = host_.LinkOpen();
    host_.CloseLink();
    const std::string port = host_.PortName();
    if (host_.LinkOpen()) {
        host_.ShowConnected(true, false);
        host_.AppendText(Format("\nOh, %s can't close!", port.c_str()));
        return;
    }
    const bool cutShort = run_ && run_->FirstBlockSent();
    LeftRun stopped = LeaveRun();
    host_.ShowConnected(false, false);
    host_.AppendText(wasOpen ? Format("\n%s has been closed!", port.c_str())
                             : Format("\nOh, maybe %s hasn't been opened!", port.c_str()));
    if (cutShort) {
        host_.AppendText(kIncompleteUpdateLine);
    }
    ReportRunEnd(std::move(stopped), RunEnd::Stopped, RunReason::StopUpdate);
}

void ReceiverSession::OnLinkConnected() {
    EndRun(RunEnd::Stopped, RunReason::LinkReset);
    host_.ShowConnected(true, true);
}

void ReceiverSession::OnLinkDisconnected() {
    EndRun(RunEnd::Stopped, RunReason::LinkReset);
    host_.ShowConnected(false, false);
}

void ReceiverSession::OnLinkLost(const std::string& reason) {
    EndOnLinkFailure(
        Format("\nThe connection to %s was lost: %s", host_.PortName().c_str(), reason.c_str()),
        RunReason::LinkLost);
}

void ReceiverSession::OnWriteFailed(const std::string& reason) {
    EndOnLinkFailure(Format("\nSending to %s failed: %s. The port is closed.",
                            host_.PortName().c_str(), reason.c_str()),
                     RunReason::WriteFailed);
}

void ReceiverSession::EndOnLinkFailure(const std::string& line, RunReason reason) {
    host_.AppendText(line);
    host_.CloseLink();
    host_.ShowConnected(false, false);
    EndRun(RunEnd::Failed, reason);
}

// ---- what the commands share ----------------------------------------------------------------

bool ReceiverSession::HasDataFile(ProtocolMode mode, const std::string& dataFile,
                                  const char* missing) {
    if (dataFile != kNoFile) {
        return true;
    }
    host_.Message(Translatable("RunHost", missing), ZEV_TR("RunHost", "Warning"),
                  MsgIcon::Exclamation);
    ReportRefused(mode, RunReason::NoFileChosen);
    return false;
}

bool ReceiverSession::HasExtension(ProtocolMode mode, const std::string& dataFile,
                                   const char* extension) {
    if (FileExtension(dataFile) == extension) {
        return true;
    }
    host_.AppendText("\nOpen file is invalid, exit!");
    ReportRefused(mode, RunReason::WrongExtension);
    return false;
}

void ReceiverSession::PrepareRun(bool otaLoader) {
    // A command given while another run is active starts over: the run it ends has its say
    // (the update is incomplete) before the new run's first line.
    EndRun(RunEnd::Stopped, RunReason::Restarted);
    host_.ShowConnected(false, false);
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

std::unique_ptr<RunFile> ReceiverSession::OpenDataFile(ProtocolMode mode,
                                                       const std::string& dataFile,
                                                       const char* failedWording,
                                                       const char* openedFormat) {
    FileError error;
    std::unique_ptr<RunFile> file = RunFile::Open(dataFile, error);
    if (!file) {
        const Translatable text = Translatable("RunHost", failedWording).Arg(dataFile);
        // A file problem, so a warning; the box also says why (a file that is not there, one
        // that is no regular file), the terminal has the line alone.
        host_.Message(JoinedLines({text, error.SentenceText()}), ZEV_TR("RunHost", "Warning"),
                      MsgIcon::Exclamation);
        host_.AppendText(text.English());
        ReportRefused(mode, RunReason::FileUnreadable);
        return nullptr;
    }
    host_.AppendText(Format(openedFormat, dataFile.c_str()));
    return file;
}

bool ReceiverSession::OpenLinkForRun(ProtocolMode mode) {
    if (!host_.OpenLink()) {
        host_.AppendText(kCantOpenLink);
        // Why, on the next line: the person can act on it.
        if (const std::string why = host_.LinkProblem(); !why.empty()) {
            host_.AppendText("\n" + why);
        }
    }
    // The link may have been open already: the run goes ahead on it.
    if (host_.LinkOpen()) {
        return true;
    }
    ReportRefused(mode, RunReason::LinkUnavailable);
    return false;
}

void ReceiverSession::BeginRun(std::unique_ptr<ReceiverRun> run, const char* portFormat,
                               const char* waiting, RunFollowUp then) {
    run_ = std::move(run);
    followUp_ = std::move(then);
    host_.ShowConnected(true, true);
    host_.AppendText(Format(portFormat, host_.PortName().c_str()));
    host_.AppendText(waiting);
}

ReceiverSession::LeftRun ReceiverSession::LeaveRun() {
    if (!run_) {
        return {};
    }
    LeftRun left{.mode = run_->Mode(), .then = std::exchange(followUp_, nullptr)};
    if (dispatching_) {
        endedRun_ = std::move(run_);
    } else {
        run_.reset();
    }
    return left;
}

void ReceiverSession::ReportRunEnd(LeftRun left, RunEnd end, RunReason reason) {
    if (left.mode == ProtocolMode::Idle) {
        return;
    }
    host_.TransferProgress(0, 0);
    const RunOutcome outcome{.mode = left.mode, .end = end, .reason = reason};
    if (left.then) {
        left.then(outcome);
    } else {
        host_.RunFinished(outcome);
    }
}

void ReceiverSession::EndRun(RunEnd end, RunReason reason) {
    // Ended from outside after its first block, a transfer leaves the flash half written.
    const bool fromOutside =
        end == RunEnd::Stopped || reason == RunReason::LinkLost || reason == RunReason::WriteFailed;
    const bool cutShort = run_ && run_->FirstBlockSent() && fromOutside;
    LeftRun left = LeaveRun();
    if (cutShort) {
        host_.AppendText(kIncompleteUpdateLine);
    }
    ReportRunEnd(std::move(left), end, reason);
}

void ReceiverSession::EndRunWithStopUpdate(const std::function<RunReason()>& verdict) {
    const bool forgetFile = run_ && run_->ForgetsDataFile();
    LeftRun finished = LeaveRun();
    StopUpdate(forgetFile);
    const RunReason reason = verdict();
    ReportRunEnd(std::move(finished),
                 reason == RunReason::None ? RunEnd::Succeeded : RunEnd::Failed, reason);
}

void ReceiverSession::Refuse(ProtocolMode mode, RunReason reason, const Translatable& sentence) {
    host_.Message(sentence, ZEV_TR("RunHost", "Warning"), MsgIcon::Exclamation);
    host_.AppendText("\n" + sentence.English());
    ReportRefused(mode, reason);
}

void ReceiverSession::ReportRefused(ProtocolMode mode, RunReason reason) {
    host_.RunFinished({.mode = mode, .end = RunEnd::Refused, .reason = reason});
}

}  // namespace zev
