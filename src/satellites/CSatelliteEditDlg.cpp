#include "satellites/CSatelliteEditDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "formats/ImageFields.h"
#include "lists/NumberBox.h"
#include "satellites/DialogControls.h"
#include "satellites/EnumComboBox.h"
#include "ui/NameField.h"

namespace {

constexpr int kDiseqc12 = 1;

}  // namespace

CSatelliteEditDlg::CSatelliteEditDlg(UiPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setWindowTitle(tr("Satellite Edit"));
    numberBox_ = MakeIdEdit("1006", this);
    numberBox_->setReadOnly(true);
    nameBox_ = MakeIdEdit("1019", this);
    SetUpNameBox(*nameBox_);
    lnbTypeBox_ = enum_combo::Make({"normal", "universal"}, "1026", this);
    lnbLowBox_ = MakeIdEdit("1027", this);
    lnbHighBox_ = MakeIdEdit("1007", this);
    diseqcTypeBox_ = enum_combo::Make({"Diseqc1.0", "Diseqc1.2"}, "1028", this);
    diseqcPortBox_ = enum_combo::Make({tr("OFF"), "A", "B", "C", "D"}, "1008", this);
    LayOutEditDialog(this, {{tr("Number:"), numberBox_},
                            {tr("Name:"), nameBox_},
                            {tr("Lnbtype:"), lnbTypeBox_},
                            {tr("Lnblow:"), lnbLowBox_},
                            {tr("Lnbhigh:"), lnbHighBox_},
                            {tr("DiseqcType:"), diseqcTypeBox_},
                            {tr("DiseqcPort:"), diseqcPortBox_}});
    connect(diseqcTypeBox_, &QComboBox::currentIndexChanged, this,
            &CSatelliteEditDlg::OnDiseqcTypeChanged);
}

void CSatelliteEditDlg::Load(const zev::SatelliteEntry& satellite, int number) {
    record_ = satellite;
    const QSignalBlocker quiet(diseqcTypeBox_);
    numberBox_->setText(QString::number(number));
    nameBox_->setText(NameFieldText(record_.Name));
    enum_combo::Show(lnbTypeBox_, record_.Lnbtype);
    lnbLowBox_->setText(QString::number(record_.Lnblow));
    lnbHighBox_->setText(QString::number(record_.Lnbhigh));
    enum_combo::Show(diseqcTypeBox_, record_.DiseqcType);
    enum_combo::Show(diseqcPortBox_, record_.DiseqcPort);
    // The port list starts enabled whatever the type; only choosing a type acts on it.
    diseqcPortBox_->setEnabled(true);
    nameBox_->setFocus(Qt::OtherFocusReason);
}

// A positioner (DiSEqC 1.2) has no switch port: the port goes to OFF and cannot be chosen.
// Nothing else is read or rewritten here, so text being typed in the other fields stays.
void CSatelliteEditDlg::OnDiseqcTypeChanged(int index) {
    if (index == kDiseqc12) {
        diseqcPortBox_->setCurrentIndex(0);
        diseqcPortBox_->setEnabled(false);
    } else {
        diseqcPortBox_->setEnabled(true);
    }
}

void CSatelliteEditDlg::accept() {
    const std::optional<uint32_t> lnbLow = ReadNumberBox(
        *lnbLowBox_, tr("Lnblow"), zev::image::ImageMost<zev::SatelliteEntry>("Lnblow"), prompts_);
    if (!lnbLow) return;
    const std::optional<uint32_t> lnbHigh =
        ReadNumberBox(*lnbHighBox_, tr("Lnbhigh"),
                      zev::image::ImageMost<zev::SatelliteEntry>("Lnbhigh"), prompts_);
    if (!lnbHigh) return;
    record_.DiseqcPort = enum_combo::Take(diseqcPortBox_, record_.DiseqcPort);
    record_.DiseqcType = enum_combo::Take(diseqcTypeBox_, record_.DiseqcType);
    record_.Lnblow = static_cast<uint16_t>(*lnbLow);
    record_.Lnbhigh = static_cast<uint16_t>(*lnbHigh);
    record_.Lnbtype = enum_combo::Take(lnbTypeBox_, record_.Lnbtype);
    StoreNameField(record_.Name, nameBox_->text());
    QDialog::accept();
}
