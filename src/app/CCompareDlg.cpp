#include "app/CCompareDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/DiffTreeModel.h"
#include "ui/ScreenFit.h"

CCompareDlg::CCompareDlg(Comparison compare, const QString& fileName, QWidget* parent)
    : QDialog(parent), compare_(std::move(compare)), fileName_(fileName) {
    setWindowTitle(tr("Compare with File"));
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);

    tree_ = new QTreeView(this);
    tree_->setUniformRowHeights(true);
    tree_->setAllColumnsShowFocus(true);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->header()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    swap_ = buttons->addButton(tr("&Swap Direction"), QDialogButtonBox::ActionRole);
    swap_->setToolTip(tr("Show the differences the other way round"));
    connect(swap_, &QPushButton::clicked, this, &CCompareDlg::SwapDirection);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(tree_, 1);
    layout->addWidget(buttons);

    Show(compare_(fileToList_));
    const bool equal = model_->Diff().Equal();
    swap_->setVisible(!equal);
    tree_->setVisible(!equal);
    // As large as the differences want, as far as the screen allows: Close stays in reach.
    FitOnScreen(*this, equal ? QSize(480, 120) : QSize(900, 520));
}

void CCompareDlg::SwapDirection() {
    fileToList_ = !fileToList_;
    Show(compare_(fileToList_));
}

void CCompareDlg::Show(zev::DatabaseDiff diff) {
    DiffTreeModel* old = model_;
    model_ = new DiffTreeModel(std::move(diff), this);
    tree_->setModel(model_);
    delete old;

    const QString file = fileName_.toHtmlEscaped();
    const QString counts = DiffSummaryText(CountDifferences(model_->Diff())).toHtmlEscaped();
    if (model_->Diff().Equal()) {
        summary_->setText(
            tr("<b>Equal:</b> %1 holds the same channel list as the program.").arg(file));
    } else if (fileToList_) {
        summary_->setText(tr("What changed in the channel list since %1: <b>%2</b><br>"
                             "Added: only in the channel list. Removed: only in the file. Moved: "
                             "in another place among the records both hold.")
                              .arg(file, counts));
    } else {
        summary_->setText(tr("From the channel list in the program to %1: <b>%2</b><br>"
                             "Added: only in the file. Removed: only in the program. Moved: "
                             "in another place among the records both hold.")
                              .arg(file, counts));
    }
    tree_->setColumnWidth(DiffTreeModel::RecordColumn, 260);
    tree_->setColumnWidth(DiffTreeModel::ChangeColumn, 200);
    for (int group = 0; group < model_->rowCount(); ++group) {
        tree_->setFirstColumnSpanned(group, QModelIndex(), true);
    }
    tree_->expandAll();
}
