#include "link/NotificationPump.h"

#include <array>
#include <cstdint>

#include "link/SerialLink.h"
#include "protocols/ReceiverSession.h"

namespace zev {

NotificationPump::NotificationPump(SerialLink& link, ReceiverSession& session, EchoSink& echo,
                                   QObject* parent)
    : QObject(parent), link_(link), session_(session), echo_(echo) {
    connect(&link_, &SerialLink::Notify, this, &NotificationPump::OnNotify);
    connect(&link_, &SerialLink::LinkLost, this,
            [this](const QString& why) { session_.OnLinkLost(why.toStdString()); });
    connect(&link_, &SerialLink::WriteFailed, this,
            [this](const QString& why) { session_.OnWriteFailed(why.toStdString()); });
}

void NotificationPump::Resume() { link_.SetNotifyPermit(); }

void NotificationPump::OnNotify() {
    if (paused_ && paused_()) {
        // The bytes stay queued, in order, until Resume(); no busy re-posting meanwhile.
        link_.SetNotifyPermitForNewBytes();
        return;
    }
    std::array<uint8_t, kMaxBytesPerNotification> buffer{};
    const int count = link_.ReadBytes(buffer.data(), static_cast<int>(buffer.size()));
    if (count > 0) {
        FeedReceivedBytes(session_, std::span<const uint8_t>(buffer.data(), count), echo_);
    }
    link_.SetNotifyPermit();
}

}  // namespace zev
