// The harness's speciate command on the bundled sea water.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/speciation/speciation_records.h"
#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"

namespace {

int RunSpeciate(std::string path, std::string& out, std::string& err) {
    std::vector<char*> argv{path.data()};
    std::FILE* o = std::tmpfile();
    std::FILE* e = std::tmpfile();
    const int code = CmdSpeciate(argv, o, e);
    out = DrainCapture(o);
    err = DrainCapture(e);
    ResetEngineRecords();
    ResetInputsRecords();
    ResetSpeciationRecords();
    return code;
}

TEST(SpeciateCommand, PrintsTheSettledWaterAndEverySpecies) {
    std::string out, err;
    ASSERT_EQ(RunSpeciate(std::string(TARVEX_SOURCE_DIR) + "/data/samples/seawater.wat", out, err),
              0)
        << err;
    std::istringstream lines(out);
    std::string line;
    const char* heads[] = {"ph ", "ionic_strength ", "water_activity ", "passes "};
    for (const char* head : heads) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.rfind(head, 0), 0u) << line;
    }
    EXPECT_EQ(out.rfind("ph 8.10000038\n", 0), 0u);  // the given pH, as a float
    int count = 0;
    bool calcium = false;
    while (std::getline(lines, line)) {
        int index = -1;
        double molality = 0, gamma = 0, activity = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "species %d %lg %lg %lg", &index, &molality, &gamma,
                              &activity),
                  4)
            << line;
        EXPECT_NE(molality, 0.0);
        EXPECT_NEAR(activity, gamma * molality, 1e-8 * std::abs(activity) + 1e-300);
        calcium = calcium || index == 0;
        ++count;
    }
    EXPECT_TRUE(calcium);
    EXPECT_GT(count, 30);
}

TEST(SpeciateCommand, RefusesAMissingFileAndAWrongCommandLine) {
    std::string out, err;
    EXPECT_EQ(RunSpeciate("/nonexistent/water.wat", out, err), 1);
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(err.empty());
    std::vector<char*> none;
    EXPECT_EQ(CmdSpeciate(none, stdout, std::tmpfile()), 2);
}

}  // namespace
