// How one table of fixed-size records turned from one state into another, kept small: runs of
// records copied from other places of the old table (what inserting, deleting, moving and
// dragging do) and records that differ from an old record in a few bytes (an edited field, a
// renumbered reference), stored as those bytes only. Records are compared as bytes, so applying
// a patch to the old table gives the new table byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zev {

class RecordPatch {
  public:
    static constexpr std::size_t kMaxRecordSize = 255;

    // The patch that turns `before` into `after`: tables of the same size, a whole number of
    // records of `recordSize` bytes (1 to kMaxRecordSize). Tables that are not are refused with
    // an empty patch.
    static RecordPatch Between(std::span<const uint8_t> before, std::span<const uint8_t> after,
                               std::size_t recordSize);

    bool Empty() const { return runs_.empty(); }
    // Turns `table`, which holds the `before` state, into the `after` state. A table of another
    // size is left alone.
    void Apply(std::span<uint8_t> table) const;
    // The byte range Apply writes (empty for an empty patch).
    std::size_t WrittenBegin() const { return writtenBegin_; }
    std::size_t WrittenEnd() const { return writtenEnd_; }
    // Memory the patch holds.
    std::size_t Bytes() const;

  private:
    static constexpr uint32_t kCopied = UINT32_MAX;
    // Records to .. to + count - 1 take records from .. from + count - 1 of the old table;
    // unless `edits` is kCopied, each record then gets its byte edits, which start at `edits`
    // in edits_: per record a segment count, then per segment offset, length and bytes.
    struct Run {
        uint32_t to = 0;
        uint32_t from = 0;
        uint32_t count = 0;
        uint32_t edits = kCopied;
    };
    std::size_t tableSize_ = 0;
    std::size_t recordSize_ = 0;
    std::vector<Run> runs_;
    std::vector<uint8_t> edits_;
    std::size_t sourceBegin_ = 0;  // the old records the runs read, as a byte range
    std::size_t sourceEnd_ = 0;
    std::size_t writtenBegin_ = 0;
    std::size_t writtenEnd_ = 0;
};

}  // namespace zev
