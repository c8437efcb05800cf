// The header text above the transponder lines, shared by the Transponder List and the
// Transponder Pick, in the language the program runs in.
#pragma once

#include <QCoreApplication>
#include <QString>

inline QString TransponderListHeader() {
    return QCoreApplication::translate(
        "TransponderListHeader",
        "No.     Satellite         Fre         Pol        Transsymbol       TransID   ");
}
