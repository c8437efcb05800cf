// The one serial line to the receiver, on Qt SerialPort. Qt's event loop takes the place of a
// watcher thread: Notify() is emitted when bytes are waiting, at most one notification is in
// flight, and the next one follows as soon as SetNotifyPermit() is called while bytes remain.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <string>

#include "app/settings/LinkSettings.h"

class QSerialPort;

namespace zev {

inline constexpr int kReadBufferSize = 4096;

class SerialLink : public QObject {
    Q_OBJECT
public:
    explicit SerialLink(LinkSettings& settings, QObject* parent = nullptr);
    ~SerialLink() override;

    bool OpenPort();  // false also when already open
    void ClosePort();
    bool ApplyPortSettings();
    int ReadBytes(uint8_t* buffer, int maximum);  // never waits
    int WriteBytes(const uint8_t* bytes, int count);
    bool portConnected() const { return connected_; }

    // The end of every notification; while bytes wait, another notification is posted.
    void SetNotifyPermit();

    // "COM1".."COM4" are the first four serial ports of the platform; anything else is used
    // as a device name or path.
    static QString DevicePathFor(const std::string& portName);
    LinkSettings& Settings() { return settings_; }

signals:
    void Notify();                     // bytes are waiting to be read
    void LinkLost(const QString& why); // the device went away; the link is already closed

private:
    LinkSettings& settings_;
    QSerialPort* port_ = nullptr;
    bool connected_ = false;
    bool permit_ = true;
    bool posted_ = false;
};

}  // namespace zev
