// The harness's calc, water and grid outputs on the bundled sample waters against
// the outputs recorded in tests/harness/fixtures (tools/record_harness_outputs.sh).
// Work on the engine's speed may change results in their last bits only:
//  - every value agrees to 1e-6 relative;
//  - saturation ratios to 1e-5 relative;
//  - the momentary excess of the minerals whose excess is found by a search (two
//    ions in any proportion, or three ions) within that search's own tolerance,
//    taken here as 2e-3 relative;
//  - the grid lines print six significant digits, so a value there may also move
//    by one unit in its last printed digit.
// Words that are not numbers must be equal.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/inputs/water_gas_records.h"
#include "engine/speciation/speciation_records.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/grids/grid_cell_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "tests/engine/engine_world.h"
#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"

namespace {

const std::string kSamples = std::string(TARVEX_SOURCE_DIR) + "/data/samples/";
const std::string kFixtures = std::string(TARVEX_SOURCE_DIR) + "/tests/harness/fixtures/";
const char* const kWaters[] = {"formation", "fresh", "seawater", "sour_production"};

constexpr double kValueTolerance = 1e-6;
constexpr double kRatioTolerance = 1e-5;
constexpr double kSearchedExcessTolerance = 2e-3;
// Below this magnitude two values count as equal (ClampToFloat's floor is 1e-37).
constexpr double kTiny = 1e-30;

// SaturationResults slots that hold a saturation ratio.
const std::set<int> kRatioSlots = {0,  1,  2,  3,  4,  5,  12, 19, 20, 21, 22,
                                   23, 24, 25, 26, 32, 36, 37, 44, 45, 47, 62};
// MomentaryExcess entries found by the two- and three-ion searches.
const std::set<int> kSearchedExcess = {9, 10, 12, 13, 15, 18, 21};
// Grid words that are saturation ratios.
const std::set<std::string> kRatioNames = {"calcite", "barite", "celestite", "gypsum"};

// The outputs were recorded by fresh runs of the harness: every command here starts
// from the records as a fresh run finds them, whatever the tests before it left.
int RunFresh(CommandFunction command, std::vector<std::string> args, std::string& out,
             std::string& err) {
    test_world::ResetEngineWorld();
    ResetWaterGasRecords();
    ResetScenarioRecords();
    ResetMixingRecords();
    ResetMixingProfileRecords();
    ResetGridCellRecords();
    return RunCommand(command, std::move(args), out, err);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Split(const std::string& s, const char* separators) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = s.find_first_of(separators, start);
        if (at != start) parts.push_back(s.substr(start, at - start));
        if (at == std::string::npos) break;
        start = at + 1;
    }
    return parts;
}

bool ParseNumber(const std::string& word, double& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return end == word.c_str() + word.size();
}

// One unit in the last of six printed significant digits.
double LastPrintedDigit(double value) {
    if (value == 0.0) return 0.0;
    return std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 5.0);
}

bool Agree(double recorded, double now, double relative, double slack) {
    const double scale = std::max(std::fabs(recorded), std::fabs(now));
    return std::fabs(recorded - now) <= relative * scale + slack + kTiny;
}

// Compares the lines "TAG INDEX VALUE" and plain lines of calc and water.
void CompareRecordLines(const std::string& recorded, const std::string& now,
                        const std::string& what) {
    const auto a = Lines(recorded);
    const auto b = Lines(now);
    ASSERT_EQ(a.size(), b.size()) << what;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = Split(a[i], " ");
        const auto y = Split(b[i], " ");
        ASSERT_EQ(x.size(), y.size()) << what << ": " << a[i] << " / " << b[i];
        double tolerance = kValueTolerance;
        if (x.size() == 3) {
            const int slot = std::atoi(x[1].c_str());
            if (x[0] == "SR" && kRatioSlots.count(slot)) tolerance = kRatioTolerance;
            if (x[0] == "ME" && kSearchedExcess.count(slot)) tolerance = kSearchedExcessTolerance;
        }
        for (size_t k = 0; k < x.size(); ++k) {
            double u, v;
            if (ParseNumber(x[k], u) && ParseNumber(y[k], v))
                EXPECT_TRUE(Agree(u, v, tolerance, 0.0))
                    << what << ": recorded \"" << a[i] << "\", now \"" << b[i] << "\"";
            else
                EXPECT_EQ(x[k], y[k]) << what << ": " << a[i] << " / " << b[i];
        }
    }
}

// Compares grid lines: "cell I J name=value name=v1,v2,... ".
void CompareGridLines(const std::string& recorded, const std::string& now,
                      const std::string& what) {
    const auto a = Lines(recorded);
    const auto b = Lines(now);
    ASSERT_EQ(a.size(), b.size()) << what;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = Split(a[i], " ");
        const auto y = Split(b[i], " ");
        ASSERT_EQ(x.size(), y.size()) << what << ": " << a[i] << " / " << b[i];
        for (size_t k = 0; k < x.size(); ++k) {
            // "name=values" or a plain word; the text before '=' must match.
            const size_t eq = x[k].find('=');
            const size_t eqNow = y[k].find('=');
            const std::string name = eq == std::string::npos ? "" : x[k].substr(0, eq);
            ASSERT_EQ(name, eqNow == std::string::npos ? "" : y[k].substr(0, eqNow))
                << what << ": " << a[i] << " / " << b[i];
            const auto u = Split(eq == std::string::npos ? x[k] : x[k].substr(eq + 1), ",");
            const auto v = Split(eqNow == std::string::npos ? y[k] : y[k].substr(eqNow + 1), ",");
            ASSERT_EQ(u.size(), v.size()) << what << ": " << a[i] << " / " << b[i];
            const double tolerance = kRatioNames.count(name) ? kRatioTolerance : kValueTolerance;
            for (size_t n = 0; n < u.size(); ++n) {
                double p, q;
                if (ParseNumber(u[n], p) && ParseNumber(v[n], q))
                    EXPECT_TRUE(Agree(p, q, tolerance, LastPrintedDigit(p)))
                        << what << ": recorded \"" << a[i] << "\", now \"" << b[i] << "\"";
                else
                    EXPECT_EQ(u[n], v[n]) << what << ": " << a[i] << " / " << b[i];
            }
        }
    }
}

TEST(HarnessOutputs, CalcAndWaterAgreeWithTheRecordedOutputs) {
    for (const char* w : kWaters) {
        const std::string file = kSamples + w + ".wat";
        std::string out, err;
        ASSERT_EQ(RunFresh(CmdCalc, {file}, out, err), kExitOk) << err;
        CompareRecordLines(ReadFile(kFixtures + "calc_" + w + ".txt"), out,
                           std::string("calc ") + w);
        ASSERT_EQ(RunFresh(CmdWater, {file}, out, err), kExitOk) << err;
        CompareRecordLines(ReadFile(kFixtures + "water_" + w + ".txt"), out,
                           std::string("water ") + w);
    }
}

TEST(HarnessOutputs, GridsAgreeWithTheRecordedOutputs) {
    for (const char* w : kWaters) {
        const std::string file = kSamples + w + ".wat";
        for (const char* kind : {"ph", "pco2", "pressure"}) {
            std::string out, err;
            ASSERT_EQ(RunFresh(CmdGrid, {kind, file}, out, err), kExitOk) << err;
            CompareGridLines(ReadFile(kFixtures + "grid_" + kind + "_" + w + ".txt"), out,
                             std::string("grid ") + kind + " " + w);
        }
    }
}

// Every bundled water's last speciation meets its tolerances before the pass limit;
// a CO2-rich water once stopped at the limit with its bicarbonate well short.
TEST(HarnessOutputs, EveryBundledWaterSpeciatesToItsTolerances) {
    for (const char* w : kWaters) {
        std::string out, err;
        ASSERT_EQ(RunFresh(CmdCalc, {kSamples + w + ".wat"}, out, err), kExitOk) << err;
        EXPECT_EQ(speciation.converged, 1u) << w << " after " << speciation.passCount << " passes";
    }
}

}  // namespace
