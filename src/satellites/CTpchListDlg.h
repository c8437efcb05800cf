// "TPCHLIST": the channels of one transponder, with Delete All, which removes them (the
// transponder stays).
#pragma once

#include "satellites/SubListDlg.h"

class CTpchListDlg : public SubListDlg {
    Q_OBJECT
  public:
    explicit CTpchListDlg(zev::ChannelDatabase& db, QWidget* parent = nullptr);

  private:
    zev::Translatable Title() const override;
    QStringList Lines() const override;
    void DeleteAll() override;
};
