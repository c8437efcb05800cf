#include "ui/UiPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

#include "ui/ScreenFit.h"

namespace {

QMessageBox::Icon ToQtIcon(zev::MsgIcon icon) {
    switch (icon) {
        case zev::MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case zev::MsgIcon::Information:
            return QMessageBox::Information;
        case zev::MsgIcon::Question:
            return QMessageBox::Question;
        case zev::MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQtButton(zev::MsgAnswer answer) {
    switch (answer) {
        case zev::MsgAnswer::Yes:
            return QMessageBox::Yes;
        case zev::MsgAnswer::No:
            return QMessageBox::No;
        case zev::MsgAnswer::Cancel:
            return QMessageBox::Cancel;
        case zev::MsgAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons ToQtButtons(zev::MsgButtons buttons) {
    switch (buttons) {
        case zev::MsgButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case zev::MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case zev::MsgButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// A dialog that asks before overwriting and takes only existing files when opening. It starts
// in the folder `start` names, or at the file it names, which a save dialog suggests.
std::optional<QString> RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                     const QString& title, const QString& filter,
                                     const QString& defaultSuffix, const QString& start) {
    QFileDialog dialog(parent, title, QString(), filter);
    const QFileInfo startInfo(start);
    if (!start.isEmpty() && startInfo.isDir()) {
        dialog.setDirectory(start);
    } else if (!start.isEmpty()) {
        dialog.setDirectory(startInfo.absolutePath());
        if (mode == QFileDialog::AcceptSave) dialog.selectFile(startInfo.fileName());
    }
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

}  // namespace

zev::MsgAnswer QtUiPrompts::Message(const QString& text, const QString& caption, zev::MsgIcon icon,
                                    zev::MsgButtons buttons, zev::MsgAnswer defaultAnswer) {
    QMessageBox box(ToQtIcon(icon), caption, text, ToQtButtons(buttons), parent_);
    box.setDefaultButton(ToQtButton(defaultAnswer));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return zev::MsgAnswer::Yes;
        case QMessageBox::No:
            return zev::MsgAnswer::No;
        case QMessageBox::Cancel:
            return zev::MsgAnswer::Cancel;
        default:
            break;
    }
    // Closing a question box with Escape or the close button counts as its way out.
    if (buttons == zev::MsgButtons::YesNoCancel) return zev::MsgAnswer::Cancel;
    if (buttons == zev::MsgButtons::YesNo) return zev::MsgAnswer::No;
    return zev::MsgAnswer::Ok;
}

std::optional<QString> QtUiPrompts::OpenFileName(const QString& title, const QString& filter,
                                                 const QString& defaultSuffix) {
    return OpenFileNameAt(title, filter, defaultSuffix, QString());
}

std::optional<QString> QtUiPrompts::SaveFileName(const QString& title, const QString& filter,
                                                 const QString& defaultSuffix) {
    return SaveFileNameAt(title, filter, defaultSuffix, QString());
}

std::optional<QString> QtUiPrompts::OpenFileNameAt(const QString& title, const QString& filter,
                                                   const QString& defaultSuffix,
                                                   const QString& start) {
    return RunFileDialog(parent_, QFileDialog::AcceptOpen, title, filter, defaultSuffix, start);
}

std::optional<QString> QtUiPrompts::SaveFileNameAt(const QString& title, const QString& filter,
                                                   const QString& defaultSuffix,
                                                   const QString& start) {
    return RunFileDialog(parent_, QFileDialog::AcceptSave, title, filter, defaultSuffix, start);
}

std::optional<QFont> QtUiPrompts::ChooseFont(const QFont& current) {
    // Qt's font dialog offers strike-out and underline as effects, which the QFont carries;
    // it has no colour to offer, and a font holds none.
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, current, parent_, QString());
    if (!ok) return std::nullopt;
    return chosen;
}

int QtUiPrompts::RunDialog(QDialog& dialog) {
    // Each dialog opens as large as it asks, within the screen.
    FitOnScreen(dialog);
    return dialog.exec();
}
