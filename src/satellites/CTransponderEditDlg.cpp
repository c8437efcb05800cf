#include "satellites/CTransponderEditDlg.h"

#include <QComboBox>
#include <QLineEdit>

#include "editing/RecordLinks.h"
#include "formats/ImageFields.h"
#include "lists/NumberBox.h"
#include "satellites/DialogControls.h"
#include "satellites/EnumComboBox.h"
#include "ui/NameField.h"

CTransponderEditDlg::CTransponderEditDlg(const zev::ChannelDatabase& db, UiPrompts& prompts,
                                         QWidget* parent)
    : QDialog(parent), db_(db), prompts_(prompts) {
    setWindowTitle(tr("Transponder Edit"));
    numberBox_ = MakeIdEdit("1006", this);
    numberBox_->setReadOnly(true);
    satelliteBox_ = enum_combo::Make({}, "1001", this);
    frequencyBox_ = MakeIdEdit("1022", this);
    polarizationBox_ = enum_combo::Make({tr("Horizontal"), tr("Vertical")}, "1005", this);
    symbolBox_ = MakeIdEdit("1003", this);
    transIdBox_ = MakeIdEdit("1004", this);
    LayOutEditDialog(this, {{tr("Number:"), numberBox_},
                            {tr("Satellite:"), satelliteBox_},
                            {tr("Frequency:"), frequencyBox_},
                            {tr("Polarization:"), polarizationBox_},
                            {tr("Trans Symbol:"), symbolBox_},
                            {tr("Trans ID:"), transIdBox_}});
}

void CTransponderEditDlg::Load(const zev::TransponderEntry& transponder, int number) {
    record_ = transponder;
    satelliteBox_->clear();
    const std::size_t satellites = zev::SatellitesInUse(db_);
    for (std::size_t i = 0; i < satellites; ++i) {
        satelliteBox_->addItem(NameFieldText(db_.satellites[i].Name));
    }
    numberBox_->setText(QString::number(number));
    enum_combo::Show(satelliteBox_, record_.Sat - 1);
    frequencyBox_->setText(QString::number(record_.Frequency));
    enum_combo::Show(polarizationBox_, record_.Polarization);
    symbolBox_->setText(QString::number(record_.Symbol));
    transIdBox_->setText(QString::number(record_.TransID));
    satelliteBox_->setFocus(Qt::OtherFocusReason);
}

void CTransponderEditDlg::accept() {
    const std::optional<uint32_t> frequency =
        ReadNumberBox(*frequencyBox_, tr("Frequency"),
                      zev::image::ImageMost<zev::TransponderEntry>("Frequency"), prompts_);
    if (!frequency) return;
    const std::optional<uint32_t> symbol =
        ReadNumberBox(*symbolBox_, tr("Trans Symbol"),
                      zev::image::ImageMost<zev::TransponderEntry>("Symbol"), prompts_);
    if (!symbol) return;
    const std::optional<uint32_t> transId =
        ReadNumberBox(*transIdBox_, tr("Trans ID"),
                      zev::image::ImageMost<zev::TransponderEntry>("TransID"), prompts_);
    if (!transId) return;
    // Satellite entry i is number i + 1; with none chosen the record keeps its Sat.
    if (satelliteBox_->currentIndex() >= 0) {
        record_.Sat = static_cast<uint8_t>(satelliteBox_->currentIndex() + 1);
    }
    record_.TransID = static_cast<uint16_t>(*transId);
    record_.Frequency = static_cast<uint16_t>(*frequency);
    record_.Polarization = enum_combo::Take(polarizationBox_, record_.Polarization);
    record_.Symbol = static_cast<uint16_t>(*symbol);
    QDialog::accept();
}
