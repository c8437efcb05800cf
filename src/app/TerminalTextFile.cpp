#include "app/TerminalTextFile.h"

#include <optional>
#include <vector>

#include "core/RegularFile.h"
#include "ui/TranslatedText.h"

namespace terminal_text {

QString BreakLongLines(const QString& text, qsizetype maxLength) {
    QString out;
    out.reserve(text.size() + text.size() / maxLength + 1);
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0) lineEnd = text.size();
        qsizetype at = lineStart;
        while (lineEnd - at > maxLength) {
            qsizetype cut = at + maxLength;
            if (text.at(cut).isLowSurrogate()) --cut;  // keep a surrogate pair together
            out += QStringView(text).sliced(at, cut - at);
            out += QLatin1Char('\n');
            at = cut;
        }
        out += QStringView(text).sliced(at, lineEnd - at);
        if (lineEnd == text.size()) break;
        out += QLatin1Char('\n');
        lineStart = lineEnd + 1;
    }
    return out;
}

bool Read(const QString& path, QString& text, QString& error) {
    zev::FileError problem;
    const std::optional<std::vector<uint8_t>> bytes = zev::ReadRegularFile(
        path.toLocal8Bit().toStdString(), kMaxFileSize, zev::Overlong::Refuse, problem);
    if (!bytes) {
        error = SentenceOf(problem);
        return false;
    }
    QString decoded = QString::fromLocal8Bit(QByteArrayView(
        reinterpret_cast<const char*>(bytes->data()), static_cast<qsizetype>(bytes->size())));
    decoded.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text = BreakLongLines(decoded);
    return true;
}

}  // namespace terminal_text
