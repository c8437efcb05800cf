#include "satellites/SubListDlg.h"

#include <QPushButton>

#include "satellites/DialogControls.h"
#include "satellites/LineListBox.h"
#include "ui/TranslatedText.h"

namespace {

constexpr int kListWidthInCharacters = 36;
constexpr int kVisibleRows = 10;

}  // namespace

SubListDlg::SubListDlg(zev::ChannelDatabase& db, const Layout& layout, QWidget* parent)
    : QDialog(parent), db_(db) {
    setWindowTitle(QString::fromLatin1(layout.title));
    list_ = new LineListBox(this);
    list_->setObjectName("1011");
    list_->SetSizeInCharacters(kListWidthInCharacters, kVisibleRows);
    auto* deleteAll = MakeIdButton(tr("&Delete All"), layout.deleteAllId, this);
    auto* close = MakeIdButton(tr("&Close"), "2", this);
    LayOutListDialog(this, layout.header ? MakeListHeader(tr(layout.header), this) : nullptr, list_,
                     {deleteAll, close});
    connect(deleteAll, &QPushButton::clicked, this, &SubListDlg::OnDeleteAll);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void SubListDlg::Load() {
    setWindowTitle(Translated(Title()));
    list_->SetRows(Lines());
    selection = -1;
}

void SubListDlg::OnDeleteAll() {
    DeleteAll();
    listChanged = true;
    accept();
}
