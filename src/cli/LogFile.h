// zev-cli's --log FILE, written as every output is: it must be a regular file that may be
// replaced and no input of the command; it is checked, and its temporary file made, before the
// run starts; the bytes go to the temporary file, which takes the name once the command is
// over. A command that ends before a byte went over the line leaves an existing log as it was.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/LineLogWriter.h"
#include "core/FileReplacement.h"
#include "core/Result.h"

namespace zev::cli {

class LogFile {
  public:
    explicit LogFile(std::string path);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Before the run: refused when the file may not be written.
    Result<void, FileError> Begin();
    // What the link tells every piece of bytes; valid after Begin, until Close.
    LineTap& Tap() { return *writer_; }
    // After the run, with the link closed: writes what is still queued, then replaces the file,
    // unless `succeeded` is false and the line carried nothing. A write that failed at any time
    // (a full disk) is the error.
    Result<void, FileError> Close(bool succeeded);

  private:
    std::string path_;
    FileReplacement file_;
    std::unique_ptr<LineLogWriter> writer_;
    // The first write error, set by the writer's thread while it runs.
    std::optional<FileError> writeError_;
};

}  // namespace zev::cli
