#include "link/SystemPortLister.h"

#include <QSerialPortInfo>

namespace zev {

std::vector<SerialPortInfo> SystemPortLister::Ports() const {
    std::vector<SerialPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortInfo port;
        port.location = info.systemLocation().toStdString();
        if (port.location.empty()) continue;
        port.description = info.description().toStdString();
        port.manufacturer = info.manufacturer().toStdString();
        port.serialNumber = info.serialNumber().toStdString();
        if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
        ports.push_back(std::move(port));
    }
    return ports;
}

}  // namespace zev
