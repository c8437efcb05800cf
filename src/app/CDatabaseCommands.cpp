#include "app/CDatabaseCommands.h"

#include <QFile>
#include <QFileInfo>
#include <memory>
#include <optional>

#include "app/CCheckReportDlg.h"
#include "app/CCompareDlg.h"
#include "app/CMainFrame.h"
#include "app/CZevView.h"
#include "app/CheckReportModel.h"
#include "app/CsvFiles.h"
#include "app/StatusPanes.h"
#include "core/FileName.h"
#include "database/ChannelDatabase.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "ui/UiPrompts.h"

namespace {

const char* const kImageFilter =
    "stc files (*.stc);;def files (*.def);;all files (*.all);;All Files (*.*)";
const char* const kCsvFilter = "csv files (*.csv);;All Files (*.*)";

QString KindText(zev::ImageKind kind) {
    switch (kind) {
        case zev::ImageKind::Default:
            return QStringLiteral("the default-channel block (.def)");
        case zev::ImageKind::All:
            return QStringLiteral("both blocks (.all)");
        case zev::ImageKind::User:
            break;
    }
    return QStringLiteral("the user block (.stc)");
}

std::string Local8Bit(const QString& path) { return path.toLocal8Bit().toStdString(); }

}  // namespace

CDatabaseCommands::CDatabaseCommands(CMainFrame& frame, const zev::ChannelDatabase& db,
                                     UiPrompts& prompts)
    : frame_(frame), db_(db), prompts_(prompts) {}

void CDatabaseCommands::Warn(const QString& text) {
    prompts_.Inform(text, QStringLiteral("Warning"), zev::MsgIcon::Exclamation);
}

zev::ImageKind CDatabaseCommands::CheckedKind() const {
    const std::string& file = frame_.terminalView->DataFile().CurrentFile();
    return ImageKindOfExtension(zev::FileExtension(file)).value_or(zev::ImageKind::User);
}

// ---- Check Database --------------------------------------------------------------------

void CDatabaseCommands::CheckDatabase() {
    const zev::ImageKind kind = CheckedKind();
    CCheckReportDlg dialog(zev::CheckDatabase(db_, kind), KindText(kind), &frame_);
    QObject::connect(&dialog, &CCheckReportDlg::ChannelChosen, &frame_,
                     [this](bool tvList, std::size_t row) {
                         const std::size_t rows[] = {row};
                         frame_.SelectChannels(tvList, rows);
                     });
    QObject::connect(&dialog, &CCheckReportDlg::DuplicatesChosen, &frame_,
                     [this, &dialog] { SelectDuplicates(dialog.Model().Result()); });
    prompts_.RunDialog(dialog);
}

void CDatabaseCommands::SelectDuplicates(const zev::CheckResult& result) {
    const std::vector<std::size_t> tvRows = DuplicateChannelRows(result, true);
    const std::vector<std::size_t> radioRows = DuplicateChannelRows(result, false);
    bool tv = frame_.listShown == 0 || frame_.tvListShown != 0;
    if ((tv ? tvRows : radioRows).empty()) tv = !tv;
    const std::vector<std::size_t>& rows = tv ? tvRows : radioRows;
    if (rows.empty()) return;
    frame_.SelectChannels(tv, rows);

    const std::size_t others = (tv ? radioRows : tvRows).size();
    QString text =
        QStringLiteral("%1 duplicate %2 %3 selected")
            .arg(rows.size())
            .arg(tv ? QStringLiteral("TV") : QStringLiteral("radio"))
            .arg(rows.size() == 1 ? QStringLiteral("channel") : QStringLiteral("channels"));
    if (others > 0) {
        text += QStringLiteral("; the %1 list has %2 more")
                    .arg(tv ? QStringLiteral("radio") : QStringLiteral("TV"))
                    .arg(others);
    }
    frame_.Panes().ShowPrompt(text + QLatin1Char('.'));
}

// ---- Compare with File -----------------------------------------------------------------

bool CDatabaseCommands::ReadImageFile(const QString& path, zev::ChannelDatabase& db,
                                      zev::ImageKind& kind) {
    const std::optional<zev::ImageKind> known =
        ImageKindOfExtension(zev::FileExtension(Local8Bit(path)));
    if (!known) {
        Warn(QStringLiteral("Only parameter images (.stc, .def, .all) can be compared:\n%1")
                 .arg(path));
        return false;
    }
    kind = *known;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Warn(QStringLiteral("Can't read %1: %2").arg(path, file.errorString()));
        return false;
    }
    // As File Open reads an image: at most the largest image, a longer file's tail ignored.
    const qint64 most = static_cast<qint64>(kind == zev::ImageKind::All ? zev::kOutputImageSize
                                                                        : zev::kInputImageSize);
    const QByteArray bytes = file.read(most);
    if (file.error() != QFileDevice::NoError) {
        Warn(QStringLiteral("Can't read %1: %2").arg(path, file.errorString()));
        return false;
    }
    const zev::ImageResult result = zev::UnpackImageOfKind(
        db,
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())),
        kind);
    if (!result.ok) {
        Warn(QStringLiteral("Can't compare with %1: %2")
                 .arg(path, QString::fromStdString(result.error)));
        return false;
    }
    return true;
}

void CDatabaseCommands::CompareWithFile() {
    const std::optional<QString> path = prompts_.OpenFileName(QStringLiteral("Compare with File"),
                                                              kImageFilter, QStringLiteral("stc"));
    if (!path) return;
    // The file gets a database of its own: the one in memory is only read.
    const auto other = std::make_unique<zev::ChannelDatabase>();
    zev::ImageKind kind = zev::ImageKind::User;
    if (!ReadImageFile(*path, *other, kind)) return;
    zev::DiffOptions options;
    // The database in memory came from a user block (an .stc file or the box); a
    // default-channel block always has another Magic, which says nothing about its channels.
    options.compareMagic = kind == zev::ImageKind::User;
    CCompareDlg dialog(zev::DiffDatabases(db_, *other, options), QFileInfo(*path).fileName(),
                       &frame_);
    prompts_.RunDialog(dialog);
}

// ---- Export List -----------------------------------------------------------------------

void CDatabaseCommands::ExportList() {
    const std::optional<QString> path =
        prompts_.SaveFileName(QStringLiteral("Export List"), kCsvFilter, QStringLiteral("csv"));
    if (!path) return;
    QString error;
    const QStringList written = WriteCsvFiles(db_, *path, error);
    if (written.isEmpty()) {
        Warn(error + QStringLiteral("\nNothing was exported."));
        return;
    }
    QStringList names;
    for (const QString& file : written) names << QFileInfo(file).fileName();
    frame_.Panes().ShowPrompt(
        QStringLiteral("Exported to %1.").arg(names.join(QStringLiteral(", "))));
}
