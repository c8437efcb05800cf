// The satellite and transponder dialogs as the channel list and the Channel Edit dialog open
// them. Those dialogs live a layer above the lists, so the program hands the view an
// implementation of this interface.
#pragma once

class QWidget;

class RecordDialogs {
  public:
    virtual ~RecordDialogs() = default;

    // Run the Transponder List or the Satellite List modally; true when it changed the
    // database (the channel list shows satellite and transponder values), so the channel
    // list must refill.
    virtual bool RunTransponderList(QWidget* parent) = 0;
    virtual bool RunSatelliteList(QWidget* parent) = 0;

    // Runs the Transponder Pick with the 0-based transponder `choice` selected; true, with
    // `choice` updated, when it ended with OK.
    virtual bool PickTransponder(QWidget* parent, int& choice) = 0;
};
