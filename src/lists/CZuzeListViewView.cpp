#include "lists/CZuzeListViewView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

#include "database/ChannelDatabase.h"
#include "editing/ChannelFilter.h"
#include "editing/ChannelSlots.h"
#include "lists/CChannelEditDlg.h"
#include "lists/DragEngine.h"
#include "lists/RecordDialogs.h"
#include "lists/RowKeys.h"
#include "ui/UiPrompts.h"

QString CZuzeListViewView::ToolTip() {
    return tr("Double-click to edit, right-click for the menu, drag selected rows to reorder.");
}

// The view as the channel commands see it.
class CZuzeListViewView::CommandHost : public ChannelCommandHost {
  public:
    explicit CommandHost(CZuzeListViewView& view) : view_(view) {}

    bool ShowsTv() const override { return view_.channels_->TvList(); }
    std::size_t RowCount() const override {
        return static_cast<std::size_t>(view_.channels_->RowCount());
    }
    int RowNumber(std::size_t row) const override {
        return view_.channels_->Row(static_cast<int>(row)).number;
    }
    void RewriteRows(std::size_t first, std::size_t last) override {
        view_.channels_->RowsChanged(static_cast<int>(first), static_cast<int>(last));
    }
    void RemoveRows(std::span<const std::size_t> rows) override { view_.RemoveRows(rows); }
    void RenumberRows(std::span<const std::size_t> positions) override {
        view_.channels_->SetNumbers(positions);
    }

    std::vector<std::size_t> SelectedRows() const override { return view_.SelectedRows(); }
    bool Filtered() const override { return view_.Filtered(); }
    void Refill(std::optional<std::size_t> pinned) override {
        view_.Fill(view_.channels_->TvList(), view_.channels_->HexMode(), true, pinned);
    }
    void ReselectRow(std::size_t row) override {
        const int r = static_cast<int>(row);
        if (r >= view_.RowCount()) return;
        view_.SetRowSelected(r, false);
        if (view_.FocusedRow() == r) view_.SetFocusedRow(-1);
        view_.setFocus();
        view_.SetRowSelected(r, true);
        view_.scrollTo(view_.channels_->index(r, 0));
    }
    void ShowMoveCursor(bool shown) override { view_.SetCursorState(shown ? 1 : 0); }
    bool RunEditDialog(zev::ChannelEntry& record) override { return view_.RunEditDialog(record); }
    RecordListResult RunRecordList(RecordList list) override {
        RecordDialogs* dialogs = view_.recordDialogs_;
        if (dialogs == nullptr) return RecordListResult::Unchanged;
        return list == RecordList::Transponders ? dialogs->RunTransponderList(&view_)
                                                : dialogs->RunSatelliteList(&view_);
    }
    void Repaint() override { view_.viewport()->update(); }

  private:
    CZuzeListViewView& view_;
};

CZuzeListViewView::CZuzeListViewView(zev::ChannelDatabase& db, bool leftAligned, UiPrompts& prompts,
                                     QWidget* parent)
    : ListControl(new ChannelListModel(db, leftAligned), parent),
      db_(db),
      prompts_(prompts),
      channels_(static_cast<ChannelListModel*>(&ListControl::Rows())),
      drag_(new DragEngine(*this)),
      host_(std::make_unique<CommandHost>(*this)),
      commands_(db, prompts, *host_) {
    ApplyColumns();
    BuildPopupMenu();
    // The list's tool tip shows over its cells only; screen readers get it as the whole
    // list's description.
    setAccessibleDescription(ToolTip());
    drag_->SetAfterDrop([this](const zev::DropResult& drop) {
        commands_.AfterDrop(drop);
        viewport()->repaint();
    });
    // Installed after the DragEngine, so it sees each press first: a press on a selected row,
    // which the engine keeps for a drag, still ends a pending Move Channel.
    viewport()->installEventFilter(this);
}

CZuzeListViewView::~CZuzeListViewView() = default;

void CZuzeListViewView::BuildPopupMenu() {
    popup_ = new QMenu(this);
    const auto add = [this](int id, const char* text) {
        QAction* action = popup_->addAction(tr(text));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { OnPopupCommand(id); });
    };
    add(kEditChannel, QT_TRANSLATE_NOOP("CZuzeListViewView", "&Edit Channel...       Enter"));
    add(kNewChannel, QT_TRANSLATE_NOOP("CZuzeListViewView", "New Channel..."));
    popup_->addSeparator();
    add(kMoveChannel, QT_TRANSLATE_NOOP("CZuzeListViewView", "&Move Channel"));
    add(kDeleteChannel, QT_TRANSLATE_NOOP("CZuzeListViewView", "&Delete Channel"));
    popup_->addSeparator();
    add(kTransponderList, QT_TRANSLATE_NOOP("CZuzeListViewView", "&Transponder List      F11"));
    add(kSatelliteList, QT_TRANSLATE_NOOP("CZuzeListViewView", "&Satellite List        F12"));
}

// ---- filling ----------------------------------------------------------------------------

void CZuzeListViewView::Refill(bool tvListMode, bool hexMode) {
    // The same list keeps its place (a hex toggle, a refill after New); the other list starts
    // at the top.
    Fill(tvListMode, hexMode, filled_ && channels_->TvList() == tvListMode);
}

void CZuzeListViewView::Fill(bool tvListMode, bool hexMode, bool keepScroll,
                             std::optional<std::size_t> pinned) {
    // The rows a pending Move Channel collected or a drag picked up may no longer be these
    // rows.
    commands_.CancelPendingMove();
    drag_->Cancel();
    channels_->SetModes(tvListMode, hexMode);
    // Named as the toolbar names the two lists: nothing else on screen says which is shown.
    setAccessibleName(tvListMode ? tr("TV Channel List") : tr("Radio Channel List"));
    const zev::ChannelListShape shape = zev::ShapeOf(db_.header, tvListMode);
    std::vector<ListRow> rows;
    if (filterText_.isEmpty()) {
        rows.resize(shape.rows);
        for (std::size_t r = 0; r < shape.rows; ++r) rows[r].number = static_cast<int>(r + 1);
    } else {
        // A name holds only Latin-1 characters: a text with others matches no name and no number.
        const bool latin1 = std::all_of(filterText_.begin(), filterText_.end(),
                                        [](QChar c) { return c.unicode() <= 0xFF; });
        const zev::ChannelFilter filter =
            latin1 ? zev::ChannelFilter(filterText_.toLatin1().toStdString(), hexMode)
                   : zev::ChannelFilter::Nothing();
        std::vector<std::size_t> positions = zev::FilteredPositions(db_, tvListMode, filter);
        if (pinned && *pinned < shape.rows) {
            const auto at = std::lower_bound(positions.begin(), positions.end(), *pinned);
            if (at == positions.end() || *at != *pinned) positions.insert(at, *pinned);
        }
        rows.resize(positions.size());
        for (std::size_t r = 0; r < positions.size(); ++r) {
            rows[r].number = static_cast<int>(positions[r] + 1);
        }
    }
    ReplaceRows(std::move(rows), keepScroll);
    filled_ = true;
    emit RowsFilled(RowCount(), static_cast<int>(shape.rows));
}

void CZuzeListViewView::SetFilterText(const QString& text) {
    if (text == filterText_) return;
    filterText_ = text;
    Fill(channels_->TvList(), channels_->HexMode(), false);
    emit FilterTextChanged(text);
}

void CZuzeListViewView::SelectRows(std::span<const std::size_t> rows) {
    commands_.CancelPendingMove();
    // The rows are list positions: every channel is shown first, whatever the filter hid.
    if (Filtered()) SetFilterText(QString());
    std::vector<std::size_t> sorted(rows.begin(), rows.end());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    const auto count = static_cast<std::size_t>(RowCount());
    sorted.erase(std::lower_bound(sorted.begin(), sorted.end(), count), sorted.end());

    // One selection of runs of rows: thousands of rows are selected at once, not one by one.
    QItemSelection selection;
    const int lastColumn = channels_->columnCount() - 1;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t last = i;
        while (last + 1 < sorted.size() && sorted[last + 1] == sorted[last] + 1) ++last;
        selection.append(
            QItemSelectionRange(channels_->index(static_cast<int>(sorted[i]), 0),
                                channels_->index(static_cast<int>(sorted[last]), lastColumn)));
        i = last + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (sorted.empty()) return;
    const int firstRow = static_cast<int>(sorted.front());
    const QModelIndex first = channels_->index(firstRow, 0);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    // Near the top, with two rows before it for context: a report over the lower part of the
    // window leaves it in sight.
    scrollTo(channels_->index(std::max(firstRow - 2, 0), 0), QAbstractItemView::PositionAtTop);
    setFocus();
}

// ---- commands ---------------------------------------------------------------------------

void CZuzeListViewView::OnPopupCommand(int id) { commands_.Run(id); }

void CZuzeListViewView::EditRow(int row) {
    if (row >= 0) commands_.EditRow(static_cast<std::size_t>(row));
}

void CZuzeListViewView::OnTransponderList() {
    commands_.OpenRecordList(ChannelCommandHost::RecordList::Transponders);
}

void CZuzeListViewView::OnSatelliteList() {
    commands_.OpenRecordList(ChannelCommandHost::RecordList::Satellites);
}

bool CZuzeListViewView::RunEditDialog(zev::ChannelEntry& record) {
    CChannelEditDlg dialog(db_, record, prompts_, recordDialogs_, this);
    const bool ok = prompts_.RunDialog(dialog) == QDialog::Accepted;
    if (ok) record = dialog.Record();
    return ok;
}

// ---- mouse, keys, cursor, tool tips ---------------------------------------------------------

void CZuzeListViewView::SetCursorState(int state) {
    if (state == cursorState_) return;
    cursorState_ = state;
    // The move cursor shows over every part of the view while a move waits for its target.
    for (QWidget* part : {static_cast<QWidget*>(this), viewport(), static_cast<QWidget*>(header()),
                          header()->viewport()}) {
        if (state == 1) {
            part->setCursor(Qt::SizeAllCursor);
        } else {
            part->unsetCursor();
        }
    }
}

bool CZuzeListViewView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            const int row = RowAt(press->position().toPoint());
            commands_.EndPendingMove(row >= 0 ? std::optional<std::size_t>(row) : std::nullopt);
        }
    }
    return ListControl::eventFilter(watched, event);
}

void CZuzeListViewView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = RowAt(event->position().toPoint());
    if (row >= 0) EditRow(row);
}

void CZuzeListViewView::ShowPopupMenu(QPoint globalPos) { popup_->popup(globalPos); }

QPoint CZuzeListViewView::KeyboardMenuPoint() const {
    const int row = FocusedRow() >= 0 ? FocusedRow() : FirstSelectedRow();
    QRect rect = row >= 0 ? RowRect(row) : QRect();
    if (!rect.isValid() || !viewport()->rect().intersects(rect)) {
        return viewport()->mapToGlobal(QPoint(0, 0));
    }
    return viewport()->mapToGlobal(QPoint(std::max(rect.left(), 0) + 8, rect.bottom()));
}

void CZuzeListViewView::contextMenuEvent(QContextMenuEvent* event) {
    ShowPopupMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                              : KeyboardMenuPoint());
    event->accept();
}

void CZuzeListViewView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) ||
        event->key() == Qt::Key_Menu) {
        ShowPopupMenu(KeyboardMenuPoint());
        event->accept();
        return;
    }
    // Enter, the keypad's Enter and F2 edit the selected channel, as the popup menu's label
    // promises; Delete deletes the selected channels. Both go through the menu's checks.
    if (IsEnterKey(*event) ||
        (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier)) {
        OnPopupCommand(kEditChannel);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        OnPopupCommand(kDeleteChannel);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && commands_.MovePending()) {
        commands_.CancelPendingMove();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && Filtered()) {
        SetFilterText(QString());
        event->accept();
        return;
    }
    ListControl::keyPressEvent(event);
}

bool CZuzeListViewView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid()) {
            QRect cell = visualRect(index).intersected(viewport()->rect());
            QToolTip::showText(help->globalPos(), ToolTip(), viewport(), cell);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return ListControl::viewportEvent(event);
}
