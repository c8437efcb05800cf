#include "app/CCompareDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/DiffTreeModel.h"

CCompareDlg::CCompareDlg(zev::DatabaseDiff diff, const QString& fileName, QWidget* parent)
    : QDialog(parent), model_(new DiffTreeModel(std::move(diff), this)) {
    setWindowTitle(QStringLiteral("Compare with File"));
    const bool equal = model_->Diff().Equal();

    const QString summary =
        equal ? QStringLiteral("<b>Equal:</b> %1 holds the same channel list as the program.")
                    .arg(fileName.toHtmlEscaped())
              : QStringLiteral(
                    "From the channel list in the program to %1: <b>%2</b><br>"
                    "Added: only in the file. Removed: only in the program. Moved: "
                    "in another place among the records both hold.")
                    .arg(fileName.toHtmlEscaped(),
                         DiffSummaryText(CountDifferences(model_->Diff())).toHtmlEscaped());
    summary_ = new QLabel(summary, this);
    summary_->setWordWrap(true);

    tree_ = new QTreeView(this);
    tree_->setModel(model_);
    tree_->setUniformRowHeights(true);
    tree_->setAllColumnsShowFocus(true);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->header()->setStretchLastSection(true);
    tree_->setColumnWidth(DiffTreeModel::RecordColumn, 260);
    tree_->setColumnWidth(DiffTreeModel::ChangeColumn, 200);
    for (int group = 0; group < model_->rowCount(); ++group) {
        tree_->setFirstColumnSpanned(group, QModelIndex(), true);
    }
    tree_->expandAll();
    tree_->setVisible(!equal);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(tree_, 1);
    layout->addWidget(buttons);
    resize(equal ? QSize(480, 120) : QSize(900, 520));
}
