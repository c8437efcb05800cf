#include "satellites/CTransponderPickDlg.h"

#include <QPushButton>

#include "database/ChannelDatabase.h"
#include "editing/ChangeSink.h"
#include "editing/RecordLinks.h"
#include "editing/RowTexts.h"
#include "satellites/CTransponderEditDlg.h"
#include "satellites/DialogControls.h"
#include "satellites/LineListBox.h"
#include "satellites/TransponderListHeader.h"
#include "ui/UiPrompts.h"

namespace {

constexpr std::size_t kLineWidth = 80;
// The lines' text ends by column 73; the rest of the 80 is spaces.
constexpr int kListWidthInCharacters = 73;
constexpr int kVisibleRows = 16;

QString Line(const zev::ChannelDatabase& db, int position) {
    return QString::fromLatin1(
        zev::TransponderRowText(db, static_cast<std::size_t>(position), kLineWidth));
}

}  // namespace

CTransponderPickDlg::CTransponderPickDlg(zev::ChannelDatabase& db, UiPrompts& prompts,
                                         zev::ChangeSink& changes, QWidget* parent)
    : QDialog(parent), db_(db), prompts_(prompts), changes_(changes) {
    setWindowTitle(tr("Transponder List"));
    editDlg_ = new CTransponderEditDlg(db_, prompts_, this);
    list_ = new LineListBox(this);
    list_->setObjectName("1010");
    list_->SetSizeInCharacters(kListWidthInCharacters, kVisibleRows);
    auto* edit = MakeIdButton(tr("&Edit"), "1030", this);
    auto* close = MakeIdButton(tr("Close"), "2", this);
    LayOutListDialog(this, MakeListHeader(TransponderListHeader(), this), list_, {edit, close});
    connect(edit, &QPushButton::clicked, this, &CTransponderPickDlg::OnEdit);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &LineListBox::RowDoubleClicked, this, &CTransponderPickDlg::OnLineDoubleClicked);
    connect(list_, &LineListBox::EditKeyPressed, this, &CTransponderPickDlg::OnEdit);
}

void CTransponderPickDlg::Load() {
    QStringList lines;
    const int count = static_cast<int>(zev::TranspondersInUse(db_));
    lines.reserve(count);
    for (int i = 0; i < count; ++i) lines << Line(db_, i);
    list_->SetRows(lines);
    list_->SelectRow(choice);
}

void CTransponderPickDlg::OnLineDoubleClicked(int row) {
    choice = row;
    accept();
}

void CTransponderPickDlg::OnEdit() {
    // Nothing is selected only when the caller's choice named no transponder.
    const int row = list_->SelectedRow();
    if (row < 0) return;
    zev::TransponderEntry& transponder = db_.transponders[static_cast<std::size_t>(row)];
    editDlg_->Load(transponder, row + 1);
    if (prompts_.RunDialog(*editDlg_) != QDialog::Accepted) return;
    if (editDlg_->Record() != transponder) {
        transponder = editDlg_->Record();
        changes_.DatabaseChanged(ZEV_TR("Change", "Edit Transponder"));
    }
    list_->SetRowText(row, Line(db_, row));
    list_->SelectRow(row);
}
