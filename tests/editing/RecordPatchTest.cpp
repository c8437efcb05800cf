// Record patches: applied to the old table they give the new one byte for byte, whatever
// happened between, and the changes the editors make (shifts, blocks moved, one field of many
// records) are kept in a few bytes rather than as whole tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "editing/RecordPatch.h"

namespace zev {
namespace {

constexpr std::size_t kRecord = 44;

std::vector<uint8_t> Table(std::size_t records, std::mt19937& random) {
    std::vector<uint8_t> table(records * kRecord);
    for (uint8_t& b : table) b = static_cast<uint8_t>(random() % 4 == 0 ? random() : 0);
    return table;
}

uint8_t* Record(std::vector<uint8_t>& table, std::size_t k) { return table.data() + k * kRecord; }

void ExpectPatchTurns(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after,
                      std::size_t recordSize = kRecord) {
    const RecordPatch patch = RecordPatch::Between(before, after, recordSize);
    EXPECT_EQ(patch.Empty(), before == after);
    std::vector<uint8_t> table = before;
    patch.Apply(table);
    ASSERT_EQ(table, after);
    if (!patch.Empty()) {
        // Apply writes only inside the range it names.
        EXPECT_TRUE(
            std::equal(before.begin(), before.begin() + patch.WrittenBegin(), table.begin()));
        EXPECT_TRUE(std::equal(before.begin() + patch.WrittenEnd(), before.end(),
                               table.begin() + patch.WrittenEnd()));
    }
}

TEST(RecordPatch, TurnsAnyTableIntoAnyOtherOfTheSameSize) {
    std::mt19937 random(4711);
    for (int round = 0; round < 400; ++round) {
        const std::size_t count = 1 + random() % 60;
        const std::vector<uint8_t> before = Table(count, random);
        std::vector<uint8_t> after = before;
        for (int change = 0; change < 1 + static_cast<int>(random() % 4); ++change) {
            const std::size_t a = random() % count;
            const std::size_t b = random() % count;
            switch (random() % 5) {
                case 0:  // one byte
                    after[a * kRecord + random() % kRecord] ^=
                        static_cast<uint8_t>(1 + random() % 255);
                    break;
                case 1:  // a record shifted out, the rest moved up
                    std::rotate(after.begin() + std::min(a, b) * kRecord,
                                after.begin() + (std::min(a, b) + 1) * kRecord,
                                after.begin() + (std::max(a, b) + 1) * kRecord);
                    break;
                case 2:  // records copied over others, duplicates included
                    std::memcpy(Record(after, a), Record(after, b), kRecord);
                    break;
                case 3:  // a whole new record
                    for (std::size_t i = 0; i < kRecord; ++i)
                        Record(after, a)[i] = static_cast<uint8_t>(random());
                    break;
                default:  // the order of everything
                    for (std::size_t k = count - 1; k > 0; --k) {
                        std::swap_ranges(after.begin() + k * kRecord,
                                         after.begin() + (k + 1) * kRecord,
                                         after.begin() + (random() % (k + 1)) * kRecord);
                    }
                    break;
            }
        }
        ExpectPatchTurns(before, after);
        ExpectPatchTurns(after, before);
    }
}

TEST(RecordPatch, KeepsShiftsMovesAndRenumberedFieldsSmall) {
    std::mt19937 random(99);
    const std::size_t count = 10000;
    std::vector<uint8_t> before = Table(count, random);
    for (std::size_t k = 0; k < count; ++k) std::memcpy(Record(before, k), &k, sizeof(k));

    // The first record deleted: every other one moves up a place.
    std::vector<uint8_t> deleted(before.begin() + kRecord, before.end());
    deleted.insert(deleted.end(), before.end() - kRecord, before.end());
    EXPECT_LT(RecordPatch::Between(before, deleted, kRecord).Bytes(), 512u);
    EXPECT_LT(RecordPatch::Between(deleted, before, kRecord).Bytes(), 512u);
    ExpectPatchTurns(before, deleted);
    ExpectPatchTurns(deleted, before);

    // A block of 500 records dragged to the end.
    std::vector<uint8_t> dragged = before;
    std::rotate(dragged.begin() + 100 * kRecord, dragged.begin() + 600 * kRecord, dragged.end());
    EXPECT_LT(RecordPatch::Between(before, dragged, kRecord).Bytes(), 512u);
    ExpectPatchTurns(before, dragged);

    // A two-byte reference renumbered in every record, and the same with a shift.
    std::vector<uint8_t> renumbered = before;
    for (std::size_t k = 0; k < count; ++k) ++Record(renumbered, k)[28];
    EXPECT_LT(RecordPatch::Between(before, renumbered, kRecord).Bytes(), 6 * count);
    ExpectPatchTurns(before, renumbered);
    std::vector<uint8_t> shiftedAndRenumbered(renumbered.begin() + kRecord, renumbered.end());
    shiftedAndRenumbered.insert(shiftedAndRenumbered.end(), before.end() - kRecord, before.end());
    EXPECT_LT(RecordPatch::Between(before, shiftedAndRenumbered, kRecord).Bytes(), 6 * count);
    ExpectPatchTurns(before, shiftedAndRenumbered);
}

TEST(RecordPatch, TablesOfAnotherShapeAreLeftAlone) {
    const std::vector<uint8_t> a(88, 1);
    const std::vector<uint8_t> b(88, 2);
    EXPECT_TRUE(RecordPatch::Between(a, std::vector<uint8_t>(44, 2), kRecord).Empty());
    EXPECT_TRUE(RecordPatch::Between(a, b, 0).Empty());
    EXPECT_TRUE(RecordPatch::Between(a, b, 256).Empty());
    EXPECT_TRUE(
        RecordPatch::Between(std::vector<uint8_t>(45, 1), std::vector<uint8_t>(45, 2), kRecord)
            .Empty());
    const RecordPatch patch = RecordPatch::Between(a, b, kRecord);
    std::vector<uint8_t> other(132, 1);
    patch.Apply(other);
    EXPECT_EQ(other, std::vector<uint8_t>(132, 1));
    // A table of one record of one byte: the loaded flag.
    const std::vector<uint8_t> no{0};
    const std::vector<uint8_t> yes{1};
    ExpectPatchTurns(no, yes, 1);
    ExpectPatchTurns(yes, no, 1);
}

}  // namespace
}  // namespace zev
