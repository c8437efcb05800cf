#include "app/DatabaseChanges.h"

DatabaseChanges::DatabaseChanges(zev::ChannelDatabase& db, QObject* parent)
    : QObject(parent), history_(db), savedState_(history_.State()) {}

void DatabaseChanges::DatabaseChanged(const zev::Translatable& description) {
    lastChange_ = description;
    if (!history_.Record(description)) return;
    emit ChangeRecorded(description);
    emit HistoryChanged();
}

void DatabaseChanges::DatabaseReplaced(const zev::Translatable& description) {
    history_.Record(description);
    Clear();
}

void DatabaseChanges::TakeAsIs() { history_.Rebase(); }

void DatabaseChanges::Clear() {
    savedState_ = history_.State();
    lastChange_ = {};
    emit HistoryChanged();
}

bool DatabaseChanges::Undo() {
    if (!history_.Undo()) return false;
    emit HistoryChanged();
    return true;
}

bool DatabaseChanges::Redo() {
    if (!history_.Redo()) return false;
    emit HistoryChanged();
    return true;
}
