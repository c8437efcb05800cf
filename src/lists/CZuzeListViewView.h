// The channel list: the TV or the radio channels of the database, one row per channel in the
// receiver's order, filled and narrowed by a filter text, with the mouse, keys and tool tips
// of the list. Its popup menu, double click, F11 and F12 lead to the channel commands
// (ChannelCommands), which it hosts; rows are reordered by dragging them (DragEngine).
//
// A filter text narrows the rows to the channels that match it; each row still shows its list
// position in "No.", and every command works on the channels the rows show.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "lists/ChannelCommands.h"
#include "lists/ChannelListModel.h"
#include "lists/ListControl.h"

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev

class DragEngine;
class QMenu;
class RecordDialogs;
class UiPrompts;

class CZuzeListViewView : public ListControl {
    Q_OBJECT
  public:
    static constexpr int kColumnCount = ChannelListModel::kColumnCount;
    // Popup menu commands; 9002 to 9102 all reach OnPopupCommand.
    static constexpr int kEditChannel = ChannelCommands::kEditChannel;
    static constexpr int kNewChannel = ChannelCommands::kNewChannel;
    static constexpr int kMoveChannel = ChannelCommands::kMoveChannel;
    static constexpr int kDeleteChannel = ChannelCommands::kDeleteChannel;
    static constexpr int kTransponderList = ChannelCommands::kTransponderList;
    static constexpr int kSatelliteList = ChannelCommands::kSatelliteList;
    // The tool tip over every cell.
    static QString ToolTip();

    // `leftAligned`: the view was first wanted by Edit Text, which gives every column left
    // alignment and the frequency column 40 pixels; the columns keep this for the whole run.
    CZuzeListViewView(zev::ChannelDatabase& db, bool leftAligned, UiPrompts& prompts,
                      QWidget* parent = nullptr);
    ~CZuzeListViewView() override;

    // The satellite and transponder dialogs; null leaves F11, F12 and the Channel Edit
    // dialog's "&Transponderlist" without effect.
    void SetRecordDialogs(RecordDialogs* dialogs) { recordDialogs_ = dialogs; }
    // Told once per command that changed the database.
    void SetChangeSink(zev::ChangeSink* sink) { commands_.SetChangeSink(sink); }

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

    // The frame's Transponder List (F11) and Satellite List (F12).
    void OnTransponderList();
    void OnSatelliteList();
    // A popup menu command, after the checks every one of them passes first.
    void OnPopupCommand(int id);
    // Edits the channel of a row, as a double click on it does.
    void EditRow(int row);

    ChannelListModel& Channels() const { return *channels_; }
    // Reorders the rows with the mouse; belongs to the view.
    DragEngine& Drag() const { return *drag_; }
    QString CellText(int row, int column) const { return channels_->CellText(row, column); }
    QMenu& PopupMenu() const { return *popup_; }
    bool MovePending() const { return commands_.MovePending(); }
    int CursorState() const { return cursorState_; }

  signals:
    // The filter text changed (Escape in the list clears it).
    void FilterTextChanged(const QString& text);
    // The rows were filled: `shown` of the list's `total` channels.
    void RowsFilled(int shown, int total);

  protected:
    // Runs the Channel Edit dialog on `record`; true, with the record changed, on OK.
    virtual bool RunEditDialog(zev::ChannelEntry& record);

    // Sees the viewport's presses before the DragEngine does, which may take them.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    class CommandHost;

    // Refill, keeping the scroll position when `keepScroll`; the channel at `pinned` is shown
    // even when the filter would hide it (a channel just added).
    void Fill(bool tvListMode, bool hexMode, bool keepScroll,
              std::optional<std::size_t> pinned = std::nullopt);
    void BuildPopupMenu();
    void ShowPopupMenu(QPoint globalPos);
    QPoint KeyboardMenuPoint() const;
    void SetCursorState(int state);

    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    ChannelListModel* channels_;
    DragEngine* drag_;
    std::unique_ptr<CommandHost> host_;
    ChannelCommands commands_;
    RecordDialogs* recordDialogs_ = nullptr;
    QMenu* popup_ = nullptr;
    bool filled_ = false;
    QString filterText_;
    int cursorState_ = 0;
};
