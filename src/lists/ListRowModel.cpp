#include "lists/ListRowModel.h"

#include <algorithm>

void ListRowModel::SetColumns(std::vector<ListColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

int ListRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int ListRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString ListRowModel::CellText(int row, int column) const {
    return column == 0 ? Row(row).text : QString();
}

QVariant ListRowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= RowCount()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return CellText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                columns_[static_cast<std::size_t>(index.column())].alignment | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant ListRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(columns_.size())) {
        return {};
    }
    const ListColumn& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return column.heading;
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags ListRowModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ListRowModel::InsertRow(int row, ListRow value) {
    row = std::clamp(row, 0, RowCount());
    beginInsertRows(QModelIndex(), row, row);
    rows_.insert(rows_.begin() + row, std::move(value));
    endInsertRows();
}

void ListRowModel::RemoveRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void ListRowModel::SetRowText(int row, const QString& text) {
    if (row < 0 || row >= RowCount()) return;
    rows_[static_cast<std::size_t>(row)].text = text;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void ListRowModel::RowsChanged(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, RowCount() - 1);
    if (first > last) return;
    emit dataChanged(index(first, 0), index(last, columnCount() - 1), {Qt::DisplayRole});
}

void ListRowModel::SetNumbers(std::span<const std::size_t> positions) {
    if (positions.size() != rows_.size()) return;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        rows_[r].number = static_cast<int>(positions[r] + 1);
    }
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(RowCount() - 1, 0));
}

void ListRowModel::ResetRows(std::vector<ListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ListRowModel::PermuteRows(std::span<const std::size_t> order) {
    if (order.size() != rows_.size()) return;
    std::vector<ListRow> permuted;
    permuted.reserve(rows_.size());
    for (std::size_t from : order) permuted.push_back(std::move(rows_[from]));
    ResetRows(std::move(permuted));
}

void ListRowModel::RemoveRows(std::span<const std::size_t> rows) {
    if (rows.empty()) return;
    std::vector<ListRow> kept;
    kept.reserve(rows_.size());
    auto next = rows.begin();
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (next != rows.end() && *next == r) {
            ++next;
            continue;
        }
        kept.push_back(std::move(rows_[r]));
        kept.back().number -= static_cast<int>(next - rows.begin());
    }
    ResetRows(std::move(kept));
}
