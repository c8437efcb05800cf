// The Transponder List on a full database (5000 transponders, 10000 channels): opening it,
// and one transponder dragged to the end with the table and channel references rebuilt.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "BenchGui.h"
#include "database/ChannelDatabase.h"
#include "editing/ChangeSink.h"
#include "satellites/CTransponderListDlg.h"

namespace {

class NoChanges : public zev::ChangeSink {
  public:
    void DatabaseChanged(const zev::Translatable&) override {}
};

std::unique_ptr<zev::ChannelDatabase> FullDatabase() {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::DatabaseHeader& h = db->header;
    h.SatCapacity = 160;
    h.SatCount = 160;
    h.TpCapacity = zev::kMaxTransponders;
    h.TpCount = zev::kMaxTransponders;
    h.ChannelCapacity = zev::kMaxChannelSlots;
    h.TvCount = 6000;
    h.RadioCount = 4000;
    for (std::size_t i = 0; i < h.SatCount; ++i) db->satellites[i].Name = {'S', 'A', 'T'};
    for (std::size_t i = 0; i < h.TpCount; ++i) {
        db->transponders[i].Sat = static_cast<uint8_t>(1 + i % h.SatCount);
        db->transponders[i].Frequency = static_cast<uint16_t>(10700 + i % 2000);
        db->transponders[i].Symbol = 27500;
        db->transponders[i].TransID = static_cast<uint16_t>(i);
    }
    for (std::size_t i = 0; i < zev::kMaxChannelSlots; ++i) {
        db->channels[i].TpNumber = static_cast<uint16_t>(1 + i % h.TpCount);
    }
    return db;
}

bench::SilentPrompts prompts;
NoChanges changes;

void BM_OpenTransponderList(benchmark::State& state) {
    const auto db = FullDatabase();
    for (auto _ : state) {
        CTransponderListDlg dialog(*db, prompts, changes);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(record_list::RowCount(dialog.List()));
    }
}
BENCHMARK(BM_OpenTransponderList)->Unit(benchmark::kMillisecond);

QPoint RowPoint(const RecordListControl& list, int row) { return list.RowRect(row).center(); }

// One transponder dragged with the mouse two rows down: the list control moves the row, then
// rebuilds the table, the channels' references and every row's text.
void BM_DragOneTransponder(benchmark::State& state) {
    const auto db = FullDatabase();
    CTransponderListDlg dialog(*db, prompts, changes);
    dialog.show();
    QApplication::processEvents();
    RecordListControl& list = dialog.List();
    QWidget* viewport = list.viewport();
    for (auto _ : state) {
        record_list::SelectRow(list, 0);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(list, 0));
        QTest::mouseMove(viewport, RowPoint(list, 0) + QPoint(0, 12));
        QTest::mouseMove(viewport, RowPoint(list, 2));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(list, 2));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DragOneTransponder)->Unit(benchmark::kMillisecond);

}  // namespace

ZEV_GUI_BENCHMARK_MAIN()
