// The rows of a list control as a Qt model: per row the number in column 0 and a text for lists
// of one text column.
// Which rows are selected is kept by the view's selection model, not here. Cell texts come
// from CellText, so a list can draw them from elsewhere (the channel list from the database).
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstddef>
#include <span>
#include <vector>

struct ListRow {
    int number = 0;  // column 0 of a numbered list: the position at the last numbering
    QString text;    // the text of a single-column list
};

struct ListColumn {
    QString heading;
    int width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
};

class ListRowModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ListRowModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetColumns(std::vector<ListColumn> columns);
    const std::vector<ListColumn>& Columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const ListRow& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    virtual QString CellText(int row, int column) const;

    // Changes of single rows, announced row by row.
    void InsertRow(int row, ListRow value);
    void RemoveRow(int row);
    void SetRowText(int row, const QString& text);
    // The cells of rows first to last show other values now.
    void RowsChanged(int first, int last);
    // Column 0 of row r becomes positions[r] + 1 (one position per row).
    void SetNumbers(std::span<const std::size_t> positions);

    // Changes of many rows, announced as one reset; ListControl keeps the view's state.
    void ResetRows(std::vector<ListRow> rows);
    // Row r takes the row that was at order[r].
    void PermuteRows(std::span<const std::size_t> order);
    // Removes the rows (ascending, distinct); the number of every later row drops by the
    // number of removed rows above it (rows numbered by position stay numbered by position).
    void RemoveRows(std::span<const std::size_t> rows);

  private:
    std::vector<ListColumn> columns_;
    std::vector<ListRow> rows_;
};
