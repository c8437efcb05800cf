#include "settingsdialogs/CFlashSettingDlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QShowEvent>
#include <array>

#include "settings/SettingsFile.h"
#include "settingsdialogs/ComboText.h"
#include "settingsdialogs/SettingsDialogLayout.h"

namespace {

// Index i + 1 names entry i.
const std::array<const char*, 3> kFlashSizes = {"4M bits", "8M bits", "16M bits"};
const std::array<const char*, 4> kUserSizes = {"1 Sector", "2 Sectors", "3 Sectors", "4 Sectors"};

template <std::size_t N>
QString TextFor(const std::array<const char*, N>& names, int index) {
    if (index < 1 || index > static_cast<int>(N)) return QString();
    return QString::fromLatin1(names[static_cast<std::size_t>(index - 1)]);
}

template <std::size_t N>
int IndexFor(const std::array<const char*, N>& names, const QString& text, int unchanged) {
    for (std::size_t i = 0; i < N; ++i) {
        if (text == QLatin1String(names[i])) return static_cast<int>(i) + 1;
    }
    return unchanged;
}

// The lists keep their entries in alphabetical order ("16M bits" first).
template <std::size_t N>
QStringList SortedItems(const std::array<const char*, N>& names) {
    QStringList items;
    for (const char* name : names) items << QString::fromLatin1(name);
    items.sort();
    return items;
}

// An index that names no entry comes as an empty text, which every entry begins with: the
// first entry is selected, so that OK stores an index that names one.
void ShowSize(QComboBox* box, const QString& text) {
    if (text.isEmpty()) {
        box->setCurrentIndex(0);
    } else {
        combo_text::Show(box, text);
    }
}

}  // namespace

CFlashSettingDlg::CFlashSettingDlg(const zev::LinkSettings& current, QWidget* parent)
    : QDialog(parent), current_(current) {
    setWindowTitle(tr("Setting Flash"));

    flashBox_ = combo_text::Make(SortedItems(kFlashSizes), this);
    userBox_ = combo_text::Make(SortedItems(kUserSizes), this);

    defaultsButton_ = LayOutSettingsDialog(
        this, tr("FLASH"),
        {{tr("Flash Size"), flashBox_, 1038}, {tr("UserPara Size"), userBox_, 1039}},
        {tr("Defaults"), 1040, 1, 2});
    connect(defaultsButton_, &QPushButton::clicked, this, &CFlashSettingDlg::OnDefaults);
}

QString CFlashSettingDlg::FlashSizeText(int index) { return TextFor(kFlashSizes, index); }

QString CFlashSettingDlg::UserSizeText(int index) { return TextFor(kUserSizes, index); }

int CFlashSettingDlg::ChosenFlashSizeIndex(int unchanged) const {
    return IndexFor(kFlashSizes, flashSize, unchanged);
}

int CFlashSettingDlg::ChosenUserSizeIndex(int unchanged) const {
    return IndexFor(kUserSizes, userSize, unchanged);
}

void CFlashSettingDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) ShowMembers();
    QDialog::showEvent(event);
}

void CFlashSettingDlg::ShowMembers() {
    ShowSize(flashBox_, flashSize);
    ShowSize(userBox_, userSize);
}

void CFlashSettingDlg::SaveFile() const {
    zev::LinkSettings out = current_;
    out.flashSizeIndex = ChosenFlashSizeIndex(current_.flashSizeIndex);
    out.userSizeIndex = ChosenUserSizeIndex(current_.userSizeIndex);
    zev::SaveSettingsFile(out);
}

void CFlashSettingDlg::OnDefaults() {
    const zev::LinkSettings defaults;
    flashSize = FlashSizeText(defaults.flashSizeIndex);
    userSize = UserSizeText(defaults.userSizeIndex);
    SaveFile();
    ShowMembers();
}

void CFlashSettingDlg::accept() {
    flashSize = combo_text::Take(flashBox_);
    userSize = combo_text::Take(userBox_);
    SaveFile();
    QDialog::accept();
}
