#include "satellites/EnumComboBox.h"

#include <QComboBox>

namespace enum_combo {

QComboBox* Make(const QStringList& items, const QString& id, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(id);
    box->addItems(items);
    return box;
}

void Show(QComboBox* box, int value) { box->setCurrentIndex(value < box->count() ? value : -1); }

uint8_t Take(const QComboBox* box, uint8_t unchanged) {
    const int index = box->currentIndex();
    return index < 0 ? unchanged : static_cast<uint8_t>(index);
}

}  // namespace enum_combo
