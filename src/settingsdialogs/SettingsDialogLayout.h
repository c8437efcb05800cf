// The layout both settings dialogs share: a titled group of labelled fields above a row with
// the defaults button on the left and OK and Cancel on the right.
#pragma once

#include <QString>
#include <utility>
#include <vector>

class QDialog;
class QPushButton;
class QWidget;

// Lays out `dialog`, connects OK (the default button) and Cancel to accept and reject, and
// returns the defaults button for the dialog to connect.
QPushButton* LayOutSettingsDialog(QDialog* dialog, const QString& groupTitle,
                                  const std::vector<std::pair<QString, QWidget*>>& rows,
                                  const QString& defaultsText);
