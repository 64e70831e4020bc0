// The harness's what-if commands on the whole engine: one line per point or
// cell, the progress steps on the complaint stream, and directions that the
// chemistry of sea water must take along the axes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/speciation/speciation_records.h"
#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"

namespace {

const std::string kSeaWater = std::string(TARVEX_SOURCE_DIR) + "/data/samples/seawater.wat";

std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& start) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(start, 0) == 0) lines.push_back(line);
    return lines;
}

double Field(const std::string& line, const std::string& name) {
    const size_t at = line.find(" " + name + "=");
    if (at == std::string::npos) return -1e300;
    return std::stod(line.substr(at + name.size() + 2));
}

TEST(ProfileCommand, SeaWaterCalciteRisesWithTemperature) {
    std::string out, err;
    ASSERT_EQ(
        RunCommand(CmdProfile, {"temperature", kSeaWater, "--low", "20", "--high", "80"}, out, err),
        kExitOk)
        << err;
    const auto points = LinesStartingWith(out, "point ");
    ASSERT_EQ(points.size(), 7u);
    EXPECT_DOUBLE_EQ(Field(points[0], "temperature"), 20.0);
    EXPECT_DOUBLE_EQ(Field(points[6], "temperature"), 80.0);
    // Calcite is less soluble in hot water: its saturation ratio rises along the
    // axis. Sea water stays undersaturated in gypsum.
    for (int k = 1; k < 7; ++k)
        EXPECT_GT(Field(points[k], "calcite"), Field(points[k - 1], "calcite")) << k;
    EXPECT_LT(Field(points[6], "gypsum"), 1.0);

    // Show, two steps per point, close.
    const auto progress = LinesStartingWith(err, "progress ");
    ASSERT_EQ(progress.size(), 16u);
    EXPECT_EQ(progress.front(), "progress show");
    EXPECT_EQ(progress[14].rfind("progress 100 ", 0), 0u);
    EXPECT_EQ(progress.back(), "progress close");
}

TEST(ProfileCommand, MoreCarbonDioxideMeansALowerPh) {
    std::string out, err;
    ASSERT_EQ(
        RunCommand(CmdProfile, {"pco2", kSeaWater, "--low", "0.0003", "--high", "0.01"}, out, err),
        kExitOk)
        << err;
    const auto points = LinesStartingWith(out, "point ");
    ASSERT_EQ(points.size(), 7u);
    for (int k = 1; k < 7; ++k) EXPECT_LT(Field(points[k], "ph"), Field(points[k - 1], "ph")) << k;
}

TEST(GridCommand, EveryEquilibriumOfTheFormationPressureGridCloses) {
    // The formation water's pressure grid predicts its cells' pH several units
    // above the charge balance; every calculation must still close its balances.
    const std::string formation = std::string(TARVEX_SOURCE_DIR) + "/data/samples/formation.wat";
    const uint32_t before = unconvergedSpeciations;
    std::string out, err;
    ASSERT_EQ(RunCommand(CmdGrid, {"pressure", formation}, out, err), kExitOk) << err;
    EXPECT_EQ(LinesStartingWith(out, "cell ").size(), 49u);
    EXPECT_EQ(unconvergedSpeciations - before, 0u);
}

TEST(GridCommand, PrintsEveryCellByRowAndColumn) {
    std::string out, err;
    ASSERT_EQ(RunCommand(CmdGrid, {"ph", kSeaWater}, out, err), kExitOk) << err;
    const auto cells = LinesStartingWith(out, "cell ");
    ASSERT_EQ(cells.size(), 49u);
    EXPECT_EQ(cells[9].rfind("cell 1 2 ", 0), 0u);
    // The grid's last row and column end on the range's stored ends.
    EXPECT_DOUBLE_EQ(Field(cells[48], "ph"), 9.0);
    EXPECT_DOUBLE_EQ(Field(cells[48], "temperature"), 125.0);
    // At a fixed temperature a higher pH holds more carbonate: calcite rises.
    EXPECT_GT(Field(cells[42], "calcite"), Field(cells[0], "calcite"));
    EXPECT_EQ(LinesStartingWith(err, "progress ").size(), 51u);
}

TEST(WhatIfCommands, RefuseAnEmptyWaterAndBadArguments) {
    const std::string empty = std::string(TARVEX_BINARY_DIR) + "/empty_water.wat";
    std::ofstream(empty) << "ph = 7\n";
    std::string out, err;
    EXPECT_EQ(RunCommand(CmdGrid, {"pressure", empty}, out, err), kExitBadInput);
    EXPECT_NE(err.find("You must input a make-up water analysis"), std::string::npos) << err;
    EXPECT_TRUE(LinesStartingWith(out, "cell ").empty());
    EXPECT_EQ(RunCommand(CmdProfile, {"pressure", empty}, out, err), kExitBadInput);

    EXPECT_EQ(RunCommand(CmdProfile, {"salinity", kSeaWater}, out, err), kExitUsage);
    EXPECT_EQ(RunCommand(CmdProfile, {"ph", kSeaWater, "--low", "6"}, out, err), kExitUsage);
    EXPECT_EQ(RunCommand(CmdProfile, {"ph", kSeaWater, "--low", "six", "--high", "8"}, out, err),
              kExitUsage);
    EXPECT_EQ(RunCommand(CmdGrid, {"ph"}, out, err), kExitUsage);
}

}  // namespace
