#include "app/CDataFileCommands.h"

#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "app/CheckQuestion.h"
#include "app/DataFileState.h"
#include "app/DatabaseChanges.h"
#include "app/ImageFileRewrite.h"
#include "app/LocalPaths.h"
#include "app/TerminalSink.h"
#include "app/ViewState.h"
#include "core/FileName.h"
#include "core/FileReplacement.h"
#include "core/RegularFile.h"
#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"
#include "ui/TranslatedText.h"
#include "ui/UiPrompts.h"

namespace {

const char* const kOpenTitle = QT_TRANSLATE_NOOP("CDataFileCommands", "Open File");
const char* const kSaveTitle = QT_TRANSLATE_NOOP("CDataFileCommands", "Save File");
// Every file Open takes comes first, so that the dialog shows images and update files alike
// whichever view was shown last; the filters of each view follow.
const char* const kOpenFilterSupported = QT_TRANSLATE_NOOP(
    "CDataFileCommands", "All supported files (*.stc *.def *.all *.cus *.sgn *.txt);;");
const char* const kOpenFilterTerminal =
    QT_TRANSLATE_NOOP("CDataFileCommands",
                      "cus files (*.cus);;sgn files (*.sgn);;stc files (*.stc);;All Files (*.*)");
const char* const kOpenFilterList =
    QT_TRANSLATE_NOOP("CDataFileCommands",
                      "stc files (*.stc);;cus files (*.cus);;sgn files (*.sgn);;All Files (*.*)");
const char* const kSaveFilterText =
    QT_TRANSLATE_NOOP("CDataFileCommands", "txt files (*.txt);;All Files (*.*)");
const char* const kSaveFilterImage =
    QT_TRANSLATE_NOOP("CDataFileCommands",
                      "stc files (*.stc);;def files (*.def);;all files (*.all);;All Files (*.*)");

QString NameOf(const std::string& path) { return QFileInfo(FromLocal8Bit(path)).fileName(); }

bool IsImageExtension(const std::string& extension) {
    return ImageKindOfExtension(extension).has_value();
}

QString Channels(unsigned count, bool tv) {
    const bool one = count == 1;
    return (tv ? (one ? CDataFileCommands::tr("%1 TV channel")
                      : CDataFileCommands::tr("%1 TV channels"))
               : (one ? CDataFileCommands::tr("%1 radio channel")
                      : CDataFileCommands::tr("%1 radio channels")))
        .arg(count);
}

}  // namespace

CDataFileCommands::CDataFileCommands(const ViewState& view, DataFileState& files,
                                     zev::ChannelDatabase& db, zev::ImageBuffers& images,
                                     DatabaseChanges& changes, UiPrompts& prompts,
                                     const TerminalSink& terminal, Reports reports)
    : view_(view),
      files_(files),
      db_(db),
      images_(images),
      changes_(changes),
      prompts_(prompts),
      terminal_(terminal),
      reports_(std::move(reports)) {}

void CDataFileCommands::Warn(const QString& text) {
    prompts_.Inform(text, tr("Warning"), zev::MsgIcon::Exclamation);
}

void CDataFileCommands::Status(const QString& text) const {
    if (reports_.status) reports_.status(text);
}

void CDataFileCommands::Used(const QString& path) const {
    if (reports_.fileUsed) reports_.fileUsed(path);
}

QString CDataFileCommands::StartingPoint() const {
    if (files_.HasListFile()) return FromLocal8Bit(files_.ListFile());
    if (files_.HasCurrentFile()) return FromLocal8Bit(files_.CurrentFile());
    return {};
}

// ---- Open ----------------------------------------------------------------------------------

bool CDataFileCommands::Open() {
    const bool list = view_.ListShown();
    // Starts in the folder of the file last worked on; an open dialog suggests no name.
    const QString start = StartingPoint();
    const std::optional<QString> path = prompts_.OpenFileNameAt(
        tr(kOpenTitle), tr(kOpenFilterSupported) + tr(list ? kOpenFilterList : kOpenFilterTerminal),
        list ? QStringLiteral("stc") : QStringLiteral("cus"),
        start.isEmpty() ? QString() : QFileInfo(start).absolutePath());
    return path && OpenPath(*path);
}

bool CDataFileCommands::OpenPath(const QString& path) {
    const std::string extension = zev::FileExtension(Local8Bit(path));
    const std::optional<zev::ImageKind> kind = ImageKindOfExtension(extension);
    // Opening an image replaces the channels: changed ones are saved first if wanted.
    if (kind && !SaveChangedChannelList()) return false;
    files_.SetCurrentFile(Local8Bit(path));

    if (kind) return OpenImage(path, *kind);
    if (extension == "cus" || extension == "txt" || extension == "sgn") {
        // Now the input of the update commands.
        Status(tr("%1 is the file of the update commands").arg(QFileInfo(path).fileName()));
        Used(path);
        return false;
    }
    Warn(tr("\n Wrong File: %1").arg(path));
    files_.SetCurrentFile(DataFileState::kNoFile);
    return false;
}

bool CDataFileCommands::OpenImage(const QString& path, zev::ImageKind kind) {
    zev::FileError error;
    std::FILE* file = zev::OpenRegularFile(Local8Bit(path), true, error);
    if (file == nullptr) {
        files_.CloseHeldFile();
        WarnNotOpened(error);
        return false;
    }
    files_.HoldFile(file);

    // A user or default-channel block goes into the input buffer; both blocks of an .all file
    // need more room.
    std::vector<uint8_t> both;
    if (kind == zev::ImageKind::All) both.resize(zev::kOutputImageSize);
    std::vector<uint8_t>& buffer = kind == zev::ImageKind::All ? both : images_.input;
    std::rewind(file);
    const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file);
    const zev::ImageResult result =
        zev::UnpackImageOfKind(db_, std::span<const uint8_t>(buffer.data(), read), kind);
    if (!result.ok) {
        // The database keeps what it held. The file is let go so that a later Save cannot
        // overwrite the file that could not be read with unrelated channels.
        files_.Forget();
        Warn(Translated(result.error));
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    // The opened image can be undone; it is what the file holds, so nothing is unsaved.
    changes_.DatabaseReplaced(ZEV_TR("Change", "Open %1").Arg(name.toStdString()));
    files_.SetListFile(Local8Bit(path));
    Status(
        tr("Opened %1: %2 and %3")
            .arg(name, Channels(db_.header.TvCount, true), Channels(db_.header.RadioCount, false)));
    Used(path);
    return true;
}

// ---- Save ----------------------------------------------------------------------------------

bool CDataFileCommands::Save() {
    if (view_.ListShown()) return SaveList(false);
    return SaveTerminalText();
}

bool CDataFileCommands::SaveAs() { return view_.ListShown() ? SaveList(true) : SaveText(true); }

bool CDataFileCommands::SaveChangedChannelList() {
    if (!changes_.Changed()) return true;
    const zev::MsgAnswer answer = prompts_.Message(
        tr("Save changes to the channel list?"), QStringLiteral("zev"), zev::MsgIcon::Exclamation,
        zev::MsgButtons::YesNoCancel, zev::MsgAnswer::Yes);
    if (answer == zev::MsgAnswer::Cancel) return false;
    if (answer == zev::MsgAnswer::No) return true;
    return SaveList(false);
}

bool CDataFileCommands::SaveTerminalText() {
    const bool textFile =
        files_.HasCurrentFile() && zev::FileExtension(files_.CurrentFile()) == "txt";
    return SaveText(!textFile);
}

std::optional<QString> CDataFileCommands::AskTextFileName() {
    const bool textFile =
        files_.HasCurrentFile() && zev::FileExtension(files_.CurrentFile()) == "txt";
    const QString suggestion = textFile ? FromLocal8Bit(files_.CurrentFile()) : QString();
    for (;;) {
        const std::optional<QString> path = prompts_.SaveFileNameAt(
            tr(kSaveTitle), tr(kSaveFilterText), QStringLiteral("txt"), suggestion);
        if (!path) return std::nullopt;
        // The text would replace an image of channels: the person is asked for another name.
        if (!IsImageExtension(zev::FileExtension(Local8Bit(*path))) || !QFileInfo::exists(*path)) {
            return path;
        }
        Warn(tr("%1 is a parameter image. The terminal text is not saved over it; "
                "please choose another name.")
                 .arg(*path));
    }
}

bool CDataFileCommands::SaveText(bool askForName) {
    if (askForName) {
        const std::optional<QString> path = AskTextFileName();
        if (!path) return false;
        files_.SetCurrentFile(Local8Bit(*path));
    }
    const QString name = NameOf(files_.CurrentFile());
    if (zev::FileExtension(files_.CurrentFile()) != "txt") {
        Status(tr("Nothing was saved: the terminal text is saved only as a .txt "
                  "file, not as %1")
                   .arg(name));
        return false;
    }
    const QByteArray log = terminal_.LogText();
    zev::FileError error;
    if (!zev::ReplaceFile(files_.CurrentFile(),
                          std::span(reinterpret_cast<const uint8_t*>(log.constData()),
                                    static_cast<std::size_t>(log.size())),
                          error)) {
        Warn(tr("%1 The terminal text was not saved.").arg(SentenceOf(error)));
        return false;
    }
    Status(tr("Saved the terminal text as %1").arg(name));
    if (askForName) Used(FromLocal8Bit(files_.CurrentFile()));
    return true;
}

bool CDataFileCommands::SaveList(bool askForName) {
    if (!askForName && files_.HasListFile()) return SaveIntoListFile();
    const std::optional<QString> path = prompts_.SaveFileNameAt(
        tr(kSaveTitle), tr(kSaveFilterImage), QStringLiteral("stc"),
        files_.HasListFile() ? FromLocal8Bit(files_.ListFile()) : QString());
    if (!path) return false;
    return SaveImageAs(Local8Bit(*path));
}

bool CDataFileCommands::CheckBeforeSaving(const std::string& extension) {
    const std::optional<zev::ImageKind> kind = ImageKindOfExtension(extension);
    if (!kind) return true;  // nothing is written
    return ConfirmDespiteCheckErrors(prompts_, db_, *kind, tr("Save it anyway?"));
}

std::optional<std::span<const uint8_t>> CDataFileCommands::PackForExtension(
    const std::string& extension) {
    const zev::ImageKind kind = ImageKindOfExtension(extension).value_or(zev::ImageKind::Default);
    std::vector<uint8_t>& output = images_.output;
    const zev::ImageResult packed = zev::PackImage(db_, kind, std::span<uint8_t>(output));
    if (!packed.ok) {
        Warn(Translated(packed.error));
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
        // and held, but an existing file keeps what it holds. The list keeps its own file.
        if (const auto created = CreateOrKeepFile(path); !created) {
            return WarnNotSaved(created.error());
        }
        HoldNewImageFile(path);
        Status(tr("Nothing was saved: %1 is no parameter image (.stc, .def or .all)")
                   .arg(NameOf(path)));
        return false;
    }
    // Asked and packed first: No or a refused image leaves every file as it was.
    if (!CheckBeforeSaving(extension)) return false;
    const std::optional<std::span<const uint8_t>> image = PackForExtension(extension);
    if (!image) return false;
    // Written beside the file and renamed over it only when complete, so a failure part-way
    // never damages a file that was there.
    if (!zev::ReplaceFile(path, *image, error)) return WarnNotSaved(error);
    files_.SetListFile(path);
    if (!HoldNewImageFile(path)) return false;
    changes_.Clear();
    Status(tr("Saved %1").arg(NameOf(path)));
    Used(FromLocal8Bit(path));
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
        Warn(tr("Creat File Error!"));
        return false;
    }
    files_.HoldFile(file);
    return true;
}

bool CDataFileCommands::WarnNotSaved(const zev::FileError& error) {
    if (error.problem == zev::FileProblem::CannotCreate) {
        Warn(tr("Creat File Error!"));
    } else {
        Warn(tr("%1 Nothing was saved.").arg(SentenceOf(error)));
    }
    return false;
}

bool CDataFileCommands::SaveIntoListFile() {
    const std::string path = files_.ListFile();
    const std::string extension = zev::FileExtension(path);
    // Asked and packed before the file is touched: No or a refused image leaves it as it was.
    if (!CheckBeforeSaving(extension)) return false;
    const std::optional<std::span<const uint8_t>> image = PackForExtension(extension);
    if (!image) return false;

    // The image over the file's start, a longer file's tail kept; the old file stays whole
    // until the new one is complete.
    if (const auto written = RewriteImageFile(path, *image); !written) {
        return WarnNotSaved(written.error());
    }
    // The file held so far is the one just replaced: hold the new one.
    zev::FileError error;
    files_.HoldFile(zev::OpenRegularFile(path, true, error));
    changes_.Clear();
    Status(tr("Saved %1").arg(NameOf(path)));
    return true;
}

void CDataFileCommands::WarnNotOpened(const zev::FileError& error) {
    // A file that is there but no regular file is said so; otherwise the historical text.
    if (error.problem == zev::FileProblem::NotRegular) {
        Warn(SentenceOf(error));
    } else {
        Warn(tr("Creat File Error!"));
    }
}
