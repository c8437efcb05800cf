// Building blocks the satellite and transponder dialogs share: controls named by their ids,
// and the two dialog layouts.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A push button whose objectName is its control id; Enter never presses it.
QPushButton* MakeIdButton(const QString& text, const QString& id, QWidget* parent);

// A text box whose objectName is its control id.
QLineEdit* MakeIdEdit(const QString& id, QWidget* parent);

// The header text above a list of fixed-column lines, in the list's font.
QLabel* MakeListHeader(const QString& text, QWidget* parent);

// A list (with its header text above it, when there is one) and a row of buttons below.
void LayOutListDialog(QDialog* dialog, QLabel* header, QWidget* list,
                      std::initializer_list<QPushButton*> buttons);

// Labelled fields above OK (id 1, the default button, connected to accept) and Cancel (id 2,
// connected to reject).
void LayOutEditDialog(QDialog* dialog, const std::vector<std::pair<QString, QWidget*>>& rows);
