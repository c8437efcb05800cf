#include "cli/ImageFiles.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace zev::cli {

namespace {

// Large enough for the JSON of any database the tables can hold, and far more than any
// parameter data file; small enough to refuse something that is plainly neither.
constexpr qint64 kMaxWholeFileSize = 256LL * 1024 * 1024;

QString Path(const std::string& path) { return QString::fromStdString(path); }

std::string Describe(const std::string& path, const QString& reason) {
    return "\"" + path + "\": " + reason.toStdString();
}

}  // namespace

std::optional<ImageKind> ImageKindForExtension(const std::string& extension) {
    if (extension == "stc") return ImageKind::User;
    if (extension == "def") return ImageKind::Default;
    if (extension == "all") return ImageKind::All;
    return std::nullopt;
}

std::optional<std::size_t> ReadImageFile(const std::string& path, std::span<uint8_t> input,
                                         std::string& error) {
    QFile file(Path(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot open " + Describe(path, file.errorString());
        return std::nullopt;
    }
    std::size_t total = 0;
    while (total < input.size()) {
        const qint64 got = file.read(reinterpret_cast<char*>(input.data() + total),
                                     static_cast<qint64>(input.size() - total));
        if (got < 0) {
            error = "cannot read " + Describe(path, file.errorString());
            return std::nullopt;
        }
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    return total;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::string& error) {
    QFile file(Path(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot open " + Describe(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxWholeFileSize) {
        error = "\"" + path + "\" is too large (more than 256 MB)";
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = "cannot read " + Describe(path, file.errorString());
        return std::nullopt;
    }
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string& error) {
    QSaveFile file(Path(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot create " + Describe(path, file.errorString());
        return false;
    }
    const qint64 written =
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size())) {
        error = "cannot write " + Describe(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = "cannot write " + Describe(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace zev::cli
