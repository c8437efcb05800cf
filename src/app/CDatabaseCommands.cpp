#include "app/CDatabaseCommands.h"

#include <QFileInfo>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <optional>

#include "app/CCheckReportDlg.h"
#include "app/CCompareDlg.h"
#include "app/CheckReportModel.h"
#include "app/CsvFiles.h"
#include "app/DataFileState.h"
#include "app/ViewState.h"
#include "core/FileName.h"
#include "core/RegularFile.h"
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

CDatabaseCommands::CDatabaseCommands(QWidget& window, const ViewState& view,
                                     const DataFileState& files, const zev::ChannelDatabase& db,
                                     UiPrompts& prompts)
    : QObject(&window), window_(window), view_(view), files_(files), db_(db), prompts_(prompts) {}

CDatabaseCommands::~CDatabaseCommands() = default;

CCheckReportDlg* CDatabaseCommands::Report() const { return report_; }

void CDatabaseCommands::Warn(const QString& text) {
    prompts_.Inform(text, QStringLiteral("Warning"), zev::MsgIcon::Exclamation);
}

zev::ImageKind CDatabaseCommands::CheckedKind() const {
    const std::string& file = files_.CurrentFile();
    return ImageKindOfExtension(zev::FileExtension(file)).value_or(zev::ImageKind::User);
}

// ---- Check Database --------------------------------------------------------------------

void CDatabaseCommands::CheckDatabase() {
    if (report_ == nullptr) {
        // The window owns the report; the connections end with these commands.
        report_ = new CCheckReportDlg(&window_);
        // Every request of the report is checked against the channel list as it is now: the
        // list may have been edited since the report was made.
        connect(report_, &CCheckReportDlg::ChannelChosen, this,
                [this](bool tvList, std::size_t row) {
                    if (ReportIsCurrent()) emit SelectChannelsRequested(tvList, {row});
                });
        connect(report_, &CCheckReportDlg::DuplicatesChosen, this, [this] {
            if (ReportIsCurrent()) SelectDuplicates(report_->Result());
        });
        connect(report_, &CCheckReportDlg::Activated, this, [this] { ReportIsCurrent(); });
    }
    const zev::ImageKind kind = CheckedKind();
    report_->ShowResult(zev::CheckDatabase(db_, kind), KindText(kind));
    if (!report_->isVisible()) PlaceReport();
    report_->show();
    report_->raise();
    report_->activateWindow();
}

void CDatabaseCommands::PlaceReport() {
    // Over the lower part of the window, as wide as it: the channels the report points at
    // are scrolled to the top of the list, where they stay in sight.
    const QRect frame = window_.geometry();
    const int height = std::min(report_->height(), frame.height() * 2 / 5);
    report_->setGeometry(frame.left(), frame.bottom() - height, frame.width(), height);
}

bool CDatabaseCommands::ReportIsCurrent() {
    const zev::ImageKind kind = CheckedKind();
    zev::CheckResult now = zev::CheckDatabase(db_, kind);
    if (SameFindings(now, report_->Result())) return true;
    report_->ShowResult(std::move(now), KindText(kind));
    return false;
}

void CDatabaseCommands::SelectDuplicates(const zev::CheckResult& result) {
    const std::vector<std::size_t> tvRows = DuplicateChannelRows(result, true);
    const std::vector<std::size_t> radioRows = DuplicateChannelRows(result, false);
    bool tv = !view_.ListShown() || view_.TvListShown();
    if ((tv ? tvRows : radioRows).empty()) tv = !tv;
    const std::vector<std::size_t>& rows = tv ? tvRows : radioRows;
    if (rows.empty()) return;
    emit SelectChannelsRequested(tv, rows);

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
    emit StatusPrompt(text + QLatin1Char('.'));
}

// ---- Compare with File -----------------------------------------------------------------

zev::Result<zev::ImageKind, QString> CDatabaseCommands::ReadImageFile(const QString& path,
                                                                      zev::ChannelDatabase& db) {
    const std::optional<zev::ImageKind> kind =
        ImageKindOfExtension(zev::FileExtension(Local8Bit(path)));
    if (!kind) {
        return zev::Failure(
            QStringLiteral("Only parameter images (.stc, .def, .all) can be compared:\n%1")
                .arg(path));
    }
    // As File Open reads an image: at most the largest image, a longer file's tail ignored.
    // Only a regular file is read, so a pipe or device is refused instead of waited for.
    const std::size_t most =
        *kind == zev::ImageKind::All ? zev::kOutputImageSize : zev::kInputImageSize;
    zev::FileError error;
    const std::optional<std::vector<uint8_t>> bytes =
        zev::ReadRegularFile(Local8Bit(path), most, zev::Overlong::ReadPrefix, error);
    if (!bytes) {
        return zev::Failure(QStringLiteral("Can't read %1.\n%2")
                                .arg(path, QString::fromLocal8Bit(error.Sentence().c_str())));
    }
    const zev::ImageResult result = zev::UnpackImageOfKind(db, *bytes, *kind);
    if (!result.ok) {
        return zev::Failure(QStringLiteral("Can't compare with %1: %2")
                                .arg(path, QString::fromStdString(result.error)));
    }
    return *kind;
}

void CDatabaseCommands::CompareWithFile() {
    const std::optional<QString> path = prompts_.OpenFileName(QStringLiteral("Compare with File"),
                                                              kImageFilter, QStringLiteral("stc"));
    if (!path) return;
    // The file gets a database of its own: the one in memory is only read.
    const auto other = std::make_unique<zev::ChannelDatabase>();
    const zev::Result<zev::ImageKind, QString> kind = ReadImageFile(*path, *other);
    if (!kind) {
        Warn(kind.error());
        return;
    }
    zev::DiffOptions options;
    // The database in memory came from a user block (an .stc file or the box); a
    // default-channel block always has another Magic, which says nothing about its channels.
    options.compareMagic = *kind == zev::ImageKind::User;
    CCompareDlg dialog(zev::DiffDatabases(db_, *other, options), QFileInfo(*path).fileName(),
                       &window_);
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
    emit StatusPrompt(QStringLiteral("Exported to %1.").arg(names.join(QStringLiteral(", "))));
}
