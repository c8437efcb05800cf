// The satellite and transponder dialogs as the channel list and the Channel Edit dialog open
// them. Those dialogs live a layer above the lists, so the program hands the view an
// implementation of this interface.
#pragma once

class QWidget;

// What a run of the Satellite or Transponder List did to the database.
enum class RecordListResult {
    Unchanged,
    // Records changed in place (a satellite renamed, a transponder's frequency): the channel
    // list shows the new values once repainted, and its rows stay what they are.
    Edited,
    // Records were added, removed or reordered: channels may be gone and references
    // renumbered, so the channel list must fill its rows again.
    Renumbered,
};

class RecordDialogs {
  public:
    virtual ~RecordDialogs() = default;

    // Run the Transponder List or the Satellite List modally.
    virtual RecordListResult RunTransponderList(QWidget* parent) = 0;
    virtual RecordListResult RunSatelliteList(QWidget* parent) = 0;

    // Runs the Transponder Pick with the 0-based transponder `choice` selected; true, with
    // `choice` updated, when it ended with OK.
    virtual bool PickTransponder(QWidget* parent, int& choice) = 0;
};
