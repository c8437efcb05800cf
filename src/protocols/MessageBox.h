// The kinds of message box a run shows: icon, buttons and the answer chosen.
#pragma once

namespace zev {

enum class MsgIcon { None, Exclamation, Information, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

}  // namespace zev
