// The window of Data "Compare with File...": the channel list in memory compared with a
// parameter image file, with a summary line and the differences grouped by satellites,
// transponders, TV and radio channels. It reads as "what changed since that file": from the
// file to the channel list; "Swap Direction" turns it round.
#pragma once

#include <QDialog>
#include <functional>

#include "editing/DatabaseDiff.h"

class DiffTreeModel;
class QLabel;
class QPushButton;
class QTreeView;

class CCompareDlg : public QDialog {
    Q_OBJECT
  public:
    // `compare(fileToList)` compares the file with the channel list in memory: from the file
    // (before) to the list (after), or the other way round.
    using Comparison = std::function<zev::DatabaseDiff(bool fileToList)>;

    CCompareDlg(Comparison compare, const QString& fileName, QWidget* parent = nullptr);

    bool FileToList() const { return fileToList_; }
    // Compares the other way round.
    void SwapDirection();

    DiffTreeModel& Model() const { return *model_; }
    QTreeView& Differences() const { return *tree_; }
    QLabel& Summary() const { return *summary_; }
    QPushButton& SwapButton() const { return *swap_; }

  private:
    void Show(zev::DatabaseDiff diff);

    Comparison compare_;
    QString fileName_;
    bool fileToList_ = true;
    DiffTreeModel* model_ = nullptr;
    QLabel* summary_;
    QTreeView* tree_;
    QPushButton* swap_;
};
