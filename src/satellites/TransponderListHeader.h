// The header text above the transponder lines, shared by the Transponder List and the
// Transponder Pick.
#pragma once

inline constexpr const char* kTransponderListHeader =
    "No.     Satellite         Fre         Pol        Transsymbol       TransID   ";
