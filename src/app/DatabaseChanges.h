// The channel database's changes as the program tracks them: every finished change the editors
// report becomes a step of the undo history, and whether there are unsaved edits follows from
// the history: the database holds none while it is in the state a file or the box last
// received or gave (undoing back to that state included).
#pragma once

#include <QObject>
#include <cstdint>
#include <string>

#include "editing/ChangeSink.h"
#include "editing/DatabaseHistory.h"

namespace zev {
class ChannelDatabase;
}

class DatabaseChanges : public QObject, public zev::ChangeSink {
    Q_OBJECT
  public:
    explicit DatabaseChanges(zev::ChannelDatabase& db, QObject* parent = nullptr);

    // An editor finished a change: it becomes an undo step named `description`.
    void DatabaseChanged(const zev::Translatable& description) override;
    // The database was replaced by what a file or the box holds (Open, Load Setting from Box):
    // a step that can be undone, after which nothing is unsaved.
    void DatabaseReplaced(const zev::Translatable& description);
    // A change that is no edit (the flash layout, the default counts a send writes): taken as
    // it is, neither a step nor unsaved.
    void TakeAsIs();

    bool Changed() const { return history_.State() != savedState_; }
    // The description of the latest reported change, e.g. "Delete 3 Channels".
    const zev::Translatable& LastChange() const { return lastChange_; }
    // The database is now what a file holds: nothing unsaved.
    void Clear();

    zev::DatabaseHistory& History() { return history_; }
    const zev::DatabaseHistory& History() const { return history_; }
    bool Undo();
    bool Redo();

  signals:
    // A step was recorded, undone or redone, or the saved state moved.
    void HistoryChanged();
    // An editor's change became a step, under this name.
    void ChangeRecorded(const zev::Translatable& description);

  private:
    zev::DatabaseHistory history_;
    uint64_t savedState_ = 0;
    zev::Translatable lastChange_;
};
