// Colours that mark a kind of difference or finding (added green, removed red, ...) made from
// the palette the program runs with, so that they stay readable in a light and a dark theme
// alike: the hue tints the palette's own base and text, and the text keeps a contrast of at
// least 4.5:1 to its background and to the rows' own colours, as readable text needs.
#pragma once

#include <QColor>

class QPalette;

struct Tint {
    QColor text;
    QColor background;
};

// `hue` over the palette's base, and its text.
Tint TintOf(const QPalette& palette, const QColor& hue);

// The contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double ContrastRatio(const QColor& a, const QColor& b);
