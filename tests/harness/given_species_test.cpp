// The engine runs a water on its given carbonate species (bicarbonate, carbonate
// and the dissolved CO2 of its reference pass) whether the analysis still names
// the alkalinity mode it was entered in, as the full calculation leaves it, or
// alkalinity mode 3, as the results passes set it: both are the same water and
// must speciate alike. A water richer in CO2 than in bicarbonate and carbonate
// (the sour sample at 2 bar pCO2) once ran to the pass limit in the first case,
// its carbonate shrinking toward nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
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

// The value of the water command's line "AN <element> <value>".
double PrintedElement(const std::string& out, int element) {
    const std::vector<std::string> lines =
        LinesStartingWith(out, "AN " + std::to_string(element) + " ");
    return lines.size() == 1 ? std::stod(lines[0].substr(lines[0].rfind(' ') + 1)) : NAN;
}

// At its pH and salts a water's dissolved CO2 is a fixed share of its
// bicarbonate, the share its pairs leave free: typed with its carbonate as the
// ions (alkalinity mode 2), or as the calculated species its page shows
// (alkalinity mode 3, whose CO2 the passes take again as the pairs form), the
// page gives one CO2 per bicarbonate. Sea water, a formation water at 180 F
// and a CaCl2 brine, whose bicarbonate is nearly all paired with calcium.
TEST(GivenSpecies, CalculatedSpeciesHoldTheCo2TheirPairsLeave) {
    const struct {
        const char* name;
        const char* conditions;  // pH, temperature, density
        const char* salts;       // mg/L
        const char* bicarbonate;
    } waters[] = {
        {"sea", "ph = 8.1\ntemperature = 77 F\ndensity = 1.025 g/mL\n",
         "calcium = 412\nmagnesium = 1290\nsodium = 10770\npotassium = 399\nchloride = 19350\n"
         "sulfate = 2710\n",
         "142"},
        {"formation", "ph = 6.8\ntemperature = 180 F\ndensity = 1.07 g/mL\n",
         "calcium = 4200\nmagnesium = 420\nbarium = 250\nstrontium = 380\nsodium = 28000\n"
         "potassium = 650\niron = 12\nchloride = 52000\nsulfate = 15\nbromine = 180\n",
         "520"},
        {"CaCl2", "ph = 7.0\ntemperature = 77 F\ndensity = 1.19 g/mL\n",
         "calcium = 90000\nchloride = 159228\n", "100"},
    };
    const std::string path = testing::TempDir() + "given_species_co2.wat";
    auto run = [&](const std::string& text) {
        std::ofstream(path) << "reporting = mg/L\npressure = 1 atm\n" << text;
        std::string out, err;
        test_world::ResetEngineWorld();
        ResetWaterGasRecords();
        EXPECT_EQ(RunCommand(CmdWater, {path}, out, err), 0) << err;
        return out;
    };
    for (const auto& w : waters) {
        const std::string common = std::string(w.conditions) + w.salts;
        const std::string asIons = run("alkalinity_mode = 2\n" + common +
                                       "bicarbonate = " + w.bicarbonate + " mg/L as HCO3\n");
        const double bicarbonate = PrintedElement(asIons, E::kBicarbonate);
        const double carbonate = PrintedElement(asIons, E::kCarbonate);
        ASSERT_GT(bicarbonate, 0.0) << w.name;
        char species[96];
        std::snprintf(species, sizeof species, "bicarbonate = %.9g\ncarbonate = %.9g\n",
                      bicarbonate, carbonate);
        const std::string asSpecies = run("alkalinity_mode = 3\n" + common + species);
        const double ionsShare = PrintedElement(asIons, E::kH2CO3) / bicarbonate;
        const double speciesShare =
            PrintedElement(asSpecies, E::kH2CO3) / PrintedElement(asSpecies, E::kBicarbonate);
        EXPECT_GT(ionsShare, 0.0) << w.name;
        EXPECT_NEAR(speciesShare / ionsShare, 1.0, 1e-3) << w.name;
    }
    std::remove(path.c_str());
}

}  // namespace
