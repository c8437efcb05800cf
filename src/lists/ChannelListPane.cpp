#include "lists/ChannelListPane.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "lists/CZuzeListViewView.h"

ChannelListPane::ChannelListPane(QWidget* parent) : QWidget(parent) {
    box_ = new QLineEdit(this);
    box_->setObjectName("channelFilter");
    // No label stands beside the box; its placeholder text becomes its description.
    box_->setAccessibleName(tr("Filter"));
    box_->setPlaceholderText(
        tr("Filter (Ctrl+F): name, or a PID, Service ID, Network ID, TransID or "
           "frequency"));
    box_->setClearButtonEnabled(true);
    box_->installEventFilter(this);
    count_ = new QLabel(this);

    auto* filterRow = new QHBoxLayout;
    filterRow->setContentsMargins(2, 2, 8, 0);
    filterRow->addWidget(box_, 1);
    filterRow->addWidget(count_);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(2);
    layout_->addLayout(filterRow);

    connect(box_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (view_ != nullptr) view_->SetFilterText(text);
    });
}

void ChannelListPane::SetView(CZuzeListViewView* view) {
    if (view_ != nullptr) {
        layout_->removeWidget(view_);
        view_->hide();
        view_->deleteLater();
    }
    view_ = view;
    count_->clear();
    if (view_ == nullptr) return;
    view_->setParent(this);
    layout_->addWidget(view_, 1);
    view_->show();
    connect(view_, &CZuzeListViewView::FilterTextChanged, this, [this](const QString& text) {
        if (box_->text() != text) box_->setText(text);
    });
    connect(view_, &CZuzeListViewView::RowsFilled, this, &ChannelListPane::ShowCount);
    view_->SetFilterText(box_->text());
}

void ChannelListPane::FocusFilter() {
    box_->setFocus(Qt::ShortcutFocusReason);
    box_->selectAll();
}

void ChannelListPane::ShowCount(int shown, int total) {
    if (view_ == nullptr || !view_->Filtered()) {
        count_->clear();
        return;
    }
    count_->setText(tr("%1 of %2 channels").arg(shown).arg(total));
}

bool ChannelListPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::KeyPress && view_ != nullptr) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            box_->clear();
            view_->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            view_->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
