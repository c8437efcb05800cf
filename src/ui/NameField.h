// The 12-character names of satellites and channels as the dialogs show and store them. The
// receiver keeps a name as 8-bit bytes, read and written here as Latin-1: a name box accepts
// only characters Latin-1 can hold, and storing turns any other character into '?'.
#pragma once

#include <QString>
#include <array>

#include "database/ChannelDatabase.h"

class QLineEdit;

using NameBytes = std::array<char, zev::kNameFieldSize>;

// The name up to its first NUL (at most 12 characters).
QString NameFieldText(const NameBytes& field);

// Clears all 13 bytes, then stores the first 12 characters of `text`.
void StoreNameField(NameBytes& field, const QString& text);

// A name box: at most 12 characters, only printable Latin-1 ones.
void SetUpNameBox(QLineEdit& box);
