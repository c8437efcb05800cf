#include "app/CZevView.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>

#include "app/TerminalLog.h"
#include "app/TerminalPrinter.h"
#include "app/TerminalTextFile.h"
#include "ui/UiPrompts.h"

CZevView::CZevView(UiPrompts& prompts, QWidget* parent)
    : QPlainTextEdit(parent), prompts_(prompts) {
    // Long lines wrap at the window's edge; there is no horizontal scrolling.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetTerminalFont();
    // Nothing on screen names the terminal; screen readers get what the toolbar calls it.
    setAccessibleName(tr("Terminal"));
    setAccessibleDescription(tr("Every step of the receiver runs and what the receiver sends"));
    printer_ = std::make_unique<TerminalPrinter>(*this, this);
}

CZevView::~CZevView() = default;

void CZevView::SetTerminalFont() {
    QFont font(QStringLiteral("Fixedsys"));
    if (!QFontDatabase::families().contains(QStringLiteral("Fixedsys"))) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    font.setPixelSize(12);
    setFont(font);
}

void CZevView::NewDocument(bool textShown) {
    if (textShown) clear();
    document()->setModified(false);
}

zev::Result<void, QString> CZevView::LoadTextFile(const QString& path) {
    // A large file takes a moment or two: the wait cursor says so.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString text;
    QString error;
    const bool read = terminal_text::Read(path, text, error);
    if (read) setPlainText(text);
    QApplication::restoreOverrideCursor();
    if (!read) return zev::Failure(error);
    document()->setModified(false);
    return {};
}

void CZevView::OnFont() {
    if (std::optional<QFont> chosen = prompts_.ChooseFont(font())) setFont(*chosen);
}

void CZevView::Print() { printer_->Print(); }

void CZevView::PrintPreview() { printer_->Preview(); }

void CZevView::PrintSetup() { printer_->Setup(); }

// ---- terminal output -------------------------------------------------------------------

void CZevView::InsertAtEnd(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    setTextCursor(cursor);
    DropOldestLines();
    ensureCursorVisible();
}

void CZevView::DropOldestLines() {
    const int blocks = document()->blockCount();
    if (blocks <= kMaxLines) return;
    // Undoing across dropped text would bring back a partial past; start afresh. Not recording
    // the removal at all also keeps it quick when many lines go at once.
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    cursor.setPosition(0);
    cursor.setPosition(document()->findBlockByNumber(blocks - kLinesKeptAfterTrim).position(),
                       QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    document()->setUndoRedoEnabled(true);
    document()->clearUndoRedoStacks();
    moveCursor(QTextCursor::End);
}

void CZevView::AppendText(const std::string& text) {
    InsertAtEnd(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void CZevView::DeleteLastChar() {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.deletePreviousChar();
    setTextCursor(cursor);
}

void CZevView::Beep() { QApplication::beep(); }

QByteArray CZevView::LogText() const { return terminal_log::Text(*this); }
