#include "ui/NameField.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace {

constexpr int kNameLength = static_cast<int>(zev::kNameFieldSize) - 1;

}  // namespace

QString NameFieldText(const NameBytes& field) {
    const auto end = std::find(field.begin(), field.begin() + kNameLength, '\0');
    return QString::fromLatin1(field.data(), static_cast<qsizetype>(end - field.begin()));
}

void StoreNameField(NameBytes& field, const QString& text) {
    field.fill('\0');
    const QString name = text.left(kNameLength);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        field[static_cast<std::size_t>(i)] = c <= 0xFF ? static_cast<char>(c) : '?';
    }
}

void SetUpNameBox(QLineEdit& box) {
    box.setMaxLength(kNameLength);
    // Printable Latin-1: space to '~' and U+00A0 to U+00FF.
    static const QRegularExpression kLatin1(QStringLiteral("[\\x{20}-\\x{7E}\\x{A0}-\\x{FF}]*"));
    box.setValidator(new QRegularExpressionValidator(kLatin1, &box));
}
