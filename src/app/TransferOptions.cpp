#include "app/TransferOptions.h"

#include <QSettings>

namespace {

const char* const kOrganisation = "Local AppWizard-Generated Applications";
const char* const kApplication = "zev";
const char* const kBackupKey = "Transfers/BackupBeforeSend";

}  // namespace

namespace transfer_options {

bool BackupBeforeSend() {
    return QSettings(kOrganisation, kApplication).value(kBackupKey, false).toBool();
}

void SetBackupBeforeSend(bool on) {
    QSettings(kOrganisation, kApplication).setValue(kBackupKey, on);
}

}  // namespace transfer_options
