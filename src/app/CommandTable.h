// The program's commands as data. Each entry holds everything about one command: its menu and
// caption, shortcuts, status-bar prompt and tool tip, its place and picture on the toolbar,
// the rule that says when it is enabled (and checked), and what it does. The frame builds its
// menus, accelerators and toolbar from the table and refreshes every command from the rules
// whenever the state changes, so adding a command means adding its entry.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <span>
#include <string>

#include "app/ViewState.h"
#include "core/Translatable.h"

// Command identifiers. The numbers follow the program's historical command table so that they
// can be quoted when reporting problems; the commands it gained later are numbered above them.
namespace cmd {

inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileMruFirst = 57616;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditFind = 57636;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int NextPane = 57680;
inline constexpr int PrevPane = 57681;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

inline constexpr int ComSetup = 32771;
inline constexpr int ComConnect = 32772;
inline constexpr int ComDisconnect = 32773;
inline constexpr int UpdateParameters = 32774;
inline constexpr int UpdateSoftware = 32775;
inline constexpr int StopUpdate = 32776;
inline constexpr int ViewFont = 32783;
inline constexpr int LoadSettingFromBox = 32784;
inline constexpr int SendSettingToBox = 32785;
inline constexpr int TvChannelList = 32786;
inline constexpr int EditText = 32787;
inline constexpr int RadioChannelList = 32796;
inline constexpr int TransponderList = 32797;
inline constexpr int SatelliteList = 32798;
inline constexpr int ToggleHexMode = 32808;
inline constexpr int OtaSoftwareUpdate = 32810;
inline constexpr int FlashSelect = 32811;

inline constexpr int VerifyBoxSettings = 32840;
inline constexpr int BackupBeforeSend = 32841;
inline constexpr int LineMonitor = 32842;
inline constexpr int CheckDatabase = 32900;
inline constexpr int CompareWithFile = 32901;
inline constexpr int ExportList = 32902;
inline constexpr int ImportList = 32903;
inline constexpr int SortChannels = 32904;
inline constexpr int OrderLikeFile = 32905;
inline constexpr int UpdateTransponders = 32906;

}  // namespace cmd

// What the rules look at, taken anew each time the commands are refreshed.
struct CommandState {
    ShownView shown = ShownView::Terminal;
    bool hexMode = false;
    bool portConnected = false;
    // The terminal's editing: its own undo steps, a selection, text on the clipboard.
    bool terminalReadOnly = false;
    bool terminalCanUndo = false;
    bool terminalCanRedo = false;
    bool terminalHasSelection = false;
    bool clipboardHasText = false;
    // The channel database's history, with the names of the changes Undo and Redo would take.
    bool databaseCanUndo = false;
    bool databaseCanRedo = false;
    zev::Translatable databaseUndoName;
    zev::Translatable databaseRedoName;
    bool toolbarShown = true;
    bool statusBarShown = true;
    bool lineMonitorOpen = false;
    bool backupBeforeSend = false;

    bool ListShown() const { return shown != ShownView::Terminal; }
};

class CDatabaseCommands;
class CListReworkCommands;
class CZevDoc;
class CZevView;
class FrameCommands;
class ReceiverController;

// The objects the commands act on.
struct CommandContext {
    FrameCommands& frame;
    ReceiverController& receiver;
    CZevDoc& doc;
    CZevView& terminal;
    CDatabaseCommands& database;
    CListReworkCommands& lists;
    const ViewState& view;
};

struct CommandEntry {
    using Rule = bool (*)(const CommandState&);
    using Caption = QString (*)(const CommandState&);
    using Run = void (*)(const CommandContext&);
    using Toggle = void (*)(const CommandContext&, bool checked);

    int id;
    const char* menu;     // menu title, or nullptr for commands without a menu item
    const char* caption;  // menu caption; "\t" starts the shortcut text shown in the menu
    QList<QKeySequence> shortcuts;
    const char* prompt;  // status-bar prompt "\n" tool tip
    bool separatorBefore = false;
    // Place on the toolbar, from 1; a place no command takes is a separator. 0: not on it.
    int toolbarPlace = 0;
    // The desktop theme's icon (nullptr: the theme has none), and the program's own drawing
    // (a file of the resources' icons folder without ".svg"; nullptr: no picture).
    const char* themeIcon = nullptr;
    const char* drawing = nullptr;
    Rule enabledWhen = nullptr;    // nullptr: always enabled
    Rule checkedWhen = nullptr;    // nullptr: not checkable
    Caption captionNow = nullptr;  // nullptr: the caption stays as it is
    Run run = nullptr;
    Toggle toggle = nullptr;  // for a checkable command: what choosing it does
};

// All commands in menu order.
std::span<const CommandEntry> CommandTable();
// The entry of `id`, or nullptr.
const CommandEntry* FindCommand(int id);

// A menu title, caption or prompt of the table in the program's language.
QString CommandText(const char* text);
// The status-bar prompt (before "\n") and the tool tip (after it) of a prompt string, in the
// program's language.
QString PromptOf(const char* prompt);
QString ToolTipOf(const char* prompt);
