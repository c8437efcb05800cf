// The number boxes of the Channel, Satellite and Transponder Edit dialogs: each takes only the
// values that its field keeps in a parameter image, so that nothing is cut without a word when
// the list is saved or sent.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class QLineEdit;
class UiPrompts;

// `box` read as a whole number from 0 to `most` (surrounding spaces and a sign allowed), where
// `most` is the largest value the image keeps of the box's field (zev::image::ImageMost). Text
// that is no number gets "Please enter an integer.", a number outside the range "<label> must
// be a number from 0 to <most>."; either way the box becomes the active one with its text
// selected, and nothing is returned.
std::optional<uint32_t> ReadNumberBox(QLineEdit& box, const QString& label, uint32_t most,
                                      UiPrompts& prompts);
