#include "settingsdialogs/ComboText.h"

#include <QComboBox>

namespace combo_text {

QComboBox* Make(const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

void Show(QComboBox* box, const QString& text) {
    // An empty text would match every item; it must not silently pick the first one.
    if (!text.isEmpty()) {
        for (int i = 0; i < box->count(); ++i) {
            if (box->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
                box->setCurrentIndex(i);
                return;
            }
        }
    }
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

QString Take(const QComboBox* box) { return box->currentText(); }

}  // namespace combo_text
