#include "app/CDataFileCommands.h"

#include <QFileInfo>
#include <algorithm>
#include <span>

#include "app/CZevView.h"
#include "app/TerminalLog.h"
#include "database/ParameterImage.h"
#include "protocols/ReceiverSession.h"
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
const char* const kNoFile = "*.*";

std::string Local8Bit(const QString& path) { return path.toLocal8Bit().toStdString(); }

}  // namespace

CDataFileCommands::CDataFileCommands(CZevView& view, zev::ReceiverSession& session,
                                     UiPrompts& prompts)
    : view_(view), session_(session), prompts_(prompts) {}

QString CDataFileCommands::ExtensionOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.mid(dot + 1);
}

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
    session_.currentFileName = Local8Bit(path);

    const QString extension = ExtensionOf(path);
    if (extension == QLatin1String("stc")) {
        OpenImage(path);
    } else if (extension == QLatin1String("cus") || extension == QLatin1String("txt") ||
               extension == QLatin1String("sgn")) {
        // Now the input of the update commands.
    } else {
        Warn(QStringLiteral("\n Wrong File: %1").arg(path));
        session_.currentFileName = kNoFile;
    }
}

void CDataFileCommands::OpenImage(const QString& path) {
    std::FILE* file = std::fopen(Local8Bit(path).c_str(), "r+b");
    if (file == nullptr) {
        session_.CloseHeldFile();
        Warn(QStringLiteral("Creat File Error!"));
        return;
    }
    session_.HoldFile(file, zev::OpenFile::ImageFile);

    std::vector<uint8_t>& input = session_.Images().input;
    std::rewind(file);
    const std::size_t read = std::fread(input.data(), 1, input.size(), file);
    const zev::ImageResult result =
        zev::UnpackImage(session_.Database(), std::span<const uint8_t>(input.data(), read));
    if (!result.ok) {
        // The database keeps what it held. The file is let go so that a later Save cannot
        // overwrite the file that could not be read with unrelated channels.
        session_.CloseHeldFile();
        session_.currentFileName = kNoFile;
        Warn(QString::fromStdString(result.error));
        return;
    }
    emit view_.TvListRequested();
}

void CDataFileCommands::Save() {
    if (view_.ListShown()) {
        SaveImage(session_.currentFileName == kNoFile);
    } else {
        SaveText(session_.currentFileName == kNoFile);
    }
}

void CDataFileCommands::SaveAs() {
    if (view_.ListShown()) {
        SaveImage(true);
    } else {
        SaveText(true);
    }
}

void CDataFileCommands::SaveText(bool askForName) {
    if (askForName) {
        const std::optional<QString> path =
            prompts_.SaveFileName(kSaveTitle, kSaveFilterText, QStringLiteral("txt"));
        if (!path) return;
        session_.currentFileName = Local8Bit(*path);
    }
    const QString path = QString::fromLocal8Bit(session_.currentFileName.c_str());
    if (ExtensionOf(path) != QLatin1String("txt")) return;
    if (!terminal_log::Write(view_, path)) {
        Warn(QStringLiteral("Could not write %1 completely; the terminal text was not saved.")
                 .arg(path));
    }
}

void CDataFileCommands::SaveImage(bool askForName) {
    if (askForName) {
        const std::optional<QString> path =
            prompts_.SaveFileName(kSaveTitle, kSaveFilterImage, QStringLiteral("stc"));
        if (!path) return;
        if (!CreateImageFile(*path)) return;
    }
    const QString extension = ExtensionOf(QString::fromLocal8Bit(session_.currentFileName.c_str()));
    if (extension != QLatin1String("def") && extension != QLatin1String("stc") &&
        extension != QLatin1String("all")) {
        return;
    }
    if (!askForName && !EnsureImageFileHeld()) return;
    WriteImage(session_.HeldFile(), extension);
}

bool CDataFileCommands::CreateImageFile(const QString& path) {
    session_.CloseHeldFile();
    session_.currentFileName = Local8Bit(path);
    std::FILE* file = std::fopen(session_.currentFileName.c_str(), "w+b");
    if (file == nullptr) {
        Warn(QStringLiteral("Creat File Error!"));
        return false;
    }
    session_.HoldFile(file, zev::OpenFile::ImageFile);
    return true;
}

bool CDataFileCommands::EnsureImageFileHeld() {
    if (session_.OpenFileState() == zev::OpenFile::ImageFile && session_.HeldFile() != nullptr) {
        return true;
    }
    std::FILE* file = std::fopen(session_.currentFileName.c_str(), "r+b");
    if (file == nullptr) {
        session_.CloseHeldFile();
        Warn(QStringLiteral("Creat File Error!"));
        return false;
    }
    session_.HoldFile(file, zev::OpenFile::ImageFile);
    return true;
}

void CDataFileCommands::WriteImage(std::FILE* file, const QString& extension) {
    const zev::ImageKind kind = extension == QLatin1String("stc")   ? zev::ImageKind::User
                                : extension == QLatin1String("all") ? zev::ImageKind::All
                                                                    : zev::ImageKind::Default;
    std::vector<uint8_t>& output = session_.Images().output;
    const zev::ImageResult packed =
        zev::PackImage(session_.Database(), kind, std::span<uint8_t>(output));
    if (!packed.ok) {
        Warn(QString::fromStdString(packed.error));
        return;
    }
    const std::size_t length =
        std::min(zev::ImageSize(session_.Database().header, kind), output.size());

    // Rewritten in place from the start: a longer file keeps its tail.
    std::rewind(file);
    const std::size_t written = std::fwrite(output.data(), 1, length, file);
    const bool flushed = std::fflush(file) == 0;
    if (written != length || !flushed) {
        std::clearerr(file);
        Warn(QStringLiteral("Could not write %1 completely; the file may be damaged.")
                 .arg(QString::fromLocal8Bit(session_.currentFileName.c_str())));
    }
}
