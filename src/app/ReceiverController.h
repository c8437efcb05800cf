// The desktop program's receiver work, apart from any widget: the receiver runs with their
// safeguards, the notification pump that feeds them the received bytes, Com Connect and Com
// Disconnect, the status bar's connection state and run clock, and the program's current file
// and the channel list's file with the file commands. It is the RunHost of every run: terminal text
// goes to a TerminalSink, message boxes and file dialogs to UiPrompts, and a wish to show another
// view leaves as a signal. While a channel list is shown, received bytes wait.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <ctime>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>

#include "app/DataFileState.h"
#include "link/LinkRunHost.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SettingsSafeguards.h"

namespace zev {
class ChannelDatabase;
class NotificationPump;
struct ImageBuffers;
}  // namespace zev

class CDataFileCommands;
class CZevDoc;
class TerminalSink;
class UiPrompts;
class ViewState;

class ReceiverController : public QObject, public zev::LinkRunHost {
    Q_OBJECT
  public:
    ReceiverController(CZevDoc& doc, zev::ChannelDatabase& db, zev::ImageBuffers& images,
                       UiPrompts& prompts, TerminalSink& terminal, const ViewState& view,
                       QObject* parent = nullptr);
    ~ReceiverController() override;

    zev::ReceiverSession& Session() { return session_; }
    // The current file, the channel list's file and the held image file.
    DataFileState& DataFile() { return dataFile_; }
    const DataFileState& DataFile() const { return dataFile_; }

    // Malformed lines of a parameter data file are written here as well as to the terminal;
    // standard output unless set otherwise.
    void SetStandardOutput(std::ostream& out) { standardOutput_ = &out; }

    // The status bar: pane 0, the connection state, and pane 2 (both blank while a list is
    // shown), and pane 1, the time since the run or connection began while connected.
    QString ConnectionPaneText() const;
    QString PortPaneText() const;
    QString ElapsedText(std::time_t now) const;

    // Send Setting to Box saves the box's settings first (beside the current file).
    void SetBackupBeforeSend(bool on) { backupBeforeSend_ = on; }
    bool BackupBeforeSend() const { return backupBeforeSend_; }

    // Before the channel database is replaced or the program ends: asks whether to save
    // changed channels. False when the person cancels or the save fails.
    bool SaveChangedChannelList();
    // Saves the terminal text as File New's question means it: into the current .txt file, or
    // under a name asked for (also while an image is the current file). False when not saved.
    bool SaveTerminalText();

    // File commands.
    void OnFileOpen();
    // File Open of `path` without the dialog (the command line's --open).
    void OpenFile(const QString& path);
    // False when nothing was written (a dialog cancelled, a name that takes nothing, a file
    // that could not be written).
    bool OnFileSave();
    bool OnFileSaveAs();

    // Receiver commands.
    void OnUpdateParameters();
    void OnUpdateSoftware();
    void OnOtaSoftwareUpdate();
    void OnStopUpdate();
    // Asks to save changed channels first, and shows the terminal, which shows the run.
    void OnLoadSettingFromBox();
    void OnSendSettingToBox();
    // Loads the box's user block beside the database and says whether it is the same.
    void OnVerifyBoxSettings();
    void OnComConnect();
    void OnComDisconnect();

    // RunHost.
    void AppendText(const std::string& text) override;
    zev::MsgAnswer Message(const zev::Translatable& text, const zev::Translatable& caption,
                           zev::MsgIcon icon, zev::MsgButtons buttons,
                           zev::MsgAnswer defaultAnswer) override;
    bool ConfirmImage(const zev::ChannelDatabase& db, zev::ImageKind kind) override;
    bool OpenLink() override;
    void CloseLink() override;
    void ShowTerminal() override { emit ShowTerminalRequested(); }
    void ShowLoadedTvList() override;
    void ShowConnected(bool connected, bool startClock) override;
    void ForgetDataFile() override { dataFile_.Forget(); }
    void MalformedDataLine(const std::string& path, const zev::MalformedLine& line) override;
    void WaitingForReset() override;
    void TransferProgress(unsigned done, unsigned total) override;
    void RunFinished(const zev::RunOutcome& outcome) override;

  signals:
    void StateChanged();           // run state, connection or current file changed
    void ShowTerminalRequested();  // Edit Text
    void TvListRequested();        // TV Channel List
    void LoadedTvListRequested();  // a new list view with the loaded TV channels
    void ProgressChanged(unsigned done, unsigned total);
    // What a command did, for the status bar's message pane.
    void StatusMessage(const QString& text);
    // A file was opened or saved under a name the person chose (the recent files).
    void FileUsed(const QString& path);
    // A run waits for the receiver's reset; `otaLoader` when it waits for the OTA loader.
    void ResetWanted(bool otaLoader);

  private:
    // The receiver command that runs, for the word on how it ended.
    enum class Command { None, UpdateParameters, UpdateSoftware, OtaUpdate, Load, Send, Verify };
    QString OutcomeText(const zev::RunOutcome& outcome) const;

    // Saves the box's block to `path` before a send; says why not when it cannot.
    bool SaveBoxBackup(const QString& path, std::span<const uint8_t> block);

    CZevDoc& doc_;
    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    TerminalSink& terminal_;
    const ViewState& view_;
    std::ostream* standardOutput_;
    DataFileState dataFile_;
    bool statusConnected_ = false;
    std::time_t runStart_ = 0;
    bool backupBeforeSend_ = false;
    Command command_ = Command::None;
    QString backupPath_;  // where the running send saved the box's settings first
    zev::ReceiverSession session_;
    zev::SettingsSafeguards safeguards_;
    std::unique_ptr<zev::NotificationPump> pump_;
    std::unique_ptr<CDataFileCommands> files_;
};
