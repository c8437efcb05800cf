#include "satellites/CTransponderListDlg.h"

#include <QPushButton>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/ChangeSink.h"
#include "editing/ListEditRules.h"
#include "editing/RecordLinks.h"
#include "editing/ReferenceRenumbering.h"
#include "editing/RowTexts.h"
#include "satellites/CTpchListDlg.h"
#include "satellites/CTransponderEditDlg.h"
#include "satellites/DialogControls.h"
#include "satellites/TransponderListHeader.h"
#include "ui/UiPrompts.h"

namespace {

constexpr std::size_t kRowWidth = 73;
constexpr int kVisibleRows = 16;
const char* const kSelectFirst =
    QT_TRANSLATE_NOOP("RecordListDlg", "You must select a Transponder first!");

}  // namespace

CTransponderListDlg::CTransponderListDlg(zev::ChannelDatabase& db, UiPrompts& prompts,
                                         zev::ChangeSink& changes, QWidget* parent)
    : RecordListDlg(db, prompts, changes, kSelectFirst, parent) {
    setWindowTitle(tr("Transponder List"));
    editDlg_ = new CTransponderEditDlg(db_, prompts_, this);
    subListDlg_ = new CTpchListDlg(db_, this);

    list_ = record_list::Make(record_list::ListType::Transponders, static_cast<int>(kRowWidth),
                              kVisibleRows, db_, prompts_, changes_, this);
    list_->setObjectName("1010");
    auto* edit = MakeIdButton(tr("&Edit"), "1030", this);
    auto* add = MakeIdButton(tr("&New"), "1031", this);
    auto* channels = MakeIdButton(tr("&Channels"), "1011", this);
    auto* remove = MakeIdButton(tr("&Delete"), "1012", this);
    auto* close = MakeIdButton(tr("Close"), "2", this);
    LayOutListDialog(this, MakeListHeader(TransponderListHeader(), this), list_,
                     {edit, add, channels, remove, close});
    connect(edit, &QPushButton::clicked, this, &CTransponderListDlg::OnEdit);
    connect(add, &QPushButton::clicked, this, &CTransponderListDlg::OnNew);
    connect(channels, &QPushButton::clicked, this, &CTransponderListDlg::OnChannels);
    connect(remove, &QPushButton::clicked, this, &CTransponderListDlg::OnDelete);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    record_list::OnDoubleClick(*list_, this, [this](int) { OnEdit(); });
    record_list::OnKeys(
        *list_, this, [this] { OnEdit(); }, [this] { OnDelete(); });
    record_list::OnRowsDropped(*list_, this, [this] { OnRowsDropped(); });

    FillRows(zev::TranspondersInUse(db_));
}

CTransponderListDlg::~CTransponderListDlg() = default;

std::string CTransponderListDlg::RowText(std::size_t position) const {
    return zev::TransponderRowText(db_, position, kRowWidth);
}

void CTransponderListDlg::OnEdit() {
    if (db_.header.TpCount == 0) return;
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    zev::TransponderEntry& transponder = db_.transponders[static_cast<std::size_t>(row)];
    editDlg_->Load(transponder, row + 1);
    if (prompts_.RunDialog(*editDlg_) != QDialog::Accepted) return;
    if (editDlg_->Record() == transponder) return;
    transponder = editDlg_->Record();
    WriteRow(row);
    ReportChange(ZEV_TR("Change", "Edit Transponder"), false);
}

void CTransponderListDlg::OnNew() {
    if (db_.header.SatCount == 0) {
        prompts_.Inform(tr("You must add a satellite first!"), tr("Information"));
        return;
    }
    const std::size_t limit = zev::TransponderLimit(db_.header);
    if (db_.header.TpCount >= limit) {
        prompts_.Inform(tr("There's only %1 Transponder can be add!").arg(limit), "zev",
                        zev::MsgIcon::None);
        return;
    }
    const std::size_t p = zev::InsertPositionFor(record_list::SelectedRow(*list_));
    const int row = static_cast<int>(p);
    editDlg_->Load(zev::NewTransponderTemplate(db_, p), row + 1);
    if (prompts_.RunDialog(*editDlg_) == QDialog::Accepted) {
        db_.InsertTransponder(p, editDlg_->Record());
        // The rows from p on move down one place: each takes its new transponder and number.
        record_list::InsertRow(*list_, row, QString());
        const int count = db_.header.TpCount;
        for (int i = row; i < count; ++i) WriteRow(i);
        ReportChange(ZEV_TR("Change", "New Transponder"), true);
    }
    list_->setFocus();
    record_list::SelectRow(*list_, row);
}

void CTransponderListDlg::OnChannels() {
    if (db_.header.TpCount == 0) return;
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    const std::size_t count = zev::ChannelsOfTransponder(db_, static_cast<std::size_t>(row)).size();
    if (count == 0) {
        prompts_.Inform(tr("There's No channel belong to this Transponder!"), tr("Information"));
        return;
    }
    if (RunSubList(row, count)) {
        ReportChange(ZEV_TR("Change", "Delete All Channels of Transponder %1").Arg(row + 1), true);
    }
}

void CTransponderListDlg::OnDelete() {
    if (db_.header.TpCount == 0) return;
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    const auto position = static_cast<std::size_t>(row);
    const std::size_t channels = zev::ChannelsOfTransponder(db_, position).size();
    if (channels > 0) {
        prompts_.Inform(tr("There are channel(s) belong to this Transponder!"), tr("Information"));
        // Only a list emptied with Delete All lets the transponder go.
        if (!RunSubList(row, channels)) return;
    }
    const std::size_t countBefore = db_.header.TpCount;
    record_list::RemoveRow(*list_, row);
    db_.DeleteTransponder(position);
    for (int i = row; i < db_.header.TpCount; ++i) WriteRow(i);
    if (const auto next = zev::SelectionAfterDelete(position, countBefore)) {
        list_->setFocus();
        record_list::SelectRow(*list_, static_cast<int>(*next));
    }
    ReportChange(ZEV_TR("Change", "Delete Transponder"), true);
}
