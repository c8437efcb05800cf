// The layout both settings dialogs share: a titled group of labelled fields above a row with
// the defaults button on the left and OK and Cancel on the right. Every control is named by
// its control id, as in the other dialogs.
#pragma once

#include <QString>
#include <vector>

class QDialog;
class QPushButton;
class QWidget;

struct SettingsField {
    QString label;
    QWidget* field;
    int id;
};

struct SettingsButtons {
    QString defaultsText;
    int defaultsId;
    int okId;
    int cancelId;
};

// Lays out `dialog`, connects OK (the default button) and Cancel to accept and reject, and
// returns the defaults button for the dialog to connect.
QPushButton* LayOutSettingsDialog(QDialog* dialog, const QString& groupTitle,
                                  const std::vector<SettingsField>& rows,
                                  const SettingsButtons& buttons);
