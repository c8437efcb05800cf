// The main frame's own part of the commands: what only the window can do (its views, bars,
// printing, dialogs and closing). The command table reaches the frame through this, so that it
// needs no frame of its own to be read or tried.
#pragma once

class CZuzeListViewView;

class FrameCommands {
  public:
    virtual ~FrameCommands() = default;

    // File New: asks to save a changed terminal text; false when cancelled.
    virtual bool NewDocument() = 0;
    // Print, Print Preview and Print Setup: the channel list while it is shown, else the
    // terminal text.
    virtual void Print(bool preview) = 0;
    virtual void PrintSetup() = 0;
    virtual void Exit() = 0;
    // Edit Undo and Redo with a channel list shown: a step of the database's history, and the
    // list refilled to show the result.
    virtual void UndoDatabaseChange(bool redo) = 0;
    // Edit Find Channels: the focus goes to the channel list's filter box.
    virtual void FindChannels() = 0;
    virtual void ShowToolbar(bool shown) = 0;
    virtual void ShowStatusBar(bool shown) = 0;
    virtual void ShowLineMonitor(bool open) = 0;
    virtual void About() = 0;
    // Edit Text, TV Channel List, Radio Channel List, Toggle Hex Mode.
    virtual void ShowTerminal() = 0;
    virtual void ShowList(bool tvList) = 0;
    virtual void ToggleHexMode() = 0;
    // The channel list view; null until a list was first wanted.
    virtual CZuzeListViewView* ListView() = 0;
};
