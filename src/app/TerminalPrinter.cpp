#include "app/TerminalPrinter.h"

#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

TerminalPrinter::TerminalPrinter(QPlainTextEdit& text, QWidget* parent)
    : text_(text), parent_(parent) {}

void TerminalPrinter::Print() {
    QPrintDialog dialog(&printer_, parent_);
    if (dialog.exec() == QDialog::Accepted) text_.print(&printer_);
}

void TerminalPrinter::Preview() {
    QPrintPreviewDialog dialog(&printer_, parent_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [this](QPrinter* printer) { text_.print(printer); });
    dialog.exec();
}

void TerminalPrinter::Setup() {
    QPageSetupDialog dialog(&printer_, parent_);
    dialog.exec();
}
