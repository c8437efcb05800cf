// The channel list's commands: the checks every popup command passes first, Edit Channel (also
// by double click), New Channel, Move Channel with its wait for the target row, Delete Channel,
// the Transponder and Satellite Lists, and the slots' rebuild after a drag. A command that
// changed the database tells the change sink once, by name ("Delete 3 Channels"). The commands
// reach the rows through a ChannelCommandHost and change the slots through the
// ChannelListEditor, so they know nothing of the widget that shows the list.
//
// Every command works on the channels the rows show, so on a filtered list too: Edit and Delete
// on the channels of the rows, New at the selected channel's place (or after the last channel
// shown), Move Channel and drags among the places the shown channels hold.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/Translatable.h"
#include "editing/ChannelListEditor.h"
#include "editing/RowMoves.h"
#include "lists/ChannelCommandHost.h"

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev

class UiPrompts;

class ChannelCommands {
    Q_DECLARE_TR_FUNCTIONS(ChannelCommands)

  public:
    // Popup menu commands; 9002 to 9102 all reach Run.
    static constexpr int kFirstPopupCommand = 9002;
    static constexpr int kLastPopupCommand = 9102;
    static constexpr int kEditChannel = 9003;
    static constexpr int kNewChannel = 9004;
    static constexpr int kMoveChannel = 9005;
    static constexpr int kDeleteChannel = 9006;
    static constexpr int kTransponderList = 9007;
    static constexpr int kSatelliteList = 9008;

    ChannelCommands(zev::ChannelDatabase& db, UiPrompts& prompts, ChannelCommandHost& host);

    // Told once per command that changed the database.
    void SetChangeSink(zev::ChangeSink* sink) { changes_ = sink; }

    // A popup menu command, after the checks every one of them passes first; an id without a
    // command passes the checks and does nothing.
    void Run(int id);
    // Edits the channel of a row, as a double click on it does (no checks).
    void EditRow(std::size_t row);
    // Transponder List (F11) and Satellite List (F12), without the checks: the rows are filled
    // again when the list added, removed or reordered records, else repainted.
    void OpenRecordList(ChannelCommandHost::RecordList list);

    // Move Channel waits for the press of the left button that names its target row.
    bool MovePending() const { return movePending_; }
    // The left button went down on `row` (none: beside the rows): a pending Move Channel moves
    // the channels it collected to that row, or ends without moving anything.
    void EndPendingMove(std::optional<std::size_t> row);
    // Ends a pending Move Channel without moving anything.
    void CancelPendingMove();

    // After a drag moved rows: the slots take the rows' new order.
    void AfterDrop(const zev::DropResult& drop);

  private:
    bool PassesChecks(int id);
    void NewChannel();
    void MoveChannel();
    void DeleteChannel();
    // The list position of the channel a row shows; none for no such row.
    std::optional<std::size_t> PositionOfRow(std::size_t row) const;
    // The row that shows a list position; none when no row does (the filter may hide it).
    std::optional<std::size_t> RowOfPosition(std::size_t position) const;
    void Report(const zev::Translatable& description);
    enum class Verb { Move, Delete, Drag };
    // "Delete 3 Channels": the undo name of a change of `count` channels.
    static zev::Translatable Counted(Verb verb, std::size_t count);

    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    ChannelCommandHost& host_;
    zev::ChannelListEditor editor_;
    zev::ChangeSink* changes_ = nullptr;
    bool movePending_ = false;
    std::vector<std::size_t> collected_;
};
