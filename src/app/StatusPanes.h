// The status-bar panes (connection, elapsed time, port settings, message, the channel list
// shown with its count, CAP, NUM, SCRL, clock) and the transfer progress bar.
#pragma once

#include <QObject>
#include <QString>
#include <array>

class QLabel;
class QProgressBar;
class QStatusBar;

class StatusPanes : public QObject {
    Q_OBJECT
  public:
    // In the order of the historical panes; ShownList, added later, shows in PortSettings'
    // place while a list is shown (PortSettings is blank then).
    enum Pane {
        Connection = 0,
        Elapsed,
        PortSettings,
        MessageArea,
        Caps,
        Num,
        Scroll,
        Clock,
        ShownList
    };
    static constexpr int kPaneCount = 9;

    explicit StatusPanes(QStatusBar* bar);

    void SetText(Pane pane, const QString& text);
    QString Text(Pane pane) const;
    // The message pane: a prompt, or when there is none the last message or notice, or
    // "Ready".
    void ShowPrompt(const QString& prompt);
    // What a command did: it stays in the message pane while no prompt is shown, until the
    // next message or notice.
    void ShowMessage(const QString& message);
    // A notice about the port, shown as a message ("" takes it away).
    void SetNotice(const QString& notice);
    // The list shown and its channels, in the port settings' place ("" while the terminal is
    // shown: the port settings show again).
    void SetShownList(const QString& text);
    // Blocks done of total; a total of 0 hides the bar.
    void ShowProgress(unsigned done, unsigned total);
    const QProgressBar* Progress() const { return progress_; }

  private:
    std::array<QLabel*, kPaneCount> panes_{};
    QProgressBar* progress_;
    QString prompt_;
    QString resting_;  // the last message or notice
};
