#include "settingsdialogs/CComSettingDlg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "settings/PortChoiceText.h"
#include "settings/SettingsFile.h"
#include "settingsdialogs/ComboText.h"
#include "settingsdialogs/SettingsDialogLayout.h"

namespace {

// COM1 to COM4 first, then whatever serial ports the system reports.
QStringList PortChoices(const std::vector<zev::SerialPortInfo>& reported) {
    QStringList ports = {"COM1", "COM2", "COM3", "COM4"};
    for (const zev::SerialPortInfo& info : reported) {
        const QString location = QString::fromStdString(info.location);
        if (!location.isEmpty() && !ports.contains(location)) ports << location;
    }
    return ports;
}

// What the system says about a port, as the item's tool tip.
QString PortToolTip(const zev::SerialPortInfo& info) {
    QStringList parts;
    for (const std::string& part : {info.description, info.manufacturer, zev::UsbIdText(info)}) {
        if (!part.empty()) parts << QString::fromStdString(part);
    }
    return parts.join(QStringLiteral(", "));
}

// The texts of a port choice's values, in their order.
template <typename Value>
QStringList ChoiceItems() {
    QStringList items;
    for (const zev::ChoiceName<Value>& name : zev::ChoiceNames<Value>()) items << name.text;
    return items;
}

template <typename Value>
QString Text(const zev::PortChoice<Value>& choice) {
    return QString::fromStdString(zev::ChoiceText(choice));
}

}  // namespace

CComSettingDlg::CComSettingDlg(const zev::LinkSettings& current, const zev::SerialPortLister& ports,
                               QWidget* parent)
    : QDialog(parent), current_(current), ports_(ports) {
    setWindowTitle(tr("Com Setting"));

    portBox_ = combo_text::Make({}, this);
    RefreshPorts();
    baudBox_ = combo_text::Make({"110", "300", "600", "1200", "2400", "4800", "9600", "14400",
                                 "19200", "38400", "57600", "115200", "230400", "460800", "921600"},
                                this);
    dataBitsBox_ = combo_text::Make({"4", "5", "6", "7", "8"}, this);
    parityBox_ = combo_text::Make(ChoiceItems<zev::Parity>(), this);
    stopBitsBox_ = combo_text::Make(ChoiceItems<zev::StopBits>(), this);
    flowBox_ = combo_text::Make(ChoiceItems<zev::FlowControl>(), this);

    restoreButton_ = LayOutSettingsDialog(this, tr("COM Setup"),
                                          {{tr("Port"), portBox_, 1010},
                                           {tr("Bits per second"), baudBox_, 1011},
                                           {tr("Data bits"), dataBitsBox_, 1012},
                                           {tr("Parity"), parityBox_, 1014},
                                           {tr("Stop bits"), stopBitsBox_, 1013},
                                           {tr("Flow control"), flowBox_, 1015}},
                                          {tr("Restore Defaults"), 1016, 1017, 1018});
    connect(restoreButton_, &QPushButton::clicked, this, &CComSettingDlg::OnRestoreDefaults);

    portTimer_ = new QTimer(this);
    connect(portTimer_, &QTimer::timeout, this, &CComSettingDlg::RefreshPorts);
    portTimer_->start(kPortRefreshMs);
}

void CComSettingDlg::RefreshPorts() {
    // Rebuilding the list under an open drop-down would close it; the next look will do.
    if (portBox_->view()->isVisible()) return;
    const std::vector<zev::SerialPortInfo> reported = ports_.Ports();
    const QStringList choices = PortChoices(reported);
    QStringList shown;
    for (int i = 0; i < portBox_->count(); ++i) shown << portBox_->itemText(i);
    if (choices == shown) return;
    const QString text = portBox_->currentText();
    const QSignalBlocker quiet(portBox_);
    portBox_->clear();
    portBox_->addItems(choices);
    for (const zev::SerialPortInfo& info : reported) {
        const int index = portBox_->findText(QString::fromStdString(info.location));
        if (index >= 0) portBox_->setItemData(index, PortToolTip(info), Qt::ToolTipRole);
    }
    portBox_->setEditText(text);
}

void CComSettingDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) ShowMembers();
    QDialog::showEvent(event);
}

void CComSettingDlg::ShowMembers() {
    combo_text::Show(portBox_, portName);
    combo_text::Show(baudBox_, baudRate);
    combo_text::Show(dataBitsBox_, dataBits);
    combo_text::Show(parityBox_, parity);
    combo_text::Show(stopBitsBox_, stopBits);
    combo_text::Show(flowBox_, flowControl);
    portBox_->setEnabled(!portLocked);
}

void CComSettingDlg::TakeMembers() {
    portName = combo_text::Take(portBox_);
    baudRate = combo_text::Take(baudBox_);
    dataBits = combo_text::Take(dataBitsBox_);
    parity = combo_text::Take(parityBox_);
    stopBits = combo_text::Take(stopBitsBox_);
    flowControl = combo_text::Take(flowBox_);
}

zev::LinkSettings CComSettingDlg::Chosen() const {
    zev::LinkSettings out = current_;
    out.portName = portName.toStdString();
    out.baudRate = zev::ParseSettingsInt(baudRate.toStdString());
    out.dataBits = zev::ParseSettingsInt(dataBits.toStdString());
    out.parity = zev::ChoiceFromText<zev::Parity>(parity.toStdString());
    out.stopBits = zev::ChoiceFromText<zev::StopBits>(stopBits.toStdString());
    out.flowControl = zev::ChoiceFromText<zev::FlowControl>(flowControl.toStdString());
    return out;
}

void CComSettingDlg::OnRestoreDefaults() {
    const zev::LinkSettings defaults;
    portName = QString::fromStdString(defaults.portName);
    baudRate = QString::number(defaults.baudRate);
    dataBits = QString::number(defaults.dataBits);
    parity = Text(defaults.parity);
    stopBits = Text(defaults.stopBits);
    flowControl = Text(defaults.flowControl);
    SaveFile();
    ShowMembers();
}

void CComSettingDlg::accept() {
    TakeMembers();
    SaveFile();
    QDialog::accept();
}

void CComSettingDlg::SaveFile() const {
    zev::LinkSettings out = Chosen();
    if (!temporaryPort.isEmpty() && portName == temporaryPort) out.portName = current_.portName;
    zev::SaveSettingsFile(out);
}
