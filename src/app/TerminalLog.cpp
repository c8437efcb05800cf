#include "app/TerminalLog.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace terminal_log {

namespace {

void AppendLine(QByteArray& log, const QString& line) {
    log += line.left(kMaxLineLength).toLocal8Bit();
    log += "\r\n";
}

}  // namespace

QByteArray Text(const QPlainTextEdit& view) {
    QByteArray log;
    QTextDocument* doc = view.document();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block);  // makes sure the block has been laid out
        const QString text = block.text();
        const QTextLayout* lines = block.layout();
        if (lines == nullptr || lines->lineCount() == 0) {
            AppendLine(log, text);
            continue;
        }
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            AppendLine(log, text.mid(line.textStart(), line.textLength()));
        }
    }
    return log;
}

}  // namespace terminal_log
