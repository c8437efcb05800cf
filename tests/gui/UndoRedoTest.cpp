// Edit Undo and Redo through the whole program: with a channel list shown they take back and do
// again database changes (list edits, the satellite dialogs, opening an image, loading from the
// box), name them in their captions and refill the list; with the terminal shown they edit its
// text. Ctrl+F and Escape drive the filter box.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstring>

#include "GuiFixture.h"
#include "RecordDialogsFixture.h"
#include "app/CommandTable.h"
#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"
#include "formats/ParameterImage.h"
#include "lists/CZuzeListViewView.h"
#include "lists/ChannelListPane.h"

namespace {

// A user-block image: one satellite and transponder, TV channels named after `tv`, radio
// channels after `radio`.
QByteArray Image(const std::vector<const char*>& tv, const std::vector<const char*>& radio) {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::UpdateFlashLayout(db->header, 2, 2);
    db->header.SatCount = 1;
    db->satellites[0].Name = {'S', 'A', 'T'};
    db->header.TpCount = 1;
    db->transponders[0].Sat = 1;
    for (const char* name : tv) {
        zev::ChannelEntry& c = db->Tv(db->header.TvCount++);
        std::strcpy(c.Name.data(), name);
        c.TpNumber = 1;
    }
    for (const char* name : radio) {
        zev::ChannelEntry& c = db->Radio(db->header.RadioCount++);
        std::strcpy(c.Name.data(), name);
        c.TpNumber = 1;
        c.RadioFlag = 1;
    }
    return ImageOf(*db);
}

class UndoRedoTest : public GuiFixture {
  protected:
    void Open(const QString& name) {
        prompts_.fileNames << Path(name);
        Frame().Execute(cmd::FileOpen);
    }
    void Rename(int row, const QString& name) {
        prompts_.dialogScripts.push_back([name](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("1019")->setText(name);
            dialog.accept();
            return dialog.result();
        });
        Frame().ListView()->EditRow(row);
    }
    QString Caption(int id) { return Frame().Action(id)->text(); }
    bool Enabled(int id) { return Frame().Action(id)->isEnabled(); }
    QStringList Names() {
        QStringList names;
        for (int r = 0; r < Frame().ListView()->RowCount(); ++r) {
            names << Frame().ListView()->CellText(r, 1);
        }
        return names;
    }
};

TEST_F(UndoRedoTest, UndoAndRedoNameTheChangeRefillTheListAndKnowTheSavedState) {
    WriteFile(Path("box.stc"), Image({"One", "Two", "Three"}, {}));
    WriteFile(Path("R&B.stc"), Image({"Soul"}, {}));
    StartApp();
    EXPECT_EQ(Caption(cmd::EditRedo), "&Redo");
    Open("box.stc");
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo Open box.stc");
    EXPECT_FALSE(Doc().Changes().Changed());

    Rename(1, "Zwei");
    Frame().ListView()->SetRowSelected(0, true);
    Frame().ListView()->SetRowSelected(2, true);
    Frame().ListView()->OnPopupCommand(CZuzeListViewView::kDeleteChannel);
    EXPECT_EQ(Names(), QStringList{"Zwei"});
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo Delete 2 Channels");
    EXPECT_TRUE(Enabled(cmd::EditUndo));
    EXPECT_FALSE(Enabled(cmd::EditRedo));

    Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(Names(), QStringList({"One", "Zwei", "Three"}));
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo Edit Channel");
    EXPECT_EQ(Caption(cmd::EditRedo), "&Redo Delete 2 Channels");
    EXPECT_TRUE(Doc().Changes().Changed());
    Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(Names(), QStringList({"One", "Two", "Three"}));
    EXPECT_FALSE(Doc().Changes().Changed());  // back to what box.stc holds

    Frame().Execute(cmd::EditRedo);
    Frame().Execute(cmd::EditRedo);
    EXPECT_EQ(Names(), QStringList{"Zwei"});
    EXPECT_FALSE(Enabled(cmd::EditRedo));
    EXPECT_TRUE(Doc().Changes().Changed());

    // Opening another image is a change too: undone, the edited channels come back, and they
    // are unsaved (the current file is the other image now).
    prompts_.answers = {zev::MsgAnswer::No};
    Open("R&B.stc");
    EXPECT_EQ(Names(), QStringList{"Soul"});
    EXPECT_FALSE(Doc().Changes().Changed());
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo Open R&&B.stc");
    Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(Names(), QStringList{"Zwei"});
    EXPECT_TRUE(Doc().Changes().Changed());
    for (int step = 0; step < 3; ++step) Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(Frame().ListView()->RowCount(), 0);  // the database before the first open
    EXPECT_FALSE(Enabled(cmd::EditUndo));
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo");
    EXPECT_FALSE(app_->Database().Loaded);
}

TEST_F(UndoRedoTest, WithTheTerminalShownUndoAndRedoEditItsText) {
    WriteFile(Path("box.stc"), Image({"One"}, {}));
    StartApp();
    Open("box.stc");
    Rename(0, "Edited");
    Frame().Execute(cmd::EditText);
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo");
    EXPECT_EQ(Caption(cmd::EditRedo), "&Redo");
    EXPECT_FALSE(Enabled(cmd::EditUndo));
    EXPECT_FALSE(Enabled(cmd::EditFind));

    View().insertPlainText("typed");
    ASSERT_TRUE(Enabled(cmd::EditUndo));
    Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(View().toPlainText(), "");
    ASSERT_TRUE(Enabled(cmd::EditRedo));
    Frame().Execute(cmd::EditRedo);
    EXPECT_EQ(View().toPlainText(), "typed");
    EXPECT_EQ(QString::fromLatin1(app_->Database().Tv(0).Name.data()), "Edited");

    // Back in the list they are the database's again.
    Frame().Execute(cmd::TvChannelList);
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo Edit Channel");
    EXPECT_FALSE(Enabled(cmd::EditRedo));
}

TEST_F(UndoRedoTest, UndoKeepsTheRadioListAndItsFilter) {
    WriteFile(Path("box.stc"), Image({"TV"}, {"Radio A", "Radio B", "Other"}));
    StartApp();
    Open("box.stc");
    Frame().Execute(cmd::RadioChannelList);
    Frame().ListPane()->FilterBox().setText("radio");
    EXPECT_EQ(Names(), QStringList({"Radio A", "Radio B"}));
    EXPECT_EQ(Frame().ListPane()->CountLabel().text(), "2 of 3 channels");
    Frame().ListView()->SetRowSelected(0, true);
    Frame().ListView()->OnPopupCommand(CZuzeListViewView::kDeleteChannel);
    EXPECT_EQ(Names(), QStringList{"Radio B"});

    Frame().Execute(cmd::EditUndo);
    EXPECT_FALSE(Frame().View().TvListMode());
    EXPECT_EQ(Frame().ListView()->FilterText(), "radio");
    EXPECT_EQ(Names(), QStringList({"Radio A", "Radio B"}));
    EXPECT_EQ(Frame().ListView()->CellText(1, 0), "2");
}

TEST_F(UndoRedoTest, SatelliteDialogChangesAreStepsButAnotherFlashSettingIsNot) {
    WriteFile(Path("box.stc"), Image({"One"}, {}));
    StartApp();
    Open("box.stc");
    prompts_.dialogScripts.push_back([](QDialog& list) {
        Click(list, "1031");  // New, on top
        list.reject();
        return list.result();
    });
    prompts_.dialogScripts.push_back([](QDialog& edit) {
        Type(edit, "1019", "NEW");
        Click(edit, "1");
        return edit.result();
    });
    Frame().Execute(cmd::SatelliteList);
    EXPECT_EQ(Frame().ListView()->CellText(0, 2), "2");
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo New Satellite");

    // Flash Select sets the layout again: nothing to undo, nothing unsaved.
    Doc().UpdateFlashLayout();
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo New Satellite");

    Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(app_->Database().header.SatCount, 1);
    EXPECT_EQ(Frame().ListView()->CellText(0, 2), "1");
    EXPECT_EQ(Frame().ListView()->CellText(0, 3), "SAT");
    EXPECT_FALSE(Doc().Changes().Changed());
}

TEST_F(UndoRedoTest, CtrlFFocusesTheFilterAndEscapeClearsItAndReturnsToTheList) {
    WriteFile(Path("box.stc"), Image({"Alpha", "Beta", "Alphabet"}, {}));
    StartApp();
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    Open("box.stc");
    QTest::keyClick(&Frame(), Qt::Key_F, Qt::ControlModifier);
    QLineEdit& box = Frame().ListPane()->FilterBox();
    ASSERT_EQ(QApplication::focusWidget(), &box);
    QTest::keyClicks(&box, "ALPH");
    EXPECT_EQ(Names(), QStringList({"Alpha", "Alphabet"}));
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(Names(), QStringList({"Alpha", "Beta", "Alphabet"}));
    EXPECT_EQ(QApplication::focusWidget(), Frame().ListView());

    // The list's own Escape clears it too; the terminal has no filter.
    box.setText("beta");
    QTest::keyClick(Frame().ListView(), Qt::Key_Escape);
    EXPECT_EQ(box.text(), "");
    Frame().Execute(cmd::EditText);
    QTest::keyClick(&Frame(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_NE(QApplication::focusWidget(), &box);
}

TEST_F(UndoRedoTest, LoadSettingFromTheBoxCanBeUndone) {
    if (!QFile::exists(QStringLiteral(ZEV_BIN_DIR "/zev-boxsim"))) {
        GTEST_SKIP() << "zev-boxsim not built";
    }
    WriteFile(Path("box.stc"), Image({"Mine"}, {}));
    app_ = std::make_unique<CZevApp>(prompts_);
    ASSERT_TRUE(app_->Start({"--simulate"}));
    Open("box.stc");
    Frame().Execute(cmd::LoadSettingFromBox);
    QTRY_VERIFY_WITH_TIMEOUT(Frame().View().ListShown(), 60000);
    ASSERT_GT(Frame().ListView()->RowCount(), 1);
    EXPECT_EQ(Caption(cmd::EditUndo), "&Undo Load Setting from Box");
    EXPECT_FALSE(Doc().Changes().Changed());

    // Undone, the channels before the load are back; they count as unsaved, as only the state
    // last saved, opened or loaded counts as saved.
    Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(Names(), QStringList{"Mine"});
    EXPECT_TRUE(Doc().Changes().Changed());
    Frame().Execute(cmd::EditRedo);
    EXPECT_GT(Frame().ListView()->RowCount(), 1);
    EXPECT_FALSE(Doc().Changes().Changed());
}

}  // namespace
