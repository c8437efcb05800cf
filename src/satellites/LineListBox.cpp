#include "satellites/LineListBox.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringListModel>

#include "lists/RowKeys.h"

QFont LineListFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

LineListBox::LineListBox(QWidget* parent) : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setFont(LineListFont());
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    // The lines end in spaces; they are cut at the edge, never shortened with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RowDoubleClicked(index.row()); });
}

int LineListBox::RowCount() const { return model_->rowCount(); }

QString LineListBox::RowText(int row) const {
    return model_->data(model_->index(row), Qt::DisplayRole).toString();
}

void LineListBox::SetRowText(int row, const QString& text) {
    model_->setData(model_->index(row), text, Qt::DisplayRole);
}

void LineListBox::SetRows(const QStringList& lines) { model_->setStringList(lines); }

void LineListBox::InsertRow(int row, const QString& text) {
    if (!model_->insertRows(row, 1)) return;
    SetRowText(row, text);
}

void LineListBox::RemoveRow(int row) {
    const bool wasSelected = row == SelectedRow();
    model_->removeRows(row, 1);
    // The selection goes with its row; no other row is selected in its place.
    if (wasSelected) selectionModel()->clearSelection();
}

int LineListBox::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void LineListBox::SelectRow(int row) {
    if (row < 0 || row >= RowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void LineListBox::SetSizeInCharacters(int characters, int lines) {
    const int width = fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0')));
    setMinimumWidth(width + 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + 8);
    setMinimumHeight(lines * (fontMetrics().lineSpacing() + 2) + 2 * frameWidth());
}

void LineListBox::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    DropUnselectedCurrentRow(*this, hadCurrent);
}

void LineListBox::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event)) {
        emit EditKeyPressed();
        event->accept();
        return;
    }
    if (SelectRowByKey(*this, *event)) {
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}
