// Reordering rows with the mouse, driven by real mouse events: the channel list, auto-scroll
// while the cursor is held outside the rows, and the dialogs' drag list.
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

#include "ListsFixture.h"
#include "editing/RowMoves.h"
#include "editing/RowTexts.h"
#include "lists/CDragListCtrl.h"
#include "lists/DragEngine.h"
#include "lists/DragPicture.h"

namespace lists_test {
namespace {

QPoint PointOf(const ListControl& list, int row) {
    return QPoint(20, list.RowRect(row).center().y());
}

// Presses on `from`, moves past the drag distance, then onto `to` and releases there.
void DragRow(ListControl& list, int from, int to) {
    QWidget* viewport = list.viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, PointOf(list, from));
    QTest::mouseMove(viewport, PointOf(list, from) + QPoint(0, 12));
    QTest::mouseMove(viewport, PointOf(list, to));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, PointOf(list, to));
}

std::vector<int> Reordered(std::vector<int> ids, const zev::DropResult& drop) {
    std::vector<int> out;
    for (std::size_t old : drop.order) out.push_back(ids[old]);
    return out;
}

using ChannelDrag = ListViewFixture;

// The line between two rows where the dragged rows will land: its top edge is `row`'s top (the
// row count: below the last row).
int LineRow(const DragEngine& drag, const ListControl& list) {
    if (!drag.InsertionLine().isVisible()) return -1;
    const int middle = drag.InsertionLine().geometry().center().y();
    for (int row = 0; row < list.RowCount(); ++row) {
        if (std::abs(list.RowRect(row).top() - middle) <= 2) return row;
    }
    const QRect last = list.RowRect(list.RowCount() - 1);
    return std::abs(last.bottom() + 1 - middle) <= 2 ? list.RowCount() : -1;
}

TEST_F(ChannelDrag, DraggedRowsLandWhereTheLineShowsAndTheSlotsFollow) {
    Show(MakeDatabase(1, 3, 10, 0));
    ClickRow(2);
    ClickRow(3, Qt::ControlModifier);
    QWidget* viewport = View().viewport();
    DragEngine& drag = View().Drag();

    const QPoint start = RowPoint(2) + QPoint(0, 12);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(2));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3}));  // a press on a selected row keeps them
    QTest::mouseMove(viewport, start);
    ASSERT_TRUE(drag.Dragging());
    EXPECT_EQ(drag.DraggedRows(), (std::vector<int>{2, 3}));

    // The picture holds both rows as they lie, with the cursor at the same offset from them.
    const DragPicture* picture = drag.Picture();
    ASSERT_NE(picture, nullptr);
    const QRect rows = View().RowRect(2) | View().RowRect(3);
    EXPECT_EQ(picture->size(), rows.size());
    EXPECT_EQ(picture->HotSpot(), start - rows.topLeft());
    EXPECT_EQ(picture->pos(), start - picture->HotSpot());
    EXPECT_TRUE(picture->isVisible());

    // Over a row's lower half the line is below it; no other row looks selected meanwhile.
    QTest::mouseMove(viewport, RowPoint(6));
    EXPECT_EQ(drag.InsertionRow(), 7);
    EXPECT_EQ(LineRow(drag, View()), 7);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3}));
    EXPECT_EQ(picture->pos(), RowPoint(6) - picture->HotSpot());
    QTest::mouseMove(viewport, QPoint(20, View().RowRect(5).top() + 1));
    EXPECT_EQ(LineRow(drag, View()), 5);

    QTest::mouseMove(viewport, RowPoint(6));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(6));
    EXPECT_FALSE(drag.Dragging());
    EXPECT_EQ(ShownIds(), (std::vector<int>{0, 1, 4, 5, 6, 2, 3, 7, 8, 9}));
    EXPECT_EQ(SlotIds(true), ShownIds());
    for (int r = 0; r < 10; ++r) EXPECT_EQ(View().CellText(r, 0), QString::number(r + 1));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{5, 6}));
    EXPECT_EQ(drag.DropTarget(), 7);
    EXPECT_EQ(sink_.changes, (std::vector<std::string>{"Drag 2 Channels"}));
}

TEST_F(ChannelDrag, RadioRowsDraggedUpTakeTheirChannelsAlong) {
    Show(MakeDatabase(1, 3, 2, 5), false);
    ClickRow(4);
    DragRow(View(), 4, 0);
    EXPECT_EQ(ShownIds(), (std::vector<int>{1000, 1004, 1001, 1002, 1003}));
    // The last radio channel moved from slot 1835 to slot 1838.
    EXPECT_EQ(Db().channels[1838].ServiceID, 1004);
    EXPECT_EQ(SlotIds(false), ShownIds());
    EXPECT_EQ(SlotIds(true), (std::vector<int>{0, 1}));
}

// With the cursor over the upper half of the first row the rows go first; the picture, which
// reaches above the cursor, never covers the header.
TEST_F(ChannelDrag, RowsDropAtTheFirstPlaceAndThePictureLeavesTheHeaderFree) {
    Show(MakeDatabase(1, 3, 8, 0));
    ClickRow(4);
    ClickRow(6, Qt::ShiftModifier);
    QWidget* viewport = View().viewport();
    DragEngine& drag = View().Drag();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(6));
    QTest::mouseMove(viewport, RowPoint(6) - QPoint(0, 12));
    const QPoint top(20, View().RowRect(0).top() + 1);
    QTest::mouseMove(viewport, top);
    ASSERT_TRUE(drag.Dragging());
    EXPECT_EQ(drag.InsertionRow(), 0);
    EXPECT_EQ(LineRow(drag, View()), 0);
    const QWidget* header = View().header();
    const QRegion shown =
        drag.Picture()->visibleRegion().translated(drag.Picture()->mapToGlobal(QPoint(0, 0)));
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_FALSE(shown.intersects(QRect(header->mapToGlobal(QPoint(0, 0)), header->size())));

    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, top);
    EXPECT_EQ(ShownIds(), (std::vector<int>{4, 5, 6, 0, 1, 2, 3, 7}));
    EXPECT_EQ(SlotIds(true), ShownIds());
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(drag.InsertionLine().isVisible());
}

TEST_F(ChannelDrag, RowsDroppedRightAfterTheRowAboveStayInOrderAndSelected) {
    Show(MakeDatabase(1, 3, 6, 0));
    ClickRow(3);
    ClickRow(4, Qt::ShiftModifier);
    DragRow(View(), 3, 2);
    EXPECT_EQ(ShownIds(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{3, 4}));
    EXPECT_TRUE(sink_.changes.empty());
}

TEST_F(ChannelDrag, HoldingTheCursorOutsideTheRowsScrollsALineAtATime) {
    Show(MakeDatabase(1, 3, 200, 0));
    View().resize(600, 200);
    QScrollBar* bar = View().verticalScrollBar();
    bar->setValue(100);
    ASSERT_EQ(View().RowAt(QPoint(5, 2)), 100);
    ClickRow(105);
    QWidget* viewport = View().viewport();
    DragEngine& drag = View().Drag();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(105));
    QTest::mouseMove(viewport, RowPoint(102));
    QTest::mouseMove(viewport, RowPoint(102) + QPoint(0, 1));
    ASSERT_EQ(drag.InsertionRow(), 103);

    // Above the rows (over the header): up, one line and one place per tick.
    QTest::mouseMove(viewport, QPoint(20, -5));
    EXPECT_EQ(drag.Direction(), DragEngine::Up);
    EXPECT_TRUE(drag.ScrollTimerRunning());
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->value() <= 97; }, 5000));
    const int steps = 100 - bar->value();
    EXPECT_EQ(drag.InsertionRow(), 103 - steps);
    EXPECT_EQ(View().RowAt(QPoint(5, 2)), 100 - steps);

    // Back among the rows the scrolling stops; below them it goes down.
    QTest::mouseMove(viewport, PointOf(View(), 100 - steps + 3));
    EXPECT_FALSE(drag.ScrollTimerRunning());
    EXPECT_EQ(drag.Direction(), DragEngine::None);
    const int value = bar->value();
    QTest::mouseMove(viewport, QPoint(20, viewport->height() + 5));
    EXPECT_EQ(drag.Direction(), DragEngine::Down);
    ASSERT_TRUE(QTest::qWaitFor([bar, value] { return bar->value() >= value + 2; }, 5000));
    const int after = drag.InsertionRow() - 1;  // the row the dragged one lands after
    EXPECT_EQ(after, 100 - steps + 3 + (bar->value() - value));

    std::vector<int> before = ShownIds();
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier,
                        QPoint(20, viewport->height() + 5));
    EXPECT_FALSE(drag.ScrollTimerRunning());
    EXPECT_EQ(ShownIds(), Reordered(before, zev::DropRows(200, std::vector<int>{105}, after)));
    EXPECT_EQ(SlotIds(true), ShownIds());
}

class DragList : public ::testing::Test {
  protected:
    void SetUp() override {
        list_.Attach(*db_, prompts_, &sink_);
        list_.resize(500, 300);
        list_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list_));
    }
    QStringList Texts() const {
        QStringList texts;
        for (int r = 0; r < list_.RowCount(); ++r) texts << list_.RowText(r);
        return texts;
    }

    std::unique_ptr<zev::ChannelDatabase> db_ = MakeDatabase(3, 4, 2, 0);
    ScriptedPrompts prompts_;
    RecordingSink sink_;
    CDragListCtrl list_;
};

TEST_F(DragList, ASingleSelectionListShowsTheLineAndKeepsItsOneSelectedRow) {
    list_.ListType = 7;  // no table behind it
    for (const char* text : {"1   A", "2   B", "3   C", "4   D", "5   E"}) list_.AddRow(text);
    EXPECT_TRUE(list_.isHeaderHidden());
    EXPECT_EQ(list_.columnWidth(0), 450);
    QSignalSpy dropped(&list_, &CDragListCtrl::RowsDropped);
    list_.SelectRow(1);
    QWidget* viewport = list_.viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, PointOf(list_, 1));
    QTest::mouseMove(viewport, PointOf(list_, 1) + QPoint(0, 12));
    QTest::mouseMove(viewport, PointOf(list_, 3));
    EXPECT_EQ(LineRow(*list_.findChild<DragEngine*>(), list_), 4);
    EXPECT_EQ(list_.SelectedRows(), std::vector<std::size_t>{1});
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, PointOf(list_, 3));

    EXPECT_EQ(list_.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(Texts(), (QStringList{"1   A", "3   C", "4   D", "2   B", "5   E"}));
    EXPECT_EQ(list_.SelectedRows(), std::vector<std::size_t>{3});
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_TRUE(sink_.changes.empty());
}

TEST_F(DragList, WithoutAListTypeADropSaysSoAndOnlyTheRowsMove) {
    for (const char* text : {"1   A", "2   B", "3   C"}) list_.AddRow(text);
    const auto transponders = db_->transponders;
    list_.SelectRow(0);
    DragRow(list_, 0, 2);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "Error in ListType! please contact your vendor!");
    EXPECT_EQ(prompts_.messages[0].caption, "zev");
    EXPECT_EQ(Texts(), (QStringList{"2   B", "3   C", "1   A"}));
    EXPECT_EQ(db_->transponders, transponders);
}

TEST_F(DragList, TransponderAndSatelliteDropsWriteEveryRowAgainWithItsNewNumber) {
    list_.ListType = CDragListCtrl::kTransponders;
    for (int r = 0; r < 4; ++r) {
        list_.AddRow(QString::fromStdString(zev::TransponderRowText(*db_, r, 73)));
        list_.SetRowText(r, QString::number(r + 1).leftJustified(7) + list_.RowText(r).mid(7));
    }
    list_.SelectRow(0);
    DragRow(list_, 0, 1);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(list_.RowText(r).toStdString(), zev::TransponderRowText(*db_, r, 73)) << r;
    }
    EXPECT_EQ(sink_.changes, (std::vector<std::string>{"Drag 1 Transponder"}));

    list_.ListType = CDragListCtrl::kSatellites;
    list_.DeleteAllRows();
    for (int r = 0; r < 3; ++r) list_.AddRow(QString::number(r + 1).leftJustified(70));
    list_.SelectRow(2);
    DragRow(list_, 2, 0);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(list_.RowText(r).toStdString(), zev::SatelliteRowText(*db_, r)) << r;
    }
    EXPECT_EQ(sink_.changes.back(), "Drag 1 Satellite");
}

}  // namespace
}  // namespace lists_test
