#include "satellites/SatelliteDialogs.h"

#include "satellites/CSatelliteListDlg.h"
#include "satellites/CTransponderListDlg.h"
#include "satellites/CTransponderPickDlg.h"
#include "ui/UiPrompts.h"

SatelliteDialogs::SatelliteDialogs(zev::ChannelDatabase& db, UiPrompts& prompts,
                                   zev::ChangeSink& changes)
    : db_(db), prompts_(prompts), changes_(changes) {}

RecordListResult SatelliteDialogs::RunTransponderList(QWidget* parent) {
    CTransponderListDlg dialog(db_, prompts_, changes_, parent);
    prompts_.RunDialog(dialog);
    return dialog.Result();
}

RecordListResult SatelliteDialogs::RunSatelliteList(QWidget* parent) {
    CSatelliteListDlg dialog(db_, prompts_, changes_, parent);
    prompts_.RunDialog(dialog);
    return dialog.Result();
}

bool SatelliteDialogs::PickTransponder(QWidget* parent, int& choice) {
    CTransponderPickDlg dialog(db_, prompts_, changes_, parent);
    dialog.choice = choice;
    dialog.Load();
    if (prompts_.RunDialog(dialog) != QDialog::Accepted) return false;
    choice = dialog.choice;
    return true;
}
