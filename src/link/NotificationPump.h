// Connects a SerialLink's notifications to a ReceiverSession: reads up to 100 bytes per
// notification, feeds them through the terminal rules and the active run, then lets the link
// post the next notification. It also hands the link's LinkLost and WriteFailed to the session
// (ReceiverSession::OnLinkLost, OnWriteFailed), so callers need not. Used by the desktop
// program and by zev-cli alike.
#pragma once

#include <QObject>
#include <functional>

#include "protocols/TerminalFeed.h"

namespace zev {

class SerialLink;
class ReceiverSession;

class NotificationPump : public QObject {
    Q_OBJECT
  public:
    NotificationPump(SerialLink& link, ReceiverSession& session, EchoSink& echo,
                     QObject* parent = nullptr);

    // While this returns true (a channel list is shown) nothing is read; bytes wait in order.
    void SetPausedWhen(std::function<bool()> paused) { paused_ = std::move(paused); }
    // Call after un-pausing so waiting bytes are delivered.
    void Resume();

  public slots:
    void OnNotify();

  private:
    SerialLink& link_;
    ReceiverSession& session_;
    EchoSink& echo_;
    std::function<bool()> paused_;
};

}  // namespace zev
