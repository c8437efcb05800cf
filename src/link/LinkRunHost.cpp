#include "link/LinkRunHost.h"

#include <QMetaObject>
#include <algorithm>

#include "link/SerialLink.h"

namespace zev {

bool LinkRunHost::OpenLink() { return link_.OpenPort(); }

void LinkRunHost::CloseLink() { link_.ClosePort(); }

bool LinkRunHost::LinkOpen() const { return link_.portConnected(); }

std::string LinkRunHost::PortName() const { return link_.Settings().portName; }

std::string LinkRunHost::LinkProblem() const { return link_.OpenProblem(); }

void LinkRunHost::RunLater(std::function<void()> step) {
    QMetaObject::invokeMethod(&link_, std::move(step), Qt::QueuedConnection);
}

int LinkRunHost::SendByte(uint8_t value) { return link_.WriteBytes(&value, 1); }

std::size_t LinkRunHost::SendBytes(const uint8_t* bytes, std::size_t count) {
    // The link collects its writes anyway; hand it the whole run at once.
    std::size_t sent = 0;
    while (sent < count) {
        const int chunk = static_cast<int>(std::min<std::size_t>(count - sent, 1 << 20));
        const int written = link_.WriteBytes(bytes + sent, chunk);
        if (written <= 0) break;
        sent += static_cast<std::size_t>(written);
    }
    return sent;
}

}  // namespace zev
