// Command enabling in the three view states, the shortcut assignments, and the status panes.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include "GuiFixture.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "link/SerialLink.h"
#include "lists/CZuzeListViewView.h"

namespace {

class FrameCommandsTest : public GuiFixture {
  protected:
    bool Enabled(int id) { return Frame().Action(id)->isEnabled(); }
    // The View menu's views that are checked: the one shown.
    std::vector<int> CheckedViews() {
        std::vector<int> checked;
        for (int id : {cmd::EditText, cmd::TvChannelList, cmd::RadioChannelList}) {
            if (Frame().Action(id)->isChecked()) checked.push_back(id);
        }
        return checked;
    }

    // Commands that belong to the terminal alone.
    void ExpectTerminalCommands(bool enabled) {
        for (int id : {cmd::UpdateParameters, cmd::UpdateSoftware, cmd::OtaSoftwareUpdate,
                       cmd::StopUpdate, cmd::ViewFont}) {
            EXPECT_EQ(Enabled(id), enabled) << id;
        }
    }
    void ExpectAlwaysEnabled() {
        for (int id :
             {cmd::LoadSettingFromBox, cmd::SendSettingToBox, cmd::EditText, cmd::FileOpen,
              cmd::FileSave, cmd::FileSaveAs, cmd::ComSetup, cmd::FlashSelect, cmd::AppAbout}) {
            EXPECT_TRUE(Enabled(id)) << id;
        }
        EXPECT_FALSE(Enabled(cmd::NextPane));
        EXPECT_FALSE(Enabled(cmd::PrevPane));
    }
};

TEST_F(FrameCommandsTest, EnablingFollowsTheShownView) {
    StartApp();
    EXPECT_EQ(Frame().windowTitle(), "ZEV - Management V5.0");
    // A selection in the terminal makes Copy available there, and only there.
    View().setPlainText("some text");
    View().selectAll();

    // Terminal.
    ExpectAlwaysEnabled();
    ExpectTerminalCommands(true);
    EXPECT_TRUE(Enabled(cmd::EditCopy));
    EXPECT_TRUE(Enabled(cmd::TvChannelList));
    EXPECT_FALSE(Enabled(cmd::RadioChannelList));
    EXPECT_FALSE(Enabled(cmd::ToggleHexMode));
    EXPECT_FALSE(Enabled(cmd::TransponderList));
    EXPECT_FALSE(Enabled(cmd::SatelliteList));
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::Connection), "Disconnect:");
    // The views are entries of the View menu, each checked while shown.
    QMenu* viewMenu = nullptr;
    for (QMenu* menu : Frame().menuBar()->findChildren<QMenu*>()) {
        if (menu->title() == "&View") viewMenu = menu;
    }
    ASSERT_NE(viewMenu, nullptr);
    for (int id : {cmd::EditText, cmd::TvChannelList, cmd::RadioChannelList, cmd::ToggleHexMode}) {
        EXPECT_TRUE(viewMenu->actions().contains(Frame().Action(id))) << id;
    }
    EXPECT_EQ(CheckedViews(), std::vector<int>{cmd::EditText});
    EXPECT_TRUE(Frame().Panes().Text(StatusPanes::ShownList).isEmpty());

    // TV list.
    Frame().Execute(cmd::TvChannelList);
    ASSERT_NE(Frame().ListView(), nullptr);
    EXPECT_TRUE(Frame().View().TvListShown());
    EXPECT_TRUE(Frame().View().ListShown());
    ExpectAlwaysEnabled();
    ExpectTerminalCommands(false);
    for (int id : {cmd::EditUndo, cmd::EditCut, cmd::EditCopy, cmd::EditPaste}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_FALSE(Enabled(cmd::TvChannelList));
    EXPECT_TRUE(Enabled(cmd::RadioChannelList));
    EXPECT_TRUE(Enabled(cmd::ToggleHexMode));
    EXPECT_TRUE(Enabled(cmd::TransponderList));
    EXPECT_TRUE(Enabled(cmd::SatelliteList));
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::Connection), "");
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::PortSettings), "");
    EXPECT_EQ(CheckedViews(), std::vector<int>{cmd::TvChannelList});
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::ShownList), "TV list: 0 channels");
    EXPECT_FALSE(Frame().Action(cmd::ToggleHexMode)->isChecked());

    Frame().Execute(cmd::ToggleHexMode);
    EXPECT_TRUE(Frame().View().HexMode());
    EXPECT_TRUE(Frame().Action(cmd::ToggleHexMode)->isChecked());

    // Radio list: reached only through the TV list, and not again from itself.
    Frame().Execute(cmd::RadioChannelList);
    EXPECT_FALSE(Frame().View().TvListShown());
    EXPECT_FALSE(Frame().View().TvListMode());
    ExpectTerminalCommands(false);
    EXPECT_TRUE(Enabled(cmd::TvChannelList));
    EXPECT_FALSE(Enabled(cmd::RadioChannelList));
    EXPECT_TRUE(Enabled(cmd::ToggleHexMode));
    EXPECT_EQ(CheckedViews(), std::vector<int>{cmd::RadioChannelList});
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::ShownList), "Radio list: 0 channels");

    // Back to the terminal.
    Frame().Execute(cmd::EditText);
    EXPECT_FALSE(Frame().View().ListShown());
    ExpectTerminalCommands(true);
    EXPECT_FALSE(Enabled(cmd::RadioChannelList));
    EXPECT_FALSE(Enabled(cmd::ToggleHexMode));
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::Connection), "Disconnect:");
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::PortSettings), "COM1-115200-None-8-1");
    EXPECT_EQ(CheckedViews(), std::vector<int>{cmd::EditText});
}

TEST_F(FrameCommandsTest, CaptionsAndShortcutsKeepTheirHistoricalForm) {
    StartApp();
    EXPECT_EQ(Frame().Action(cmd::LoadSettingFromBox)->text(), "&Load Setting from Box ");
    EXPECT_EQ(Frame().Action(cmd::SendSettingToBox)->text(), "&Send  Setting to Box ");
    EXPECT_EQ(Frame().Action(cmd::StopUpdate)->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_TRUE(Frame().Action(cmd::ComDisconnect)->shortcuts().isEmpty());
    EXPECT_EQ(Frame().Action(cmd::EditText)->toolTip(), "Edit Text   Ctrl+F1");
    EXPECT_EQ(Frame().Action(cmd::StopUpdate)->statusTip(), "Download Stop");
}

TEST_F(FrameCommandsTest, F6WithAListShownLeavesTheConnectionOpen) {
    PseudoTerminal pty;
    ASSERT_FALSE(pty.SlavePath().empty());
    StartApp();
    Doc().Settings().portName = pty.SlavePath();
    Frame().Execute(cmd::ComConnect);
    ASSERT_TRUE(Doc().PortConnected());
    EXPECT_FALSE(Enabled(cmd::ComConnect));
    EXPECT_TRUE(Enabled(cmd::ComDisconnect));
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::Connection), "Connect:");

    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    Frame().Execute(cmd::TvChannelList);
    QTest::keyClick(&Frame(), Qt::Key_F6);
    EXPECT_TRUE(Doc().PortConnected());

    // With the terminal shown F6 is Stop Update, which ends the run and reports it.
    Frame().Execute(cmd::EditText);
    QTest::keyClick(&Frame(), Qt::Key_F6);
    EXPECT_FALSE(Doc().PortConnected());
    EXPECT_TRUE(View().toPlainText().endsWith(QString::fromStdString(pty.SlavePath()) +
                                              " has been closed!"));
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::Connection), "Disconnect:");
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::Elapsed), "00:00:00");
}

TEST_F(FrameCommandsTest, ComCommandsReportOnTheTerminal) {
    StartApp();
    Doc().Settings().portName = "/nonexistent/zev-port";
    Frame().Execute(cmd::ComConnect);
    EXPECT_FALSE(Doc().PortConnected());
    EXPECT_TRUE(Enabled(cmd::ComConnect));
    EXPECT_TRUE(View().toPlainText().endsWith(
        "Can't open connection, maybe COM is open!\n/nonexistent/zev-port does not exist."));

    Receiver().OnComDisconnect();
    EXPECT_TRUE(
        View().toPlainText().endsWith("Oh, maybe /nonexistent/zev-port haven't been opened!"));
}

TEST_F(FrameCommandsTest, ExitWhileConnectedClosesThePortWithoutAsking) {
    PseudoTerminal pty;
    StartApp();
    Doc().Settings().portName = pty.SlavePath();
    Frame().Execute(cmd::ComConnect);
    ASSERT_TRUE(Doc().PortConnected());
    View().AppendText("\nunsaved text");
    Frame().Execute(cmd::AppExit);
    EXPECT_FALSE(Doc().PortConnected());
    EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(FrameCommandsTest, TransferProgressShowsInTheStatusBar) {
    StartApp();
    Receiver().TransferProgress(2, 5);
    EXPECT_FALSE(Frame().Panes().Progress()->isHidden());
    EXPECT_EQ(Frame().Panes().Progress()->value(), 2);
    Receiver().TransferProgress(0, 0);
    EXPECT_TRUE(Frame().Panes().Progress()->isHidden());
}

TEST_F(FrameCommandsTest, ListViewCreatedByEditTextIsLeftAligned) {
    StartApp();
    Frame().Execute(cmd::EditText);
    ASSERT_NE(Frame().ListView(), nullptr);
    const QAbstractItemModel* model = Frame().ListView()->model();
    EXPECT_EQ(model->columnCount(), 15);
    EXPECT_EQ(model->headerData(14, Qt::Horizontal).toString(), "TransID");
    EXPECT_EQ(Frame().ListView()->columnWidth(4), 40);
    EXPECT_TRUE(model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                Qt::AlignLeft);
    // The columns keep what they were given at creation.
    Frame().Execute(cmd::TvChannelList);
    EXPECT_EQ(Frame().ListView()->columnWidth(4), 40);
}

TEST_F(FrameCommandsTest, ListViewCreatedByTvListHasItsOwnWidths) {
    StartApp();
    Frame().Execute(cmd::TvChannelList);
    const QAbstractItemModel* model = Frame().ListView()->model();
    EXPECT_EQ(Frame().ListView()->columnWidth(4), 50);
    EXPECT_EQ(Frame().ListView()->columnWidth(13), 70);
    EXPECT_TRUE(model->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                Qt::AlignLeft);
    EXPECT_TRUE(model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                Qt::AlignRight);
}

}  // namespace
