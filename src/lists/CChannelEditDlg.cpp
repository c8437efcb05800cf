#include "lists/CChannelEditDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "formats/ImageFields.h"
#include "lists/NumberBox.h"
#include "lists/RecordDialogs.h"
#include "ui/NameField.h"
#include "ui/UiPrompts.h"

namespace {

QString Id(int id) { return QString::number(id); }

}  // namespace

CChannelEditDlg::CChannelEditDlg(const zev::ChannelDatabase& db, const zev::ChannelEntry& record,
                                 UiPrompts& prompts, RecordDialogs* records, QWidget* parent)
    : QDialog(parent), db_(db), record_(record), prompts_(prompts), records_(records) {
    setWindowTitle(tr("Channel Edit"));
    // Two columns, the name and the transponder beside the PIDs, so that the dialog stays low
    // enough for a small or strongly scaled screen; OK and Cancel below both.
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;

    auto* nameForm = new QFormLayout;
    name_ = AddBox(*nameForm, kName, QT_TRANSLATE_NOOP("CChannelEditDlg", "Name:"));
    SetUpNameBox(*name_);
    left->addLayout(nameForm);

    auto* group = new QGroupBox(tr("Transponder Data"), this);
    auto* tpForm = new QFormLayout(group);
    tpNumber_ = new QComboBox(group);
    tpNumber_->setObjectName(Id(kTpNumber));
    auto* numberLabel = new QLabel(tr("Number:"), group);
    numberLabel->setBuddy(tpNumber_);
    tpForm->addRow(numberLabel, tpNumber_);
    satellite_ = AddBox(*tpForm, kSatellite, QT_TRANSLATE_NOOP("CChannelEditDlg", "Satellite:"));
    frequency_ = AddBox(*tpForm, kFrequency, QT_TRANSLATE_NOOP("CChannelEditDlg", "Frequency:"));
    polarisation_ =
        AddBox(*tpForm, kPolarisation, QT_TRANSLATE_NOOP("CChannelEditDlg", "Polarisation:"));
    symbolRate_ = AddBox(*tpForm, kSymbolRate, QT_TRANSLATE_NOOP("CChannelEditDlg", "Symbolrate:"));
    transId_ = AddBox(*tpForm, kTransId, QT_TRANSLATE_NOOP("CChannelEditDlg", "TransID:"));
    for (QLineEdit* box : {satellite_, frequency_, polarisation_, symbolRate_, transId_}) {
        box->setEnabled(false);
    }
    auto* pick = new QPushButton(tr("&Transponderlist"), group);
    pick->setObjectName(Id(kTransponderList));
    pick->setAutoDefault(false);
    tpForm->addRow(pick);
    left->addWidget(group);
    left->addStretch();

    auto* pidForm = new QFormLayout;
    static const QRegularExpression kDigits(QStringLiteral("[0-9]*"));
    for (std::size_t i = 0; i < kPidBoxes; ++i) {
        pids_[i] = AddBox(*pidForm, PidBoxes()[i].id, PidBoxes()[i].label);
        pids_[i]->setValidator(new QRegularExpressionValidator(kDigits, pids_[i]));
    }
    auto* right = new QVBoxLayout;
    right->addLayout(pidForm);
    right->addStretch();
    columns->addLayout(left);
    columns->addSpacing(12);
    columns->addLayout(right);
    layout->addLayout(columns);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(Id(1));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(Id(2));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // The record's values into the boxes.
    name_->setText(NameFieldText(record_.Name));
    const std::array<uint16_t*, kPidBoxes> fields = PidFields();
    for (std::size_t i = 0; i < kPidBoxes; ++i) pids_[i]->setText(QString::number(*fields[i]));
    const int tpCount = std::min<int>(db_.header.TpCount, static_cast<int>(zev::kMaxTransponders));
    QStringList numbers;
    numbers.reserve(tpCount);
    for (int n = 1; n <= tpCount; ++n) numbers << QString::number(n);
    tpNumber_->addItems(numbers);
    // A channel on a transponder that does not exist shows no selection and keeps its number
    // unless the person picks one.
    const int selection =
        record_.TpNumber >= 1 && record_.TpNumber <= tpCount ? record_.TpNumber - 1 : -1;
    tpNumber_->setCurrentIndex(selection);
    ShowTransponder();

    connect(tpNumber_, &QComboBox::currentIndexChanged, this,
            &CChannelEditDlg::OnTransponderChanged);
    connect(pick, &QPushButton::clicked, this, &CChannelEditDlg::OnTransponderList);
    connect(ok, &QPushButton::clicked, this, &CChannelEditDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CChannelEditDlg::reject);
}

QLineEdit* CChannelEditDlg::AddBox(QFormLayout& form, int id, const char* label) {
    auto* box = new QLineEdit(form.parentWidget() != nullptr ? form.parentWidget() : this);
    box->setObjectName(Id(id));
    auto* text = new QLabel(tr(label), box->parentWidget());
    text->setBuddy(box);
    form.addRow(text, box);
    return box;
}

const std::array<CChannelEditDlg::PidBox, CChannelEditDlg::kPidBoxes>& CChannelEditDlg::PidBoxes() {
    static const std::array<PidBox, kPidBoxes> boxes = {{
        {kVideoPid, QT_TRANSLATE_NOOP("CChannelEditDlg", "Video PID:"), "VPID"},
        {kAudioPid, QT_TRANSLATE_NOOP("CChannelEditDlg", "Audio PID:"), "APID"},
        {kPcrPid, QT_TRANSLATE_NOOP("CChannelEditDlg", "PCR PID:"), "PCRPID"},
        {kTtxPid, QT_TRANSLATE_NOOP("CChannelEditDlg", "TTX PID:"), "TTXPID"},
        {kAc3Pid, QT_TRANSLATE_NOOP("CChannelEditDlg", "AC3 PID:"), "AC3PID"},
        {kServiceId, QT_TRANSLATE_NOOP("CChannelEditDlg", "Service ID:"), "ServiceID"},
        {kNetworkId, QT_TRANSLATE_NOOP("CChannelEditDlg", "Network ID:"), "NetworkID"},
    }};
    return boxes;
}

std::array<uint16_t*, CChannelEditDlg::kPidBoxes> CChannelEditDlg::PidFields() {
    return {&record_.VPID,   &record_.APID,      &record_.PCRPID,   &record_.TTXPID,
            &record_.AC3PID, &record_.ServiceID, &record_.NetworkID};
}

void CChannelEditDlg::ShowTransponder() {
    const int selection = tpNumber_->currentIndex();
    const int tpCount = std::min<int>(db_.header.TpCount, static_cast<int>(zev::kMaxTransponders));
    if (selection < 0 || selection >= tpCount) {
        for (QLineEdit* box : {satellite_, frequency_, polarisation_, symbolRate_, transId_}) {
            box->clear();
        }
        return;
    }
    const zev::TransponderEntry& tp = db_.transponders[static_cast<std::size_t>(selection)];
    const bool satelliteExists = tp.Sat >= 1 && tp.Sat <= db_.header.SatCount;
    satellite_->setText(satelliteExists ? NameFieldText(db_.satellites[tp.Sat - 1u].Name)
                                        : QString());
    frequency_->setText(QString::number(tp.Frequency));
    polarisation_->setText(QString::number(tp.Polarization));
    symbolRate_->setText(QString::number(tp.Symbol));
    transId_->setText(QString::number(tp.TransID));
}

void CChannelEditDlg::OnTransponderChanged(int index) {
    if (index >= 0) record_.TpNumber = static_cast<uint16_t>(index + 1);
    // Only the transponder's boxes change: what was typed into the others stays.
    ShowTransponder();
}

void CChannelEditDlg::OnTransponderList() {
    if (records_ == nullptr) return;
    int choice = tpNumber_->currentIndex();
    if (records_->PickTransponder(this, choice) && choice >= 0 && choice < tpNumber_->count()) {
        tpNumber_->setCurrentIndex(choice);
    }
    // The pick may have edited the transponder shown.
    ShowTransponder();
}

void CChannelEditDlg::accept() {
    // Each box takes what the image keeps of its field; the first one that holds something
    // else says so and stays active.
    std::array<uint16_t, kPidBoxes> values{};
    for (std::size_t i = 0; i < kPidBoxes; ++i) {
        const PidBox& box = PidBoxes()[i];
        const QString label = tr(box.label).chopped(1);
        const std::optional<uint32_t> value = ReadNumberBox(
            *pids_[i], label, zev::image::ImageMost<zev::ChannelEntry>(box.field), prompts_);
        if (!value) return;
        values[i] = static_cast<uint16_t>(*value);
    }
    const std::array<uint16_t*, kPidBoxes> fields = PidFields();
    for (std::size_t i = 0; i < kPidBoxes; ++i) *fields[i] = values[i];
    if (tpNumber_->currentIndex() >= 0) {
        record_.TpNumber = static_cast<uint16_t>(tpNumber_->currentIndex() + 1);
    }
    StoreNameField(record_.Name, name_->text());
    QDialog::accept();
}
