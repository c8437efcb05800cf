// What STTPLIST and TPCHLIST share: the lines of one record's sub-records (a satellite's
// transponders, a transponder's channels) with Delete All, which removes them. The owner sets
// `position` and `count` before each run.
#pragma once

#include <QDialog>
#include <QStringList>
#include <string>

#include "core/Translatable.h"
#include "database/ChannelDatabase.h"

class LineListBox;

class SubListDlg : public QDialog {
    Q_OBJECT
  public:
    int position = 0;  // the record's position
    int count = 0;     // its sub-records, for the title
    // Set by Delete All and never cleared: whether anything was deleted while the owner ran.
    bool listChanged = false;
    int selection = -1;

    // Fills the title and the lines for `position` and `count`.
    void Load();

  protected:
    struct Layout {
        const char* title;
        const char* deleteAllId;  // the Delete All button's control id
        const char* header;       // the line above the list; nullptr: none
    };

    SubListDlg(zev::ChannelDatabase& db, const Layout& layout, QWidget* parent);

    virtual zev::Translatable Title() const = 0;
    virtual QStringList Lines() const = 0;
    // Removes the sub-records from the database.
    virtual void DeleteAll() = 0;

    zev::ChannelDatabase& db_;

  private:
    void OnDeleteAll();

    LineListBox* list_;
};
