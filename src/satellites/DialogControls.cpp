#include "satellites/DialogControls.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "satellites/LineListBox.h"

QPushButton* MakeIdButton(const QString& text, const QString& id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(id);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* MakeIdEdit(const QString& id, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(id);
    return box;
}

QLabel* MakeListHeader(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(LineListFont());
    label->setTextFormat(Qt::PlainText);
    return label;
}

void LayOutListDialog(QDialog* dialog, QLabel* header, QWidget* list,
                      std::initializer_list<QPushButton*> buttons) {
    auto* layout = new QVBoxLayout(dialog);
    layout->setSpacing(4);
    if (header != nullptr) {
        // Lines the header up with the text inside the list's frame.
        header->setContentsMargins(list->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 3, 0,
                                   0, 0);
        layout->addWidget(header);
    }
    layout->addWidget(list, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) row->addWidget(button);
    layout->addSpacing(4);
    layout->addLayout(row);
}

void LayOutEditDialog(QDialog* dialog, const std::vector<std::pair<QString, QWidget*>>& rows) {
    auto* form = new QFormLayout;
    for (const auto& [label, field] : rows) form->addRow(label, field);
    auto* ok = new QPushButton(QCoreApplication::translate("DialogControls", "OK"), dialog);
    auto* cancel = new QPushButton(QCoreApplication::translate("DialogControls", "Cancel"), dialog);
    ok->setObjectName("1");
    cancel->setObjectName("2");
    ok->setDefault(true);
    // accept() is virtual: the dialog's own check of its fields runs.
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addLayout(buttons);
}
