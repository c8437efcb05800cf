#include "lists/NumberBox.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRegularExpression>

#include "ui/UiPrompts.h"

namespace {

void Refuse(QLineEdit& box, const QString& text, UiPrompts& prompts) {
    prompts.Inform(text, QStringLiteral("zev"));
    box.setFocus(Qt::OtherFocusReason);
    box.selectAll();
}

}  // namespace

std::optional<uint32_t> ReadNumberBox(QLineEdit& box, const QString& label, uint32_t most,
                                      UiPrompts& prompts) {
    static const QRegularExpression kInteger(QStringLiteral("^([+-]?)([0-9]+)$"));
    const QRegularExpressionMatch match = kInteger.match(box.text().trimmed());
    if (!match.hasMatch()) {
        Refuse(box, QCoreApplication::translate("NumberBox", "Please enter an integer."), prompts);
        return std::nullopt;
    }
    // Digit by digit, stopping once past the range, so that no number is too long to read.
    const bool negative = match.captured(1) == QLatin1String("-");
    uint64_t value = 0;
    for (QChar digit : match.capturedView(2)) {
        value = value * 10 + static_cast<uint64_t>(digit.unicode() - '0');
        if (value > most) break;
    }
    if (value > most || (negative && value != 0)) {
        Refuse(box,
               QCoreApplication::translate("NumberBox", "%1 must be a number from 0 to %2.")
                   .arg(label)
                   .arg(most),
               prompts);
        return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}
