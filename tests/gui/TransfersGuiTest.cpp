// The program's transfers that prove themselves: Verify Box Settings and backups before a
// send against the simulated receiver, the Line Monitor window, Com Setup's port list and the
// status bar's word on a device that went away.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "GuiFixture.h"
#include "app/BoxBackupFile.h"
#include "app/CLineMonitorWnd.h"
#include "app/CommandTable.h"
#include "app/DeviceWatch.h"
#include "app/StatusPanes.h"
#include "app/TransferOptions.h"
#include "link/LineLog.h"
#include "link/LineMonitorModel.h"
#include "lists/CZuzeListViewView.h"
#include "settingsdialogs/CComSettingDlg.h"

namespace {

class FakePorts : public zev::SerialPortLister {
  public:
    std::vector<zev::SerialPortInfo> ports;
    std::vector<zev::SerialPortInfo> Ports() const override { return ports; }
};

zev::SerialPortInfo Port(const std::string& location) {
    zev::SerialPortInfo port;
    port.location = location;
    port.vendorId = 0x0403;
    port.productId = 0x6001;
    return port;
}

class TransfersGuiTest : public GuiFixture {
  protected:
    void TearDown() override {
        transfer_options::SetBackupBeforeSend(false);
        GuiFixture::TearDown();
    }
    bool StartSimulated() {
        if (!QFile::exists(QStringLiteral(ZEV_BIN_DIR "/zev-boxsim"))) return false;
        app_ = std::make_unique<CZevApp>(prompts_);
        return app_->Start({"--simulate"});
    }
    // F9 and its channel list.
    void LoadFromBox() {
        Frame().Execute(cmd::LoadSettingFromBox);
        QTRY_VERIFY_WITH_TIMEOUT(Frame().View().ListShown(), 60000);
    }
    bool Idle() { return Receiver().Session().Mode() == zev::ProtocolMode::Idle; }
    // The TV list shown and its first channel renamed "Edited" in Channel Edit.
    void EditFirstTvChannel() {
        Frame().Execute(cmd::TvChannelList);
        prompts_.dialogScripts.push_back([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("1019")->setText("Edited");
            dialog.accept();
            return dialog.result();
        });
        Frame().ListView()->EditRow(0);
    }
};

TEST_F(TransfersGuiTest, VerifyBoxSettingsComparesWithoutReplacingTheChannels) {
    if (!StartSimulated()) GTEST_SKIP() << "zev-boxsim not built";
    LoadFromBox();
    QTRY_VERIFY_WITH_TIMEOUT(Idle(), 60000);
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea),
              QStringLiteral("Loaded from the box: %1 TV and %2 radio channels")
                  .arg(app_->Database().header.TvCount)
                  .arg(app_->Database().header.RadioCount));
    Frame().Execute(cmd::VerifyBoxSettings);
    EXPECT_FALSE(Frame().View().ListShown());  // the run is shown in the terminal
    QTRY_VERIFY_WITH_TIMEOUT(!prompts_.messages.empty(), 60000);
    EXPECT_EQ(prompts_.messages.back().text,
              "The box holds the same settings as the channel list.");
    EXPECT_EQ(prompts_.messages.back().caption, "Verify Box Settings");
    QTRY_VERIFY_WITH_TIMEOUT(Idle(), 60000);
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea),
              "Verified: the box holds the same settings as the channel list");

    // An edit that is not in the box yet is named, and stays in the channel list.
    EditFirstTvChannel();
    ASSERT_TRUE(Doc().Changes().Changed());
    prompts_.messages.clear();
    Frame().Execute(cmd::VerifyBoxSettings);
    QTRY_VERIFY_WITH_TIMEOUT(!prompts_.messages.empty(), 60000);
    const QString verdict = prompts_.messages.back().text;
    EXPECT_TRUE(verdict.startsWith("The box's settings differ from the channel list:"))
        << verdict.toStdString();
    // From the channel list in memory to what the box holds.
    EXPECT_TRUE(verdict.contains("Name \"Edited\" -> \"")) << verdict.toStdString();
    EXPECT_TRUE(View().toPlainText().contains("Name \"Edited\" -> \""));
    QTRY_VERIFY_WITH_TIMEOUT(Idle(), 60000);
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea),
              "The box's settings differ from the channel list");
    EXPECT_TRUE(Doc().Changes().Changed());
    EXPECT_FALSE(Frame().View().ListShown());
    Frame().Execute(cmd::TvChannelList);
    EXPECT_EQ(Frame().ListView()->CellText(0, 1), "Edited");
}

TEST_F(TransfersGuiTest, BackupSettingSavesTheBoxsBlockBesideTheFileBeforeEachSend) {
    if (!StartSimulated()) GTEST_SKIP() << "zev-boxsim not built";
    QAction* backup = Frame().Action(cmd::BackupBeforeSend);
    ASSERT_TRUE(backup->isCheckable());
    EXPECT_FALSE(backup->isChecked());  // off until switched on
    LoadFromBox();
    prompts_.fileNames << Path("mine.stc");
    Frame().Execute(cmd::FileSave);  // the loaded channels as a file of the person's
    ASSERT_TRUE(QFile::exists(Path("mine.stc")));
    const QByteArray boxBlock = ReadFile(Path("mine.stc"));

    Frame().Execute(cmd::BackupBeforeSend);
    EXPECT_TRUE(backup->isChecked());
    EXPECT_TRUE(transfer_options::BackupBeforeSend());  // remembered for the next start
    prompts_.answers = {zev::MsgAnswer::No};
    Frame().Execute(cmd::SendSettingToBox);
    QTRY_VERIFY_WITH_TIMEOUT(View().toPlainText().contains("Send Param Data Success!"), 60000);
    const QStringList backups =
        QDir(Path(".")).entryList({QStringLiteral("mine-box-*.stc")}, QDir::Files);
    ASSERT_EQ(backups.size(), 1) << backups.join(' ').toStdString();
    EXPECT_TRUE(QRegularExpression("^mine-box-\\d{8}-\\d{6}\\.stc$").match(backups[0]).hasMatch());
    EXPECT_EQ(ReadFile(Path(backups[0])), boxBlock);
    const QString text = View().toPlainText();
    EXPECT_LT(text.indexOf("The box's settings were saved to"),
              text.indexOf("Wait for starting send data to box"));
}

// The backup before a send and the Line Monitor's Save As replace only a regular file that may
// be written, as every file the program writes.
TEST_F(TransfersGuiTest, BackupAndLineMonitorFilesAreWrittenAsEveryOutputIs) {
    StartApp();
    WriteFile(Path("locked.stc"), "locked");
    QFile::setPermissions(Path("locked.stc"), QFile::ReadOwner | QFile::ReadGroup);
    ASSERT_TRUE(QDir(Path(".")).mkdir("folder.txt"));
    const std::vector<uint8_t> block(0x100, 0x5A);
    QString error;
    EXPECT_FALSE(WriteBoxBackup(Path("locked.stc"), block, error));
    EXPECT_TRUE(error.contains("is read-only")) << error.toStdString();
    EXPECT_TRUE(WriteBoxBackup(Path("fresh.stc"), block, error));
    EXPECT_EQ(ReadFile(Path("fresh.stc")).size(), 0x100);

    Frame().Execute(cmd::LineMonitor);
    CLineMonitorWnd* monitor = Frame().LineMonitor();
    ASSERT_NE(monitor, nullptr);
    for (const char* name : {"locked.stc", "folder.txt"}) {
        prompts_.messages.clear();
        EXPECT_FALSE(monitor->SaveAs(Path(name))) << name;
        ASSERT_EQ(prompts_.messages.size(), 1u);
        EXPECT_EQ(prompts_.messages[0].caption, "Warning");
    }
    EXPECT_EQ(ReadFile(Path("locked.stc")), "locked");
    EXPECT_TRUE(QFileInfo(Path("folder.txt")).isDir());
    // No temporary file is left beside them.
    EXPECT_TRUE(
        QDir(Path(".")).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(TransfersGuiTest, LineMonitorShowsTheTransferBesideAnUnchangedTerminal) {
    if (!StartSimulated()) GTEST_SKIP() << "zev-boxsim not built";
    LoadFromBox();
    Frame().Execute(cmd::EditText);
    const QString withoutMonitor = View().toPlainText();

    Frame().Execute(cmd::LineMonitor);
    CLineMonitorWnd* monitor = Frame().LineMonitor();
    ASSERT_NE(monitor, nullptr);
    EXPECT_TRUE(monitor->IsOpen());
    EXPECT_FALSE(monitor->isHidden());
    EXPECT_TRUE(Frame().Action(cmd::LineMonitor)->isChecked());
    View().clear();
    LoadFromBox();
    Frame().Execute(cmd::EditText);
    monitor->Refresh();
    // The terminal shows the same run as without the monitor.
    EXPECT_EQ(View().toPlainText(), withoutMonitor);
    const zev::LineMonitorModel& model = monitor->Model();
    ASSERT_GT(model.rowCount(), 0x20000 / 16);
    EXPECT_EQ(model.data(model.index(0, zev::LineMonitorModel::DirectionColumn)).toString(), "TX");
    EXPECT_EQ(model.data(model.index(0, zev::LineMonitorModel::HexColumn)).toString(), "BB");
    EXPECT_NE(
        monitor->Table()->model()->data(monitor->Table()->model()->index(0, 2), Qt::ForegroundRole),
        monitor->Table()->model()->data(monitor->Table()->model()->index(1, 2),
                                        Qt::ForegroundRole));  // sent and received

    ASSERT_TRUE(monitor->FindNext("02 05 03"));  // the box's result frame
    EXPECT_GT(monitor->Table()->currentIndex().row(), 0x20000 / 16);
    ASSERT_TRUE(monitor->SaveAs(Path("line.txt")));
    const QByteArray saved = ReadFile(Path("line.txt"));
    EXPECT_TRUE(saved.contains(" TX BB ")) << saved.left(200).toStdString();
    EXPECT_EQ(saved.count('\n'), model.rowCount());

    // Paused, the rows stand still while the bytes are still recorded.
    monitor->SetPaused(true);
    const int rows = model.rowCount();
    const uint64_t pieces = monitor->Log().EndSequence();
    LoadFromBox();
    QTest::qWait(3 * CLineMonitorWnd::kRefreshMs);
    EXPECT_EQ(model.rowCount(), rows);
    EXPECT_GT(monitor->Log().EndSequence(), pieces);
    monitor->SetPaused(false);
    EXPECT_GT(model.rowCount(), rows);

    // Closed, it stops listening.
    monitor->close();
    EXPECT_FALSE(Frame().Action(cmd::LineMonitor)->isChecked());
    const uint64_t closedAt = monitor->Log().EndSequence();
    LoadFromBox();
    EXPECT_EQ(monitor->Log().EndSequence(), closedAt);
}

TEST_F(TransfersGuiTest, ComSetupPortListFollowsAdaptersAndKeepsTheTypedPort) {
    StartApp();
    FakePorts ports;
    ports.ports = {Port("/dev/ttyUSB0")};
    Doc().SetPortLister(ports);
    prompts_.messages.clear();
    bool checked = false;
    prompts_.dialogScripts.push_back([&](QDialog& dialog) {
        auto* dlg = qobject_cast<CComSettingDlg*>(&dialog);
        EXPECT_NE(dlg, nullptr);
        if (dlg == nullptr) return static_cast<int>(QDialog::Rejected);
        dialog.show();
        QComboBox* box = dlg->PortBox();
        EXPECT_GE(box->findText("/dev/ttyUSB0"), 0);
        box->setEditText("/dev/my-typed-port");
        ports.ports = {Port("/dev/ttyUSB0"), Port("/dev/ttyUSB1")};  // plugged in
        dlg->RefreshPorts();
        EXPECT_GE(box->findText("/dev/ttyUSB1"), 0);
        EXPECT_EQ(box->currentText(), "/dev/my-typed-port");
        ports.ports = {Port("/dev/ttyUSB1")};                // the first pulled out
        QTest::qWait(CComSettingDlg::kPortRefreshMs + 500);  // the dialog looks by itself
        EXPECT_LT(box->findText("/dev/ttyUSB0"), 0);
        EXPECT_EQ(box->currentText(), "/dev/my-typed-port");
        checked = true;
        dialog.hide();
        return static_cast<int>(QDialog::Rejected);
    });
    Frame().Execute(cmd::ComSetup);
    EXPECT_TRUE(checked);
}

// The channel list keeps its own file: a send forgets the current file, and a terminal text
// saved under another image's name may not take that image over. Keys as a person presses
// them: F9, F10, Ctrl+S.
TEST_F(TransfersGuiTest, SaveWritesTheListsOwnFileAfterASendAndATerminalSave) {
    if (!StartSimulated()) GTEST_SKIP() << "zev-boxsim not built";
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QTest::keyClick(&Frame(), Qt::Key_F9);
    QTRY_VERIFY_WITH_TIMEOUT(Frame().View().ListShown(), 60000);
    EXPECT_EQ(Frame().windowTitle(), "ZEV - Management V5.0");  // the box's channels: no file
    prompts_.fileNames << Path("mylist.stc");
    QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
    const QByteArray image = ReadFile(Path("mylist.stc"));
    ASSERT_FALSE(image.isEmpty());
    ASSERT_TRUE(QFile::copy(Path("mylist.stc"), Path("victim.stc")));

    prompts_.fileNames << Path("mylist.stc");
    Frame().Execute(cmd::FileOpen);
    EXPECT_EQ(Frame().windowTitle(), "mylist.stc - Management V5.0");
    prompts_.answers = {zev::MsgAnswer::No};  // the default channels stay
    QTest::keyClick(&Frame(), Qt::Key_F10);
    QTRY_VERIFY_WITH_TIMEOUT(Idle(), 60000);
    ASSERT_TRUE(View().toPlainText().contains("Send Param Data Success!"));
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea), "Sent to the box");
    ASSERT_FALSE(Frame().View().ListShown());
    EXPECT_EQ(Receiver().DataFile().CurrentFile(), "*.*");  // the send let go of it

    // Ctrl+S with the terminal shown asks for a text file; an existing image is refused.
    prompts_.messages.clear();
    prompts_.fileNames << Path("victim.stc") << Path("log.txt");
    QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text,
              Path("victim.stc") +
                  " is a parameter image. The terminal text is not saved over "
                  "it; please choose another name.");
    EXPECT_TRUE(ReadFile(Path("log.txt")).contains("Send Param Data Success!"));

    EditFirstTvChannel();
    EXPECT_EQ(Frame().windowTitle(), "mylist.stc* - Management V5.0");
    const int dialogs = prompts_.fileDialogTitles.size();
    QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts_.fileDialogTitles.size(), dialogs);  // no name asked: the list has one
    EXPECT_EQ(Frame().windowTitle(), "mylist.stc - Management V5.0");
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea), "Saved mylist.stc");

    // Both files on disk: the edit went into the list's file, the other image is untouched.
    EXPECT_EQ(ReadFile(Path("victim.stc")), image);
    const QByteArray saved = ReadFile(Path("mylist.stc"));
    ASSERT_EQ(saved.size(), image.size());
    auto db = std::make_unique<zev::ChannelDatabase>();
    ASSERT_TRUE(zev::UnpackImage(*db, std::span(reinterpret_cast<const uint8_t*>(saved.data()),
                                                static_cast<std::size_t>(saved.size())))
                    .ok);
    EXPECT_STREQ(db->channels[0].Name.data(), "Edited");
    EXPECT_EQ(saved, ImageOf(app_->Database()));
}

TEST_F(TransfersGuiTest, StatusBarSaysWhenTheDeviceWentAwayAndWhenItIsBack) {
    auto pty = std::make_unique<PseudoTerminal>();
    const std::string device = pty->SlavePath();
    ASSERT_FALSE(device.empty());
    StartApp();
    FakePorts ports;
    Doc().SetPortLister(ports);
    Doc().Settings().portName = device;
    Frame().Execute(cmd::ComConnect);
    ASSERT_TRUE(Doc().PortConnected());
    const QString name = QString::fromStdString(device);

    pty.reset();  // the device goes away under the open link
    QTRY_VERIFY_WITH_TIMEOUT(!Doc().PortConnected(), 10000);
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea), name + " has gone away");
    if (!QFile::exists(name)) {
        Doc().Watch().Poll();
        EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea), name + " has gone away");
    }
    ports.ports = {Port(device)};  // the system reports it again
    Doc().Watch().Poll();
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea), name + " is back");
}

}  // namespace
