// How a command of the receiver runs ended, as a type: callers decide by it, never by the
// texts the run printed.
#pragma once

#include <cstdint>

namespace zev {

enum class ProtocolMode : int32_t {
    Idle = 0,
    UpdateParameters = 1,
    UpdateSoftware = 2,
    LoadSettings = 3,
    SendSettings = 4,
    OtaUpdate = 5,
};

enum class RunEnd {
    Succeeded,  // the run's success line; for a load, the database holds the box's settings
    Refused,    // the command stopped before anything went to the box
    Failed,     // the run began and printed one of its error lines, or the box reported one
    Stopped,    // Stop Update, Com Connect or Disconnect, or another command ended it
};

enum class RunReason {
    None,  // succeeded

    // Refused:
    NoFileChosen,         // no current file
    WrongExtension,       // the current file is not of the command's kind
    FileUnreadable,       // the file cannot be opened or read
    FileInvalid,          // the file holds nothing to send, or more than can be sent
    Cancelled,            // the person answered Cancel
    DefaultAreaTooSmall,  // the database does not fit the default area and may not be cut
    ImageRefused,         // the database cannot be packed into the flash area (also: a loaded
                          // block cannot be unpacked)
    LinkUnavailable,      // the serial link cannot be opened
    BackupUnwritable,     // the box's settings were loaded but could not be saved: no send

    // Failed:
    BadFrame,         // a frame of the box's was malformed or not the one expected
    NoSync,           // the box asked for no more blocks
    VersionRefused,   // the OTA loader refused the software's version
    ChecksumRefused,  // a checksum did not match, on either side
    ReceiverError,    // the box reported an error in its result
    DataUnreadable,   // the data could not be read while it was being sent
    LengthRefused,    // the box announced more settings than the input buffer holds
    LinkStillOpen,    // the loaded settings stay unconverted: Stop Update could not close
    LinkLost,         // the device went away
    WriteFailed,      // bytes written to the box could not leave (the line stayed held off)
    NotVerified,      // the box's settings differ from those sent (or from the database)

    // Stopped:
    StopUpdate,
    LinkReset,  // Com Connect or Com Disconnect
    Restarted,  // another command started a run
};

struct RunOutcome {
    ProtocolMode mode = ProtocolMode::Idle;
    RunEnd end = RunEnd::Succeeded;
    RunReason reason = RunReason::None;

    bool operator==(const RunOutcome&) const = default;
};

}  // namespace zev
