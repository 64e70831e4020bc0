// The harness's water command: the full calculation of each bundled sample.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "shell/records.h"
#include "tests/harness/command_runner.h"
#include "treatment/records.h"

namespace {

std::string Sample(const char* name) {
    return std::string(TARVEX_SOURCE_DIR) + "/data/samples/" + name;
}

// Counts the value lines of each tag and whether every value is finite.
struct Printed {
    int sw = 0, sr = 0, me = 0, an = 0, cr = 0;
    bool finite = true;
    int doseDone = -1;
    double dose = 0.0;
};

Printed Parse(const std::string& out) {
    Printed p;
    std::istringstream lines(out);
    std::string tag;
    while (lines >> tag) {
        if (tag == "water") {
            lines >> tag;
            continue;
        }
        if (tag == "dose_done") {
            lines >> p.doseDone;
            continue;
        }
        if (tag == "dose") {
            lines >> p.dose;
            continue;
        }
        if (tag == "dose_status") {
            int status;
            lines >> status;
            continue;
        }
        int index;
        std::string value;
        lines >> index >> value;
        p.finite = p.finite && std::isfinite(std::stod(value));
        if (tag == "SW") ++p.sw;
        if (tag == "SR") ++p.sr;
        if (tag == "ME") ++p.me;
        if (tag == "AN") ++p.an;
        if (tag == "CR") ++p.cr;
    }
    return p;
}

void ResetRecords() {
    ResetEngineRecords();
    ResetPipelineRecords();
    ResetWaterResultsRecords();
    ResetTreatmentRecords();
    ResetShellRecords();
}

TEST(WaterCommand, EverySampleGivesCompleteFiniteResultsAndASecondRunChangesNothing) {
    for (const char* name : {"seawater.wat", "formation.wat", "fresh.wat", "sour_production.wat"}) {
        for (const char* which : {"surface", "injection"}) {
            std::string out, err;
            ASSERT_EQ(RunCommand(CmdWater, {Sample(name), "--which", which}, out, err), kExitOk)
                << err;
            const Printed p = Parse(out);
            EXPECT_TRUE(p.finite) << name;
            EXPECT_EQ(p.sw, 64);
            EXPECT_EQ(p.sr, 64);
            EXPECT_EQ(p.me, 38);
            EXPECT_EQ(p.an, 64);
            EXPECT_EQ(p.cr, 4);

            // The stored result computed again: balancing happened once.
            const WaterAnalysis& stored =
                std::strcmp(which, "surface") == 0 ? surfaceWater : injectionWater;
            const WaterAnalysis first = stored;
            const WaterResultsRecord results = WaterResults;
            CalcWaterAnalysis(0, nullptr);
            EXPECT_EQ(std::memcmp(&first, &stored, sizeof first), 0) << name << " " << which;
            EXPECT_EQ(std::memcmp(&results, &WaterResults, sizeof results), 0) << name;
            ResetRecords();
        }
    }
}

TEST(WaterCommand, DosesTheGivenProduct) {
    std::string out, err;
    const std::string product =
        std::string(TARVEX_SOURCE_DIR) + "/data/products/barite_inhibitor.prd.txt";
    ASSERT_EQ(RunCommand(CmdWater, {Sample("sour_production.wat"), "--product", product}, out, err),
              kExitOk)
        << err;
    const Printed p = Parse(out);
    EXPECT_EQ(p.doseDone, 1);
    EXPECT_GT(p.dose, 0.0);
    ResetRecords();
}

TEST(WaterCommand, RefusesWrongArgumentsAndUnreadableFiles) {
    std::string out, err;
    EXPECT_EQ(RunCommand(CmdWater, {}, out, err), kExitUsage);
    EXPECT_EQ(RunCommand(CmdWater, {Sample("fresh.wat"), "--which", "mixed"}, out, err),
              kExitUsage);
    EXPECT_NE(err.find("surface, injection or formation"), std::string::npos);
    EXPECT_EQ(RunCommand(CmdWater, {"/nonexistent.wat"}, out, err), kExitBadInput);
    EXPECT_EQ(
        RunCommand(CmdWater, {Sample("fresh.wat"), "--product", "/nonexistent.prd"}, out, err),
        kExitBadInput);
    EXPECT_TRUE(out.empty());
    ResetRecords();
}

}  // namespace
