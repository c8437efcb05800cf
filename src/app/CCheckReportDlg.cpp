#include "app/CCheckReportDlg.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/CheckReportModel.h"

namespace {

bool IsChannel(const zev::RecordRef& record) {
    return record.kind == zev::RecordKind::TvChannel ||
           record.kind == zev::RecordKind::RadioChannel;
}

QString SummaryText(const zev::CheckResult& result, const QString& checkedAs) {
    const QString checked = CCheckReportDlg::tr("Checked as %1: ").arg(checkedAs);
    if (result.findings.empty()) return checked + CCheckReportDlg::tr("<b>No problems found.</b>");
    const QString errors =
        (result.errors == 1 ? CCheckReportDlg::tr("%1 error") : CCheckReportDlg::tr("%1 errors"))
            .arg(result.errors);
    const QString warnings = (result.warnings == 1 ? CCheckReportDlg::tr("%1 warning")
                                                   : CCheckReportDlg::tr("%1 warnings"))
                                 .arg(result.warnings);
    return checked + QStringLiteral("<b>%1, %2</b>").arg(errors, warnings) +
           CCheckReportDlg::tr(
               "<br>Errors: the box would misread the image. Warnings: records that "
               "look wrong. Double-click a channel's line to select it in the list.");
}

}  // namespace

std::vector<std::size_t> DuplicateChannelRows(const zev::CheckResult& result, bool tvList) {
    const zev::RecordKind kind =
        tvList ? zev::RecordKind::TvChannel : zev::RecordKind::RadioChannel;
    std::vector<std::size_t> rows;
    for (const zev::CheckFinding& finding : result.findings) {
        if (finding.problem == zev::CheckProblem::DuplicateChannel && finding.record.kind == kind) {
            rows.push_back(finding.record.position);
        }
    }
    return rows;  // the check reports channels in list order
}

bool SameFindings(const zev::CheckResult& a, const zev::CheckResult& b) {
    if (a.findings.size() != b.findings.size()) return false;
    for (std::size_t i = 0; i < a.findings.size(); ++i) {
        const zev::CheckFinding& x = a.findings[i];
        const zev::CheckFinding& y = b.findings[i];
        if (x.problem != y.problem || x.record != y.record || x.related != y.related ||
            x.message.English() != y.message.English()) {
            return false;
        }
    }
    return true;
}

CCheckReportDlg::CCheckReportDlg(QWidget* parent)
    : QDialog(parent), model_(new CheckReportModel(zev::CheckResult{}, this)) {
    setWindowTitle(tr("Check Database"));
    setModal(false);

    summary_ = new QLabel(this);
    summary_->setWordWrap(true);

    findings_ = new QTreeView(this);
    findings_->setModel(model_);
    findings_->setRootIsDecorated(false);
    findings_->setItemsExpandable(false);
    findings_->setUniformRowHeights(true);  // thousands of findings lay out at once
    findings_->setAlternatingRowColors(true);
    findings_->setAllColumnsShowFocus(true);
    findings_->setSelectionBehavior(QAbstractItemView::SelectRows);
    findings_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    findings_->header()->setStretchLastSection(true);
    findings_->setColumnWidth(CheckReportModel::SeverityColumn, 90);
    findings_->setColumnWidth(CheckReportModel::RecordColumn, 130);
    connect(findings_, &QTreeView::activated, this,
            [this](const QModelIndex& index) { ChooseFinding(index.row()); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    selectDuplicates_ = buttons->addButton(tr("Select &Duplicates"), QDialogButtonBox::ActionRole);
    selectDuplicates_->setToolTip(
        tr("Select every later copy of a channel in the list, so that Delete "
           "Channel removes them and keeps the first of each"));
    connect(selectDuplicates_, &QPushButton::clicked, this, &CCheckReportDlg::ChooseDuplicates);
    checkAgain_ = buttons->addButton(tr("Check &Again"), QDialogButtonBox::ActionRole);
    connect(checkAgain_, &QPushButton::clicked, this, &CCheckReportDlg::CheckAgainChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(findings_, 1);
    layout->addWidget(buttons);
    resize(820, 440);
}

void CCheckReportDlg::ShowResult(zev::CheckResult result, const QString& checkedAs) {
    summaryText_ = SummaryText(result, checkedAs);
    outOfDate_ = true;  // so that SetOutOfDate writes the texts
    SetOutOfDate(false);
    model_->SetResult(std::move(result));
    const zev::CheckResult& shown = model_->Result();
    if (!shown.findings.empty()) findings_->setCurrentIndex(model_->index(0, 0));
    selectDuplicates_->setEnabled(!DuplicateChannelRows(shown, true).empty() ||
                                  !DuplicateChannelRows(shown, false).empty());
}

const zev::CheckResult& CCheckReportDlg::Result() const { return model_->Result(); }

void CCheckReportDlg::SetOutOfDate(bool outOfDate) {
    if (outOfDate == outOfDate_) return;
    outOfDate_ = outOfDate;
    setWindowTitle(outOfDate ? tr("Check Database (out of date)") : tr("Check Database"));
    summary_->setText(outOfDate ? tr("<b>Out of date:</b> the channel list has changed "
                                     "since this check; Check Again shows how it "
                                     "is now.<br>") +
                                      summaryText_
                                : summaryText_);
}

void CCheckReportDlg::ChooseFinding(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const zev::RecordRef& record = model_->Finding(row).record;
    if (!IsChannel(record)) return;
    emit ChannelChosen(record.kind == zev::RecordKind::TvChannel, record.position);
}

void CCheckReportDlg::ChooseDuplicates() {
    if (selectDuplicates_->isEnabled()) emit DuplicatesChosen();
}

bool CCheckReportDlg::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) emit Activated();
    return QDialog::event(e);
}
