// The bundled script data/scripts/multimix-three-waters.tvs: three source
// waters typed one at a time into the multi-mix input, mixed at once and saved.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/saturation/water_results_records.h"
#include "input/multimix/multimix_input_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "tests/app/program_run_fixture.h"

namespace {

class MultiMixInputRun : public ProgramRunFixture {
  protected:
    void SetUp() override {
        ProgramRunFixture::SetUp();
        ResetMultiMixRecords();
        ResetMultiMixInputRecords();
    }
    template <typename T>
    static T At(const std::string& bytes, size_t offset) {
        T v{};
        if (offset + sizeof v <= bytes.size()) std::memcpy(&v, bytes.data() + offset, sizeof v);
        return v;
    }
    // The first line that holds `label`.
    static std::string Line(const std::vector<std::string>& lines, const std::string& label) {
        for (const std::string& l : lines)
            if (l.find(label) != std::string::npos) return l;
        return "<no line " + label + ">";
    }
    static std::string Script(const char* name) {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/" + name);
        std::string script;
        for (std::string line; std::getline(in, line);) script += line + "\n";
        return script;
    }
};

TEST_F(MultiMixInputRun, ThreeWatersTypedMixedAndSaved) {
    ASSERT_EQ(RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/multimix-three-waters.tvs"),
              0)
        << Log();
    const std::string log = Log();
    const std::string question =
        "\"LAST ANALYSIS\": \"Last Analysis. Do you wish to add a new Analysis?\" -> yes";
    const size_t first = log.find(question);
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find(question, first + 1), std::string::npos) << log;

    const std::string file = Read("ws.KRV");
    ASSERT_EQ(file.size(), 200171u);
    EXPECT_EQ(At<float>(file, 110283), 100.0f);  // calcium of the three waters
    EXPECT_EQ(At<float>(file, 110551), 200.0f);
    EXPECT_EQ(At<float>(file, 110819), 300.0f);
    for (size_t k = 0; k < 3; ++k) EXPECT_NEAR(At<float>(file, 129251 + 4 * k), 33.3333f, 1e-4);
    EXPECT_EQ(At<int32_t>(file, 129683), 2);  // lastWaterIndex
    EXPECT_EQ(At<int32_t>(file, 129687), 2);  // multiMixDone
}

// A profile run after a multi-mix stays current when its pages open: Print
// Surface Temperature Profile is offered at once.
TEST_F(MultiMixInputRun, ProfileAfterAMultiMixStaysCurrent) {
    const std::string water = "dialog 80 set 407 8.1\ndialog 80 set 400 412\n"
                              "dialog 80 set 404 10760\ndialog 80 set 414 19350\n"
                              "dialog 80 set 419 140\ndialog 80 press 1\nmenu 1030\n";
    const std::string mix = "answer yes Last Analysis\n"
                            "dialog 115 set 400 100\ndialog 115 set 404 1000\n"
                            "dialog 115 set 414 1700\ndialog 115 set 419 200\n"
                            "dialog 115 press 527\nmenu 113\n";
    ASSERT_EQ(Run(water + mix + "menu 1036\nmenustate\nanswer no Data has been modified\n"
                                "answer no Did you wish to leave data\n"),
              0)
        << Log();
    const std::string log = Log();
    const size_t item = log.find("[1049]");
    ASSERT_NE(item, std::string::npos) << log;
    EXPECT_EQ(log.substr(item, log.find('\n', item) - item).find("(grayed)"), std::string::npos)
        << log;
}

// After the three waters, Mix again and save both source-water pages as text:
// the weights and the calcium of each source in their columns, and the calcite
// ratio of each source as its calculation left it.
TEST_F(MultiMixInputRun, SourcePagesShowTheThreeWaters) {
    ASSERT_EQ(Run(Script("multimix-three-waters.tvs") + "menu 114\n"
                                                        "text DisplayMixedWater mmw.txt\n"
                                                        "text DisplayMixedValues mmv.txt\n"),
              0)
        << Log();
    const std::vector<std::string> water = TextLines(Read("mmw.txt"));
    ASSERT_GT(water.size(), 10u) << Log();
    EXPECT_EQ(water[0], "CHEMISTRY OF WATER SOURCES MIXED");
    // Title, blank, then the page's lines: page line 3 is text line 4.
    EXPECT_EQ(water[4].find(" WEIGHT % "), 31u) << water[4];
    const std::string cations = Line(water, "CATIONS");
    const std::string calcium = Line(water, "Calcium");
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(cations.substr(24 + 8 * k, 7), "  33.33") << cations;
        char text[16];
        std::snprintf(text, sizeof text, "%7.2f", 100.0 * (k + 1));
        EXPECT_EQ(calcium.substr(24 + 8 * k, 7), text) << calcium;
    }
    const std::vector<std::string> values = TextLines(Read("mmv.txt"));
    const std::string calcite = Line(values, "Calcite (CaCO");
    for (int k = 0; k < 3; ++k) {
        char text[16];
        std::snprintf(text, sizeof text, "%7.2f", WaterResults.multiMix[k].saturation[0]);
        EXPECT_EQ(calcite.substr(24 + 8 * k, 7), std::string(text).substr(0, 7)) << calcite;
        EXPECT_GT(WaterResults.multiMix[k].saturation[0], 0.0f);
    }
}

}  // namespace
