// The waterflood mixing drivers on the whole engine through the harness: the
// pure-water ends of the mixing path, the classic barite curve of sea water
// injected into a barium-rich formation water, the grids' output, and bringing
// two water files to one set of units.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/index_code.h"
#include "engine/saturation/water_results_records.h"
#include "input/records.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_records.h"
#include "tests/harness/command_runner.h"
#include "tools/engine_harness/mix_waters.h"

namespace {

namespace AE = AnalysisElement;

const std::string kSeaWater = std::string(TARVEX_SOURCE_DIR) + "/data/samples/seawater.wat";
const std::string kFormation = std::string(TARVEX_SOURCE_DIR) + "/data/samples/formation.wat";

void ExpectClose(float mixed, float alone, double relative, const char* what, int slot) {
    EXPECT_NEAR(mixed, alone, relative * std::fabs(alone) + 1e-12) << what << " " << slot;
}

TEST(MixCommand, PureWaterEndsReproduceEachWaterCalculatedAlone) {
    ASSERT_EQ(LoadWaterflood(kSeaWater.c_str(), kFormation.c_str(), stderr), kExitOk);
    mixingZoneSettings.mixLowPercent = 0.0f;
    mixingZoneSettings.mixHighPercent = 100.0f;
    CalcMixingProfile(nullptr);

    struct End {
        int point;
        const StoredResults& alone;
    };
    for (const End& end : {End{0, WaterResults.formation}, End{6, WaterResults.injection}}) {
        const float* results = mixProfileTables.mixResults[end.point];
        for (int i = 0; i < kSaturationResultCount; ++i) {
            // Slots 50 to 61 hold the carbonate solvers' searches, which start from
            // the state the engine's previous passes left; they agree less closely.
            const bool search = i >= 50 && i <= 61;
            ExpectClose(results[i], end.alone.saturation[i], search ? 0.15 : 1e-4, "result", i);
        }
        for (int i = 0; i < kMomentaryExcessCount; ++i)
            ExpectClose(mixProfileTables.mixExcess[end.point][i], end.alone.excess[i], 1e-4,
                        "excess", i);
    }
    EXPECT_FLOAT_EQ(mixProfileTables.mixChemistry[0][AE::kBarium], 252.0f);
    EXPECT_FLOAT_EQ(mixProfileTables.mixChemistry[6][AE::kSulfate], 2710.0f);
}

TEST(MixCommand, SeaWaterIntoBariumFormationWaterGivesAnInteriorBaritePeak) {
    std::string out, err;
    ASSERT_EQ(RunCommand(CmdMix, {"profile", kSeaWater, kFormation}, out, err), kExitOk) << err;
    const auto points = LinesStartingWith(out, "point ");
    ASSERT_EQ(points.size(), 7u);
    EXPECT_DOUBLE_EQ(Field(points[0], "percent"), 0.0);
    EXPECT_DOUBLE_EQ(Field(points[6], "percent"), 100.0);
    // Neither water alone deposits barite: the formation water has no sulfate,
    // sea water hardly any barium. Mixed, the barite ratio rises far above 1 and
    // falls again before pure sea water.
    EXPECT_EQ(Field(points[0], "barite"), 0.0);
    EXPECT_LT(Field(points[6], "barite"), 1.0);
    int peak = 0;
    for (int k = 1; k < 7; ++k)
        if (Field(points[k], "barite") > Field(points[peak], "barite")) peak = k;
    EXPECT_GT(peak, 0);
    EXPECT_LT(peak, 6);
    EXPECT_GT(Field(points[peak], "barite"), 100.0);
    // One progress step per point, then the window closes.
    const auto progress = LinesStartingWith(err, "progress ");
    ASSERT_EQ(progress.size(), 9u);
    EXPECT_EQ(progress[7].rfind("progress 100 ", 0), 0u);
}

TEST(MixCommand, RatioGridMixesEachRowAtItsPercent) {
    std::string out, err;
    ASSERT_EQ(
        RunCommand(CmdMix, {"grid", "3", kSeaWater, kFormation, "--percent", "-20:130"}, out, err),
        kExitOk)
        << err;
    const auto cells = LinesStartingWith(out, "cell ");
    ASSERT_EQ(cells.size(), 49u);
    EXPECT_DOUBLE_EQ(Field(cells[0], "percent"), -20.0);
    EXPECT_DOUBLE_EQ(Field(cells[0], "mixed"), 0.0);
    EXPECT_DOUBLE_EQ(Field(cells[48], "percent"), 130.0);
    EXPECT_DOUBLE_EQ(Field(cells[48], "mixed"), 100.0);
    EXPECT_EQ(Field(cells[0], "barite"), 0.0);  // formation water alone

    // A grid code the program does not have is refused before anything runs.
    EXPECT_EQ(RunCommand(CmdMix, {"grid", "7", kSeaWater, kFormation}, out, err), kExitUsage);
}

TEST(MixWaters, TemperatureAndPressureFollowTheFirstWatersUnits) {
    WaterFileData sea{}, formation{};
    ASSERT_TRUE(ReadWaterFile(kSeaWater, sea).ok);
    ASSERT_TRUE(ReadWaterFile(kFormation, formation).ok);
    EXPECT_EQ(MatchUnits(sea, formation), "");
    // 200 F is 93.33 C; 3000 psia is 3000 x 0.068046 atm.
    EXPECT_NEAR(formation.analysis.values[AE::kTemperature], 93.3333f, 1e-3f);
    EXPECT_NEAR(formation.analysis.values[AE::kPressure], 204.138f, 1e-2f);
    EXPECT_EQ(formation.units.code[UnitItem::kTemperature], TemperatureUnit::kCelsius);

    // An ion in a unit of its own, or another reporting mode, cannot be matched;
    // the water is left as it was.
    WaterFileData other{};
    ASSERT_TRUE(
        ParseWaterText("reporting = mg/L\nalkalinity_mode = 2\nchloride = 30 as NaCl\n", other).ok);
    const WaterFileData before = other;
    EXPECT_NE(MatchUnits(sea, other).find("chloride"), std::string::npos);
    EXPECT_EQ(other.analysis.values[AE::kChloride], before.analysis.values[AE::kChloride]);
    other.reportingMode = ReportingMode::kEpm;
    EXPECT_NE(MatchUnits(sea, other), "");
}

}  // namespace
