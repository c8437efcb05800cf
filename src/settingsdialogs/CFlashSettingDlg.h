// "Setting Flash": the flash size and the user-parameter size, written to default.dat as
// index numbers on OK and on Defaults.
#pragma once

#include <QDialog>
#include <QString>

#include "settings/LinkSettings.h"

class QComboBox;
class QPushButton;

class CFlashSettingDlg : public QDialog {
    Q_OBJECT
  public:
    // `current` supplies the port fields and the indices that a text naming no entry keeps.
    explicit CFlashSettingDlg(const zev::LinkSettings& current, QWidget* parent = nullptr);

    // The dialog's texts; fill them before the dialog runs (an empty text opens with the list's
    // first entry selected), read them after OK.
    QString flashSize;  // "4M bits", "8M bits", "16M bits" or typed text
    QString userSize;   // "1 Sector" .. "4 Sectors" or typed text

    // Texts for an index; empty for an index without one.
    static QString FlashSizeText(int index);
    static QString UserSizeText(int index);
    // The index a text names, or `unchanged` when it names none (compared exactly).
    int ChosenFlashSizeIndex(int unchanged) const;
    int ChosenUserSizeIndex(int unchanged) const;

    QComboBox* FlashBox() const { return flashBox_; }
    QComboBox* UserBox() const { return userBox_; }
    QPushButton* DefaultsButton() const { return defaultsButton_; }

  protected:
    // The texts are shown each time the dialog opens, however it is run.
    void showEvent(QShowEvent* event) override;

  public slots:
    void OnDefaults();
    void accept() override;

  private:
    void ShowMembers();
    void SaveFile() const;

    zev::LinkSettings current_;
    QComboBox* flashBox_;
    QComboBox* userBox_;
    QPushButton* defaultsButton_;
};
