#include "app/DiffTreeModel.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QStringList>
#include <array>

#include "app/PaletteTint.h"
#include "ui/TranslatedText.h"

namespace {

// Groups are top-level rows; a child row's internal id is its group's number plus one.
constexpr quintptr kTopLevel = 0;

enum class Look { Added, Removed, Changed, Moved };

// Each kind of change has a hue, laid over the palette the program runs with.
Tint ColoursOf(Look look) {
    QColor hue(0x30, 0x70, 0xE0);  // moved: blue
    switch (look) {
        case Look::Added:
            hue = QColor(0x20, 0xA0, 0x20);
            break;
        case Look::Removed:
            hue = QColor(0xE0, 0x20, 0x20);
            break;
        case Look::Changed:
            hue = QColor(0xE0, 0x90, 0x00);
            break;
        case Look::Moved:
            break;
    }
    return TintOf(QGuiApplication::palette(), hue);
}

Look LookOf(const zev::RecordDiff& record) {
    switch (record.change) {
        case zev::DiffChange::Added:
            return Look::Added;
        case zev::DiffChange::Removed:
            return Look::Removed;
        case zev::DiffChange::Kept:
            break;
    }
    return record.fields.empty() ? Look::Moved : Look::Changed;
}

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QString ChangeText(const zev::FieldChange& change) {
    const QString arrow = QStringLiteral(" \u2192 ");
    if (change.field == "Name") {
        return QCoreApplication::translate("DiffTreeModel", "Name \"%1\"%2\"%3\"")
            .arg(Utf8(change.before), arrow, Utf8(change.after));
    }
    return Utf8(change.field) + QLatin1Char(' ') + Utf8(change.before) + arrow + Utf8(change.after);
}

QString RecordTitle(const zev::RecordDiff& record) {
    const bool removed = record.change == zev::DiffChange::Removed;
    const std::size_t position = removed ? record.before.value_or(0) : record.after.value_or(0);
    const QString label = Translated(zev::RecordLabel(zev::RecordRef{record.kind, position, 0}));
    if (record.kind == zev::RecordKind::Transponder) {
        return QStringLiteral("%1 (%2)").arg(label, Utf8(record.name));
    }
    return QStringLiteral("%1 \"%2\"").arg(label, Utf8(record.name));
}

QString RecordChangeText(const zev::RecordDiff& record) {
    switch (record.change) {
        case zev::DiffChange::Added:
            return QCoreApplication::translate("DiffTreeModel", "added");
        case zev::DiffChange::Removed:
            return QCoreApplication::translate("DiffTreeModel", "removed");
        case zev::DiffChange::Kept:
            break;
    }
    QStringList parts;
    if (record.moved) parts << QCoreApplication::translate("DiffTreeModel", "moved");
    if (!record.fields.empty()) parts << QCoreApplication::translate("DiffTreeModel", "changed");
    return parts.join(QStringLiteral(", "));
}

QString RecordDetails(const zev::RecordDiff& record) {
    QStringList parts;
    if (record.change == zev::DiffChange::Kept && record.before && record.before != record.after) {
        parts << QCoreApplication::translate("DiffTreeModel", "was %1").arg(*record.before + 1);
    }
    for (const zev::FieldChange& change : record.fields) parts << ChangeText(change);
    return parts.join(QStringLiteral("; "));
}

// `what` is a wording with the count for %1.
QString Counted(std::size_t count, const char* what) {
    return QCoreApplication::translate("DiffTreeModel", what).arg(count);
}

}  // namespace

void DiffCounts::Add(const zev::RecordDiff& record) {
    switch (record.change) {
        case zev::DiffChange::Added:
            ++added;
            break;
        case zev::DiffChange::Removed:
            ++removed;
            break;
        case zev::DiffChange::Kept:
            if (record.moved) ++moved;
            if (!record.fields.empty()) ++changed;
            break;
    }
}

DiffCounts CountDifferences(const zev::DatabaseDiff& diff) {
    DiffCounts counts;
    counts.headerFields = diff.header.size();
    for (const zev::RecordDiff& record : diff.records) counts.Add(record);
    return counts;
}

QString DiffSummaryText(const DiffCounts& counts, bool brief) {
    if (counts.None()) return QCoreApplication::translate("DiffTreeModel", "Equal");
    QStringList parts;
    const std::array<std::pair<std::size_t, const char*>, 4> kinds = {{
        {counts.added, QT_TRANSLATE_NOOP("DiffTreeModel", "%1 added")},
        {counts.removed, QT_TRANSLATE_NOOP("DiffTreeModel", "%1 removed")},
        {counts.moved, QT_TRANSLATE_NOOP("DiffTreeModel", "%1 moved")},
        {counts.changed, QT_TRANSLATE_NOOP("DiffTreeModel", "%1 changed")},
    }};
    for (const auto& [count, what] : kinds) {
        if (count > 0 || !brief) parts << Counted(count, what);
    }
    QString text = parts.join(QStringLiteral(", "));
    if (counts.headerFields > 0) {
        if (!text.isEmpty()) text += QStringLiteral("; ");
        text += counts.headerFields == 1
                    ? QCoreApplication::translate("DiffTreeModel", "1 header field differs")
                    : QCoreApplication::translate("DiffTreeModel", "%1 header fields differ")
                          .arg(counts.headerFields);
    }
    return text;
}

DiffTreeModel::DiffTreeModel(zev::DatabaseDiff diff, QObject* parent)
    : QAbstractItemModel(parent), diff_(std::move(diff)) {
    if (!diff_.header.empty()) {
        groups_.push_back(
            {tr("Header"),
             Counted(diff_.header.size(), QT_TRANSLATE_NOOP("DiffTreeModel", "%1 changed")),
             true,
             {}});
    }
    const std::array<std::pair<zev::RecordKind, const char*>, 4> kinds = {{
        {zev::RecordKind::Satellite, QT_TRANSLATE_NOOP("DiffTreeModel", "Satellites")},
        {zev::RecordKind::Transponder, QT_TRANSLATE_NOOP("DiffTreeModel", "Transponders")},
        {zev::RecordKind::TvChannel, QT_TRANSLATE_NOOP("DiffTreeModel", "TV channels")},
        {zev::RecordKind::RadioChannel, QT_TRANSLATE_NOOP("DiffTreeModel", "Radio channels")},
    }};
    for (const auto& [kind, title] : kinds) {
        Group group{tr(title), QString(), false, {}};
        DiffCounts counts;
        for (std::size_t i = 0; i < diff_.records.size(); ++i) {
            if (diff_.records[i].kind != kind) continue;
            group.records.push_back(i);
            counts.Add(diff_.records[i]);
        }
        if (group.records.empty()) continue;
        group.summary = DiffSummaryText(counts, true);
        groups_.push_back(std::move(group));
    }
}

QModelIndex DiffTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) return {};
    if (!parent.isValid()) return createIndex(row, column, kTopLevel);
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex DiffTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kTopLevel) return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kTopLevel);
}

int DiffTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return static_cast<int>(groups_.size());
    if (parent.internalId() != kTopLevel || parent.column() != 0) return 0;
    const Group& group = groups_[static_cast<std::size_t>(parent.row())];
    return static_cast<int>(group.header ? diff_.header.size() : group.records.size());
}

int DiffTreeModel::columnCount(const QModelIndex&) const { return ColumnCount; }

QVariant DiffTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (index.internalId() == kTopLevel) {
        return GroupData(groups_[static_cast<std::size_t>(index.row())], index.column(), role);
    }
    const Group& group = groups_[index.internalId() - 1];
    const auto row = static_cast<std::size_t>(index.row());
    if (group.header) return HeaderFieldData(diff_.header[row], index.column(), role);
    return RecordData(diff_.records[group.records[row]], index.column(), role);
}

QVariant DiffTreeModel::GroupData(const Group& group, int column, int role) const {
    if (role == Qt::FontRole) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    // The title and the group's summary share the first column, which spans the row.
    if (role != Qt::DisplayRole || column != RecordColumn) return {};
    return QStringLiteral("%1: %2").arg(group.title, group.summary);
}

QVariant DiffTreeModel::HeaderFieldData(const zev::FieldChange& change, int column,
                                        int role) const {
    switch (role) {
        case Qt::DisplayRole:
            if (column == RecordColumn) return Utf8(change.field);
            if (column == ChangeColumn) return tr("changed");
            return Utf8(change.before) + QStringLiteral(" \u2192 ") + Utf8(change.after);
        case Qt::ForegroundRole:
            return ColoursOf(Look::Changed).text;
        case Qt::BackgroundRole:
            return ColoursOf(Look::Changed).background;
        default:
            return {};
    }
}

QVariant DiffTreeModel::RecordData(const zev::RecordDiff& record, int column, int role) const {
    switch (role) {
        case Qt::DisplayRole:
            if (column == RecordColumn) return RecordTitle(record);
            if (column == ChangeColumn) return RecordChangeText(record);
            return RecordDetails(record);
        case Qt::ToolTipRole:
            return RecordDetails(record);
        case Qt::ForegroundRole:
            if (column == DetailsColumn) return {};
            return ColoursOf(LookOf(record)).text;
        case Qt::BackgroundRole:
            return ColoursOf(LookOf(record)).background;
        default:
            return {};
    }
}

QVariant DiffTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case RecordColumn:
            return tr("Record");
        case ChangeColumn:
            return tr("Change");
        case DetailsColumn:
            return tr("Details");
        default:
            return {};
    }
}
