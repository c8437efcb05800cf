#include "editing/DatabaseHistory.h"

#include <cstring>
#include <span>
#include <type_traits>

namespace zev {
namespace {

// The parts of the database a step compares, each a table of fixed-size records; the header
// and the loaded flag are tables of one record.
struct Table {
    std::span<uint8_t> bytes;
    std::size_t recordSize;
};

template <typename T>
std::span<uint8_t> BytesOf(T& object) {
    static_assert(std::is_trivially_copyable_v<T>);
    return {reinterpret_cast<uint8_t*>(&object), sizeof(T)};
}

std::array<Table, 5> TablesOf(ChannelDatabase& db) {
    return {{{BytesOf(db.header), sizeof(DatabaseHeader)},
             {BytesOf(db.satellites), sizeof(SatelliteEntry)},
             {BytesOf(db.transponders), sizeof(TransponderEntry)},
             {BytesOf(db.channels), sizeof(ChannelEntry)},
             {BytesOf(db.Loaded), sizeof(bool)}}};
}

static_assert(sizeof(DatabaseHeader) <= RecordPatch::kMaxRecordSize);
static_assert(sizeof(SatelliteEntry) <= RecordPatch::kMaxRecordSize);
static_assert(sizeof(TransponderEntry) <= RecordPatch::kMaxRecordSize);
static_assert(sizeof(ChannelEntry) <= RecordPatch::kMaxRecordSize);

// Copies the bytes a patch wrote from one table to the other.
void CopyWritten(const RecordPatch& patch, std::span<const uint8_t> from, std::span<uint8_t> to) {
    if (patch.Empty()) return;
    std::memcpy(to.data() + patch.WrittenBegin(), from.data() + patch.WrittenBegin(),
                patch.WrittenEnd() - patch.WrittenBegin());
}

const Translatable kNoName;

}  // namespace

DatabaseHistory::DatabaseHistory(ChannelDatabase& db, Limits limits)
    : db_(db), copy_(std::make_unique<ChannelDatabase>()), limits_(limits) {
    Rebase();
}

DatabaseHistory::~DatabaseHistory() = default;

std::size_t DatabaseHistory::CopyBytes() { return sizeof(ChannelDatabase); }

const Translatable& DatabaseHistory::UndoName() const {
    return undo_.empty() ? kNoName : undo_.back().description;
}

const Translatable& DatabaseHistory::RedoName() const {
    return redo_.empty() ? kNoName : redo_.back().description;
}

void DatabaseHistory::Rebase() {
    const auto live = TablesOf(db_);
    const auto copy = TablesOf(*copy_);
    for (std::size_t t = 0; t < kTables; ++t) {
        std::memcpy(copy[t].bytes.data(), live[t].bytes.data(), live[t].bytes.size());
    }
}

bool DatabaseHistory::Record(const Translatable& description) {
    const auto live = TablesOf(db_);
    const auto copy = TablesOf(*copy_);
    Step step;
    bool changed = false;
    for (std::size_t t = 0; t < kTables; ++t) {
        step.redo[t] = RecordPatch::Between(copy[t].bytes, live[t].bytes, live[t].recordSize);
        if (step.redo[t].Empty()) continue;
        changed = true;
        step.undo[t] = RecordPatch::Between(live[t].bytes, copy[t].bytes, live[t].recordSize);
        CopyWritten(step.redo[t], live[t].bytes, copy[t].bytes);
    }
    if (!changed) return false;

    step.description = description;
    step.state = ++lastState_;
    step.bytes = sizeof(Step) + step.description.English().capacity();
    for (std::size_t t = 0; t < kTables; ++t) {
        step.bytes += step.undo[t].Bytes() + step.redo[t].Bytes() - 2 * sizeof(RecordPatch);
    }
    for (const Step& undone : redo_) stepBytes_ -= undone.bytes;
    redo_.clear();
    stepBytes_ += step.bytes;
    undo_.push_back(std::move(step));
    Trim();
    return true;
}

void DatabaseHistory::Trim() {
    while (undo_.size() > 1 && (undo_.size() > limits_.steps || stepBytes_ > limits_.bytes)) {
        baseState_ = undo_.front().state;
        stepBytes_ -= undo_.front().bytes;
        undo_.pop_front();
    }
}

bool DatabaseHistory::Undo() {
    if (undo_.empty()) return false;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    Apply(step.undo);
    redo_.push_back(std::move(step));
    return true;
}

bool DatabaseHistory::Redo() {
    if (redo_.empty()) return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    Apply(step.redo);
    undo_.push_back(std::move(step));
    return true;
}

void DatabaseHistory::Apply(const Patches& patches) {
    const auto live = TablesOf(db_);
    const auto copy = TablesOf(*copy_);
    for (std::size_t t = 0; t < kTables; ++t) {
        patches[t].Apply(live[t].bytes);
        CopyWritten(patches[t], live[t].bytes, copy[t].bytes);
    }
}

}  // namespace zev
