// zev --simulate: a settings load from the simulated receiver, through the whole program.
#include <QFile>
#include <QTest>

#include "GuiFixture.h"
#include "app/CommandIds.h"
#include "lists/CZuzeListViewView.h"

namespace {

class SimulateTest : public GuiFixture {};

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
    EXPECT_EQ(Frame().listShown, 0);
    QTRY_VERIFY_WITH_TIMEOUT(Frame().listShown == 1, 60000);
    EXPECT_TRUE(View().toPlainText().contains("Get Data Success!"));
    ASSERT_NE(Frame().listView, nullptr);
    EXPECT_GT(Frame().listView->topLevelItemCount(), 0);
    EXPECT_FALSE(Doc().PortConnected());

    // The simulator's port is for this run only.
    EXPECT_EQ(ReadFile("default.dat"), fileBefore);
}

}  // namespace
