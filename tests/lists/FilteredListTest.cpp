// The channel list narrowed by a filter text: the rows keep showing list positions, a refill
// keeps the filter, Escape clears it, and every command works on the channels the rows show:
// Edit and Delete on them, New at the selected channel's place, Move Channel and drags among
// the places the shown channels hold while the hidden channels stay where they are.
#include <QLineEdit>
#include <QTest>

#include "ListsFixture.h"
#include "lists/DragEngine.h"

namespace lists_test {
namespace {

class FilteredList : public ListViewFixture {
  protected:
    // Twelve TV channels "TV 1" to "TV 12" (ServiceID = position) and three radio channels;
    // "tv 1" shows TV 1, TV 10, TV 11 and TV 12, at positions 0, 9, 10 and 11.
    void SetUp() override {
        Show(MakeDatabase(1, 3, 12, 3));
        View().SetFilterText("tv 1");
    }
    QStringList Numbers() const {
        QStringList numbers;
        for (int r = 0; r < const_cast<FilteredList*>(this)->View().RowCount(); ++r) {
            numbers << const_cast<FilteredList*>(this)->View().CellText(r, 0);
        }
        return numbers;
    }
};

using Ids = std::vector<int>;

QString NameOf(const zev::ChannelEntry& channel) {
    return QString::fromLatin1(channel.Name.data());
}

TEST_F(FilteredList, RowsShowTheMatchingChannelsAtTheirListPositions) {
    EXPECT_EQ(ShownIds(), (Ids{0, 9, 10, 11}));
    EXPECT_EQ(Numbers(), QStringList({"1", "10", "11", "12"}));
    EXPECT_EQ(View().CellText(1, 1), "TV 10");

    // A number: the PIDs (VPID 256 + position, APID 257 + position), in hexadecimal in hex
    // mode.
    View().SetFilterText("259");
    EXPECT_EQ(ShownIds(), (Ids{2, 3}));
    View().Refill(true, true);
    EXPECT_EQ(View().FilterText(), "259");
    EXPECT_EQ(View().RowCount(), 0);
    View().SetFilterText("100");
    ASSERT_EQ(View().RowCount(), 1);
    EXPECT_EQ(View().CellText(0, 7), "100");
    EXPECT_EQ(View().CellText(0, 0), "1");

    // The radio list gets the same filter.
    View().SetFilterText("radio 2");
    View().Refill(false, false);
    ASSERT_EQ(View().RowCount(), 1);
    EXPECT_EQ(View().CellText(0, 0), "2");
    EXPECT_EQ(View().CellText(0, 1), "Radio 2");

    // A character no name can hold matches nothing; an empty text shows everything.
    View().SetFilterText(QStringLiteral("\u20AC"));
    EXPECT_EQ(View().RowCount(), 0);
    View().SetFilterText(QString());
    EXPECT_EQ(View().RowCount(), 3);
}

TEST_F(FilteredList, EscapeEndsAPendingMoveFirstAndThenClearsTheFilter) {
    View().setFocus();
    SelectRows({1});
    View().OnPopupCommand(CZuzeListViewView::kMoveChannel);
    ASSERT_TRUE(View().MovePending());
    QTest::keyClick(&View(), Qt::Key_Escape);
    EXPECT_FALSE(View().MovePending());
    EXPECT_EQ(View().FilterText(), "tv 1");
    QTest::keyClick(&View(), Qt::Key_Escape);
    EXPECT_EQ(View().FilterText(), "");
    EXPECT_EQ(View().RowCount(), 12);
}

TEST_F(FilteredList, EditWorksOnTheChannelOfTheRowAndKeepsItInSight) {
    prompts_.dialogScripts.push_back(FillAndAccept("Renamed"));
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(2));
    EXPECT_EQ(NameOf(Db().Tv(10)), "Renamed");
    EXPECT_EQ(View().CellText(2, 1), "Renamed");  // no longer a match, still shown
    EXPECT_EQ(View().CellText(2, 0), "11");
    EXPECT_EQ(sink_.changes, (std::vector<std::string>{"Edit Channel"}));
}

TEST_F(FilteredList, DeleteRemovesTheSelectedChannelsOnly) {
    SelectRows({1, 3});
    View().OnPopupCommand(CZuzeListViewView::kDeleteChannel);
    EXPECT_EQ(SlotIds(true), (Ids{0, 1, 2, 3, 4, 5, 6, 7, 8, 10}));
    EXPECT_EQ(ShownIds(), (Ids{0, 10}));
    EXPECT_EQ(Numbers(), QStringList({"1", "10"}));
    EXPECT_EQ(sink_.changes, (std::vector<std::string>{"Delete 2 Channels"}));
}

TEST_F(FilteredList, MoveAndDragReorderTheShownChannelsAmongTheirPlaces) {
    // Move Channel: TV 1 clicked onto TV 11's row.
    SelectRows({0});
    View().OnPopupCommand(CZuzeListViewView::kMoveChannel);
    ClickRow(2);
    EXPECT_EQ(ShownIds(), (Ids{9, 10, 0, 11}));
    EXPECT_EQ(Numbers(), QStringList({"1", "10", "11", "12"}));
    EXPECT_EQ(SlotIds(true), (Ids{9, 1, 2, 3, 4, 5, 6, 7, 8, 10, 0, 11}));

    // A drag of the last row onto the first: the hidden channels still keep their places.
    ClickRow(3);
    QWidget* viewport = View().viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(3));
    QTest::mouseMove(viewport, RowPoint(3) - QPoint(0, 12));
    QTest::mouseMove(viewport, RowPoint(0));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(0));
    EXPECT_EQ(ShownIds(), (Ids{9, 11, 10, 0}));
    EXPECT_EQ(Numbers(), QStringList({"1", "10", "11", "12"}));
    EXPECT_EQ(SlotIds(true), (Ids{9, 1, 2, 3, 4, 5, 6, 7, 8, 11, 10, 0}));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));
    EXPECT_EQ(sink_.changes, (std::vector<std::string>{"Move 1 Channel", "Drag 1 Channel"}));
}

TEST_F(FilteredList, NewGoesToTheSelectedPlaceOrAfterTheLastShownAndStaysInSight) {
    // With TV 11 selected: the new channel takes its place, though it does not match.
    SelectRows({2});
    prompts_.dialogScripts.push_back(FillAndAccept("Other", 500));
    View().OnPopupCommand(CZuzeListViewView::kNewChannel);
    EXPECT_EQ(SlotIds(true), (Ids{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 500, 10, 11}));
    EXPECT_EQ(ShownIds(), (Ids{0, 9, 500, 10, 11}));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{2}));

    // Without a selection: after the last channel shown, here TV 9 once the filter is "9".
    View().SetFilterText("TV 9");
    View().Refill(true, false);
    ASSERT_EQ(ShownIds(), (Ids{8}));
    prompts_.dialogScripts.push_back(FillAndAccept("Late", 501));
    View().OnPopupCommand(CZuzeListViewView::kNewChannel);
    EXPECT_EQ(SlotIds(true), (Ids{0, 1, 2, 3, 4, 5, 6, 7, 8, 501, 9, 500, 10, 11}));
    EXPECT_EQ(ShownIds(), (Ids{8, 501}));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));
    EXPECT_EQ(NameOf(Db().Tv(9)), "Late");
}

// Undo and filter keystrokes refill the list: a drag running then ends without moving anything.
TEST_F(FilteredList, ARefillWhileRowsAreDraggedEndsTheDragWithoutAMove) {
    ClickRow(3);
    QWidget* viewport = View().viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(3));
    QTest::mouseMove(viewport, RowPoint(3) - QPoint(0, 12));
    QTest::mouseMove(viewport, RowPoint(0));
    ASSERT_TRUE(View().Drag().Dragging());
    View().SetFilterText("tv");
    EXPECT_FALSE(View().Drag().Dragging());
    QTest::mouseMove(viewport, RowPoint(5));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(5));
    EXPECT_EQ(SlotIds(true), (Ids{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_TRUE(sink_.changes.empty());
}

TEST_F(FilteredList, CommandsSayWhenTheFilterHidesEveryChannel) {
    View().SetFilterText("nothing like this");
    View().OnPopupCommand(CZuzeListViewView::kEditChannel);
    EXPECT_EQ(Messages(), QStringList({"No channel matches the filter."}));
    // New still works: it adds after the last channel of the list and starts from that
    // channel, as New does on a list that shows it, with the bytes the dialog does not show.
    const std::size_t last = Db().header.TvCount - 1u;
    Db().Tv(last).VpidAux = 2;
    prompts_.dialogScripts.push_back([](QDialog& dialog) {
        EXPECT_EQ(Box(dialog, 1019)->text(), "TV 12");
        return FillAndAccept("Added", 600)(dialog);
    });
    View().OnPopupCommand(CZuzeListViewView::kNewChannel);
    EXPECT_EQ(SlotIds(true).back(), 600);
    EXPECT_EQ(Db().Tv(last + 1).VpidAux, 2);
    EXPECT_EQ(ShownIds(), (Ids{600}));
}

}  // namespace
}  // namespace lists_test
