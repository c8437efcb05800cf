// "Com Setting": the six port values, typed or picked, written to default.dat on OK and on
// Restore Defaults.
#pragma once

#include <QDialog>
#include <QString>

#include "settings/LinkSettings.h"
#include "settings/SerialPortList.h"

class QComboBox;
class QPushButton;
class QTimer;

class CComSettingDlg : public QDialog {
    Q_OBJECT
  public:
    // How often the port list looks for adapters plugged in or pulled out.
    static constexpr int kPortRefreshMs = 1000;

    // `current` supplies the fields the dialog does not edit (the flash indices) when it
    // writes default.dat; `ports` tells which serial ports the system has.
    CComSettingDlg(const zev::LinkSettings& current, const zev::SerialPortLister& ports,
                   QWidget* parent = nullptr);

    // The dialog's texts; fill them before the dialog runs, read them after OK.
    QString portName;
    QString baudRate;
    QString dataBits;
    QString parity;
    QString stopBits;
    QString flowControl;
    bool portLocked = false;  // the port is open: its name cannot change
    // A port used for this run only (the simulated receiver's): while it stays chosen, the
    // file keeps the port it named before.
    QString temporaryPort;

    // The members as settings (numbers converted as default.dat reads them).
    zev::LinkSettings Chosen() const;

    QComboBox* PortBox() const { return portBox_; }
    QComboBox* BaudBox() const { return baudBox_; }
    QPushButton* RestoreDefaultsButton() const { return restoreButton_; }

  protected:
    // The texts are shown each time the dialog opens, however it is run.
    void showEvent(QShowEvent* event) override;

  public slots:
    void OnRestoreDefaults();
    void accept() override;
    // Takes in the ports the system has now; what the person typed or picked stays.
    void RefreshPorts();

  private:
    void ShowMembers();
    void TakeMembers();
    void SaveFile() const;

    zev::LinkSettings current_;
    const zev::SerialPortLister& ports_;
    QTimer* portTimer_;
    QComboBox* portBox_;
    QComboBox* baudBox_;
    QComboBox* dataBitsBox_;
    QComboBox* parityBox_;
    QComboBox* stopBitsBox_;
    QComboBox* flowBox_;
    QPushButton* restoreButton_;
};
