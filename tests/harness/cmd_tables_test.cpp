// The harness's tables command: counts, single rows and refused arguments.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/records.h"
#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"

namespace {

struct CommandRun {
    int code;
    std::string out;
    std::string err;
};

CommandRun RunTables(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int code = CmdTables(argv, out, err);
    return {code, DrainCapture(out), DrainCapture(err)};
}

TEST(TablesCommand, PrintsCountsAndRequestedRows) {
    ResetEngineRecords();
    CommandRun r = RunTables({});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "reactions 685\nspecies 408\n");
    r = RunTables({"--reaction", "145", "--species", "0"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("reaction 145: logK25 -13.34 deltaH 6.95 kcal/mol (logK25 set to "
                         "-12.653 before every calculation)"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("species 0: charge 2 molarMass 40.08 g/mol ionSize 5\n"),
              std::string::npos)
        << r.out;
    ResetEngineRecords();
}

TEST(TablesCommand, RefusesBadArgumentsBeforePrinting) {
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{"--reaction", "685"},
                                               {"--species", "-1"},
                                               {"--species"},
                                               {"--reaction", "1x"},
                                               {"--rows"},
                                               {"--species", "2", "--reaction", "abc"}}) {
        const CommandRun r = RunTables(args);
        EXPECT_EQ(r.code, kExitUsage);
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
