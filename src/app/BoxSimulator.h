// `zev --simulate`: a simulated receiver (zev-boxsim beside the zev executable) on a
// pseudo-terminal, reset by the program where a person would press the reset button.
#pragma once

#include <QObject>
#include <QString>

class QProcess;

class BoxSimulator : public QObject {
    Q_OBJECT
  public:
    explicit BoxSimulator(QObject* parent = nullptr);
    ~BoxSimulator() override;

    // Starts the simulator; returns the pseudo-terminal it serves, or an empty text with
    // `error` set.
    QString Start(QString* error);
    // Presses the simulated receiver's reset button; it then answers as the OTA loader or as
    // the boot loader (general sign 0xAA, which both boot-loader updates accept).
    void Reset(bool otaLoader);
    void Stop();

  private:
    QProcess* process_ = nullptr;
};
