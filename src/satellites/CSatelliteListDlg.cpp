#include "satellites/CSatelliteListDlg.h"

#include <QPushButton>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/ChangeSink.h"
#include "editing/ListEditRules.h"
#include "editing/RecordLinks.h"
#include "editing/ReferenceRenumbering.h"
#include "editing/RowTexts.h"
#include "satellites/CSatelliteEditDlg.h"
#include "satellites/CSttpListDlg.h"
#include "satellites/DialogControls.h"
#include "ui/UiPrompts.h"

namespace {

constexpr int kRowWidthInCharacters = 72;
constexpr int kVisibleRows = 16;
const char* const kSelectFirst =
    QT_TRANSLATE_NOOP("RecordListDlg", "You have to select a Satellite first!");

}  // namespace

CSatelliteListDlg::CSatelliteListDlg(zev::ChannelDatabase& db, UiPrompts& prompts,
                                     zev::ChangeSink& changes, QWidget* parent)
    : RecordListDlg(db, prompts, changes, kSelectFirst, parent) {
    setWindowTitle(tr("Satellite List"));
    editDlg_ = new CSatelliteEditDlg(prompts_, this);
    subListDlg_ = new CSttpListDlg(db_, this);

    list_ = record_list::Make(record_list::ListType::Satellites, kRowWidthInCharacters,
                              kVisibleRows, db_, prompts_, changes_, this);
    list_->setObjectName("1029");
    auto* edit = MakeIdButton(tr("&Edit"), "1030", this);
    auto* add = MakeIdButton(tr("&New"), "1031", this);
    auto* transponders = MakeIdButton(tr("&Tranponders"), "1025", this);
    auto* remove = MakeIdButton(tr("&Delete"), "1032", this);
    auto* close = MakeIdButton(tr("Close"), "2", this);
    LayOutListDialog(this,
                     MakeListHeader(tr("Num     Name          LnbType     Lnblow     Lnbhigh     "
                                       "Diseqc    Diseqcport"),
                                    this),
                     list_, {edit, add, transponders, remove, close});
    connect(edit, &QPushButton::clicked, this, &CSatelliteListDlg::OnEdit);
    connect(add, &QPushButton::clicked, this, &CSatelliteListDlg::OnNew);
    connect(transponders, &QPushButton::clicked, this, &CSatelliteListDlg::OnTransponders);
    connect(remove, &QPushButton::clicked, this, &CSatelliteListDlg::OnDelete);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    record_list::OnDoubleClick(*list_, this, [this](int) { OnEdit(); });
    record_list::OnKeys(
        *list_, this, [this] { OnEdit(); }, [this] { OnDelete(); });
    record_list::OnRowsDropped(*list_, this, [this] { OnRowsDropped(); });

    FillRows(zev::SatellitesInUse(db_));
}

CSatelliteListDlg::~CSatelliteListDlg() = default;

std::string CSatelliteListDlg::RowText(std::size_t position) const {
    return zev::SatelliteRowText(db_, position);
}

void CSatelliteListDlg::OnEdit() {
    if (db_.header.SatCount == 0) return;
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    zev::SatelliteEntry& satellite = db_.satellites[static_cast<std::size_t>(row)];
    editDlg_->Load(satellite, row + 1);
    if (prompts_.RunDialog(*editDlg_) != QDialog::Accepted) return;
    if (editDlg_->Record() == satellite) return;
    satellite = editDlg_->Record();
    WriteRow(row);
    ReportChange(ZEV_TR("Change", "Edit Satellite"), false);
}

void CSatelliteListDlg::OnNew() {
    const std::size_t limit = zev::SatelliteLimit(db_.header);
    if (db_.header.SatCount >= limit) {
        prompts_.Inform(tr("There's only %1 Satellite can be add!").arg(limit), "zev",
                        zev::MsgIcon::None);
        return;
    }
    const std::size_t p = zev::InsertPositionFor(record_list::SelectedRow(*list_));
    const int row = static_cast<int>(p);
    editDlg_->Load(zev::NewSatelliteTemplate(db_, p), row + 1);
    if (prompts_.RunDialog(*editDlg_) == QDialog::Accepted) {
        db_.InsertSatellite(p, editDlg_->Record());
        // The rows from p on move down one place: each takes its new satellite and number.
        record_list::InsertRow(*list_, row, QString());
        const int count = db_.header.SatCount;
        for (int i = row; i < count; ++i) WriteRow(i);
        ReportChange(ZEV_TR("Change", "New Satellite"), true);
    }
    list_->setFocus();
    record_list::SelectRow(*list_, row);
}

void CSatelliteListDlg::OnTransponders() {
    if (db_.header.SatCount == 0) return;
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    const std::size_t count =
        zev::TranspondersOfSatellite(db_, static_cast<std::size_t>(row)).size();
    if (count == 0) {
        prompts_.Inform(tr("This satellite no TP!"), tr("Warning"));
        return;
    }
    if (RunSubList(row, count)) {
        ReportChange(ZEV_TR("Change", "Delete All Transponders of Satellite %1").Arg(row + 1),
                     true);
    }
}

void CSatelliteListDlg::OnDelete() {
    if (db_.header.SatCount == 0) return;
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    const auto position = static_cast<std::size_t>(row);
    const std::size_t transponders = zev::TranspondersOfSatellite(db_, position).size();
    if (transponders > 0) {
        prompts_.Inform(tr("There are Transponders belong to this Satellite!"), "zev",
                        zev::MsgIcon::None);
        // Only a list emptied with Delete All lets the satellite go.
        if (!RunSubList(row, transponders)) return;
    }
    const std::size_t countBefore = db_.header.SatCount;
    db_.DeleteSatellite(position);
    // The rows from the deleted one on take the satellites that moved up; the last row goes.
    // The selected row keeps its place.
    for (int i = row; i < db_.header.SatCount; ++i) WriteRow(i);
    record_list::RemoveRow(*list_, static_cast<int>(countBefore) - 1);
    if (const auto next = zev::SelectionAfterDelete(position, countBefore)) {
        list_->setFocus();
        record_list::SelectRow(*list_, static_cast<int>(*next));
    }
    ReportChange(ZEV_TR("Change", "Delete Satellite"), true);
}
