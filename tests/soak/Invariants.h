// What must hold after every action of the soak, whatever the action was:
// - every reference names an existing record, or names none as it already did before;
// - the channel list's rows show what filling the list afresh would show;
// - undoing every step gives back the database the history started from, byte for byte, and
//   redoing them all gives back the database before the undo.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

class CZuzeListViewView;
class ViewState;

namespace zev {
class ChannelDatabase;
class DatabaseHistory;
}  // namespace zev

namespace soak {

// The database's bytes (header, tables and loaded flag, as the undo history keeps them),
// reduced to one number.
uint64_t DatabaseHash(const zev::ChannelDatabase& db);
// The same without the header's four default counts, which a send may write.
uint64_t HashBesideDefaultCounts(const zev::ChannelDatabase& db);

// References that name no record: a transponder's satellite, a channel's transponder.
struct DanglingCount {
    std::size_t transponders = 0;
    std::size_t channels = 0;
};
DanglingCount CountDangling(const zev::ChannelDatabase& db);

// The rows of `list`, shown as `view` says with `boxText` in its filter box, beside those of
// `fresh` (a list the soak fills afresh for the comparison). Without a filter they must be the
// same; with one, the rows may also show channels that no longer match it (a channel just
// added or edited stays in sight), but must show every channel that does, in list order.
std::optional<std::string> CompareRows(CZuzeListViewView& list, const ViewState& view,
                                       const QString& boxText, CZuzeListViewView& fresh);

// The history's states with the bytes the database held when each was reached.
class HistoryWatch {
  public:
    // The database as it is now is the history's current state.
    void Remember(const zev::DatabaseHistory& history, uint64_t hash);
    // Checks that the current state holds the bytes it held when it was reached, then undoes
    // every step, compares with the first state's bytes, and redoes them all again.
    std::optional<std::string> UndoEverything(zev::DatabaseHistory& history,
                                              zev::ChannelDatabase& db);
    // After a change that is taken as it is rather than made a step (the default counts a send
    // writes), every state is learnt anew by walking the history to its start and back, which
    // must end where it began.
    std::optional<std::string> Relearn(zev::DatabaseHistory& history, zev::ChannelDatabase& db);

  private:
    std::map<uint64_t, uint64_t> hashOfState_;
};

}  // namespace soak
