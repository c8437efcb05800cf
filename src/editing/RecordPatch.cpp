#include "editing/RecordPatch.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

namespace zev {
namespace {

// Differing bytes closer than this share one edit segment: a segment costs two bytes of offset
// and length, so a short equal stretch is cheaper to store than a split.
constexpr std::size_t kSegmentJoinGap = 2;
constexpr std::size_t kCompareBlock = 256;
// A changed record that differs from an old record nearby in at most this many bytes is kept
// as edits of it without looking for an equal record elsewhere (a renumbered reference).
constexpr std::size_t kNearCopy = 4;

std::size_t FirstDifference(const uint8_t* a, const uint8_t* b, std::size_t size) {
    std::size_t i = 0;
    while (i + kCompareBlock <= size && std::memcmp(a + i, b + i, kCompareBlock) == 0) {
        i += kCompareBlock;
    }
    while (i < size && a[i] == b[i]) ++i;
    return i;
}

// One past the last byte where the tables differ; 0 when they are equal.
std::size_t LastDifferenceEnd(const uint8_t* a, const uint8_t* b, std::size_t size) {
    std::size_t end = size;
    while (end >= kCompareBlock &&
           std::memcmp(a + end - kCompareBlock, b + end - kCompareBlock, kCompareBlock) == 0) {
        end -= kCompareBlock;
    }
    while (end > 0 && a[end - 1] == b[end - 1]) --end;
    return end;
}

// Appends the byte edits that make record `base` into `target`: a segment count, then each
// segment's offset, length and bytes.
void EncodeEdits(const uint8_t* base, const uint8_t* target, std::size_t size,
                 std::vector<uint8_t>& out) {
    const std::size_t countAt = out.size();
    out.push_back(0);
    uint8_t segments = 0;
    std::size_t i = 0;
    while (i < size) {
        if (base[i] == target[i]) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        for (std::size_t j = end; j < size && j <= end + kSegmentJoinGap; ++j) {
            if (base[j] != target[j]) end = j + 1;
        }
        ++segments;
        out.push_back(static_cast<uint8_t>(i));
        out.push_back(static_cast<uint8_t>(end - i));
        out.insert(out.end(), target + i, target + end);
        i = end;
    }
    out[countAt] = segments;
}

// How many bytes of two records differ: a quick measure of which old record a changed record
// is best kept as edits of.
std::size_t DifferingBytes(const uint8_t* a, const uint8_t* b, std::size_t size) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < size; i += 8) {
        const std::size_t n = std::min<std::size_t>(8, size - i);
        uint64_t x = 0;
        uint64_t y = 0;
        std::memcpy(&x, a + i, n);
        std::memcpy(&y, b + i, n);
        uint64_t d = x ^ y;
        // One bit per differing byte, then their sum in the top byte.
        d |= d >> 4;
        d |= d >> 2;
        d |= d >> 1;
        count +=
            static_cast<std::size_t>(((d & 0x0101010101010101ull) * 0x0101010101010101ull) >> 56);
    }
    return count;
}

// Applies one record's edits; returns where the next record's edits start.
const uint8_t* ApplyEdits(const uint8_t* edits, uint8_t* record) {
    const uint8_t segments = *edits++;
    for (uint8_t s = 0; s < segments; ++s) {
        const uint8_t offset = *edits++;
        const uint8_t length = *edits++;
        std::memcpy(record + offset, edits, length);
        edits += length;
    }
    return edits;
}

uint64_t HashRecord(const uint8_t* record, std::size_t size) {
    uint64_t hash = 0x9E3779B97F4A7C15ull ^ size;
    for (std::size_t i = 0; i < size; i += 8) {
        uint64_t word = 0;
        std::memcpy(&word, record + i, std::min<std::size_t>(8, size - i));
        hash = std::rotl((hash ^ word) * 0xFF51AFD7ED558CCDull, 29);
    }
    // Every bit reaches the low bits that pick the index slot.
    hash ^= hash >> 33;
    hash *= 0xC4CEB9FE1A85EC53ull;
    return hash ^ (hash >> 33);
}

// Finds, for a record, a record of the old table with the same bytes: where a shifted or
// dragged record came from. Equal records are kept once, at their first place.
class SourceIndex {
  public:
    SourceIndex(const uint8_t* table, std::size_t count, std::size_t recordSize)
        : table_(table), recordSize_(recordSize) {
        std::size_t capacity = 16;
        while (capacity < 2 * count) capacity *= 2;
        slots_.resize(capacity);
        mask_ = capacity - 1;
        for (std::size_t position = 0; position < count; ++position) Insert(position);
    }

    std::optional<std::size_t> Find(const uint8_t* record) const {
        const uint32_t hash = static_cast<uint32_t>(HashRecord(record, recordSize_));
        for (std::size_t s = hash & mask_; slots_[s].position != 0; s = (s + 1) & mask_) {
            if (slots_[s].hash == hash && Equal(slots_[s].position - 1, record)) {
                return slots_[s].position - 1;
            }
        }
        return std::nullopt;
    }

  private:
    struct Slot {
        uint32_t hash = 0;      // the low half of the record's hash
        uint32_t position = 0;  // position + 1; 0 marks a free slot
    };

    bool Equal(std::size_t position, const uint8_t* record) const {
        return std::memcmp(table_ + position * recordSize_, record, recordSize_) == 0;
    }

    void Insert(std::size_t position) {
        const uint8_t* record = table_ + position * recordSize_;
        const uint32_t hash = static_cast<uint32_t>(HashRecord(record, recordSize_));
        std::size_t s = hash & mask_;
        for (; slots_[s].position != 0; s = (s + 1) & mask_) {
            if (slots_[s].hash == hash && Equal(slots_[s].position - 1, record)) return;
        }
        slots_[s] = {hash, static_cast<uint32_t>(position + 1)};
    }

    const uint8_t* table_;
    std::size_t recordSize_;
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};

}  // namespace

RecordPatch RecordPatch::Between(std::span<const uint8_t> before, std::span<const uint8_t> after,
                                 std::size_t recordSize) {
    RecordPatch patch;
    const std::size_t size = before.size();
    if (after.size() != size || recordSize == 0 || recordSize > kMaxRecordSize ||
        size % recordSize != 0) {
        return patch;
    }
    const uint8_t* old = before.data();
    const uint8_t* now = after.data();
    const std::size_t firstByte = FirstDifference(old, now, size);
    if (firstByte == size) return patch;
    const std::size_t endByte = LastDifferenceEnd(old, now, size);

    const std::size_t r = recordSize;
    const std::size_t count = size / r;
    const std::size_t first = firstByte / r;
    const std::size_t last = (endByte - 1) / r;
    const auto oldRecord = [old, r](std::size_t k) { return old + k * r; };
    std::optional<SourceIndex> index;  // built on the first record that did not stay in place
    std::vector<Run>& runs = patch.runs_;
    std::vector<uint8_t>& edits = patch.edits_;

    for (std::size_t i = first; i <= last; ++i) {
        const uint8_t* record = now + i * r;
        Run* run = runs.empty() ? nullptr : &runs.back();
        // The record after the one the last run took: a shift or a block that goes on.
        const std::size_t next = run != nullptr ? std::size_t{run->from} + run->count : count;
        if (next < count && std::memcmp(record, oldRecord(next), r) == 0) {
            if (run->edits != kCopied) edits.push_back(0);
            ++run->count;
            continue;
        }
        if (std::memcmp(record, oldRecord(i), r) == 0) {
            runs.push_back({static_cast<uint32_t>(i), static_cast<uint32_t>(i), 1, kCopied});
            continue;
        }
        // A changed record: kept as edits of the old record that differs least among the one
        // in its place and its neighbours, and the next one of the last run and the records
        // around it (shifted records whose references were renumbered, with a record or two
        // deleted or inserted between them). The last run's next one wins a tie: the run then
        // goes on.
        std::size_t base = i;
        std::size_t fewest = DifferingBytes(oldRecord(i), record, r);
        for (const std::size_t candidate : {next, next + 1, next + 2, next - 1, i + 1, i - 1}) {
            if (candidate >= count || candidate == i) continue;
            const std::size_t bytes = DifferingBytes(oldRecord(candidate), record, r);
            if (bytes < fewest || (bytes == fewest && candidate == next)) {
                base = candidate;
                fewest = bytes;
            }
        }
        if (fewest == 0) {  // a neighbour's copy: the first of a shifted run
            runs.push_back({static_cast<uint32_t>(i), static_cast<uint32_t>(base), 1, kCopied});
            continue;
        }
        // Unless that is a near copy, the record may be one moved from farther away.
        if (fewest > kNearCopy) {
            if (!index) index.emplace(old, count, r);
            if (const std::optional<std::size_t> source = index->Find(record)) {
                runs.push_back(
                    {static_cast<uint32_t>(i), static_cast<uint32_t>(*source), 1, kCopied});
                continue;
            }
        }
        if (run != nullptr && base == next && run->edits != kCopied) {
            ++run->count;
        } else {
            runs.push_back({static_cast<uint32_t>(i), static_cast<uint32_t>(base), 1,
                            static_cast<uint32_t>(edits.size())});
        }
        EncodeEdits(oldRecord(base), record, r, edits);
    }

    std::size_t sourceFirst = count;
    std::size_t sourceEnd = 0;
    for (const Run& run : runs) {
        sourceFirst = std::min<std::size_t>(sourceFirst, run.from);
        sourceEnd = std::max<std::size_t>(sourceEnd, std::size_t{run.from} + run.count);
    }
    patch.tableSize_ = size;
    patch.recordSize_ = r;
    patch.sourceBegin_ = sourceFirst * r;
    patch.sourceEnd_ = sourceEnd * r;
    patch.writtenBegin_ = first * r;
    patch.writtenEnd_ = (last + 1) * r;
    runs.shrink_to_fit();
    edits.shrink_to_fit();
    return patch;
}

void RecordPatch::Apply(std::span<uint8_t> table) const {
    if (runs_.empty() || table.size() != tableSize_) return;
    // The runs read the old records while others are written: read them from a copy.
    const std::vector<uint8_t> source(table.begin() + static_cast<std::ptrdiff_t>(sourceBegin_),
                                      table.begin() + static_cast<std::ptrdiff_t>(sourceEnd_));
    const std::size_t r = recordSize_;
    for (const Run& run : runs_) {
        uint8_t* to = table.data() + std::size_t{run.to} * r;
        std::memcpy(to, source.data() + std::size_t{run.from} * r - sourceBegin_,
                    std::size_t{run.count} * r);
        if (run.edits == kCopied) continue;
        const uint8_t* edits = edits_.data() + run.edits;
        for (uint32_t k = 0; k < run.count; ++k) edits = ApplyEdits(edits, to + k * r);
    }
}

std::size_t RecordPatch::Bytes() const {
    return sizeof(RecordPatch) + runs_.capacity() * sizeof(Run) + edits_.capacity();
}

}  // namespace zev
