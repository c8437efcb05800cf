#include "cli/LineLogWriter.h"

#include "link/LineDumpText.h"

namespace zev::cli {

LineLogWriter::LineLogWriter(std::function<void(const std::string&)> write)
    : write_(std::move(write)), writer_([this] { WriteLoop(); }) {}

LineLogWriter::~LineLogWriter() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        done_ = true;
    }
    changed_.notify_all();
    writer_.join();
}

void LineLogWriter::OnLineChunk(LineDirection direction, LineClock::time_point time,
                                std::span<const uint8_t> bytes) {
    heard_ = true;
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return queuedBytes_ < kMaxQueuedBytes; });
    queue_.push_back({direction, time, std::vector<uint8_t>(bytes.begin(), bytes.end())});
    queuedBytes_ += bytes.size();
    lock.unlock();
    changed_.notify_all();
}

void LineLogWriter::WriteLoop() {
    std::deque<Piece> taken;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [this] { return done_ || !queue_.empty(); });
            if (queue_.empty()) return;  // done, and everything written
            taken.swap(queue_);
            queuedBytes_ = 0;
        }
        changed_.notify_all();
        std::string text;
        for (const Piece& piece : taken) {
            text += DumpChunkText(piece.direction, piece.time, piece.bytes, true);
        }
        taken.clear();
        write_(text);
    }
}

}  // namespace zev::cli
