// "STTPLIST": the transponders of one satellite, with Delete All, which removes them together
// with their channels. The owner sets `position` and `count` before each run.
#pragma once

#include <QDialog>

#include "database/ChannelDatabase.h"

class LineListBox;

class CSttpListDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CSttpListDlg(zev::ChannelDatabase& db, QWidget* parent = nullptr);

    int position = 0;  // the satellite's position
    int count = 0;     // its transponders, for the title
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
