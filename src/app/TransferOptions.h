// The program's own choices about transfers that are not in default.dat, kept with Qt's
// settings beside the recent-file list.
#pragma once

namespace transfer_options {

// "Back up the box's settings before each send": off until switched on.
bool BackupBeforeSend();
void SetBackupBeforeSend(bool on);

}  // namespace transfer_options
