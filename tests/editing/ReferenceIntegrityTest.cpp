// Whatever the lists do to satellites and transponders, every reference keeps naming the
// record it named before, or its referring record is gone with what it referred to; also
// when the TV and radio areas share slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <set>

#include "EditingTestSupport.h"
#include "editing/ListEditRules.h"
#include "editing/RecordLinks.h"
#include "editing/ReferenceRenumbering.h"

namespace zev {
namespace {

// Every record carries an id of its own and the id of the record it refers to:
// satellite id in Lnblow; transponder id in Symbol, its satellite's id in TransID;
// channel id in ServiceID, its transponder's id in NetworkID.
class IntegrityRun {
  public:
    // `overlapping`: the run may lower the channel capacity below the channels in use, as a
    // smaller flash setting does, so that the TV and radio areas share slots.
    IntegrityRun(uint32_t seed, bool overlapping)
        : rng_(seed), db_(testing::MakeDatabase()), overlapping_(overlapping) {}

    void Step() {
        switch (Pick(0, overlapping_ ? 8 : 7)) {
            case 0:
                InsertSatellite();
                break;
            case 1:
                DeleteSatellite();
                break;
            case 2:
            case 3:
                InsertTransponder();
                break;
            case 4:
                DeleteTransponder();
                break;
            case 5:
                AddChannels();
                break;
            case 6:
                DragTransponders();
                break;
            case 7:
                DragSatellites();
                break;
            case 8:
                ShareSlots();
                break;
        }
    }

    // Checks every reference against the ids, and that exactly the expected records survive.
    void Check() const {
        std::map<uint16_t, uint16_t> satOfTp;  // transponder id -> satellite id, as found
        for (std::size_t i = 0; i < db_->header.TpCount; ++i) {
            const TransponderEntry& tp = db_->transponders[i];
            const SatelliteEntry* sat = SatelliteOf(*db_, tp);
            ASSERT_NE(sat, nullptr);
            ASSERT_EQ(sat->Lnblow, tp.TransID) << "transponder " << tp.Symbol;
            satOfTp[tp.Symbol] = tp.TransID;
        }
        std::map<uint16_t, uint16_t> tpOfChannel;
        for (std::size_t slot : ChannelSlotsInUse(*db_)) {
            const ChannelEntry& ch = db_->channels[slot];
            ASSERT_GE(ch.TpNumber, 1);
            ASSERT_LE(ch.TpNumber, db_->header.TpCount);
            ASSERT_EQ(db_->transponders[ch.TpNumber - 1u].Symbol, ch.NetworkID)
                << "channel " << ch.ServiceID;
            tpOfChannel[ch.ServiceID] = ch.NetworkID;
        }
        ASSERT_EQ(satOfTp, liveTransponders_);
        ASSERT_EQ(tpOfChannel, liveChannels_);
        std::vector<uint16_t> sats;
        for (std::size_t i = 0; i < db_->header.SatCount; ++i) {
            sats.push_back(db_->satellites[i].Lnblow);
        }
        std::sort(sats.begin(), sats.end());
        ASSERT_EQ(sats, std::vector<uint16_t>(liveSatellites_.begin(), liveSatellites_.end()));
    }

  private:
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    bool AreasOverlap() const {
        const DatabaseHeader& h = db_->header;
        return h.TvCount + h.RadioCount > h.ChannelCapacity;
    }

    // Lowers the capacity so that the areas overlap. The radio list keeps its channels where
    // its slots are no TV slots; where they are, it shows the TV channel there.
    void ShareSlots() {
        DatabaseHeader& h = db_->header;
        if (h.TvCount == 0 || h.RadioCount == 0 || AreasOverlap()) return;
        const std::size_t oldCapacity = h.ChannelCapacity;
        const auto capacity =
            std::size_t(Pick(std::max(h.TvCount, h.RadioCount), h.TvCount + h.RadioCount - 1));
        for (std::size_t row = 0; row < h.RadioCount; ++row) {
            const std::size_t slot = capacity - 1 - row;
            if (slot >= h.TvCount) db_->channels[slot] = db_->channels[oldCapacity - 1 - row];
        }
        h.ChannelCapacity = uint16_t(capacity);
        liveChannels_.clear();
        for (std::size_t slot : DistinctChannelSlotsInUse(*db_)) {
            liveChannels_[db_->channels[slot].ServiceID] = db_->channels[slot].NetworkID;
        }
    }

    void InsertSatellite() {
        if (db_->header.SatCount >= SatelliteLimit(db_->header)) return;
        SatelliteEntry sat;
        sat.Lnblow = ++lastId_;
        db_->InsertSatellite(std::size_t(Pick(0, db_->header.SatCount)), sat);
        liveSatellites_.insert(sat.Lnblow);
    }

    // As the Satellite List deletes: Delete All of its transponders first, when it has any.
    void DeleteSatellite() {
        if (db_->header.SatCount == 0) return;
        const auto position = std::size_t(Pick(0, db_->header.SatCount - 1));
        const uint16_t id = db_->satellites[position].Lnblow;
        if (!TranspondersOfSatellite(*db_, position).empty()) {
            // Removing channels from areas that share slots has no meaning of its own.
            if (AreasOverlap()) return;
            db_->DeleteTranspondersOfSatellite(uint8_t(position + 1));
            for (auto it = liveTransponders_.begin(); it != liveTransponders_.end();) {
                it = it->second == id ? DropTransponder(it) : std::next(it);
            }
        }
        db_->DeleteSatellite(position);
        liveSatellites_.erase(id);
    }

    std::map<uint16_t, uint16_t>::iterator DropTransponder(
        std::map<uint16_t, uint16_t>::iterator it) {
        std::erase_if(liveChannels_, [&](const auto& entry) { return entry.second == it->first; });
        return liveTransponders_.erase(it);
    }

    void InsertTransponder() {
        if (db_->header.SatCount == 0 || db_->header.TpCount >= 300) return;
        TransponderEntry tp;
        tp.Symbol = ++lastId_;
        tp.Sat = uint8_t(Pick(1, db_->header.SatCount));
        tp.TransID = db_->satellites[tp.Sat - 1u].Lnblow;
        db_->InsertTransponder(std::size_t(Pick(0, db_->header.TpCount)), tp);
        liveTransponders_[tp.Symbol] = tp.TransID;
    }

    // As the Transponder List deletes: Delete All of its channels first, when it has any.
    void DeleteTransponder() {
        if (db_->header.TpCount == 0) return;
        const auto position = std::size_t(Pick(0, db_->header.TpCount - 1));
        if (!ChannelsOfTransponder(*db_, position).empty()) {
            if (AreasOverlap()) return;
            db_->DeleteChannelsOfTransponder(uint16_t(position + 1));
        }
        DropTransponder(liveTransponders_.find(db_->transponders[position].Symbol));
        db_->DeleteTransponder(position);
    }

    void AddChannels() {
        if (db_->header.TpCount == 0) return;
        for (int n = Pick(1, 20); n > 0; --n) {
            if (db_->header.TvCount + db_->header.RadioCount >= db_->header.ChannelCapacity) return;
            const auto tp = uint16_t(Pick(1, db_->header.TpCount));
            if (Pick(0, 1) == 0) {
                testing::AddTv(*db_, tp);
            } else {
                testing::AddRadio(*db_, tp);
            }
        }
        // The new channels are the ones without an id yet.
        for (std::size_t slot : ChannelSlotsInUse(*db_)) {
            ChannelEntry& ch = db_->channels[slot];
            if (ch.ServiceID != 0) continue;
            ch.ServiceID = ++lastId_;
            ch.NetworkID = db_->transponders[ch.TpNumber - 1u].Symbol;
            liveChannels_[ch.ServiceID] = ch.NetworkID;
        }
    }

    std::vector<int> Shuffled(std::size_t count) {
        std::vector<int> numbers(count);
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), rng_);
        return numbers;
    }

    void DragTransponders() { RebuildTransponderTable(*db_, Shuffled(db_->header.TpCount)); }
    void DragSatellites() { RebuildSatelliteTable(*db_, Shuffled(db_->header.SatCount)); }

    std::mt19937 rng_;
    std::unique_ptr<ChannelDatabase> db_;
    bool overlapping_;
    uint16_t lastId_ = 0;
    std::set<uint16_t> liveSatellites_;
    std::map<uint16_t, uint16_t> liveTransponders_;  // id -> satellite id
    std::map<uint16_t, uint16_t> liveChannels_;      // id -> transponder id
};

TEST(ReferenceIntegrity, SurvivesRandomInsertsDeletesAndDrags) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        IntegrityRun run(seed, seed % 2 == 0);
        for (int step = 0; step < 150; ++step) {
            run.Step();
            ASSERT_NO_FATAL_FAILURE(run.Check()) << "seed " << seed << " step " << step;
        }
    }
}

}  // namespace
}  // namespace zev
