// The report of Data "Check Database": every finding, errors first, each naming its record.
// Double-clicking (or Enter on) a channel's finding points the channel list at that channel;
// "Select Duplicates" selects every later copy of a channel, so that Delete Channel removes
// them and keeps the first of each group, and closes the report.
#pragma once

#include <QDialog>
#include <cstddef>
#include <vector>

#include "editing/DatabaseCheck.h"

class CheckReportModel;
class QLabel;
class QPushButton;
class QTreeView;

// The rows of the TV list (`tvList`) or of the radio list that repeat an earlier channel,
// ascending.
std::vector<std::size_t> DuplicateChannelRows(const zev::CheckResult& result, bool tvList);

class CCheckReportDlg : public QDialog {
    Q_OBJECT
  public:
    // `checkedAs` names the image the database was checked for ("the user block (.stc)").
    CCheckReportDlg(zev::CheckResult result, const QString& checkedAs, QWidget* parent = nullptr);

    CheckReportModel& Model() const { return *model_; }
    QTreeView& Findings() const { return *findings_; }
    QLabel& Summary() const { return *summary_; }
    QPushButton& SelectDuplicatesButton() const { return *selectDuplicates_; }

    // What the person asks for: a finding's channel, or all duplicate channels.
    void ChooseFinding(int row);
    void ChooseDuplicates();

  signals:
    void ChannelChosen(bool tvList, std::size_t row);
    void DuplicatesChosen();

  private:
    CheckReportModel* model_;
    QLabel* summary_;
    QTreeView* findings_;
    QPushButton* selectDuplicates_;
};
