// The terminal: the program's console and the home of the receiver runs and the file
// commands. It echoes what the receiver sends, reports every step of a run, and is the
// RunHost through which the runs reach the link, the views and the person.
#pragma once

#include <QPlainTextEdit>
#include <ctime>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "app/DataFileState.h"
#include "link/LinkRunHost.h"
#include "protocols/ReceiverSession.h"
#include "protocols/RunHost.h"
#include "protocols/SettingsSafeguards.h"
#include "protocols/TerminalFeed.h"

namespace zev {
class ChannelDatabase;
class NotificationPump;
struct ImageBuffers;
}  // namespace zev

class CDataFileCommands;
class CZevDoc;
class UiPrompts;

class CZevView : public QPlainTextEdit, public zev::LinkRunHost, public zev::EchoSink {
    Q_OBJECT
  public:
    // The terminal keeps this many lines; beyond it the oldest are dropped in one batch so
    // that a chatty receiver cannot make the window sluggish.
    static constexpr int kMaxLines = 20000;
    static constexpr int kLinesKeptAfterTrim = 18000;

    CZevView(CZevDoc& doc, zev::ChannelDatabase& db, zev::ImageBuffers& images, UiPrompts& prompts,
             QWidget* parent = nullptr);
    ~CZevView() override;

    zev::ReceiverSession& Session() { return session_; }
    CZevDoc& Doc() { return doc_; }
    // The current file and the held image file.
    DataFileState& DataFile() { return dataFile_; }

    // The status bar's connection state and the start of the time shown beside it.
    bool StatusConnected() const { return statusConnected_; }
    std::time_t RunStart() const { return runStart_; }

    // How the view learns whether a channel list is shown instead of it.
    void SetListShownQuery(std::function<bool()> query) { listShown_ = std::move(query); }
    bool ListShown() const { return listShown_ && listShown_(); }
    // The terminal is shown again: deliver the bytes that waited meanwhile.
    void ResumeEcho();

    // Status panes 0 and 2 (blank while a list is shown).
    QString ConnectionPaneText() const;
    QString PortPaneText() const;

    // Before the channel database is replaced or the program ends: asks whether to save
    // changed channels. False when the person cancels or the save fails.
    bool SaveChangedChannelList();

    // Send Setting to Box saves the box's settings first (beside the current file).
    void SetBackupBeforeSend(bool on) { backupBeforeSend_ = on; }
    bool BackupBeforeSend() const { return backupBeforeSend_; }

    // File New: clears the text while the terminal is shown.
    void NewDocument();
    // A file named on the command line or picked from the recent files, shown as text (lines
    // longer than terminal_text::kMaxLineLength broken). False, with a sentence saying why in
    // `error`, when it cannot be read, is no regular file or is too large.
    bool LoadTextFile(const QString& path, QString& error);

    // RunHost.
    void AppendText(const std::string& text) override;
    zev::MsgAnswer Message(const std::string& text, const std::string& caption, zev::MsgIcon icon,
                           zev::MsgButtons buttons, zev::MsgAnswer defaultAnswer) override;
    bool ConfirmImage(const zev::ChannelDatabase& db, zev::ImageKind kind) override;
    bool OpenLink() override;
    void CloseLink() override;
    void ShowTerminal() override;
    void ShowLoadedTvList() override;
    void ShowConnected(bool connected, bool startClock) override;
    void ForgetDataFile() override { dataFile_.Forget(); }
    void WaitingForReset() override;
    void TransferProgress(unsigned done, unsigned total) override;
    void RunFinished(const zev::RunOutcome& outcome) override;

    // EchoSink.
    void InsertText(const std::string& text) override;
    void DeleteLastChar() override;
    void Beep() override;

  public slots:
    void OnFileOpen();
    // File Open of `path` without the dialog (the command line's --open).
    void OpenFile(const QString& path);
    // False when the save dialog was cancelled or the file could not be written.
    bool OnFileSave();
    // Saves the terminal text as File New's question means it: into the current .txt file, or
    // under a name asked for (also while an image is the current file). False when not saved.
    bool SaveTerminalText();
    void OnFileSaveAs();
    void OnFont();
    void OnUpdateParameters();
    void OnUpdateSoftware();
    void OnOtaSoftwareUpdate();
    void OnStopUpdate();
    void OnLoadSettingFromBox();
    void OnSendSettingToBox();
    // Loads the box's user block beside the database and says whether it is the same.
    void OnVerifyBoxSettings();

  signals:
    void StateChanged();           // run state, connection or current file changed
    void ShowTerminalRequested();  // Edit Text
    void TvListRequested();        // TV Channel List
    void LoadedTvListRequested();  // a new list view with the loaded TV channels
    void ProgressChanged(unsigned done, unsigned total);
    // A run waits for the receiver's reset; `otaLoader` when it waits for the OTA loader.
    void ResetWanted(bool otaLoader);

  private:
    void InsertAtEnd(const QString& text);
    void DropOldestLines();
    void SetTerminalFont();

    // Saves the box's block to `path` before a send; says why not when it cannot.
    bool SaveBoxBackup(const QString& path, std::span<const uint8_t> block);

    CZevDoc& doc_;
    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    DataFileState dataFile_;
    bool statusConnected_ = false;
    std::time_t runStart_ = 0;
    zev::ReceiverSession session_;
    zev::SettingsSafeguards safeguards_;
    bool backupBeforeSend_ = false;
    std::unique_ptr<zev::NotificationPump> pump_;
    std::unique_ptr<CDataFileCommands> files_;
    std::function<bool()> listShown_;
};
