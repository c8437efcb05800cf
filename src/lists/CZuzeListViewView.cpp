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
#include "editing/ChangeSink.h"
#include "editing/ChannelFilter.h"
#include "editing/ChannelSlots.h"
#include "lists/CChannelEditDlg.h"
#include "lists/DragEngine.h"
#include "lists/RecordDialogs.h"
#include "ui/UiPrompts.h"

const QString CZuzeListViewView::kToolTip = QStringLiteral(
    "Double-click to edit, right-click for the menu, drag selected rows to reorder.");

namespace {

const QString kInformation = QStringLiteral("Information");
const QString kAppTitle = QStringLiteral("zev");

}  // namespace

// The rows as the channel editor sees them.
class CZuzeListViewView::EditorRows : public zev::ChannelRows {
  public:
    explicit EditorRows(CZuzeListViewView& view) : view_(view) {}

    bool ShowsTv() const override { return view_.channels_->TvList(); }
    std::size_t RowCount() const override {
        return static_cast<std::size_t>(view_.channels_->RowCount());
    }
    int RowNumber(std::size_t row) const override {
        return view_.channels_->Row(static_cast<int>(row)).number;
    }
    void RewriteRows(std::size_t first, std::size_t last) override {
        view_.channels_->MarkDecimal(static_cast<int>(first), static_cast<int>(last));
    }
    void RemoveRows(std::span<const std::size_t> rows) override { view_.RemoveRows(rows); }
    void RenumberRows(std::span<const std::size_t> positions) override {
        view_.channels_->SetNumbers(positions);
    }

  private:
    CZuzeListViewView& view_;
};

CZuzeListViewView::CZuzeListViewView(zev::ChannelDatabase& db, bool leftAligned, UiPrompts& prompts,
                                     QWidget* parent)
    : ListControl(new ChannelListModel(db, leftAligned), parent),
      db_(db),
      prompts_(prompts),
      channels_(static_cast<ChannelListModel*>(&ListControl::Rows())),
      editorRows_(std::make_unique<EditorRows>(*this)),
      editor_(db) {
    ApplyColumns();
    BuildPopupMenu();
    Drag().SetAfterDrop([this](const zev::DropResult& drop) { AfterDrop(drop); });
}

CZuzeListViewView::~CZuzeListViewView() = default;

void CZuzeListViewView::BuildPopupMenu() {
    popup_ = new QMenu(this);
    const auto add = [this](int id, const char* text) {
        QAction* action = popup_->addAction(QString::fromLatin1(text));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { OnPopupCommand(id); });
    };
    add(kEditChannel, "&Edit Channel...       Enter");
    add(kNewChannel, "New Channel...");
    popup_->addSeparator();
    add(kMoveChannel, "&Move Channel");
    add(kDeleteChannel, "&Delete Channel");
    popup_->addSeparator();
    add(kTransponderList, "&Transponder List      F11");
    add(kSatelliteList, "&Satellite List        F12");
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
    CancelPendingMove();
    Drag().Cancel();
    channels_->SetModes(tvListMode, hexMode);
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

std::optional<std::size_t> CZuzeListViewView::PositionOfRow(int row) const {
    if (row < 0 || row >= RowCount()) return std::nullopt;
    const int number = channels_->Row(row).number;
    const zev::ChannelListShape shape = zev::ShapeOf(db_.header, channels_->TvList());
    if (number < 1 || static_cast<std::size_t>(number) > shape.rows) return std::nullopt;
    return static_cast<std::size_t>(number - 1);
}

int CZuzeListViewView::RowOfPosition(std::size_t position) const {
    // The rows show their positions in rising order.
    int low = 0;
    int high = RowCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (static_cast<std::size_t>(channels_->Row(middle).number) < position + 1) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low < RowCount() && channels_->Row(low).number == static_cast<int>(position + 1) ? low
                                                                                            : -1;
}

void CZuzeListViewView::SelectRows(std::span<const std::size_t> rows) {
    CancelPendingMove();
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

bool CZuzeListViewView::PassesChecks(int id) {
    const zev::DatabaseHeader& h = db_.header;
    if (h.SatCount == 0 && id != kSatelliteList) {
        prompts_.Inform(QStringLiteral("You must add a satellite first!"), kInformation);
        return false;
    }
    if (h.TpCount == 0 && id != kTransponderList && id != kSatelliteList) {
        prompts_.Inform(QStringLiteral("You must add a tp first!"), kInformation);
        return false;
    }
    if (id != kNewChannel && id != kTransponderList && id != kSatelliteList && RowCount() == 0) {
        const bool hiddenByFilter = Filtered() && zev::ShapeOf(h, channels_->TvList()).rows > 0;
        prompts_.Inform(hiddenByFilter        ? QStringLiteral("No channel matches the filter.")
                        : channels_->TvList() ? QStringLiteral("No Tv channel")
                                              : QStringLiteral("No Radio channel"),
                        kInformation);
        return false;
    }
    return true;
}

void CZuzeListViewView::OnPopupCommand(int id) {
    if (id < kFirstPopupCommand || id > kLastPopupCommand) return;
    if (!PassesChecks(id)) return;
    switch (id) {
        case kEditChannel:
            OnEditChannel();
            break;
        case kNewChannel:
            OnNewChannel();
            break;
        case kMoveChannel:
            OnMoveChannel();
            break;
        case kDeleteChannel:
            OnDeleteChannel();
            break;
        case kTransponderList:
            OnTransponderList();
            break;
        case kSatelliteList:
            OnSatelliteList();
            break;
        default:
            break;  // ids without a command
    }
}

bool CZuzeListViewView::RunEditDialog(zev::ChannelEntry& record) {
    CChannelEditDlg dialog(db_, record, prompts_, recordDialogs_, this);
    const bool ok = prompts_.RunDialog(dialog) == QDialog::Accepted;
    if (ok) record = dialog.Record();
    // The Transponder Pick may have edited a transponder that other rows show.
    viewport()->update();
    return ok;
}

void CZuzeListViewView::OnEditChannel() { EditRow(FirstSelectedRow()); }

void CZuzeListViewView::EditRow(int row) {
    const std::optional<std::size_t> position = PositionOfRow(row);
    if (!position) return;
    const zev::ChannelListShape shape = zev::ShapeOf(db_.header, channels_->TvList());
    const std::size_t slot = shape.Slot(*position);
    zev::ChannelEntry record = db_.channels[slot];
    if (!RunEditDialog(record)) return;
    const bool changed = !(record == db_.channels[slot]);
    editor_.Store(*editorRows_, slot, record, static_cast<std::size_t>(row));
    if (changed) Report(QStringLiteral("Edit Channel"));
}

void CZuzeListViewView::OnNewChannel() {
    const zev::DatabaseHeader& h = db_.header;
    if (zev::ChannelSlotsFull(h)) {
        prompts_.Message(
            QStringLiteral("There's only %1 Channel can be add!").arg(h.ChannelCapacity), kAppTitle,
            zev::MsgIcon::None, zev::MsgButtons::Ok, zev::MsgAnswer::Ok);
        return;
    }
    const bool tv = channels_->TvList();
    const zev::ChannelListShape shape = zev::ShapeOf(h, tv);
    const int selected = FirstSelectedRow();
    const std::optional<std::size_t> selectedPosition = PositionOfRow(selected);
    const bool empty = RowCount() == 0 || shape.rows == 0;
    // Without a selection the new channel follows the last channel shown: the list's last, or
    // the last one the filter lets through.
    const std::size_t lastShown = Filtered() && !empty
                                      ? PositionOfRow(RowCount() - 1).value_or(shape.rows - 1)
                                      : shape.rows - 1;

    zev::ChannelEntry record;
    if (empty) {
        record.TpNumber = 1;
    } else {
        record = db_.channels[shape.Slot(selectedPosition.value_or(lastShown))];
    }
    const bool ok = RunEditDialog(record);

    int row = -1;  // the row that shows the new channel, or the template after Cancel
    if (ok) {
        record.RadioFlag = tv ? 0 : 1;
        const std::size_t insertPosition =
            selectedPosition ? *selectedPosition : (empty ? shape.rows : lastShown + 1);
        const std::size_t slot = tv ? insertPosition : shape.capacity - 1 - insertPosition;
        if (editor_.Insert(record, slot) == 0) {
            // The new channel stays in sight even where the filter would hide it.
            Fill(tv, channels_->HexMode(), true, insertPosition);
            Report(QStringLiteral("New Channel"));
            row = RowOfPosition(insertPosition);
        }
    } else if (!empty) {
        row = selected >= 0 ? selected : RowCount() - 1;
    }
    if (row < 0 || row >= RowCount()) return;
    SetRowSelected(row, false);
    if (FocusedRow() == row) SetFocusedRow(-1);
    setFocus();
    SetRowSelected(row, true);
    scrollTo(channels_->index(row, 0));
}

void CZuzeListViewView::OnMoveChannel() {
    std::vector<std::size_t> selected = SelectedRows();
    if (selected.empty()) return;
    collected_ = std::move(selected);
    movePending_ = true;
    SetCursorState(1);
}

void CZuzeListViewView::EndPendingMove(QPoint pos) {
    SetCursorState(0);
    if (!movePending_) return;
    movePending_ = false;
    const std::vector<std::size_t> collected = std::move(collected_);
    collected_.clear();
    // A click beside the rows names no target: the move ends without moving anything.
    const int target = RowAt(pos);
    if (target < 0) return;
    std::size_t moving = 0;
    for (std::size_t row : collected) {
        if (row < static_cast<std::size_t>(RowCount()) && row != static_cast<std::size_t>(target)) {
            ++moving;
        }
    }
    if (editor_.MoveChannels(*editorRows_, collected, static_cast<std::size_t>(target))) {
        Report(Counted("Move", moving));
    }
}

void CZuzeListViewView::CancelPendingMove() {
    movePending_ = false;
    collected_.clear();
    SetCursorState(0);
}

void CZuzeListViewView::OnDeleteChannel() {
    CancelPendingMove();
    const std::vector<std::size_t> collected = SelectedRows();
    const std::size_t deleted = editor_.DeleteChannels(*editorRows_, collected);
    if (deleted > 0) Report(Counted("Delete", deleted));
}

void CZuzeListViewView::OnTransponderList() {
    if (recordDialogs_ == nullptr) return;
    if (recordDialogs_->RunTransponderList(this)) {
        Refill(channels_->TvList(), channels_->HexMode());
    } else {
        viewport()->update();  // edited transponders show at once
    }
}

void CZuzeListViewView::OnSatelliteList() {
    if (recordDialogs_ == nullptr) return;
    if (recordDialogs_->RunSatelliteList(this)) {
        Refill(channels_->TvList(), channels_->HexMode());
    } else {
        viewport()->update();
    }
}

void CZuzeListViewView::AfterDrop(const zev::DropResult& drop) {
    CancelPendingMove();
    const bool moved = editor_.RebuildFromList(*editorRows_);
    viewport()->repaint();
    if (moved) Report(Counted("Drag", drop.movedCount));
}

void CZuzeListViewView::Report(const QString& description) {
    if (changes_ != nullptr) changes_->DatabaseChanged(description.toStdString());
}

QString CZuzeListViewView::Counted(const char* verb, std::size_t count) {
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromLatin1(verb))
        .arg(count)
        .arg(count == 1 ? QStringLiteral("Channel") : QStringLiteral("Channels"));
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

void CZuzeListViewView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) EndPendingMove(event->position().toPoint());
    ListControl::mousePressEvent(event);
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
    if (event->key() == Qt::Key_Escape && movePending_) {
        CancelPendingMove();
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
            QToolTip::showText(help->globalPos(), kToolTip, viewport(), cell);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return ListControl::viewportEvent(event);
}
