// The receiver conversation fed arbitrary bytes as if the box had sent them: one command of the
// terminal (Update Parameters, Update Software, Load Setting from Box, Send Setting to Box, OTA
// Software Update) starts a ReceiverSession run over a fake link, then a script hands it the
// box's bytes in chunks, interleaved with Stop Update, a lost link, Com Connect and Com
// Disconnect, and the command given again. Beyond the sanitizers' part it checks what must
// hold whatever the box sends:
// - one received byte never makes the program write more than a block and its framing;
// - the step stays within the run's steps, and Idle means step 0;
// - nothing is written to a closed link, and progress never passes its total;
// - the database changes only when a load succeeds (or Send's Yes sets its default counts);
// - Stop Update, a lost link and Com Disconnect end the run (mode Idle, no file held) unless
//   the link cannot be closed;
// - every command is answered by exactly one outcome once its run is over, and a software or
//   OTA update reported as a success has sent all of its data.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "FuzzFinding.h"
#include "FuzzTempDir.h"
#include "core/ByteSource.h"
#include "formats/ParameterImage.h"
#include "formats/SoftwareInfo.h"
#include "formats/TransferBlocks.h"
#include "protocols/ReceiverSession.h"
#include "protocols/RunHost.h"

namespace zev::fuzz {

// How an input is read (fuzz/make_corpus.sh writes its seeds the same way):
//   byte 0     the command, modulo 5, in the order of SessionCommand
//   byte 1     options, the session:: bits below
//   bytes 2-3  the length N of the data file, little-endian, then its N bytes; Send Setting to
//              Box opens them as an image first, as File Open does
//   the rest   steps: a byte up to session::kLargestChunk hands the next (byte + 1) bytes to
//              the session as received from the box; a larger byte is a session::Event.
enum class SessionCommand : uint8_t {
    UpdateParameters,
    UpdateSoftware,
    LoadSettings,
    SendSettings,
    OtaUpdate,
};

namespace session {

inline constexpr int kCommands = 5;
// Bits 0-1: the current file: the data file under its command's extension, none ("*.*"),
// the data file under another extension, or a file that does not exist.
inline constexpr uint8_t kFileChoiceMask = 0x03;
enum FileChoice : uint8_t { kProperFile, kNoFile, kOtherExtension, kMissingFile };
// Bits 2-3: the answer to "Modify Default Channels the same?": No, Yes, Cancel, Yes.
inline constexpr int kModifyDefaultShift = 2;
inline constexpr uint8_t kTooManyYes = 0x10;       // Yes to "Too much channels, ..."
inline constexpr uint8_t kLinkAlreadyOpen = 0x20;  // the port is open before the command
inline constexpr uint8_t kLinkUnavailable = 0x40;  // the port cannot be opened
inline constexpr uint8_t kLinkStuck = 0x80;        // the port does not close until kLinkFreed

inline constexpr uint8_t kLargestChunk = 0xF8;  // byte values 0..0xF8 feed 1..249 bytes
enum Event : uint8_t {
    kStopUpdate = 0xF9,
    kLinkLost,
    kComConnect,
    kComDisconnect,
    kCommandAgain,  // the same command once more
    kNextCommand,   // the next command of SessionCommand, with the same file and options
    kLinkFreed,     // a port that could not be closed can be closed from now on (0xFF, the
                    // byte of erased flash, is the cheapest event)
};
// Commands beyond these in one input are ignored: each costs a file and a database comparison,
// and a few in a row reach every path between two runs.
inline constexpr std::size_t kMostCommands = 8;

// Steps of each run, by ProtocolMode.
inline constexpr uint8_t kLastStep[] = {0, 5, 5, 7, 7, 6};

}  // namespace session

// What one input did: the first broken property, and how each command ended.
struct SessionReport {
    Finding finding;
    std::vector<RunOutcome> outcomes;
};

namespace detail {

// A link that takes every byte, answers the runs' questions from the input's options and
// notes what a run must never do to it.
class FuzzLinkHost : public RunHost {
  public:
    MsgAnswer modifyDefault = MsgAnswer::No;
    MsgAnswer tooMany = MsgAnswer::No;
    bool linkOpen = false;
    bool openFails = false;
    bool stuck = false;

    std::size_t sent = 0;
    std::vector<RunOutcome> outcomes;
    Finding finding;

    // Every input begins with a closed link and nothing seen.
    void Reset() { *this = FuzzLinkHost(); }

    void Note(const char* broken) {
        if (finding.empty()) finding = broken;
    }

    void AppendText(const std::string&) override {}
    MsgAnswer Message(const Translatable&, const Translatable&, MsgIcon, MsgButtons buttons,
                      MsgAnswer defaultAnswer) override {
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : defaultAnswer;
    }
    MsgAnswer Ask(RunQuestion question) override {
        return question == RunQuestion::ModifyDefaultChannels ? modifyDefault : tooMany;
    }
    bool OpenLink() override {
        if (openFails || linkOpen) return false;
        linkOpen = true;
        return true;
    }
    void CloseLink() override {
        if (!stuck) linkOpen = false;
    }
    bool LinkOpen() const override { return linkOpen; }
    std::string PortName() const override { return "COM1"; }
    int SendByte(uint8_t) override {
        if (!linkOpen) Note("a byte written to a closed link");
        ++sent;
        return 1;
    }
    std::size_t SendBytes(const uint8_t*, std::size_t count) override {
        if (!linkOpen) Note("bytes written to a closed link");
        sent += count;
        return count;
    }
    void TransferProgress(unsigned done, unsigned total) override {
        if (done > total) Note("transfer progress beyond its total");
    }
    void RunFinished(const RunOutcome& outcome) override {
        if (outcome.mode == ProtocolMode::Idle) Note("an outcome of no command");
        outcomes.push_back(outcome);
    }
    std::time_t Now() override { return 1173951667; }
    std::tm LocalTime(std::time_t) override {
        std::tm clock{};
        clock.tm_year = 107;  // 15 March 2007, 09:41:07
        clock.tm_mon = 2;
        clock.tm_mday = 15;
        clock.tm_hour = 9;
        clock.tm_min = 41;
        clock.tm_sec = 7;
        return clock;
    }
};

// The database as the input left it. It is large and compared several times per input, so
// the copy is taken byte for byte and compared byte for byte first; only when the bytes differ
// does a comparison field by field decide (padding is not data).
class DatabaseSnapshot {
  public:
    void Take(const ChannelDatabase& db) {
        std::memcpy(static_cast<void*>(copy_), static_cast<const void*>(&db), sizeof db);
    }
    bool Same(const ChannelDatabase& db) const {
        if (std::memcmp(static_cast<const void*>(copy_), static_cast<const void*>(&db),
                        sizeof db) == 0) {
            return true;
        }
        return copy_->header == db.header && copy_->satellites == db.satellites &&
               copy_->transponders == db.transponders && copy_->channels == db.channels &&
               copy_->Loaded == db.Loaded;
    }

  private:
    // One copy for every input.
    ChannelDatabase* copy_ = [] {
        static const auto copy = std::make_unique<ChannelDatabase>();
        return copy.get();
    }();
};

// What lives as long as the program: its one database, image buffers and session. Every
// input ends with Stop Update, so the next one finds the session Idle; what stays behind (the
// records beyond the counts, the image buffers, the parse results) is what the program carries
// from one run to the next.
struct FuzzProgram {
    FuzzLinkHost host;
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
    std::unique_ptr<ImageBuffers> images = std::make_unique<ImageBuffers>();
    ReceiverSession session{host, *db, *images};
};

class SessionRun {
  public:
    SessionRun(std::span<const uint8_t> input, FuzzProgram& program)
        : input_(input), host_(program.host), db_(*program.db), session_(program.session) {}

    SessionReport Run() {
        if (input_.size() < 4) return {};
        command_ = static_cast<SessionCommand>(input_[0] % session::kCommands);
        const uint8_t options = input_[1];
        fileChoice_ = static_cast<session::FileChoice>(options & session::kFileChoiceMask);
        const MsgAnswer answers[] = {MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Cancel,
                                     MsgAnswer::Yes};
        host_.modifyDefault = answers[(options >> session::kModifyDefaultShift) & 3];
        host_.tooMany = (options & session::kTooManyYes) != 0 ? MsgAnswer::Yes : MsgAnswer::No;
        host_.linkOpen = (options & session::kLinkAlreadyOpen) != 0;
        host_.openFails = (options & session::kLinkUnavailable) != 0;
        host_.stuck = (options & session::kLinkStuck) != 0;
        const std::size_t fileLength =
            std::min<std::size_t>(input_[2] | input_[3] << 8, input_.size() - 4);
        file_ = input_.subspan(4, fileLength);
        std::span<const uint8_t> steps = input_.subspan(4 + fileLength);

        // Send Setting to Box sends the database: the file is opened into it first.
        if (command_ == SessionCommand::SendSettings) UnpackImage(db_, file_);
        snapshot_.Take(db_);
        GiveCommand();
        while (!steps.empty() && host_.finding.empty()) {
            const uint8_t step = steps[0];
            steps = steps.subspan(1);
            if (step <= session::kLargestChunk) {
                const std::size_t count = std::min<std::size_t>(step + 1u, steps.size());
                Feed(steps.first(count));
                steps = steps.subspan(count);
            } else {
                Happen(static_cast<session::Event>(step));
            }
        }
        // Every run is over in the end: the link is let go and Stop Update given.
        host_.stuck = false;
        Happen(session::kStopUpdate);
        CheckDatabase();
        if (host_.outcomes.size() != commands_) {
            host_.Note("a command without exactly one outcome");
        }
        return {host_.finding, host_.outcomes};
    }

  private:
    void Feed(std::span<const uint8_t> bytes) {
        for (const uint8_t value : bytes) {
            // A closed port receives nothing.
            if (!host_.linkOpen || !host_.finding.empty()) return;
            const std::size_t before = host_.sent;
            session_.HandleByte(value);
            if (host_.sent - before > kBlockSize + 32) {
                host_.Note("one received byte wrote more than a block and its framing");
            }
            CheckStep();
            CheckOutcomes();
        }
    }

    void Happen(session::Event event) {
        switch (event) {
            case session::kStopUpdate:
                session_.StopUpdate();
                // A port that cannot be closed keeps its run.
                if (!host_.stuck) ExpectEnded("a run survived Stop Update");
                break;
            case session::kLinkLost:
                session_.OnLinkLost("the device went away");
                ExpectEnded("a run survived the loss of its link");
                break;
            case session::kComConnect:
                if (!host_.openFails) host_.linkOpen = true;
                session_.OnLinkConnected();
                break;
            case session::kComDisconnect:
                host_.CloseLink();
                session_.OnLinkDisconnected();
                ExpectEnded("a run survived Com Disconnect");
                break;
            case session::kLinkFreed:
                host_.stuck = false;
                break;
            case session::kCommandAgain:
                if (commands_ < session::kMostCommands) GiveCommand();
                break;
            case session::kNextCommand:
                if (commands_ < session::kMostCommands) {
                    command_ = static_cast<SessionCommand>((static_cast<int>(command_) + 1) %
                                                           session::kCommands);
                    GiveCommand();
                }
                break;
        }
        CheckStep();
        CheckOutcomes();
    }

    void GiveCommand() {
        CheckOutcomes();
        // Only Send Setting to Box changes the database before its run (Yes sets the default
        // counts): a refused send changes nothing, a started one is the new starting point.
        const bool send = command_ == SessionCommand::SendSettings;
        if (send) CheckDatabase();
        const std::size_t outcomesBefore = host_.outcomes.size();
        sentBefore_ = host_.sent;
        dataLength_ = 0;
        ++commands_;
        switch (command_) {
            case SessionCommand::UpdateParameters:
                session_.UpdateParameters(FilePath("params", "txt"));
                break;
            case SessionCommand::UpdateSoftware:
                dataLength_ = file_.size();
                session_.UpdateSoftware(FilePath("soft", "cus"));
                break;
            case SessionCommand::LoadSettings:
                session_.LoadSettingFromBox();
                break;
            case SessionCommand::SendSettings:
                session_.SendSettingToBox(FilePath("image", "stc"));
                break;
            case SessionCommand::OtaUpdate: {
                MemoryByteSource source(file_);
                dataLength_ = CheckOtaFile(source).info.length;
                session_.OtaSoftwareUpdate(FilePath("soft", "sgn"));
                break;
            }
        }
        const bool refused =
            host_.outcomes.size() > outcomesBefore && host_.outcomes.back().end == RunEnd::Refused;
        if (send && refused) {
            CheckDatabase();
        } else if (send) {
            snapshot_.Take(db_);
        }
        checkedOutcomes_ = host_.outcomes.size();
        CheckStep();
    }

    // The current file for the command's kind, written once per input.
    std::string FilePath(const std::string& stem, const std::string& extension) {
        switch (fileChoice_) {
            case session::kProperFile:
                return DataFile(stem + "." + extension);
            case session::kNoFile:
                return "*.*";
            case session::kOtherExtension:
                return DataFile(stem + ".bin");
            case session::kMissingFile:
                break;
        }
        return FuzzTempDir() + "missing." + extension;
    }

    std::string DataFile(const std::string& name) {
        if (std::find(written_.begin(), written_.end(), name) == written_.end()) {
            WriteFuzzFile(name, file_);
            written_.push_back(name);
        }
        return FuzzTempDir() + name;
    }

    void ExpectEnded(const char* broken) {
        if (session_.Mode() != ProtocolMode::Idle || session_.OpenFileState() != OpenFile::None) {
            host_.Note(broken);
        }
    }

    void CheckStep() {
        const auto mode = static_cast<std::size_t>(session_.Mode());
        if (mode >= std::size(session::kLastStep) ||
            session_.ProtocolStep() > session::kLastStep[mode]) {
            host_.Note("a step outside the run's steps");
        }
    }

    // Looks at the outcomes that came since the last look: a software or OTA update reported
    // as a success has sent all its data and the checksum; only a successful load changes the
    // database. (The database is large: it is compared when a load ends, before and after a
    // send command and at the end of the input, not after every byte.)
    void CheckOutcomes() {
        for (; checkedOutcomes_ < host_.outcomes.size(); ++checkedOutcomes_) {
            const RunOutcome& outcome = host_.outcomes[checkedOutcomes_];
            const bool succeeded = outcome.end == RunEnd::Succeeded;
            const bool sendsFile = outcome.mode == ProtocolMode::UpdateSoftware ||
                                   outcome.mode == ProtocolMode::OtaUpdate;
            if (succeeded && sendsFile && host_.sent - sentBefore_ < dataLength_ + 4) {
                host_.Note("an update reported as a success before its data went out");
            }
            if (outcome.mode != ProtocolMode::LoadSettings) continue;
            if (succeeded) {
                if (!db_.Loaded) host_.Note("a successful load left no loaded database");
                snapshot_.Take(db_);
            } else {
                CheckDatabase();
            }
        }
    }

    void CheckDatabase() {
        if (!snapshot_.Same(db_)) host_.Note("the database changed without a successful load");
    }

    std::span<const uint8_t> input_;
    FuzzLinkHost& host_;
    ChannelDatabase& db_;
    ReceiverSession& session_;
    DatabaseSnapshot snapshot_;
    SessionCommand command_ = SessionCommand::LoadSettings;
    session::FileChoice fileChoice_ = session::kProperFile;
    std::span<const uint8_t> file_;
    std::vector<std::string> written_;
    std::size_t commands_ = 0;
    std::size_t checkedOutcomes_ = 0;
    std::size_t sentBefore_ = 0;
    uint64_t dataLength_ = 0;
};

}  // namespace detail

inline SessionReport RunSessionInput(std::span<const uint8_t> bytes) {
    static detail::FuzzProgram program;
    // Each input starts as the program does: nothing loaded, no flash layout, link closed.
    program.host.Reset();
    program.db->header = DatabaseHeader{};
    program.db->Loaded = false;
    return detail::SessionRun(bytes, program).Run();
}

inline Finding CheckReceiverSession(std::span<const uint8_t> bytes) {
    return RunSessionInput(bytes).finding;
}

inline int FuzzReceiverSession(const uint8_t* data, std::size_t size) {
    return AbortOnFinding(CheckReceiverSession({data, size}));
}

}  // namespace zev::fuzz
