// The one serial line to the receiver, on Qt SerialPort. Qt's event loop takes the place of a
// watcher thread: Notify() is emitted when bytes are waiting, at most one notification is in
// flight, and the next one follows as soon as SetNotifyPermit() is called while bytes remain.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "link/LineTap.h"
#include "link/PortFlowControl.h"
#include "settings/LinkSettings.h"

class QSerialPort;
class QTimer;

namespace zev {

inline constexpr int kReadBufferSize = 4096;
// Written bytes of which none leaves for this long have failed, as a one-byte write fails
// after its time-out of 50 ms for the byte plus 2 s.
inline constexpr int kWriteTimeoutMilliseconds = 50 + 2000;

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
    // Queues the bytes and returns at once: the count, or 0 when the link is closed. Bytes
    // that then cannot leave end the link with WriteFailed.
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
    // Written bytes could not leave: none went for kWriteTimeoutMilliseconds (the far end
    // takes nothing, or holds the flow off). The bytes are dropped and the link is already
    // closed.
    void WriteFailed(const QString& why);

  private:
    void PostNotifyIfWaiting();
    void DeliverNotify();
    void OnPortError(int error);
    void HandleLoss(const QString& why);
    void HandOverWrites();
    std::size_t WriteDirectly(const char* bytes, std::size_t count);
    void FlushPendingWrites();
    // Bytes handed to the port that have not left yet: Qt's buffer and the driver's queue.
    qint64 BytesNotYetGone() const;
    void WatchWrites();
    void FailWrites();
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
    // The flow-control fields the program has turned on; the port keeps them across
    // connections.
    FlowFields flow_;
    // Looks, while handed bytes wait, whether any of them leave.
    QTimer* writeWatch_ = nullptr;
    qint64 handedOver_ = 0;  // bytes handed to the port since it was opened
    qint64 goneAtLastLook_ = 0;
    QElapsedTimer sinceProgress_;  // since a byte last left
    QElapsedTimer sinceLook_;
    std::vector<LineTap*> taps_;
};

}  // namespace zev
