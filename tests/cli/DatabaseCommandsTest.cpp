#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliTestSupport.h"
#include "cli/CliOptions.h"

namespace zev::cli {
namespace {

using testing::CliTest;
using testing::ReadBytes;
using testing::ReadText;
using testing::RunCliWith;
using testing::WriteBytes;
using testing::WriteText;
namespace fs = std::filesystem;

QJsonObject Json(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

// Two satellites, three transponders, channels on all of them: nothing for check to report.
constexpr const char* kSound = R"({
 "satellites": [{"Name": "ASTRA"}, {"Name": "HOTBIRD"}],
 "transponders": [{"Frequency": 11778, "Polarization": 1, "Sat": 1},
                  {"Frequency": 12188, "Sat": 1}, {"Frequency": 10971, "Sat": 2}],
 "tv": [{"Name": "ARD", "TpNumber": 1, "ServiceID": 1, "VPID": 101, "APID": 102},
        {"Name": "ZDF", "TpNumber": 2, "ServiceID": 2, "VPID": 201, "APID": 202}],
 "radio": [{"Name": "Radio", "RadioFlag": 1, "TpNumber": 3, "ServiceID": 3, "APID": 302}]})";

TEST_F(CliTest, CheckExitsOneOnlyForErrorsAndPrintsThemFirst) {
    WriteText("sound.json", kSound);
    ASSERT_EQ(RunCliWith({"build", "sound.json", "sound.stc"}).status, kExitOk);
    const auto sound = RunCliWith({"check", "sound.stc"});
    EXPECT_EQ(sound.status, kExitOk);
    EXPECT_EQ(sound.out, "No problems found.\n");

    // A duplicate (warning) and a channel on a transponder that does not exist (error).
    std::string broken = kSound;
    auto replace = [&](const std::string& from, const std::string& to) {
        broken.replace(broken.find(from), from.size(), to);
    };
    replace("\"TpNumber\": 2, \"ServiceID\": 2", "\"TpNumber\": 1, \"ServiceID\": 1");
    replace("\"TpNumber\": 3", "\"TpNumber\": 7");
    WriteText("broken.json", broken);
    // The same problems in an image, patched into the sound one (8M bits, 2 sectors: TV channel
    // 2 at 18908, radio channel 1 at 131040; the transponder number in bits 15-5 of byte 20).
    auto image = ReadBytes("sound.stc");
    image[18908 + 20] = 1 << 5;  // on transponder 1
    image[18908 + 22] = 1;       // Service ID 1
    image[131040 + 20] = 7 << 5;
    WriteBytes("broken.stc", image);
    for (const char* file : {"broken.json", "broken.stc"}) {
        const auto run = RunCliWith({"check", file});
        EXPECT_EQ(run.status, kExitFailed) << file;
        EXPECT_EQ(run.out,
                  "error: Radio channel 1 \"Radio\" is on transponder 7, which does not exist "
                  "(there are 3 transponders).\n"
                  "warning: Transponder 2 (12188 H) has no channels.\n"
                  "warning: Transponder 3 (10971 H) has no channels.\n"
                  "warning: TV channel 2 \"ZDF\" duplicates TV channel 1 \"ARD\" (transponder 1, "
                  "Service ID 1).\n"
                  "1 error, 3 warnings\n")
            << file;
    }

    const auto json = RunCliWith({"check", "--json", "broken.stc"});
    EXPECT_EQ(json.status, kExitFailed);
    const QJsonObject report = Json(json.out);
    EXPECT_EQ(report["errors"].toInt(), 1);
    EXPECT_EQ(report["warnings"].toInt(), 3);
    const QJsonObject duplicate = report["findings"].toArray()[3].toObject();
    EXPECT_EQ(duplicate["severity"].toString(), "warning");
    EXPECT_EQ(duplicate["problem"].toString(), "duplicate-channel");
    EXPECT_EQ(duplicate["record"].toObject()["number"].toInt(), 2);
    EXPECT_EQ(duplicate["related"].toArray()[0].toObject()["number"].toInt(), 1);
}

TEST_F(CliTest, CheckReportsAnUnreadableImageAsAnErrorAndAMissingFileAsAFileError) {
    WriteText("sound.json", kSound);
    ASSERT_EQ(RunCliWith({"build", "sound.json", "sound.stc"}).status, kExitOk);
    auto bytes = ReadBytes("sound.stc");
    bytes.resize(0x1000);
    WriteBytes("cut.stc", bytes);
    const auto cut = RunCliWith({"check", "cut.stc"});
    EXPECT_EQ(cut.status, kExitFailed);
    EXPECT_EQ(cut.out,
              "error: The image is 4096 bytes long, shorter than the 131072-byte user block its "
              "header describes.\n1 error, 0 warnings\n");

    const auto missing = RunCliWith({"check", "nowhere.stc"});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_NE(missing.err.find("cannot open \"nowhere.stc\""), std::string::npos);
    EXPECT_EQ(RunCliWith({"check"}).status, kExitUsage);
}

TEST_F(CliTest, DiffFindsEveryKindOfTheSameDatabaseEqual) {
    WriteText("sound.json", kSound);
    for (const char* out : {"a.stc", "a.def", "a.all"}) {
        ASSERT_EQ(RunCliWith({"build", "sound.json", out}).status, kExitOk);
    }
    const auto dumped = RunCliWith({"dump", "--json", "a.all"});
    ASSERT_EQ(dumped.status, kExitOk);
    WriteText("dumped.json", dumped.out);
    for (const char* other : {"a.def", "a.all", "sound.json", "dumped.json"}) {
        const auto run = RunCliWith({"diff", "a.stc", other});
        EXPECT_EQ(run.status, kExitOk) << other << ": " << run.out << run.err;
        EXPECT_EQ(run.out, "") << other;
    }
    // Written the other way round, a .all becomes the same .stc again.
    ASSERT_EQ(RunCliWith({"convert", "a.all", "b.stc"}).status, kExitOk);
    EXPECT_EQ(ReadBytes("b.stc"), ReadBytes("a.stc"));
}

TEST_F(CliTest, DiffPrintsTheChangesAndExitsOneWhenTheyDiffer) {
    WriteText("a.json", kSound);
    std::string changed = kSound;
    // ZDF and ARD swap places (one of them moved), ZDF gets a new audio PID and ARD the second
    // transponder.
    changed.replace(changed.find("{\"Name\": \"ARD\""),
                    changed.find("]", changed.find("\"tv\"")) - changed.find("{\"Name\": \"ARD\""),
                    R"({"Name": "ZDF", "TpNumber": 2, "ServiceID": 2, "VPID": 201, "APID": 203},
        {"Name": "ARD", "TpNumber": 2, "ServiceID": 1, "VPID": 101, "APID": 102})");
    WriteText("b.json", changed);
    ASSERT_EQ(RunCliWith({"build", "b.json", "b.all"}).status, kExitOk);
    const auto run = RunCliWith({"diff", "a.json", "b.all"});
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_EQ(run.out,
              "TV channel 1 \"ZDF\" (was 2): APID 202 -> 203\n"
              "TV channel 2 \"ARD\" (was 1): moved; Transponder 1 (11778 V) -> 2 (12188 H)\n");

    const auto json = RunCliWith({"diff", "a.json", "b.all", "--json"});
    EXPECT_EQ(json.status, kExitFailed);
    const QJsonObject diff = Json(json.out);
    EXPECT_FALSE(diff["equal"].toBool());
    const QJsonObject zdf = diff["records"].toArray()[0].toObject();
    EXPECT_EQ(zdf["kind"].toString(), "tv");
    EXPECT_EQ(zdf["change"].toString(), "kept");
    EXPECT_EQ(zdf["before"].toInt(), 2);
    EXPECT_EQ(zdf["after"].toInt(), 1);
    EXPECT_FALSE(zdf["moved"].toBool());
    EXPECT_EQ(zdf["fields"].toArray()[0].toObject()["after"].toString(), "203");
}

TEST_F(CliTest, DiffWithAnUnusableFileIsAFileErrorNotADifference) {
    WriteText("a.json", kSound);
    WriteText("cut.stc", "short");
    const auto cut = RunCliWith({"diff", "a.json", "cut.stc"});
    EXPECT_EQ(cut.status, kExitUsage);
    EXPECT_EQ(cut.err,
              "zev-cli: \"cut.stc\": The image is 5 bytes long, too short for its 72-byte "
              "header.\n");
    EXPECT_EQ(RunCliWith({"diff", "a.json", "none.stc"}).status, kExitUsage);
    WriteText("bad.json", "{");
    EXPECT_EQ(RunCliWith({"diff", "bad.json", "a.json"}).status, kExitUsage);
    EXPECT_EQ(RunCliWith({"diff", "a.json"}).status, kExitUsage);
}

TEST_F(CliTest, ExportWritesThreeCsvFilesFromAnyKindOfDatabase) {
    WriteText("sound.json", kSound);
    ASSERT_EQ(RunCliWith({"build", "sound.json", "sound.def"}).status, kExitOk);
    const auto run = RunCliWith({"export", "sound.def", "list.csv"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string channels = ReadText("list.csv");
    EXPECT_EQ(channels.substr(0, 12), "\xEF\xBB\xBFList,No.,");
    EXPECT_NE(channels.find("\r\nTV,2,ZDF,2,1,ASTRA,12188,H,0,201,202,"), std::string::npos)
        << channels;
    EXPECT_NE(channels.find("\r\nRadio,1,Radio,3,2,HOTBIRD,10971,H,"), std::string::npos);
    EXPECT_NE(ReadText("list-transponders.csv").find("\r\n3,2,HOTBIRD,10971,H,0,0,0\r\n"),
              std::string::npos);
    EXPECT_NE(ReadText("list-satellites.csv").find("\r\n2,HOTBIRD,normal,"), std::string::npos);
}

TEST_F(CliTest, ExportThatCannotWriteEveryFileReplacesNone) {
    WriteText("sound.json", kSound);
    WriteText("list.csv", "old list");
    fs::create_directory("list-satellites.csv");  // in the way of the third file
    const auto run = RunCliWith({"export", "sound.json", "list.csv"});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("list-satellites.csv"), std::string::npos) << run.err;
    EXPECT_EQ(ReadText("list.csv"), "old list");
    EXPECT_FALSE(fs::exists("list-transponders.csv"));

    WriteText("cut.stc", std::string(100, '\0') + "x");
    const auto refused = RunCliWith({"export", "cut.stc", "cut.csv"});
    EXPECT_EQ(refused.status, kExitFailed);
    EXPECT_FALSE(fs::exists("cut.csv"));
}

// What check calls an error, build does not write and send does not send: the two once
// disagreed about a .def with no user block and about a block of no whole flash blocks.
TEST_F(CliTest, CheckBuildAndSendAgreeOnWhatTheReceiverCannotTake) {
    WriteText("nouser.json", R"({"header": {"UserBlockSize": 0}})");
    const auto build = RunCliWith({"build", "nouser.json", "nouser.def"});
    EXPECT_EQ(build.status, kExitFailed);
    EXPECT_NE(build.err.find("error: The user block of 0 bytes"), std::string::npos) << build.err;
    EXPECT_FALSE(fs::exists("nouser.def"));
    EXPECT_EQ(RunCliWith({"check", "nouser.json"}).status, kExitFailed);

    WriteText("sound.json", kSound);
    ASSERT_EQ(RunCliWith({"build", "sound.json", "sound.stc"}).status, kExitOk);
    auto image = ReadBytes("sound.stc");
    image[48] = 0x01;  // UserBlockSize 131073: 00 02, 00 01 (more significant word first)
    image.push_back(0xFF);
    WriteBytes("odd.stc", image);
    const std::string sentence = "The user block of 131073 bytes is not whole flash blocks";
    const auto check = RunCliWith({"check", "odd.stc"});
    EXPECT_EQ(check.status, kExitFailed);
    EXPECT_NE(check.out.find("error: " + sentence), std::string::npos) << check.out;
    EXPECT_EQ(RunCliWith({"convert", "odd.stc", "copy.stc"}).status, kExitFailed);
    EXPECT_FALSE(fs::exists("copy.stc"));
    const auto send = RunCliWith({"--port", "/nonexistent/tty", "send", "odd.stc"});
    EXPECT_NE(send.status, kExitOk);
    EXPECT_NE(send.out.find(sentence), std::string::npos) << send.out;
    EXPECT_EQ(send.out.find("is open!"), std::string::npos);

    // And a channel on a transponder that does not exist: nothing sent either.
    image = ReadBytes("sound.stc");
    image[131040 + 20] = 7 << 5;
    WriteBytes("dangling.stc", image);
    const auto dangling = RunCliWith({"--port", "/nonexistent/tty", "send", "dangling.stc"});
    EXPECT_EQ(dangling.status, kExitUsage);
    EXPECT_NE(dangling.err.find("error: Radio channel 1 \"Radio\" is on transponder 7"),
              std::string::npos)
        << dangling.err;
    EXPECT_EQ(dangling.out.find("is open!"), std::string::npos);
}

}  // namespace
}  // namespace zev::cli
