// The Channel Edit dialog's transponder picker ("Transponder List"): every transponder as a
// line; a double click chooses one, Edit edits the selected one in place.
#pragma once

#include <QDialog>

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev
class CTransponderEditDlg;
class LineListBox;
class UiPrompts;

class CTransponderPickDlg : public QDialog {
    Q_OBJECT
  public:
    CTransponderPickDlg(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink& changes,
                        QWidget* parent = nullptr);

    // The chosen transponder's position: set by the caller before Load, read after OK.
    int choice = 0;

    // Fills the lines and selects the choice's line.
    void Load();

    void OnEdit();

  private:
    void OnLineDoubleClicked(int row);

    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    zev::ChangeSink& changes_;
    LineListBox* list_;
    CTransponderEditDlg* editDlg_;
};
