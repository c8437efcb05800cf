#include "editing/DiffText.h"

namespace zev {

namespace {

std::string ChangeText(const FieldChange& change) {
    if (change.field == "Name") {
        return "Name \"" + change.before + "\" -> \"" + change.after + "\"";
    }
    return change.field + " " + change.before + " -> " + change.after;
}

}  // namespace

std::string RecordDiffLine(const RecordDiff& record) {
    const bool removed = record.change == DiffChange::Removed;
    const std::size_t position = removed ? record.before.value_or(0) : record.after.value_or(0);
    std::string line = RecordLabel(RecordRef{record.kind, position, 0}).English();
    line += record.kind == RecordKind::Transponder ? " (" + record.name + ")"
                                                   : " \"" + record.name + "\"";
    switch (record.change) {
        case DiffChange::Added:
            return line + ": added";
        case DiffChange::Removed:
            return line + ": removed";
        case DiffChange::Kept:
            break;
    }
    if (record.before && record.before != record.after) {
        line += " (was " + std::to_string(*record.before + 1) + ")";
    }
    line += ": ";
    std::string separator;
    if (record.moved) {
        line += "moved";
        separator = "; ";
    }
    for (const FieldChange& change : record.fields) {
        line += separator + ChangeText(change);
        separator = "; ";
    }
    return line;
}

std::string HeaderDiffLine(const FieldChange& change) { return "Header: " + ChangeText(change); }

std::string DiffText(const DatabaseDiff& diff) {
    std::string text;
    for (const FieldChange& change : diff.header) text += HeaderDiffLine(change) + "\n";
    for (const RecordDiff& record : diff.records) text += RecordDiffLine(record) + "\n";
    return text;
}

}  // namespace zev
