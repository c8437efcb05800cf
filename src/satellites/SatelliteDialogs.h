// The satellite and transponder dialogs as the channel list and its Channel Edit dialog open
// them, on the program's database, prompts and change reports.
#pragma once

#include "lists/RecordDialogs.h"

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev
class UiPrompts;

class SatelliteDialogs : public RecordDialogs {
  public:
    SatelliteDialogs(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink& changes);

    RecordListResult RunTransponderList(QWidget* parent) override;
    RecordListResult RunSatelliteList(QWidget* parent) override;
    bool PickTransponder(QWidget* parent, int& choice) override;

  private:
    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    zev::ChangeSink& changes_;
};
