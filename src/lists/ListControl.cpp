#include "lists/ListControl.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "lists/RowKeys.h"

struct ListControl::ViewState {
    std::vector<char> selected;  // per row
    int current = -1;
    int scroll = 0;
};

ListControl::ListControl(ListRowModel* model, QWidget* parent) : QTreeView(parent), rows_(model) {
    rows_->setParent(this);
    setModel(rows_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Rows are reordered by the DragEngine the owner installs; Qt's own drag and its
    // auto-scroll stay off.
    setDragEnabled(false);
    setAutoScroll(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void ListControl::ApplyColumns() {
    const std::vector<ListColumn>& columns = rows_->Columns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        setColumnWidth(static_cast<int>(c), columns[c].width);
    }
    if (!columns.empty()) header()->setDefaultAlignment(columns.front().alignment);
}

int ListControl::RowAt(QPoint viewportPos) const {
    const QModelIndex index = indexAt(viewportPos);
    return index.isValid() ? index.row() : -1;
}

QRect ListControl::RowRect(int row) const {
    const QRect cell = visualRect(rows_->index(row, 0));
    if (!cell.isValid()) return {};
    return QRect(-horizontalOffset(), cell.y(), header()->length(), cell.height());
}

std::vector<std::size_t> ListControl::SelectedRows() const {
    std::vector<std::size_t> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.push_back(static_cast<std::size_t>(r));
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ListControl::FirstSelectedRow() const {
    int first = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (first < 0 || range.top() < first) first = range.top();
    }
    return first;
}

bool ListControl::IsRowSelected(int row) const {
    return row >= 0 && row < RowCount() && selectionModel()->isRowSelected(row, QModelIndex());
}

void ListControl::SetRowSelected(int row, bool selected) {
    if (row < 0 || row >= RowCount()) return;
    selectionModel()->select(rows_->index(row, 0), (selected ? QItemSelectionModel::Select
                                                             : QItemSelectionModel::Deselect) |
                                                       QItemSelectionModel::Rows);
}

void ListControl::SelectRowRange(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, RowCount() - 1);
    if (first > last) return;
    selectionModel()->select(
        QItemSelection(rows_->index(first, 0), rows_->index(last, rows_->columnCount() - 1)),
        QItemSelectionModel::Select);
}

int ListControl::FocusedRow() const {
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListControl::SetFocusedRow(int row) {
    const QModelIndex index = row >= 0 && row < RowCount() ? rows_->index(row, 0) : QModelIndex();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

ListControl::ViewState ListControl::SaveState() const {
    ViewState state;
    state.selected.assign(static_cast<std::size_t>(RowCount()), 0);
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r) {
            state.selected[static_cast<std::size_t>(r)] = 1;
        }
    }
    state.current = FocusedRow();
    state.scroll = verticalScrollBar()->value();
    return state;
}

void ListControl::RestoreState(const ViewState& state) {
    // Lay the rows out now so that the scroll range fits them before the position returns.
    doItemsLayout();
    QItemSelection selection;
    const int last = rows_->columnCount() - 1;
    const int count = std::min(RowCount(), static_cast<int>(state.selected.size()));
    for (int r = 0; r < count;) {
        if (state.selected[static_cast<std::size_t>(r)] == 0) {
            ++r;
            continue;
        }
        const int first = r;
        while (r < count && state.selected[static_cast<std::size_t>(r)] != 0) ++r;
        selection.append(QItemSelectionRange(rows_->index(first, 0), rows_->index(r - 1, last)));
    }
    if (!selection.isEmpty()) selectionModel()->select(selection, QItemSelectionModel::Select);
    SetFocusedRow(state.current);
    verticalScrollBar()->setValue(state.scroll);
}

void ListControl::ReorderRows(std::span<const std::size_t> order) {
    if (static_cast<int>(order.size()) != RowCount()) return;
    const ViewState before = SaveState();
    ViewState after;
    after.selected.resize(order.size());
    for (std::size_t r = 0; r < order.size(); ++r) {
        after.selected[r] = before.selected[order[r]];
        if (static_cast<int>(order[r]) == before.current) after.current = static_cast<int>(r);
    }
    after.scroll = before.scroll;
    rows_->PermuteRows(order);
    RestoreState(after);
}

void ListControl::RemoveRows(std::span<const std::size_t> rows) {
    if (rows.empty()) return;
    const ViewState before = SaveState();
    ViewState after;
    after.scroll = before.scroll;
    auto next = rows.begin();
    int currentAfter = -1;
    for (std::size_t r = 0; r < before.selected.size(); ++r) {
        if (next != rows.end() && *next == r) {
            ++next;
            // A removed current row hands the focus to the row that takes its place.
            if (static_cast<int>(r) == before.current)
                currentAfter = static_cast<int>(after.selected.size());
            continue;
        }
        if (static_cast<int>(r) == before.current)
            currentAfter = static_cast<int>(after.selected.size());
        after.selected.push_back(before.selected[r]);
    }
    after.current = std::min(currentAfter, static_cast<int>(after.selected.size()) - 1);
    rows_->RemoveRows(rows);
    RestoreState(after);
}

void ListControl::ReplaceRows(std::vector<ListRow> rows, bool keepScroll) {
    const int scroll = verticalScrollBar()->value();
    rows_->ResetRows(std::move(rows));
    doItemsLayout();
    verticalScrollBar()->setValue(keepScroll ? scroll : 0);
}

void ListControl::ScrollLines(int lines) {
    // The list scrolls by whole rows, so the scroll bar counts rows.
    verticalScrollBar()->setValue(verticalScrollBar()->value() + lines);
}

void ListControl::RenderRow(QPainter& painter, int row, QPoint offset) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = RowRect(row);
    painter.save();
    painter.translate(offset);
    drawRow(&painter, option, rows_->index(row, 0));
    painter.restore();
}

void ListControl::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QTreeView::focusInEvent(event);
    DropUnselectedCurrentRow(*this, hadCurrent);
}

void ListControl::keyPressEvent(QKeyEvent* event) {
    if (SelectRowByKey(*this, *event)) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ListControl::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles) {
    // Every row has the same height and no children, so a row out of sight keeps nothing that
    // a change could make stale. Only the rows in sight are passed on: the tree view does work
    // for every row of a range, which a change of thousands of rows would feel.
    if (topLeft.isValid() && bottomRight.isValid() && topLeft.row() != bottomRight.row()) {
        const int top = RowAt(QPoint(0, 0));
        const int bottom = RowAt(QPoint(0, viewport()->height() - 1));
        const int first = std::max(topLeft.row(), top < 0 ? 0 : top);
        const int last = std::min(bottomRight.row(), bottom < 0 ? RowCount() - 1 : bottom);
        if (first > last) return;
        QTreeView::dataChanged(rows_->index(first, topLeft.column()),
                               rows_->index(last, bottomRight.column()), roles);
        return;
    }
    QTreeView::dataChanged(topLeft, bottomRight, roles);
}
