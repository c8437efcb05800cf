// "Satellite Edit": one satellite's name, LNB and DiSEqC settings. Works on a copy of the whole
// record, so the fields the dialog does not show are kept.
#pragma once

#include <QDialog>

#include "database/ChannelDatabase.h"

class QComboBox;
class QLineEdit;
class UiPrompts;

class CSatelliteEditDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CSatelliteEditDlg(UiPrompts& prompts, QWidget* parent = nullptr);

    // Shows `satellite` under the number `number` (position + 1). A drop-down whose stored
    // value has no entry (only an image can bring one) shows no selection and keeps the value
    // unless the user picks an entry.
    void Load(const zev::SatelliteEntry& satellite, int number);

    // The record with the edited values, after OK.
    const zev::SatelliteEntry& Record() const { return record_; }

  public slots:
    void accept() override;

  private:
    void OnDiseqcTypeChanged(int index);

    UiPrompts& prompts_;
    zev::SatelliteEntry record_;
    QLineEdit* numberBox_;
    QLineEdit* nameBox_;
    QComboBox* lnbTypeBox_;
    QLineEdit* lnbLowBox_;
    QLineEdit* lnbHighBox_;
    QComboBox* diseqcTypeBox_;
    QComboBox* diseqcPortBox_;
};
