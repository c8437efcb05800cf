// Undo, redo and the channel filter on a full database: 10,000 channel slots (8,000 TV and
// 2,000 radio channels), 5,000 transponders and 255 satellites.
//
// 1. The history alone: recording, undoing and redoing one step of each kind of change.
// 2. Undo and redo as the program does them with the TV list shown: the step, the refill of
//    the list and the paint after it.
// 3. The memory 200 steps of history take: a mix of changes, 200 changes that renumber every
//    channel's transponder, and 200 whole-database replacements (opening images), with the
//    resident memory the process grew by.
// 4. The filter box: each keystroke of typing, deleting and clearing a filter text, from the key
//    to the first paint after it.
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench_gui_undo_filter
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "BenchGui.h"
#include "BenchSupport.h"
#include "database/ChannelDatabase.h"
#include "editing/ChannelListEditor.h"
#include "editing/DatabaseHistory.h"
#include "editing/ReferenceRenumbering.h"
#include "lists/CZuzeListViewView.h"
#include "lists/ChannelListPane.h"

namespace {

constexpr int kRuns = 9;
constexpr std::size_t kTv = 8000;
constexpr std::size_t kRadio = 2000;
constexpr std::size_t kTransponders = 5000;
constexpr std::size_t kSatellites = 255;

void Name(std::array<char, zev::kNameFieldSize>& field, const std::string& text) {
    field.fill('\0');
    text.copy(field.data(), zev::kNameFieldSize - 1);
}

// Every slot and every transponder in use, with values that differ from record to record.
void FillFull(zev::ChannelDatabase& db, unsigned seed) {
    std::mt19937 random(seed);
    zev::DatabaseHeader& h = db.header;
    h.SatCapacity = kSatellites;
    h.TpCapacity = kTransponders;
    h.ChannelCapacity = zev::kMaxChannelSlots;
    h.SatCount = kSatellites;
    h.TpCount = kTransponders - 10;  // room for new transponders
    h.TvCount = kTv;
    h.RadioCount = kRadio;
    for (std::size_t s = 0; s < kSatellites; ++s) {
        Name(db.satellites[s].Name, "SAT " + std::to_string(s + 1));
        db.satellites[s].Lnblow = 9750;
        db.satellites[s].Lnbhigh = 10600;
    }
    for (std::size_t t = 0; t < kTransponders; ++t) {
        zev::TransponderEntry& tp = db.transponders[t];
        tp.Sat = static_cast<uint8_t>(1 + t % kSatellites);
        tp.Frequency = static_cast<uint16_t>(10700 + random() % 2000);
        tp.Polarization = static_cast<uint8_t>(random() % 2);
        tp.Symbol = 27500;
        tp.TransID = static_cast<uint16_t>(random());
    }
    for (std::size_t slot = 0; slot < zev::kMaxChannelSlots; ++slot) {
        zev::ChannelEntry& c = db.channels[slot];
        const bool radio = slot >= kTv;
        Name(c.Name, (radio ? "Radio " : "Channel ") + std::to_string(random() % 100000));
        c.RadioFlag = radio ? 1 : 0;
        c.TpNumber = static_cast<uint16_t>(1 + random() % (kTransponders - 10));
        c.ServiceID = static_cast<uint16_t>(random());
        c.NetworkID = static_cast<uint16_t>(1 + random() % 100);
        c.VPID = static_cast<uint16_t>(random() % 8192);
        c.APID = static_cast<uint16_t>(random() % 8192);
        c.PCRPID = c.VPID;
        c.TTXPID = static_cast<uint16_t>(random() % 8192);
    }
}

// The rows of a whole list, for the channel editor.
class AllRows : public zev::ChannelRows {
  public:
    AllRows(bool tv, std::size_t count) : tv_(tv), numbers_(count) {
        std::iota(numbers_.begin(), numbers_.end(), 1);
    }
    bool ShowsTv() const override { return tv_; }
    std::size_t RowCount() const override { return numbers_.size(); }
    int RowNumber(std::size_t row) const override { return numbers_[row]; }
    void RewriteRows(std::size_t, std::size_t) override {}
    void RemoveRows(std::span<const std::size_t> rows) override {
        numbers_.resize(numbers_.size() - rows.size());
        std::iota(numbers_.begin(), numbers_.end(), 1);
    }
    void RenumberRows(std::span<const std::size_t> positions) override {
        for (std::size_t r = 0; r < numbers_.size(); ++r) {
            numbers_[r] = static_cast<int>(positions[r] + 1);
        }
    }
    std::vector<int>& Numbers() { return numbers_; }

  private:
    bool tv_;
    std::vector<int> numbers_;
};

// `picked` rows spread over a list of `count` (fewer in a short list), ascending.
std::vector<std::size_t> Spread(std::size_t count, std::size_t picked) {
    picked = std::min(picked, count / 4);
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < picked; ++i) rows.push_back(2 + i * (count - 3) / picked);
    return rows;
}

struct Change {
    const char* name;
    std::function<void(zev::ChannelDatabase&)> apply;
};

std::vector<Change> Changes(const zev::ChannelDatabase& other) {
    return {
        {"Edit one channel", [](zev::ChannelDatabase& db) { db.channels[4000].VPID ^= 0x55; }},
        {"Delete the first TV channel",
         [](zev::ChannelDatabase& db) {
             AllRows rows(true, db.header.TvCount);
             const std::size_t first[] = {0};
             zev::ChannelListEditor(db).DeleteChannels(rows, first);
         }},
        {"Delete 500 spread channels",
         [](zev::ChannelDatabase& db) {
             AllRows rows(true, db.header.TvCount);
             zev::ChannelListEditor(db).DeleteChannels(rows, Spread(db.header.TvCount, 500));
         }},
        {"Drag 500 spread channels to the end",
         [](zev::ChannelDatabase& db) {
             AllRows rows(true, db.header.TvCount);
             const std::vector<std::size_t> picked = Spread(db.header.TvCount, 500);
             std::vector<int>& numbers = rows.Numbers();
             std::vector<int> moved;
             for (auto it = picked.rbegin(); it != picked.rend(); ++it) {
                 moved.insert(moved.begin(), numbers[*it]);
                 numbers.erase(numbers.begin() + static_cast<std::ptrdiff_t>(*it));
             }
             numbers.insert(numbers.end(), moved.begin(), moved.end());
             zev::ChannelListEditor(db).RebuildFromList(rows);
         }},
        {"New transponder first (renumbers all)",
         [](zev::ChannelDatabase& db) {
             // A full table first loses its last transponder, as a person would make room.
             if (db.header.TpCount >= kTransponders) db.DeleteTransponder(db.header.TpCount - 1u);
             db.InsertTransponder(0, db.transponders[7]);
         }},
        {"Delete satellite 1 with its transponders",
         [](zev::ChannelDatabase& db) {
             db.DeleteTranspondersOfSatellite(1);
             db.DeleteSatellite(0);
         }},
        {"Drag transponder 1 below transponder 2",
         [](zev::ChannelDatabase& db) {
             std::vector<int> numbers(db.header.TpCount);
             std::iota(numbers.begin(), numbers.end(), 1);
             std::swap(numbers[0], numbers[1]);
             zev::RebuildTransponderTable(db, numbers);
         }},
        {"Open another full image",
         [&other](zev::ChannelDatabase& db) { bench::CopyDatabase(other, db); }},
    };
}

void HistoryAlone(const zev::ChannelDatabase& other) {
    std::printf("1. One step on the full database, history alone (ms, median of %d)\n", kRuns);
    std::printf("%-42s %8s %8s %8s %10s\n", "", "record", "undo", "redo", "step KiB");
    auto db = std::make_unique<zev::ChannelDatabase>();
    FillFull(*db, 1);
    for (const Change& change : Changes(other)) {
        std::vector<double> record;
        std::vector<double> undo;
        std::vector<double> redo;
        std::size_t bytes = 0;
        for (int run = 0; run < kRuns; ++run) {
            zev::DatabaseHistory history(*db);
            change.apply(*db);
            QElapsedTimer timer;
            timer.start();
            history.Record(change.name);
            record.push_back(bench::Milliseconds(timer));
            bytes = history.StepBytes();
            timer.restart();
            history.Undo();
            undo.push_back(bench::Milliseconds(timer));
            timer.restart();
            history.Redo();
            redo.push_back(bench::Milliseconds(timer));
            history.Undo();  // back to the full database for the next run
        }
        std::printf("%-42s %8.2f %8.2f %8.2f %10.1f\n", change.name, bench::Median(record),
                    bench::Median(undo), bench::Median(redo), static_cast<double>(bytes) / 1024);
    }
}

void UndoInTheList(const zev::ChannelDatabase& other) {
    std::printf(
        "\n2. Undo and redo with the TV list shown: step, refill and paint (ms, median "
        "of %d)\n",
        kRuns);
    auto db = std::make_unique<zev::ChannelDatabase>();
    FillFull(*db, 1);
    bench::SilentPrompts prompts;
    CZuzeListViewView view(*db, false, prompts);
    view.resize(1040, 600);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) std::fprintf(stderr, "not exposed\n");
    view.Refill(true, false);
    view.viewport()->repaint();
    std::printf("%-42s %8s %8s\n", "", "undo", "redo");
    for (const Change& change : Changes(other)) {
        std::vector<double> undo;
        std::vector<double> redo;
        for (int run = 0; run < kRuns; ++run) {
            zev::DatabaseHistory history(*db);
            change.apply(*db);
            history.Record(change.name);
            view.Refill(true, false);
            view.viewport()->repaint();
            QElapsedTimer timer;
            timer.start();
            history.Undo();
            view.Refill(true, false);
            view.viewport()->repaint();
            undo.push_back(bench::Milliseconds(timer));
            timer.restart();
            history.Redo();
            view.Refill(true, false);
            view.viewport()->repaint();
            redo.push_back(bench::Milliseconds(timer));
            history.Undo();
        }
        std::printf("%-42s %8.2f %8.2f\n", change.name, bench::Median(undo), bench::Median(redo));
    }
}

void HistoryMemory(const zev::ChannelDatabase& other) {
    std::printf(
        "\n3. Memory of 200 steps on the full database (limits: 200 steps, 48 MiB of "
        "steps)\n");
    std::printf("%-42s %7s %12s %12s %12s\n", "", "kept", "steps MiB", "+copy MiB", "RSS +MiB");
    const std::vector<Change> changes = Changes(other);
    struct Mix {
        const char* name;
        std::function<const Change&(int)> pick;
    };
    const Mix mixes[] = {
        {"A mix of the changes above",
         [&](int i) -> const Change& {
             return changes[static_cast<std::size_t>(i) % (changes.size() - 1)];
         }},
        {"New transponder first, 200 times", [&](int) -> const Change& { return changes[4]; }},
        {"Open another full image, 200 times", [&](int) -> const Change& { return changes[7]; }},
    };
    for (const Mix& mix : mixes) {
        auto db = std::make_unique<zev::ChannelDatabase>();
        auto second = std::make_unique<zev::ChannelDatabase>();
        FillFull(*db, 1);
        FillFull(*second, 3);
        const long before = bench::ResidentKiB();
        zev::DatabaseHistory history(*db);
        // 200 recorded steps (a change that changed nothing is no step).
        int recorded = 0;
        for (int i = 0; recorded < 200 && i < 1000; ++i) {
            // Replacements alternate between two images, so each one changes everything.
            if (&mix.pick(i) == &changes[7] && i % 2 == 1) {
                bench::CopyDatabase(*second, *db);
            } else {
                mix.pick(i).apply(*db);
            }
            if (history.Record(mix.pick(i).name)) ++recorded;
        }
        const long grown = bench::ResidentKiB() - before;
        std::printf("%-42s %7zu %12.1f %12.1f %12.1f\n", mix.name, history.UndoCount(),
                    static_cast<double>(history.StepBytes()) / (1 << 20),
                    static_cast<double>(history.StepBytes() + zev::DatabaseHistory::CopyBytes()) /
                        (1 << 20),
                    static_cast<double>(grown) / 1024);
    }
}

void FilterKeystrokes() {
    std::printf(
        "\n4. Filter keystrokes on the TV list of 8,000 channels, key to paint (ms, "
        "median of %d)\n",
        kRuns);
    auto db = std::make_unique<zev::ChannelDatabase>();
    FillFull(*db, 1);
    bench::SilentPrompts prompts;
    ChannelListPane pane;
    auto* view = new CZuzeListViewView(*db, false, prompts);
    pane.SetView(view);
    pane.resize(1040, 640);
    pane.show();
    if (!QTest::qWaitForWindowExposed(&pane)) std::fprintf(stderr, "not exposed\n");
    view->Refill(true, false);
    QLineEdit& box = pane.FilterBox();
    // Each keystroke from a given text: the text is set first (not measured).
    struct Key {
        const char* before;
        Qt::Key key;
        const char* label;
    };
    const Key keys[] = {
        {"", Qt::Key_C, "'c' (nearly every channel)"},
        {"c", Qt::Key_H, "'h' after 'c'"},
        {"cha", Qt::Key_N, "'n' after 'cha'"},
        {"channel 4", Qt::Key_7, "'7' after 'channel 4'"},
        {"channel 47", Qt::Key_Backspace, "Backspace after 'channel 47'"},
        {"", Qt::Key_4, "'4' (names and numbers)"},
        {"471", Qt::Key_1, "'1' after '471'"},
        {"channel", Qt::Key_Escape, "Escape (every channel again)"},
    };
    for (const Key& key : keys) {
        std::vector<double> times;
        for (int run = 0; run < kRuns; ++run) {
            box.setText(QString::fromLatin1(key.before));
            view->viewport()->repaint();
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(&box, key.key);
            view->viewport()->repaint();
            times.push_back(bench::Milliseconds(timer));
        }
        std::printf("%-42s %8.2f   (%d rows)\n", key.label, bench::Median(times), view->RowCount());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    auto other = std::make_unique<zev::ChannelDatabase>();
    FillFull(*other, 2);
    HistoryAlone(*other);
    UndoInTheList(*other);
    HistoryMemory(*other);
    FilterKeystrokes();
    return 0;
}
