// F11 and F12 from the channel list, as the program runs them.

#include "GuiFixture.h"
#include "RecordDialogsFixture.h"
#include "app/CommandTable.h"
#include "lists/CZuzeListViewView.h"

namespace {

class RecordDialogsInAppTest : public GuiFixture {
  protected:
    // One satellite "OLD" with one transponder, and `tvCount` TV channels on it, shown.
    void ShowChannelsOfOneSatellite(std::size_t tvCount) {
        zev::ChannelDatabase& db = app_->Database();
        db.header.SatCount = 1;
        db.satellites[0].Name = {'O', 'L', 'D'};
        db.header.TpCount = 1;
        db.transponders[0].Sat = 1;
        db.header.TvCount = static_cast<uint16_t>(tvCount);
        for (std::size_t r = 0; r < tvCount; ++r) db.Tv(r).TpNumber = 1;
        Frame().Execute(cmd::TvChannelList);
    }
    // The next Satellite List: its first satellite picked, `button` pressed, and `name` typed
    // into the Satellite Edit that opens and confirmed.
    void ScriptSatelliteEditFromList(const char* button, const char* name) {
        prompts_.dialogScripts.push_back([button](QDialog& list) {
            record_list::SelectRow(Control<RecordListControl>(list, "1029"), 0);
            Click(list, button);
            list.reject();
            return list.result();
        });
        prompts_.dialogScripts.push_back([name](QDialog& edit) {
            Type(edit, "1019", name);
            Click(edit, "1");
            return edit.result();
        });
    }
};

// The channel list shows satellite numbers and names: a satellite inserted before the
// channel's own must show in the list once the Satellite List closes.
TEST_F(RecordDialogsInAppTest, TheChannelListRefillsAfterTheSatelliteListChangedIt) {
    StartApp();
    ShowChannelsOfOneSatellite(1);
    ASSERT_EQ(Frame().ListView()->RowCount(), 1);
    EXPECT_EQ(Frame().ListView()->CellText(0, 2), "1");

    ScriptSatelliteEditFromList("1031", "NEW");
    Frame().Execute(cmd::SatelliteList);
    EXPECT_EQ(Frame().ListView()->CellText(0, 2), "2");
    EXPECT_EQ(Frame().ListView()->CellText(0, 3), "OLD");

    prompts_.dialogScripts.push_back([](QDialog& list) {
        EXPECT_EQ(record_list::RowCount(Control<RecordListControl>(list, "1010")), 1);
        list.reject();
        return list.result();
    });
    Frame().Execute(cmd::TransponderList);
    EXPECT_EQ(prompts_.dialogTitles,
              QStringList({"Satellite List", "Satellite Edit", "Transponder List"}));
}

// A satellite renamed in the Satellite List shows in the channel list at once, and the
// channels selected there stay selected with the Move Channel that waits for its target.
TEST_F(RecordDialogsInAppTest, ARenamedSatelliteKeepsTheChannelListsSelectionAndPendingMove) {
    StartApp();
    ShowChannelsOfOneSatellite(3);
    CZuzeListViewView& list = *Frame().ListView();
    list.SelectRowRange(1, 2);
    list.OnPopupCommand(CZuzeListViewView::kMoveChannel);
    ASSERT_TRUE(list.MovePending());

    ScriptSatelliteEditFromList("1030", "RENAMED");
    Frame().Execute(cmd::SatelliteList);
    EXPECT_EQ(list.CellText(0, 3), "RENAMED");
    EXPECT_EQ(list.SelectedRows(), (std::vector<std::size_t>{1, 2}));
    EXPECT_TRUE(list.MovePending());
}

}  // namespace
