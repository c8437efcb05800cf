#include "link/LineLog.h"

#include <algorithm>
#include <cstring>

namespace zev {

LineLog::LineLog(std::size_t byteCapacity, std::size_t chunkCapacity)
    : bytes_(std::max<std::size_t>(byteCapacity, 1)),
      records_(std::max<std::size_t>(chunkCapacity, 1)) {}

void LineLog::OnLineChunk(LineDirection direction, LineClock::time_point time,
                          std::span<const uint8_t> bytes) {
    if (bytes.empty()) return;
    if (bytes.size() > bytes_.size()) {
        droppedBytes_ += bytes.size() - bytes_.size();
        bytes = bytes.last(bytes_.size());
    }
    // Room for one more record and for the bytes.
    while (ChunksHeld() == records_.size() ||
           (first_ < end_ && byteEnd_ + bytes.size() - RecordOf(first_).start > bytes_.size())) {
        DropOldest();
    }
    const std::size_t at = static_cast<std::size_t>(byteEnd_ % bytes_.size());
    const std::size_t head = std::min(bytes.size(), bytes_.size() - at);
    std::memcpy(bytes_.data() + at, bytes.data(), head);
    std::memcpy(bytes_.data(), bytes.data() + head, bytes.size() - head);
    records_[static_cast<std::size_t>(end_ % records_.size())] = {
        .start = byteEnd_,
        .timeUs =
            std::chrono::duration_cast<std::chrono::microseconds>(time.time_since_epoch()).count(),
        .size = static_cast<uint32_t>(bytes.size()),
        .direction = direction,
    };
    byteEnd_ += bytes.size();
    ++end_;
}

void LineLog::DropOldest() {
    droppedBytes_ += RecordOf(first_).size;
    ++droppedChunks_;
    ++first_;
}

void LineLog::Clear() { first_ = end_; }

LineLog::Chunk LineLog::ChunkAt(uint64_t sequence) const {
    const Record& record = RecordOf(sequence);
    return {.direction = record.direction,
            .time = LineClock::time_point(std::chrono::duration_cast<LineClock::duration>(
                std::chrono::microseconds(record.timeUs))),
            .size = record.size};
}

std::size_t LineLog::CopyBytes(uint64_t sequence, std::size_t offset,
                               std::span<uint8_t> out) const {
    if (!Holds(sequence)) return 0;
    const Record& record = RecordOf(sequence);
    if (offset >= record.size) return 0;
    const std::size_t count = std::min(out.size(), record.size - offset);
    const std::size_t at = static_cast<std::size_t>((record.start + offset) % bytes_.size());
    const std::size_t head = std::min(count, bytes_.size() - at);
    std::memcpy(out.data(), bytes_.data() + at, head);
    std::memcpy(out.data() + head, bytes_.data(), count - head);
    return count;
}

std::size_t LineLog::BytesHeld() const {
    return first_ == end_ ? 0 : static_cast<std::size_t>(byteEnd_ - RecordOf(first_).start);
}

std::size_t LineLog::MemoryBytes() const {
    return sizeof(*this) + bytes_.capacity() + records_.capacity() * sizeof(Record);
}

}  // namespace zev
