// The Com Setting and Setting Flash dialogs through the document's commands.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "GuiFixture.h"
#include "app/CommandTable.h"
#include "database/ChannelDatabase.h"
#include "settingsdialogs/CComSettingDlg.h"
#include "settingsdialogs/CFlashSettingDlg.h"

namespace {

const QByteArray kCustomSettings = "9600,8,Even,COM2,2,Hardware,3,4,";

// The ports the system "reports", changed by the test as adapters come and go.
class FakePorts : public zev::SerialPortLister {
  public:
    std::vector<zev::SerialPortInfo> ports;
    std::vector<zev::SerialPortInfo> Ports() const override { return ports; }
};

QByteArray Record(const QByteArray& text) { return text + QByteArray(50 - text.size(), '\0'); }

// A dialog's control by its id. A missing one fails the test, and a stand-in (left alone)
// lets the rest of the test go on instead of crashing.
template <typename T>
T* Control(const QWidget& dialog, const char* id) {
    if (T* control = dialog.findChild<T*>(id)) return control;
    ADD_FAILURE() << "no control " << id;
    return new T;
}

class SettingsDialogsTest : public GuiFixture {
  protected:
    // Runs `act` on the next dialog the program runs, which must be a T, shown as the
    // program shows it; the dialog's result is what its buttons made it.
    template <typename T>
    void WhenShown(std::function<void(T&)> act) {
        prompts_.dialogScripts.push_back([act](QDialog& dialog) {
            auto* typed = qobject_cast<T*>(&dialog);
            EXPECT_NE(typed, nullptr) << dialog.metaObject()->className();
            if (typed == nullptr) return static_cast<int>(QDialog::Rejected);
            dialog.show();
            act(*typed);
            dialog.hide();
            return dialog.result();
        });
    }
};

TEST_F(SettingsDialogsTest, RestoreDefaultsThenCancelWritesTheFileOnly) {
    WriteFile("default.dat", Record(kCustomSettings));
    StartApp();
    WhenShown<CComSettingDlg>([](CComSettingDlg& dlg) {
        EXPECT_EQ(dlg.PortBox()->currentText(), "COM2");
        EXPECT_EQ(dlg.BaudBox()->currentText(), "9600");
        Control<QPushButton>(dlg, "1016")->click();  // Restore Defaults
        EXPECT_EQ(dlg.PortBox()->currentText(), "COM1");
        EXPECT_EQ(dlg.BaudBox()->currentText(), "115200");
        Control<QPushButton>(dlg, "1018")->click();  // Cancel
    });
    Frame().Execute(cmd::ComSetup);
    // The port defaults with the flash indices the program runs with.
    EXPECT_EQ(ReadFile("default.dat"), Record("115200,8,None,COM1,1,None,3,4,"));
    EXPECT_EQ(Doc().Settings().portName, "COM2");
    EXPECT_EQ(Doc().Settings().baudRate, 9600);
}

TEST_F(SettingsDialogsTest, ComSetupOkTakesTypedValuesAndKeepsTheFlashIndices) {
    WriteFile("default.dat", Record(kCustomSettings));
    StartApp();
    WhenShown<CComSettingDlg>([](CComSettingDlg& dlg) {
        dlg.BaudBox()->setEditText("250000");
        Control<QPushButton>(dlg, "1017")->click();  // OK
    });
    Frame().Execute(cmd::ComSetup);
    EXPECT_EQ(Doc().Settings().baudRate, 250000);
    EXPECT_EQ(ReadFile("default.dat"), Record("250000,8,Even,COM2,2,Hardware,3,4,"));
}

// The simulated receiver's port is for one run: a Com Setup that keeps it writes the other
// values but leaves the port the file named; choosing another port writes that one.
TEST_F(SettingsDialogsTest, ComSetupKeepsARunsTemporaryPortOutOfTheFile) {
    WriteFile("default.dat", Record(kCustomSettings));
    StartApp();
    Doc().SetPortOverride("/dev/pts/77");
    WhenShown<CComSettingDlg>([](CComSettingDlg& dlg) {
        EXPECT_EQ(dlg.PortBox()->currentText(), "/dev/pts/77");
        dlg.BaudBox()->setEditText("57600");
        dlg.accept();
    });
    Frame().Execute(cmd::ComSetup);
    EXPECT_EQ(Doc().Settings().portName, "/dev/pts/77");
    EXPECT_EQ(ReadFile("default.dat"), Record("57600,8,Even,COM2,2,Hardware,3,4,"));

    WhenShown<CComSettingDlg>([](CComSettingDlg& dlg) {
        dlg.PortBox()->setEditText("COM3");
        dlg.accept();
    });
    Frame().Execute(cmd::ComSetup);
    EXPECT_EQ(ReadFile("default.dat"), Record("57600,8,Even,COM3,2,Hardware,3,4,"));
}

TEST_F(SettingsDialogsTest, PortBoxIsGreyedWhileConnected) {
    PseudoTerminal pty;
    StartApp();
    Doc().Settings().portName = pty.SlavePath();
    Frame().Execute(cmd::ComConnect);
    ASSERT_TRUE(Doc().PortConnected());
    bool portEnabled = true;
    WhenShown<CComSettingDlg>([&portEnabled](CComSettingDlg& dlg) {
        portEnabled = dlg.PortBox()->isEnabled();
        dlg.BaudBox()->setCurrentText("9600");
        dlg.accept();
    });
    Frame().Execute(cmd::ComSetup);
    EXPECT_FALSE(portEnabled);
    // The new speed went to the open port without complaint.
    EXPECT_TRUE(Doc().PortConnected());
    EXPECT_EQ(Doc().Settings().baudRate, 9600);
    EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(SettingsDialogsTest, FlashSelectOkGivesTheLayoutAtOnce) {
    StartApp();
    WhenShown<CFlashSettingDlg>([](CFlashSettingDlg& dlg) {
        ASSERT_EQ(dlg.FlashBox()->count(), 3);
        EXPECT_EQ(dlg.FlashBox()->itemText(0), "16M bits");
        EXPECT_EQ(dlg.FlashBox()->itemText(1), "4M bits");
        EXPECT_EQ(dlg.FlashBox()->itemText(2), "8M bits");
        EXPECT_EQ(dlg.FlashBox()->currentText(), "8M bits");
        EXPECT_EQ(dlg.UserBox()->currentText(), "2 Sectors");
        dlg.FlashBox()->setCurrentText("16M bits");
        dlg.UserBox()->setCurrentText("4 Sectors");
        dlg.accept();
    });
    Frame().Execute(cmd::FlashSelect);
    const zev::DatabaseHeader& h = app_->Database().header;
    EXPECT_EQ(h.SatCapacity, 160);
    EXPECT_EQ(h.TpCapacity, 4000);
    EXPECT_EQ(h.ChannelCapacity, 8000);
    EXPECT_EQ(h.DefaultBlockAddress, 0x100000u);
    EXPECT_EQ(h.UserBlockAddress, 0x110000u);
    EXPECT_EQ(h.UserBlockSize, 0x40000u);
    EXPECT_EQ(ReadFile("default.dat"), Record("115200,8,None,COM1,1,None,3,4,"));
}

// An index that names no entry (a hand-edited file) must not survive an OK: the lists open on
// their first entries, which OK then stores.
TEST_F(SettingsDialogsTest, FlashSelectOnAnIndexNamingNoEntryStoresAValidOne) {
    WriteFile("default.dat", Record("9600,8,Even,COM2,2,Hardware,0,9,"));
    StartApp();
    WhenShown<CFlashSettingDlg>([](CFlashSettingDlg& dlg) {
        EXPECT_EQ(Control<QComboBox>(dlg, "1038")->currentText(), "16M bits");
        EXPECT_EQ(Control<QComboBox>(dlg, "1039")->currentText(), "1 Sector");
        Control<QPushButton>(dlg, "1")->click();  // OK
    });
    Frame().Execute(cmd::FlashSelect);
    EXPECT_EQ(Doc().Settings().flashSizeIndex, 3);
    EXPECT_EQ(Doc().Settings().userSizeIndex, 1);
    EXPECT_EQ(ReadFile("default.dat"), Record("9600,8,Even,COM2,2,Hardware,3,1,"));
    EXPECT_EQ(app_->Database().header.UserBlockSize, 0x10000u);

    WhenShown<CFlashSettingDlg>([](CFlashSettingDlg& dlg) {
        Control<QPushButton>(dlg, "1040")->click();  // Defaults
        Control<QPushButton>(dlg, "2")->click();     // Cancel
    });
    Frame().Execute(cmd::FlashSelect);
    EXPECT_EQ(ReadFile("default.dat"), Record("9600,8,Even,COM2,2,Hardware,2,2,"));
}

TEST_F(SettingsDialogsTest, FlashSelectCancelRecomputesFromUnchangedIndices) {
    StartApp();
    app_->Database().header.UserBlockSize = 0;
    app_->Database().header.ChannelCapacity = 7;
    WhenShown<CFlashSettingDlg>([](CFlashSettingDlg& dlg) {
        dlg.DefaultsButton()->click();
        dlg.FlashBox()->setCurrentText("16M bits");
        dlg.reject();
    });
    Frame().Execute(cmd::FlashSelect);
    EXPECT_EQ(app_->Database().header.UserBlockSize, 0x20000u);
    EXPECT_EQ(app_->Database().header.ChannelCapacity, 4000);
    EXPECT_EQ(Doc().Settings().flashSizeIndex, 2);
}

TEST_F(SettingsDialogsTest, OpeningMatchesTextPrefixesIgnoringCase) {
    zev::LinkSettings settings;
    FakePorts ports;
    CComSettingDlg dlg(settings, ports);
    dlg.portName = "com3";
    dlg.parity = "mas";
    dlg.flowControl = "RTS/CTS";
    dlg.baudRate = "";
    QTimer::singleShot(0, &dlg, [&dlg] {
        EXPECT_EQ(dlg.PortBox()->currentText(), "COM3");
        EXPECT_EQ(Control<QComboBox>(dlg, "1014")->currentText(), "Mask");     // parity
        EXPECT_EQ(Control<QComboBox>(dlg, "1015")->currentText(), "RTS/CTS");  // flow control
        // An empty text picks nothing.
        EXPECT_EQ(dlg.BaudBox()->currentText(), "");
        dlg.reject();
    });
    dlg.exec();
    // The port box also offers what the system reports, after COM1 to COM4.
    EXPECT_EQ(dlg.PortBox()->itemText(3), "COM4");
}

}  // namespace
