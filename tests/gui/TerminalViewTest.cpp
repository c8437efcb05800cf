// The terminal: echo of received bytes, File New's question, the font dialog, and the
// serial notifications paused while a list is shown.
#include <QFontInfo>
#include <QTest>
#include <filesystem>

#include "GuiFixture.h"
#include "app/CommandTable.h"
#include "app/TerminalTextFile.h"
#include "protocols/TerminalFeed.h"
#include "support/SpecialFiles.h"

namespace {

class TerminalViewTest : public GuiFixture {
  protected:
    void Feed(const QByteArray& bytes) {
        zev::FeedReceivedBytes(
            Receiver().Session(),
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size())),
            View());
    }
};

TEST_F(TerminalViewTest, EchoShowsPrintableTextAndHonoursBackspace) {
    StartApp();
    Feed(QByteArray("\x41\x42\x0d\x0a\x43", 5));
    EXPECT_EQ(View().toPlainText(), "AB\nC");

    // Tabs, other control bytes and bytes above 0x7F are not shown.
    Feed(
        QByteArray("\x09\x80\xff\x01"
                   "D",
                   5));
    EXPECT_EQ(View().toPlainText(), "AB\nCD");

    // A backspace removes the last character, also one from the same piece of input.
    Feed(QByteArray("EF\x08\x08\x08", 5));
    EXPECT_EQ(View().toPlainText(), "AB\nC");
}

TEST_F(TerminalViewTest, AppendTextGoesToTheEndWhateverIsSelected) {
    StartApp();
    View().setPlainText("first");
    QTextCursor start = View().textCursor();
    start.setPosition(0);
    start.setPosition(2, QTextCursor::KeepAnchor);
    View().setTextCursor(start);
    View().AppendText("\nsecond");
    EXPECT_EQ(View().toPlainText(), "first\nsecond");
    EXPECT_FALSE(View().textCursor().hasSelection());
}

TEST_F(TerminalViewTest, OldestLinesAreDroppedBeyondTheLimit) {
    StartApp();
    QString many;
    for (int i = 0; i < CZevView::kMaxLines; ++i) many += QStringLiteral("line %1\n").arg(i);
    View().setPlainText(many);
    View().AppendText("\nlast");
    EXPECT_LE(View().document()->blockCount(), CZevView::kMaxLines);
    EXPECT_TRUE(View().toPlainText().endsWith("last"));
    EXPECT_FALSE(View().toPlainText().startsWith("line 0\n"));
}

TEST_F(TerminalViewTest, NewAsksBeforeDroppingAChangedText) {
    StartApp();
    View().AppendText("\nreceiver said hello");

    prompts_.answers = {zev::MsgAnswer::Cancel};
    Frame().Execute(cmd::FileNew);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "Save changes to ZEV?");
    EXPECT_EQ(prompts_.messages[0].buttons, zev::MsgButtons::YesNoCancel);
    EXPECT_TRUE(View().toPlainText().contains("hello"));

    // Yes saves through the terminal's own Save, which asks for a log name.
    prompts_.answers = {zev::MsgAnswer::Yes};
    prompts_.fileNames = {Path("saved.txt")};
    Frame().Execute(cmd::FileNew);
    EXPECT_EQ(ReadFile(Path("saved.txt")), "\r\nreceiver said hello\r\n");
    EXPECT_EQ(View().toPlainText(), "");

    // Nothing changed since: no question.
    prompts_.messages.clear();
    Frame().Execute(cmd::FileNew);
    EXPECT_TRUE(prompts_.messages.empty());

    View().AppendText("\nmore");
    prompts_.answers = {zev::MsgAnswer::No};
    Frame().Execute(cmd::FileNew);
    EXPECT_EQ(View().toPlainText(), "");
}

TEST_F(TerminalViewTest, NewKeepsTheTextWhenItsSaveIsCancelledOrFails) {
    StartApp();
    View().AppendText("\nthe only copy of this log");

    // Yes, then Cancel in the Save dialog: File New is cancelled with it.
    prompts_.answers = {zev::MsgAnswer::Yes};
    prompts_.fileNames = {QString()};
    Frame().Execute(cmd::FileNew);
    EXPECT_EQ(prompts_.fileDialogTitles, QStringList{"Save File"});
    EXPECT_TRUE(View().toPlainText().contains("the only copy"));
    EXPECT_TRUE(View().document()->isModified());  // asked again next time

    // Yes, and a log that cannot be written: the text stays too.
    std::filesystem::create_directory(Path("log.txt").toStdString());
    prompts_.answers = {zev::MsgAnswer::Yes};
    prompts_.fileNames = {Path("log.txt")};
    Frame().Execute(cmd::FileNew);
    EXPECT_TRUE(View().toPlainText().contains("the only copy"));
    EXPECT_TRUE(prompts_.messages.back().text.endsWith("The terminal text was not saved."));

    // Yes while an image is the current file: the text is saved under a name asked for,
    // not dropped because the current file is no text file.
    Receiver().DataFile().SetCurrentFile(Path("box.stc").toStdString());
    prompts_.answers = {zev::MsgAnswer::Yes};
    prompts_.fileNames = {Path("kept.txt")};
    Frame().Execute(cmd::FileNew);
    EXPECT_TRUE(ReadFile(Path("kept.txt")).contains("the only copy"));
    EXPECT_FALSE(View().toPlainText().contains("the only copy"));
}

TEST_F(TerminalViewTest, CancelledFontDialogKeepsTheFont) {
    StartApp();
    const QFont before = View().font();
    EXPECT_EQ(QFontInfo(before).pixelSize(), 12);
    prompts_.font.reset();
    Frame().Execute(cmd::ViewFont);
    EXPECT_EQ(View().font(), before);

    QFont chosen = before;
    chosen.setPixelSize(20);
    prompts_.font = chosen;
    Frame().Execute(cmd::ViewFont);
    EXPECT_EQ(View().font().pixelSize(), 20);
}

TEST_F(TerminalViewTest, ReceivedBytesWaitWhileAListIsShown) {
    PseudoTerminal pty;
    StartApp();
    Doc().Settings().portName = pty.SlavePath();
    Frame().Execute(cmd::ComConnect);
    ASSERT_TRUE(Doc().PortConnected());
    View().clear();

    pty.Write("hello\n");
    QTRY_COMPARE(View().toPlainText(), QString("hello\n"));

    Frame().Execute(cmd::TvChannelList);
    pty.Write("while hidden");
    QTest::qWait(200);
    EXPECT_EQ(View().toPlainText(), "hello\n");

    Frame().Execute(cmd::EditText);
    QTRY_COMPARE(View().toPlainText(), QString("hello\nwhile hidden"));
}

TEST_F(TerminalViewTest, CommandLineFileOpensAsTextAndIsRemembered) {
    WriteFile(Path("notes.txt"), "one\r\ntwo\r\n");
    app_ = std::make_unique<CZevApp>(prompts_);
    ASSERT_TRUE(app_->Start({Path("notes.txt")}));
    EXPECT_EQ(View().toPlainText(), "one\ntwo\n");
    EXPECT_EQ(Frame().windowTitle(), "notes.txt - Management V5.0");

    app_.reset();
    StartApp();  // a later run offers it in the recent-file list, which opens as File Open
    QAction* recent = nullptr;
    for (QAction* action : Frame().findChildren<QAction*>()) {
        if (action->text().endsWith("notes.txt")) recent = action;
    }
    ASSERT_NE(recent, nullptr);
    recent->trigger();
    EXPECT_EQ(Receiver().DataFile().CurrentFile(), Path("notes.txt").toStdString());
}

TEST_F(TerminalViewTest, VeryLongLinesOfATextFileAreShownInPieces) {
    // A line of a few megabytes kept the window busy for minutes; broken into pieces it
    // shows at once. Nothing of the text is lost.
    const QString longLine(3 * terminal_text::kMaxLineLength + 5, QLatin1Char('x'));
    WriteFile(Path("long.txt"), ("first\r\n" + longLine + "\r\nlast").toLatin1());
    app_ = std::make_unique<CZevApp>(prompts_);
    ASSERT_TRUE(app_->Start({Path("long.txt")}));
    const QStringList lines = View().toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.front(), "first");
    EXPECT_EQ(lines.back(), "last");
    for (const QString& piece : lines.mid(1, 3)) {
        EXPECT_EQ(piece.size(), terminal_text::kMaxLineLength);
    }
    EXPECT_EQ(lines.mid(1, 4).join(QString()), longLine);
}

TEST_F(TerminalViewTest, BreakingLongLinesKeepsSurrogatePairsTogether) {
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");  // one character, two units
    const QString broken = terminal_text::BreakLongLines("ab" + clef + "cd\n" + "efgh", 3);
    EXPECT_EQ(broken, "ab\n" + clef + "c\nd\nefg\nh");
    EXPECT_EQ(terminal_text::BreakLongLines("abc\n\nabc\n", 3), "abc\n\nabc\n");
}

TEST_F(TerminalViewTest, FilesThatAreNoRegularFileOrTooLargeAreNotShown) {
    // A pipe would block start-up for ever (a device like /dev/zero would fill the memory).
    zev::testing::FeedingPipe pipe(Path("pipe.txt").toStdString(), "text from a pipe");
    ASSERT_TRUE(pipe.Made());
    app_ = std::make_unique<CZevApp>(prompts_);
    EXPECT_FALSE(app_->Start({Path("pipe.txt")}));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "Cannot open " + Path("pipe.txt") + ".\n\"" +
                                             Path("pipe.txt") + "\" is not a regular file.");

    app_.reset();
    prompts_.messages.clear();
    WriteFile(Path("huge.txt"), "start");
    std::filesystem::resize_file(Path("huge.txt").toStdString(), terminal_text::kMaxFileSize + 1);
    app_ = std::make_unique<CZevApp>(prompts_);
    EXPECT_FALSE(app_->Start({Path("huge.txt")}));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_TRUE(prompts_.messages[0].text.endsWith("is too large (more than 32 MB)."))
        << prompts_.messages[0].text.toStdString();
}

}  // namespace
