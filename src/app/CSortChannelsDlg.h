// The dialog of Data "Sort Channels...": the key to sort by and the direction. It says which
// channels will be sorted: the whole list shown, the channels a filter shows, or the channels
// selected, which keep the places they hold.
#pragma once

#include <QDialog>

#include "editing/ChannelSort.h"

class QButtonGroup;
class QComboBox;
class QLabel;

class CSortChannelsDlg : public QDialog {
    Q_OBJECT
  public:
    // `scope` is the sentence that names the channels sorted; `order` the choice shown first.
    CSortChannelsDlg(const QString& scope, zev::ChannelSortOrder order, QWidget* parent = nullptr);

    zev::ChannelSortOrder Order() const;
    void SetOrder(zev::ChannelSortOrder order);
    QLabel& Scope() const { return *scope_; }

  private:
    QLabel* scope_;
    QComboBox* key_;
    QButtonGroup* direction_;
};
