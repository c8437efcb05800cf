// What the channel commands need of the list that shows the channels: the rows as the channel
// editor changes them, which of them are selected, and what only the widget can do: fill the
// rows again, select a row anew, show the move cursor, run the dialogs and repaint.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/ChannelRows.h"
#include "lists/RecordDialogs.h"

class ChannelCommandHost : public zev::ChannelRows {
  public:
    enum class RecordList { Transponders, Satellites };

    // The selected rows, ascending.
    virtual std::vector<std::size_t> SelectedRows() const = 0;
    // A filter text narrows the rows to some of the list's channels.
    virtual bool Filtered() const = 0;
    // Fills the rows again from the database, keeping the scroll position; the channel at list
    // position `pinned` is shown even where the filter would hide it. Nothing is selected
    // afterwards.
    virtual void Refill(std::optional<std::size_t> pinned) = 0;
    // Clears the row's selected and focused states, gives the list the keyboard focus, selects
    // the row again and scrolls it into sight; the other rows keep their states.
    virtual void ReselectRow(std::size_t row) = 0;
    // The move cursor shows over the list while a Move Channel waits for its target row.
    virtual void ShowMoveCursor(bool shown) = 0;
    // Runs the Channel Edit dialog on `record`; true, with the record changed, on OK.
    virtual bool RunEditDialog(zev::ChannelEntry& record) = 0;
    // Runs the Transponder List or the Satellite List.
    virtual RecordListResult RunRecordList(RecordList list) = 0;
    // The cells may show other values now: a dialog may have changed a transponder or a
    // satellite that rows show.
    virtual void Repaint() = 0;
};
