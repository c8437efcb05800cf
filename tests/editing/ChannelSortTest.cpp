#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "EditingTestSupport.h"
#include "database/RecordName.h"
#include "editing/ChannelSort.h"
#include "editing/NaturalOrder.h"

namespace zev {
namespace {

using testing::MakeDatabase;
using testing::SetName;

// The natural order written the plain way: a name becomes a list of tokens (a number with its
// digit count, or a folded text run), compared as tuples.
struct NumberRun {
    unsigned long long value;
    std::size_t digits;
};
using Token = std::variant<NumberRun, std::string>;

char Lower(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool upper =
        (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
    return upper ? static_cast<char>(byte + 32) : c;
}

std::vector<Token> Tokens(const std::string& name) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < name.size()) {
        const bool digits = std::isdigit(static_cast<unsigned char>(name[i])) != 0;
        std::size_t end = i;
        while (end < name.size() &&
               (std::isdigit(static_cast<unsigned char>(name[end])) != 0) == digits) {
            ++end;
        }
        const std::string run = name.substr(i, end - i);
        if (digits) {
            tokens.emplace_back(NumberRun{std::stoull(run), run.size()});
        } else {
            std::string folded;
            for (const char c : run) folded += Lower(c);
            tokens.emplace_back(folded);
        }
        i = end;
    }
    return tokens;
}

bool TokenLess(const Token& a, const Token& b) {
    const auto* na = std::get_if<NumberRun>(&a);
    const auto* nb = std::get_if<NumberRun>(&b);
    if (na && nb) return std::tie(na->value, na->digits) < std::tie(nb->value, nb->digits);
    const auto* ta = std::get_if<std::string>(&a);
    const auto* tb = std::get_if<std::string>(&b);
    if (ta && tb) {
        return std::lexicographical_compare(
            ta->begin(), ta->end(), tb->begin(), tb->end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    }
    // A number against text: where its digits stand among the bytes.
    const unsigned char first = na ? '0' : static_cast<unsigned char>((*ta)[0]);
    const unsigned char other = nb ? '0' : static_cast<unsigned char>((*tb)[0]);
    return first < other;
}

bool ReferenceNameLess(const std::string& a, const std::string& b) {
    const std::vector<Token> x = Tokens(a);
    const std::vector<Token> y = Tokens(b);
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), TokenLess);
}

TEST(NaturalOrder, NumbersByValueLettersWithoutCase) {
    EXPECT_LT(CompareNatural("News 2", "News 10"), 0);
    EXPECT_GT(CompareNatural("News 10", "News 2"), 0);
    EXPECT_LT(CompareNatural("7", "007"), 0);  // same value: the shorter first
    EXPECT_LT(CompareNatural("News", "News 2"), 0);
    EXPECT_EQ(CompareNatural("ARD", "ard"), 0);
    EXPECT_EQ(CompareNatural("\xC0rte", "\xE0RTE"), 0);  // À and à
    EXPECT_EQ(CompareNatural("\xDE", "\xFE"), 0);        // Þ and þ
    EXPECT_NE(CompareNatural("\xD7", "\xF7"), 0);        // × is no letter: not ÷
    EXPECT_LT(CompareNatural("\xDF", "\xE0"), 0);        // ß stays as it is
    EXPECT_LT(CompareNatural("Pro7", "Pro 7"), 0);
    EXPECT_LT(CompareNatural("99999999999999999999", "100000000000000000000"), 0);
    EXPECT_TRUE(EqualFolded("Das Erste", "DAS ERSTE"));
    EXPECT_FALSE(EqualFolded("Das Erste", "Das Erste "));
}

class Random {
  public:
    explicit Random(unsigned seed) : engine_(seed) {}
    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_);
    }
    // Names from a few letters of both cases, digits (with leading zeros) and Latin-1 bytes,
    // so that equal names, equal numbers of other lengths and folded letters all turn up.
    std::string Name() {
        static const std::string kBytes = "aAbB 0017-\xC0\xE0\xD7\xF7\xDE\xFE\xDF.";
        std::string name;
        const std::size_t length = Below(8);
        for (std::size_t i = 0; i < length; ++i) name += kBytes[Below(kBytes.size())];
        return name;
    }

  private:
    std::mt19937 engine_;
};

// Both lists filled with channels on few transponders (some missing), so every key has ties.
std::unique_ptr<ChannelDatabase> RandomDatabase(Random& random) {
    auto db = MakeDatabase();
    testing::AddSatellite(*db, "ONE");
    testing::AddSatellite(*db, "TWO");
    for (int i = 0; i < 6; ++i) {
        testing::AddTransponder(*db, static_cast<uint8_t>(1 + random.Below(2)),
                                static_cast<uint16_t>(11000 + 100 * random.Below(3)));
        db->transponders[i].Polarization = static_cast<uint8_t>(random.Below(3));  // 2 is "V"
    }
    const std::size_t tv = 1 + random.Below(60);
    const std::size_t radio = random.Below(20);
    for (std::size_t i = 0; i < tv + radio; ++i) {
        const auto tp = static_cast<uint16_t>(random.Below(8));  // 0 and 7 name no transponder
        if (i < tv) {
            testing::AddTv(*db, tp, random.Name());
        } else {
            testing::AddRadio(*db, tp, random.Name());
        }
        ChannelEntry& c = i < tv ? db->Tv(i) : db->Radio(i - tv);
        c.ServiceID = static_cast<uint16_t>(random.Below(4));
        c.NetworkID = static_cast<uint16_t>(i);  // tells equal-looking channels apart
    }
    return db;
}

// Whether `a` goes before `b` under the key, written out as tuples; channels on no transponder
// are last for the transponder keys, whatever the direction.
bool ReferenceLess(const ChannelDatabase& db, const ChannelEntry& a, const ChannelEntry& b,
                   ChannelSortOrder order) {
    if (order.descending && order.key != ChannelSortKey::Satellite &&
        order.key != ChannelSortKey::Frequency) {
        return ReferenceLess(db, b, a, {order.key, false});
    }
    auto tp = [&](const ChannelEntry& c) -> const TransponderEntry* {
        return c.TpNumber >= 1 && c.TpNumber <= db.header.TpCount ? &db.transponders[c.TpNumber - 1]
                                                                  : nullptr;
    };
    auto key = [&](const ChannelEntry& c) {
        const TransponderEntry* t = tp(c);
        const int pol = t && t->Polarization != 0 ? 1 : 0;
        if (order.key == ChannelSortKey::Satellite) {
            return std::make_tuple(t ? t->Sat : 0, t ? t->Frequency : 0, pol, c.ServiceID);
        }
        return std::make_tuple(0, t ? t->Frequency : 0, pol, c.ServiceID);
    };
    switch (order.key) {
        case ChannelSortKey::Name:
            return ReferenceNameLess(NameBytes(a.Name), NameBytes(b.Name));
        case ChannelSortKey::ServiceId:
            return a.ServiceID < b.ServiceID;
        case ChannelSortKey::Satellite:
        case ChannelSortKey::Frequency:
            break;
    }
    if ((tp(a) == nullptr) != (tp(b) == nullptr)) return tp(b) == nullptr;
    if (tp(a) == nullptr) return false;
    return order.descending ? key(b) < key(a) : key(a) < key(b);
}

std::vector<ChannelEntry> List(const ChannelDatabase& db, bool tv) {
    std::vector<ChannelEntry> list;
    const std::size_t rows = tv ? db.header.TvCount : db.header.RadioCount;
    for (std::size_t row = 0; row < rows; ++row) list.push_back(tv ? db.Tv(row) : db.Radio(row));
    return list;
}

TEST(ChannelSort, EqualsAStableSortByTheReferenceOrderOnTheChosenPlacesOnly) {
    Random random(4711);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        auto db = RandomDatabase(random);
        const bool tv = random.Below(2) == 0;
        const ChannelSortOrder order{static_cast<ChannelSortKey>(random.Below(4)),
                                     random.Below(2) == 0};
        const std::vector<ChannelEntry> before = List(*db, tv);
        const std::vector<ChannelEntry> other = List(*db, !tv);
        const auto transponders = db->transponders;
        const DatabaseHeader header = db->header;

        // The whole list, or a few places of it (given in any order, one twice).
        std::vector<std::size_t> places;
        const bool whole = random.Below(3) == 0;
        for (std::size_t row = 0; row < before.size(); ++row) {
            if (whole || random.Below(3) == 0) places.push_back(row);
        }
        std::vector<std::size_t> given = places;
        std::shuffle(given.begin(), given.end(), std::mt19937(round));
        if (!given.empty()) given.push_back(given.front());
        given.push_back(before.size() + 3);  // beyond the list: ignored

        if (whole && random.Below(2) == 0) {
            EXPECT_EQ(SortChannelList(*db, tv, order), before.size());
        } else {
            SortChannelsAt(*db, tv, given, order);
        }

        std::vector<ChannelEntry> chosen;
        for (const std::size_t row : places) chosen.push_back(before[row]);
        std::stable_sort(chosen.begin(), chosen.end(), [&](const auto& a, const auto& b) {
            return ReferenceLess(*db, a, b, order);
        });
        std::vector<ChannelEntry> expected = before;
        for (std::size_t k = 0; k < places.size(); ++k) expected[places[k]] = chosen[k];
        const std::vector<ChannelEntry> after = List(*db, tv);
        ASSERT_EQ(after.size(), expected.size());
        for (std::size_t row = 0; row < after.size(); ++row) {
            ASSERT_EQ(after[row], expected[row])
                << "row " << row << ": " << NameBytes(after[row].Name) << " instead of "
                << NameBytes(expected[row].Name);
        }
        EXPECT_TRUE(List(*db, !tv) == other);
        EXPECT_TRUE(db->transponders == transponders);
        EXPECT_EQ(db->header, header);
    }
}

TEST(ChannelSort, KeysAreNamedAsTheCommandLineNamesThem) {
    EXPECT_EQ(SortKeyNamed("name"), ChannelSortKey::Name);
    EXPECT_EQ(SortKeyNamed("sat"), ChannelSortKey::Satellite);
    EXPECT_EQ(SortKeyNamed("freq"), ChannelSortKey::Frequency);
    EXPECT_EQ(SortKeyNamed("sid"), ChannelSortKey::ServiceId);
    EXPECT_FALSE(SortKeyNamed("Name"));
}

}  // namespace
}  // namespace zev
