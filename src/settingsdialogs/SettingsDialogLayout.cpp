#include "settingsdialogs/SettingsDialogLayout.h"

#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton* LayOutSettingsDialog(QDialog* dialog, const QString& groupTitle,
                                  const std::vector<std::pair<QString, QWidget*>>& rows,
                                  const QString& defaultsText) {
    auto* group = new QGroupBox(groupTitle, dialog);
    auto* form = new QFormLayout(group);
    for (const auto& [label, field] : rows) form->addRow(label, field);

    auto* defaultsButton = new QPushButton(defaultsText, dialog);
    auto* okButton = new QPushButton("OK", dialog);
    auto* cancelButton = new QPushButton("Cancel", dialog);
    okButton->setDefault(true);
    // accept() is virtual: the dialogs' own accept runs.
    QObject::connect(okButton, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancelButton, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaultsButton);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(group);
    layout->addLayout(buttons);
    return defaultsButton;
}
