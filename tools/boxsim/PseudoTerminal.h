// The pseudo-terminal the simulator plays the receiver on. The simulator holds only the master
// side; the slave is left to the PC-side program, so the master reports a hang-up while no
// program has the slave open, which tells the simulator when a program opens or closes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zev::boxsim {

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates the pair in raw mode without echo; false with `error` set on failure.
    bool open(std::string& error);
    void close();

    const std::string& slavePath() const { return slavePath_; }
    int masterFd() const { return master_; }
    bool clientConnected() const;

    // Both return the byte count, 0 when nothing can be done now, -1 when the line is gone.
    long read(std::uint8_t* buffer, std::size_t size);
    long write(const std::uint8_t* data, std::size_t size);

  private:
    int master_ = -1;
    std::string slavePath_;
};

}  // namespace zev::boxsim
