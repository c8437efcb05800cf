// Texts made outside the widget layer, shown in the language the program runs in.
#pragma once

#include <QString>

#include "core/FileError.h"
#include "core/Translatable.h"

// The text with each wording looked up in the installed translations (the English wording
// where there is none) and its arguments filled in.
QString Translated(const zev::Translatable& text);

// What went wrong with a file, as a sentence of its own: capital letter, full stop.
QString SentenceOf(const zev::FileError& error);
