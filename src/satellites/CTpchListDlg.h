// "TPCHLIST": the channels of one transponder, with Delete All, which removes them (the
// transponder stays). The owner sets `position` and `count` before each run.
#pragma once

#include <QDialog>

#include "database/ChannelDatabase.h"

class LineListBox;

class CTpchListDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CTpchListDlg(zev::ChannelDatabase& db, QWidget* parent = nullptr);

    int position = 0;  // the transponder's position
    int count = 0;     // its channels, for the title
    // Set by Delete All and never cleared: whether anything was deleted while the owner ran.
    bool listChanged = false;
    int selection = -1;

    // Fills the title and the lines for `position` and `count`.
    void Load();

  private:
    void OnDeleteAll();

    zev::ChannelDatabase& db_;
    LineListBox* list_;
};
