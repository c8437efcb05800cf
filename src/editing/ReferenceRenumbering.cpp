#include "editing/ReferenceRenumbering.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "editing/RecordLinks.h"

namespace zev {

namespace {

// newNumber[old] for old numbers 1 to count, when the rows hold each of them exactly once.
std::optional<std::vector<std::size_t>> NumberMap(std::span<const int> previousNumbers,
                                                  std::size_t count) {
    if (previousNumbers.size() != count) return std::nullopt;
    std::vector<std::size_t> newNumber(count + 1, 0);
    for (std::size_t row = 0; row < count; ++row) {
        const int old = previousNumbers[row];
        if (old < 1 || static_cast<std::size_t>(old) > count) return std::nullopt;
        if (newNumber[static_cast<std::size_t>(old)] != 0) return std::nullopt;
        newNumber[static_cast<std::size_t>(old)] = row + 1;
    }
    return newNumber;
}

// Puts the first `count` records of `table` into the rows' order.
template <typename Table>
void Reorder(Table& table, std::span<const int> previousNumbers, std::size_t count) {
    const std::vector<typename Table::value_type> before(table.begin(), table.begin() + count);
    for (std::size_t row = 0; row < count; ++row) {
        table[row] = before[static_cast<std::size_t>(previousNumbers[row]) - 1];
    }
}

// Every reference is renumbered once, from its value before the drag, so two records that
// swap places swap their references exactly once.
template <typename Number>
void Renumber(Number& reference, const std::vector<std::size_t>& newNumber) {
    if (reference >= 1 && reference < newNumber.size()) {
        reference = static_cast<Number>(newNumber[reference]);
    }
}

}  // namespace

void RebuildTransponderTable(ChannelDatabase& db, std::span<const int> previousNumbers) {
    const std::size_t count = TranspondersInUse(db);
    const auto newNumber = NumberMap(previousNumbers, count);
    if (!newNumber) return;
    Reorder(db.transponders, previousNumbers, count);
    for (std::size_t slot : DistinctChannelSlotsInUse(db)) {
        Renumber(db.channels[slot].TpNumber, *newNumber);
    }
}

void RebuildSatelliteTable(ChannelDatabase& db, std::span<const int> previousNumbers) {
    const std::size_t count = SatellitesInUse(db);
    const auto newNumber = NumberMap(previousNumbers, count);
    if (!newNumber) return;
    Reorder(db.satellites, previousNumbers, count);
    const std::size_t tpCount = TranspondersInUse(db);
    for (std::size_t i = 0; i < tpCount; ++i) Renumber(db.transponders[i].Sat, *newNumber);
}

bool IsNewOrder(std::span<const int> previousNumbers, std::size_t count) {
    if (!NumberMap(previousNumbers, count)) return false;
    for (std::size_t row = 0; row < count; ++row) {
        if (previousNumbers[row] != static_cast<int>(row) + 1) return true;
    }
    return false;
}

}  // namespace zev
