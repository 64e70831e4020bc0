// The harness's product text form and its corrosion and dose commands.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/records.h"
#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/product_file.h"

namespace {

std::string WriteFile(const std::string& name, const std::string& text) {
    const std::string path = std::string(TARVEX_BINARY_DIR) + "/" + name;
    std::ofstream(path) << text;
    return path;
}

const char* kProduct =
    "name = BA-TEST   # the product\n"
    "file = BATEST.PRD\n"
    "header_value = 1\n"
    "limit = 136 -99 44\n"
    "component\n"
    "name = first part\n"
    "treated = 21\n"
    "limit_code = 136\n"
    "kind = 1\n"
    "energy_form = -1\n"
    "c9 = 1\n"
    "actives = 50\n"
    "share = 1\n"
    "active_conc = 0.5\n"
    "term = 104 1 0.5 8\n";

TEST(ProductText, ReadsHeaderComponentsLimitsAndTerms) {
    auto t = std::make_unique<ProductTable>();
    const ProductFileStatus s = ParseProductText(kProduct, *t);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(t->componentCount, 1);
    EXPECT_STREQ(t->records[0].name, "first part");  // the component's own name wins
    EXPECT_STREQ(t->records[0].fileName, "BATEST.PRD");
    EXPECT_EQ(t->headerValue, 1.0f);
    EXPECT_EQ(t->headerLimit, kUnsetLimit);
    EXPECT_EQ(t->limits[0].limitCode, 136);
    EXPECT_EQ(t->limits[0].enabled, 1);
    EXPECT_EQ(t->limits[0].upper, 44.0f);
    EXPECT_EQ(t->limits[1].enabled, 0);
    const ProductRecord& r = t->records[0];
    EXPECT_EQ(r.treatedIndex, 21);
    EXPECT_EQ(r.limitCode, 136);
    EXPECT_EQ(r.energyForm, -1);
    EXPECT_EQ(r.c[8], 1.0f);
    EXPECT_EQ(r.activeConc, 0.5f);
    EXPECT_EQ(r.termCode[0], 104);
    EXPECT_EQ(r.termTransform[0], 1);
    EXPECT_EQ(r.termUpper[0], 8.0f);
    EXPECT_EQ(r.termLower[1], kUnsetLimit);
}

TEST(ProductText, RefusesBadLinesAndKeepsTheTable) {
    struct Case {
        std::string text;
        int line;
    };
    const Case cases[] = {
        {"treated = 21\ncomponent\n", 1},    // component key before a component
        {"component\nc13 = 1\n", 2},         // no such coefficient
        {"component\nkind = 1.5\n", 2},      // not an integer
        {"component\nkind = 70000\n", 2},    // does not fit
        {"component\nactives = lots\n", 2},  // not a number
        {"limit = 21 5\ncomponent\n", 1},    // bound missing
        {"component\nterm = 1\n", 2},        // transform missing
        {"component\nterm=1 1\nterm=1 1\nterm=1 1\nterm=1 1\nterm=1 1\nterm=1 1\nterm=1 1\n", 8},
        {"component\nnothing here\n", 2},
        {"name = only a header\n", 0},  // no component
    };
    for (const Case& c : cases) {
        auto t = std::make_unique<ProductTable>();
        t->componentCount = 9;
        const ProductFileStatus s = ParseProductText(c.text, *t);
        EXPECT_FALSE(s.ok) << c.text;
        EXPECT_EQ(s.line, c.line) << c.text << s.message;
        EXPECT_EQ(t->componentCount, 9);
    }
    std::string many;
    for (int i = 0; i < 29; ++i) many += "component\n";
    auto t = std::make_unique<ProductTable>();
    EXPECT_EQ(ParseProductText(many, *t).line, 29);
}

const char* kSourWater =
    "temperature = 60 C\npressure = 20 bar\npco2 = 2 bar\nph2s = 0.05 bar\nph = 5.5\n"
    "sodium = 1000\nchloride = 1540\nbarium = 40\n";

TEST(CorrosionCommand, PrintsFourRatesInBothUnits) {
    const std::string water = WriteFile("corrosion_sour.wat", kSourWater);
    std::string out, err;
    ASSERT_EQ(RunCommand(CmdCorrosion, {water}, out, err), kExitOk) << err;
    std::istringstream lines(out);
    std::string line;
    int rates = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("note:", 0) == 0) continue;
        char name[32];
        double mm = 0, mpy = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%31s %lf mm/yr %lf mpy", name, &mm, &mpy), 3) << line;
        EXPECT_TRUE(std::isfinite(mm)) << line;
        EXPECT_NEAR(mpy, mm / 0.0254, 1e-4 * (1 + mpy)) << line;
        ++rates;
    }
    EXPECT_EQ(rates, 4);
    EXPECT_EQ(RunCommand(CmdCorrosion, {}, out, err), kExitUsage);
    EXPECT_EQ(RunCommand(CmdCorrosion, {water + ".missing"}, out, err), kExitBadInput);
}

TEST(DoseCommand, DosesAProductDrivenByAnAnalysisValue) {
    // Driver: barium 40 mg/L (limit code 136); kind 1 with c9 = 1: raw dose 40;
    // group (0.5 / 1)(1000 / 50) x 40 = 400 mg/L. The barium limit slot (upper 44)
    // rates 40, above 0.9 x 44: borderline.
    const std::string water = WriteFile("dose_sour.wat", kSourWater);
    const std::string product = WriteFile("dose_ba.prd.txt", kProduct);
    std::string out, err;
    ASSERT_EQ(RunCommand(CmdDose, {water, product}, out, err), kExitOk) << err;
    EXPECT_NE(out.find("dose 400 mg/L\n"), std::string::npos) << out;
    EXPECT_NE(out.find("status 1 (borderline)\n"), std::string::npos) << out;
    EXPECT_NE(out.find("limit 0 code 136 value 40 "), std::string::npos) << out;
    ASSERT_EQ(RunCommand(CmdDose, {water, product, "--time", "600"}, out, err), kExitOk) << err;
    EXPECT_NE(out.find("residence_time 600 s\n"), std::string::npos) << out;

    EXPECT_EQ(RunCommand(CmdDose, {water}, out, err), kExitUsage);
    EXPECT_EQ(RunCommand(CmdDose, {water, product, "--time", "soon"}, out, err), kExitUsage);
    const std::string bad = WriteFile("dose_bad.prd.txt", "component\nkind = x\n");
    EXPECT_EQ(RunCommand(CmdDose, {water, bad}, out, err), kExitBadInput);
    EXPECT_NE(err.find("line 2"), std::string::npos) << err;
    ResetEngineRecords();
}

// One water entered in degrees F, C and K is one water: every result a user
// reads (saturation ratios, indices, corrosion rates, the dose and its rating)
// agrees, only the temperature lines show the unit entered.
TEST(WaterCommand, ResultsDoNotDependOnTheTemperatureUnit) {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/samples/seawater.wat");
    const std::string sample((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    const std::string celsius = "temperature = 25 C";
    ASSERT_NE(sample.find(celsius), std::string::npos);
    for (const char* product : {"phosba", "polysc"}) {
        const std::string productPath =
            std::string(TARVEX_SOURCE_DIR) + "/data/products/" + product + ".prd.txt";
        std::vector<std::string> runs;
        for (const char* entered :
             {"temperature = 25 C", "temperature = 77 F", "temperature = 298.16 K"}) {
            std::string text = sample;
            text.replace(text.find(celsius), celsius.size(), entered);
            const std::string water = WriteFile("unit_seawater.wat", text);
            std::string out, err;
            ASSERT_EQ(RunCommand(CmdWater, {water, "--product", productPath}, out, err), kExitOk)
                << err;
            runs.push_back(out);
        }
        ASSERT_NE(runs[0].find("dose_done 1"), std::string::npos) << runs[0];
        const std::vector<std::string> reference = LinesStartingWith(runs[0], "");
        for (size_t r = 1; r < runs.size(); ++r) {
            const std::vector<std::string> lines = LinesStartingWith(runs[r], "");
            ASSERT_EQ(lines.size(), reference.size()) << product << " run " << r;
            for (size_t k = 0; k < lines.size(); ++k) {
                if (lines[k].rfind("SW 15 ", 0) == 0 || lines[k].rfind("AN 15 ", 0) == 0)
                    continue;  // the temperature as entered
                std::istringstream got(lines[k]), want(reference[k]);
                for (std::string a, b; want >> b;) {
                    ASSERT_TRUE(got >> a) << lines[k];
                    char* end = nullptr;
                    const double x = std::strtod(b.c_str(), &end);
                    if (*end != '\0') {
                        EXPECT_EQ(a, b) << product << ": " << lines[k];
                        continue;
                    }
                    EXPECT_NEAR(std::atof(a.c_str()), x, 1e-4 * std::fabs(x) + 1e-9)
                        << product << ": " << lines[k] << " against " << reference[k];
                }
            }
        }
    }
}

}  // namespace
