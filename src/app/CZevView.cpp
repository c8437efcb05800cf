#include "app/CZevView.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "app/BoxBackupFile.h"
#include "app/CDataFileCommands.h"
#include "app/CZevDoc.h"
#include "app/CheckQuestion.h"
#include "app/TerminalTextFile.h"
#include "database/ChannelDatabase.h"
#include "database/StartupHeader.h"
#include "link/NotificationPump.h"
#include "link/SerialLink.h"
#include "ui/UiPrompts.h"

CZevView::CZevView(CZevDoc& doc, zev::ChannelDatabase& db, zev::ImageBuffers& images,
                   UiPrompts& prompts, QWidget* parent)
    : QPlainTextEdit(parent),
      zev::LinkRunHost(doc.Link()),
      doc_(doc),
      db_(db),
      prompts_(prompts),
      session_(*this, db, images),
      safeguards_(session_, *this, images) {
    // Long lines wrap at the window's edge; there is no horizontal scrolling.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    doc_.AttachTerminal(this);
    zev::ApplyStartupHeader(db.header, doc_.Settings().flashSizeIndex,
                            doc_.Settings().userSizeIndex);
    // The start-up header is where the history begins.
    doc_.Changes().TakeAsIs();
    SetTerminalFont();

    files_ = std::make_unique<CDataFileCommands>(*this, dataFile_, db, images, prompts_);

    pump_ = std::make_unique<zev::NotificationPump>(doc_.Link(), session_, *this);
    pump_->SetPausedWhen([this] { return ListShown(); });
    // The pump reports a lost link to the session; the frame only needs to catch up.
    connect(&doc_.Link(), &zev::SerialLink::LinkLost, this, [this] { emit StateChanged(); });
}

CZevView::~CZevView() = default;

void CZevView::SetTerminalFont() {
    QFont font(QStringLiteral("Fixedsys"));
    if (!QFontDatabase::families().contains(QStringLiteral("Fixedsys"))) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    font.setPixelSize(12);
    setFont(font);
}

void CZevView::ResumeEcho() { pump_->Resume(); }

QString CZevView::ConnectionPaneText() const {
    if (ListShown()) return QString();
    return statusConnected_ ? QStringLiteral("Connect:") : QStringLiteral("Disconnect:");
}

QString CZevView::PortPaneText() const {
    if (ListShown()) return QString();
    return doc_.PortSettingsText();
}

void CZevView::NewDocument() {
    if (!ListShown()) clear();
    document()->setModified(false);
}

bool CZevView::LoadTextFile(const QString& path, QString& error) {
    // A large file takes a moment or two: the wait cursor says so.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString text;
    const bool read = terminal_text::Read(path, text, error);
    if (read) setPlainText(text);
    QApplication::restoreOverrideCursor();
    if (!read) return false;
    document()->setModified(false);
    return true;
}

// ---- terminal output -------------------------------------------------------------------

void CZevView::InsertAtEnd(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    setTextCursor(cursor);
    DropOldestLines();
    ensureCursorVisible();
}

void CZevView::DropOldestLines() {
    const int blocks = document()->blockCount();
    if (blocks <= kMaxLines) return;
    // Undoing across dropped text would bring back a partial past; start afresh. Not recording
    // the removal at all also keeps it quick when many lines go at once.
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    cursor.setPosition(0);
    cursor.setPosition(document()->findBlockByNumber(blocks - kLinesKeptAfterTrim).position(),
                       QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    document()->setUndoRedoEnabled(true);
    document()->clearUndoRedoStacks();
    moveCursor(QTextCursor::End);
}

void CZevView::AppendText(const std::string& text) {
    InsertAtEnd(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void CZevView::InsertText(const std::string& text) { AppendText(text); }

void CZevView::DeleteLastChar() {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.deletePreviousChar();
    setTextCursor(cursor);
}

void CZevView::Beep() { QApplication::beep(); }

// ---- RunHost -------------------------------------------------------------------------------

zev::MsgAnswer CZevView::Message(const std::string& text, const std::string& caption,
                                 zev::MsgIcon icon, zev::MsgButtons buttons,
                                 zev::MsgAnswer defaultAnswer) {
    return prompts_.Message(QString::fromStdString(text), QString::fromStdString(caption), icon,
                            buttons, defaultAnswer);
}

bool CZevView::ConfirmImage(const zev::ChannelDatabase& db, zev::ImageKind kind) {
    return ConfirmDespiteCheckErrors(prompts_, db, kind, QStringLiteral("Send it anyway?"));
}

bool CZevView::OpenLink() {
    const bool ok = zev::LinkRunHost::OpenLink();
    emit StateChanged();
    return ok;
}

void CZevView::CloseLink() {
    zev::LinkRunHost::CloseLink();
    emit StateChanged();
}

void CZevView::ShowTerminal() { emit ShowTerminalRequested(); }

void CZevView::ShowLoadedTvList() { emit LoadedTvListRequested(); }

void CZevView::ShowConnected(bool connected, bool startClock) {
    statusConnected_ = connected;
    if (startClock) runStart_ = Now();
}

void CZevView::WaitingForReset() {
    emit ResetWanted(session_.Mode() == zev::ProtocolMode::OtaUpdate);
}

void CZevView::TransferProgress(unsigned done, unsigned total) {
    emit ProgressChanged(done, total);
}

void CZevView::RunFinished(const zev::RunOutcome& outcome) {
    // A refused command leaves a run that is still active as it was.
    if (outcome.end != zev::RunEnd::Refused) emit ProgressChanged(0, 0);
    emit StateChanged();
}

// ---- commands ------------------------------------------------------------------------------

void CZevView::OnFileOpen() {
    files_->Open();
    emit StateChanged();
}

void CZevView::OpenFile(const QString& path) {
    files_->OpenPath(path);
    emit StateChanged();
}

bool CZevView::OnFileSave() { return files_->Save(); }

bool CZevView::SaveTerminalText() { return files_->SaveTerminalText(); }

bool CZevView::SaveChangedChannelList() { return files_->SaveChangedChannelList(); }

void CZevView::OnFileSaveAs() { files_->SaveAs(); }

void CZevView::OnFont() {
    if (std::optional<QFont> chosen = prompts_.ChooseFont(font())) setFont(*chosen);
}

void CZevView::OnUpdateParameters() {
    session_.UpdateParameters(dataFile_.CurrentFile());
    emit StateChanged();
}

void CZevView::OnUpdateSoftware() {
    session_.UpdateSoftware(dataFile_.CurrentFile());
    emit StateChanged();
}

void CZevView::OnOtaSoftwareUpdate() {
    session_.OtaSoftwareUpdate(dataFile_.CurrentFile());
    emit StateChanged();
}

void CZevView::OnStopUpdate() {
    session_.StopUpdate();
    emit ProgressChanged(0, 0);
    emit StateChanged();
}

void CZevView::OnLoadSettingFromBox() {
    session_.LoadSettingFromBox();
    emit StateChanged();
}

void CZevView::OnSendSettingToBox() {
    if (!backupBeforeSend_) {
        session_.SendSettingToBox(dataFile_.CurrentFile());
    } else {
        // Named now: the load before the send does not keep the current file.
        const QString path = BoxBackupPath(dataFile_.CurrentFile(), QDateTime::currentDateTime());
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

bool CZevView::SaveBoxBackup(const QString& path, std::span<const uint8_t> block) {
    QString error;
    if (!WriteBoxBackup(path, block, error)) {
        prompts_.Inform(QStringLiteral("The box's settings could not be saved as %1 (%2), so "
                                       "nothing is sent.")
                            .arg(path, error),
                        QStringLiteral("Warning"));
        return false;
    }
    AppendText("\nThe box's settings were saved to " + path.toLocal8Bit().toStdString() + ".");
    return true;
}

void CZevView::OnVerifyBoxSettings() {
    safeguards_.VerifyBox(db_);
    emit StateChanged();
}
