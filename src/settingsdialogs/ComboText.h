// Exchanging a settings text with an editable combo box, as both settings dialogs do.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

namespace combo_text {

// An editable drop-down list with `items` in the given order; typed values are kept as text.
QComboBox* Make(const QStringList& items, QWidget* parent);

// Selects the first item that begins with `text` (ignoring case); when none does, or the text
// is empty, the text goes into the edit field as it is.
void Show(QComboBox* box, const QString& text);

// What the edit field holds.
QString Take(const QComboBox* box);

}  // namespace combo_text
