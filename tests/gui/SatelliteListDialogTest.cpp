// The Satellite List with its edit dialog and the transponders of a satellite, run as the
// channel list runs them.
#include <QApplication>
#include <QTest>

#include "RecordDialogsFixture.h"
#include "satellites/CSatelliteListDlg.h"
#include "satellites/LineListBox.h"

namespace {

RecordListControl& SatelliteRows(QDialog& list) { return Control<RecordListControl>(list, "1029"); }

class SatelliteListTest : public RecordDialogsTest {};

TEST_F(SatelliteListTest, NewBeforeTheSecondOfThreeStartsFromItAndRenumbersTransponders) {
    for (const char* name : {"ONE", "TWO", "THREE"}) AddSatellite(name);
    db_.satellites[1].Lnblow = 9750;
    db_.satellites[1].DiseqcBit2 = 1;  // carried, never shown
    for (uint8_t sat : {1, 2, 3}) AddTransponder(sat, 11000);
    Then([](QDialog& list) {
        RecordListControl& rows = SatelliteRows(list);
        record_list::SelectRow(rows, 1);
        Click(list, "1031");
        EXPECT_EQ(RowNumbers(rows), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(record_list::RowText(rows, 1).mid(7, 3), "NEW");
        EXPECT_EQ(record_list::RowText(rows, 2).mid(7, 3), "TWO");
        EXPECT_EQ(record_list::SelectedRow(rows), 1);
        list.reject();
    });
    Then([](QDialog& edit) {
        EXPECT_EQ(Text(edit, "1006"), "2");
        EXPECT_EQ(Text(edit, "1019"), "TWO");
        EXPECT_EQ(Text(edit, "1027"), "9750");
        Type(edit, "1019", "NEW");
        Click(edit, "1");
    });
    EXPECT_EQ(dialogs_.RunSatelliteList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(db_.header.SatCount, 4);
    EXPECT_EQ(std::string(db_.satellites[1].Name.data()), "NEW");
    EXPECT_EQ(db_.satellites[1].Lnblow, 9750);
    EXPECT_EQ(db_.satellites[1].DiseqcBit2, 1);
    EXPECT_EQ(TransponderSats(), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(changes_.descriptions, (std::vector<std::string>{"New Satellite"}));
}

TEST_F(SatelliteListTest, NewWithoutSelectionGoesOnTopAndCancelOnlySelectsTheFirstRow) {
    AddSatellite("OLD");
    Then([](QDialog& list) {
        RecordListControl& rows = SatelliteRows(list);
        Click(list, "1031");
        EXPECT_EQ(Rows(rows).size(), 1);
        EXPECT_EQ(record_list::SelectedRow(rows), 0);
        record_list::SelectRow(rows, -1);
        Click(list, "1031");
        EXPECT_EQ(record_list::RowText(rows, 0).mid(7, 3), "TOP");
        EXPECT_EQ(record_list::RowText(rows, 1).left(9), "2      OL");
        list.reject();
    });
    Then([](QDialog& edit) { Click(edit, "2"); });
    Then([](QDialog& edit) {
        Type(edit, "1019", "TOP");
        Click(edit, "1");
    });
    dialogs_.RunSatelliteList(nullptr);
    EXPECT_EQ(db_.header.SatCount, 2);
    EXPECT_EQ(changes_.descriptions, (std::vector<std::string>{"New Satellite"}));
}

TEST_F(SatelliteListTest, RefusalsSayWhyAndChangeNothing) {
    // An empty table: the commands that need a satellite do nothing at all.
    Then([](QDialog& list) {
        for (const char* id : {"1030", "1025", "1032"}) Click(list, id);
        list.reject();
    });
    EXPECT_EQ(dialogs_.RunSatelliteList(nullptr), RecordListResult::Unchanged);
    EXPECT_TRUE(prompts_.messages.empty());

    db_.header.SatCount = db_.header.SatCapacity;  // 156
    Then([](QDialog& list) {
        for (const char* id : {"1031", "1030", "1025", "1032"}) Click(list, id);
        emit SatelliteRows(list).doubleClicked(SatelliteRows(list).model()->index(0, 0));
        list.reject();
    });
    EXPECT_EQ(dialogs_.RunSatelliteList(nullptr), RecordListResult::Unchanged);
    const QString select = "You have to select a Satellite first!";
    EXPECT_EQ(MessageTexts(), QStringList({"There's only 156 Satellite can be add!", select, select,
                                           select, select}));
    EXPECT_EQ(prompts_.messages[0].caption, "zev");
    EXPECT_EQ(prompts_.messages[1].caption, "Information");
    EXPECT_EQ(prompts_.dialogTitles, QStringList({"Satellite List", "Satellite List"}));
}

TEST_F(SatelliteListTest, EditKeepsCarriedFieldsAndAppliesTheDiseqcAndNameRules) {
    AddSatellite("ASTRA");
    db_.satellites[0].DiseqcPort = 2;
    db_.satellites[0].LnbhighBit1 = 1;
    Then([](QDialog& list) {
        RecordListControl& rows = SatelliteRows(list);
        record_list::SelectRow(rows, 0);
        emit rows.doubleClicked(rows.model()->index(0, 0));
        EXPECT_EQ(record_list::RowText(rows, 0).mid(7, 12), "ABCDEFGHIJKL");
        list.reject();
    });
    Then([](QDialog& edit) {
        QComboBox& port = Combo(edit, "1008");
        EXPECT_EQ(port.currentText(), "B");
        EXPECT_TRUE(port.isEnabled());
        Combo(edit, "1028").setCurrentIndex(1);
        EXPECT_FALSE(port.isEnabled());
        EXPECT_EQ(port.currentText(), "OFF");
        Combo(edit, "1028").setCurrentIndex(0);
        EXPECT_TRUE(port.isEnabled());
        EXPECT_EQ(port.currentText(), "OFF");

        Type(edit, "1019", "ABCDEFGHIJKLMNO");
        Type(edit, "1027", "97x0");
        Click(edit, "1");
        EXPECT_EQ(edit.result(), QDialog::Rejected);
        QLineEdit& lnbLow = Control<QLineEdit>(edit, "1027");
        EXPECT_EQ(edit.focusWidget(), &lnbLow);
        EXPECT_EQ(lnbLow.selectedText(), "97x0");
        // The image keeps 14 bits of an LNB frequency.
        Type(edit, "1027", " 16384 ");
        Click(edit, "1");
        EXPECT_EQ(edit.result(), QDialog::Rejected);
        EXPECT_EQ(edit.focusWidget(), &lnbLow);
        Type(edit, "1027", " 16383 ");
        Click(edit, "1");
    });
    EXPECT_EQ(dialogs_.RunSatelliteList(nullptr), RecordListResult::Edited);
    EXPECT_EQ(MessageTexts(), QStringList({"Please enter an integer.",
                                           "Lnblow must be a number from 0 to 16383."}));
    const zev::SatelliteEntry& sat = db_.satellites[0];
    EXPECT_EQ(std::string(sat.Name.data()), "ABCDEFGHIJKL");
    EXPECT_EQ(sat.Name[12], '\0');
    EXPECT_EQ(sat.Lnblow, 16383);
    EXPECT_EQ(sat.DiseqcPort, 0);
    EXPECT_EQ(sat.LnbhighBit1, 1);
    EXPECT_EQ(changes_.descriptions, (std::vector<std::string>{"Edit Satellite"}));
}

// Only an image brings values the drop-downs have no entry for: they show no selection and
// survive an OK, until the user picks an entry.
TEST_F(SatelliteListTest, ValuesWithoutADropDownEntrySurviveAnEditUntilChanged) {
    AddSatellite("ODD");
    db_.satellites[0].DiseqcPort = 9;
    db_.satellites[0].Lnbtype = 5;
    Then([](QDialog& list) {
        RecordListControl& rows = SatelliteRows(list);
        EXPECT_EQ(record_list::RowText(rows, 0).mid(67), "9  ");
        record_list::SelectRow(rows, 0);
        Click(list, "1030");
        Click(list, "1030");
        list.reject();
    });
    Then([](QDialog& edit) {
        EXPECT_EQ(Combo(edit, "1008").currentIndex(), -1);
        EXPECT_EQ(Combo(edit, "1026").currentIndex(), -1);
        Click(edit, "1");
    });
    Then([](QDialog& edit) {
        Combo(edit, "1008").setCurrentIndex(4);
        Click(edit, "1");
    });
    dialogs_.RunSatelliteList(nullptr);
    EXPECT_EQ(db_.satellites[0].DiseqcPort, 4);
    EXPECT_EQ(db_.satellites[0].Lnbtype, 5);
    // The first OK changed nothing and so reported nothing.
    EXPECT_EQ(changes_.descriptions, (std::vector<std::string>{"Edit Satellite"}));
}

// Also by the keyboard: the list opens without a current row, End selects the last row, and
// Delete works as the Delete button.
TEST_F(SatelliteListTest, DeleteSelectsTheNewLastRowOrKeepsTheFirst) {
    for (const char* name : {"A", "B", "C", "D"}) AddSatellite(name);
    Then([](QDialog& list) {
        RecordListControl& rows = SatelliteRows(list);
        KeyboardFocus(rows);
        EXPECT_FALSE(rows.currentIndex().isValid());
        QTest::keyClick(&rows, Qt::Key_End);
        EXPECT_EQ(record_list::SelectedRow(rows), 3);
        Click(list, "1032");
        EXPECT_EQ(RowNumbers(rows), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(record_list::SelectedRow(rows), 2);
        QTest::keyClick(&rows, Qt::Key_Home);
        QTest::keyClick(&rows, Qt::Key_Delete);
        EXPECT_EQ(RowNumbers(rows), (std::vector<int>{1, 2}));
        EXPECT_EQ(record_list::RowText(rows, 0).mid(7, 1), "B");
        EXPECT_EQ(record_list::SelectedRow(rows), 0);
        list.reject();
    });
    EXPECT_EQ(dialogs_.RunSatelliteList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(db_.header.SatCount, 2);
    EXPECT_EQ(changes_.descriptions,
              (std::vector<std::string>{"Delete Satellite", "Delete Satellite"}));
}

TEST_F(SatelliteListTest, DeleteGoesOnOnlyAfterTheTransponderListWasEmptied) {
    for (const char* name : {"A", "B"}) AddSatellite(name);
    for (uint8_t sat : {2, 1, 2}) AddTransponder(sat, 11000);
    AddTv(1, "ON B");
    AddTv(2, "ON A");
    AddRadio(3, "ON B TOO");
    Then([](QDialog& list) {
        record_list::SelectRow(SatelliteRows(list), 1);
        Click(list, "1032");  // answered with Close
        Click(list, "1032");  // answered with Delete All
        EXPECT_EQ(RowNumbers(SatelliteRows(list)), (std::vector<int>{1}));
        list.reject();
    });
    Then([](QDialog& transponders) {
        EXPECT_EQ(transponders.windowTitle(), "Satellite: B  Total TP: 2");
        Click(transponders, "2");
    });
    Then([this](QDialog& transponders) {
        EXPECT_EQ(db_.header.SatCount, 2);  // nothing deleted after Close
        Click(transponders, "1037");
    });
    EXPECT_EQ(dialogs_.RunSatelliteList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(MessageTexts(), QStringList({"There are Transponders belong to this Satellite!",
                                           "There are Transponders belong to this Satellite!"}));
    EXPECT_EQ(prompts_.messages[0].caption, "zev");
    EXPECT_EQ(db_.header.SatCount, 1);
    EXPECT_EQ(TransponderSats(), (std::vector<int>{1}));
    EXPECT_EQ(TvTransponders(), (std::vector<int>{1}));
    EXPECT_EQ(std::string(db_.Tv(0).Name.data()), "ON A");
    EXPECT_EQ(db_.header.RadioCount, 0);
    EXPECT_EQ(changes_.descriptions, (std::vector<std::string>{"Delete Satellite"}));
}

TEST_F(SatelliteListTest, DeletingTheLastSatelliteWithEveryTransponderEmptiesTheTables) {
    AddSatellite("ONLY");
    AddTransponder(1, 11000);
    AddTv(1, "CH");
    Then([](QDialog& list) {
        RecordListControl& rows = SatelliteRows(list);
        record_list::SelectRow(rows, 0);
        Click(list, "1032");
        EXPECT_TRUE(Rows(rows).isEmpty());
        EXPECT_EQ(record_list::SelectedRow(rows), -1);
        Click(list, "1032");  // nothing left to delete, nothing asked
        list.reject();
    });
    Then([](QDialog& transponders) { Click(transponders, "1037"); });
    EXPECT_EQ(dialogs_.RunSatelliteList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(db_.header.SatCount, 0);
    EXPECT_EQ(db_.header.TpCount, 0);
    EXPECT_EQ(db_.header.TvCount, 0);
    EXPECT_EQ(prompts_.messages.size(), 1u);
}

TEST_F(SatelliteListTest, DeleteAllInTheTransponderListIsRememberedForTheWholeRun) {
    for (const char* name : {"A", "B"}) AddSatellite(name);
    for (uint8_t sat : {1, 2, 1, 2}) AddTransponder(sat, uint16_t(11000 + db_.header.TpCount));
    for (uint16_t tp : {1, 2, 3, 4}) AddTv(tp, "CH");
    Then([](QDialog& list) {
        record_list::SelectRow(SatelliteRows(list), 1);
        Click(list, "1025");  // Delete All
        Click(list, "1025");  // "This satellite no TP!"
        record_list::SelectRow(SatelliteRows(list), 0);
        Click(list, "1025");  // Close
        auto& dialog = static_cast<CSatelliteListDlg&>(list);
        EXPECT_TRUE(dialog.ListChanged());
        list.reject();
    });
    Then([](QDialog& transponders) {
        auto& lines = Control<LineListBox>(transponders, "1011");
        ASSERT_EQ(lines.RowCount(), 2);
        EXPECT_EQ(lines.RowText(0).left(2), "2 ");
        EXPECT_EQ(lines.RowText(1).left(2), "4 ");
        EXPECT_EQ(lines.RowText(1).size(), 80);
        Click(transponders, "1037");
    });
    Then([](QDialog& transponders) {
        EXPECT_EQ(transponders.windowTitle(), "Satellite: A  Total TP: 2");
        Click(transponders, "2");
    });
    EXPECT_EQ(dialogs_.RunSatelliteList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(MessageTexts(), QStringList({"This satellite no TP!"}));
    EXPECT_EQ(prompts_.messages[0].caption, "Warning");
    EXPECT_EQ(TransponderSats(), (std::vector<int>{1, 1}));
    EXPECT_EQ(TvTransponders(), (std::vector<int>{1, 2}));
    EXPECT_EQ(changes_.descriptions,
              (std::vector<std::string>{"Delete All Transponders of Satellite 2"}));
}

// The drag itself is driven elsewhere; after the rows moved, the list control puts the
// table into the rows' order.
TEST_F(SatelliteListTest, DroppedRowsReorderTheTableAndTheTransponderReferences) {
    for (const char* name : {"ONE", "TWO", "THREE"}) AddSatellite(name);
    for (uint8_t sat : {1, 2, 3, 2}) AddTransponder(sat, 11000);
    Then([](QDialog& list) {
        RecordListControl& rows = SatelliteRows(list);
        QStringList moved = Rows(rows);
        moved.move(2, 1);
        record_list::SetRows(rows, moved);
        rows.ApplyDrop(1);
        EXPECT_EQ(RowNumbers(rows), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(record_list::RowText(rows, 1).mid(7, 5), "THREE");
        list.reject();
    });
    EXPECT_EQ(dialogs_.RunSatelliteList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(std::string(db_.satellites[1].Name.data()), "THREE");
    EXPECT_EQ(TransponderSats(), (std::vector<int>{1, 3, 2, 3}));
    EXPECT_EQ(changes_.descriptions, (std::vector<std::string>{"Drag 1 Satellite"}));
}

}  // namespace
