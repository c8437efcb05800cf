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
    if (!undo_.empty() || !redo_.empty()) CarryIntoSteps();
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
    step.bytes = SizeOf(step);
    for (const Step& undone : redo_) stepBytes_ -= undone.bytes;
    redo_.clear();
    stepBytes_ += step.bytes;
    undo_.push_back(std::move(step));
    Trim();
    return true;
}

std::size_t DatabaseHistory::SizeOf(const Step& step) {
    std::size_t bytes = sizeof(Step) + step.description.English().capacity();
    for (std::size_t t = 0; t < kTables; ++t) {
        bytes += step.undo[t].Bytes() + step.redo[t].Bytes() - 2 * sizeof(RecordPatch);
    }
    return bytes;
}

// Walking away from the current state, step by step, on both sides: each step's far state is
// rebuilt from its near state, the far state keeping a changed byte only where the step itself
// changed that byte, and taking the near state's new byte elsewhere. The walk stops at the
// first step whose far state comes out unchanged: the steps beyond it describe the same states
// as before.
void DatabaseHistory::CarryIntoSteps() {
    auto oldNear = std::make_unique<ChannelDatabase>();
    auto newNear = std::make_unique<ChannelDatabase>();
    auto oldFar = std::make_unique<ChannelDatabase>();
    auto newFar = std::make_unique<ChannelDatabase>();
    const auto copyInto = [](ChannelDatabase& from, ChannelDatabase& to) {
        const auto source = TablesOf(from);
        const auto target = TablesOf(to);
        for (std::size_t t = 0; t < kTables; ++t) {
            std::memcpy(target[t].bytes.data(), source[t].bytes.data(), source[t].bytes.size());
        }
    };

    // `forward`: the step's redo leads away from the current state (a step that can be redone).
    const auto walk = [&](auto first, auto last, bool forward) {
        copyInto(*copy_, *oldNear);
        copyInto(db_, *newNear);
        for (auto step = first; step != last; ++step) {
            copyInto(*oldNear, *oldFar);
            const auto oNear = TablesOf(*oldNear);
            const auto nNear = TablesOf(*newNear);
            const auto oFar = TablesOf(*oldFar);
            const auto nFar = TablesOf(*newFar);
            Patches& away = forward ? step->redo : step->undo;
            Patches& back = forward ? step->undo : step->redo;
            bool farChanged = false;
            stepBytes_ -= step->bytes;
            for (std::size_t t = 0; t < kTables; ++t) {
                away[t].Apply(oFar[t].bytes);
                const std::size_t size = oFar[t].bytes.size();
                if (std::memcmp(oNear[t].bytes.data(), nNear[t].bytes.data(), size) == 0) {
                    // The change left this table alone: so it does the step's far state.
                    std::memcpy(nFar[t].bytes.data(), oFar[t].bytes.data(), size);
                    continue;
                }
                for (std::size_t b = 0; b < size; ++b) {
                    const bool stepChanged = oNear[t].bytes[b] != oFar[t].bytes[b];
                    nFar[t].bytes[b] = stepChanged ? oFar[t].bytes[b] : nNear[t].bytes[b];
                }
                farChanged = farChanged ||
                             std::memcmp(nFar[t].bytes.data(), oFar[t].bytes.data(), size) != 0;
                const std::size_t record = nFar[t].recordSize;
                away[t] = RecordPatch::Between(nNear[t].bytes, nFar[t].bytes, record);
                back[t] = RecordPatch::Between(nFar[t].bytes, nNear[t].bytes, record);
            }
            step->bytes = SizeOf(*step);
            stepBytes_ += step->bytes;
            if (!farChanged) break;
            std::swap(oldNear, oldFar);
            std::swap(newNear, newFar);
        }
    };
    walk(undo_.rbegin(), undo_.rend(), false);
    walk(redo_.rbegin(), redo_.rend(), true);
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
