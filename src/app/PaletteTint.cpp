#include "app/PaletteTint.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kBackgroundTint = 0.18;  // how much of the hue the background takes
constexpr double kTextTint = 0.65;        // how much the text starts with
constexpr double kReadable = 4.5;

QColor Mix(const QColor& from, const QColor& to, double amount) {
    const auto mix = [amount](double a, double b) {
        return static_cast<int>(std::lround(a + (b - a) * amount));
    };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

double Luminance(const QColor& colour) {
    const auto channel = [](double value) {
        value /= 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Tint TintOf(const QPalette& palette, const QColor& hue) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    Tint tint;
    tint.background = Mix(base, hue, kBackgroundTint);
    // The text is read on the tinted background and, where no background is given, on the
    // rows' own colours.
    const auto readable = [&](const QColor& colour) {
        for (const QColor& under :
             {tint.background, base, palette.color(QPalette::AlternateBase)}) {
            if (ContrastRatio(colour, under) < kReadable) return false;
        }
        return true;
    };
    // The hue as far as it stays readable: towards the palette's text until it is.
    for (double amount = kTextTint; amount > 0.0; amount -= 0.05) {
        tint.text = Mix(text, hue, amount);
        if (readable(tint.text)) return tint;
    }
    tint.text = text;
    return tint;
}
