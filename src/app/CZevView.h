// The terminal: the program's console. It shows what the receiver controller reports and what
// the receiver sends (with the receiver's backspaces and bells), keeps its text within a
// number of lines, and prints it; the person may type and edit in it as in any editor.
#pragma once

#include <QPlainTextEdit>
#include <memory>
#include <string>

#include "app/TerminalSink.h"
#include "core/Result.h"

class TerminalPrinter;
class UiPrompts;

class CZevView : public QPlainTextEdit, public TerminalSink {
    Q_OBJECT
  public:
    // The terminal keeps this many lines; beyond it the oldest are dropped in one batch so
    // that a chatty receiver cannot make the window sluggish.
    static constexpr int kMaxLines = 20000;
    static constexpr int kLinesKeptAfterTrim = 18000;

    explicit CZevView(UiPrompts& prompts, QWidget* parent = nullptr);
    ~CZevView() override;

    // Appends `text` (Latin-1, "\n" starts a line) at the end of the terminal.
    void AppendText(const std::string& text);

    // File New: the text is cleared when `textShown`, and counts as unchanged either way.
    void NewDocument(bool textShown);
    // A file named on the command line or picked from the recent files, shown as text (lines
    // longer than terminal_text::kMaxLineLength broken). Fails, with a sentence saying why,
    // when it cannot be read, is no regular file or is too large.
    zev::Result<void, QString> LoadTextFile(const QString& path);

    // View Font: the font dialog; Cancel keeps the font.
    void OnFont();
    // File Print, Print Preview and Print Setup of the text.
    void Print();
    void PrintPreview();
    void PrintSetup();

    // TerminalSink.
    void InsertText(const std::string& text) override { AppendText(text); }
    void DeleteLastChar() override;
    void Beep() override;
    QByteArray LogText() const override;

  private:
    void InsertAtEnd(const QString& text);
    void DropOldestLines();
    void SetTerminalFont();

    UiPrompts& prompts_;
    std::unique_ptr<TerminalPrinter> printer_;
};
