// The engine runs a water on its given carbonate species (bicarbonate, carbonate
// and the dissolved CO2 of its reference pass) whether the analysis still names
// the alkalinity mode it was entered in, as the full calculation leaves it, or
// alkalinity mode 3, as the results passes set it: both are the same water and
// must speciate alike. A water richer in CO2 than in bicarbonate and carbonate
// (the sour sample at 2 bar pCO2) once ran to the pass limit in the first case,
// its carbonate shrinking toward nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "common/index_code.h"
#include "engine/inputs/inputs_records.h"
#include "engine/inputs/water_gas_records.h"
#include "engine/pipeline/engine_state_copy.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "engine/speciation/speciation_records.h"
#include "tests/engine/engine_world.h"
#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"

namespace {

namespace E = AnalysisElement;

const std::string kSamples = std::string(TARVEX_SOURCE_DIR) + "/data/samples/";

struct Speciated {
    bool converged;
    int passes;
    float bicarbonate, carbonate;
    float saturation[kSaturationResultCount];
};

Speciated RunWithMode(float alkalinityModeElement) {
    currentAnalysis.values[E::kAlkalinityMode] = alkalinityModeElement;
    CalcEquilibrium();
    Speciated r{speciation.converged == 1,
                speciation.passCount,
                currentAnalysis.values[E::kBicarbonate],
                currentAnalysis.values[E::kCarbonate],
                {}};
    for (int i = 0; i < kSaturationResultCount; ++i) r.saturation[i] = SaturationResults[i];
    return r;
}

TEST(GivenSpecies, AWaterSpeciatesAlikeWhateverAlkalinityModeItsAnalysisNames) {
    for (const char* w : {"formation", "fresh", "seawater", "sour_production"}) {
        test_world::ResetEngineWorld();
        ResetWaterGasRecords();
        std::string out, err;
        ASSERT_EQ(RunCommand(CmdWater, {kSamples + w + ".wat"}, out, err), 0) << err;
        // The full calculation leaves the species given and the entry mode named.
        ASSERT_EQ(currentAnalysis.values[E::kSpeciesGiven], 1.0f) << w;
        const float entered = currentAnalysis.values[E::kAlkalinityMode];
        ASSERT_NE(entered, 3.0f) << w;

        auto state = std::make_unique<EngineStateCopy>();
        SaveEngineState(*state);
        const WaterAnalysis analysis = currentAnalysis;
        const Speciated asSpecies = RunWithMode(3.0f);
        RestoreEngineState(*state);
        currentAnalysis = analysis;
        const Speciated asEntered = RunWithMode(entered);

        EXPECT_TRUE(asSpecies.converged) << w;
        EXPECT_TRUE(asEntered.converged) << w << " after " << asEntered.passes << " passes";
        EXPECT_EQ(asEntered.passes, asSpecies.passes) << w;
        EXPECT_FLOAT_EQ(asEntered.bicarbonate, asSpecies.bicarbonate) << w;
        EXPECT_FLOAT_EQ(asEntered.carbonate, asSpecies.carbonate) << w;
        for (int code : {IndexCode::kCalcite, IndexCode::kSiderite, IndexCode::kBarite}) {
            EXPECT_FLOAT_EQ(asEntered.saturation[code], asSpecies.saturation[code])
                << w << ", ratio " << code;
        }
    }
}

}  // namespace
