// Data "Check Database" and "Compare with File...", File "Export List...": reports on the
// channel database in memory, which they never change. The check report can point the
// channel list at the channels it names.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Result.h"
#include "formats/ParameterImage.h"

namespace zev {
class ChannelDatabase;
struct CheckResult;
}  // namespace zev

class CCheckReportDlg;
class DataFileState;
class DatabaseChanges;
class QWidget;
class UiPrompts;
class ViewState;

class CDatabaseCommands : public QObject {
    Q_OBJECT
  public:
    // The report opens beside `window`, which owns it, the comparison over it; `view` says
    // which list is shown, `files` which image the channel list's file is; `changes` tells
    // when the report goes out of date.
    CDatabaseCommands(QWidget& window, const ViewState& view, const DataFileState& files,
                      const zev::ChannelDatabase& db, const DatabaseChanges& changes,
                      UiPrompts& prompts);
    ~CDatabaseCommands() override;

    // Opens the check report, or checks again and brings it to the front.
    void CheckDatabase();
    void CompareWithFile();
    void ExportList();

    // The image the check looks at: the kind of the channel list's file, the user block when
    // the list has none.
    zev::ImageKind CheckedKind() const;
    // The check report once Check Database opened it (it stays until the window goes).
    CCheckReportDlg* Report() const;

  signals:
    // Show the TV (`tvList`) or radio list with exactly these rows selected.
    void SelectChannelsRequested(bool tvList, const std::vector<std::size_t>& rows);
    // A line for the status bar's message pane.
    void StatusPrompt(const QString& text);

  private:
    // Checks again. When the findings are no longer those shown (the channel list changed
    // since), the report shows the new ones and the answer is false.
    bool ReportIsCurrent();
    // Beside the main window where the screen has room, else over the window's side but
    // above its status bar.
    void PlaceReport();
    // The report shows `result` of the database as it is now.
    void ShowReport(zev::CheckResult result);
    // Selects the duplicates of the list shown (of the TV list when the terminal is shown),
    // or of the other list when the shown one has none.
    void SelectDuplicates(const zev::CheckResult& result);
    // Reads a parameter image file into `db`: the kind its extension names, or the sentence
    // that says why it cannot be compared.
    zev::Result<zev::ImageKind, QString> ReadImageFile(const QString& path,
                                                       zev::ChannelDatabase& db);
    void Warn(const QString& text);

    QWidget& window_;
    const ViewState& view_;
    const DataFileState& files_;
    const zev::ChannelDatabase& db_;
    const DatabaseChanges& changes_;
    UiPrompts& prompts_;
    QPointer<CCheckReportDlg> report_;
    uint64_t checkedState_ = 0;  // the history's state the report shows
};
