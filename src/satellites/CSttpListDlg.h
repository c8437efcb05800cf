// "STTPLIST": the transponders of one satellite, with Delete All, which removes them together
// with their channels.
#pragma once

#include "satellites/SubListDlg.h"

class CSttpListDlg : public SubListDlg {
    Q_OBJECT
  public:
    explicit CSttpListDlg(zev::ChannelDatabase& db, QWidget* parent = nullptr);

  private:
    zev::Translatable Title() const override;
    QStringList Lines() const override;
    void DeleteAll() override;
};
