// Data "Check Database" and "Compare with File...", File "Export List...": reports on the
// channel database in memory, which they never change. The check report can point the
// channel list at the channels it names.
#pragma once

#include <QPointer>
#include <QString>
#include <cstddef>
#include <vector>

#include "formats/ParameterImage.h"

namespace zev {
class ChannelDatabase;
struct CheckResult;
}  // namespace zev

class CCheckReportDlg;
class CMainFrame;
class UiPrompts;

class CDatabaseCommands {
  public:
    CDatabaseCommands(CMainFrame& frame, const zev::ChannelDatabase& db, UiPrompts& prompts);
    ~CDatabaseCommands();

    // Opens the check report, or checks again and brings it to the front.
    void CheckDatabase();
    void CompareWithFile();
    void ExportList();

    // The image the check looks at: the kind of the current image file, the user block when
    // no image file is named.
    zev::ImageKind CheckedKind() const;
    // The check report once Check Database opened it (it stays until the program ends).
    CCheckReportDlg* Report() const;

  private:
    // Checks again. When the findings are no longer those shown (the channel list changed
    // since), the report shows the new ones and the answer is false.
    bool ReportIsCurrent();
    void PlaceReport();
    // Selects the duplicates of the list shown (of the TV list when the terminal is shown),
    // or of the other list when the shown one has none.
    void SelectDuplicates(const zev::CheckResult& result);
    // Reads a parameter image file into `db`; false after telling the person why not.
    bool ReadImageFile(const QString& path, zev::ChannelDatabase& db, zev::ImageKind& kind);
    void Warn(const QString& text);

    CMainFrame& frame_;
    const zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    QPointer<CCheckReportDlg> report_;
};
