// Tells the status bar when the device under the serial link goes away (an adapter pulled
// out, the far end of a pseudo-terminal closed) and when it is there again.
#pragma once

#include <QObject>
#include <QString>

namespace zev {
class SerialLink;
class SerialPortLister;
}  // namespace zev

class QTimer;

class DeviceWatch : public QObject {
    Q_OBJECT
  public:
    // How often a device that went away is looked for.
    static constexpr int kPollMs = 1000;

    DeviceWatch(zev::SerialLink& link, const zev::SerialPortLister& ports,
                QObject* parent = nullptr);
    void SetPortLister(const zev::SerialPortLister& ports) { ports_ = &ports; }

    // Looks for the device now (the timer does it every kPollMs).
    void Poll();

  signals:
    // The status bar's notice: "COM1 has gone away", "COM1 is back", "" when the link is
    // open again.
    void Notice(const QString& text);

  private:
    void OnLost();
    bool DevicePresent() const;

    zev::SerialLink& link_;
    const zev::SerialPortLister* ports_;
    QTimer* timer_;
    QString portName_;
    QString device_;
    bool back_ = false;
};
