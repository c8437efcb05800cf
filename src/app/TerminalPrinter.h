// Printing the terminal text: Print, Print Preview and Print Setup share one printer.
#pragma once

#include <QPrinter>

class QPlainTextEdit;
class QWidget;

class TerminalPrinter {
  public:
    TerminalPrinter(QPlainTextEdit& text, QWidget* parent);

    void Print();
    void Preview();
    void Setup();

  private:
    QPlainTextEdit& text_;
    QWidget* parent_;
    QPrinter printer_;
};
