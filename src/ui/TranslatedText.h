// Texts made outside the widget layer, shown in the language the program runs in.
#pragma once

#include <QString>

#include "core/Translatable.h"

// The text with each wording looked up in the installed translations (the English wording
// where there is none) and its arguments filled in.
QString Translated(const zev::Translatable& text);
