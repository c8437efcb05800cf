// The one document: the port and flash settings read from default.dat, the serial link, the
// Com Setup and Flash Select commands, and the edits of the channel database.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "app/DatabaseChanges.h"
#include "link/SystemPortLister.h"
#include "settings/LinkSettings.h"

namespace zev {
class ChannelDatabase;
class SerialLink;
}  // namespace zev

class DeviceWatch;
class UiPrompts;

class CZevDoc : public QObject {
    Q_OBJECT
  public:
    CZevDoc(zev::ChannelDatabase& db, UiPrompts& prompts, QObject* parent = nullptr);
    ~CZevDoc() override;

    zev::LinkSettings& Settings() { return settings_; }
    const zev::LinkSettings& Settings() const { return settings_; }
    zev::SerialLink& Link() { return *link_; }
    bool PortConnected() const;

    // Uses `port` for this run only: default.dat keeps the port it names.
    void SetPortOverride(const std::string& port);
    // The settings as default.dat should hold them (without a port override).
    zev::LinkSettings SettingsForFile() const;

    // The serial ports the system reports (Com Setup's list, the device watch); tests give
    // their own.
    const zev::SerialPortLister& Ports() const { return *ports_; }
    void SetPortLister(const zev::SerialPortLister& ports);
    // Says when the link's device goes away and comes back.
    DeviceWatch& Watch() { return *watch_; }

    // Edits of the channel database that no file holds yet.
    DatabaseChanges& Changes() { return changes_; }

    // Capacities and block addresses from the two flash indices.
    void UpdateFlashLayout();

    // Document commands.
    void OnComSetup();
    void OnFlashSelect();

    // Pane 2: port-baud-parity-bits-stop, e.g. COM1-115200-None-8-1.
    QString PortSettingsText() const;

  signals:
    // Connection or settings changed: the frame refreshes enabling and panes.
    void StateChanged();

  private:
    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    zev::LinkSettings settings_;
    std::optional<std::string> filePortName_;  // set while a port override is in force
    std::unique_ptr<zev::SerialLink> link_;
    zev::SystemPortLister systemPorts_;
    const zev::SerialPortLister* ports_ = &systemPorts_;
    DeviceWatch* watch_;
    DatabaseChanges changes_;
};
