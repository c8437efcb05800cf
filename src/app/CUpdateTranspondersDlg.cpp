#include "app/CUpdateTranspondersDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Latin1Text.h"
#include "database/RecordName.h"
#include "editing/ListEditRules.h"
#include "ui/TranslatedText.h"

namespace {

// The drop-down's first entry; entry i + 1 is the file's satellite i.
constexpr int kLeaveAsItIs = 0;

QString FileSatelliteText(const zev::FileSatellite& satellite) {
    return QStringLiteral("%1 (%2)").arg(
        QString::fromStdString(satellite.name),
        QString::fromStdString(zev::OrbitalPositionText(satellite.position)));
}

QTableWidgetItem* NumberItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// What the counts leave out: transponders deleted or kept for their channels, values the
// image cannot hold.
QString Fates(const zev::SatelliteUpdate& update) {
    QStringList fates;
    if (update.removed > 0)
        fates << QCoreApplication::translate("CUpdateTranspondersDlg", "%1 deleted")
                     .arg(update.removed);
    if (!update.keptForChannels.empty()) {
        fates << (update.keptForChannels.size() == 1
                      ? QCoreApplication::translate("CUpdateTranspondersDlg",
                                                    "%1 kept for its channels")
                      : QCoreApplication::translate("CUpdateTranspondersDlg",
                                                    "%1 kept for their channels"))
                     .arg(update.keptForChannels.size());
    }
    if (update.beyondImage > 0) {
        fates << QCoreApplication::translate("CUpdateTranspondersDlg",
                                             "%1 beyond the image's range skipped")
                     .arg(update.beyondImage);
    }
    return fates.join(QStringLiteral(", "));
}

}  // namespace

CUpdateTranspondersDlg::CUpdateTranspondersDlg(const zev::ChannelDatabase& db,
                                               const zev::TransponderFile& file,
                                               std::vector<zev::SatelliteTie> ties,
                                               const QString& fileName, QWidget* parent)
    : QDialog(parent), db_(db), file_(file), ties_(std::move(ties)) {
    setWindowTitle(tr("Update Transponders from File"));
    auto* intro =
        new QLabel(tr("Each satellite takes the transponders of the satellite of %1 chosen "
                      "beside it. A transponder of the file updates the satellite's "
                      "transponder of the same polarisation within 2 MHz; the others are "
                      "added after its last transponder.")
                       .arg(fileName),
                   this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);

    table_ = new QTableWidget(static_cast<int>(ties_.size()), kColumnCount, this);
    table_->setHorizontalHeaderLabels({tr("Satellite"), tr("From the file"), tr("Added"),
                                       tr("Updated"), tr("Unchanged"), tr("Not in the file"),
                                       tr("Circular skipped"), tr("Note")});
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setStretchLastSection(true);
    for (std::size_t s = 0; s < ties_.size(); ++s) {
        const int row = static_cast<int>(s);
        table_->setItem(row, SatelliteColumn,
                        new QTableWidgetItem(QString::fromStdString(
                            zev::Latin1ToUtf8Line(zev::NameBytes(db_.satellites[s].Name)))));
        auto* chooser = new QComboBox(table_);
        // Read inside the table, where no label stands beside it.
        chooser->setAccessibleName(
            tr("From the file for %1").arg(table_->item(row, SatelliteColumn)->text()));
        chooser->addItem(tr("(leave as it is)"));
        for (const zev::FileSatellite& satellite : file_.satellites) {
            chooser->addItem(FileSatelliteText(satellite));
        }
        if (ties_[s].fileSatellite) chooser->setCurrentIndex(int(*ties_[s].fileSatellite) + 1);
        connect(chooser, &QComboBox::currentIndexChanged, this, &CUpdateTranspondersDlg::Replan);
        table_->setCellWidget(row, FileSatelliteColumn, chooser);
    }
    table_->resizeColumnsToContents();

    removeMissing_ =
        new QCheckBox(tr("&Delete the transponders the file does not list (those with channels "
                         "on them stay)"),
                      this);
    connect(removeMissing_, &QCheckBox::toggled, this, &CUpdateTranspondersDlg::Replan);
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    apply_ = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    apply_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table_, 1);
    layout->addWidget(removeMissing_);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    resize(960, 480);
    Replan();
}

QComboBox* CUpdateTranspondersDlg::Chooser(std::size_t satellite) const {
    return static_cast<QComboBox*>(
        table_->cellWidget(static_cast<int>(satellite), FileSatelliteColumn));
}

std::optional<std::size_t> CUpdateTranspondersDlg::Choice(std::size_t satellite) const {
    const int index = Chooser(satellite)->currentIndex();
    if (index <= kLeaveAsItIs) return std::nullopt;
    return static_cast<std::size_t>(index - 1);
}

void CUpdateTranspondersDlg::SetChoice(std::size_t satellite,
                                       std::optional<std::size_t> fileSatellite) {
    Chooser(satellite)->setCurrentIndex(fileSatellite ? int(*fileSatellite) + 1 : kLeaveAsItIs);
}

bool CUpdateTranspondersDlg::RemoveMissing() const { return removeMissing_->isChecked(); }

void CUpdateTranspondersDlg::SetRemoveMissing(bool remove) { removeMissing_->setChecked(remove); }

void CUpdateTranspondersDlg::Replan() {
    std::vector<std::optional<std::size_t>> choices;
    for (std::size_t s = 0; s < ties_.size(); ++s) choices.push_back(Choice(s));
    plan_ = zev::PlanTransponderUpdate(db_, file_, choices, RemoveMissing());

    std::size_t tied = 0;
    for (std::size_t s = 0; s < ties_.size(); ++s) {
        const int row = static_cast<int>(s);
        const zev::SatelliteUpdate& update = plan_.satellites[s];
        const bool chosen = update.fileSatellite.has_value();
        tied += chosen ? 1 : 0;
        const auto count = [&](std::size_t n) { return chosen ? QString::number(n) : QString(); };
        table_->setItem(row, AddedColumn, NumberItem(count(update.added)));
        table_->setItem(row, UpdatedColumn, NumberItem(count(update.updated)));
        table_->setItem(row, UnchangedColumn, NumberItem(count(update.unchanged)));
        table_->setItem(row, NotInFileColumn, NumberItem(count(update.notInFile)));
        table_->setItem(row, CircularColumn, NumberItem(count(update.circular)));
        // Why a satellite the rule left untied is so, until the user picks one for it.
        QString note;
        if (chosen) {
            note = Fates(update);
        } else if (!ties_[s].fileSatellite) {
            note =
                tr("Not updated: %1").arg(Translated(zev::UntiedReason(db_, s, file_, ties_[s])));
        } else {
            note = tr("Not updated");
        }
        table_->setItem(row, NoteColumn, new QTableWidgetItem(note));
    }

    const std::size_t limit = zev::TransponderLimit(db_.header);
    const bool fits = plan_.transpondersAfter <= limit;
    if (tied == 0) {
        summary_->setText(
            tr("No satellite takes transponders from the file: "
               "choose one beside a satellite."));
    } else if (!fits) {
        summary_->setText(tr("The update would give %1 transponders, more than the "
                             "%2 the image holds (TpCapacity).")
                              .arg(plan_.transpondersAfter)
                              .arg(limit));
    } else {
        summary_->setText(tr("%1 of %2 satellites take transponders from the file; the channel "
                             "list will hold %3 of the %4 transponders the image takes.")
                              .arg(tied)
                              .arg(ties_.size())
                              .arg(plan_.transpondersAfter)
                              .arg(limit));
    }
    apply_->setEnabled(tied > 0 && fits);
}
