// The eight status-bar panes (connection, elapsed time, port settings, message, CAP, NUM,
// SCRL, clock) and the transfer progress bar.
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
    enum Pane { Connection = 0, Elapsed, PortSettings, MessageArea, Caps, Num, Scroll, Clock };
    static constexpr int kPaneCount = 8;

    explicit StatusPanes(QStatusBar* bar);

    void SetText(Pane pane, const QString& text);
    QString Text(Pane pane) const;
    // The message pane: a prompt, or when there is none the notice, or "Ready".
    void ShowPrompt(const QString& prompt);
    // A notice that stays in the message pane while no prompt is shown ("" takes it away).
    void SetNotice(const QString& notice);
    QString Notice() const { return notice_; }
    // Blocks done of total; a total of 0 hides the bar.
    void ShowProgress(unsigned done, unsigned total);
    const QProgressBar* Progress() const { return progress_; }

  private:
    std::array<QLabel*, kPaneCount> panes_{};
    QProgressBar* progress_;
    QString prompt_;
    QString notice_;
};
