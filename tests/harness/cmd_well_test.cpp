// The harness's well command on the whole engine with the bundled formation
// brine (200 F and 3000 psia at the bottom hole, separator at 100 F and 100
// psia): one line per station, and the directions the calcite ratio must take
// as the brine comes up the well, cools and loses pressure.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"

namespace {

const std::string kFormation = std::string(TARVEX_SOURCE_DIR) + "/data/samples/formation.wat";

std::vector<std::string> Stations(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("station ", 0) == 0) lines.push_back(line);
    return lines;
}

double Field(const std::string& line, const std::string& name) {
    const size_t at = line.find(" " + name + "=");
    if (at == std::string::npos) return -1e300;
    return std::stod(line.substr(at + name.size() + 2));
}

std::vector<std::string> RunWell(const std::string& which) {
    std::string out, err;
    EXPECT_EQ(RunCommand(CmdWell, {which, kFormation}, out, err), kExitOk) << err;
    return Stations(out);
}

// With the pH taken from pCO2 at each station, the CO2 pressure falls with the
// total pressure on the way up: the brine's pH rises and, although it cools,
// it grows more supersaturated in calcite, most of all when it flashes.
TEST(WellCommand, CalciteRisesAsTheBrineComesUpAndDegasses) {
    const auto s = RunWell("11");
    ASSERT_EQ(s.size(), 12u);
    EXPECT_DOUBLE_EQ(Field(s[0], "pressure"), 14.7);
    EXPECT_DOUBLE_EQ(Field(s[0], "gauge"), 0.0);
    EXPECT_DOUBLE_EQ(Field(s[1], "pressure"), 100.0);
    EXPECT_DOUBLE_EQ(Field(s[11], "temperature"), 200.0);
    EXPECT_DOUBLE_EQ(Field(s[11], "pressure"), 3000.0);
    EXPECT_DOUBLE_EQ(Field(s[11], "depth"), 10000.0);
    for (int k = 1; k < 12; ++k) {
        EXPECT_GT(Field(s[k - 1], "ph"), Field(s[k], "ph")) << k;
        EXPECT_GT(Field(s[k - 1], "calcite"), Field(s[k], "calcite")) << k;
    }

    // The 48-station profile ends on the same bottom hole with the same chemistry
    // and starts from the same flashed water.
    const auto fine = RunWell("48");
    ASSERT_EQ(fine.size(), 49u);
    EXPECT_NEAR(Field(fine[48], "calcite"), Field(s[11], "calcite"),
                1e-4 * Field(s[11], "calcite"));
    EXPECT_NEAR(Field(fine[0], "calcite"), Field(s[0], "calcite"), 1e-4 * Field(s[0], "calcite"));
    EXPECT_GT(Field(fine[1], "calcite"), 2.0 * Field(fine[48], "calcite"));
}

// The 12 stations of a water typed under pressure (3000 psia) take their pH
// from the water's gas at their own pressure, as the after-flash stations do:
// the pH falls as the pressure rises with depth, and the separator and the
// bottom hole are the after-flash profile's stations at the same temperature
// and pressure.
TEST(WellCommand, StationsOfAPressurisedWaterFollowItsGas) {
    const auto s = RunWell("12");
    const auto flash = RunWell("11");
    ASSERT_EQ(s.size(), 12u);
    ASSERT_EQ(flash.size(), 12u);
    EXPECT_DOUBLE_EQ(Field(s[0], "temperature"), 100.0);
    EXPECT_DOUBLE_EQ(Field(s[0], "pressure"), 100.0);
    EXPECT_NEAR(Field(s[0], "gauge"), 100.0 - 14.696, 1e-3);
    for (int k = 1; k < 12; ++k) EXPECT_GT(Field(s[k - 1], "ph"), Field(s[k], "ph")) << k;
    for (const auto& [station, after] : {std::pair{0, 1}, std::pair{11, 11}}) {
        EXPECT_NEAR(Field(s[station], "ph"), Field(flash[after], "ph"), 1e-3) << station;
        EXPECT_NEAR(Field(s[station], "calcite"), Field(flash[after], "calcite"),
                    1e-3 * Field(flash[after], "calcite"))
            << station;
    }
}

TEST(WellCommand, RefusesAWaterWithNothingButAPhAndBadArguments) {
    const std::string path = ::testing::TempDir() + "/ph_only.wat";
    std::ofstream(path) << "ph = 7.0\n";
    std::string out, err;
    EXPECT_EQ(RunCommand(CmdWell, {"11", path}, out, err), kExitBadInput);
    EXPECT_NE(err.find("You must input a source water analysis before performing calculations!"),
              std::string::npos)
        << err;
    EXPECT_TRUE(Stations(out).empty());

    EXPECT_EQ(RunCommand(CmdWell, {"13", kFormation}, out, err), kExitUsage);
    EXPECT_EQ(RunCommand(CmdWell, {"12", kFormation, "--bottom", "200"}, out, err), kExitUsage);
    EXPECT_EQ(RunCommand(CmdWell, {"12", kFormation, "--source", "3"}, out, err), kExitUsage);
}

}  // namespace
