// The Transponder List with its edit dialog and the channels of a transponder, and the
// Transponder Pick of the Channel Edit dialog.
#include <QTest>

#include "RecordDialogsFixture.h"
#include "satellites/CTransponderListDlg.h"
#include "satellites/LineListBox.h"

namespace {

RecordListControl& TransponderRows(QDialog& list) {
    return Control<RecordListControl>(list, "1010");
}

class TransponderListTest : public RecordDialogsTest {
  protected:
    // Three transponders of satellite SAT1 with channels on 1, 2 and 3.
    void ThreeTransponders() {
        AddSatellite("SAT1");
        for (uint16_t f : {10714, 10729, 10744}) AddTransponder(1, f);
        AddTv(1, "TV ON 1");
        AddTv(2, "TV ON 2");
        AddTv(3, "TV ON 3");
        AddRadio(2, "RADIO ON 2");
    }
};

TEST_F(TransponderListTest, NewOnAnEmptyTableStartsAtTheFirstSatellite) {
    AddSatellite("SAT1");
    AddSatellite("SAT2");
    Then([](QDialog& list) {
        Click(list, "1031");
        EXPECT_EQ(RowNumbers(TransponderRows(list)), (std::vector<int>{1}));
        EXPECT_EQ(record_list::SelectedRow(TransponderRows(list)), 0);
        list.reject();
    });
    Then([](QDialog& edit) {
        EXPECT_EQ(Text(edit, "1006"), "1");
        EXPECT_EQ(Combo(edit, "1001").currentText(), "SAT1");
        EXPECT_EQ(Combo(edit, "1001").count(), 2);
        Type(edit, "1022", "11778");
        Combo(edit, "1005").setCurrentIndex(1);
        Click(edit, "1");
    });
    EXPECT_EQ(dialogs_.RunTransponderList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(db_.header.TpCount, 1);
    EXPECT_EQ(db_.transponders[0].Sat, 1);
    EXPECT_EQ(db_.transponders[0].Frequency, 11778);
    EXPECT_EQ(db_.transponders[0].Polarization, 1);
    EXPECT_EQ(changes_.descriptions, (std::vector<std::string>{"New Transponder"}));
}

TEST_F(TransponderListTest, NewBeforeTheSecondMovesTheChannelsOfTheLaterOnes) {
    ThreeTransponders();
    db_.transponders[1].SatAux = 0x2A;
    Then([](QDialog& list) {
        RecordListControl& rows = TransponderRows(list);
        record_list::SelectRow(rows, 1);
        Click(list, "1031");
        EXPECT_EQ(RowNumbers(rows), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(record_list::RowText(rows, 1).mid(25, 5), "12000");
        EXPECT_EQ(record_list::RowText(rows, 2).mid(25, 5), "10729");
        list.reject();
    });
    Then([](QDialog& edit) {
        EXPECT_EQ(Text(edit, "1006"), "2");
        EXPECT_EQ(Text(edit, "1022"), "10729");
        Type(edit, "1022", "12000");
        Click(edit, "1");
    });
    dialogs_.RunTransponderList(nullptr);
    EXPECT_EQ(db_.transponders[1].SatAux, 0x2A);  // taken from the template
    EXPECT_EQ(TvTransponders(), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(RadioTransponders(), (std::vector<int>{3}));
}

TEST_F(TransponderListTest, RefusalsSayWhyAndChangeNothing) {
    Then([](QDialog& list) {
        Click(list, "1031");
        for (const char* id : {"1030", "1011", "1012"}) Click(list, id);  // empty: nothing
        list.reject();
    });
    dialogs_.RunTransponderList(nullptr);
    EXPECT_EQ(MessageTexts(), QStringList({"You must add a satellite first!"}));
    EXPECT_EQ(prompts_.messages[0].caption, "Information");

    prompts_.messages.clear();
    AddSatellite("SAT1");
    db_.header.TpCount = db_.header.TpCapacity;  // 2000
    Then([](QDialog& list) {
        for (const char* id : {"1031", "1030", "1011", "1012"}) Click(list, id);
        list.reject();
    });
    EXPECT_EQ(dialogs_.RunTransponderList(nullptr), RecordListResult::Unchanged);
    const QString select = "You must select a Transponder first!";
    EXPECT_EQ(MessageTexts(),
              QStringList({"There's only 2000 Transponder can be add!", select, select, select}));
    EXPECT_EQ(prompts_.messages[0].caption, "zev");
    EXPECT_EQ(prompts_.dialogTitles, QStringList({"Transponder List", "Transponder List"}));
}

TEST_F(TransponderListTest, EditStoresWhatTheImageKeepsAndKeepsWhatItDoesNotShow) {
    AddSatellite("SAT1");
    AddSatellite("SAT2");
    AddTransponder(1, 10714);
    AddTransponder(7, 10729);  // names no satellite in use
    db_.transponders[0].SatAux = 0x11;
    Then([](QDialog& list) {
        RecordListControl& rows = TransponderRows(list);
        EXPECT_EQ(record_list::RowText(rows, 1).mid(7, 18), QString(18, ' '));
        // Opened without a selection: the first Down selects row 1, and Enter edits it.
        KeyboardFocus(rows);
        QTest::keyClick(&rows, Qt::Key_Down);
        EXPECT_EQ(record_list::SelectedRow(rows), 0);
        QTest::keyClick(&rows, Qt::Key_Enter, Qt::KeypadModifier);
        record_list::SelectRow(rows, 1);
        emit rows.doubleClicked(rows.model()->index(1, 0));
        EXPECT_EQ(record_list::RowText(rows, 0).mid(48, 6), "65535 ");
        list.reject();
    });
    // 70000 would be cut to 4464 and -1 to 65535: each is named with its range instead.
    Then([](QDialog& edit) {
        Combo(edit, "1001").setCurrentIndex(1);
        Type(edit, "1003", "70000");
        Type(edit, "1004", "-1");
        Click(edit, "1");
        EXPECT_EQ(edit.focusWidget(), &Control<QLineEdit>(edit, "1003"));
        Type(edit, "1003", "65535");
        Click(edit, "1");
        EXPECT_EQ(edit.result(), QDialog::Rejected);
        EXPECT_EQ(edit.focusWidget(), &Control<QLineEdit>(edit, "1004"));
        Type(edit, "1004", "65535");
        Type(edit, "1022", "16384");
        Click(edit, "1");
        EXPECT_EQ(edit.focusWidget(), &Control<QLineEdit>(edit, "1022"));
        Type(edit, "1022", "16383");
        Click(edit, "1");
    });
    Then([](QDialog& edit) {
        EXPECT_EQ(Combo(edit, "1001").currentIndex(), -1);
        Type(edit, "1003", "");
        Click(edit, "1");
        EXPECT_EQ(edit.result(), QDialog::Rejected);
        EXPECT_EQ(edit.focusWidget(), &Control<QLineEdit>(edit, "1003"));
        Type(edit, "1003", "22000");
        Click(edit, "1");
    });
    dialogs_.RunTransponderList(nullptr);
    EXPECT_EQ(db_.transponders[0].Sat, 2);
    EXPECT_EQ(db_.transponders[0].Symbol, 65535);
    EXPECT_EQ(db_.transponders[0].TransID, 65535);
    EXPECT_EQ(db_.transponders[0].Frequency, 16383);
    EXPECT_EQ(db_.transponders[0].SatAux, 0x11);
    // No satellite chosen: the transponder keeps its Sat instead of losing it to 0.
    EXPECT_EQ(db_.transponders[1].Sat, 7);
    EXPECT_EQ(db_.transponders[1].Symbol, 22000);
    EXPECT_EQ(MessageTexts(), QStringList({"Trans Symbol must be a number from 0 to 65535.",
                                           "Trans ID must be a number from 0 to 65535.",
                                           "Frequency must be a number from 0 to 16383.",
                                           "Please enter an integer."}));
}

TEST_F(TransponderListTest, ChannelsListsThemAndDeleteAllRemovesThemOnly) {
    ThreeTransponders();
    db_.transponders[1].Frequency = 11778;
    db_.transponders[1].Polarization = 1;
    db_.transponders[1].Symbol = 27500;
    Then([](QDialog& list) {
        record_list::SelectRow(TransponderRows(list), 1);
        Click(list, "1011");
        Click(list, "1011");
        list.reject();
    });
    Then([](QDialog& channels) {
        EXPECT_EQ(channels.windowTitle(), "Transponder 2: 11778 V 27500  Total CH: 2");
        auto& lines = Control<LineListBox>(channels, "1011");
        ASSERT_EQ(lines.RowCount(), 2);
        EXPECT_EQ(lines.RowText(0).left(16), "TV       TV ON 2");
        EXPECT_EQ(lines.RowText(1).left(19), "Radio    RADIO ON 2");
        Click(channels, "3");
    });
    EXPECT_EQ(dialogs_.RunTransponderList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(MessageTexts(), QStringList({"There's No channel belong to this Transponder!"}));
    EXPECT_EQ(db_.header.TpCount, 3);
    EXPECT_EQ(TvTransponders(), (std::vector<int>{1, 3}));
    EXPECT_EQ(db_.header.RadioCount, 0);
    EXPECT_EQ(changes_.descriptions,
              (std::vector<std::string>{"Delete All Channels of Transponder 2"}));
}

TEST_F(TransponderListTest, DeleteGoesOnOnlyAfterTheChannelListWasEmptied) {
    ThreeTransponders();
    Then([](QDialog& list) {
        RecordListControl& rows = TransponderRows(list);
        record_list::SelectRow(rows, 0);
        Click(list, "1012");  // answered with Close
        EXPECT_EQ(RowNumbers(rows), (std::vector<int>{1, 2, 3}));
        Click(list, "1012");  // answered with Delete All
        EXPECT_EQ(RowNumbers(rows), (std::vector<int>{1, 2}));
        EXPECT_EQ(record_list::RowText(rows, 0).mid(25, 5), "10729");
        EXPECT_EQ(record_list::SelectedRow(rows), -1);
        record_list::SelectRow(rows, 1);
        Click(list, "1012");  // the last one, which has channels: Delete All
        EXPECT_EQ(record_list::SelectedRow(rows), 0);
        list.reject();
    });
    Then([](QDialog& channels) { Click(channels, "2"); });
    Then([](QDialog& channels) { Click(channels, "3"); });
    Then([](QDialog& channels) { Click(channels, "3"); });
    EXPECT_EQ(dialogs_.RunTransponderList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(MessageTexts().count("There are channel(s) belong to this Transponder!"), 3);
    EXPECT_EQ(db_.header.TpCount, 1);
    EXPECT_EQ(db_.transponders[0].Frequency, 10729);
    EXPECT_EQ(TvTransponders(), (std::vector<int>{1}));
    EXPECT_EQ(RadioTransponders(), (std::vector<int>{1}));
    EXPECT_EQ(changes_.descriptions,
              (std::vector<std::string>{"Delete Transponder", "Delete Transponder"}));
}

TEST_F(TransponderListTest, DroppedRowsSwapTheChannelsOfSwappedTransponders) {
    ThreeTransponders();
    Then([](QDialog& list) {
        RecordListControl& rows = TransponderRows(list);
        QStringList moved = Rows(rows);
        moved.move(0, 1);
        record_list::SetRows(rows, moved);
        rows.ApplyDrop(1);
        EXPECT_EQ(RowNumbers(rows), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(record_list::RowText(rows, 0).mid(25, 5), "10729");
        list.reject();
    });
    EXPECT_EQ(dialogs_.RunTransponderList(nullptr), RecordListResult::Renumbered);
    EXPECT_EQ(TvTransponders(), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(RadioTransponders(), (std::vector<int>{1}));
    EXPECT_EQ(changes_.descriptions, (std::vector<std::string>{"Drag 1 Transponder"}));
}

class TransponderPickTest : public TransponderListTest {};

TEST_F(TransponderPickTest, DoubleClickChoosesAndCloseKeepsTheCallersChoice) {
    ThreeTransponders();
    AddTransponder(1, 10758);
    Then([](QDialog& pick) {
        auto& lines = Control<LineListBox>(pick, "1010");
        EXPECT_EQ(lines.SelectedRow(), 1);
        EXPECT_EQ(lines.RowText(3).size(), 80);
        emit lines.doubleClicked(lines.model()->index(2, 0));
    });
    int choice = 1;
    EXPECT_TRUE(dialogs_.PickTransponder(nullptr, choice));
    EXPECT_EQ(choice, 2);

    Then([](QDialog& pick) {
        Control<LineListBox>(pick, "1010").SelectRow(0);
        Click(pick, "2");
    });
    EXPECT_FALSE(dialogs_.PickTransponder(nullptr, choice));
    EXPECT_EQ(choice, 2);
}

TEST_F(TransponderPickTest, EditChangesTheSelectedTransponderInPlace) {
    ThreeTransponders();
    Then([](QDialog& pick) {
        auto& lines = Control<LineListBox>(pick, "1010");
        lines.SelectRow(2);
        QTest::keyClick(&lines, Qt::Key_Return);  // Enter edits, as the Edit button does
        EXPECT_EQ(lines.RowText(2).mid(25, 5), "12345");
        EXPECT_EQ(lines.SelectedRow(), 2);
        Click(pick, "2");
    });
    Then([](QDialog& edit) {
        EXPECT_EQ(Text(edit, "1006"), "3");
        Type(edit, "1022", "12345");
        Click(edit, "1");
    });
    int choice = 0;
    EXPECT_FALSE(dialogs_.PickTransponder(nullptr, choice));
    EXPECT_EQ(choice, 0);
    EXPECT_EQ(db_.transponders[2].Frequency, 12345);
    EXPECT_EQ(changes_.descriptions, (std::vector<std::string>{"Edit Transponder"}));
}

// A choice that names no transponder (a channel on a missing one) leaves nothing selected.
TEST_F(TransponderPickTest, EditWithNothingSelectedDoesNothing) {
    ThreeTransponders();
    Then([](QDialog& pick) {
        EXPECT_EQ(Control<LineListBox>(pick, "1010").SelectedRow(), -1);
        Click(pick, "1030");
        Click(pick, "2");
    });
    int choice = 7;
    EXPECT_FALSE(dialogs_.PickTransponder(nullptr, choice));
    EXPECT_EQ(prompts_.dialogTitles, QStringList({"Transponder List"}));
    EXPECT_TRUE(prompts_.messages.empty());
}

}  // namespace
