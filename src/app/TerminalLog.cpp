#include "app/TerminalLog.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace terminal_log {

namespace {

bool WriteLine(QFile& file, const QString& line) {
    const QByteArray bytes = line.left(kMaxLineLength).toLocal8Bit() + "\r\n";
    return file.write(bytes) == bytes.size();
}

}  // namespace

bool Write(const QPlainTextEdit& view, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;

    QTextDocument* doc = view.document();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    bool ok = true;
    for (QTextBlock block = doc->begin(); ok && block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block);  // makes sure the block has been laid out
        const QString text = block.text();
        const QTextLayout* lines = block.layout();
        if (lines == nullptr || lines->lineCount() == 0) {
            ok = WriteLine(file, text);
            continue;
        }
        for (int i = 0; ok && i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            ok = WriteLine(file, text.mid(line.textStart(), line.textLength()));
        }
    }
    ok = file.flush() && ok;
    file.close();
    return ok && file.error() == QFileDevice::NoError;
}

}  // namespace terminal_log
