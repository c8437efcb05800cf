#include "app/BoxSimulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

constexpr int kStartTimeoutMs = 10000;

}  // namespace

BoxSimulator::BoxSimulator(QObject* parent) : QObject(parent) {}

BoxSimulator::~BoxSimulator() { Stop(); }

QString BoxSimulator::Start(QString* error) {
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath("zev-boxsim");
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    process_->setReadChannel(QProcess::StandardOutput);
    // --exit-on-eof: the simulator ends with us even if we end abruptly (its input closes).
    process_->start(program, {"--sample", "--exit-on-eof"});
    if (!process_->waitForStarted(kStartTimeoutMs)) {
        *error = tr("Can't start %1: %2").arg(program, process_->errorString());
        Stop();
        return QString();
    }
    // The first line it prints names its pseudo-terminal.
    while (!process_->canReadLine()) {
        if (!process_->waitForReadyRead(kStartTimeoutMs)) {
            *error = tr("%1 did not name its port.").arg(program);
            Stop();
            return QString();
        }
    }
    return QString::fromLocal8Bit(process_->readLine()).trimmed();
}

void BoxSimulator::Reset(bool otaLoader) {
    if (process_ != nullptr && process_->state() == QProcess::Running) {
        process_->write(otaLoader ? "sign b0\nreset\n" : "sign aa\nreset\n");
    }
}

void BoxSimulator::Stop() {
    if (process_ == nullptr) return;
    if (process_->state() != QProcess::NotRunning) {
        process_->closeWriteChannel();
        process_->terminate();
        if (!process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(3000);
        }
    }
    process_->deleteLater();
    process_ = nullptr;
}
