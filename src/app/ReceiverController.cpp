#include "app/ReceiverController.h"

#include <QDateTime>
#include <QFileInfo>
#include <iostream>

#include "app/BoxBackupFile.h"
#include "app/CDataFileCommands.h"
#include "app/CZevDoc.h"
#include "app/CheckQuestion.h"
#include "app/ClockText.h"
#include "app/DatabaseChanges.h"
#include "app/TerminalSink.h"
#include "app/ViewState.h"
#include "link/NotificationPump.h"
#include "link/SerialLink.h"
#include "ui/TranslatedText.h"
#include "ui/UiPrompts.h"

ReceiverController::ReceiverController(CZevDoc& doc, zev::ChannelDatabase& db,
                                       zev::ImageBuffers& images, UiPrompts& prompts,
                                       TerminalSink& terminal, const ViewState& view,
                                       QObject* parent)
    : QObject(parent),
      zev::LinkRunHost(doc.Link()),
      doc_(doc),
      db_(db),
      prompts_(prompts),
      terminal_(terminal),
      view_(view),
      standardOutput_(&std::cout),
      session_(*this, db, images),
      safeguards_(session_, *this, images) {
    CDataFileCommands::Reports reports;
    reports.status = [this](const QString& text) { emit StatusMessage(text); };
    reports.fileUsed = [this](const QString& path) { emit FileUsed(path); };
    files_ = std::make_unique<CDataFileCommands>(view_, dataFile_, db, images, doc_.Changes(),
                                                 prompts_, terminal_, std::move(reports));

    // While a channel list is shown the received bytes wait, in order, for the terminal.
    pump_ = std::make_unique<zev::NotificationPump>(doc_.Link(), session_, terminal_);
    pump_->SetPausedWhen([this] { return view_.ListShown(); });
    connect(&view_, &ViewState::Changed, this, [this] {
        if (!view_.ListShown()) pump_->Resume();
    });
    // The pump reports a lost link to the session; the frame only needs to catch up.
    connect(&doc_.Link(), &zev::SerialLink::LinkLost, this, [this] { emit StateChanged(); });
}

ReceiverController::~ReceiverController() = default;

// ---- status --------------------------------------------------------------------------------

QString ReceiverController::ConnectionPaneText() const {
    if (view_.ListShown()) return QString();
    return statusConnected_ ? tr("Connect:") : tr("Disconnect:");
}

QString ReceiverController::PortPaneText() const {
    if (view_.ListShown()) return QString();
    return doc_.PortSettingsText();
}

QString ReceiverController::ElapsedText(std::time_t now) const {
    if (!statusConnected_) return ClockText(0, 0, 0);
    // Hours wrap at a day, as a time of day would.
    long long elapsed = static_cast<long long>(now - runStart_);
    if (elapsed < 0) elapsed = 0;
    return ClockText(static_cast<int>((elapsed / 3600) % 24), static_cast<int>((elapsed / 60) % 60),
                     static_cast<int>(elapsed % 60));
}

// ---- file commands -------------------------------------------------------------------------

bool ReceiverController::SaveChangedChannelList() { return files_->SaveChangedChannelList(); }

bool ReceiverController::SaveTerminalText() { return files_->SaveTerminalText(); }

void ReceiverController::OnFileOpen() {
    if (files_->Open()) emit TvListRequested();
    emit StateChanged();
}

void ReceiverController::OpenFile(const QString& path) {
    if (files_->OpenPath(path)) emit TvListRequested();
    emit StateChanged();
}

bool ReceiverController::OnFileSave() {
    const bool saved = files_->Save();
    emit StateChanged();
    return saved;
}

bool ReceiverController::OnFileSaveAs() {
    const bool saved = files_->SaveAs();
    emit StateChanged();
    return saved;
}

// ---- receiver commands ---------------------------------------------------------------------

void ReceiverController::OnUpdateParameters() {
    command_ = Command::UpdateParameters;
    session_.UpdateParameters(dataFile_.CurrentFile());
    emit StateChanged();
}

void ReceiverController::OnUpdateSoftware() {
    command_ = Command::UpdateSoftware;
    session_.UpdateSoftware(dataFile_.CurrentFile());
    emit StateChanged();
}

void ReceiverController::OnOtaSoftwareUpdate() {
    command_ = Command::OtaUpdate;
    session_.OtaSoftwareUpdate(dataFile_.CurrentFile());
    emit StateChanged();
}

void ReceiverController::OnStopUpdate() {
    session_.StopUpdate();
    emit ProgressChanged(0, 0);
    emit StateChanged();
}

void ReceiverController::OnLoadSettingFromBox() {
    // A successful load replaces the channels: changed ones are saved first if wanted.
    if (!SaveChangedChannelList()) return;
    // The terminal shows the run, and reads the box's bytes only while it is shown.
    if (view_.ListShown()) emit ShowTerminalRequested();
    command_ = Command::Load;
    session_.LoadSettingFromBox();
    emit StateChanged();
}

void ReceiverController::OnSendSettingToBox() {
    command_ = Command::Send;
    backupPath_.clear();
    if (!backupBeforeSend_) {
        session_.SendSettingToBox(dataFile_.CurrentFile());
    } else {
        // Beside the channel list's file, named now (before the load the backup takes).
        const QString path = BoxBackupPath(
            dataFile_.HasListFile() ? dataFile_.ListFile() : std::string(DataFileState::kNoFile),
            QDateTime::currentDateTime());
        zev::SettingsSafeguards::SendChecks checks;
        checks.backup = [this, path](std::span<const uint8_t> block) {
            return SaveBoxBackup(path, block);
        };
        safeguards_.Send(dataFile_.CurrentFile(), std::move(checks));
    }
    // The default counts a send may set are no edit of the channels.
    doc_.Changes().TakeAsIs();
    emit StateChanged();
}

bool ReceiverController::SaveBoxBackup(const QString& path, std::span<const uint8_t> block) {
    QString error;
    if (!WriteBoxBackup(path, block, error)) {
        prompts_.Inform(tr("The box's settings could not be saved as %1 (%2), so "
                           "nothing is sent.")
                            .arg(path, error),
                        tr("Warning"));
        return false;
    }
    AppendText("\nThe box's settings were saved to " + path.toLocal8Bit().toStdString() + ".");
    backupPath_ = path;
    return true;
}

void ReceiverController::OnVerifyBoxSettings() {
    // As for a load: the terminal shows the run, and reads the box's bytes only when shown.
    if (view_.ListShown()) emit ShowTerminalRequested();
    command_ = Command::Verify;
    safeguards_.VerifyBox(db_);
    emit StateChanged();
}

void ReceiverController::OnComConnect() {
    zev::SerialLink& link = doc_.Link();
    if (!link.OpenPort()) {
        AppendText("\nCan't open connection, maybe COM is open!");
        // Why, on the next line: the person can act on it.
        if (!link.OpenProblem().empty()) AppendText("\n" + link.OpenProblem());
    }
    if (link.portConnected()) {
        session_.OnLinkConnected();
    } else {
        ShowConnected(false, false);
    }
    emit StateChanged();
}

void ReceiverController::OnComDisconnect() {
    zev::SerialLink& link = doc_.Link();
    const bool wasOpen = link.portConnected();
    link.ClosePort();
    session_.OnLinkDisconnected();
    const std::string& port = doc_.Settings().portName;
    AppendText(wasOpen ? "\n" + port + " has been closed!"
                       : "\nOh, maybe " + port + " haven't been opened!");
    emit StateChanged();
}

// ---- RunHost -------------------------------------------------------------------------------

void ReceiverController::AppendText(const std::string& text) { terminal_.InsertText(text); }

zev::MsgAnswer ReceiverController::Message(const zev::Translatable& text,
                                           const zev::Translatable& caption, zev::MsgIcon icon,
                                           zev::MsgButtons buttons, zev::MsgAnswer defaultAnswer) {
    return prompts_.Message(Translated(text), Translated(caption), icon, buttons, defaultAnswer);
}

bool ReceiverController::ConfirmImage(const zev::ChannelDatabase& db, zev::ImageKind kind) {
    return ConfirmDespiteCheckErrors(prompts_, db, kind, tr("Send it anyway?"));
}

bool ReceiverController::OpenLink() {
    const bool ok = zev::LinkRunHost::OpenLink();
    emit StateChanged();
    return ok;
}

void ReceiverController::CloseLink() {
    zev::LinkRunHost::CloseLink();
    emit StateChanged();
}

void ReceiverController::ShowLoadedTvList() {
    // The loaded channels replace any edits; the load can be undone. They come from no file.
    doc_.Changes().DatabaseReplaced(ZEV_TR("Change", "Load Setting from Box"));
    dataFile_.SetListFile(std::string());
    emit LoadedTvListRequested();
}

void ReceiverController::ShowConnected(bool connected, bool startClock) {
    statusConnected_ = connected;
    if (startClock) runStart_ = Now();
}

void ReceiverController::MalformedDataLine(const std::string& /*path*/,
                                           const zev::MalformedLine& line) {
    // The terminal has shown it already; standard output gets it too, as it always did.
    *standardOutput_ << "\n" << zev::MalformedLineText(line) << std::flush;
}

void ReceiverController::WaitingForReset() {
    emit ResetWanted(session_.Mode() == zev::ProtocolMode::OtaUpdate);
}

void ReceiverController::TransferProgress(unsigned done, unsigned total) {
    emit ProgressChanged(done, total);
}

void ReceiverController::RunFinished(const zev::RunOutcome& outcome) {
    // A refused command leaves a run that is still active as it was.
    if (outcome.end != zev::RunEnd::Refused) emit ProgressChanged(0, 0);
    const QString text = OutcomeText(outcome);
    if (!text.isEmpty()) emit StatusMessage(text);
    command_ = Command::None;
    emit StateChanged();
}

QString ReceiverController::OutcomeText(const zev::RunOutcome& outcome) const {
    QString name;
    switch (command_) {
        case Command::None:
            return {};
        case Command::UpdateParameters:
            name = tr("Update Parameters");
            break;
        case Command::UpdateSoftware:
            name = tr("Update Software");
            break;
        case Command::OtaUpdate:
            name = tr("OTA Software Update");
            break;
        case Command::Load:
            name = tr("Load Setting from Box");
            break;
        case Command::Send:
            name = tr("Send Setting to Box");
            break;
        case Command::Verify:
            name = tr("Verify Box Settings");
            break;
    }
    switch (outcome.end) {
        case zev::RunEnd::Succeeded:
            break;
        case zev::RunEnd::Refused:
            return tr("%1: nothing was done").arg(name);
        case zev::RunEnd::Stopped:
            return tr("%1 was stopped").arg(name);
        case zev::RunEnd::Failed:
            if (outcome.reason == zev::RunReason::NotVerified) {
                return tr("The box's settings differ from the channel list");
            }
            return tr("%1 failed; the terminal says why").arg(name);
    }
    switch (command_) {
        case Command::UpdateParameters:
            return tr("Updated the box's parameters");
        case Command::UpdateSoftware:
        case Command::OtaUpdate:
            return tr("Updated the box's software");
        case Command::Load:
            return tr("Loaded from the box: %1 TV and %2 radio channels")
                .arg(db_.header.TvCount)
                .arg(db_.header.RadioCount);
        case Command::Send:
            return backupPath_.isEmpty()
                       ? tr("Sent to the box")
                       : tr("Sent to the box; its settings before were saved as %1")
                             .arg(QFileInfo(backupPath_).fileName());
        case Command::Verify:
            return tr("Verified: the box holds the same settings as the channel list");
        case Command::None:
            break;
    }
    return {};
}
