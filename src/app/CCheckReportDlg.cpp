#include "app/CCheckReportDlg.h"

#include <QDialogButtonBox>
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

QString Counted(std::size_t count, const char* what) {
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(what)).arg(count == 1 ? "" : "s");
}

QString SummaryText(const zev::CheckResult& result, const QString& checkedAs) {
    const QString checked = QStringLiteral("Checked as %1: ").arg(checkedAs);
    if (result.findings.empty()) return checked + QStringLiteral("<b>No problems found.</b>");
    return checked +
           QStringLiteral("<b>%1, %2</b>")
               .arg(Counted(result.errors, "error"), Counted(result.warnings, "warning")) +
           QStringLiteral(
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

CCheckReportDlg::CCheckReportDlg(zev::CheckResult result, const QString& checkedAs, QWidget* parent)
    : QDialog(parent), model_(new CheckReportModel(std::move(result), this)) {
    setWindowTitle(QStringLiteral("Check Database"));
    const zev::CheckResult& checked = model_->Result();

    summary_ = new QLabel(SummaryText(checked, checkedAs), this);
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
    findings_->setVisible(!checked.findings.empty());
    if (!checked.findings.empty()) findings_->setCurrentIndex(model_->index(0, 0));
    connect(findings_, &QTreeView::activated, this,
            [this](const QModelIndex& index) { ChooseFinding(index.row()); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    selectDuplicates_ =
        buttons->addButton(QStringLiteral("Select &Duplicates"), QDialogButtonBox::ActionRole);
    selectDuplicates_->setEnabled(!DuplicateChannelRows(checked, true).empty() ||
                                  !DuplicateChannelRows(checked, false).empty());
    selectDuplicates_->setToolTip(
        QStringLiteral("Select every later copy of a channel in the list, so that Delete "
                       "Channel removes them and keeps the first of each"));
    connect(selectDuplicates_, &QPushButton::clicked, this, &CCheckReportDlg::ChooseDuplicates);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(findings_, 1);
    layout->addWidget(buttons);
    resize(checked.findings.empty() ? QSize(480, 120) : QSize(820, 440));
}

void CCheckReportDlg::ChooseFinding(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const zev::RecordRef& record = model_->Finding(row).record;
    if (!IsChannel(record)) return;
    emit ChannelChosen(record.kind == zev::RecordKind::TvChannel, record.position);
}

void CCheckReportDlg::ChooseDuplicates() {
    if (!selectDuplicates_->isEnabled()) return;
    emit DuplicatesChosen();
    accept();
}
