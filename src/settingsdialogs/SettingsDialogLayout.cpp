#include "settingsdialogs/SettingsDialogLayout.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton* LayOutSettingsDialog(QDialog* dialog, const QString& groupTitle,
                                  const std::vector<SettingsField>& rows,
                                  const SettingsButtons& buttons) {
    auto* group = new QGroupBox(groupTitle, dialog);
    auto* form = new QFormLayout(group);
    for (const SettingsField& row : rows) {
        row.field->setObjectName(QString::number(row.id));
        form->addRow(row.label, row.field);
    }

    const auto button = [dialog](const QString& text, int id) {
        auto* made = new QPushButton(text, dialog);
        made->setObjectName(QString::number(id));
        return made;
    };
    auto* defaultsButton = button(buttons.defaultsText, buttons.defaultsId);
    auto* okButton =
        button(QCoreApplication::translate("SettingsDialogLayout", "OK"), buttons.okId);
    auto* cancelButton =
        button(QCoreApplication::translate("SettingsDialogLayout", "Cancel"), buttons.cancelId);
    okButton->setDefault(true);
    // accept() is virtual: the dialogs' own accept runs.
    QObject::connect(okButton, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancelButton, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(defaultsButton);
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(group);
    layout->addLayout(row);
    return defaultsButton;
}
