#include "link/SerialLink.h"

#include <QSerialPort>
#include <QTimer>
#include <algorithm>

#include "link/PortOpenProblem.h"

#if defined(Q_OS_UNIX)
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace zev {

namespace {

// How long closing the port may wait for bytes still in the write buffer.
constexpr int kCloseFlushMilliseconds = 2000;
// A write of at least this many bytes (a data block) is handed over at once instead of
// waiting for the event loop.
constexpr std::size_t kImmediateHandOver = 512;
// How often waiting bytes are looked at.
constexpr int kWriteWatchMilliseconds = 100;

QSerialPort::Parity QtParity(Parity parity) {
    switch (parity) {
        case Parity::None:
            return QSerialPort::NoParity;
        case Parity::Odd:
            return QSerialPort::OddParity;
        case Parity::Even:
            return QSerialPort::EvenParity;
        case Parity::Mark:
            return QSerialPort::MarkParity;
        case Parity::Space:
            return QSerialPort::SpaceParity;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits QtStopBits(StopBits stopBits) {
    switch (stopBits) {
        case StopBits::One:
            return QSerialPort::OneStop;
        case StopBits::OneAndHalf:
            return QSerialPort::OneAndHalfStop;
        case StopBits::Two:
            return QSerialPort::TwoStop;
    }
    return QSerialPort::OneStop;
}

}  // namespace

SerialLink::SerialLink(LinkSettings& settings, QObject* parent)
    : QObject(parent),
      settings_(settings),
      port_(new QSerialPort(this)),
      writeWatch_(new QTimer(this)) {
    connect(port_, &QSerialPort::readyRead, this, &SerialLink::PostNotifyIfWaiting);
    connect(port_, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { OnPortError(static_cast<int>(error)); });
    writeWatch_->setInterval(kWriteWatchMilliseconds);
    connect(writeWatch_, &QTimer::timeout, this, &SerialLink::WatchWrites);
}

SerialLink::~SerialLink() { ClosePort(); }

QString SerialLink::DevicePathFor(const std::string& portName) {
    static const char* const kComNames[] = {"COM1", "COM2", "COM3", "COM4"};
    for (int index = 0; index < 4; ++index) {
        if (portName != kComNames[index]) continue;
#if defined(Q_OS_WIN)
        return QString::fromStdString(portName);
#elif defined(Q_OS_MACOS)
        // macOS has no fixed names for serial ports; these are the usual call-out devices.
        return QStringLiteral("/dev/cu.serial%1").arg(index + 1);
#else
        return QStringLiteral("/dev/ttyS%1").arg(index);
#endif
    }
    return QString::fromStdString(portName);
}

bool SerialLink::OpenPort() {
    if (connected_) {
        openProblem_ = settings_.portName + " is open already.";
        return false;
    }
    const QString path = DevicePathFor(settings_.portName);
    port_->setPortName(path);
    // Qt's buffer stands for the driver's input queue: when it is full Qt stops reading and
    // further bytes wait in the operating system.
    port_->setReadBufferSize(kReadBufferSize);
    if (!port_->open(QIODevice::ReadWrite)) {
        openProblem_ = PortOpenProblem(path, port_->error(), port_->errorString());
        return false;
    }
    if (!ApplyPortSettings()) {
        openProblem_ = PortOpenProblem(path, port_->error(), port_->errorString());
        port_->close();
        return false;
    }
    openProblem_.clear();
    connected_ = true;
    inFlight_ = false;
    posted_ = false;
    lossQueued_ = false;
    handedOver_ = 0;
    PostNotifyIfWaiting();
    return true;
}

void SerialLink::ClosePort() {
    if (!connected_) return;
    FlushPendingWrites();
    connected_ = false;
    inFlight_ = false;
    writeWatch_->stop();
    port_->close();
}

void SerialLink::FlushPendingWrites() {
    // Bytes written just before a close (a run's last acknowledgement) must still go out; a
    // device that takes nothing more ends the wait, and what it did not take is dropped so
    // that closing does not wait for it in the driver.
    HandOverWrites();
    while (port_->isOpen() && port_->bytesToWrite() > 0) {
        if (!port_->waitForBytesWritten(kCloseFlushMilliseconds)) break;
    }
    if (port_->isOpen() && port_->bytesToWrite() > 0) port_->clear(QSerialPort::Output);
}

bool SerialLink::ApplyPortSettings() {
    if (!port_->isOpen()) return false;
    const LinkSettings& s = settings_;
    if (s.baudRate <= 0 || !port_->setBaudRate(s.baudRate)) return false;

    if (s.dataBits < 5 || s.dataBits > 8) return false;
    if (!port_->setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits))) return false;

    // A text that names no value leaves that setting as the port has it.
    if (const auto parity = s.parity.Known(); parity && !port_->setParity(QtParity(*parity))) {
        return false;
    }
    if (const auto stop = s.stopBits.Known(); stop && !port_->setStopBits(QtStopBits(*stop))) {
        return false;
    }
    // "None" and unknown texts keep whatever flow control the port already has.
    flow_ = WithFlowChoice(flow_, s.flowControl);
    return ApplyFlowFields(*port_, flow_);
}

int SerialLink::ReadBytes(uint8_t* buffer, int maximum) {
    if (!connected_ || maximum <= 0) return 0;
    const qint64 got = port_->read(reinterpret_cast<char*>(buffer), maximum);
    if (got <= 0) return 0;
    if (!taps_.empty()) Tell(LineDirection::Received, buffer, static_cast<std::size_t>(got));
    return static_cast<int>(got);
}

void SerialLink::AddTap(LineTap* tap) {
    if (tap != nullptr && std::find(taps_.begin(), taps_.end(), tap) == taps_.end()) {
        taps_.push_back(tap);
    }
}

void SerialLink::RemoveTap(LineTap* tap) { std::erase(taps_, tap); }

void SerialLink::Tell(LineDirection direction, const uint8_t* bytes, std::size_t count) {
    const LineClock::time_point now = LineClock::now();
    // A tap may remove itself while it hears.
    const std::vector<LineTap*> taps = taps_;
    for (LineTap* tap : taps) tap->OnLineChunk(direction, now, std::span(bytes, count));
}

int SerialLink::WriteBytes(const uint8_t* bytes, int count) {
    if (!connected_ || count <= 0) return 0;
    // Collected here and handed to the port when control returns to the event loop, so a
    // block sent byte by byte costs neither a system call nor a Qt buffer call per byte.
    outgoing_.insert(outgoing_.end(), bytes, bytes + count);
    if (outgoing_.size() >= kImmediateHandOver) {
        HandOverWrites();
    } else if (!handOverQueued_) {
        handOverQueued_ = true;
        QMetaObject::invokeMethod(this, &SerialLink::HandOverWrites, Qt::QueuedConnection);
    }
    return count;
}

void SerialLink::HandOverWrites() {
    handOverQueued_ = false;
    if (outgoing_.empty()) return;
    if (connected_) {
        if (!taps_.empty()) {
            Tell(LineDirection::Sent, reinterpret_cast<const uint8_t*>(outgoing_.data()),
                 outgoing_.size());
        }
        const std::size_t direct = WriteDirectly(outgoing_.data(), outgoing_.size());
        if (direct < outgoing_.size()) {
            port_->write(outgoing_.data() + direct, static_cast<qint64>(outgoing_.size() - direct));
        }
        handedOver_ += static_cast<qint64>(outgoing_.size());
        if (!writeWatch_->isActive()) {
            goneAtLastLook_ = handedOver_ - BytesNotYetGone();
            sinceProgress_.start();
            sinceLook_.start();
            writeWatch_->start();
        }
    }
    outgoing_.clear();
}

qint64 SerialLink::BytesNotYetGone() const {
    qint64 waiting = port_->bytesToWrite();
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
    // A real port's driver holds what it has taken until the line lets it go (a
    // pseudo-terminal reports nothing here; its bytes wait in Qt's buffer once it is full).
    int queued = 0;
    if (::ioctl(static_cast<int>(port_->handle()), TIOCOUTQ, &queued) == 0 && queued > 0) {
        waiting += queued;
    }
#endif
    // On Windows Qt's count is all there is: bytes the driver holds back keep Qt's overlapped
    // write pending, so they still count there.
    return waiting;
}

void SerialLink::WatchWrites() {
    if (!connected_) {
        writeWatch_->stop();
        return;
    }
    const qint64 waiting = BytesNotYetGone();
    const qint64 gone = handedOver_ - waiting;
    // Qt writes from the event loop: while the loop was held up, the port had no chance.
    const bool late = sinceLook_.restart() > 5 * kWriteWatchMilliseconds;
    if (gone != goneAtLastLook_ || late) {
        goneAtLastLook_ = gone;
        sinceProgress_.start();
    }
    if (waiting == 0) {
        writeWatch_->stop();
    } else if (sinceProgress_.elapsed() >= kWriteTimeoutMilliseconds) {
        FailWrites();
    }
}

void SerialLink::FailWrites() {
    const QString why =
        QStringLiteral(
            "no byte went out for %1 ms (the receiver takes none, or holds the flow off); "
            "%2 bytes are dropped")
            .arg(kWriteTimeoutMilliseconds)
            .arg(BytesNotYetGone());
    connected_ = false;
    inFlight_ = false;
    outgoing_.clear();
    writeWatch_->stop();
    // Dropped from Qt's buffer and the driver's queue, so that closing does not wait for them.
    port_->clear(QSerialPort::Output);
    port_->close();
    emit WriteFailed(why);
}

std::size_t SerialLink::WriteDirectly(const char* bytes, std::size_t count) {
#if defined(Q_OS_UNIX)
    // What the driver takes at once goes straight in, without a round through the event loop
    // per chunk; the rest waits in Qt's buffer, so the user interface never blocks on a slow
    // line. Only while Qt holds nothing back, or bytes would overtake each other.
    if (port_->bytesToWrite() > 0) return 0;
    const int fd = static_cast<int>(port_->handle());
    std::size_t done = 0;
    while (done < count) {
        const ssize_t written = ::write(fd, bytes + done, count - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // full for now, or failing: Qt takes the rest and reports any error
        }
    }
    return done;
#else
    (void)bytes;
    (void)count;
    return 0;
#endif
}

void SerialLink::SetNotifyPermit() {
    inFlight_ = false;
    PostNotifyIfWaiting();
}

void SerialLink::SetNotifyPermitForNewBytes() { inFlight_ = false; }

void SerialLink::PostNotifyIfWaiting() {
    if (!connected_ || inFlight_ || posted_ || port_->bytesAvailable() <= 0) return;
    // Queued, so a notification never starts inside another one or inside a write.
    posted_ = true;
    QMetaObject::invokeMethod(this, &SerialLink::DeliverNotify, Qt::QueuedConnection);
}

void SerialLink::DeliverNotify() {
    posted_ = false;
    if (!connected_ || inFlight_ || port_->bytesAvailable() <= 0) return;
    inFlight_ = true;
    emit Notify();
}

void SerialLink::OnPortError(int error) {
    // A device that went away shows as a resource error (USB adapter pulled) or as reads and
    // writes that keep failing (the far end of a pseudo-terminal closed); Qt would report the
    // latter again on every poll, so any of them ends the link.
    const bool fatal = error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
                       error == QSerialPort::WriteError;
    if (!fatal || !connected_ || lossQueued_) return;
    // Reported from inside QSerialPort's own handling; the port is closed afterwards.
    lossQueued_ = true;
    const QString why = port_->errorString();
    QMetaObject::invokeMethod(
        this, [this, why] { HandleLoss(why); }, Qt::QueuedConnection);
}

void SerialLink::HandleLoss(const QString& why) {
    lossQueued_ = false;
    if (!connected_) return;
    connected_ = false;
    inFlight_ = false;
    outgoing_.clear();
    writeWatch_->stop();
    port_->close();
    emit LinkLost(why);
}

}  // namespace zev
