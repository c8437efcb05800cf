// A report-style list control on Qt's model/view: a tree view without branches over a
// ListRowModel, with full-row selection and the row operations the list editors and the
// DragEngine use. Changes of many rows at once keep each row's selected state, the current row
// and the scroll position.
#pragma once

#include <QTreeView>
#include <cstddef>
#include <span>
#include <vector>

#include "lists/ListRowModel.h"

class QPainter;

class ListControl : public QTreeView {
    Q_OBJECT
  public:
    // Takes ownership of `model`.
    explicit ListControl(ListRowModel* model, QWidget* parent = nullptr);

    ListRowModel& Rows() const { return *rows_; }
    int RowCount() const { return rows_->RowCount(); }
    // The row at a point of the viewport, or -1.
    int RowAt(QPoint viewportPos) const;
    // The whole row, all columns, in viewport coordinates.
    QRect RowRect(int row) const;

    std::vector<std::size_t> SelectedRows() const;  // ascending
    int FirstSelectedRow() const;                   // -1 when none
    bool IsRowSelected(int row) const;
    void SetRowSelected(int row, bool selected);
    void SelectRowRange(int first, int last);
    int FocusedRow() const;  // the current row, -1 when none
    // Makes `row` the current row without touching the selection; -1 clears it.
    void SetFocusedRow(int row);

    // Header texts, widths and alignments from the model's columns.
    void ApplyColumns();

    // Many rows at once; see the class comment.
    void ReorderRows(std::span<const std::size_t> order);
    void RemoveRows(std::span<const std::size_t> rows);
    // New rows; nothing selected afterwards. The scroll position stays when `keepScroll`.
    void ReplaceRows(std::vector<ListRow> rows, bool keepScroll);

    // One line up (negative) or down.
    void ScrollLines(int lines);

    // Draws one row as the view shows it, `rowRect` (viewport coordinates) shifted by `offset`.
    void RenderRow(QPainter& painter, int row, QPoint offset) const;

  protected:
    // With no row selected there is no current row; the first Home, End or arrow key selects
    // one (RowKeys).
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

  private:
    struct ViewState;
    ViewState SaveState() const;
    void RestoreState(const ViewState& state);

    ListRowModel* rows_;
};
