#include "satellites/CSttpListDlg.h"

#include <QPushButton>

#include "editing/RecordLinks.h"
#include "editing/SubListTexts.h"
#include "satellites/DialogControls.h"
#include "satellites/LineListBox.h"

namespace {

constexpr int kListWidthInCharacters = 36;
constexpr int kVisibleRows = 10;

}  // namespace

CSttpListDlg::CSttpListDlg(zev::ChannelDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
    setWindowTitle("STTPLIST");
    list_ = new LineListBox(this);
    list_->setObjectName("1011");
    list_->SetSizeInCharacters(kListWidthInCharacters, kVisibleRows);
    auto* deleteAll = MakeIdButton("&Delete All", "1037", this);
    auto* close = MakeIdButton("&Close", "2", this);
    LayOutListDialog(this, MakeListHeader("No     Fre        Pol    Symbol", this), list_,
                     {deleteAll, close});
    connect(deleteAll, &QPushButton::clicked, this, &CSttpListDlg::OnDeleteAll);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CSttpListDlg::Load() {
    const auto satellite = static_cast<std::size_t>(position);
    setWindowTitle(QString::fromLatin1(
        zev::SatelliteTranspondersTitle(db_, satellite, static_cast<std::size_t>(count))));
    QStringList lines;
    for (std::size_t tp : zev::TranspondersOfSatellite(db_, satellite)) {
        lines << QString::fromLatin1(zev::SatelliteTransponderLine(db_, tp));
    }
    list_->SetRows(lines);
    selection = -1;
}

void CSttpListDlg::OnDeleteAll() {
    db_.DeleteTranspondersOfSatellite(static_cast<uint8_t>(position + 1));
    listChanged = true;
    accept();
}
