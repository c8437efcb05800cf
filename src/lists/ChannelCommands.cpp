#include "lists/ChannelCommands.h"

#include "database/ChannelDatabase.h"
#include "editing/ChangeSink.h"
#include "editing/ChannelSlots.h"
#include "editing/NewChannelPlace.h"
#include "ui/UiPrompts.h"

namespace {

QString Information() { return ChannelCommands::tr("Information"); }
const QString kAppTitle = QStringLiteral("zev");

}  // namespace

ChannelCommands::ChannelCommands(zev::ChannelDatabase& db, UiPrompts& prompts,
                                 ChannelCommandHost& host)
    : db_(db), prompts_(prompts), host_(host), editor_(db) {}

bool ChannelCommands::PassesChecks(int id) {
    const zev::DatabaseHeader& h = db_.header;
    if (h.SatCount == 0 && id != kSatelliteList) {
        prompts_.Inform(tr("You must add a satellite first!"), Information());
        return false;
    }
    if (h.TpCount == 0 && id != kTransponderList && id != kSatelliteList) {
        prompts_.Inform(tr("You must add a tp first!"), Information());
        return false;
    }
    if (id != kNewChannel && id != kTransponderList && id != kSatelliteList &&
        host_.RowCount() == 0) {
        const bool tv = host_.ShowsTv();
        const bool hiddenByFilter = host_.Filtered() && zev::ShapeOf(h, tv).rows > 0;
        prompts_.Inform(hiddenByFilter ? tr("No channel matches the filter.")
                        : tv           ? tr("No Tv channel")
                                       : tr("No Radio channel"),
                        Information());
        return false;
    }
    return true;
}

void ChannelCommands::Run(int id) {
    if (id < kFirstPopupCommand || id > kLastPopupCommand) return;
    if (!PassesChecks(id)) return;
    switch (id) {
        case kEditChannel: {
            const std::vector<std::size_t> selected = host_.SelectedRows();
            if (!selected.empty()) EditRow(selected.front());
            break;
        }
        case kNewChannel:
            NewChannel();
            break;
        case kMoveChannel:
            MoveChannel();
            break;
        case kDeleteChannel:
            DeleteChannel();
            break;
        case kTransponderList:
            OpenRecordList(ChannelCommandHost::RecordList::Transponders);
            break;
        case kSatelliteList:
            OpenRecordList(ChannelCommandHost::RecordList::Satellites);
            break;
        default:
            break;  // ids without a command
    }
}

void ChannelCommands::EditRow(std::size_t row) {
    const std::optional<std::size_t> position = PositionOfRow(row);
    if (!position) return;
    const std::size_t slot = zev::ShapeOf(db_.header, host_.ShowsTv()).Slot(*position);
    zev::ChannelEntry record = db_.channels[slot];
    const bool ok = host_.RunEditDialog(record);
    // The dialog's Transponder Pick may have edited a transponder that other rows show.
    host_.Repaint();
    if (!ok) return;
    const bool changed = !(record == db_.channels[slot]);
    editor_.Store(host_, slot, record, row);
    if (changed) Report(ZEV_TR("Change", "Edit Channel"));
}

void ChannelCommands::NewChannel() {
    const zev::DatabaseHeader& h = db_.header;
    if (zev::ChannelSlotsFull(h)) {
        prompts_.Message(tr("There's only %1 Channel can be add!").arg(h.ChannelCapacity),
                         kAppTitle, zev::MsgIcon::None, zev::MsgButtons::Ok, zev::MsgAnswer::Ok);
        return;
    }
    const bool tv = host_.ShowsTv();
    const zev::ChannelListShape shape = zev::ShapeOf(h, tv);
    const std::vector<std::size_t> selected = host_.SelectedRows();
    const std::size_t rowCount = host_.RowCount();
    const zev::NewChannelPlace place = zev::PlaceOfNewChannel(
        shape, selected.empty() ? std::nullopt : PositionOfRow(selected.front()),
        rowCount == 0 ? std::nullopt : PositionOfRow(rowCount - 1));

    zev::ChannelEntry record;
    if (place.templatePosition) {
        record = db_.channels[shape.Slot(*place.templatePosition)];
    } else {
        record.TpNumber = 1;
    }
    const bool ok = host_.RunEditDialog(record);
    host_.Repaint();

    // The row that shows the new channel, or the template after Cancel.
    std::optional<std::size_t> row;
    if (ok) {
        record.RadioFlag = tv ? 0 : 1;
        if (editor_.Insert(record, place.slot) == 0) {
            // The new channel stays in sight even where the filter would hide it.
            host_.Refill(place.position);
            Report(ZEV_TR("Change", "New Channel"));
            row = RowOfPosition(place.position);
        }
    } else if (place.templatePosition) {
        row = RowOfPosition(*place.templatePosition);
    }
    if (row) host_.ReselectRow(*row);
}

void ChannelCommands::MoveChannel() {
    std::vector<std::size_t> selected = host_.SelectedRows();
    if (selected.empty()) return;
    collected_ = std::move(selected);
    movePending_ = true;
    host_.ShowMoveCursor(true);
}

void ChannelCommands::EndPendingMove(std::optional<std::size_t> row) {
    host_.ShowMoveCursor(false);
    if (!movePending_) return;
    movePending_ = false;
    const std::vector<std::size_t> collected = std::move(collected_);
    collected_.clear();
    // A click beside the rows names no target: the move ends without moving anything.
    if (!row) return;
    const std::size_t rowCount = host_.RowCount();
    std::size_t moving = 0;
    for (std::size_t collectedRow : collected) {
        if (collectedRow < rowCount && collectedRow != *row) ++moving;
    }
    if (editor_.MoveChannels(host_, collected, *row)) Report(Counted(Verb::Move, moving));
}

void ChannelCommands::CancelPendingMove() {
    movePending_ = false;
    collected_.clear();
    host_.ShowMoveCursor(false);
}

void ChannelCommands::DeleteChannel() {
    CancelPendingMove();
    const std::vector<std::size_t> collected = host_.SelectedRows();
    const std::size_t deleted = editor_.DeleteChannels(host_, collected);
    if (deleted > 0) Report(Counted(Verb::Delete, deleted));
}

void ChannelCommands::OpenRecordList(ChannelCommandHost::RecordList list) {
    // Only records added, removed or reordered change the rows. After edits in place the rows
    // are repainted and keep their selection and a pending Move Channel.
    if (host_.RunRecordList(list) == RecordListResult::Renumbered) {
        host_.Refill(std::nullopt);
    } else {
        host_.Repaint();
    }
}

void ChannelCommands::AfterDrop(const zev::DropResult& drop) {
    CancelPendingMove();
    if (editor_.RebuildFromList(host_)) Report(Counted(Verb::Drag, drop.movedCount));
}

std::optional<std::size_t> ChannelCommands::PositionOfRow(std::size_t row) const {
    if (row >= host_.RowCount()) return std::nullopt;
    const int number = host_.RowNumber(row);
    const std::size_t listRows = zev::ShapeOf(db_.header, host_.ShowsTv()).rows;
    if (number < 1 || static_cast<std::size_t>(number) > listRows) return std::nullopt;
    return static_cast<std::size_t>(number - 1);
}

std::optional<std::size_t> ChannelCommands::RowOfPosition(std::size_t position) const {
    // The rows show their positions in rising order.
    std::size_t low = 0;
    std::size_t high = host_.RowCount();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (static_cast<std::size_t>(host_.RowNumber(middle)) < position + 1) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low < host_.RowCount() && host_.RowNumber(low) == static_cast<int>(position + 1)) {
        return low;
    }
    return std::nullopt;
}

void ChannelCommands::Report(const zev::Translatable& description) {
    if (changes_ != nullptr) changes_->DatabaseChanged(description);
}

zev::Translatable ChannelCommands::Counted(Verb verb, std::size_t count) {
    const bool one = count == 1;
    switch (verb) {
        case Verb::Move:
            return (one ? ZEV_TR("Change", "Move %1 Channel")
                        : ZEV_TR("Change", "Move %1 Channels"))
                .Arg(count);
        case Verb::Delete:
            return (one ? ZEV_TR("Change", "Delete %1 Channel")
                        : ZEV_TR("Change", "Delete %1 Channels"))
                .Arg(count);
        case Verb::Drag:
            break;
    }
    return (one ? ZEV_TR("Change", "Drag %1 Channel") : ZEV_TR("Change", "Drag %1 Channels"))
        .Arg(count);
}
