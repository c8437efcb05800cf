// Drop-down lists that show a small stored number as the index of an entry.
#pragma once

#include <QStringList>
#include <cstdint>

class QComboBox;
class QWidget;

namespace enum_combo {

QComboBox* Make(const QStringList& items, const QString& id, QWidget* parent);

// Selects entry `value`, or nothing when there is no such entry.
void Show(QComboBox* box, int value);

// The selected entry as the stored number; `unchanged` when nothing is selected, so that a
// value without an entry survives a dialog the user closed with OK.
uint8_t Take(const QComboBox* box, uint8_t unchanged);

}  // namespace enum_combo
