#include "app/CommandTable.h"

#include <vector>

#include "app/CommandIds.h"

namespace {

std::vector<CommandEntry> BuildTable() {
    using K = QKeySequence;
    const auto key = [](QKeyCombination k) { return QList<K>{K(k)}; };
    const QList<K> none;
    return {
        {cmd::FileNew, "&File", "&New", key(Qt::CTRL | Qt::Key_N), "Create a new document\nNew"},
        {cmd::FileOpen, "&File", "&Open...", key(Qt::CTRL | Qt::Key_O),
         "Open an existing document\nOpen"},
        {cmd::FileSave, "&File", "&Save", key(Qt::CTRL | Qt::Key_S),
         "Save the active document\nSave"},
        {cmd::FileSaveAs, "&File", "Save &As...", none,
         "Save the active document with a new name\nSave As"},
        {cmd::ExportList, "&File", "&Export List...", none,
         "Write the channels, transponders and satellites as CSV files\nExport List"},
        {cmd::FilePrint, "&File", "&Print...", key(Qt::CTRL | Qt::Key_P),
         "Print the active document\nPrint", true},
        {cmd::FilePrintPreview, "&File", "Print Pre&view", none,
         "Display full pages\nPrint Preview"},
        {cmd::FilePrintSetup, "&File", "P&rint Setup...", none,
         "Change the printer and printing options\nPrint Setup"},
        {cmd::FileMruFirst, "&File", "Recent File", none, "Open this document", true},
        {cmd::AppExit, "&File", "E&xit", none,
         "Quit the application; prompts to save documents\nExit", true},
        {cmd::EditUndo,
         "&Edit",
         "&Undo",
         {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)},
         "Undo the last action\nUndo"},
        // With a channel list shown, Undo and Redo take back and do again changes of the
        // channel database; with the terminal shown they edit its text.
        {cmd::EditRedo, "&Edit", "&Redo", key(Qt::CTRL | Qt::Key_Y),
         "Redo the previously undone action\nRedo"},
        {cmd::EditCut,
         "&Edit",
         "Cu&t",
         {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)},
         "Cut the selection and put it on the Clipboard\nCut",
         true},
        {cmd::EditCopy,
         "&Edit",
         "&Copy",
         {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)},
         "Copy the selection and put it on the Clipboard\nCopy"},
        {cmd::EditPaste,
         "&Edit",
         "&Paste",
         {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)},
         "Insert Clipboard contents\nPaste"},
        // The channel list's filter box.
        {cmd::EditFind, "&Edit", "&Find Channels", key(Qt::CTRL | Qt::Key_F),
         "Show only the channels whose name or numbers match a text\nFind Channels", true},
        {cmd::ViewToolbar, "&View", "&Toolbar", none, "Show or hide the toolbar\nToggle ToolBar"},
        {cmd::ViewStatusBar, "&View", "&Status Bar", none,
         "Show or hide the status bar\nToggle StatusBar"},
        {cmd::ViewFont, "&View", "&Font", none, ""},
        {cmd::LineMonitor, "&View", "&Line Monitor", none,
         "Show every byte sent and received, in hexadecimal and as text\nLine Monitor"},
        {cmd::FlashSelect, "F&lash", "&Flash Select", none, ""},
        {cmd::ComSetup, "&Com", "&Com Setup", key(Qt::Key_F3), ""},
        {cmd::ComConnect, "&Com", "Com C&onnect", key(Qt::Key_F5), ""},
        // The caption names F6 as it always did, but F6 belongs to Stop Update.
        {cmd::ComDisconnect, "&Com", "Com &Disconnect\tF6", none, ""},
        {cmd::UpdateParameters, "&Update", "&Update Parameters", key(Qt::Key_F7),
         "\nUpdate Parameters"},
        {cmd::UpdateSoftware, "&Update", "Update &Software", key(Qt::Key_F8), "\nUpdate Software"},
        {cmd::OtaSoftwareUpdate, "&Update", "&OTA Software Update", none, "\nUpdate OTA Software"},
        {cmd::StopUpdate, "&Update", "S&top Update", key(Qt::Key_F6),
         "Download Stop\nStop Download"},
        {cmd::LoadSettingFromBox, "&Data", "&Load Setting from Box ", key(Qt::Key_F9), ""},
        {cmd::SendSettingToBox, "&Data", "&Send  Setting to Box ", key(Qt::Key_F10), ""},
        {cmd::VerifyBoxSettings, "&Data", "&Verify Box Settings", none,
         "Load the box's settings and compare them with the channel list\nVerify Box Settings",
         true},
        {cmd::BackupBeforeSend, "&Data", "&Back up the box's settings before each send", none,
         "Save the box's settings beside the current file before every Send Setting to Box"},
        {cmd::CheckDatabase, "&Data", "&Check Database", none,
         "List every problem of the channel list, errors first\nCheck Database", true},
        {cmd::CompareWithFile, "&Data", "C&ompare with File...", none,
         "Compare the channel list with a parameter image file\nCompare with File"},
        {cmd::TransponderList, "&Settings", "Transponder List ", key(Qt::Key_F11), ""},
        {cmd::SatelliteList, "&Settings", "Satellite List ", key(Qt::Key_F12), ""},
        {cmd::Help, "&Help", "&Help", key(Qt::Key_F1), "\nHelp  F1"},
        {cmd::AppAbout, "&Help", "&About Zev...", none,
         "Display program information, version number and copyright\nAbout"},
        {cmd::EditText, nullptr, "Edit Text", key(Qt::CTRL | Qt::Key_F1), "\nEdit Text   Ctrl+F1"},
        {cmd::TvChannelList, nullptr, "TV Channel List", key(Qt::CTRL | Qt::Key_F2),
         "\nTV Channel List  Ctrl+F2"},
        {cmd::RadioChannelList, nullptr, "Radio Channel List", key(Qt::CTRL | Qt::Key_F3),
         "\nRadio Channel List  Ctrl+F3"},
        {cmd::ToggleHexMode, nullptr, "Toggle Hex Mode", key(Qt::Key_F4), "\nToggle Hex Mode  F4"},
        // Next and previous pane exist only as shortcuts and stay disabled: there is no split
        // window.
        {cmd::NextPane, nullptr, "Next Pane", key(Qt::CTRL | Qt::Key_F6), ""},
        {cmd::PrevPane, nullptr, "Previous Pane", key(Qt::SHIFT | Qt::Key_F6), ""},
    };
}

const int kToolbar[] = {cmd::FileNew,
                        cmd::FileOpen,
                        cmd::FileSave,
                        0,
                        cmd::EditCut,
                        cmd::EditCopy,
                        cmd::EditPaste,
                        0,
                        cmd::UpdateParameters,
                        cmd::UpdateSoftware,
                        cmd::OtaSoftwareUpdate,
                        cmd::StopUpdate,
                        0,
                        cmd::EditText,
                        cmd::TvChannelList,
                        cmd::RadioChannelList,
                        0,
                        cmd::ToggleHexMode,
                        cmd::AppAbout};

}  // namespace

std::span<const CommandEntry> CommandTable() {
    static const std::vector<CommandEntry> table = BuildTable();
    return table;
}

std::span<const int> ToolbarLayout() { return kToolbar; }

QString PromptOf(const char* prompt) { return QString::fromLatin1(prompt).section('\n', 0, 0); }

QString ToolTipOf(const char* prompt) { return QString::fromLatin1(prompt).section('\n', 1); }
