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

    // True when the database changed while the list ran: the channel list shows satellite
    // numbers and names and transponder values, so any change there needs a refill.
    bool RunTransponderList(QWidget* parent) override;
    bool RunSatelliteList(QWidget* parent) override;
    bool PickTransponder(QWidget* parent, int& choice) override;

  private:
    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    zev::ChangeSink& changes_;
};
