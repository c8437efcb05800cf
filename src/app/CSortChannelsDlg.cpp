#include "app/CSortChannelsDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace {

struct KeyChoice {
    zev::ChannelSortKey key;
    const char* text;
};

// In the order the drop-down lists them.
constexpr KeyChoice kKeys[] = {
    {zev::ChannelSortKey::Name,
     QT_TRANSLATE_NOOP("CSortChannelsDlg", "Name (numbers by their value)")},
    {zev::ChannelSortKey::Satellite,
     QT_TRANSLATE_NOOP("CSortChannelsDlg", "Satellite, frequency, polarisation, Service ID")},
    {zev::ChannelSortKey::Frequency,
     QT_TRANSLATE_NOOP("CSortChannelsDlg", "Frequency, polarisation, Service ID")},
    {zev::ChannelSortKey::ServiceId, QT_TRANSLATE_NOOP("CSortChannelsDlg", "Service ID")},
};

}  // namespace

CSortChannelsDlg::CSortChannelsDlg(const QString& scope, zev::ChannelSortOrder order,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Sort Channels"));
    scope_ = new QLabel(scope, this);
    scope_->setTextFormat(Qt::PlainText);
    scope_->setWordWrap(true);

    key_ = new QComboBox(this);
    for (const KeyChoice& choice : kKeys) key_->addItem(tr(choice.text));

    auto* ascending = new QRadioButton(tr("&Ascending"), this);
    auto* descending = new QRadioButton(tr("&Descending"), this);
    direction_ = new QButtonGroup(this);
    direction_->addButton(ascending, 0);
    direction_->addButton(descending, 1);
    auto* directions = new QHBoxLayout;
    directions->addWidget(ascending);
    directions->addWidget(descending);
    directions->addStretch(1);

    auto* form = new QFormLayout;
    form->addRow(tr("Sort &by:"), key_);
    form->addRow(tr("Direction:"), directions);

    auto* note = new QLabel(tr("Channels that compare equal keep their order."), this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scope_);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    SetOrder(order);
}

zev::ChannelSortOrder CSortChannelsDlg::Order() const {
    const int index = std::max(key_->currentIndex(), 0);
    return {kKeys[index].key, direction_->checkedId() == 1};
}

void CSortChannelsDlg::SetOrder(zev::ChannelSortOrder order) {
    for (int i = 0; i < static_cast<int>(std::size(kKeys)); ++i) {
        if (kKeys[i].key == order.key) key_->setCurrentIndex(i);
    }
    direction_->button(order.descending ? 1 : 0)->setChecked(true);
}
