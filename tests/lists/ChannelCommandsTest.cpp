// The popup commands of the channel list: the checks every one of them passes first, New, Edit
// and Delete with the selection they leave, and the satellite and transponder lists.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "ListsFixture.h"
#include "lists/CChannelEditDlg.h"

namespace lists_test {
namespace {

using ChannelCommands = ListViewFixture;

TEST_F(ChannelCommands, ChecksRunInOrderAndStopTheCommand) {
    Show(MakeDatabase(0, 0, 0, 0));
    for (int id : {9002, 9003, 9004, 9005, 9006, 9007, 9050, 9102}) View().OnPopupCommand(id);
    EXPECT_EQ(Messages(), QStringList(8, "You must add a satellite first!"));
    EXPECT_EQ(prompts_.messages.front().caption, "Information");
    View().OnPopupCommand(CZuzeListViewView::kSatelliteList);
    EXPECT_EQ(records_.satelliteLists, 1);
    EXPECT_EQ(prompts_.messages.size(), 8u);

    prompts_.messages.clear();
    Show(MakeDatabase(1, 0, 0, 0));
    for (int id : {9003, 9004, 9006}) View().OnPopupCommand(id);
    View().OnPopupCommand(CZuzeListViewView::kTransponderList);
    EXPECT_EQ(Messages(), QStringList(3, "You must add a tp first!"));
    EXPECT_EQ(records_.transponderLists, 1);

    prompts_.messages.clear();
    Show(MakeDatabase(1, 1, 0, 0));
    for (int id : {9002, 9003, 9005, 9006}) View().OnPopupCommand(id);
    EXPECT_EQ(Messages(), QStringList(4, "No Tv channel"));
    View().Refill(false, false);
    prompts_.messages.clear();
    View().OnPopupCommand(CZuzeListViewView::kEditChannel);
    EXPECT_EQ(Messages(), QStringList{"No Radio channel"});
    EXPECT_TRUE(prompts_.dialogTitles.isEmpty());
}

TEST_F(ChannelCommands, CommandsWithoutAnActionDoNothingOnceTheChecksPass) {
    Show(MakeDatabase(1, 1, 3, 0));
    SelectRows({1});
    for (int id : {9002, 9009, 9050, 9102}) View().OnPopupCommand(id);
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_TRUE(prompts_.dialogTitles.isEmpty());
    EXPECT_EQ(SlotIds(true), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(sink_.changes.empty());
}

TEST_F(ChannelCommands, NewChannelOnAnEmptyListStartsAtTransponderOne) {
    Show(MakeDatabase(1, 3, 0, 0));
    QString name;
    int selected = -2;
    QString videoPid;
    prompts_.dialogScripts.push_back([&](QDialog& dialog) {
        name = Box(dialog, CChannelEditDlg::kName)->text();
        selected = dialog.findChild<QComboBox*>("1020")->currentIndex();
        videoPid = Box(dialog, CChannelEditDlg::kVideoPid)->text();
        return FillAndAccept("First")(dialog);
    });
    View().OnPopupCommand(CZuzeListViewView::kNewChannel);
    EXPECT_EQ(name, "");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(videoPid, "0");
    ASSERT_EQ(View().RowCount(), 1);
    EXPECT_EQ(View().CellText(0, 0), "1");
    EXPECT_EQ(View().CellText(0, 1), "First");
    EXPECT_EQ(Db().Tv(0).TpNumber, 1);
    EXPECT_EQ(Db().Tv(0).RadioFlag, 0);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0}));
    EXPECT_EQ(sink_.changes, (std::vector<std::string>{"New Channel"}));
}

TEST_F(ChannelCommands, NewChannelTakesTheSelectedRowsPlaceAndCopiesItsHiddenBytes) {
    Show(MakeDatabase(1, 3, 5, 0));
    SelectRows({2});
    prompts_.dialogScripts.push_back(FillAndAccept("Inserted", 77));
    View().OnPopupCommand(CZuzeListViewView::kNewChannel);
    EXPECT_EQ(ShownIds(), (std::vector<int>{0, 1, 77, 2, 3, 4}));
    EXPECT_EQ(SlotIds(true), ShownIds());
    for (int r = 0; r < 6; ++r) EXPECT_EQ(View().CellText(r, 0), QString::number(r + 1));
    EXPECT_EQ(Db().Tv(2).TpFlagB, 1);  // from the template, row 2
    EXPECT_EQ(Db().Tv(2).VPID, 256 + 2);
    // The new row alone is selected, without the focus; the list has the keyboard focus.
    EXPECT_EQ(SelectedRows(), (std::vector<int>{2}));
    EXPECT_NE(View().FocusedRow(), 2);
    EXPECT_TRUE(View().hasFocus());
}

TEST_F(ChannelCommands, NewRadioChannelWithoutASelectionFollowsTheLastRow) {
    Show(MakeDatabase(1, 3, 2, 3), false);
    prompts_.dialogScripts.push_back(FillAndAccept("Appended", 99));
    View().OnPopupCommand(CZuzeListViewView::kNewChannel);
    EXPECT_EQ(ShownIds(), (std::vector<int>{1000, 1001, 1002, 99}));
    EXPECT_EQ(SlotIds(false), ShownIds());
    EXPECT_EQ(Db().channels[1840 - 4].RadioFlag, 1);
    EXPECT_EQ(Db().channels[1840 - 4].ServiceID, 99);
    EXPECT_EQ(SlotIds(true), (std::vector<int>{0, 1}));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{3}));
}

TEST_F(ChannelCommands, NewChannelCancelledSelectsTheTemplateRow) {
    Show(MakeDatabase(1, 3, 4, 0));
    SelectRows({0, 2});
    prompts_.dialogScripts.push_back(Cancel());
    View().OnPopupCommand(CZuzeListViewView::kNewChannel);
    EXPECT_EQ(SlotIds(true), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 2}));
    EXPECT_TRUE(sink_.changes.empty());
}

TEST_F(ChannelCommands, NewChannelRefusesWhenEverySlotIsTaken) {
    Show(MakeDatabase(1, 3, 1000, 840));
    View().OnPopupCommand(CZuzeListViewView::kNewChannel);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "There's only 1840 Channel can be add!");
    EXPECT_EQ(prompts_.messages[0].caption, "zev");
    EXPECT_TRUE(prompts_.dialogTitles.isEmpty());
}

TEST_F(ChannelCommands, EditStoresTheDialogsRecordAndReportsOnlyRealChanges) {
    Show(MakeDatabase(1, 3, 4, 0));
    SelectRows({3, 1});
    prompts_.dialogScripts.push_back(FillAndAccept("Renamed"));
    View().OnPopupCommand(CZuzeListViewView::kEditChannel);
    EXPECT_EQ(View().CellText(1, 1), "Renamed");
    EXPECT_EQ(View().CellText(3, 1), "TV 4");
    EXPECT_EQ(sink_.changes, (std::vector<std::string>{"Edit Channel"}));

    prompts_.dialogScripts.push_back([](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    });
    View().OnPopupCommand(CZuzeListViewView::kEditChannel);
    prompts_.dialogScripts.push_back(Cancel());
    View().OnPopupCommand(CZuzeListViewView::kEditChannel);
    EXPECT_EQ(View().CellText(1, 1), "Renamed");
    EXPECT_EQ(sink_.changes.size(), 1u);
}

TEST_F(ChannelCommands, DeleteRemovesTheSelectedRowsAndLeavesNoGaps) {
    Show(MakeDatabase(1, 3, 7, 2));
    SelectRows({1, 4});
    View().OnPopupCommand(CZuzeListViewView::kDeleteChannel);
    EXPECT_EQ(ShownIds(), (std::vector<int>{0, 2, 3, 5, 6}));
    EXPECT_EQ(SlotIds(true), ShownIds());
    for (int r = 0; r < 5; ++r) EXPECT_EQ(View().CellText(r, 0), QString::number(r + 1));
    EXPECT_EQ(SlotIds(false), (std::vector<int>{1000, 1001}));
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_EQ(sink_.changes, (std::vector<std::string>{"Delete 2 Channels"}));

    View().clearSelection();
    View().OnPopupCommand(CZuzeListViewView::kDeleteChannel);
    EXPECT_EQ(View().RowCount(), 5);
    EXPECT_EQ(sink_.changes.size(), 1u);
}

// Edits in the Satellite or Transponder List (a satellite renamed) only repaint the list: its
// selection and a pending Move Channel stay. Records added, removed or reordered fill it again.
TEST_F(ChannelCommands, TheRecordListsRefillTheViewOnlyAfterRenumberingChanges) {
    Show(MakeDatabase(1, 3, 4, 0));
    SelectRows({1, 2});
    View().OnPopupCommand(CZuzeListViewView::kMoveChannel);
    ASSERT_TRUE(View().MovePending());

    View().OnTransponderList();
    View().OnPopupCommand(CZuzeListViewView::kSatelliteList);
    records_.listResult = RecordListResult::Edited;
    View().OnSatelliteList();
    EXPECT_EQ(records_.transponderLists, 1);
    EXPECT_EQ(records_.satelliteLists, 2);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(View().MovePending());

    records_.listResult = RecordListResult::Renumbered;
    View().OnPopupCommand(CZuzeListViewView::kTransponderList);
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_FALSE(View().MovePending());

    View().SetRecordDialogs(nullptr);
    View().OnSatelliteList();
    EXPECT_EQ(records_.satelliteLists, 2);
}

}  // namespace
}  // namespace lists_test
