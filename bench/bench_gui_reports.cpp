// The reports on a full database (255 satellites, 5000 transponders, 6000 TV and 4000 radio
// channels), offscreen: the check report with about 12,000 findings checked and shown, the
// duplicates of the TV list selected in the list, the comparison window with about 3,000
// differences, and the TV list printed as a table into a PDF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/CCheckReportDlg.h"
#include "app/CCompareDlg.h"
#include "app/DiffTreeModel.h"
#include "app/TablePages.h"
#include "database/ChannelDatabase.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "lists/CZuzeListViewView.h"
#include "ui/UiPrompts.h"

namespace {

class SilentPrompts : public UiPrompts {
  public:
    zev::MsgAnswer Message(const QString&, const QString&, zev::MsgIcon, zev::MsgButtons,
                           zev::MsgAnswer answer) override {
        return answer;
    }
    std::optional<QString> OpenFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> SaveFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QFont> ChooseFont(const QFont&) override { return std::nullopt; }
    int RunDialog(QDialog&) override { return 0; }
};

// Every channel without PIDs (a warning each) and every tenth a duplicate of the one before.
std::unique_ptr<zev::ChannelDatabase> FullDatabase() {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::DatabaseHeader& h = db->header;
    h.SatCapacity = h.SatCount = 255;
    h.TpCapacity = h.TpCount = 5000;
    h.ChannelCapacity = 10000;
    h.TvCount = 6000;
    h.RadioCount = 4000;
    h.UserBlockSize = 0x40000;
    for (std::size_t i = 0; i < h.SatCount; ++i) {
        std::snprintf(db->satellites[i].Name.data(), 13, "SAT %zu", i);
    }
    for (std::size_t i = 0; i < h.TpCount; ++i) {
        db->transponders[i].Frequency = static_cast<uint16_t>(10700 + i % 2000);
        db->transponders[i].Polarization = static_cast<uint8_t>(i / 2000 % 2);
        db->transponders[i].Sat = static_cast<uint8_t>(1 + i % h.SatCount);
        db->transponders[i].Symbol = 27500;
    }
    for (std::size_t i = 0; i < h.ChannelCapacity; ++i) {
        zev::ChannelEntry& c = db->channels[i];
        std::snprintf(c.Name.data(), 13, "CH %zu", i);
        c.RadioFlag = i >= h.TvCount ? 1 : 0;
        c.TpNumber = static_cast<uint16_t>(1 + i % 2047);
        c.ServiceID = static_cast<uint16_t>(i);
        if (i % 10 == 9) {
            c.TpNumber = db->channels[i - 1].TpNumber;
            c.ServiceID = db->channels[i - 1].ServiceID;
        }
    }
    return db;
}

std::unique_ptr<zev::ChannelDatabase> EditedCopy(const zev::ChannelDatabase& db) {
    auto copy = std::make_unique<zev::ChannelDatabase>();
    copy->header = db.header;
    copy->satellites = db.satellites;
    copy->transponders = db.transponders;
    copy->channels = db.channels;
    for (std::size_t i = 0; i < 6000; i += 5) copy->channels[i].APID = 1;
    for (std::size_t i = 0; i < 5000; i += 50) std::swap(copy->channels[i], copy->channels[i + 7]);
    return copy;
}

SilentPrompts prompts;

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
        CCompareDlg dialog(zev::DiffDatabases(*db, *edited), "edited.stc");
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
