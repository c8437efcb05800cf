// The questions a run asks before it starts, each with its wording. Hosts that cannot show a
// message box (zev-cli) answer them by identity.
#pragma once

#include "core/MessageBox.h"
#include "core/Translatable.h"

namespace zev {

enum class RunQuestion {
    ModifyDefaultChannels,  // Send Setting to Box: rewrite the default area as well?
    TooManyChannels,        // ... which cannot hold them: send the user area alone?
};

struct QuestionWording {
    const char* text;
    const char* caption;
    MsgButtons buttons;
    MsgAnswer defaultAnswer;
};

constexpr QuestionWording WordingOf(RunQuestion question) {
    switch (question) {
        case RunQuestion::ModifyDefaultChannels:
            return {ZEV_TR_NOOP("RunQuestion", "Modify Default Channels the same?"),
                    ZEV_TR_NOOP("RunQuestion", "Send Channels Data"), MsgButtons::YesNoCancel,
                    MsgAnswer::Cancel};
        case RunQuestion::TooManyChannels:
            return {
                ZEV_TR_NOOP("RunQuestion", "Too much channels, cancel modify default channels ?"),
                ZEV_TR_NOOP("RunQuestion", "Send Channels Data"), MsgButtons::YesNo,
                MsgAnswer::Yes};
    }
    return {"", "", MsgButtons::Ok, MsgAnswer::Ok};
}

}  // namespace zev
