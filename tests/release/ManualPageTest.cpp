// The manual pages and the bash completion say what the programs' --help says: every option
// (and every zev-cli command) that --help prints is in the manual page, and the completion
// offers them. The completion itself is run by bash against real files and the real port list.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

#include "ReleaseTestSupport.h"

namespace {

using release_testing::ProgramRun;
using release_testing::RunCommand;
using release_testing::RunProgram;

const QString kSourceDir = QStringLiteral(ZEV_SOURCE_DIR);
const QString kCompletion = kSourceDir + "/packaging/bash-completion/zev-cli";

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// A manual page's source as a reader sees its words: "\-\-port" is "--port", font changes go.
QString ManualText(const QString& program) {
    QString text = ReadText(kSourceDir + "/packaging/man/" + program + ".1.in");
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral(R"(\\f[BIRP])")));
    return text;
}

// --help as a program prints it; the desktop program without a display.
QString HelpText(const char* program) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(name);
    }
    const ProgramRun help = RunProgram(program, {"--help"}, environment);
    EXPECT_EQ(help.status, 0) << program;
    return QString::fromStdString(help.out);
}

// Every option named anywhere in a help text: "-h", "--help-all", "--reset-on-open" ...
QStringList Options(const QString& help) {
    static const QRegularExpression option(QStringLiteral(R"((?:^|[\s\[(,|])(--?[A-Za-z][\w-]*))"));
    QSet<QString> found;
    for (const auto& match : option.globalMatch(help)) found.insert(match.captured(1));
    QStringList options(found.begin(), found.end());
    options.sort();
    return options;
}

// zev-cli's commands: the lines of its help that start, indented by two spaces, with a word.
QStringList Commands(const QString& help) {
    static const QRegularExpression command(QStringLiteral(R"(^  ([a-z][a-z-]*)(?: |$))"),
                                            QRegularExpression::MultilineOption);
    QStringList commands;
    for (const auto& match : command.globalMatch(help)) commands << match.captured(1);
    return commands;
}

// The words of `wanted` that `text` does not hold as a whole word.
QStringList Missing(const QStringList& wanted, const QString& text, const QString& before = {}) {
    QStringList missing;
    for (const QString& word : wanted) {
        const QRegularExpression whole(
            QStringLiteral("(?<![\\w-])%1%2(?![\\w-])")
                .arg(QRegularExpression::escape(before), QRegularExpression::escape(word)));
        if (!whole.match(text).hasMatch()) missing << word;
    }
    return missing;
}

TEST(ManualPageTest, EveryOptionAndCommandThatHelpPrintsIsInTheManualPage) {
    std::vector<const char*> programs{"zev-cli", "zev-boxsim"};
    if (release_testing::Built("zev")) programs.push_back("zev");
    for (const char* program : programs) {
        const QString help = HelpText(program);
        QStringList wanted = Options(help);
        ASSERT_TRUE(wanted.contains("--help")) << program << " --help printed:\n"
                                               << help.toStdString();
        if (QLatin1String(program) == QLatin1String("zev-cli")) wanted << Commands(help);
        const QStringList missing = Missing(wanted, ManualText(program));
        EXPECT_TRUE(missing.isEmpty())
            << "packaging/man/" << program << ".1.in lacks what " << program
            << " --help prints: " << missing.join(", ").toStdString();
    }
}

TEST(ManualPageTest, CompletionOffersEveryCommandAndOptionThatHelpPrints) {
    const QString help = HelpText("zev-cli");
    const QString completion = ReadText(kCompletion);
    ASSERT_FALSE(completion.isEmpty());
    const QStringList commands = Commands(help);
    ASSERT_TRUE(commands.contains("send")) << help.toStdString();
    // A command is a line "[name]=..." of the completion's table.
    QStringList missing = Missing(commands, completion, QStringLiteral("["));
    missing << Missing(Options(help), completion);
    EXPECT_TRUE(missing.isEmpty())
        << "packaging/bash-completion/zev-cli lacks what zev-cli --help prints: "
        << missing.join(", ").toStdString();
}

class CompletionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bash_ = QStandardPaths::findExecutable("bash");
        if (bash_.isEmpty()) GTEST_SKIP() << "no bash";
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"box.stc", "box.def", "box.all", "box.json", "data.txt",
                                 "list.csv", "soft.cus", "soft.sgn"}) {
            QFile file(dir_.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
    }

    // What bash completes for `words` (the last one being completed), sorted; the command
    // word is the built zev-cli, which the completion asks for the ports.
    QStringList Complete(const QStringList& words) const {
        QString script =
            QStringLiteral("cd '%1' && source '%2' && COMP_WORDS=('%3'")
                .arg(dir_.path(), kCompletion, release_testing::BuiltProgram("zev-cli"));
        for (const QString& word : words) script += " '" + word + "'";
        script += QStringLiteral(
                      ") && COMP_CWORD=%1 && { _zev_cli; "
                      "printf '%s\\n' \"${COMPREPLY[@]}\"; }")
                      .arg(words.size());
        const ProgramRun run = RunCommand(bash_, {"-c", script});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        QStringList offered = QString::fromStdString(run.out).split('\n', Qt::SkipEmptyParts);
        offered.sort();
        return offered;
    }

    QString bash_;
    QTemporaryDir dir_;
};

TEST_F(CompletionTest, CommandsTheirFileKindsAndOptions) {
    EXPECT_EQ(Complete({"update-"}),
              (QStringList{"update-image", "update-params", "update-software"}));
    // Each argument by its command's file kind; folders stay open to look into; options and
    // their values before the command do not count as arguments.
    EXPECT_EQ(Complete({"send", ""}), (QStringList{"box.stc", "folder"}));
    EXPECT_EQ(Complete({"--port", "COM1", "ota", ""}), (QStringList{"folder", "soft.sgn"}));
    EXPECT_EQ(Complete({"diff", "box.stc", ""}),
              (QStringList{"box.all", "box.def", "box.json", "box.stc", "folder"}));
    EXPECT_EQ(Complete({"build", "box.json", ""}),
              (QStringList{"box.all", "box.def", "box.stc", "folder"}));
    EXPECT_EQ(Complete({"export", "box.stc", ""}), (QStringList{"folder", "list.csv"}));
    EXPECT_EQ(Complete({"export", "box.stc", "list.csv", ""}), QStringList{});
    EXPECT_EQ(Complete({"send", "box.stc", "--backup", ""}), (QStringList{"box.stc", "folder"}));
    EXPECT_EQ(Complete({"send", "box.stc", "--v"}), (QStringList{"--verify", "--version"}));
    EXPECT_EQ(Complete({"check", "--"}),
              (QStringList{"--flash", "--help", "--json", "--user", "--version"}));
}

TEST_F(CompletionTest, PortsAreThoseZevCliListsBesideAutoAndTheComNames) {
    // The device column of `zev-cli ports`, below its heading.
    const ProgramRun ports = RunProgram("zev-cli", {"ports"});
    ASSERT_EQ(ports.status, 0);
    QStringList expected{"COM1", "COM2", "COM3", "COM4", "auto"};
    const QStringList lines = QString::fromStdString(ports.out).split('\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) {
        if (line.startsWith('/')) expected << line.section(' ', 0, 0);
    }
    if (expected.size() == 5) GTEST_SKIP() << "the system reports no serial port";
    expected.sort();
    EXPECT_EQ(Complete({"--port", ""}), expected) << ports.out;
    EXPECT_EQ(Complete({"load", "--port", "au"}), QStringList{"auto"});
}

}  // namespace
