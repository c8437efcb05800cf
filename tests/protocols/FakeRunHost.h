// A scripted RunHost for the protocol tests: records the terminal text, the bytes sent and
// the message boxes, answers questions from a script, and has a fixed clock.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <ctime>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "database/ChannelDatabase.h"
#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "protocols/ReceiverSession.h"
#include "protocols/RunHost.h"

namespace zev::test {

struct ShownMessage {
    std::string text;
    std::string caption;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakeRunHost : public RunHost {
  public:
    std::string text;
    std::vector<uint8_t> sent;
    std::vector<ShownMessage> messages;
    std::deque<MsgAnswer> answers;  // for questions; Ok boxes take none
    bool linkOpen = false;
    bool openFails = false;
    int waitingForReset = 0;
    int terminalShown = 0;
    int tvListShown = 0;
    int dataFileForgotten = 0;
    bool statusConnected = false;
    std::time_t runStart = 0;
    std::vector<std::pair<std::string, MalformedLine>> malformedLines;
    // Runs that ended (mode, succeeded), and how every command ended.
    std::vector<std::pair<ProtocolMode, bool>> finished;
    std::vector<RunOutcome> outcomes;
    // The image kinds Send Setting to Box asked to confirm; `declineImage` answers false.
    std::vector<ImageKind> confirmedKinds;
    bool declineImage = false;
    std::tm clock{};

    FakeRunHost() {
        clock.tm_year = 107;  // 15 March 2007, 09:41:07
        clock.tm_mon = 2;
        clock.tm_mday = 15;
        clock.tm_hour = 9;
        clock.tm_min = 41;
        clock.tm_sec = 7;
    }

    void AppendText(const std::string& t) override { text += t; }
    MsgAnswer Message(const Translatable& t, const Translatable& caption, MsgIcon icon,
                      MsgButtons buttons, MsgAnswer defaultAnswer) override {
        messages.push_back({t.English(), caption.English(), icon, buttons});
        if (buttons == MsgButtons::Ok) {
            return MsgAnswer::Ok;
        }
        if (answers.empty()) {
            return defaultAnswer;
        }
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    bool OpenLink() override {
        if (openFails || linkOpen) {
            return false;
        }
        linkOpen = true;
        return true;
    }
    void CloseLink() override { linkOpen = false; }
    bool LinkOpen() const override { return linkOpen; }
    std::string PortName() const override { return "COM1"; }
    int SendByte(uint8_t value) override {
        sent.push_back(value);
        return 1;
    }
    bool ConfirmImage(const ChannelDatabase&, ImageKind kind) override {
        confirmedKinds.push_back(kind);
        return !declineImage;
    }
    void ShowTerminal() override { ++terminalShown; }
    void ShowLoadedTvList() override { ++tvListShown; }
    void ShowConnected(bool connected, bool startClock) override {
        statusConnected = connected;
        if (startClock) runStart = Now();
    }
    void ForgetDataFile() override { ++dataFileForgotten; }
    void MalformedDataLine(const std::string& path, const MalformedLine& line) override {
        malformedLines.emplace_back(path, line);
    }
    void WaitingForReset() override { ++waitingForReset; }
    void RunFinished(const RunOutcome& outcome) override {
        outcomes.push_back(outcome);
        if (outcome.end != RunEnd::Refused) {
            finished.emplace_back(outcome.mode, outcome.end == RunEnd::Succeeded);
        }
    }
    // Held, as an event loop would hold them, until the byte being handled is done.
    void RunLater(std::function<void()> step) override { later.push_back(std::move(step)); }
    void RunPending() {
        while (!later.empty()) {
            const std::function<void()> step = std::move(later.front());
            later.erase(later.begin());
            step();
        }
    }
    std::vector<std::function<void()>> later;
    std::time_t Now() override { return 1173951667; }
    std::tm LocalTime(std::time_t) override { return clock; }

    // Everything sent or printed so far is taken; the next check sees only what follows.
    std::vector<uint8_t> TakeSent() { return std::exchange(sent, {}); }
    std::string TakeText() { return std::exchange(text, {}); }
};

// A session with its own database and image buffers, and the program's current file.
struct SessionRig {
    FakeRunHost host;
    std::string file = "*.*";
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
    std::unique_ptr<ImageBuffers> images = std::make_unique<ImageBuffers>();
    ReceiverSession session{host, *db, *images};

    void Feed(const std::vector<uint8_t>& bytes) {
        for (uint8_t b : bytes) {
            session.HandleByte(b);
            host.RunPending();
        }
    }
};

inline std::vector<uint8_t> Le32(uint32_t v) {
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}

inline std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

// The checksum every transfer uses, computed independently of the code under test.
inline uint32_t WordSum(const std::vector<uint8_t>& data) {
    uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        sum += data[i] | data[i + 1] << 8;
    }
    if (data.size() % 2 == 1) {
        sum += 0xFF00u + data.back();
    }
    return sum;
}

inline std::size_t CountOf(const std::string& haystack, const std::string& needle) {
    std::size_t n = 0;
    for (auto at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + needle.size())) {
        ++n;
    }
    return n;
}

// A file in the test's temporary folder.
// A folder of this test process's own, removed when the process ends: ctest runs tests in
// parallel processes that would otherwise overwrite each other's files.
inline const std::string& ProcessTempDir() {
    struct Folder {
        std::string path;
        Folder() : path(::testing::TempDir() + "zev-protocols-" + std::to_string(getpid())) {
            std::filesystem::create_directories(path);
            path += "/";
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

inline std::string WriteTempFile(const std::string& name, const std::string& bytes) {
    const std::string path = ProcessTempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

inline std::string Bytes(const std::vector<uint8_t>& data) {
    return std::string(data.begin(), data.end());
}

// A small but complete user block: one satellite, one transponder, one TV channel.
inline std::vector<uint8_t> SmallUserBlock(const char* channelName = "CH1") {
    auto db = std::make_unique<ChannelDatabase>();
    DatabaseHeader& h = db->header;
    h.SatCapacity = 10;
    h.TpCapacity = 20;
    h.ChannelCapacity = 100;
    h.UserBlockSize = 8192;
    h.UserBlockAddress = 0xE0000;
    h.SatCount = 1;
    h.TpCount = 1;
    h.TvCount = 1;
    std::strcpy(db->satellites[0].Name.data(), "ASTRA");
    db->transponders[0].Sat = 1;
    db->transponders[0].Frequency = 11778;
    db->channels[0].TpNumber = 1;
    std::strcpy(db->channels[0].Name.data(), channelName);
    std::vector<uint8_t> block(8192);
    const ImageResult packed = PackImage(*db, ImageKind::User, block);
    EXPECT_TRUE(packed.ok) << packed.error;
    return block;
}

inline std::vector<uint8_t> HeaderFrame(uint32_t length, uint32_t address) {
    return Concat(
        {{0x02}, Le32(length), Le32(address), Le32(0x11111111), Le32(0x22222222), {0x03}});
}

// What a box says for Load Setting from Box when it holds `block`, after the request.
inline std::vector<uint8_t> LoadConversation(const std::vector<uint8_t>& block);

inline const std::vector<uint8_t> kHello = {0x02, 0x01, 0x03};
inline const std::vector<uint8_t> kHelloAnswer = {0x02, 0x01, 0x0A, 0x03};
inline const std::vector<uint8_t> kReady = {0x02, 0x02, 1, 2, 3, 4, 5, 6, 7, 8, 0x03};
inline const std::vector<uint8_t> kSync = {0x02, 0x16, 0x03};

inline std::vector<uint8_t> LoadConversation(const std::vector<uint8_t>& block) {
    return Concat({{0xBB},
                   kHello,
                   kReady,
                   HeaderFrame(static_cast<uint32_t>(block.size()), 0xE0000),
                   block,
                   Le32(WordSum(block)),
                   {0x1B, 0x02, 0x05, 0x03}});
}

}  // namespace zev::test
