#include "lists/RowKeys.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>

void DropUnselectedCurrentRow(QAbstractItemView& list, bool hadCurrent) {
    QItemSelectionModel* selection = list.selectionModel();
    if (hadCurrent || selection == nullptr || selection->hasSelection()) return;
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

bool SelectRowByKey(QAbstractItemView& list, const QKeyEvent& event) {
    QItemSelectionModel* selection = list.selectionModel();
    const QAbstractItemModel* model = list.model();
    if (selection == nullptr || model == nullptr || list.currentIndex().isValid()) return false;
    if (selection->hasSelection() || model->rowCount() == 0) return false;
    if (event.modifiers() & ~Qt::KeypadModifier) return false;
    int row = 0;
    switch (event.key()) {
        case Qt::Key_End:
            row = model->rowCount() - 1;
            break;
        case Qt::Key_Home:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            break;
        default:
            return false;
    }
    const QModelIndex index = model->index(row, 0);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list.scrollTo(index);
    return true;
}

bool IsEnterKey(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
