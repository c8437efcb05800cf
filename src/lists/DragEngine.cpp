#include "lists/DragEngine.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <algorithm>

#include "lists/DragPicture.h"
#include "lists/ListControl.h"

namespace {

// The line between two rows where the dragged rows will land, in the palette's text colour,
// which stands out from the rows and from the dragged rows' picture above them alike.
class InsertionLineWidget : public QWidget {
  public:
    static constexpr int kThickness = 3;

    explicit InsertionLineWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Text));
    }
};

}  // namespace

DragEngine::DragEngine(ListControl& list)
    : QObject(&list),
      list_(list),
      viewport_(list.viewport()),
      line_(new InsertionLineWidget(list.viewport())) {
    viewport_->installEventFilter(this);
}

DragEngine::~DragEngine() { DiscardPicture(); }

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

    picture_->Follow(pos);
    if (pos.y() >= 0 && pos.y() < viewport_->height()) {
        const int row = InsertionAt(pos);
        if (row >= 0) SetInsertion(row);
    }

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
    insertion_ = -1;
    dragged_.clear();
    for (std::size_t row : list_.SelectedRows()) dragged_.push_back(static_cast<int>(row));
    if (dragged_.empty()) return false;
    DiscardPicture();
    std::vector<std::size_t> rows(dragged_.begin(), dragged_.end());
    picture_ = DragPicture::Build(list_, rows, cursor);
    if (!picture_) return false;
    picture_->Follow(cursor);
    picture_->show();
    line_->raise();
    return true;
}

int DragEngine::InsertionAt(QPoint pos) const {
    const int row = list_.RowAt(QPoint(8, pos.y()));
    if (row < 0) {
        // Below the last row the rows go to the end; beside no row at all, nowhere new.
        const int count = list_.RowCount();
        const QRect last = count > 0 ? list_.RowRect(count - 1) : QRect();
        return last.isValid() && pos.y() > last.bottom() ? count : -1;
    }
    // Over a row's upper half the rows land before it, over its lower half after it, so that
    // the first place is reached too.
    return pos.y() < list_.RowRect(row).center().y() ? row : row + 1;
}

void DragEngine::SetInsertion(int row) {
    row = std::clamp(row, 0, list_.RowCount());
    if (row == insertion_) return;
    insertion_ = row;
    PlaceLine();
}

void DragEngine::PlaceLine() {
    const int count = list_.RowCount();
    if (!Dragging() || insertion_ < 0 || count == 0) {
        line_->hide();
        return;
    }
    const bool end = insertion_ >= count;
    const QRect row = list_.RowRect(end ? count - 1 : insertion_);
    if (!row.isValid()) {
        line_->hide();
        return;
    }
    const int y = end ? row.bottom() + 1 : row.top();
    const int thickness = InsertionLineWidget::kThickness;
    line_->setGeometry(0, y - thickness / 2, viewport_->width(), thickness);
    line_->show();
    line_->raise();
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
    const int from = insertion_ >= 0 ? insertion_ : dropTarget_ + 1;
    if (direction_ == Up) {
        list_.ScrollLines(-1);
        SetInsertion(from - 1);
    } else if (direction_ == Down) {
        list_.ScrollLines(1);
        SetInsertion(from + 1);
    }
    PlaceLine();  // the rows moved under the line
}

void DragEngine::Cancel() {
    pressed_ = false;
    deferredClickRow_ = -1;
    if (!Dragging()) return;
    StopTimer();
    DiscardPicture();
    insertion_ = -1;
    line_->hide();
    dragged_.clear();
}

void DragEngine::EndDrag() {
    StopTimer();
    DiscardPicture();
    line_->hide();
    const zev::DropResult result = MoveRows();
    insertion_ = -1;
    if (afterDrop_) afterDrop_(result);
}

zev::DropResult DragEngine::MoveRows() {
    // Without a place shown the rows land where the last drop left the drop target.
    if (insertion_ >= 0) dropTarget_ = insertion_ - 1;
    zev::DropResult result =
        zev::DropRows(static_cast<std::size_t>(list_.RowCount()), dragged_, dropTarget_);
    if (!zev::IsIdentity(result.order)) list_.ReorderRows(result.order);
    // The moved rows stay selected, whatever happened to them on the way.
    if (result.movedCount > 0) {
        list_.SelectRowRange(static_cast<int>(result.firstMoved),
                             static_cast<int>(result.firstMoved + result.movedCount - 1));
    }
    dropTarget_ = result.dropTarget;
    return result;
}

void DragEngine::DiscardPicture() {
    // The viewport owns the picture; it may have gone with the list already.
    delete picture_.data();
    picture_ = nullptr;
}
