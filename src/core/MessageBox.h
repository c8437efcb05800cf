// The kinds of message box: icon, buttons and the answer chosen. The receiver runs, the
// desktop program's dialogs and zev-cli all speak of message boxes in these terms.
#pragma once

namespace zev {

enum class MsgIcon { None, Exclamation, Information, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

}  // namespace zev
