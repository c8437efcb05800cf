// The channel list's commands on a 10,000-slot database, offscreen with the list shown: refill,
// edit, new and move of one row, and delete, move and drag of 500 rows, each measured from the
// command to the first paint after it. Prints the median of several runs in milliseconds for
// lists of 1,000, 9,000 and 10,000 rows.
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench_lists
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "BenchGui.h"
#include "BenchSupport.h"
#include "database/ChannelDatabase.h"
#include "lists/CZuzeListViewView.h"

namespace {

constexpr int kRuns = 9;
constexpr int kSelected = 500;

// Every dialog ends with OK at once; nothing else is asked.
class AcceptingPrompts : public bench::SilentPrompts {
  public:
    int RunDialog(QDialog& dialog) override {
        dialog.accept();
        return dialog.result();
    }
};

void Fill(zev::ChannelDatabase& db, int tvChannels) {
    zev::DatabaseHeader& h = db.header;
    h.ChannelCapacity = 10000;
    h.SatCount = 4;
    h.TpCount = 200;
    h.TvCount = static_cast<uint16_t>(tvChannels);
    h.RadioCount = 0;
    for (std::size_t i = 0; i < 4; ++i) db.satellites[i].Name = {'S', 'A', 'T', char('1' + i)};
    for (std::size_t i = 0; i < 200; ++i) {
        db.transponders[i].Sat = static_cast<uint8_t>(1 + i % 4);
        db.transponders[i].Frequency = static_cast<uint16_t>(10700 + i);
    }
    for (std::size_t i = 0; i < 10000; ++i) {
        zev::ChannelEntry& c = db.channels[i];
        c.Name = {'C', 'H', char('0' + i % 10), char('0' + i / 10 % 10)};
        c.TpNumber = static_cast<uint16_t>(1 + i % 200);
        c.VPID = static_cast<uint16_t>(i % 8192);
        c.ServiceID = static_cast<uint16_t>(i);
    }
}

struct Timing {
    double median = 0;
    double best = 0;
};

Timing Summary(const std::vector<double>& values) {
    return {bench::Median(values), *std::min_element(values.begin(), values.end())};
}

// The list with the Channel Edit dialog left out: it answers OK at once with a changed name.
class ListWithoutDialog : public CZuzeListViewView {
  public:
    using CZuzeListViewView::CZuzeListViewView;

  protected:
    bool RunEditDialog(zev::ChannelEntry& record) override {
        record.Name = {'E', 'D', 'I', 'T', char('0' + ++edits_ % 10)};
        return true;
    }

  private:
    int edits_ = 0;
};

class Bench {
  public:
    explicit Bench(int rows) : rows_(rows) {
        Fill(*db_, rows);
        view_ = std::make_unique<ListWithoutDialog>(*db_, false, prompts_);
        view_->resize(1040, 600);
        view_->show();
        if (!QTest::qWaitForWindowExposed(view_.get())) std::fprintf(stderr, "not exposed\n");
        view_->Refill(true, false);
        Paint();
    }

    // Runs `prepare` (not measured), then `command` and the paint after it; in ms.
    Timing Measure(const std::function<void()>& prepare, const std::function<void()>& command) {
        std::vector<double> times;
        for (int run = 0; run < kRuns; ++run) {
            Fill(*db_, rows_);
            view_->Refill(true, false);
            view_->clearSelection();
            prepare();
            Paint();
            QElapsedTimer timer;
            timer.start();
            command();
            Paint();
            times.push_back(bench::Milliseconds(timer));
        }
        return Summary(times);
    }

    CZuzeListViewView& View() { return *view_; }
    zev::ChannelDatabase& Db() { return *db_; }
    AcceptingPrompts& Prompts() { return prompts_; }
    int Rows() const { return rows_; }

    void Paint() { view_->viewport()->repaint(); }
    QPoint RowPoint(int row) const { return QPoint(20, view_->RowRect(row).center().y()); }
    // Every (rows / 500)-th row, starting at a visible one.
    void SelectSpread() {
        const int step = rows_ / kSelected;
        for (int i = 0; i < kSelected; ++i) view_->SetRowSelected(2 + i * step, true);
    }

  private:
    int rows_;
    std::unique_ptr<zev::ChannelDatabase> db_ = std::make_unique<zev::ChannelDatabase>();
    AcceptingPrompts prompts_;
    std::unique_ptr<CZuzeListViewView> view_;
};

struct Figures {
    Timing refill, edit, newChannel, moveOne, deleteMany, moveMany, dragMany;
};

Figures Run(int rows) {
    Bench bench(rows);
    CZuzeListViewView& view = bench.View();
    const int middle = rows / 2;
    Figures f{};
    bool hex = false;
    f.refill = bench.Measure([] {},
                             [&] {
                                 hex = !hex;
                                 view.Refill(true, hex);
                             });
    f.edit = bench.Measure([&] { view.SetRowSelected(middle, true); },
                           [&] { view.OnPopupCommand(CZuzeListViewView::kEditChannel); });
    if (rows < 10000) {
        f.newChannel = bench.Measure([&] { view.SetRowSelected(middle, true); },
                                     [&] { view.OnPopupCommand(CZuzeListViewView::kNewChannel); });
    }
    f.moveOne = bench.Measure([&] { view.SetRowSelected(rows - 1, true); },
                              [&] {
                                  view.OnPopupCommand(CZuzeListViewView::kMoveChannel);
                                  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                                                    bench.RowPoint(3));
                              });
    f.deleteMany = bench.Measure([&] { bench.SelectSpread(); },
                                 [&] { view.OnPopupCommand(CZuzeListViewView::kDeleteChannel); });
    f.moveMany = bench.Measure([&] { bench.SelectSpread(); },
                               [&] {
                                   view.OnPopupCommand(CZuzeListViewView::kMoveChannel);
                                   QTest::mouseClick(view.viewport(), Qt::LeftButton,
                                                     Qt::NoModifier, bench.RowPoint(5));
                               });
    f.dragMany = bench.Measure(
        [&] { bench.SelectSpread(); },
        [&] {
            QWidget* viewport = view.viewport();
            QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, bench.RowPoint(2));
            QTest::mouseMove(viewport, bench.RowPoint(2) + QPoint(0, 12));
            QTest::mouseMove(viewport, bench.RowPoint(9));
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, bench.RowPoint(9));
        });
    return f;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // "bench_gui_lists N" measures only lists of N rows (for profiling).
    if (argc > 1) {
        const Figures f = Run(std::atoi(argv[1]));
        std::printf("move one %.2f, drag 500 %.2f\n", f.moveOne.median, f.dragMany.median);
        return 0;
    }
    const int sizes[] = {1000, 9000, 10000};
    Figures figures[3];
    for (int i = 0; i < 3; ++i) figures[i] = Run(sizes[i]);

    struct Row {
        const char* name;
        Timing Figures::*field;
    };
    const Row table[] = {
        {"Refill (hex toggle), with paint", &Figures::refill},
        {"Edit one row, without the dialog", &Figures::edit},
        {"New one row, without the dialog", &Figures::newChannel},
        {"Move one row (last row to row 4)", &Figures::moveOne},
        {"Delete 500 selected rows", &Figures::deleteMany},
        {"Move 500 selected rows", &Figures::moveMany},
        {"Drag 500 rows, with rebuild", &Figures::dragMany},
    };
    std::printf("ms, median (best) of %d runs\n", kRuns);
    std::printf("%-36s %15s %15s %15s %9s\n", "", "1,000 rows", "9,000 rows", "10,000 rows",
                "10k / 1k");
    for (const Row& row : table) {
        const Timing small = figures[0].*row.field;
        const Timing middle = figures[1].*row.field;
        const Timing large = figures[2].*row.field;
        char columns[3][32];
        for (int i = 0; i < 3; ++i) {
            const Timing t = figures[i].*row.field;
            if (t.median > 0) {
                std::snprintf(columns[i], sizeof columns[i], "%6.2f (%5.2f)", t.median, t.best);
            } else {
                std::snprintf(columns[i], sizeof columns[i], "%15s", "full");
            }
        }
        const double ratio = large.median > 0 ? large.median / std::max(small.median, 0.001)
                                              : middle.median / std::max(small.median, 0.001);
        std::printf("%-36s %15s %15s %15s %9.1f\n", row.name, columns[0], columns[1], columns[2],
                    ratio);
    }
    return 0;
}
