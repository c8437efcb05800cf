// The undo and redo history of the channel database. It keeps a copy of the database as of the
// last recorded change; recording a change compares the database with that copy and keeps only
// what differs (header bytes, and the changed parts of the satellite, transponder and channel
// tables and the loaded flag) as one step, both ways. Undo and redo write a step's bytes back,
// so the database returns byte for byte to the state before or after it.
//
// The history holds at most `Limits::steps` steps and `Limits::bytes` bytes of them; beyond
// either, the oldest steps are forgotten (the newest one is always kept).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/Translatable.h"
#include "database/ChannelDatabase.h"
#include "editing/RecordPatch.h"

namespace zev {

class DatabaseHistory {
  public:
    struct Limits {
        std::size_t steps = 200;
        std::size_t bytes = std::size_t{48} << 20;
    };

    explicit DatabaseHistory(ChannelDatabase& db) : DatabaseHistory(db, Limits{}) {}
    DatabaseHistory(ChannelDatabase& db, Limits limits);
    ~DatabaseHistory();
    DatabaseHistory(const DatabaseHistory&) = delete;
    DatabaseHistory& operator=(const DatabaseHistory&) = delete;

    // Records what changed since the last recorded state as one step named `description` and
    // forgets the steps that could be redone. False, recording nothing, when nothing changed.
    bool Record(const Translatable& description);
    // Takes the database as it is now as the recorded state without making a step: for changes
    // that are not edits (the flash layout, the default counts a send writes). Such a change
    // stays in every state undo and redo reach, except the states before a step that changed
    // the same bytes itself (undoing an Open still gives back the header before it); undoing
    // and redoing back to this state gives it back byte for byte.
    void Rebase();

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The name of the step Undo or Redo would take back or do again ("" when none).
    const Translatable& UndoName() const;
    const Translatable& RedoName() const;
    // Takes back the newest step, or does the last undone step again; false when there is none.
    bool Undo();
    bool Redo();

    // Names the recorded state: a state reached again by undo or redo has the same name, any
    // new change gives a new one. The state before the first change is 0.
    uint64_t State() const { return undo_.empty() ? baseState_ : undo_.back().state; }

    std::size_t UndoCount() const { return undo_.size(); }
    // Memory the steps hold, and the copy of the database beside them.
    std::size_t StepBytes() const { return stepBytes_; }
    static std::size_t CopyBytes();

  private:
    static constexpr std::size_t kTables = 5;
    using Patches = std::array<RecordPatch, kTables>;
    struct Step {
        Translatable description;
        uint64_t state = 0;
        Patches undo;
        Patches redo;
        std::size_t bytes = 0;
    };

    // Applies `patches` to the database and brings the copy to the same bytes.
    void Apply(const Patches& patches);
    // Carries the change from the copy to the database into the steps on both sides of the
    // current state (see Rebase).
    void CarryIntoSteps();
    static std::size_t SizeOf(const Step& step);
    // Forgets the oldest steps while the limits are exceeded.
    void Trim();

    ChannelDatabase& db_;
    std::unique_ptr<ChannelDatabase> copy_;
    Limits limits_;
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    uint64_t baseState_ = 0;
    uint64_t lastState_ = 0;
    std::size_t stepBytes_ = 0;
};

}  // namespace zev
