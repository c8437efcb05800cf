// Save and Send Setting to Box check the channel list before the image leaves the program:
// errors (the box would misread the image) make them ask whether to go on; warnings alone do
// not stop them.
#pragma once

#include <QString>

#include "editing/DatabaseCheck.h"

class UiPrompts;

// The question for a result with errors: how many, the first few, and `goOn` ("Save it
// anyway?") as its last line.
QString CheckErrorsQuestion(const zev::CheckResult& result, const QString& goOn);

// Checks `db` as an image of `kind`. True when it has no errors or the person answers Yes.
bool ConfirmDespiteCheckErrors(UiPrompts& prompts, const zev::ChannelDatabase& db,
                               zev::ImageKind kind, const QString& goOn);
