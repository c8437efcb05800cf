#include "app/DeviceWatch.h"

#include <QFileInfo>
#include <QTimer>

#include "link/SerialLink.h"
#include "settings/SerialPortList.h"

DeviceWatch::DeviceWatch(zev::SerialLink& link, const zev::SerialPortLister& ports, QObject* parent)
    : QObject(parent), link_(link), ports_(&ports), timer_(new QTimer(this)) {
    timer_->setInterval(kPollMs);
    connect(timer_, &QTimer::timeout, this, &DeviceWatch::Poll);
    connect(&link_, &zev::SerialLink::LinkLost, this, &DeviceWatch::OnLost);
}

void DeviceWatch::OnLost() {
    portName_ = QString::fromStdString(link_.Settings().portName);
    device_ = zev::SerialLink::DevicePathFor(link_.Settings().portName);
    back_ = false;
    emit Notice(tr("%1 has gone away").arg(portName_));
    timer_->start();
}

bool DeviceWatch::DevicePresent() const {
    for (const zev::SerialPortInfo& port : ports_->Ports()) {
        if (QString::fromStdString(port.location) == device_) return true;
    }
    // Pseudo-terminals and links such as /dev/serial/by-id/... are not in the system's list.
    return QFileInfo::exists(device_);
}

void DeviceWatch::Poll() {
    if (!timer_->isActive()) return;
    if (link_.portConnected()) {
        // In use again: the notices have said what they had to.
        timer_->stop();
        emit Notice(QString());
        return;
    }
    if (!back_ && DevicePresent()) {
        back_ = true;
        emit Notice(tr("%1 is back").arg(portName_));
    }
}
