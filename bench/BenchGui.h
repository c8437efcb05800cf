// What the benchmarks of the desktop program's windows share: prompts that ask nothing, and the
// main() of those written with Google Benchmark.
#pragma once

#include <QApplication>
#include <QDialog>
#include <optional>

#include "ui/UiPrompts.h"

namespace bench {

// Nothing is asked while a benchmark runs: a message takes its default answer, no file or font
// is chosen, and a dialog is not run.
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

}  // namespace bench

// main() of a Google Benchmark program whose benchmarks show windows, offscreen.
#define ZEV_GUI_BENCHMARK_MAIN()                 \
    int main(int argc, char** argv) {            \
        qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv);            \
        benchmark::Initialize(&argc, argv);      \
        benchmark::RunSpecifiedBenchmarks();     \
        benchmark::Shutdown();                   \
        return 0;                                \
    }
