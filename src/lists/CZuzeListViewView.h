// The channel list: the TV or the radio channels of the database, one row per channel in the
// receiver's order. Its popup menu and double click edit channels, a Move Channel waits for
// the click that names the target row, rows are reordered by dragging them, and F11 and F12
// open the transponder and satellite lists.
//
// A filter text narrows the rows to the channels that match it; each row still shows its list
// position in "No.", and every command works on the channels the rows show: Edit and Delete on
// them, New inserts at the selected channel's place (or after the last channel shown), and Move
// Channel and drags reorder the shown channels among the places they hold, leaving the hidden
// channels where they are.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "editing/ChannelListEditor.h"
#include "editing/RowMoves.h"
#include "lists/ChannelListModel.h"
#include "lists/ListControl.h"

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev

class QMenu;
class RecordDialogs;
class UiPrompts;

class CZuzeListViewView : public ListControl {
    Q_OBJECT
  public:
    static constexpr int kColumnCount = ChannelListModel::kColumnCount;
    // Popup menu commands; 9002 to 9102 all reach OnPopupCommand.
    static constexpr int kFirstPopupCommand = 9002;
    static constexpr int kLastPopupCommand = 9102;
    static constexpr int kEditChannel = 9003;
    static constexpr int kNewChannel = 9004;
    static constexpr int kMoveChannel = 9005;
    static constexpr int kDeleteChannel = 9006;
    static constexpr int kTransponderList = 9007;
    static constexpr int kSatelliteList = 9008;
    // The tool tip over every cell.
    static const QString kToolTip;

    // `leftAligned`: the view was first wanted by Edit Text, which gives every column left
    // alignment and the frequency column 40 pixels; the columns keep this for the whole run.
    CZuzeListViewView(zev::ChannelDatabase& db, bool leftAligned, UiPrompts& prompts,
                      QWidget* parent = nullptr);
    ~CZuzeListViewView() override;

    // The satellite and transponder dialogs; null leaves F11, F12 and the Channel Edit
    // dialog's "&Transponderlist" without effect.
    void SetRecordDialogs(RecordDialogs* dialogs) { recordDialogs_ = dialogs; }
    // Told once per command that changed the database.
    void SetChangeSink(zev::ChangeSink* sink) { changes_ = sink; }

    // Rebuilds all rows: TV channels when `tvListMode`, else radio; numbers in hexadecimal
    // when `hexMode`; only the channels the filter text lets through. Nothing is selected
    // afterwards.
    void Refill(bool tvListMode, bool hexMode);

    // Selects exactly the channels at these list positions (in any order; positions past the
    // end are left out), clearing any filter first, makes the first of them the current row
    // and scrolls it near the top: how a report points at channels.
    void SelectRows(std::span<const std::size_t> rows);
    // The filter text; empty shows every channel. Setting it refills the rows.
    void SetFilterText(const QString& text);
    const QString& FilterText() const { return filterText_; }
    bool Filtered() const { return !filterText_.isEmpty(); }
    // The list position (0-based) of the channel a row shows; none for no such row. The row
    // that shows a list position, or -1 (the filter may hide it).
    std::optional<std::size_t> PositionOfRow(int row) const;
    int RowOfPosition(std::size_t position) const;

    // The frame's Transponder List (F11) and Satellite List (F12).
    void OnTransponderList();
    void OnSatelliteList();
    // A popup menu command, after the checks every one of them passes first.
    void OnPopupCommand(int id);
    // Edits the channel of a row, as a double click on it does.
    void EditRow(int row);

    ChannelListModel& Channels() const { return *channels_; }
    QString CellText(int row, int column) const { return channels_->CellText(row, column); }
    QMenu& PopupMenu() const { return *popup_; }
    bool MovePending() const { return movePending_; }
    int CursorState() const { return cursorState_; }

  signals:
    // The filter text changed (Escape in the list clears it).
    void FilterTextChanged(const QString& text);
    // The rows were filled: `shown` of the list's `total` channels.
    void RowsFilled(int shown, int total);

  protected:
    // Runs the Channel Edit dialog on `record`; true, with the record changed, on OK.
    virtual bool RunEditDialog(zev::ChannelEntry& record);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    class EditorRows;

    // Refill, keeping the scroll position when `keepScroll`; the channel at `pinned` is shown
    // even when the filter would hide it (a channel just added).
    void Fill(bool tvListMode, bool hexMode, bool keepScroll,
              std::optional<std::size_t> pinned = std::nullopt);
    void BuildPopupMenu();
    void ShowPopupMenu(QPoint globalPos);
    QPoint KeyboardMenuPoint() const;
    bool PassesChecks(int id);
    void OnEditChannel();
    void OnNewChannel();
    void OnMoveChannel();
    void OnDeleteChannel();
    // The left button went down at `pos`: a pending Move Channel ends, moving the collected
    // channels to the row clicked (none when the click hits no row).
    void EndPendingMove(QPoint pos);
    void CancelPendingMove();
    void SetCursorState(int state);
    void AfterDrop(const zev::DropResult& drop);
    void Report(const QString& description);
    static QString Counted(const char* verb, std::size_t count);

    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    ChannelListModel* channels_;
    std::unique_ptr<EditorRows> editorRows_;
    zev::ChannelListEditor editor_;
    RecordDialogs* recordDialogs_ = nullptr;
    zev::ChangeSink* changes_ = nullptr;
    QMenu* popup_ = nullptr;
    bool filled_ = false;
    QString filterText_;
    int cursorState_ = 0;
    bool movePending_ = false;
    std::vector<std::size_t> collected_;
};
