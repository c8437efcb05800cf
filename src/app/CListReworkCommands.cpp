#include "app/CListReworkCommands.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <optional>
#include <vector>

#include "app/CSortChannelsDlg.h"
#include "app/CUpdateTranspondersDlg.h"
#include "app/DatabaseChanges.h"
#include "app/FrameCommands.h"
#include "app/ListFiles.h"
#include "app/ViewState.h"
#include "database/ChannelDatabase.h"
#include "editing/ChannelSlots.h"
#include "editing/RecordLinks.h"
#include "editing/ReferenceOrder.h"
#include "editing/TransponderUpdate.h"
#include "formats/CsvImport.h"
#include "lists/CZuzeListViewView.h"
#include "ui/TranslatedText.h"
#include "ui/UiPrompts.h"

namespace {

const char* const kReferenceFilter = QT_TRANSLATE_NOOP(
    "CListReworkCommands",
    "Channel lists (*.stc *.def *.all *.json *.csv);;stc files (*.stc);;def files (*.def);;"
    "all files (*.all);;JSON files (*.json);;csv files (*.csv);;All Files (*.*)");
const char* const kCsvFilter =
    QT_TRANSLATE_NOOP("CListReworkCommands", "csv files (*.csv);;All Files (*.*)");
const char* const kXmlFilter =
    QT_TRANSLATE_NOOP("CListReworkCommands", "XML files (*.xml);;All Files (*.*)");

QString KeyText(zev::ChannelSortKey key) {
    switch (key) {
        case zev::ChannelSortKey::Satellite:
            return CListReworkCommands::tr("satellite");
        case zev::ChannelSortKey::Frequency:
            return CListReworkCommands::tr("frequency");
        case zev::ChannelSortKey::ServiceId:
            return CListReworkCommands::tr("Service ID");
        case zev::ChannelSortKey::Name:
            break;
    }
    return CListReworkCommands::tr("name");
}

// An undo step's name holds the file's name as UTF-8.
zev::Translatable StepName(zev::Translatable what, const QString& path) {
    return std::move(what).Arg(QFileInfo(path).fileName().toStdString());
}

}  // namespace

CListReworkCommands::CListReworkCommands(QWidget& window, FrameCommands& frame,
                                         const ViewState& view, zev::ChannelDatabase& db,
                                         DatabaseChanges& changes, UiPrompts& prompts)
    : QObject(&window),
      window_(window),
      frame_(frame),
      view_(view),
      db_(db),
      changes_(changes),
      prompts_(prompts) {}

void CListReworkCommands::Warn(const QString& text) {
    prompts_.Inform(text, tr("Warning"), zev::MsgIcon::Exclamation);
}

void CListReworkCommands::RefillList() {
    if (view_.ListShown()) frame_.ListView()->Refill(view_.TvListMode(), view_.HexMode());
}

// ---- Sort Channels ------------------------------------------------------------------------

void CListReworkCommands::SortChannels() {
    CZuzeListViewView* list = frame_.ListView();
    if (!view_.ListShown() || list == nullptr) return;
    const bool tv = view_.TvListShown();
    const std::size_t listRows = zev::ShapeOf(db_.header, tv).rows;

    // Rows show list positions (a filter may hide some); one selected row sorts them all.
    std::vector<std::size_t> rows = list->SelectedRows();
    const bool selectedOnly = rows.size() >= 2;
    if (!selectedOnly) {
        rows.clear();
        for (int row = 0; row < list->RowCount(); ++row) rows.push_back(std::size_t(row));
    }
    std::vector<std::size_t> positions;
    for (const std::size_t row : rows) {
        const int number = list->Rows().Row(static_cast<int>(row)).number;
        if (number >= 1 && std::size_t(number) <= listRows) positions.push_back(number - 1);
    }
    if (positions.size() < 2) {
        prompts_.Inform(tr("There is nothing to sort: the list shows fewer than two "
                           "channels."),
                        tr("Information"), zev::MsgIcon::Information);
        return;
    }

    const QString scope =
        (selectedOnly ? (tv ? tr("The %1 selected channels of the TV list are sorted among "
                                 "the places they hold.")
                            : tr("The %1 selected channels of the radio list are sorted among "
                                 "the places they hold."))
         : list->Filtered()
             ? tr("The %1 channels the filter shows are sorted among the places they hold.")
             : (tv ? tr("All %1 channels of the TV list are sorted.")
                   : tr("All %1 channels of the radio list are sorted.")))
            .arg(positions.size());
    CSortChannelsDlg dialog(scope, sortOrder_, &window_);
    if (prompts_.RunDialog(dialog) != QDialog::Accepted) return;
    sortOrder_ = dialog.Order();

    const bool moved = zev::SortChannelsAt(db_, tv, positions, sortOrder_);
    list->Refill(view_.TvListMode(), view_.HexMode());
    // The sorted channels hold the same places, so the same rows show them.
    if (selectedOnly) {
        for (std::size_t i = 0; i < rows.size();) {
            std::size_t last = i;
            while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) ++last;
            list->SelectRowRange(static_cast<int>(rows[i]), static_cast<int>(rows[last]));
            i = last + 1;
        }
    }
    if (!moved) {
        emit StatusPrompt(tr("The %1 channels were in that order already.").arg(positions.size()));
        return;
    }
    changes_.DatabaseChanged(ZEV_TR("Change", "Sort %1 Channels").Arg(positions.size()));
    emit StatusPrompt(
        (tv ? tr("Sorted %1 TV channels by %2%3.") : tr("Sorted %1 radio channels by %2%3."))
            .arg(positions.size())
            .arg(KeyText(sortOrder_.key))
            .arg(sortOrder_.descending ? tr(", descending") : QString()));
}

// ---- Order Like File ----------------------------------------------------------------------

void CListReworkCommands::OrderLikeFile() {
    const std::optional<QString> path =
        prompts_.OpenFileName(tr("Order Like File"), tr(kReferenceFilter), QStringLiteral("stc"));
    if (!path) return;
    const auto reference = ReadReferenceLists(*path, db_.header);
    if (!reference) {
        Warn(reference.error() + QLatin1Char('\n') + tr("The order was not changed."));
        return;
    }
    const zev::ReorderResult result = zev::OrderLikeReference(db_, *reference);
    if (result.changed) {
        changes_.DatabaseChanged(StepName(ZEV_TR("Change", "Order Like %1"), *path));
        RefillList();
    }
    emit StatusPrompt(Translated(zev::ReorderSummary(result)));
}

// ---- Import List --------------------------------------------------------------------------

void CListReworkCommands::ImportList() {
    const std::optional<QString> path =
        prompts_.OpenFileName(tr("Import List"), tr(kCsvFilter), QStringLiteral("csv"));
    if (!path) return;
    const auto files = ReadCsvFileSet(*path);
    if (!files) {
        Warn(files.error() + QLatin1Char('\n') + tr("Nothing was imported."));
        return;
    }
    const auto imported = zev::ImportCsv(db_, files->Files());
    if (!imported) {
        Warn(tr("Can't import %1:\n%2\nNothing was imported.")
                 .arg(files->channelsPath, CsvProblemsText(imported.error())));
        return;
    }
    changes_.DatabaseChanged(StepName(ZEV_TR("Change", "Import %1"), files->channelsPath));
    // As after opening an image: the channels just read are shown.
    if (view_.ListShown()) {
        RefillList();
    } else {
        frame_.ShowList(true);
    }
    emit StatusPrompt(tr("Imported %1 from %2.")
                          .arg(Translated(zev::CsvImportSummary(*imported)),
                               QFileInfo(files->channelsPath).fileName()));
}

// ---- Update Transponders from File --------------------------------------------------------

void CListReworkCommands::UpdateTransponders() {
    const std::optional<QString> path = prompts_.OpenFileName(
        tr("Update Transponders from File"), tr(kXmlFilter), QStringLiteral("xml"));
    if (!path) return;
    const auto file = ReadTransponderXmlFile(*path);
    if (!file) {
        Warn(file.error() + QLatin1Char('\n') + tr("No transponder was changed."));
        return;
    }
    if (zev::SatellitesInUse(db_) == 0) {
        prompts_.Inform(tr("The channel list has no satellites whose transponders "
                           "could be updated."),
                        tr("Information"), zev::MsgIcon::Information);
        return;
    }
    const QString fileName = QFileInfo(*path).fileName();
    CUpdateTranspondersDlg dialog(db_, *file, zev::TieSatellites(db_, *file, {}), fileName,
                                  &window_);
    if (prompts_.RunDialog(dialog) != QDialog::Accepted) return;
    const zev::TransponderUpdatePlan& plan = dialog.Plan();
    if (const auto applied = zev::ApplyTransponderUpdate(db_, plan); !applied) {
        Warn(Translated(applied.error()));
        return;
    }
    changes_.DatabaseChanged(StepName(ZEV_TR("Change", "Update Transponders from %1"), *path));
    RefillList();

    zev::SatelliteUpdate total;
    for (const zev::SatelliteUpdate& update : plan.satellites) {
        total.added += update.added;
        total.updated += update.updated;
        total.unchanged += update.unchanged;
        total.removed += update.removed;
    }
    const auto number = [](std::size_t n) { return QString::number(n); };
    emit StatusPrompt(tr("Transponders from %1: %2 added, %3 updated, %4 unchanged, %5 "
                         "deleted.")
                          .arg(fileName, number(total.added), number(total.updated),
                               number(total.unchanged), number(total.removed)));
}
