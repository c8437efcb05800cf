#include "app/CDataFileCommands.h"

#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <span>

#include "app/CheckQuestion.h"
#include "app/DataFileState.h"
#include "app/DatabaseChanges.h"
#include "app/ImageFileRewrite.h"
#include "app/TerminalSink.h"
#include "app/ViewState.h"
#include "core/FileName.h"
#include "core/FileReplacement.h"
#include "core/RegularFile.h"
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

bool IsImageExtension(const std::string& extension) {
    return extension == "stc" || extension == "def" || extension == "all";
}

}  // namespace

CDataFileCommands::CDataFileCommands(const ViewState& view, DataFileState& files,
                                     zev::ChannelDatabase& db, zev::ImageBuffers& images,
                                     DatabaseChanges& changes, UiPrompts& prompts,
                                     const TerminalSink& terminal)
    : view_(view),
      files_(files),
      db_(db),
      images_(images),
      changes_(changes),
      prompts_(prompts),
      terminal_(terminal) {}

void CDataFileCommands::Warn(const QString& text) {
    prompts_.Inform(text, QStringLiteral("Warning"), zev::MsgIcon::Exclamation);
}

bool CDataFileCommands::Open() {
    const bool list = view_.ListShown();
    const std::optional<QString> path =
        prompts_.OpenFileName(kOpenTitle, list ? kOpenFilterList : kOpenFilterTerminal,
                              list ? QStringLiteral("stc") : QStringLiteral("cus"));
    return path && OpenPath(*path);
}

bool CDataFileCommands::OpenPath(const QString& path) {
    const std::string extension = zev::FileExtension(Local8Bit(path));
    // Opening an image replaces the channels: changed ones are saved first if wanted.
    if (extension == "stc" && !SaveChangedChannelList()) return false;
    files_.SetCurrentFile(Local8Bit(path));

    if (extension == "stc") return OpenImage(path);
    if (extension == "cus" || extension == "txt" || extension == "sgn") {
        return false;  // now the input of the update commands
    }
    Warn(QStringLiteral("\n Wrong File: %1").arg(path));
    files_.SetCurrentFile(DataFileState::kNoFile);
    return false;
}

bool CDataFileCommands::OpenImage(const QString& path) {
    zev::FileError error;
    std::FILE* file = zev::OpenRegularFile(Local8Bit(path), true, error);
    if (file == nullptr) {
        files_.CloseHeldFile();
        WarnNotOpened(error);
        return false;
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
        return false;
    }
    // The opened image can be undone; it is what the file holds, so nothing is unsaved.
    changes_.DatabaseReplaced((QStringLiteral("Open ") + QFileInfo(path).fileName()).toStdString());
    return true;
}

bool CDataFileCommands::Save() {
    if (view_.ListShown()) return SaveImage(!files_.HasCurrentFile());
    return SaveText(!files_.HasCurrentFile());
}

void CDataFileCommands::SaveAs() {
    if (view_.ListShown()) {
        SaveImage(true);
    } else {
        SaveText(true);
    }
}

bool CDataFileCommands::SaveChangedChannelList() {
    if (!changes_.Changed()) return true;
    const zev::MsgAnswer answer = prompts_.Message(
        QStringLiteral("Save changes to the channel list?"), QStringLiteral("zev"),
        zev::MsgIcon::Exclamation, zev::MsgButtons::YesNoCancel, zev::MsgAnswer::Yes);
    if (answer == zev::MsgAnswer::Cancel) return false;
    if (answer == zev::MsgAnswer::No) return true;
    const std::string extension = zev::FileExtension(files_.CurrentFile());
    const bool named = files_.HasCurrentFile() && IsImageExtension(extension);
    return SaveImage(!named);
}

bool CDataFileCommands::SaveTerminalText() {
    const bool textFile =
        files_.HasCurrentFile() && zev::FileExtension(files_.CurrentFile()) == "txt";
    return SaveText(!textFile);
}

bool CDataFileCommands::SaveText(bool askForName) {
    if (askForName) {
        const std::optional<QString> path =
            prompts_.SaveFileName(kSaveTitle, kSaveFilterText, QStringLiteral("txt"));
        if (!path) return false;
        files_.SetCurrentFile(Local8Bit(*path));
    }
    if (zev::FileExtension(files_.CurrentFile()) != "txt") return true;
    const QByteArray log = terminal_.LogText();
    zev::FileError error;
    if (!zev::ReplaceFile(files_.CurrentFile(),
                          std::span(reinterpret_cast<const uint8_t*>(log.constData()),
                                    static_cast<std::size_t>(log.size())),
                          error)) {
        Warn(QString::fromLocal8Bit(error.Sentence().c_str()) +
             QStringLiteral(" The terminal text was not saved."));
        return false;
    }
    return true;
}

bool CDataFileCommands::SaveImage(bool askForName) {
    if (!askForName) return SaveIntoImageFile();
    const std::optional<QString> path =
        prompts_.SaveFileName(kSaveTitle, kSaveFilterImage, QStringLiteral("stc"));
    if (!path) return false;
    return SaveImageAs(Local8Bit(*path));
}

bool CDataFileCommands::CheckBeforeSaving(const std::string& extension) {
    const std::optional<zev::ImageKind> kind = ImageKindOfExtension(extension);
    if (!kind) return true;  // nothing is written
    return ConfirmDespiteCheckErrors(prompts_, db_, *kind, QStringLiteral("Save it anyway?"));
}

std::optional<std::span<const uint8_t>> CDataFileCommands::PackForExtension(
    const std::string& extension) {
    const zev::ImageKind kind = ImageKindOfExtension(extension).value_or(zev::ImageKind::Default);
    std::vector<uint8_t>& output = images_.output;
    const zev::ImageResult packed = zev::PackImage(db_, kind, std::span<uint8_t>(output));
    if (!packed.ok) {
        Warn(QString::fromStdString(packed.error));
        return std::nullopt;
    }
    const std::size_t length = std::min(zev::ImageSize(db_.header, kind), output.size());
    return std::span<const uint8_t>(output.data(), length);
}

bool CDataFileCommands::SaveImageAs(const std::string& path) {
    const std::string extension = zev::FileExtension(path);
    zev::FileError error;
    if (!IsImageExtension(extension)) {
        // Nothing is written under a name of no image kind; the name is still created (empty)
        // and held, but an existing file keeps what it holds.
        if (const auto created = CreateOrKeepFile(path); !created) {
            return WarnNotSaved(created.error());
        }
        HoldNewImageFile(path);
        return false;
    }
    // Asked and packed first: No or a refused image leaves every file as it was.
    if (!CheckBeforeSaving(extension)) return false;
    const std::optional<std::span<const uint8_t>> image = PackForExtension(extension);
    if (!image) return false;
    // Written beside the file and renamed over it only when complete, so a failure part-way
    // never damages a file that was there.
    if (!zev::ReplaceFile(path, *image, error)) return WarnNotSaved(error);
    if (!HoldNewImageFile(path)) return false;
    changes_.Clear();
    return true;
}

zev::Result<void, zev::FileError> CDataFileCommands::CreateOrKeepFile(const std::string& path) {
    zev::FileError error;
    std::error_code code;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, code))) {
        if (!zev::ReplaceFile(path, {}, error)) return zev::Failure(error);
        return {};
    }
    std::FILE* file = zev::OpenRegularFile(path, true, error);
    if (file == nullptr) return zev::Failure(error);
    std::fclose(file);
    return {};
}

bool CDataFileCommands::HoldNewImageFile(const std::string& path) {
    files_.CloseHeldFile();
    files_.SetCurrentFile(path);
    zev::FileError error;
    std::FILE* file = zev::OpenRegularFile(path, true, error);
    if (file == nullptr) {
        Warn(QStringLiteral("Creat File Error!"));
        return false;
    }
    files_.HoldFile(file);
    return true;
}

bool CDataFileCommands::WarnNotSaved(const zev::FileError& error) {
    if (error.problem == zev::FileProblem::CannotCreate) {
        Warn(QStringLiteral("Creat File Error!"));
    } else {
        Warn(QString::fromLocal8Bit(error.Sentence().c_str()) +
             QStringLiteral(" Nothing was saved."));
    }
    return false;
}

bool CDataFileCommands::SaveIntoImageFile() {
    const std::string extension = zev::FileExtension(files_.CurrentFile());
    if (!IsImageExtension(extension)) return false;
    // Asked and packed before the file is touched: No or a refused image leaves it as it was.
    if (!CheckBeforeSaving(extension)) return false;
    const std::optional<std::span<const uint8_t>> image = PackForExtension(extension);
    if (!image) return false;
    if (!EnsureImageFileHeld()) return false;

    // The image over the file's start, a longer file's tail kept; the old file stays whole
    // until the new one is complete.
    const std::string& path = files_.CurrentFile();
    if (const auto written = RewriteImageFile(path, *image); !written) {
        return WarnNotSaved(written.error());
    }
    // The file held so far is the one just replaced: hold the new one.
    zev::FileError error;
    files_.HoldFile(zev::OpenRegularFile(path, true, error));
    changes_.Clear();
    return true;
}

bool CDataFileCommands::EnsureImageFileHeld() {
    if (files_.HeldFile() != nullptr) return true;
    zev::FileError error;
    std::FILE* file = zev::OpenRegularFile(files_.CurrentFile(), true, error);
    if (file == nullptr) {
        files_.CloseHeldFile();
        WarnNotOpened(error);
        return false;
    }
    files_.HoldFile(file);
    return true;
}

void CDataFileCommands::WarnNotOpened(const zev::FileError& error) {
    // A file that is there but no regular file is said so; otherwise the historical text.
    if (error.problem == zev::FileProblem::NotRegular) {
        Warn(QString::fromLocal8Bit(error.Sentence().c_str()));
    } else {
        Warn(QStringLiteral("Creat File Error!"));
    }
}
