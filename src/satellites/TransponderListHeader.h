// The header text above the transponder lines, shared by the Transponder List and the
// Transponder Pick.
#pragma once

#include <QtGlobal>

inline constexpr const char* kTransponderListHeader = QT_TRANSLATE_NOOP(
    "TransponderListHeader",
    "No.     Satellite         Fre         Pol        Transsymbol       TransID   ");
