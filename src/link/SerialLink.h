// The one serial line to the receiver, on Qt SerialPort. Qt's event loop takes the place of a
// watcher thread: Notify() is emitted when bytes are waiting, at most one notification is in
// flight, and the next one follows as soon as SetNotifyPermit() is called while bytes remain.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "link/LineTap.h"
#include "settings/LinkSettings.h"

class QSerialPort;

namespace zev {

inline constexpr int kReadBufferSize = 4096;

class SerialLink : public QObject {
    Q_OBJECT
  public:
    explicit SerialLink(LinkSettings& settings, QObject* parent = nullptr);
    ~SerialLink() override;

    bool OpenPort();  // false also when already open
    // Why the last OpenPort failed, as a sentence; empty after one that succeeded.
    const std::string& OpenProblem() const { return openProblem_; }
    void ClosePort();
    bool ApplyPortSettings();
    int ReadBytes(uint8_t* buffer, int maximum);  // never waits
    int WriteBytes(const uint8_t* bytes, int count);
    bool portConnected() const { return connected_; }

    // The end of every notification; while bytes wait, another notification is posted.
    void SetNotifyPermit();
    // The end of a notification that left its bytes waiting on purpose (reading is paused):
    // only bytes that arrive later, or a later SetNotifyPermit(), bring the next notification.
    void SetNotifyPermitForNewBytes();

    // "COM1".."COM4" are the first four serial ports of the platform; anything else is used
    // as a device name or path.
    static QString DevicePathFor(const std::string& portName);
    LinkSettings& Settings() { return settings_; }

    // Listeners on the line (the Line Monitor, zev-cli's --hex and --log): each hears the
    // bytes read and the bytes handed to the port, piece by piece. With none the link does
    // nothing more than without them.
    void AddTap(LineTap* tap);
    void RemoveTap(LineTap* tap);

  signals:
    void Notify();                      // bytes are waiting to be read
    void LinkLost(const QString& why);  // the device went away; the link is already closed

  private:
    void PostNotifyIfWaiting();
    void DeliverNotify();
    void OnPortError(int error);
    void HandleLoss(const QString& why);
    void HandOverWrites();
    std::size_t WriteDirectly(const char* bytes, std::size_t count);
    void FlushPendingWrites();
    void Tell(LineDirection direction, const uint8_t* bytes, std::size_t count);

    LinkSettings& settings_;
    std::string openProblem_;
    // Kept for the link's whole life so that the parity, stop-bit and flow settings that
    // ApplyPortSettings leaves alone carry over from one connection to the next.
    QSerialPort* port_ = nullptr;
    bool connected_ = false;
    bool inFlight_ = false;  // a Notify was emitted and its permit has not come back
    bool posted_ = false;    // a Notify is queued in the event loop
    bool lossQueued_ = false;
    // Bytes written since control last returned to the event loop; handed to the port in
    // one piece, since a run writes its frames and numbers one byte at a time.
    std::vector<char> outgoing_;
    bool handOverQueued_ = false;
    std::vector<LineTap*> taps_;
};

}  // namespace zev
