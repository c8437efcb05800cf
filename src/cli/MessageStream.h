// zev-cli's messages on standard error with every control byte except the line feed and the
// tab written as \xNN: a file name, an argument or a line of a file may hold bytes that a
// terminal would obey (move the cursor, change colours, set the window title).
#pragma once

#include <ostream>
#include <streambuf>

namespace zev::cli {

class ControlEscapingBuffer : public std::streambuf {
  public:
    explicit ControlEscapingBuffer(std::streambuf* target) : target_(target) {}
    // Where the escaped text goes.
    std::streambuf* Target() const { return target_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override { return target_->pubsync(); }

  private:
    std::streambuf* target_;
};

// The buffer under `stream` that takes text as it is: the target of a ControlEscapingBuffer,
// else the stream's own. Text the receiver sends is shown as it came.
std::streambuf* UnescapedBuffer(std::ostream& stream);

}  // namespace zev::cli
