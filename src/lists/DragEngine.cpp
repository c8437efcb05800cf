#include "lists/DragEngine.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QTimerEvent>

#include "lists/DragPicture.h"
#include "lists/ListControl.h"

DragEngine::DragEngine(ListControl& list)
    : QObject(&list), list_(list), viewport_(list.viewport()) {
    viewport_->installEventFilter(this);
}

DragEngine::~DragEngine() = default;

bool DragEngine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                return MousePress(static_cast<QMouseEvent*>(event));
            case QEvent::MouseMove:
                return MouseMove(static_cast<QMouseEvent*>(event));
            case QEvent::MouseButtonRelease:
                return MouseRelease(static_cast<QMouseEvent*>(event));
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool DragEngine::MousePress(QMouseEvent* event) {
    pressed_ = false;
    deferredClickRow_ = -1;
    if (event->button() != Qt::LeftButton) return false;
    const QPoint pos = event->position().toPoint();
    const int row = list_.RowAt(pos);
    if (row < 0) return false;
    pressed_ = true;
    pressPos_ = pos;
    if (event->modifiers() == Qt::NoModifier && list_.IsRowSelected(row)) {
        deferredClickRow_ = row;
        list_.setFocus(Qt::MouseFocusReason);
        return true;
    }
    return false;
}

bool DragEngine::MouseMove(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!Dragging()) {
        StopTimer();
        if (!pressed_) return false;
        if (!(event->buttons() & Qt::LeftButton)) {
            pressed_ = false;
            return false;
        }
        // Small moves after a press on a row neither select nor drag yet.
        if ((pos - pressPos_).manhattanLength() < QApplication::startDragDistance()) return true;
        pressed_ = false;
        deferredClickRow_ = -1;
        BeginDrag(pos);
        return true;
    }
    // The release happened where we could not see it: the rows land where they are now.
    if (!(event->buttons() & Qt::LeftButton)) {
        EndDrag();
        return true;
    }

    picture_->Follow(event->globalPosition().toPoint());
    if (pos.y() >= 0 && pos.y() < viewport_->height()) Highlight(list_.RowAt(QPoint(8, pos.y())));

    if (pos.y() < 0) {
        SetDirection(Up);
    } else if (pos.y() >= viewport_->height()) {
        SetDirection(Down);
    } else {
        StopTimer();
    }
    return true;
}

bool DragEngine::MouseRelease(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return Dragging();
    pressed_ = false;
    if (Dragging()) {
        EndDrag();
        return true;
    }
    if (deferredClickRow_ >= 0) {
        const int row = deferredClickRow_;
        deferredClickRow_ = -1;
        if (row < list_.RowCount()) {
            list_.selectionModel()->setCurrentIndex(
                list_.Rows().index(row, 0),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        return true;
    }
    return false;
}

bool DragEngine::BeginDrag(QPoint cursor) {
    highlighted_ = -1;
    savedState_ = false;
    dragged_.clear();
    for (std::size_t row : list_.SelectedRows()) dragged_.push_back(static_cast<int>(row));

    // A single-selection list must let the highlight be selected beside the dragged row.
    if (list_.selectionMode() == QAbstractItemView::SingleSelection) {
        savedSingleSelection_ = true;
        list_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    if (!dragged_.empty()) {
        DiscardPicture();
        std::vector<std::size_t> rows(dragged_.begin(), dragged_.end());
        picture_ = DragPicture::Build(list_, rows, cursor);
        if (picture_) {
            picture_->Follow(viewport_->mapToGlobal(cursor));
            picture_->show();
        }
    }
    if (!Dragging() && savedSingleSelection_) {
        list_.setSelectionMode(QAbstractItemView::SingleSelection);
        savedSingleSelection_ = false;
    }
    return Dragging();
}

void DragEngine::Highlight(int row) {
    if (row < 0 || row >= list_.RowCount() || row == highlighted_) return;
    UndoHighlight();
    highlighted_ = row;
    savedState_ = list_.IsRowSelected(row);
    list_.SetRowSelected(row, true);
    dropTarget_ = row;
    viewport_->repaint();
}

void DragEngine::UndoHighlight() {
    if (highlighted_ >= 0 && highlighted_ < list_.RowCount()) {
        list_.SetRowSelected(highlighted_, savedState_);
    }
    highlighted_ = -1;
}

void DragEngine::SetDirection(ScrollDirection direction) {
    direction_ = direction;
    if (!timer_.isActive()) timer_.start(kScrollIntervalMs, this);
}

void DragEngine::StopTimer() {
    timer_.stop();
    direction_ = None;
}

void DragEngine::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    if (!Dragging()) {
        StopTimer();
        return;
    }
    ScrollStep();
}

void DragEngine::ScrollStep() {
    if (direction_ == Up) {
        list_.ScrollLines(-1);
        Highlight(dropTarget_ - 1);
    } else if (direction_ == Down) {
        list_.ScrollLines(1);
        Highlight(dropTarget_ + 1);
    }
}

void DragEngine::Cancel() {
    pressed_ = false;
    deferredClickRow_ = -1;
    if (!Dragging()) return;
    StopTimer();
    DiscardPicture();
    highlighted_ = -1;  // the row whose selection was borrowed is gone too
    dragged_.clear();
    if (savedSingleSelection_) {
        list_.setSelectionMode(QAbstractItemView::SingleSelection);
        savedSingleSelection_ = false;
    }
}

void DragEngine::EndDrag() {
    StopTimer();
    DiscardPicture();
    const zev::DropResult result = MoveRows();
    if (afterDrop_) afterDrop_(result);
}

zev::DropResult DragEngine::MoveRows() {
    UndoHighlight();
    zev::DropResult result =
        zev::DropRows(static_cast<std::size_t>(list_.RowCount()), dragged_, dropTarget_);
    if (!zev::IsIdentity(result.order)) list_.ReorderRows(result.order);
    // The moved rows stay selected, whatever happened to them on the way.
    if (result.movedCount > 0) {
        list_.SelectRowRange(static_cast<int>(result.firstMoved),
                             static_cast<int>(result.firstMoved + result.movedCount - 1));
    }
    dropTarget_ = result.dropTarget;
    if (savedSingleSelection_) {
        list_.setSelectionMode(QAbstractItemView::SingleSelection);
        savedSingleSelection_ = false;
    }
    return result;
}

void DragEngine::DiscardPicture() {
    if (picture_) picture_->hide();
    picture_.reset();
}
