// zev-cli load and send against the simulated receiver: what is sent comes back unchanged,
// refusals fail, and a database too large for the default area sends nothing.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "database/ChannelDatabase.h"
#include "e2e/E2eHarness.h"
#include "formats/ParameterImage.h"

namespace zev::test {
namespace {

// The image after a send that rewrote the default area too: the header's default counts
// take the current counts, everything else stays.
std::vector<uint8_t> WithDefaultCounts(const std::vector<uint8_t>& image) {
    auto db = std::make_unique<ChannelDatabase>();
    EXPECT_TRUE(UnpackImage(*db, image).ok);
    DatabaseHeader& h = db->header;
    h.DefaultSatCount = h.SatCount;
    h.DefaultTpCount = h.TpCount;
    h.DefaultTvCount = h.TvCount;
    h.DefaultRadioCount = h.RadioCount;
    std::vector<uint8_t> packed(ImageSize(h, ImageKind::User));
    EXPECT_TRUE(PackImage(*db, ImageKind::User, packed).ok);
    return packed;
}

class SettingsE2e : public E2eTest {};

TEST_F(SettingsE2e, LoadedBlockIsAReadableUserImage) {
    const auto image = LoadSample("sample.stc");
    ASSERT_FALSE(image.empty());
    auto db = std::make_unique<ChannelDatabase>();
    const ImageResult unpacked = UnpackImage(*db, image);
    ASSERT_TRUE(unpacked.ok) << unpacked.error;
    EXPECT_GT(db->header.TvCount, 0);
    EXPECT_EQ(image.size(), db->header.UserBlockSize);
}

TEST_F(SettingsE2e, SentSettingsComeBackUnchanged) {
    const auto sample = LoadSample("sample.stc");
    for (const bool withDefault : {false, true}) {
        SCOPED_TRACE(withDefault ? "default + user" : "user only");
        BoxSim box({"--quiet"});
        ASSERT_TRUE(box.ok());
        QStringList send{"send", QPath("sample.stc")};
        if (withDefault) send << "--default";
        const CliResult sent = RunCliOn(box.PtyPath(), send, dir.path());
        EXPECT_EQ(sent.exitCode, 0) << sent.out << sent.err;
        EXPECT_TRUE(Contains(sent.out, "\nSend Param Data Success!")) << sent.out;
        EXPECT_TRUE(Contains(sent.err, "Modify Default Channels the same?"));
        const CliResult loaded = RunCliOn(box.PtyPath(), {"load", QPath("back.stc")}, dir.path());
        EXPECT_EQ(loaded.exitCode, 0) << loaded.out << loaded.err;
        EXPECT_EQ(ReadFile(Path("back.stc")), withDefault ? WithDefaultCounts(sample) : sample);
    }
}

TEST_F(SettingsE2e, BytesOfTheBoxNeverReachTheTerminalDuringATransfer) {
    LoadSample("sample.stc");
    BoxSim box({"--sample", "--quiet"});
    ASSERT_TRUE(box.ok());
    const CliResult run = RunCliOn(box.PtyPath(), {"load", QPath("again.stc")}, dir.path());
    EXPECT_EQ(run.exitCode, 0);
    // Only the run's own lines: the banner, the progress and the result.
    const auto success = run.out.find("\nGet Data Success!");
    ASSERT_NE(success, std::string::npos);
    const auto header = run.out.find("\nLength: 0x");
    ASSERT_NE(header, std::string::npos);
    for (std::size_t i = header; i < success; ++i) {
        const unsigned char c = static_cast<unsigned char>(run.out[i]);
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << int(c) << " at " << i;
    }
}

TEST_F(SettingsE2e, RefusedChecksumsFail) {
    LoadSample("sample.stc");
    {
        BoxSim box({"--quiet", "--fault", "send-checksum"});
        ASSERT_TRUE(box.ok());
        const CliResult run = RunCliOn(box.PtyPath(), {"send", QPath("sample.stc")}, dir.path());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(Contains(run.out, "\nCHECKSUM Error!")) << run.out;
    }
    {
        BoxSim box({"--sample", "--quiet", "--fault", "load-checksum"});
        ASSERT_TRUE(box.ok());
        const CliResult run = RunCliOn(box.PtyPath(), {"load", QPath("bad.stc")}, dir.path());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(Contains(run.out, "Get Data Success!"));
        EXPECT_FALSE(std::filesystem::exists(Path("bad.stc")));
    }
    {
        BoxSim box({"--quiet", "--fault", "send-flash"});
        ASSERT_TRUE(box.ok());
        const CliResult run = RunCliOn(box.PtyPath(), {"send", QPath("sample.stc")}, dir.path());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(Contains(run.out, "\nwrite flash error!")) << run.out;
    }
}

TEST_F(SettingsE2e, DatabaseTooLargeForTheDefaultAreaSendsNothing) {
    const auto sample = LoadSample("sample.stc");
    auto db = std::make_unique<ChannelDatabase>();
    ASSERT_TRUE(UnpackImage(*db, sample).ok);
    DatabaseHeader& h = db->header;
    const std::size_t tv = std::size_t{h.DefaultChannelCapacity} + 1;
    if (tv + h.RadioCount > h.ChannelCapacity) GTEST_SKIP() << "layout leaves no room";
    for (std::size_t slot = h.TvCount; slot < tv; ++slot) db->channels[slot] = db->channels[0];
    h.TvCount = static_cast<uint16_t>(tv);
    std::vector<uint8_t> big(ImageSize(h, ImageKind::User));
    ASSERT_TRUE(PackImage(*db, ImageKind::User, big).ok);
    WriteFile(Path("big.stc"), big);

    BoxSim box({"--quiet", "--flash", QPath("flash.bin")});
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"send", QPath("big.stc"), "--default"}, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "Too much channels, cancel modify default channels ?"));
    EXPECT_TRUE(Contains(run.err, "Too much default chnnels, only cancel this SEND!"));
    EXPECT_FALSE(Contains(run.out, "is open!"));  // the link was never opened
    // The receiver still holds its erased user block.
    const CliResult loaded = RunCliOn(box.PtyPath(), {"load", QPath("after.stc")}, dir.path());
    EXPECT_NE(ReadFile(Path("after.stc")), big);
}

TEST_F(SettingsE2e, SendRefusesFilesThatAreNotImages) {
    WriteText(Path("notes.txt"), "hello");
    BoxSim box({"--quiet"});
    ASSERT_TRUE(box.ok());
    EXPECT_EQ(RunCliOn(box.PtyPath(), {"send", QPath("notes.txt")}, dir.path()).exitCode, 2);
    EXPECT_EQ(RunCliOn(box.PtyPath(), {"send", QPath("none.stc")}, dir.path()).exitCode, 2);
}

}  // namespace
}  // namespace zev::test
