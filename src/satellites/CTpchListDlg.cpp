#include "satellites/CTpchListDlg.h"

#include <QPushButton>

#include "editing/RecordLinks.h"
#include "editing/SubListTexts.h"
#include "satellites/DialogControls.h"
#include "satellites/LineListBox.h"

namespace {

constexpr int kListWidthInCharacters = 36;
constexpr int kVisibleRows = 10;

}  // namespace

CTpchListDlg::CTpchListDlg(zev::ChannelDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
    setWindowTitle("TPCHLIST");
    list_ = new LineListBox(this);
    list_->setObjectName("1011");
    list_->SetSizeInCharacters(kListWidthInCharacters, kVisibleRows);
    auto* deleteAll = MakeIdButton("&Delete All", "3", this);
    auto* close = MakeIdButton("&Close", "2", this);
    LayOutListDialog(this, nullptr, list_, {deleteAll, close});
    connect(deleteAll, &QPushButton::clicked, this, &CTpchListDlg::OnDeleteAll);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CTpchListDlg::Load() {
    const auto transponder = static_cast<std::size_t>(position);
    setWindowTitle(QString::fromLatin1(
        zev::TransponderChannelsTitle(db_, transponder, static_cast<std::size_t>(count))));
    QStringList lines;
    for (std::size_t slot : zev::ChannelsOfTransponder(db_, transponder)) {
        lines << QString::fromLatin1(zev::TransponderChannelLine(db_.channels[slot]));
    }
    list_->SetRows(lines);
    selection = -1;
}

void CTpchListDlg::OnDeleteAll() {
    db_.DeleteChannelsOfTransponder(static_cast<uint16_t>(position + 1));
    listChanged = true;
    accept();
}
