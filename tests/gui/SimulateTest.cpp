// zev --simulate: a settings load from the simulated receiver, through the whole program.
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "GuiFixture.h"
#include "app/CommandTable.h"
#include "lists/CZuzeListViewView.h"

namespace {

class SimulateTest : public GuiFixture {
  protected:
    bool StartSimulated() {
        if (!QFile::exists(QStringLiteral(ZEV_BIN_DIR "/zev-boxsim"))) return false;
        app_ = std::make_unique<CZevApp>(prompts_);
        return app_->Start({"--simulate"});
    }
    void OpenFile(const QString& path) {
        prompts_.fileNames << path;
        Frame().Execute(cmd::FileOpen);
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
};

// An OTA file: the information at offset 16, its length value at 16 + 22.
QByteArray OtaFile(int size) {
    QByteArray bytes(size, '\x5A');
    const auto put32 = [&bytes](int at, uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    };
    put32(0, 16);
    bytes[20] = 7;  // software ID
    bytes[21] = 2;  // hardware version
    bytes[22] = 1;  // software type
    bytes[23] = 9;  // software version
    put32(16 + 22, static_cast<uint32_t>(size - 8));
    return bytes;
}

TEST_F(SimulateTest, LoadSettingFromTheSimulatedBoxShowsItsChannels) {
    if (!QFile::exists(QStringLiteral(ZEV_BIN_DIR "/zev-boxsim"))) {
        GTEST_SKIP() << "zev-boxsim not built";
    }
    app_ = std::make_unique<CZevApp>(prompts_);
    ASSERT_TRUE(app_->Start({"--simulate"}));
    const QByteArray fileBefore = ReadFile("default.dat");
    EXPECT_NE(Doc().Settings().portName, "COM1");

    // F9 from a list first shows the terminal, then runs.
    Frame().Execute(cmd::TvChannelList);
    Frame().Execute(cmd::LoadSettingFromBox);
    EXPECT_FALSE(Frame().View().ListShown());
    QTRY_VERIFY_WITH_TIMEOUT(Frame().View().ListShown(), 60000);
    EXPECT_TRUE(View().toPlainText().contains("Get Data Success!"));
    ASSERT_NE(Frame().ListView(), nullptr);
    EXPECT_GT(Frame().ListView()->RowCount(), 0);
    EXPECT_FALSE(Doc().PortConnected());

    // The simulator's port is for this run only.
    EXPECT_EQ(ReadFile("default.dat"), fileBefore);
}

// Load, an edit in the list, Send: the next load brings the edit back from the box.
TEST_F(SimulateTest, AnEditSentToTheBoxComesBackWithTheNextLoad) {
    if (!StartSimulated()) GTEST_SKIP() << "zev-boxsim not built";
    Frame().Execute(cmd::LoadSettingFromBox);
    QTRY_VERIFY_WITH_TIMEOUT(Frame().View().ListShown(), 60000);
    ASSERT_TRUE(Frame().View().ListShown());
    const int rows = Frame().ListView()->RowCount();
    ASSERT_GT(rows, 2);

    prompts_.dialogScripts.push_back([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("1019")->setText("Round trip");
        dialog.accept();
        return dialog.result();
    });
    Frame().ListView()->EditRow(1);
    ASSERT_TRUE(Doc().Changes().Changed());

    // Not the default channels too; the run goes on once the terminal is shown.
    prompts_.answers = {zev::MsgAnswer::No};
    Frame().Execute(cmd::SendSettingToBox);
    Frame().Execute(cmd::EditText);
    QTRY_VERIFY_WITH_TIMEOUT(View().toPlainText().contains("Send Param Data Success!"), 60000);
    ASSERT_TRUE(View().toPlainText().contains("Send Param Data Success!"));

    // The edit was not saved to a file: the load asks first.
    prompts_.answers = {zev::MsgAnswer::No};
    View().clear();
    Frame().Execute(cmd::LoadSettingFromBox);
    QTRY_VERIFY_WITH_TIMEOUT(Frame().View().ListShown(), 60000);
    ASSERT_TRUE(Frame().View().ListShown());
    EXPECT_EQ(prompts_.messages.back().text, "Save changes to the channel list?");
    EXPECT_EQ(Frame().ListView()->RowCount(), rows);
    EXPECT_EQ(Frame().ListView()->CellText(1, 1), "Round trip");
    EXPECT_FALSE(Doc().Changes().Changed());
}

// The program presses the simulated receiver's reset button itself, and the receiver answers
// with the loader each update waits for.
TEST_F(SimulateTest, SoftwareAndOtaUpdatesRunAgainstTheSimulatedBox) {
    if (!StartSimulated()) GTEST_SKIP() << "zev-boxsim not built";
    Write(Path("new.cus"), QByteArray(20001, '\x33'));
    OpenFile(Path("new.cus"));
    Frame().Execute(cmd::UpdateSoftware);
    QTRY_VERIFY_WITH_TIMEOUT(View().toPlainText().contains("<<Update Over!>>"), 60000);
    EXPECT_TRUE(View().toPlainText().contains("END Sent Data: [3/3]"));
    Frame().Execute(cmd::StopUpdate);

    Write(Path("new.sgn"), OtaFile(30000));
    OpenFile(Path("new.sgn"));
    View().clear();
    Frame().Execute(cmd::OtaSoftwareUpdate);
    QTRY_VERIFY_WITH_TIMEOUT(View().toPlainText().contains("<<Update Over!>>"), 60000);
    EXPECT_TRUE(View().toPlainText().contains("Start update OTA software ... "));
}

}  // namespace
