// The reports on a full database (255 satellites, 5000 transponders, 6000 TV and 4000 radio
// channels), offscreen: the check report with about 12,000 findings checked and shown, the
// duplicates of the TV list selected in the list, the comparison window with about 3,000
// differences, and the TV list printed as a table into a PDF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <memory>

#include "BenchGui.h"
#include "BenchSupport.h"
#include "app/CCheckReportDlg.h"
#include "app/CCompareDlg.h"
#include "app/DiffTreeModel.h"
#include "app/TablePages.h"
#include "database/ChannelDatabase.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "lists/CZuzeListViewView.h"

namespace {

// Every channel without PIDs (a warning each) and every tenth a duplicate of the one before.
std::unique_ptr<zev::ChannelDatabase> FullDatabase() {
    auto db = bench::FullDatabase();
    for (std::size_t i = 0; i < db->header.TpCount; ++i) db->transponders[i].Symbol = 27500;
    bench::RepeatEveryNth(*db, 10);
    return db;
}

std::unique_ptr<zev::ChannelDatabase> EditedCopy(const zev::ChannelDatabase& db) {
    auto copy = bench::CopyOf(db);
    for (std::size_t i = 0; i < 6000; i += 5) copy->channels[i].APID = 1;
    for (std::size_t i = 0; i < 5000; i += 50) std::swap(copy->channels[i], copy->channels[i + 7]);
    return copy;
}

bench::SilentPrompts prompts;

void BM_CheckAndShowReport(benchmark::State& state) {
    const auto db = FullDatabase();
    CCheckReportDlg report;
    std::size_t findings = 0;
    for (auto _ : state) {
        report.ShowResult(zev::CheckDatabase(*db), "the user block (.stc)");
        report.show();
        QApplication::processEvents();
        findings = report.Result().findings.size();
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckAndShowReport)->Unit(benchmark::kMillisecond);

void BM_SelectDuplicatesInTheList(benchmark::State& state) {
    const auto db = FullDatabase();
    const std::vector<std::size_t> rows = DuplicateChannelRows(zev::CheckDatabase(*db), true);
    CZuzeListViewView list(*db, false, prompts);
    list.resize(1000, 700);
    list.Refill(true, false);
    list.show();
    QApplication::processEvents();
    for (auto _ : state) {
        list.SelectRows(rows);
        QApplication::processEvents();
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_SelectDuplicatesInTheList)->Unit(benchmark::kMillisecond);

void BM_CompareWindow(benchmark::State& state) {
    const auto db = FullDatabase();
    const auto edited = EditedCopy(*db);
    std::size_t differences = 0;
    for (auto _ : state) {
        CCompareDlg dialog(
            [&](bool fileToList) {
                return fileToList ? zev::DiffDatabases(*edited, *db)
                                  : zev::DiffDatabases(*db, *edited);
            },
            "edited.stc");
        dialog.show();
        QApplication::processEvents();
        differences = dialog.Model().Diff().records.size();
    }
    state.counters["differences"] = static_cast<double>(differences);
}
BENCHMARK(BM_CompareWindow)->Unit(benchmark::kMillisecond);

void BM_PrintTvListToPdf(benchmark::State& state) {
    const auto db = FullDatabase();
    CZuzeListViewView list(*db, false, prompts);
    list.Refill(true, false);
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        QPdfWriter pdf(dir.filePath("list.pdf"));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pages = PaintTable(pdf, list.Rows(), "TV Channel List", "today");
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintTvListToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

ZEV_GUI_BENCHMARK_MAIN()
