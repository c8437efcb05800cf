// "Transponder Edit": a transponder's satellite, frequency, polarisation, symbol rate and
// TransID. Works on a copy of the record, so SatAux and the fields not shown are kept.
#pragma once

#include <QDialog>

#include "database/ChannelDatabase.h"

class QComboBox;
class QLineEdit;
class UiPrompts;

class CTransponderEditDlg : public QDialog {
    Q_OBJECT
  public:
    CTransponderEditDlg(const zev::ChannelDatabase& db, UiPrompts& prompts,
                        QWidget* parent = nullptr);

    // Shows `transponder` under the number `number` (position + 1), with the satellites in
    // use to choose from. A Sat that names none of them, or a polarisation without an entry,
    // shows no selection and is kept unless the user picks an entry.
    void Load(const zev::TransponderEntry& transponder, int number);

    // The record with the edited values, after OK.
    const zev::TransponderEntry& Record() const { return record_; }

  public slots:
    void accept() override;

  private:
    const zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    zev::TransponderEntry record_;
    QLineEdit* numberBox_;
    QComboBox* satelliteBox_;
    QLineEdit* frequencyBox_;
    QComboBox* polarizationBox_;
    QLineEdit* symbolBox_;
    QLineEdit* transIdBox_;
};
