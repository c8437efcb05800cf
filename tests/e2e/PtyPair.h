// A pseudo-terminal opened by a test: the master end plays the receiver, the slave's path is
// given to the link. Everything here is bounded in time so that a failing test cannot hang.
#pragma once

#include <termios.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zev::test {

// One QCoreApplication for the whole test program.
QCoreApplication& TestApp();

// Runs the event loop until `done` holds or `milliseconds` have passed; returns `done()`.
bool SpinUntil(const std::function<bool()>& done, int milliseconds = 5000);

class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0; }
    const std::string& SlavePath() const { return slavePath_; }

    void Write(const std::vector<uint8_t>& bytes);
    // Reads what the slave side wrote until `count` bytes came or the time ran out.
    std::vector<uint8_t> Read(std::size_t count, int milliseconds = 5000);
    void CloseMaster();
    // The slave's terminal settings (the master reads and writes those of the slave).
    termios SlaveSettings() const;
    void SetSlaveSettings(const termios& settings);

  private:
    int master_ = -1;
    std::string slavePath_;
};

}  // namespace zev::test
