#include "OutputScheduler.h"

#include <algorithm>

namespace zev::boxsim {

OutputScheduler::OutputScheduler(int delayMs, int slowMs) : delay_(delayMs), slow_(slowMs) {}

void OutputScheduler::enqueue(std::vector<OutputChunk> chunks, Clock::time_point now) {
    for (OutputChunk& chunk : chunks) {
        if (chunk.bytes.empty()) {
            continue;
        }
        const bool paced = !chunk.bulk && slow_.count() > 0;
        queue_.push_back({std::move(chunk.bytes), 0, paced, now + delay_});
    }
}

std::optional<OutputScheduler::Clock::time_point> OutputScheduler::nextWriteTime() const {
    if (queue_.empty()) {
        return std::nullopt;
    }
    const Pending& front = queue_.front();
    return front.paced ? std::max(front.readyAt, pacedNotBefore_) : front.readyAt;
}

bool OutputScheduler::writeDue(Clock::time_point now, const WriteFunction& write) {
    while (!queue_.empty()) {
        const auto due = nextWriteTime();
        if (now < *due) {
            return true;
        }
        Pending& front = queue_.front();
        const std::size_t remaining = front.bytes.size() - front.offset;
        const std::size_t wanted = front.paced ? 1 : remaining;
        const long written = write(front.bytes.data() + front.offset, wanted);
        if (written < 0) {
            return false;
        }
        if (written == 0) {
            return true;  // the line is full; try again when it drains
        }
        front.offset += static_cast<std::size_t>(written);
        if (front.paced) {
            pacedNotBefore_ = now + slow_;
        }
        if (front.offset == front.bytes.size()) {
            queue_.pop_front();
        }
    }
    return true;
}

}  // namespace zev::boxsim
