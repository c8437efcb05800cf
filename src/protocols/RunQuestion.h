// The questions a run asks before it starts, each with its wording. Hosts that cannot show a
// message box (zev-cli) answer them by identity.
#pragma once

#include "core/MessageBox.h"

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
            return {"Modify Default Channels the same?", "Send Channels Data",
                    MsgButtons::YesNoCancel, MsgAnswer::Cancel};
        case RunQuestion::TooManyChannels:
            return {"Too much channels, cancel modify default channels ?", "Send Channels Data",
                    MsgButtons::YesNo, MsgAnswer::Yes};
    }
    return {"", "", MsgButtons::Ok, MsgAnswer::Ok};
}

}  // namespace zev
