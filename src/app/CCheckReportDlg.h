// The report of Data "Check Database": every finding, errors first, each naming its record.
// It stays open beside the main window. Double-clicking (or Enter on) a channel's finding
// points the list at that channel; "Select Duplicates" selects every later copy of a channel,
// so that Delete Channel removes them and keeps the first of each group. Once the channel
// list changes, the report says that it is out of date until it is checked again.
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

// Whether two checks found the same: same problems of the same records, in the same order.
bool SameFindings(const zev::CheckResult& a, const zev::CheckResult& b);

class CCheckReportDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CCheckReportDlg(QWidget* parent = nullptr);

    // Shows `result`; `checkedAs` names the image the database was checked for ("the user
    // block (.stc)"). The report is up to date again.
    void ShowResult(zev::CheckResult result, const QString& checkedAs);
    const zev::CheckResult& Result() const;
    // The channel list changed since the check (`outOfDate`), or is as checked again.
    void SetOutOfDate(bool outOfDate);
    bool OutOfDate() const { return outOfDate_; }

    CheckReportModel& Model() const { return *model_; }
    QTreeView& Findings() const { return *findings_; }
    QLabel& Summary() const { return *summary_; }
    QPushButton& SelectDuplicatesButton() const { return *selectDuplicates_; }
    QPushButton& CheckAgainButton() const { return *checkAgain_; }

    // What the person asks for: a finding's channel, or all duplicate channels.
    void ChooseFinding(int row);
    void ChooseDuplicates();

  signals:
    void ChannelChosen(bool tvList, std::size_t row);
    void DuplicatesChosen();
    void CheckAgainChosen();
    // The person came back to the report: the channel list may have changed meanwhile.
    void Activated();

  protected:
    bool event(QEvent* e) override;

  private:
    CheckReportModel* model_;
    QLabel* summary_;
    QTreeView* findings_;
    QPushButton* selectDuplicates_;
    QPushButton* checkAgain_;
    QString summaryText_;
    bool outOfDate_ = false;
};
