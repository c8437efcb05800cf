// The Channel Edit dialog: its controls, what OK stores, number boxes that hold no integer,
// names, and the transponder it shows.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ListsFixture.h"
#include "lists/CChannelEditDlg.h"
#include "ui/NameField.h"

namespace lists_test {
namespace {

class ChannelEditDialog : public ::testing::Test {
  protected:
    std::unique_ptr<CChannelEditDlg> Open(const zev::ChannelEntry& record,
                                          RecordDialogs* records = nullptr) {
        return std::make_unique<CChannelEditDlg>(*db_, record, prompts_, records);
    }
    QLineEdit* Box(QDialog& dialog, int id) {
        return dialog.findChild<QLineEdit*>(QString::number(id));
    }
    QComboBox* Number(QDialog& dialog) { return dialog.findChild<QComboBox*>("1020"); }
    QStringList TransponderBoxes(QDialog& dialog) {
        QStringList texts;
        for (int id : {1021, 1022, 1023, 1005, 1024}) texts << Box(dialog, id)->text();
        return texts;
    }

    std::unique_ptr<zev::ChannelDatabase> db_ = MakeDatabase(2, 4, 3, 0);
    ScriptedPrompts prompts_;
};

TEST_F(ChannelEditDialog, ControlsCarryTheirIdsLabelsAndTheRecordsValues) {
    zev::ChannelEntry record = db_->Tv(1);
    record.TpNumber = 2;
    auto dialog = Open(record);
    EXPECT_EQ(dialog->windowTitle(), "Channel Edit");
    for (int id : {1019, 1021, 1022, 1023, 1005, 1024, 1009, 1010, 1011, 1012, 1013, 1014, 1015}) {
        EXPECT_NE(Box(*dialog, id), nullptr) << id;
    }
    for (int id : {1025, 1, 2}) {
        EXPECT_NE(dialog->findChild<QPushButton*>(QString::number(id)), nullptr) << id;
    }
    EXPECT_EQ(dialog->findChild<QPushButton*>("1025")->text(), "&Transponderlist");
    QStringList labels;
    for (QLabel* label : dialog->findChildren<QLabel*>()) labels << label->text();
    for (const char* label : {"Name:", "Number:", "Satellite:", "Frequency:", "Polarisation:",
                              "Symbolrate:", "TransID:", "Video PID:", "Audio PID:", "PCR PID:",
                              "TTX PID:", "AC3 PID:", "Service ID:", "Network ID:"}) {
        EXPECT_TRUE(labels.contains(label)) << label;
    }

    EXPECT_EQ(Box(*dialog, 1019)->text(), "TV 2");
    EXPECT_EQ(Box(*dialog, 1009)->text(), "257");
    ASSERT_EQ(Number(*dialog)->count(), 4);
    EXPECT_EQ(Number(*dialog)->itemText(3), "4");
    EXPECT_EQ(Number(*dialog)->currentIndex(), 1);
    // Transponder 2 is on satellite 2, vertical.
    EXPECT_EQ(TransponderBoxes(*dialog), (QStringList{"SAT2", "10001", "1", "27500", "1001"}));
    EXPECT_FALSE(Box(*dialog, 1022)->isEnabled());
}

// A PID keeps 13 bits in the image, a Service or Network ID 16: a number beyond is named with
// its range and the dialog stays open with that box active, never cut without a word.
TEST_F(ChannelEditDialog, OkStoresOnlyWhatTheImageKeepsAndTwelveCharactersAndCarriesTheRest) {
    zev::ChannelEntry record = db_->Tv(0);
    record.VpidAux = 3;
    auto dialog = Open(record);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    QLineEdit* video = Box(*dialog, CChannelEditDlg::kVideoPid);
    QLineEdit* network = Box(*dialog, CChannelEditDlg::kNetworkId);
    video->setText("8192");
    network->setText("99999999999999999999");
    Box(*dialog, CChannelEditDlg::kName)->setText("Fifteen chars!!");
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(video->hasFocus());
    EXPECT_EQ(video->selectedText(), "8192");
    video->setText("8191");
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(network->hasFocus());
    network->setText("65535");
    dialog->accept();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_EQ(prompts_.messages[0].text, "Video PID must be a number from 0 to 8191.");
    EXPECT_EQ(prompts_.messages[1].text, "Network ID must be a number from 0 to 65535.");
    const zev::ChannelEntry& stored = dialog->Record();
    EXPECT_EQ(stored.VPID, 8191);
    EXPECT_EQ(stored.NetworkID, 65535);
    EXPECT_EQ(NameFieldText(stored.Name), "Fifteen char");
    EXPECT_EQ(stored.Name[12], '\0');
    EXPECT_EQ(stored.VpidAux, 3);
    EXPECT_EQ(stored.TpFlagB, 1);
    EXPECT_EQ(stored.TpNumber, record.TpNumber);
}

TEST_F(ChannelEditDialog, AnEmptyNumberBoxKeepsTheDialogOpenWithTheFrameworksMessage) {
    auto dialog = Open(db_->Tv(0));
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    Box(*dialog, CChannelEditDlg::kAudioPid)->clear();
    Box(*dialog, CChannelEditDlg::kAc3Pid)->clear();
    dialog->accept();
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "Please enter an integer.");
    EXPECT_TRUE(Box(*dialog, CChannelEditDlg::kAudioPid)->hasFocus());
}

TEST_F(ChannelEditDialog, NumberBoxesTakeDigitsAndTheNameBoxLatin1Only) {
    auto dialog = Open(db_->Tv(0));
    QLineEdit* pid = Box(*dialog, CChannelEditDlg::kPcrPid);
    pid->clear();
    QTest::keyClicks(pid, "12a-3 4");
    EXPECT_EQ(pid->text(), "1234");

    QLineEdit* name = Box(*dialog, CChannelEditDlg::kName);
    name->clear();
    QTest::keyClicks(name, "Caf");
    for (const char* typed : {"\u00e9", " ", "\u03a9", "\u20ac"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QString::fromUtf8(typed));
        QApplication::sendEvent(name, &press);
    }
    EXPECT_EQ(name->text(), QString::fromUtf8("Caf\u00e9 "));

    // Whatever reaches storage outside Latin-1 becomes '?'.
    NameBytes field{};
    StoreNameField(field, QString::fromUtf8("A\u03a9B\u00ff"));
    EXPECT_EQ(field[0], 'A');
    EXPECT_EQ(field[1], '?');
    EXPECT_EQ(field[2], 'B');
    EXPECT_EQ(static_cast<unsigned char>(field[3]), 0xFF);
    EXPECT_EQ(NameFieldText(field), QString::fromUtf8("A?B\u00ff"));
}

TEST_F(ChannelEditDialog, ChangingTheTransponderKeepsWhatWasTypedInTheOtherBoxes) {
    auto dialog = Open(db_->Tv(0));
    Box(*dialog, CChannelEditDlg::kName)->setText("Typed");
    Box(*dialog, CChannelEditDlg::kVideoPid)->setText("4000");
    Number(*dialog)->setCurrentIndex(2);
    EXPECT_EQ(TransponderBoxes(*dialog), (QStringList{"SAT1", "10002", "0", "27500", "1002"}));
    EXPECT_EQ(Box(*dialog, CChannelEditDlg::kName)->text(), "Typed");
    EXPECT_EQ(Box(*dialog, CChannelEditDlg::kVideoPid)->text(), "4000");
    EXPECT_EQ(dialog->Record().TpNumber, 3);
    dialog->accept();
    EXPECT_EQ(dialog->Record().TpNumber, 3);
    EXPECT_EQ(dialog->Record().VPID, 4000);
}

TEST_F(ChannelEditDialog, AChannelOnAMissingTransponderKeepsItsNumberUnlessOneIsChosen) {
    for (uint16_t missing : {uint16_t{0}, uint16_t{99}}) {
        zev::ChannelEntry record = db_->Tv(0);
        record.TpNumber = missing;
        auto dialog = Open(record);
        EXPECT_EQ(Number(*dialog)->currentIndex(), -1);
        EXPECT_EQ(TransponderBoxes(*dialog), QStringList(5, ""));
        dialog->accept();
        EXPECT_EQ(dialog->Record().TpNumber, missing);

        auto chosen = Open(record);
        Number(*chosen)->setCurrentIndex(1);
        chosen->accept();
        EXPECT_EQ(chosen->Record().TpNumber, 2);
    }
    // A transponder whose satellite does not exist shows no satellite name.
    db_->transponders[0].Sat = 0;
    auto dialog = Open(db_->Tv(0));
    EXPECT_EQ(TransponderBoxes(*dialog), (QStringList{"", "10000", "0", "27500", "1000"}));
}

TEST_F(ChannelEditDialog, TheTransponderListButtonSelectsThePicksChoice) {
    FakeRecordDialogs records;
    auto dialog = Open(db_->Tv(0), &records);
    QPushButton* pick = dialog->findChild<QPushButton*>("1025");
    records.pickAnswer = 3;
    pick->click();
    EXPECT_EQ(records.pickedFrom, std::vector<int>{0});
    EXPECT_EQ(Number(*dialog)->currentIndex(), 3);
    EXPECT_EQ(Box(*dialog, CChannelEditDlg::kFrequency)->text(), "10003");

    // The pick closed: the selection stays, the boxes show the transponder as it is now.
    records.pickAnswer = -1;
    db_->transponders[3].Frequency = 12345;
    pick->click();
    EXPECT_EQ(Number(*dialog)->currentIndex(), 3);
    EXPECT_EQ(Box(*dialog, CChannelEditDlg::kFrequency)->text(), "12345");

    auto withoutDialogs = Open(db_->Tv(0));
    withoutDialogs->findChild<QPushButton*>("1025")->click();
    EXPECT_EQ(Number(*withoutDialogs)->currentIndex(), 0);
}

}  // namespace
}  // namespace lists_test
