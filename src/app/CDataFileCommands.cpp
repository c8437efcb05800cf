#include "app/CDataFileCommands.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <span>

#include "app/CZevDoc.h"
#include "app/CZevView.h"
#include "app/CheckQuestion.h"
#include "app/DataFileState.h"
#include "app/TerminalLog.h"
#include "core/FileName.h"
#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"
#include "ui/UiPrompts.h"

namespace {

const char* const kOpenTitle = "Open File";
const char* const kSaveTitle = "Save File";
const char* const kOpenFilterTerminal =
    "cus files (*.cus);;sgn files (*.sgn);;stc files (*.stc);;All Files (*.*)";
const char* const kOpenFilterList =
    "stc files (*.stc);;cus files (*.cus);;sgn files (*.sgn);;All Files (*.*)";
const char* const kSaveFilterText = "txt files (*.txt);;All Files (*.*)";
const char* const kSaveFilterImage =
    "stc files (*.stc);;def files (*.def);;all files (*.all);;All Files (*.*)";
std::string Local8Bit(const QString& path) { return path.toLocal8Bit().toStdString(); }

}  // namespace

CDataFileCommands::CDataFileCommands(CZevView& view, DataFileState& files, zev::ChannelDatabase& db,
                                     zev::ImageBuffers& images, UiPrompts& prompts)
    : view_(view), files_(files), db_(db), images_(images), prompts_(prompts) {}

void CDataFileCommands::Warn(const QString& text) {
    prompts_.Inform(text, QStringLiteral("Warning"), zev::MsgIcon::Exclamation);
}

void CDataFileCommands::Open() {
    const bool list = view_.ListShown();
    const std::optional<QString> path =
        prompts_.OpenFileName(kOpenTitle, list ? kOpenFilterList : kOpenFilterTerminal,
                              list ? QStringLiteral("stc") : QStringLiteral("cus"));
    if (path) OpenPath(*path);
}

void CDataFileCommands::OpenPath(const QString& path) {
    const std::string extension = zev::FileExtension(Local8Bit(path));
    // Opening an image replaces the channels: changed ones are saved first if wanted.
    if (extension == "stc" && !SaveChangedChannelList()) return;
    files_.SetCurrentFile(Local8Bit(path));

    if (extension == "stc") {
        OpenImage(path);
    } else if (extension == "cus" || extension == "txt" || extension == "sgn") {
        // Now the input of the update commands.
    } else {
        Warn(QStringLiteral("\n Wrong File: %1").arg(path));
        files_.SetCurrentFile(DataFileState::kNoFile);
    }
}

void CDataFileCommands::OpenImage(const QString& path) {
    std::FILE* file = std::fopen(Local8Bit(path).c_str(), "r+b");
    if (file == nullptr) {
        files_.CloseHeldFile();
        Warn(QStringLiteral("Creat File Error!"));
        return;
    }
    files_.HoldFile(file);

    std::vector<uint8_t>& input = images_.input;
    std::rewind(file);
    const std::size_t read = std::fread(input.data(), 1, input.size(), file);
    const zev::ImageResult result =
        zev::UnpackImage(db_, std::span<const uint8_t>(input.data(), read));
    if (!result.ok) {
        // The database keeps what it held. The file is let go so that a later Save cannot
        // overwrite the file that could not be read with unrelated channels.
        files_.Forget();
        Warn(QString::fromStdString(result.error));
        return;
    }
    // The opened image can be undone; it is what the file holds, so nothing is unsaved.
    view_.Doc().Changes().DatabaseReplaced(
        (QStringLiteral("Open ") + QFileInfo(path).fileName()).toStdString());
    emit view_.TvListRequested();
}

void CDataFileCommands::Save() {
    if (view_.ListShown()) {
        SaveImage(!files_.HasCurrentFile());
    } else {
        SaveText(!files_.HasCurrentFile());
    }
}

void CDataFileCommands::SaveAs() {
    if (view_.ListShown()) {
        SaveImage(true);
    } else {
        SaveText(true);
    }
}

bool CDataFileCommands::SaveChangedChannelList() {
    DatabaseChanges& changes = view_.Doc().Changes();
    if (!changes.Changed()) return true;
    const zev::MsgAnswer answer = prompts_.Message(
        QStringLiteral("Save changes to the channel list?"), QStringLiteral("zev"),
        zev::MsgIcon::Exclamation, zev::MsgButtons::YesNoCancel, zev::MsgAnswer::Yes);
    if (answer == zev::MsgAnswer::Cancel) return false;
    if (answer == zev::MsgAnswer::No) return true;
    const std::string extension = zev::FileExtension(files_.CurrentFile());
    const bool named =
        files_.HasCurrentFile() && (extension == "stc" || extension == "def" || extension == "all");
    return SaveImage(!named);
}

void CDataFileCommands::SaveText(bool askForName) {
    if (askForName) {
        const std::optional<QString> path =
            prompts_.SaveFileName(kSaveTitle, kSaveFilterText, QStringLiteral("txt"));
        if (!path) return;
        files_.SetCurrentFile(Local8Bit(*path));
    }
    const QString path = QString::fromLocal8Bit(files_.CurrentFile().c_str());
    if (zev::FileExtension(files_.CurrentFile()) != "txt") return;
    if (!terminal_log::Write(view_, path)) {
        Warn(QStringLiteral("Could not write %1 completely; the terminal text was not saved.")
                 .arg(path));
    }
}

bool CDataFileCommands::SaveImage(bool askForName) {
    if (askForName) {
        const std::optional<QString> path =
            prompts_.SaveFileName(kSaveTitle, kSaveFilterImage, QStringLiteral("stc"));
        if (!path) return false;
        // Asked before the file is created, so that No leaves an existing file as it was.
        if (!CheckBeforeSaving(zev::FileExtension(Local8Bit(*path)))) return false;
        if (!CreateImageFile(*path)) return false;
    }
    const std::string extension = zev::FileExtension(files_.CurrentFile());
    if (!ImageKindOfExtension(extension)) return false;
    if (!askForName && !CheckBeforeSaving(extension)) return false;
    if (!askForName && !EnsureImageFileHeld()) return false;
    if (!WriteImage(files_.HeldFile(), extension)) return false;
    view_.Doc().Changes().Clear();
    return true;
}

bool CDataFileCommands::CheckBeforeSaving(const std::string& extension) {
    const std::optional<zev::ImageKind> kind = ImageKindOfExtension(extension);
    if (!kind) return true;  // nothing is written
    return ConfirmDespiteCheckErrors(prompts_, db_, *kind, QStringLiteral("Save it anyway?"));
}

bool CDataFileCommands::CreateImageFile(const QString& path) {
    files_.CloseHeldFile();
    files_.SetCurrentFile(Local8Bit(path));
    std::FILE* file = std::fopen(files_.CurrentFile().c_str(), "w+b");
    if (file == nullptr) {
        Warn(QStringLiteral("Creat File Error!"));
        return false;
    }
    files_.HoldFile(file);
    return true;
}

bool CDataFileCommands::EnsureImageFileHeld() {
    if (files_.HeldFile() != nullptr) return true;
    std::FILE* file = std::fopen(files_.CurrentFile().c_str(), "r+b");
    if (file == nullptr) {
        files_.CloseHeldFile();
        Warn(QStringLiteral("Creat File Error!"));
        return false;
    }
    files_.HoldFile(file);
    return true;
}

bool CDataFileCommands::WriteImage(std::FILE* file, const std::string& extension) {
    const zev::ImageKind kind = ImageKindOfExtension(extension).value_or(zev::ImageKind::Default);
    std::vector<uint8_t>& output = images_.output;
    const zev::ImageResult packed = zev::PackImage(db_, kind, std::span<uint8_t>(output));
    if (!packed.ok) {
        Warn(QString::fromStdString(packed.error));
        return false;
    }
    const std::size_t length = std::min(zev::ImageSize(db_.header, kind), output.size());

    // Rewritten in place from the start: a longer file keeps its tail.
    std::rewind(file);
    const std::size_t written = std::fwrite(output.data(), 1, length, file);
    const bool flushed = std::fflush(file) == 0;
    if (written != length || !flushed) {
        std::clearerr(file);
        Warn(QStringLiteral("Could not write %1 completely; the file may be damaged.")
                 .arg(QString::fromLocal8Bit(files_.CurrentFile().c_str())));
        return false;
    }
    return true;
}
