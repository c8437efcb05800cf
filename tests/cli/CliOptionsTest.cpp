#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "cli/CliOptions.h"

namespace zev::cli {
namespace {

using testing::CliTest;
namespace fs = std::filesystem;

TEST(CliOptions, OptionsMayStandBeforeOrAfterTheCommand) {
    const CliParse parse = ParseCliOptions({"--port", "/dev/ttyUSB0", "send", "--baud=57600",
                                            "in.stc", "--default", "--timeout", "0"});
    ASSERT_EQ(parse.error, "");
    const CliOptions& o = parse.options;
    EXPECT_EQ(o.command, "send");
    EXPECT_EQ(o.args, std::vector<std::string>{"in.stc"});
    EXPECT_EQ(o.port, "/dev/ttyUSB0");
    EXPECT_EQ(o.baud, 57600);
    EXPECT_EQ(o.timeoutSeconds, 0);
    EXPECT_TRUE(o.modifyDefault);
    EXPECT_FALSE(o.json);
    EXPECT_FALSE(o.flash.has_value());
}

TEST(CliOptions, DoubleDashEndsOptionsAndNamesKeepEveryByte) {
    // A file name need not be UTF-8: its bytes pass through the parser unchanged.
    const std::string latin1 = "caf\xe9\xff.stc";
    const CliParse parse = ParseCliOptions({"dump", "--json", "--", "--odd-name.stc", latin1, "-"});
    ASSERT_EQ(parse.error, "");
    EXPECT_TRUE(parse.options.json);
    EXPECT_EQ(parse.options.args, (std::vector<std::string>{"--odd-name.stc", latin1, "-"}));
    EXPECT_EQ(ParseCliOptions({"send", "in.stc", "--backup=" + latin1}).options.backup, latin1);
    EXPECT_EQ(parse.options.timeoutSeconds, 60);
}

TEST(CliOptions, MalformedOptionsAreNamed) {
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    for (const Case& c :
         {Case{{"dump", "--color"}, "unknown option --color"},
          Case{{"load", "--port"}, "option --port needs a value"},
          Case{{"build", "--flash", "4"}, "--flash takes a whole number from 1 to 3"},
          Case{{"build", "--user=0"}, "--user takes a whole number from 1 to 4"},
          Case{{"load", "--baud", "fast"}, "not \"fast\""},
          Case{{"load", "--timeout", "-1"}, "--timeout takes"},
          Case{{"dump", "--json=yes"}, "--json takes no value"}}) {
        EXPECT_NE(ParseCliOptions(c.arguments).error.find(c.message), std::string::npos)
            << c.message << " got: " << ParseCliOptions(c.arguments).error;
    }
}

TEST(CliOptions, TimeoutIsRefusedBeyondWhatTheTimerCanWait) {
    EXPECT_EQ(ParseCliOptions({"monitor", "--timeout", "2147483"}).options.timeoutSeconds,
              kMaxTimeoutSeconds);
    // Once multiplied into milliseconds these wrapped round: 4294968 s gave up after 0.7 s,
    // and 2147484 s never did.
    for (const char* seconds : {"2147484", "4294968", "2147483647"}) {
        const CliParse parse = ParseCliOptions({"monitor", "--timeout", seconds});
        EXPECT_NE(parse.error.find("--timeout takes a whole number from 0 to 2147483"),
                  std::string::npos)
            << seconds << ": " << parse.error;
    }
    EXPECT_NE(testing::RunCliWith({"--help"}).out.find("at most 2147483"), std::string::npos);
}

TEST(CliMain, HelpDescribesEveryCommandAndOption) {
    const auto run = testing::RunCliWith({"--help"});
    EXPECT_EQ(run.status, kExitOk);
    for (const char* text : {"dump FILE [--json]",
                             "build IN.json OUT",
                             "convert IN OUT",
                             "monitor",
                             "update-params DATAFILE",
                             "update-software FILE.cus",
                             "update-image DATAFILE OUT",
                             "load OUT.stc",
                             "send IN.stc [--default]",
                             "ota FILE.sgn",
                             "--port NAME",
                             "--baud N",
                             "--timeout S",
                             "default 60",
                             "--flash N",
                             "--user N",
                             "--json",
                             "ports",
                             "--verify",
                             "--backup FILE",
                             "--log FILE",
                             "--hex",
                             "--timestamps",
                             "\"auto\""}) {
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
    }
}

TEST(CliMain, UsageErrorsExitWithTwo) {
    EXPECT_EQ(testing::RunCliWith({}).status, kExitUsage);
    EXPECT_EQ(testing::RunCliWith({"frobnicate"}).status, kExitUsage);
    EXPECT_EQ(testing::RunCliWith({"dump"}).status, kExitUsage);
    EXPECT_EQ(testing::RunCliWith({"build", "only.json"}).status, kExitUsage);
    const auto run = testing::RunCliWith({"convert", "a", "b", "c"});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("usage: zev-cli convert IN OUT"), std::string::npos);
}

// An option that means nothing for a command is refused, before any file or port is touched,
// naming the commands it belongs to.
TEST_F(CliTest, OptionsOfOneCommandAreUsageErrorsOnOthers) {
    testing::WriteText("in.stc", "");
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    for (const Case& c :
         {Case{{"load", "out.stc", "--verify"}, "--verify belongs to send"},
          Case{{"ota", "a.sgn", "--backup", "b.stc"}, "--backup belongs to send"},
          Case{{"send", "in.stc", "--hex"}, "--hex belongs to monitor"},
          Case{{"monitor", "--timestamps"}, "--timestamps needs --hex"},
          Case{{"monitor", "--log", "x.log", "--timestamps"}, "--timestamps needs --hex"},
          Case{{"check", "in.stc", "--log", "x.log"}, "--log belongs to the receiver commands"},
          Case{{"dump", "in.stc", "--verify"}, "--verify belongs to send"},
          Case{{"ports", "--json"}, "--json belongs to dump, check and diff"},
          Case{{"export", "in.stc", "o.csv", "--backup", "x.stc"}, "--backup belongs to send"},
          Case{{"convert", "in.stc", "o.stc", "--flash", "2"},
               "--flash belongs to dump, build, check, diff, export, sort, reorder, import, "
               "transponders-export and transponders-import"},
          Case{{"convert", "in.stc", "o.stc", "--descending"}, "--descending belongs to sort"},
          Case{{"sort", "in.stc", "o.stc", "--by", "sid", "--remove-missing"},
               "--remove-missing belongs to transponders-import"},
          Case{{"dump", "in.stc", "--position", "A=1E"},
               "--position belongs to transponders-export and transponders-import"},
          Case{{"ports", "extra"}, "usage: zev-cli ports"}}) {
        const auto run = testing::RunCliWith(c.arguments);
        EXPECT_EQ(run.status, kExitUsage) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    // Nothing was written, not even the log.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace zev::cli
