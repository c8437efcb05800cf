// What the channel list shows, its tool tips and popup menu, double clicks, keys, and Move
// Channel's wait for the target row.
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolTip>

#include "ListsFixture.h"
#include "lists/CChannelEditDlg.h"

namespace lists_test {
namespace {

using ChannelListView = ListViewFixture;

TEST_F(ChannelListView, RadioRowsShowTheSlotsFromTheEndOfTheCapacity) {
    auto db = MakeDatabase(2, 3, 2, 3);
    Show(std::move(db), false);
    ASSERT_EQ(View().RowCount(), 3);
    // Radio rows 0 to 2 are slots 1839, 1838 and 1837.
    EXPECT_EQ(ShownIds(), (std::vector<int>{1000, 1001, 1002}));
    EXPECT_EQ(Db().channels[1839].ServiceID, 1000);
    EXPECT_EQ(Db().channels[1837].ServiceID, 1002);
    EXPECT_EQ(View().CellText(2, 0), "3");
    EXPECT_EQ(View().CellText(0, 1), "Radio 1");
    EXPECT_EQ(View().CellText(0, 3), "SAT1");
    EXPECT_TRUE(View().SelectedRows().empty());

    View().Refill(true, false);
    EXPECT_EQ(ShownIds(), (std::vector<int>{0, 1}));
    EXPECT_EQ(View().CellText(1, 1), "TV 2");
}

TEST_F(ChannelListView, HexModeShowsPidsInHexadecimalInEveryRow) {
    auto db = MakeDatabase(1, 2, 3, 0);
    db->Tv(0).VPID = 255;
    db->Tv(1).VPID = 255;
    db->transponders[0].TransID = 255;
    Show(std::move(db));
    View().Refill(true, true);
    EXPECT_EQ(View().CellText(0, 7), "FF");
    EXPECT_EQ(View().CellText(0, 14), "FF");
    EXPECT_EQ(View().CellText(2, 0), "3");      // No.
    EXPECT_EQ(View().CellText(0, 2), "1");      // Sat
    EXPECT_EQ(View().CellText(0, 4), "10000");  // Fre
    EXPECT_EQ(View().CellText(0, 6), "27500");  // Symbol

    // A row written again after an edit shows the list's base like every other row: there is
    // no marker that would tell "255" from 0x255.
    prompts_.dialogScripts.push_back(FillAndAccept("Edited"));
    View().EditRow(1);
    EXPECT_EQ(View().CellText(1, 1), "Edited");
    EXPECT_EQ(View().CellText(1, 7), "FF");
    EXPECT_EQ(View().CellText(0, 7), "FF");
    View().Refill(true, false);
    EXPECT_EQ(View().CellText(0, 7), "255");
}

TEST_F(ChannelListView, MissingTranspondersAndSatellitesShowBlanks) {
    auto db = MakeDatabase(1, 2, 4, 0);
    db->Tv(0).TpNumber = 0;
    db->Tv(1).TpNumber = 3;  // beyond TpCount
    db->transponders[1].Sat = 9;
    db->transponders[1].Polarization = 7;
    db->Tv(2).TpNumber = 2;
    Show(std::move(db));
    for (int column : {2, 3, 4, 5, 6, 14}) {
        EXPECT_EQ(View().CellText(0, column), "") << column;
        EXPECT_EQ(View().CellText(1, column), "") << column;
    }
    EXPECT_EQ(View().CellText(0, 1), "TV 1");
    EXPECT_EQ(View().CellText(2, 2), "9");
    EXPECT_EQ(View().CellText(2, 3), "");
    EXPECT_EQ(View().CellText(2, 5), "V");
}

TEST_F(ChannelListView, CellsHaveOneHelpfulToolTipAndEmptySpaceNone) {
    Show(MakeDatabase(1, 1, 3, 0));
    EXPECT_LE(CZuzeListViewView::ToolTip().size(), 79);
    const QPoint cell = RowPoint(1);
    QHelpEvent overCell(QEvent::ToolTip, cell, View().viewport()->mapToGlobal(cell));
    QApplication::sendEvent(View().viewport(), &overCell);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), CZuzeListViewView::ToolTip());

    const QPoint below(20, View().RowRect(2).bottom() + 40);
    QHelpEvent overNothing(QEvent::ToolTip, below, View().viewport()->mapToGlobal(below));
    QApplication::sendEvent(View().viewport(), &overNothing);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
}

TEST_F(ChannelListView, PopupMenuOpensFromTheMouseAndTheKeyboard) {
    Show(MakeDatabase(1, 1, 3, 0));
    QMenu& menu = View().PopupMenu();
    QStringList texts;
    QList<int> ids;
    for (QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        ids << action->data().toInt();
    }
    EXPECT_EQ(texts, (QStringList{"&Edit Channel...       Enter", "New Channel...", "-",
                                  "&Move Channel", "&Delete Channel", "-",
                                  "&Transponder List      F11", "&Satellite List        F12"}));
    EXPECT_EQ(ids, (QList<int>{9003, 9004, 0, 9005, 9006, 0, 9007, 9008}));

    const QPoint at = RowPoint(1);
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, at, View().viewport()->mapToGlobal(at));
    QApplication::sendEvent(View().viewport(), &byMouse);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), View().viewport()->mapToGlobal(at));
    menu.hide();

    // Shift+F10 opens it under the current row.
    View().SetFocusedRow(2);
    QTest::keyClick(&View(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos().y(), View().viewport()->mapToGlobal(View().RowRect(2).bottomLeft()).y());
    menu.hide();
    QTest::keyClick(&View(), Qt::Key_Menu);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
}

TEST_F(ChannelListView, DoubleClickEditsTheRowUnderTheCursorOnly) {
    Show(MakeDatabase(1, 2, 3, 0));
    prompts_.dialogScripts.push_back(FillAndAccept("Twice"));
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(2));
    ASSERT_EQ(prompts_.dialogTitles, QStringList{"Channel Edit"});
    EXPECT_EQ(View().CellText(2, 1), "Twice");

    const QPoint below(20, View().RowRect(2).bottom() + 30);
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, below);
    EXPECT_EQ(prompts_.dialogTitles.size(), 1);
}

// The keys a person presses in the list, as key events: Enter, the keypad's Enter and F2 edit
// the selected channel, Delete deletes the selected channels, and without a selection the
// first Home, End or arrow key selects a row (Qt would have made row 1 current first).
TEST_F(ChannelListView, KeysEditDeleteAndSelectAsTheirLabelsPromise) {
    Show(MakeDatabase(1, 2, 5, 0));
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&View(), &focus);
    EXPECT_EQ(View().FocusedRow(), -1);
    QTest::keyClick(&View(), Qt::Key_End);
    EXPECT_EQ(SelectedRows(), std::vector<int>{4});
    QTest::keyClick(&View(), Qt::Key_Up);
    EXPECT_EQ(SelectedRows(), std::vector<int>{3});

    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> editKeys = {
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_F2, Qt::NoModifier}};
    for (const auto& [key, modifiers] : editKeys) {
        prompts_.dialogScripts.push_back([](QDialog& dialog) {
            EXPECT_EQ(Box(dialog, CChannelEditDlg::kName)->text(), "TV 4");
            dialog.reject();
            return dialog.result();
        });
        QTest::keyClick(&View(), key, modifiers);
    }
    EXPECT_EQ(prompts_.dialogTitles, QStringList(3, QStringLiteral("Channel Edit")));

    SelectRows({0, 3});
    QTest::keyClick(&View(), Qt::Key_Delete);
    EXPECT_EQ(ShownIds(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(sink_.changes, std::vector<std::string>{"Delete 2 Channels"});

    View().Refill(true, false);
    QApplication::sendEvent(&View(), &focus);
    QTest::keyClick(&View(), Qt::Key_Down);
    EXPECT_EQ(SelectedRows(), std::vector<int>{0});
}

TEST_F(ChannelListView, MoveChannelWaitsForTheTargetClickUnderTheMoveCursor) {
    Show(MakeDatabase(1, 2, 6, 0));
    SelectRows({4, 5});
    View().OnPopupCommand(CZuzeListViewView::kMoveChannel);
    EXPECT_TRUE(View().MovePending());
    EXPECT_EQ(View().CursorState(), 1);
    EXPECT_EQ(View().viewport()->cursor().shape(), Qt::SizeAllCursor);
    EXPECT_EQ(View().header()->cursor().shape(), Qt::SizeAllCursor);

    ClickRow(1);
    EXPECT_FALSE(View().MovePending());
    EXPECT_EQ(View().CursorState(), 0);
    EXPECT_EQ(View().viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(ShownIds(), (std::vector<int>{0, 4, 5, 1, 2, 3}));
    EXPECT_EQ(SlotIds(true), ShownIds());
    EXPECT_EQ(View().CellText(5, 0), "6");  // positions keep their numbers
    // The click then selects as any click does.
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));
    EXPECT_EQ(sink_.changes, (std::vector<std::string>{"Move 2 Channels"}));

    // A click on a selected row, which could begin a drag of the selection, names the target
    // all the same.
    SelectRows({0, 3});
    View().OnPopupCommand(CZuzeListViewView::kMoveChannel);
    ClickRow(3);
    EXPECT_FALSE(View().MovePending());
    EXPECT_EQ(ShownIds(), (std::vector<int>{4, 5, 1, 0, 2, 3}));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{3}));
    EXPECT_EQ(sink_.changes.back(), "Move 1 Channel");
}

// A click beside the rows, a switch to the other list, or Escape ends a waiting move without
// moving anything; the collected rows could name rows of another list by then.
TEST_F(ChannelListView, AMoveWithoutATargetRowMovesNothing) {
    Show(MakeDatabase(1, 2, 6, 3));
    SelectRows({4, 5});
    View().OnPopupCommand(CZuzeListViewView::kMoveChannel);
    QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(20, View().RowRect(5).bottom() + 40));
    EXPECT_FALSE(View().MovePending());
    EXPECT_EQ(View().CursorState(), 0);
    EXPECT_EQ(SlotIds(true), (std::vector<int>{0, 1, 2, 3, 4, 5}));

    SelectRows({4, 5});
    View().OnPopupCommand(CZuzeListViewView::kMoveChannel);
    View().Refill(false, false);
    EXPECT_FALSE(View().MovePending());
    ClickRow(0);
    EXPECT_EQ(SlotIds(false), (std::vector<int>{1000, 1001, 1002}));
    EXPECT_EQ(SlotIds(true), (std::vector<int>{0, 1, 2, 3, 4, 5}));

    SelectRows({2});
    View().OnPopupCommand(CZuzeListViewView::kMoveChannel);
    QTest::keyClick(&View(), Qt::Key_Escape);
    EXPECT_FALSE(View().MovePending());
    ClickRow(0);
    EXPECT_EQ(SlotIds(false), (std::vector<int>{1000, 1001, 1002}));
    EXPECT_TRUE(sink_.changes.empty());
}

}  // namespace
}  // namespace lists_test
