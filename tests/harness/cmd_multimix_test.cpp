// The harness's multimix command: water files with weights in, the blend's
// weights, analysis and results out; refusals with their reasons.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scenarios/multimix/multimix.h"
#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"

namespace {

// A brine in mg/L with its sodium chloride and calcium as given, at 25 C.
std::string WriteWater(const std::string& name, double chloride, double calcium,
                       const std::string& pressure = "1 atm") {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream f(path);
    f << "reporting = mg/L\nalkalinity_mode = 2\nph = 7.5\ntemperature = 25 C\n"
      << "pressure = " << pressure << "\nbicarbonate = 200 mg/L as HCO3\n"
      << "chloride = " << chloride << "\nsodium = " << chloride * 22.9898 / 35.453
      << "\ncalcium = " << calcium << "\n";
    return path;
}

double Value(const std::string& out, const std::string& key) {
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key + " ", 0) == 0) return std::stod(line.substr(key.size() + 1));
    return -1e300;
}

TEST(MultiMixCommand, BlendsByRescaledWeights) {
    const std::string a = WriteWater("mm_a.wat", 10000.0, 400.0);
    const std::string b = WriteWater("mm_b.wat", 30000.0, 1200.0);
    std::string out, err;
    ASSERT_EQ(RunCommand(CmdMultiMix, {a + ":30", b + ":10"}, out, err), kExitOk) << err;
    EXPECT_EQ(out.rfind("multimix 2 waters\n", 0), 0u);
    // 30 : 10 is 75 % and 25 %: chloride 0.75 x 10000 + 0.25 x 30000 = 15000 mg/L,
    // calcium 0.75 x 400 + 0.25 x 1200 = 600 mg/L.
    EXPECT_NEAR(Value(out, "weight 1"), 75.0, 1e-4);
    EXPECT_NEAR(Value(out, "weight 2"), 25.0, 1e-4);
    EXPECT_NEAR(Value(out, "MW 2"), 15000.0, 0.05);
    EXPECT_NEAR(Value(out, "MW 7"), 600.0, 0.01);
    EXPECT_NEAR(Value(out, "mean_residence_seconds"), 180.0, 1e-3);
    const double ph = Value(out, "ph");
    EXPECT_GT(ph, 6.5);
    EXPECT_LT(ph, 8.5);
    EXPECT_GT(Value(out, "SR 0"), 0.0);  // a calcite saturation ratio was computed
}

TEST(MultiMixCommand, RefusesWhatItCannotBlend) {
    const std::string a = WriteWater("mm_c.wat", 10000.0, 400.0);
    const std::string b = WriteWater("mm_d.wat", 20000.0, 800.0);
    const std::string psia = WriteWater("mm_e.wat", 20000.0, 800.0, "14.7 psia");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string complaint;
    };
    const Case cases[] = {
        {{a + ":0", b + ":0"}, kExitBadInput, MultiMixText::kNoWeights},
        {{a + ":50", psia + ":50"}, kExitBadInput, "pressure is given in a unit other"},
        {{a}, kExitUsage, "is not WATERFILE:PERCENT"},
        {{a + ":-5"}, kExitUsage, "is not WATERFILE:PERCENT"},
        {{}, kExitUsage, "give 1 to 12 waters"},
        {std::vector<std::string>(13, a + ":1"), kExitUsage, "give 1 to 12 waters"},
    };
    for (const Case& c : cases) {
        std::string out, err;
        EXPECT_EQ(RunCommand(CmdMultiMix, c.args, out, err), c.code) << err;
        EXPECT_NE(err.find(c.complaint), std::string::npos) << err;
        EXPECT_EQ(out.find("MW "), std::string::npos);
    }
}

}  // namespace
