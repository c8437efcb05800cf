// zev-cli's receiver commands. Each one sets up what the desktop program's terminal view
// has (database, image buffers, link, session, notification pump), gives the same command
// the menu would, and runs the event loop until the run ends. The conversations themselves
// are ReceiverSession's.
#include "cli/ReceiverCommands.h"

#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/ImageFiles.h"
#include "cli/Interrupts.h"
#include "cli/LineDumpStream.h"
#include "cli/LogFile.h"
#include "cli/MessageStream.h"
#include "cli/PortCommands.h"
#include "cli/ReceiverEventLoop.h"
#include "cli/ReceiverTerminal.h"
#include "core/FileReplacement.h"
#include "core/OutputFiles.h"
#include "core/RegularFile.h"
#include "database/StartupHeader.h"
#include "formats/ParameterImage.h"
#include "link/NotificationPump.h"
#include "link/SerialLink.h"
#include "link/SystemPortLister.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SettingsSafeguards.h"
#include "settings/SettingsFile.h"

namespace zev::cli {

namespace {

#define ZEV_PORT_OPTIONS "zev-cli [--port NAME|auto] [--baud N] [--timeout S] [--log FILE] "
constexpr CommandUsage kCommands[] = {
    {"monitor", 0, ZEV_PORT_OPTIONS "monitor [--hex [--timestamps]]",
     ZEV_CLI_PORT_OPTIONS " --hex --timestamps"},
    {"update-params", 1, ZEV_PORT_OPTIONS "update-params DATAFILE", ZEV_CLI_PORT_OPTIONS},
    {"update-software", 1, ZEV_PORT_OPTIONS "update-software FILE.cus", ZEV_CLI_PORT_OPTIONS},
    {"load", 1, ZEV_PORT_OPTIONS "load OUT.stc", ZEV_CLI_PORT_OPTIONS},
    {"send", 1, ZEV_PORT_OPTIONS "send IN.stc [--default] [--verify] [--backup FILE]",
     ZEV_CLI_PORT_OPTIONS " --default --verify --backup"},
    {"ota", 1, ZEV_PORT_OPTIONS "ota FILE.sgn", ZEV_CLI_PORT_OPTIONS},
};
#undef ZEV_PORT_OPTIONS

// default.dat of the working directory when there is one; a command line does not create it.
LinkSettings SettingsFor(const CliOptions& options, std::ostream& err) {
    LinkSettings settings;
    std::string problem;
    if (std::optional<LinkSettings> file = ReadSettingsFile(kSettingsFileName, &problem)) {
        settings = *file;
    } else if (!problem.empty()) {
        err << "zev-cli: " << problem << std::endl;
    }
    if (options.port) settings.portName = *options.port;
    if (options.baud) settings.baudRate = *options.baud;
    if (options.flash) settings.flashSizeIndex = *options.flash;
    if (options.user) settings.userSizeIndex = *options.user;
    return settings;
}

// An input file must be a regular file that can be read before a run is started for it.
bool InputReadable(const std::string& path, std::ostream& err) {
    FileError error;
    std::FILE* file = OpenRegularFile(path, false, error);
    if (file == nullptr) {
        err << "zev-cli: " << error.text << std::endl;
        return false;
    }
    std::fclose(file);
    return true;
}

// The exit status of a receiver command that ended with `outcome`: 0 success, 1 a run that did
// not succeed or a receiver that cannot take it, 2 a file the command refused.
int ExitStatusFor(const RunOutcome& outcome) {
    switch (outcome.end) {
        case RunEnd::Succeeded:
            return kExitOk;
        case RunEnd::Refused:
            // The receiver's side could not be reached, or the database does not fit it; every
            // other refusal is about the file or the command line.
            return outcome.reason == RunReason::LinkUnavailable ||
                           outcome.reason == RunReason::DefaultAreaTooSmall
                       ? kExitFailed
                       : kExitUsage;  // also a backup that could not be written
        case RunEnd::Failed:
        case RunEnd::Stopped:
            return kExitFailed;
    }
    return kExitFailed;
}

// The files a receiver command reads and writes, for CheckOutputs.
struct CommandFiles {
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
};

CommandFiles FilesOf(const CliOptions& options) {
    CommandFiles files;
    files.inputs.push_back(kSettingsFileName);  // the port settings
    if (options.command == "load") {
        files.outputs.push_back(options.args[0]);
    } else if (!options.args.empty()) {
        files.inputs.push_back(options.args[0]);
    }
    if (options.backup) files.outputs.push_back(*options.backup);
    if (options.log) files.outputs.push_back(*options.log);
    return files;
}

// Everything the terminal view holds for a run, wired as the desktop program wires it.
class ReceiverBench {
  public:
    // With `monitor --hex` the line's bytes go to `out` and the terminal's text to `err`.
    ReceiverBench(const CliOptions& options, std::ostream& out, std::ostream& err)
        : options_(options),
          err_(err),
          settings_(SettingsFor(options, err)),
          rawErr_(UnescapedBuffer(err)),
          terminal_(options.hex ? rawErr_ : out),
          db_(std::make_unique<ChannelDatabase>()),
          images_(std::make_unique<ImageBuffers>()),
          link_(settings_),
          host_(link_, terminal_, err),
          session_(host_, *db_, *images_),
          pump_(link_, session_, host_),
          safeguards_(session_, host_, *images_) {
        ApplyStartupHeader(db_->header, settings_.flashSizeIndex, settings_.userSizeIndex);
        if (options.hex) {
            hexDump_ = std::make_unique<LineDumpStream>(out, options.timestamps);
            link_.AddTap(hexDump_.get());
        }
    }

    ~ReceiverBench() {
        EndLink();
        if (logTap_ != nullptr) link_.RemoveTap(logTap_);
    }

    // Every file the command writes is checked, and its temporary file made, before anything
    // goes over the line: a file that cannot be written refuses the command, not its end.
    bool BeginOutputs() {
        const auto begin = [this](std::unique_ptr<FileReplacement>& file, const std::string& path) {
            file = std::make_unique<FileReplacement>(path);
            FileError error;
            if (file->Begin(error)) return true;
            err_ << "zev-cli: " << error.text << std::endl;
            return false;
        };
        if (options_.command == "load" && !begin(loadOutput_, options_.args[0])) return false;
        if (options_.backup && !begin(backup_, *options_.backup)) return false;
        if (options_.log) {
            log_ = std::make_unique<LogFile>(*options_.log);
            if (const auto begun = log_->Begin(); !begun) {
                err_ << "zev-cli: " << begun.error().text << std::endl;
                return false;
            }
            logTap_ = &log_->Tap();
            link_.AddTap(logTap_);
        }
        return true;
    }

    int Run() {
        const std::string& command = options_.command;
        if (command == "monitor") return Monitor();
        const std::string& path = options_.args[0];
        if (command == "load") return LoadFromBox();
        if (!InputReadable(path, err_)) return kExitUsage;
        if (command == "update-params") {
            session_.UpdateParameters(path);
        } else if (command == "update-software") {
            session_.UpdateSoftware(path);
        } else if (command == "ota") {
            session_.OtaSoftwareUpdate(path);
        } else {
            return SendToBox(path);
        }
        return AwaitRun();
    }

    // Closes the link and ends the log; a log that could not be written is a file error.
    int Finish(int status) {
        EndLink();
        if (!log_) return status;
        link_.RemoveTap(logTap_);
        logTap_ = nullptr;
        const auto closed = log_->Close(status == kExitOk);
        log_.reset();
        if (closed) return status;
        err_ << "zev-cli: " << closed.error().text << std::endl;
        return kExitUsage;
    }

  private:
    void EndLink() {
        link_.ClosePort();
        terminal_.Finish();
    }

    // Waits for the started run; the exit status tells how it ended.
    int AwaitRun() {
        if (session_.Mode() != ProtocolMode::Idle) {
            WaitForRunEnd();
        }
        return host_.Outcome() ? ExitStatusFor(*host_.Outcome()) : kExitFailed;
    }

    void WaitForRunEnd() {
        const LoopEnd end = RunReceiverLoop(link_, host_, options_.timeoutSeconds, true);
        if (end == LoopEnd::TimedOut) {
            err_ << "zev-cli: no answer from the receiver for " << options_.timeoutSeconds
                 << " seconds, giving up" << std::endl;
        } else if (end == LoopEnd::Interrupted) {
            err_ << "zev-cli: interrupted" << std::endl;
        }
        if (end == LoopEnd::TimedOut || end == LoopEnd::Interrupted) {
            session_.StopUpdate();
        }
    }

    // Until interrupted or timed out. A receiver that sent nothing at all before the time-out
    // is an unsuccessful run: the port, its speed or the cable is wrong.
    int Monitor() {
        if (!host_.OpenLink()) {
            host_.AppendText("\nCan't open connection, maybe COM is open!");
            if (const std::string why = host_.LinkProblem(); !why.empty()) {
                host_.AppendText("\n" + why);
            }
            return kExitFailed;
        }
        bool heard = false;
        QObject::connect(&link_, &SerialLink::Notify, &link_, [&heard] { heard = true; });
        session_.OnLinkConnected();
        const LoopEnd end = RunReceiverLoop(link_, host_, options_.timeoutSeconds, false);
        if (end == LoopEnd::LinkLost) return kExitFailed;
        link_.ClosePort();
        session_.OnLinkDisconnected();
        host_.AppendText("\n" + settings_.portName + " has been closed!");
        if (end == LoopEnd::TimedOut && !heard) {
            err_ << "zev-cli: nothing came from the receiver in " << options_.timeoutSeconds
                 << (options_.timeoutSeconds == 1 ? " second" : " seconds") << std::endl;
            return kExitFailed;
        }
        return kExitOk;
    }

    // The loaded user block is saved as File Save would save it after a load: packed from
    // the database the block was unpacked into.
    int LoadFromBox() {
        session_.LoadSettingFromBox();
        const int status = AwaitRun();
        if (status != kExitOk) return status;
        std::vector<uint8_t> image(ImageSize(db_->header, ImageKind::User));
        const ImageResult packed = PackImage(*db_, ImageKind::User, image);
        if (!packed.ok) {
            err_ << "zev-cli: " << packed.error << std::endl;
            return kExitFailed;
        }
        FileError error;
        if (!loadOutput_->Write(image, error) || !loadOutput_->Finish(error) ||
            !loadOutput_->Replace(error)) {
            err_ << "zev-cli: " << error.text << std::endl;
            return kExitUsage;
        }
        return kExitOk;
    }

    // IN.stc is opened as File Open opens an image file, then Send Setting to Box runs.
    int SendToBox(const std::string& inPath) {
        std::string error;
        const auto size = ReadImageFile(inPath, images_->input, error);
        if (!size) {
            err_ << "zev-cli: " << error << std::endl;
            return kExitUsage;
        }
        const ImageResult unpacked =
            UnpackImage(*db_, std::span<const uint8_t>(images_->input).first(*size));
        if (!unpacked.ok) {
            err_ << "zev-cli: " << inPath << ": " << unpacked.error << std::endl;
            return kExitUsage;
        }
        host_.SetModifyDefault(options_.modifyDefault);
        if (!options_.verify && !options_.backup) {
            session_.SendSettingToBox(inPath);
            return AwaitRun();
        }
        SettingsSafeguards::SendChecks checks;
        checks.verify = options_.verify;
        if (backup_) {
            // The box's block as it sent it, written as load writes its file.
            checks.backup = [this, path = *options_.backup](std::span<const uint8_t> block) {
                FileError error;
                if (!backup_->Write(block, error) || !backup_->Finish(error) ||
                    !backup_->Replace(error)) {
                    err_ << "zev-cli: " << error.text << std::endl;
                    return false;
                }
                host_.AppendText("\nThe box's settings were saved to " + path + ".");
                return true;
            };
        }
        safeguards_.Send(inPath, std::move(checks));
        return AwaitRun();
    }

    const CliOptions& options_;
    std::ostream& err_;
    LinkSettings settings_;
    std::ostream rawErr_;  // the terminal's text with --hex, as the receiver sent it
    TerminalStream terminal_;
    std::unique_ptr<ChannelDatabase> db_;
    std::unique_ptr<ImageBuffers> images_;
    SerialLink link_;
    ReceiverHost host_;
    ReceiverSession session_;
    NotificationPump pump_;
    SettingsSafeguards safeguards_;
    std::unique_ptr<LineDumpStream> hexDump_;
    std::unique_ptr<FileReplacement> loadOutput_;
    std::unique_ptr<FileReplacement> backup_;
    std::unique_ptr<LogFile> log_;
    LineTap* logTap_ = nullptr;
};

}  // namespace

std::span<const CommandUsage> ReceiverCommandTable() { return kCommands; }

int RunReceiverCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const SystemPortLister systemPorts;
    return RunReceiverCommand(options, out, err, systemPorts);
}

int RunReceiverCommand(const CliOptions& given, std::ostream& out, std::ostream& err,
                       const SerialPortLister& ports) {
    // From here on Ctrl+C ends the command through its usual end, also before the run starts.
    const InterruptGuard interrupts;
    const CommandUsage* command = FindCommand(kCommands, given.command);
    if (command == nullptr) {
        err << "zev-cli: unknown command " << given.command << std::endl;
        return kExitUsage;
    }
    if (!ArgumentsFit(*command, given, err)) return kExitUsage;
    if (given.timeoutSeconds < 0 || given.timeoutSeconds > kMaxTimeoutSeconds) {
        err << "zev-cli: --timeout must be 0 to " << kMaxTimeoutSeconds << " seconds" << std::endl;
        return kExitUsage;
    }
    const CommandFiles files = FilesOf(given);
    if (const auto checked = CheckOutputs(files.inputs, files.outputs); !checked) {
        err << "zev-cli: " << checked.error().text << std::endl;
        return kExitUsage;
    }
    CliOptions options = given;
    if (options.port == "auto") {
        // No adapter, or several: the receiver cannot be reached without a choice.
        options.port = ResolveAutoPort(ports, err);
        if (!options.port) return kExitFailed;
    }
    // Qt's event loop carries the link's notifications; a caller without one gets one here.
    std::unique_ptr<QCoreApplication> ownApp;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "zev-cli";
        static char* argv[] = {name, nullptr};
        ownApp = std::make_unique<QCoreApplication>(argc, argv);
    }
    ReceiverBench bench(options, out, err);
    if (!bench.BeginOutputs()) return kExitUsage;
    if (InterruptGuard::Interrupted()) {
        err << "zev-cli: interrupted" << std::endl;
        return bench.Finish(kExitFailed);
    }
    return bench.Finish(bench.Run());
}

}  // namespace zev::cli
