// Finds what is wrong with a channel database before it is saved or sent. Errors are problems
// the receiver would misread (or that keep the image from being built at all); warnings are
// records that are merely suspicious. Every finding names its record and says what is wrong
// in one sentence.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/RecordRef.h"
#include "formats/ParameterImage.h"

namespace zev {

enum class CheckSeverity { Error, Warning };

enum class CheckProblem {
    // Errors.
    ImageRefused,               // a file could not be read as a database at all (file loaders)
    CapacityAboveLimit,         // a capacity larger than the program's tables
    CountAboveCapacity,         // more satellites or transponders than the block holds
    AreasOverlap,               // TV and radio channels, or record areas, would share bytes
    BlockTooLarge,              // a block larger than the largest one the receiver has
    BlockNotWhole,              // a block size that is no whole number of flash blocks
    MissingTransponder,         // a channel's TpNumber names no transponder
    MissingSatellite,           // a transponder's Sat names no satellite
    TransponderNumberTooLarge,  // a channel on a transponder above 2047, beyond the image
    ValueTooWide,               // a field value wider than its bits in the image
    // Warnings.
    DuplicateChannel,              // same transponder and Service ID as an earlier channel
    DuplicateTransponder,          // same satellite, frequency and polarisation as an earlier one
    NoPids,                        // a channel with neither a video nor an audio PID
    EmptyName,                     // a channel or satellite without a name
    WrongListFlag,                 // a TV channel flagged as radio, or the other way round
    SatelliteWithoutTransponders,  // a satellite no transponder belongs to
    TransponderWithoutChannels,    // a transponder no channel is on
};

CheckSeverity SeverityOf(CheckProblem problem);

// A short stable name for machine-readable reports: "missing-transponder", ...
const char* ProblemName(CheckProblem problem);

struct CheckFinding {
    CheckProblem problem = CheckProblem::ImageRefused;
    RecordRef record;  // the record the finding is about; Header for whole-database problems
    // DuplicateChannel and DuplicateTransponder: the earlier record this one repeats. Selecting
    // every duplicate's `record` and deleting them keeps the first of each group.
    std::vector<RecordRef> related;
    Translatable message;  // one sentence (UTF-8) that names the record

    CheckSeverity Severity() const { return SeverityOf(problem); }
};

struct CheckResult {
    std::vector<CheckFinding> findings;  // errors first, then warnings, each in record order
    std::size_t errors = 0;
    std::size_t warnings = 0;

    bool HasErrors() const { return errors > 0; }
};

// Checks the records within the counts (never reading past the tables, whatever the counts
// say). `target` names the image about to be written: User checks the user block's layout;
// Default and All also the default-channel block's layout and its three limits.
CheckResult CheckDatabase(const ChannelDatabase& db, ImageKind target = ImageKind::User);

// A result holding one ImageRefused error with `message`: for a file that could not be read.
CheckResult RefusedImageResult(std::string message);

// "error: <message>" or "warning: <message>".
std::string FindingLine(const CheckFinding& finding);

// One line per finding, errors first, then a summary line ("2 errors, 1 warning" or
// "No problems found.").
std::string CheckReportText(const CheckResult& result);

}  // namespace zev
