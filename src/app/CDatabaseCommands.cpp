#include "app/CDatabaseCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStatusBar>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <optional>

#include "app/CCheckReportDlg.h"
#include "app/CCompareDlg.h"
#include "app/CheckReportModel.h"
#include "app/CsvFiles.h"
#include "app/DataFileState.h"
#include "app/DatabaseChanges.h"
#include "app/LocalPaths.h"
#include "app/ViewState.h"
#include "core/FileName.h"
#include "core/RegularFile.h"
#include "database/ChannelDatabase.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "ui/ScreenFit.h"
#include "ui/TranslatedText.h"
#include "ui/UiPrompts.h"

namespace {

const char* const kImageFilter =
    QT_TRANSLATE_NOOP("CDatabaseCommands",
                      "stc files (*.stc);;def files (*.def);;all files (*.all);;All Files (*.*)");
const char* const kCsvFilter =
    QT_TRANSLATE_NOOP("CDatabaseCommands", "csv files (*.csv);;All Files (*.*)");

QString KindText(zev::ImageKind kind) {
    switch (kind) {
        case zev::ImageKind::Default:
            return CDatabaseCommands::tr("the default-channel block (.def)");
        case zev::ImageKind::All:
            return CDatabaseCommands::tr("both blocks (.all)");
        case zev::ImageKind::User:
            break;
    }
    return CDatabaseCommands::tr("the user block (.stc)");
}

}  // namespace

CDatabaseCommands::CDatabaseCommands(QWidget& window, const ViewState& view,
                                     const DataFileState& files, const zev::ChannelDatabase& db,
                                     const DatabaseChanges& changes, UiPrompts& prompts)
    : QObject(&window),
      window_(window),
      view_(view),
      files_(files),
      db_(db),
      changes_(changes),
      prompts_(prompts) {
    connect(&changes_, &DatabaseChanges::HistoryChanged, this, [this] {
        if (report_ != nullptr) report_->SetOutOfDate(changes_.History().State() != checkedState_);
    });
}

CDatabaseCommands::~CDatabaseCommands() = default;

CCheckReportDlg* CDatabaseCommands::Report() const { return report_; }

void CDatabaseCommands::Warn(const QString& text) {
    prompts_.Inform(text, tr("Warning"), zev::MsgIcon::Exclamation);
}

zev::ImageKind CDatabaseCommands::CheckedKind() const {
    return ImageKindOfExtension(zev::FileExtension(files_.ListFile()))
        .value_or(zev::ImageKind::User);
}

void CDatabaseCommands::ShowReport(zev::CheckResult result) {
    report_->ShowResult(std::move(result), KindText(CheckedKind()));
    checkedState_ = changes_.History().State();
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
        connect(report_, &CCheckReportDlg::CheckAgainChosen, this,
                [this] { ShowReport(zev::CheckDatabase(db_, CheckedKind())); });
    }
    ShowReport(zev::CheckDatabase(db_, CheckedKind()));
    if (!report_->isVisible()) PlaceReport();
    report_->show();
    report_->raise();
    report_->activateWindow();
}

void CDatabaseCommands::PlaceReport() {
    const QRect frame = window_.frameGeometry();
    const QScreen* screen = window_.screen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : frame;
    // The report's own title bar and borders, which are known only once it shows.
    const QMargins own = EstimatedFrame();
    const int ownWidth = own.left() + own.right();
    // Narrower than it would like is still readable down to this.
    const int narrowest = std::min(report_->width(), 420);
    const int top = std::max(frame.top(), area.top()) + own.top();
    int height = std::min(report_->height(), area.bottom() + 1 - top - own.bottom());
    const int roomRight = area.right() - frame.right() - ownWidth;
    const int roomLeft = frame.left() - area.left() - ownWidth;
    int width = 0;
    int left = 0;
    if (roomRight >= narrowest) {
        width = std::min(report_->width(), roomRight);
        left = frame.right() + 1 + own.left();
    } else if (roomLeft >= narrowest) {
        width = std::min(report_->width(), roomLeft);
        left = frame.left() - own.right() - width;
    } else {
        // No room on either side: over the window's right part, leaving the list's first
        // columns and the status bar in sight.
        width = std::min(report_->width(), area.width() * 3 / 5);
        left = area.right() + 1 - own.right() - width;
        const QStatusBar* bar = window_.findChild<QStatusBar*>();
        const int limit = bar != nullptr && bar->isVisible() ? bar->mapToGlobal(QPoint(0, 0)).y()
                                                             : frame.bottom() + 1;
        height = std::min(height, limit - top - own.bottom());
    }
    report_->setGeometry(left, top, width, std::max(height, 120));
}

bool CDatabaseCommands::ReportIsCurrent() {
    zev::CheckResult now = zev::CheckDatabase(db_, CheckedKind());
    if (SameFindings(now, report_->Result())) {
        checkedState_ = changes_.History().State();
        report_->SetOutOfDate(false);
        return true;
    }
    ShowReport(std::move(now));
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
    const bool one = rows.size() == 1;
    QString text = (tv ? (one ? tr("%1 duplicate TV channel selected")
                              : tr("%1 duplicate TV channels selected"))
                       : (one ? tr("%1 duplicate radio channel selected")
                              : tr("%1 duplicate radio channels selected")))
                       .arg(rows.size());
    if (others > 0) {
        text = (tv ? tr("%1; the radio list has %2 more") : tr("%1; the TV list has %2 more"))
                   .arg(text)
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
            tr("Only parameter images (.stc, .def, .all) can be compared:\n%1").arg(path));
    }
    // As File Open reads an image: at most the largest image, a longer file's tail ignored.
    // Only a regular file is read, so a pipe or device is refused instead of waited for.
    const std::size_t most =
        *kind == zev::ImageKind::All ? zev::kOutputImageSize : zev::kInputImageSize;
    zev::FileError error;
    const std::optional<std::vector<uint8_t>> bytes =
        zev::ReadRegularFile(Local8Bit(path), most, zev::Overlong::ReadPrefix, error);
    if (!bytes) {
        return zev::Failure(tr("Can't read %1.\n%2").arg(path, SentenceOf(error)));
    }
    const zev::ImageResult result = zev::UnpackImageOfKind(db, *bytes, *kind);
    if (!result.ok) {
        return zev::Failure(tr("Can't compare with %1: %2").arg(path, Translated(result.error)));
    }
    return *kind;
}

void CDatabaseCommands::CompareWithFile() {
    const QString listFile = FromLocal8Bit(files_.ListFile());
    const std::optional<QString> path = prompts_.OpenFileNameAt(
        tr("Compare with File"), tr(kImageFilter), QStringLiteral("stc"),
        listFile.isEmpty() ? QString() : QFileInfo(listFile).absolutePath());
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
    const zev::ChannelDatabase& file = *other;
    CCompareDlg dialog(
        [this, &file, options](bool fileToList) {
            return fileToList ? zev::DiffDatabases(file, db_, options)
                              : zev::DiffDatabases(db_, file, options);
        },
        QFileInfo(*path).fileName(), &window_);
    prompts_.RunDialog(dialog);
}

// ---- Export List -----------------------------------------------------------------------

void CDatabaseCommands::ExportList() {
    // The channel list's file with ".csv", in its folder.
    const QFileInfo listFile(FromLocal8Bit(files_.ListFile()));
    const QString suggestion =
        files_.HasListFile()
            ? listFile.absoluteDir().filePath(listFile.completeBaseName() + QStringLiteral(".csv"))
            : QString();
    const std::optional<QString> path = prompts_.SaveFileNameAt(tr("Export List"), tr(kCsvFilter),
                                                                QStringLiteral("csv"), suggestion);
    if (!path) return;
    QString error;
    const QStringList written = WriteCsvFiles(db_, *path, error);
    if (written.isEmpty()) {
        Warn(error + QLatin1Char('\n') + tr("Nothing was exported."));
        return;
    }
    QStringList names;
    for (const QString& file : written) names << QFileInfo(file).fileName();
    emit StatusPrompt(tr("Exported to %1.").arg(names.join(QStringLiteral(", "))));
}
