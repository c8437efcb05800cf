#include "app/CZevDoc.h"

#include <QDialog>

#include "app/DeviceWatch.h"
#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"
#include "link/SerialLink.h"
#include "settings/PortChoiceText.h"
#include "settings/SettingsFile.h"
#include "settingsdialogs/CComSettingDlg.h"
#include "settingsdialogs/CFlashSettingDlg.h"
#include "ui/UiPrompts.h"

CZevDoc::CZevDoc(zev::ChannelDatabase& db, UiPrompts& prompts, QObject* parent)
    : QObject(parent), db_(db), prompts_(prompts), changes_(db) {
    // A default.dat that is there but cannot be read (a pipe or device in its place, no
    // permission) leaves the defaults, and the person is told.
    std::string problem;
    settings_ = zev::LoadSettingsFile(zev::kSettingsFileName, &problem);
    if (!problem.empty()) {
        prompts_.Inform(QString::fromLocal8Bit(problem.c_str()), tr("Warning"),
                        zev::MsgIcon::Exclamation);
    }
    link_ = std::make_unique<zev::SerialLink>(settings_);
    watch_ = new DeviceWatch(*link_, systemPorts_, this);
}

void CZevDoc::SetPortLister(const zev::SerialPortLister& ports) {
    ports_ = &ports;
    watch_->SetPortLister(ports);
}

CZevDoc::~CZevDoc() {
    // Exit while connected closes the port without asking.
    if (link_->portConnected()) link_->ClosePort();
}

bool CZevDoc::PortConnected() const { return link_->portConnected(); }

void CZevDoc::SetPortOverride(const std::string& port) {
    if (!filePortName_) filePortName_ = settings_.portName;
    settings_.portName = port;
}

zev::LinkSettings CZevDoc::SettingsForFile() const {
    zev::LinkSettings out = settings_;
    if (filePortName_) out.portName = *filePortName_;
    return out;
}

void CZevDoc::UpdateFlashLayout() {
    zev::UpdateFlashLayout(db_.header, settings_.flashSizeIndex, settings_.userSizeIndex);
    // Another flash setting is no edit: nothing to undo and nothing unsaved.
    changes_.TakeAsIs();
}

void CZevDoc::OnComSetup() {
    CComSettingDlg dlg(SettingsForFile(), *ports_, prompts_.ParentWindow());
    dlg.portName = QString::fromStdString(settings_.portName);
    dlg.baudRate = QString::number(settings_.baudRate);
    dlg.dataBits = QString::number(settings_.dataBits);
    dlg.parity = QString::fromStdString(zev::ChoiceText(settings_.parity));
    dlg.stopBits = QString::fromStdString(zev::ChoiceText(settings_.stopBits));
    dlg.flowControl = QString::fromStdString(zev::ChoiceText(settings_.flowControl));
    dlg.portLocked = link_->portConnected();
    if (filePortName_) dlg.temporaryPort = dlg.portName;
    if (prompts_.RunDialog(dlg) != QDialog::Accepted) return;

    const zev::LinkSettings chosen = dlg.Chosen();
    // The file now names the port in use, unless the run's temporary port stays chosen.
    if (chosen.portName != settings_.portName) filePortName_.reset();
    settings_.portName = chosen.portName;
    settings_.baudRate = chosen.baudRate;
    settings_.dataBits = chosen.dataBits;
    settings_.parity = chosen.parity;
    settings_.stopBits = chosen.stopBits;
    settings_.flowControl = chosen.flowControl;
    if (link_->portConnected() && !link_->ApplyPortSettings()) {
        prompts_.Inform(tr("Can't realize the settings!"), QStringLiteral("zev"));
    }
    emit StateChanged();
}

void CZevDoc::OnFlashSelect() {
    CFlashSettingDlg dlg(SettingsForFile(), prompts_.ParentWindow());
    dlg.flashSize = CFlashSettingDlg::FlashSizeText(settings_.flashSizeIndex);
    dlg.userSize = CFlashSettingDlg::UserSizeText(settings_.userSizeIndex);
    if (prompts_.RunDialog(dlg) == QDialog::Accepted) {
        settings_.flashSizeIndex = dlg.ChosenFlashSizeIndex(settings_.flashSizeIndex);
        settings_.userSizeIndex = dlg.ChosenUserSizeIndex(settings_.userSizeIndex);
    }
    UpdateFlashLayout();
    emit StateChanged();
}

QString CZevDoc::PortSettingsText() const {
    return QStringLiteral("%1-%2-%3-%4-%5")
        .arg(QString::fromStdString(settings_.portName))
        .arg(settings_.baudRate)
        .arg(QString::fromStdString(zev::ChoiceText(settings_.parity)))
        .arg(settings_.dataBits)
        .arg(QString::fromStdString(zev::ChoiceText(settings_.stopBits)));
}
