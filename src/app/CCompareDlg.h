// The window of Data "Compare with File...": the channel list in memory compared with a
// parameter image file, with a summary line and the differences grouped by satellites,
// transponders, TV and radio channels.
#pragma once

#include <QDialog>

#include "editing/DatabaseDiff.h"

class DiffTreeModel;
class QLabel;
class QTreeView;

class CCompareDlg : public QDialog {
    Q_OBJECT
  public:
    // `diff` runs from the database in memory (before) to the file's (after).
    CCompareDlg(zev::DatabaseDiff diff, const QString& fileName, QWidget* parent = nullptr);

    DiffTreeModel& Model() const { return *model_; }
    QTreeView& Differences() const { return *tree_; }
    QLabel& Summary() const { return *summary_; }

  private:
    DiffTreeModel* model_;
    QLabel* summary_;
    QTreeView* tree_;
};
