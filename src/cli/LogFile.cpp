#include "cli/LogFile.h"

#include <cstdint>
#include <span>

namespace zev::cli {

LogFile::LogFile(std::string path) : path_(std::move(path)), file_(path_) {}

LogFile::~LogFile() { writer_.reset(); }

Result<void, FileError> LogFile::Begin() {
    FileError error;
    if (!file_.Begin(error)) return Failure(error);
    writer_ = std::make_unique<LineLogWriter>([this](const std::string& text) {
        if (writeError_) return;
        FileError failed;
        const auto bytes = std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size());
        if (!file_.Write(bytes, failed)) writeError_ = failed;
    });
    return {};
}

Result<void, FileError> LogFile::Close(bool succeeded) {
    if (!writer_) return {};
    const bool heard = writer_->HeardBytes();
    writer_.reset();  // every queued piece written
    if (writeError_) return Failure(*writeError_);
    if (!succeeded && !heard) return {};  // the temporary file goes, an old log stays
    FileError error;
    if (!file_.Finish(error) || !file_.Replace(error)) return Failure(error);
    return {};
}

}  // namespace zev::cli
