// What the Line Monitor shows: the pieces of bytes the line carried, kept in a ring of fixed
// size. Its memory is taken once, when it is made (by default 4 MiB of bytes and 131,072
// piece records of 24 bytes: 7 MiB in all), and never grows: when either is full, the oldest
// pieces are dropped, and counted, to make room. Every piece has a sequence number that
// counts up from 0 and is never reused, so a reader can tell which pieces are still held.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/LineTap.h"

namespace zev {

class LineLog : public LineTap {
  public:
    static constexpr std::size_t kDefaultByteCapacity = std::size_t{4} << 20;
    static constexpr std::size_t kDefaultChunkCapacity = std::size_t{1} << 17;

    explicit LineLog(std::size_t byteCapacity = kDefaultByteCapacity,
                     std::size_t chunkCapacity = kDefaultChunkCapacity);

    // A piece larger than the whole ring keeps only its last bytes.
    void OnLineChunk(LineDirection direction, LineClock::time_point time,
                     std::span<const uint8_t> bytes) override;
    void Clear();

    struct Chunk {
        LineDirection direction = LineDirection::Sent;
        LineClock::time_point time;
        std::size_t size = 0;
    };

    // The pieces held are those numbered from FirstSequence() up to, not including,
    // EndSequence().
    uint64_t FirstSequence() const { return first_; }
    uint64_t EndSequence() const { return end_; }
    bool Holds(uint64_t sequence) const { return sequence >= first_ && sequence < end_; }
    // Only for a piece it holds.
    Chunk ChunkAt(uint64_t sequence) const;
    // Copies bytes of a piece it holds, from `offset` on, as many as fit `out` and the piece;
    // returns how many.
    std::size_t CopyBytes(uint64_t sequence, std::size_t offset, std::span<uint8_t> out) const;

    std::size_t BytesHeld() const;
    std::size_t ChunksHeld() const { return static_cast<std::size_t>(end_ - first_); }
    uint64_t DroppedChunks() const { return droppedChunks_; }
    uint64_t DroppedBytes() const { return droppedBytes_; }
    // The memory it took when it was made, which is all it ever uses.
    std::size_t MemoryBytes() const;

  private:
    struct Record {
        uint64_t start;  // position of the first byte in the stream of all bytes logged
        int64_t timeUs;  // microseconds since the epoch
        uint32_t size;
        LineDirection direction;
    };
    const Record& RecordOf(uint64_t sequence) const {
        return records_[static_cast<std::size_t>(sequence % records_.size())];
    }
    void DropOldest();

    std::vector<uint8_t> bytes_;
    std::vector<Record> records_;
    uint64_t first_ = 0;
    uint64_t end_ = 0;
    uint64_t byteEnd_ = 0;  // stream position of the next byte
    uint64_t droppedChunks_ = 0;
    uint64_t droppedBytes_ = 0;
};

}  // namespace zev
