// How the desktop program meets the desktop: the window's place on a small screen, files handed
// over by a file manager (--open), and toolbar pictures that tell the commands apart.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <cstring>
#include <vector>

#include "GuiFixture.h"
#include "app/CAboutDlg.h"
#include "app/CCheckReportDlg.h"
#include "app/CCompareDlg.h"
#include "app/CLineMonitorWnd.h"
#include "app/CommandTable.h"
#include "app/ToolbarIcons.h"
#include "app/WindowPlacement.h"
#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"
#include "editing/DatabaseDiff.h"
#include "formats/ParameterImage.h"
#include "lists/CChannelEditDlg.h"
#include "lists/CZuzeListViewView.h"
#include "satellites/CSatelliteEditDlg.h"
#include "satellites/CSatelliteListDlg.h"
#include "satellites/CTransponderEditDlg.h"
#include "satellites/CTransponderListDlg.h"
#include "satellites/CTransponderPickDlg.h"
#include "settings/SerialPortList.h"
#include "settingsdialogs/CComSettingDlg.h"
#include "settingsdialogs/CFlashSettingDlg.h"
#include "support/SpecialFiles.h"
#include "ui/ScreenFit.h"

namespace {

class DesktopStartTest : public GuiFixture {};

// The program speaks the system's language where it has a catalogue for it, and English
// where it has none.
TEST_F(DesktopStartTest, MenusAreInTheSystemsLanguage) {
    {
        const ProgramLanguageScope english(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_FALSE(english.Found());
        StartApp();
        EXPECT_EQ(Frame().menuBar()->actions().first()->text().toStdString(), "&File");
        app_.reset();
    }
    {
        const ProgramLanguageScope german(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(german.Found());
        StartApp();
        EXPECT_EQ(Frame().menuBar()->actions().first()->text().toStdString(), "&Datei");
        app_.reset();
    }
    StartApp();
    EXPECT_EQ(Frame().menuBar()->actions().first()->text().toStdString(), "&File");
}

TEST_F(DesktopStartTest, MainWindowOpensWithinTheAvailableAreaOfASmallScreen) {
    StartApp();
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    // The offscreen screen (800 wide, its windows with a 2-pixel frame) is narrower than the
    // window's preferred 1040 x 680.
    const QRect area = Frame().screen()->availableGeometry();
    ASSERT_LT(area.width(), 1040);
    EXPECT_TRUE(area.contains(Frame().frameGeometry()))
        << "area " << area.width() << "x" << area.height() << "+" << area.x() << "+" << area.y()
        << ", window " << Frame().frameGeometry().width() << "x" << Frame().frameGeometry().height()
        << "+" << Frame().x() << "+" << Frame().y();
    EXPECT_GT(Frame().width(), area.width() / 2);

    // A window manager that put the window where its frame was meant to go leaves the title
    // bar above the screen; once the frame is known, the window moves back onto the screen.
    Frame().move(area.left() - 30, area.top() - 20);
    ASSERT_LT(Frame().frameGeometry().top(), area.top());
    KeepFrameOnScreen(Frame());
    EXPECT_EQ(Frame().frameGeometry().topLeft(), area.topLeft());
    // A frame larger than the area keeps its top-left corner, and so its title bar, in it.
    EXPECT_EQ(FrameInside(QRect(-5, -5, 900, 700), QRect(0, 0, 800, 600)), QRect(0, 0, 900, 700));
    EXPECT_EQ(FrameInside(QRect(300, 200, 600, 500), QRect(0, 0, 800, 600)),
              QRect(200, 100, 600, 500));
}

// The window opens where and as large as the last run left it, and the Line Monitor docks
// where it was; the first time it takes a third of the window.
TEST_F(DesktopStartTest, WindowGeometryAndDockLayoutAreRemembered) {
    StartApp();
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    Frame().setGeometry(40, 50, 700, 500);
    Frame().Execute(cmd::LineMonitor);
    ASSERT_NE(Frame().LineMonitor(), nullptr);
    QApplication::processEvents();
    EXPECT_GT(Frame().LineMonitor()->width(), Frame().width() / 4);
    EXPECT_LT(Frame().LineMonitor()->width(), Frame().width() * 2 / 5);
    Frame().resizeDocks({Frame().LineMonitor()}, {320}, Qt::Horizontal);
    QApplication::processEvents();
    const QRect geometry = Frame().geometry();
    const int dockWidth = Frame().LineMonitor()->width();
    ASSERT_TRUE(Frame().close());

    app_.reset();
    StartApp();
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    EXPECT_EQ(Frame().geometry(), geometry);
    Frame().Execute(cmd::LineMonitor);
    QApplication::processEvents();
    EXPECT_EQ(Frame().LineMonitor()->width(), dockWidth);
    QSettings().remove("Window");  // the other tests start as on a first run
}

// At QT_SCALE_FACTOR=2 a 1600 x 1000 screen leaves 800 x 500 pixels to lay out in: every
// dialog must fit them with its title bar, so that OK, Cancel and Close stay on the screen.
TEST_F(DesktopStartTest, EveryDialogFitsAScreenOf800By500) {
    StartApp();
    zev::ChannelDatabase& db = app_->Database();
    db.header.SatCount = 1;
    db.header.TpCount = 1;
    db.transponders[0].Sat = 1;
    class NoPorts : public zev::SerialPortLister {
      public:
        std::vector<zev::SerialPortInfo> Ports() const override { return {}; }
    } ports;
    zev::ChannelDatabase other;
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CChannelEditDlg>(db, db.channels[0], prompts_, nullptr));
    dialogs.push_back(std::make_unique<CSatelliteListDlg>(db, prompts_, Doc().Changes()));
    dialogs.push_back(std::make_unique<CTransponderListDlg>(db, prompts_, Doc().Changes()));
    dialogs.push_back(std::make_unique<CTransponderPickDlg>(db, prompts_, Doc().Changes()));
    dialogs.push_back(std::make_unique<CSatelliteEditDlg>(prompts_));
    dialogs.push_back(std::make_unique<CTransponderEditDlg>(db, prompts_));
    dialogs.push_back(std::make_unique<CComSettingDlg>(Doc().Settings(), ports));
    dialogs.push_back(std::make_unique<CFlashSettingDlg>(Doc().Settings()));
    dialogs.push_back(std::make_unique<CAboutDlg>());
    dialogs.push_back(std::make_unique<CCheckReportDlg>());
    dialogs.push_back(std::make_unique<CCompareDlg>(
        [&](bool) { return zev::DiffDatabases(other, db); }, "other.stc"));
    const QSize room = QSize(800, 500).shrunkBy(EstimatedFrame());
    for (const auto& dialog : dialogs) {
        const QSize needed = dialog->minimumSizeHint();
        EXPECT_LE(needed.width(), room.width()) << dialog->windowTitle().toStdString();
        EXPECT_LE(needed.height(), room.height()) << dialog->windowTitle().toStdString();
    }
}

TEST_F(DesktopStartTest, OpenOptionOpensAParameterImageAsFileOpenDoes) {
    WriteFile(Path("box.stc"), OneChannelImage("Das Erste"));
    app_ = std::make_unique<CZevApp>(prompts_);
    ASSERT_TRUE(app_->Start({"--open", Path("box.stc")}));
    EXPECT_TRUE(Frame().View().TvListShown());
    ASSERT_EQ(Frame().ListView()->RowCount(), 1);
    EXPECT_EQ(Frame().ListView()->CellText(0, 1), "Das Erste");
    EXPECT_EQ(Receiver().DataFile().CurrentFile(), Path("box.stc").toStdString());
    EXPECT_TRUE(View().toPlainText().isEmpty());  // not shown as terminal text
}

TEST_F(DesktopStartTest, OpenOptionAnswersAFileItCannotOpenAsFileOpenDoes) {
    WriteFile(Path("box.img"), OneChannelImage("Das Erste"));
    app_ = std::make_unique<CZevApp>(prompts_);
    ASSERT_TRUE(app_->Start({"--open", Path("box.img")}));
    EXPECT_FALSE(Frame().View().ListShown());
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "\n Wrong File: " + Path("box.img"));
    EXPECT_EQ(Receiver().DataFile().CurrentFile(), "*.*");
}

TEST_F(DesktopStartTest, WrongCommandLineStopsStartUpWithAMessage) {
    app_ = std::make_unique<CZevApp>(prompts_);
    EXPECT_FALSE(app_->Start({"--bogus"}));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_TRUE(prompts_.messages[0].text.contains("bogus"));
}

TEST_F(DesktopStartTest, DefaultDatThatIsAPipeStartsWithTheDefaultsAndSaysSo) {
    // Opened for reading, the pipe would hold start-up until something wrote to it.
    zev::testing::FeedingPipe pipe("default.dat", "9600,8,Even,COM2,2,Hardware,3,4,");
    ASSERT_TRUE(pipe.Made());
    StartApp();
    EXPECT_EQ(Doc().Settings(), zev::LinkSettings{});
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text,
              "\"default.dat\" is not a regular file; the default settings are used.");
    EXPECT_EQ(prompts_.messages[0].caption, "Warning");
}

TEST_F(DesktopStartTest, ToolbarHoldsItsCommandsInOrderEachWithAPictureOfItsOwn) {
    StartApp();
    const std::vector<int> expected = {cmd::FileNew,
                                       cmd::FileOpen,
                                       cmd::FileSave,
                                       0,
                                       cmd::EditCut,
                                       cmd::EditCopy,
                                       cmd::EditPaste,
                                       0,
                                       cmd::UpdateParameters,
                                       cmd::UpdateSoftware,
                                       cmd::OtaSoftwareUpdate,
                                       cmd::StopUpdate,
                                       0,
                                       cmd::EditText,
                                       cmd::TvChannelList,
                                       cmd::RadioChannelList,
                                       0,
                                       cmd::ToggleHexMode,
                                       cmd::AppAbout};
    std::vector<int> shown;
    std::vector<std::pair<int, QImage>> pictures;
    for (QAction* action : Frame().ToolBar()->actions()) {
        if (action->isSeparator()) {
            shown.push_back(0);
            continue;
        }
        int id = -1;
        for (const CommandEntry& entry : CommandTable()) {
            if (Frame().Action(entry.id) == action) id = entry.id;
        }
        shown.push_back(id);
        const QImage picture = action->icon().pixmap(24, 24).toImage();
        ASSERT_FALSE(picture.isNull()) << "command " << id << " has no picture";
        for (const auto& [otherId, other] : pictures) {
            EXPECT_NE(picture, other) << "commands " << otherId << " and " << id << " look alike";
        }
        pictures.emplace_back(id, picture);
    }
    EXPECT_EQ(shown, expected);
    EXPECT_FALSE(ProgramIcon().pixmap(48, 48).isNull());
}

}  // namespace
