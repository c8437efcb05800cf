#include "app/CommandTable.h"

#include <QCoreApplication>
#include <vector>

#include "app/CDatabaseCommands.h"
#include "app/CListReworkCommands.h"
#include "app/CZevDoc.h"
#include "app/CZevView.h"
#include "app/FrameCommands.h"
#include "app/ReceiverController.h"
#include "app/TransferOptions.h"
#include "lists/CZuzeListViewView.h"
#include "ui/TranslatedText.h"

namespace {

using Context = CommandContext;
using State = CommandState;

bool TerminalShown(const State& s) { return !s.ListShown(); }
bool ListShown(const State& s) { return s.ListShown(); }
bool Never(const State&) { return false; }

// "&Undo Delete 3 Channels": the database change Undo or Redo would take while a list is shown.
// `named` is the caption with the change's name for %1.
QString UndoCaption(const char* verb, const char* named, const State& s,
                    const zev::Translatable& change) {
    if (!s.ListShown() || change.Empty()) return QCoreApplication::translate("Command", verb);
    // A file name may hold '&', which a menu would take for a mnemonic.
    return QCoreApplication::translate("Command", named)
        .arg(Translated(change).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

std::vector<CommandEntry> BuildTable() {
    using K = QKeySequence;
    const auto key = [](QKeyCombination k) { return QList<K>{K(k)}; };
    const QList<K> none;
    return {
        {.id = cmd::FileNew,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "&New"),
         .shortcuts = key(Qt::CTRL | Qt::Key_N),
         .prompt = QT_TRANSLATE_NOOP("Command", "Create a new document\nNew"),
         .toolbarPlace = 1,
         .themeIcon = "document-new",
         .drawing = "document-new",
         .run = [](const Context& c) { c.frame.NewDocument(); }},
        // Open, Save and Save As work on the program's current file whichever view is shown.
        {.id = cmd::FileOpen,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Open..."),
         .shortcuts = key(Qt::CTRL | Qt::Key_O),
         .prompt = QT_TRANSLATE_NOOP("Command", "Open an existing document\nOpen"),
         .toolbarPlace = 2,
         .themeIcon = "document-open",
         .drawing = "document-open",
         .run = [](const Context& c) { c.receiver.OnFileOpen(); }},
        {.id = cmd::FileSave,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Save"),
         .shortcuts = key(Qt::CTRL | Qt::Key_S),
         .prompt = QT_TRANSLATE_NOOP("Command", "Save the active document\nSave"),
         .toolbarPlace = 3,
         .themeIcon = "document-save",
         .drawing = "document-save",
         .run = [](const Context& c) { c.receiver.OnFileSave(); }},
        {.id = cmd::FileSaveAs,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "Save &As..."),
         .shortcuts = none,
         .prompt =
             QT_TRANSLATE_NOOP("Command", "Save the active document with a new name\nSave As"),
         .run = [](const Context& c) { c.receiver.OnFileSaveAs(); }},
        {.id = cmd::ImportList,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Import List..."),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command",
             "Replace the channels, transponders and satellites by those of the CSV files "
             "Export List writes\nImport List"),
         .run = [](const Context& c) { c.lists.ImportList(); }},
        {.id = cmd::ExportList,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Export List..."),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command",
             "Write the channels, transponders and satellites as CSV files\nExport List"),
         .run = [](const Context& c) { c.database.ExportList(); }},
        {.id = cmd::FilePrint,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Print..."),
         .shortcuts = key(Qt::CTRL | Qt::Key_P),
         .prompt = QT_TRANSLATE_NOOP("Command", "Print the active document\nPrint"),
         .separatorBefore = true,
         .run = [](const Context& c) { c.frame.Print(false); }},
        {.id = cmd::FilePrintPreview,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "Print Pre&view"),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP("Command", "Display full pages\nPrint Preview"),
         .run = [](const Context& c) { c.frame.Print(true); }},
        {.id = cmd::FilePrintSetup,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "P&rint Setup..."),
         .shortcuts = none,
         .prompt =
             QT_TRANSLATE_NOOP("Command", "Change the printer and printing options\nPrint Setup"),
         .run = [](const Context& c) { c.frame.PrintSetup(); }},
        // The recent files: a submenu the frame fills, enabled while it has entries.
        {.id = cmd::FileMruFirst,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "Recent File"),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP("Command", "Open this document"),
         .separatorBefore = true},
        {.id = cmd::AppExit,
         .menu = QT_TRANSLATE_NOOP("Command", "&File"),
         .caption = QT_TRANSLATE_NOOP("Command", "E&xit"),
         .shortcuts = none,
         .prompt =
             QT_TRANSLATE_NOOP("Command", "Quit the application; prompts to save documents\nExit"),
         .separatorBefore = true,
         .run = [](const Context& c) { c.frame.Exit(); }},
        // With a channel list shown, Undo and Redo take back and do again changes of the
        // channel database; with the terminal shown they edit its text.
        {.id = cmd::EditUndo,
         .menu = QT_TRANSLATE_NOOP("Command", "&Edit"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Undo"),
         .shortcuts = {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)},
         .prompt = QT_TRANSLATE_NOOP("Command", "Undo the last action\nUndo"),
         .enabledWhen =
             [](const State& s) { return s.ListShown() ? s.databaseCanUndo : s.terminalCanUndo; },
         .captionNow =
             [](const State& s) {
                 return UndoCaption(QT_TRANSLATE_NOOP("Command", "&Undo"),
                                    QT_TRANSLATE_NOOP("Command", "&Undo %1"), s,
                                    s.databaseUndoName);
             },
         .run =
             [](const Context& c) {
                 if (c.view.ListShown()) {
                     c.frame.UndoDatabaseChange(false);
                 } else {
                     c.terminal.undo();
                 }
             }},
        {.id = cmd::EditRedo,
         .menu = QT_TRANSLATE_NOOP("Command", "&Edit"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Redo"),
         .shortcuts = key(Qt::CTRL | Qt::Key_Y),
         .prompt = QT_TRANSLATE_NOOP("Command", "Redo the previously undone action\nRedo"),
         .enabledWhen =
             [](const State& s) { return s.ListShown() ? s.databaseCanRedo : s.terminalCanRedo; },
         .captionNow =
             [](const State& s) {
                 return UndoCaption(QT_TRANSLATE_NOOP("Command", "&Redo"),
                                    QT_TRANSLATE_NOOP("Command", "&Redo %1"), s,
                                    s.databaseRedoName);
             },
         .run =
             [](const Context& c) {
                 if (c.view.ListShown()) {
                     c.frame.UndoDatabaseChange(true);
                 } else {
                     c.terminal.redo();
                 }
             }},
        {.id = cmd::EditCut,
         .menu = QT_TRANSLATE_NOOP("Command", "&Edit"),
         .caption = QT_TRANSLATE_NOOP("Command", "Cu&t"),
         .shortcuts = {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)},
         .prompt =
             QT_TRANSLATE_NOOP("Command", "Cut the selection and put it on the Clipboard\nCut"),
         .separatorBefore = true,
         .toolbarPlace = 5,
         .themeIcon = "edit-cut",
         .drawing = "edit-cut",
         .enabledWhen =
             [](const State& s) {
                 return !s.ListShown() && !s.terminalReadOnly && s.terminalHasSelection;
             },
         .run = [](const Context& c) { c.terminal.cut(); }},
        {.id = cmd::EditCopy,
         .menu = QT_TRANSLATE_NOOP("Command", "&Edit"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Copy"),
         .shortcuts = {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)},
         .prompt =
             QT_TRANSLATE_NOOP("Command", "Copy the selection and put it on the Clipboard\nCopy"),
         .toolbarPlace = 6,
         .themeIcon = "edit-copy",
         .drawing = "edit-copy",
         .enabledWhen = [](const State& s) { return !s.ListShown() && s.terminalHasSelection; },
         .run = [](const Context& c) { c.terminal.copy(); }},
        {.id = cmd::EditPaste,
         .menu = QT_TRANSLATE_NOOP("Command", "&Edit"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Paste"),
         .shortcuts = {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)},
         .prompt = QT_TRANSLATE_NOOP("Command", "Insert Clipboard contents\nPaste"),
         .toolbarPlace = 7,
         .themeIcon = "edit-paste",
         .drawing = "edit-paste",
         .enabledWhen =
             [](const State& s) {
                 return !s.ListShown() && !s.terminalReadOnly && s.clipboardHasText;
             },
         .run = [](const Context& c) { c.terminal.paste(); }},
        // The channel list's filter box.
        {.id = cmd::EditFind,
         .menu = QT_TRANSLATE_NOOP("Command", "&Edit"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Find Channels"),
         .shortcuts = key(Qt::CTRL | Qt::Key_F),
         .prompt = QT_TRANSLATE_NOOP(
             "Command", "Show only the channels whose name or numbers match a text\nFind Channels"),
         .separatorBefore = true,
         .enabledWhen = ListShown,
         .run = [](const Context& c) { c.frame.FindChannels(); }},
        {.id = cmd::ViewToolbar,
         .menu = QT_TRANSLATE_NOOP("Command", "&View"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Toolbar"),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP("Command", "Show or hide the toolbar\nToggle ToolBar"),
         .checkedWhen = [](const State& s) { return s.toolbarShown; },
         .toggle = [](const Context& c, bool on) { c.frame.ShowToolbar(on); }},
        {.id = cmd::ViewStatusBar,
         .menu = QT_TRANSLATE_NOOP("Command", "&View"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Status Bar"),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP("Command", "Show or hide the status bar\nToggle StatusBar"),
         .checkedWhen = [](const State& s) { return s.statusBarShown; },
         .toggle = [](const Context& c, bool on) { c.frame.ShowStatusBar(on); }},
        {.id = cmd::ViewFont,
         .menu = QT_TRANSLATE_NOOP("Command", "&View"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Font"),
         .shortcuts = none,
         .prompt = "",
         .enabledWhen = TerminalShown,
         .run = [](const Context& c) { c.terminal.OnFont(); }},
        {.id = cmd::LineMonitor,
         .menu = QT_TRANSLATE_NOOP("Command", "&View"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Line Monitor"),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command",
             "Show every byte sent and received, in hexadecimal and as text\nLine Monitor"),
         .checkedWhen = [](const State& s) { return s.lineMonitorOpen; },
         .toggle = [](const Context& c, bool open) { c.frame.ShowLineMonitor(open); }},
        {.id = cmd::FlashSelect,
         .menu = QT_TRANSLATE_NOOP("Command", "F&lash"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Flash Select"),
         .shortcuts = none,
         .prompt = "",
         .run = [](const Context& c) { c.doc.OnFlashSelect(); }},
        {.id = cmd::ComSetup,
         .menu = QT_TRANSLATE_NOOP("Command", "&Com"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Com Setup"),
         .shortcuts = key(Qt::Key_F3),
         .prompt = "",
         .run = [](const Context& c) { c.doc.OnComSetup(); }},
        {.id = cmd::ComConnect,
         .menu = QT_TRANSLATE_NOOP("Command", "&Com"),
         .caption = QT_TRANSLATE_NOOP("Command", "Com C&onnect"),
         .shortcuts = key(Qt::Key_F5),
         .prompt = "",
         .enabledWhen = [](const State& s) { return !s.portConnected; },
         .run = [](const Context& c) { c.receiver.OnComConnect(); }},
        // The caption names F6 as it always did, but F6 belongs to Stop Update.
        {.id = cmd::ComDisconnect,
         .menu = QT_TRANSLATE_NOOP("Command", "&Com"),
         .caption = QT_TRANSLATE_NOOP("Command", "Com &Disconnect\tF6"),
         .shortcuts = none,
         .prompt = "",
         .enabledWhen = [](const State& s) { return s.portConnected; },
         .run = [](const Context& c) { c.receiver.OnComDisconnect(); }},
        {.id = cmd::UpdateParameters,
         .menu = QT_TRANSLATE_NOOP("Command", "&Update"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Update Parameters"),
         .shortcuts = key(Qt::Key_F7),
         .prompt = QT_TRANSLATE_NOOP("Command", "\nUpdate Parameters"),
         .toolbarPlace = 9,
         .drawing = "update-parameters",
         .enabledWhen = TerminalShown,
         .run = [](const Context& c) { c.receiver.OnUpdateParameters(); }},
        {.id = cmd::UpdateSoftware,
         .menu = QT_TRANSLATE_NOOP("Command", "&Update"),
         .caption = QT_TRANSLATE_NOOP("Command", "Update &Software"),
         .shortcuts = key(Qt::Key_F8),
         .prompt = QT_TRANSLATE_NOOP("Command", "\nUpdate Software"),
         .toolbarPlace = 10,
         .drawing = "update-software",
         .enabledWhen = TerminalShown,
         .run = [](const Context& c) { c.receiver.OnUpdateSoftware(); }},
        {.id = cmd::OtaSoftwareUpdate,
         .menu = QT_TRANSLATE_NOOP("Command", "&Update"),
         .caption = QT_TRANSLATE_NOOP("Command", "&OTA Software Update"),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP("Command", "\nUpdate OTA Software"),
         .toolbarPlace = 11,
         .drawing = "ota-update",
         .enabledWhen = TerminalShown,
         .run = [](const Context& c) { c.receiver.OnOtaSoftwareUpdate(); }},
        {.id = cmd::StopUpdate,
         .menu = QT_TRANSLATE_NOOP("Command", "&Update"),
         .caption = QT_TRANSLATE_NOOP("Command", "S&top Update"),
         .shortcuts = key(Qt::Key_F6),
         .prompt = QT_TRANSLATE_NOOP("Command", "Download Stop\nStop Download"),
         .toolbarPlace = 12,
         .drawing = "stop-update",
         .enabledWhen = TerminalShown,
         .run = [](const Context& c) { c.receiver.OnStopUpdate(); }},
        // Load and Send stay enabled with a list shown: Load shows the terminal first, Send
        // leaves the list shown.
        {.id = cmd::LoadSettingFromBox,
         .menu = QT_TRANSLATE_NOOP("Command", "&Data"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Load Setting from Box "),
         .shortcuts = key(Qt::Key_F9),
         .prompt = "",
         .run = [](const Context& c) { c.receiver.OnLoadSettingFromBox(); }},
        {.id = cmd::SendSettingToBox,
         .menu = QT_TRANSLATE_NOOP("Command", "&Data"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Send  Setting to Box "),
         .shortcuts = key(Qt::Key_F10),
         .prompt = "",
         .run = [](const Context& c) { c.receiver.OnSendSettingToBox(); }},
        {.id = cmd::VerifyBoxSettings,
         .menu = QT_TRANSLATE_NOOP("Command", "&Data"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Verify Box Settings"),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command",
             "Load the box's settings and compare them with the channel list\nVerify Box "
             "Settings"),
         .separatorBefore = true,
         .run = [](const Context& c) { c.receiver.OnVerifyBoxSettings(); }},
        {.id = cmd::BackupBeforeSend,
         .menu = QT_TRANSLATE_NOOP("Command", "&Data"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Back up the box's settings before each send"),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command",
             "Save the box's settings beside the current file before every Send Setting "
             "to Box"),
         .checkedWhen = [](const State& s) { return s.backupBeforeSend; },
         .toggle =
             [](const Context& c, bool on) {
                 transfer_options::SetBackupBeforeSend(on);
                 c.receiver.SetBackupBeforeSend(on);
             }},
        {.id = cmd::CheckDatabase,
         .menu = QT_TRANSLATE_NOOP("Command", "&Data"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Check Database"),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command", "List every problem of the channel list, errors first\nCheck Database"),
         .separatorBefore = true,
         .run = [](const Context& c) { c.database.CheckDatabase(); }},
        {.id = cmd::CompareWithFile,
         .menu = QT_TRANSLATE_NOOP("Command", "&Data"),
         .caption = QT_TRANSLATE_NOOP("Command", "C&ompare with File..."),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command", "Compare the channel list with a parameter image file\nCompare with File"),
         .run = [](const Context& c) { c.database.CompareWithFile(); }},
        // Whole lists reworked, each one undo step.
        {.id = cmd::SortChannels,
         .menu = QT_TRANSLATE_NOOP("Command", "&Data"),
         .caption = QT_TRANSLATE_NOOP("Command", "So&rt Channels..."),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command",
             "Sort the channel list shown, or its selected channels, by name, satellite, "
             "frequency or Service ID\nSort Channels"),
         .separatorBefore = true,
         .enabledWhen = ListShown,
         .run = [](const Context& c) { c.lists.SortChannels(); }},
        {.id = cmd::OrderLikeFile,
         .menu = QT_TRANSLATE_NOOP("Command", "&Data"),
         .caption = QT_TRANSLATE_NOOP("Command", "Order Like &File..."),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command",
             "Give the TV and radio lists the order of another channel list\nOrder Like "
             "File"),
         .run = [](const Context& c) { c.lists.OrderLikeFile(); }},
        {.id = cmd::UpdateTransponders,
         .menu = QT_TRANSLATE_NOOP("Command", "&Data"),
         .caption = QT_TRANSLATE_NOOP("Command", "Update &Transponders from File..."),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command",
             "Bring the transponders of the satellites up to date from a transponder XML "
             "file\nUpdate Transponders from File"),
         .run = [](const Context& c) { c.lists.UpdateTransponders(); }},
        {.id = cmd::TransponderList,
         .menu = QT_TRANSLATE_NOOP("Command", "&Settings"),
         .caption = QT_TRANSLATE_NOOP("Command", "Transponder List "),
         .shortcuts = key(Qt::Key_F11),
         .prompt = "",
         .enabledWhen = ListShown,
         .run = [](const Context& c) { c.frame.ListView()->OnTransponderList(); }},
        {.id = cmd::SatelliteList,
         .menu = QT_TRANSLATE_NOOP("Command", "&Settings"),
         .caption = QT_TRANSLATE_NOOP("Command", "Satellite List "),
         .shortcuts = key(Qt::Key_F12),
         .prompt = "",
         .enabledWhen = ListShown,
         .run = [](const Context& c) { c.frame.ListView()->OnSatelliteList(); }},
        {.id = cmd::AppAbout,
         .menu = QT_TRANSLATE_NOOP("Command", "&Help"),
         .caption = QT_TRANSLATE_NOOP("Command", "&About Zev..."),
         .shortcuts = none,
         .prompt = QT_TRANSLATE_NOOP(
             "Command", "Display program information, version number and copyright\nAbout"),
         .toolbarPlace = 19,
         .themeIcon = "help-about",
         .drawing = "about",
         .run = [](const Context& c) { c.frame.About(); }},
        // The views, at the end of the View menu and on the toolbar, each checked while shown.
        {.id = cmd::EditText,
         .menu = QT_TRANSLATE_NOOP("Command", "&View"),
         .caption = QT_TRANSLATE_NOOP("Command", "T&erminal"),
         .shortcuts = key(Qt::CTRL | Qt::Key_F1),
         .prompt = QT_TRANSLATE_NOOP("Command", "\nEdit Text   Ctrl+F1"),
         .separatorBefore = true,
         .toolbarPlace = 14,
         .drawing = "edit-text",
         .checkedWhen = [](const State& s) { return s.shown == ShownView::Terminal; },
         .run = [](const Context& c) { c.frame.ShowTerminal(); }},
        {.id = cmd::TvChannelList,
         .menu = QT_TRANSLATE_NOOP("Command", "&View"),
         .caption = QT_TRANSLATE_NOOP("Command", "T&V Channel List"),
         .shortcuts = key(Qt::CTRL | Qt::Key_F2),
         .prompt = QT_TRANSLATE_NOOP("Command", "\nTV Channel List  Ctrl+F2"),
         .toolbarPlace = 15,
         .drawing = "tv-list",
         .enabledWhen = [](const State& s) { return s.shown != ShownView::TvList; },
         .checkedWhen = [](const State& s) { return s.shown == ShownView::TvList; },
         .run = [](const Context& c) { c.frame.ShowList(true); }},
        // The radio list is reached only from the TV list.
        {.id = cmd::RadioChannelList,
         .menu = QT_TRANSLATE_NOOP("Command", "&View"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Radio Channel List"),
         .shortcuts = key(Qt::CTRL | Qt::Key_F3),
         .prompt = QT_TRANSLATE_NOOP("Command", "\nRadio Channel List  Ctrl+F3"),
         .toolbarPlace = 16,
         .drawing = "radio-list",
         .enabledWhen = [](const State& s) { return s.shown == ShownView::TvList; },
         .checkedWhen = [](const State& s) { return s.shown == ShownView::RadioList; },
         .run = [](const Context& c) { c.frame.ShowList(false); }},
        {.id = cmd::ToggleHexMode,
         .menu = QT_TRANSLATE_NOOP("Command", "&View"),
         .caption = QT_TRANSLATE_NOOP("Command", "&Hex Mode"),
         .shortcuts = key(Qt::Key_F4),
         .prompt = QT_TRANSLATE_NOOP("Command", "\nToggle Hex Mode  F4"),
         .toolbarPlace = 18,
         .drawing = "hex-mode",
         .enabledWhen = ListShown,
         .checkedWhen = [](const State& s) { return s.hexMode; },
         .run = [](const Context& c) { c.frame.ToggleHexMode(); }},
        // Next and previous pane exist only as shortcuts and stay disabled: there is no split
        // window.
        {.id = cmd::NextPane,
         .menu = nullptr,
         .caption = QT_TRANSLATE_NOOP("Command", "Next Pane"),
         .shortcuts = key(Qt::CTRL | Qt::Key_F6),
         .prompt = "",
         .enabledWhen = Never},
        {.id = cmd::PrevPane,
         .menu = nullptr,
         .caption = QT_TRANSLATE_NOOP("Command", "Previous Pane"),
         .shortcuts = key(Qt::SHIFT | Qt::Key_F6),
         .prompt = "",
         .enabledWhen = Never},
    };
}

}  // namespace

std::span<const CommandEntry> CommandTable() {
    static const std::vector<CommandEntry> table = BuildTable();
    return table;
}

const CommandEntry* FindCommand(int id) {
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

QString CommandText(const char* text) {
    return *text == '\0' ? QString() : QCoreApplication::translate("Command", text);
}

QString PromptOf(const char* prompt) { return CommandText(prompt).section('\n', 0, 0); }

QString ToolTipOf(const char* prompt) { return CommandText(prompt).section('\n', 1); }
