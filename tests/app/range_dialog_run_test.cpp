// Change Range on the 2D temperature graph in a whole run
// (data/scripts/change-range.tvs on a 1024 x 768 desktop): a refused low
// temperature keeps the range, a new range is stored and the graph is
// computed again over it.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "graphs/graph_output_records.h"
#include "graphs/two_d_graph_records.h"
#include "tests/app/program_run_fixture.h"

namespace {

class RangeDialogRun : public ProgramRunFixture {
  protected:
    void SetUp() override {
        ProgramRunFixture::SetUp();
        ResetGraphOutputRecords();
        ResetTwoDGraphRecords();
    }
    void TearDown() override {
        ResetGraphOutputRecords();
        ResetTwoDGraphRecords();
        ProgramRunFixture::TearDown();
    }
};

TEST_F(RangeDialogRun, TemperatureGraphIsComputedOverTheNewRange) {
    ASSERT_EQ(
        RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/change-range.tvs", "1024x768"), 0)
        << Log();
    const std::string log = Log();

    // The fourth point before any change.
    const std::size_t first = log.find(
        "and temperature of 100.0 \xB0"
        "F.\" -> ok");
    ASSERT_NE(first, std::string::npos) << log;

    // The refused low temperature: No keeps the range.
    const std::size_t refused = log.find(
        "\"WARNING\": \"Low Temperature must be in the range of 30 to 572 degrees F. "
        "Please re-enter a valid value. Did you wish to re-enter (Y/N)?\" -> no",
        first);
    ASSERT_NE(refused, std::string::npos) << log;
    const std::size_t same = log.find(
        "and temperature of 100.0 \xB0"
        "F.\" -> ok",
        refused);
    ASSERT_NE(same, std::string::npos) << log;

    // 30 to 150 F: the fourth point is 90 F.
    EXPECT_NE(log.find("and temperature of 90.0 \xB0"
                       "F.\" -> ok",
                       same),
              std::string::npos)
        << log;
    EXPECT_EQ(whatIfSettings.temperatureLow, 30.0f);
    EXPECT_EQ(whatIfSettings.temperatureHigh, 150.0f);
    EXPECT_FALSE(Read("range.ppm").empty());
}

// The "at pH" box of the temperature graph's CHANGE RANGE: greyed with the pH
// the graph holds its points at while the what-if settings take each point's
// own pH; with the pH held at the evaluation pH, the value typed in it is
// the pH of every point the graph shows after OK.
TEST_F(RangeDialogRun, AtPhBoxTakesEffectOrIsNotOffered) {
    std::string head;
    {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/change-range.tvs");
        for (std::string line; std::getline(in, line) && line != "menu 1037";)
            if (!line.empty() && line[0] != '#') head += line + "\n";
    }
    const std::string range =
        "menu 1037\nclick wc2DGraphWindow 534 517\n"
        "dialog 202 read 373\ndialog 202 set 373 7.0\ndialog 202 press 1\n"
        "menu 999 wc2DGraphWindow\nclick wc2DGraphWindow 561 517\n"
        "answer no Data has been modified\n";
    struct Case {
        const char* what;
        std::string script;
        const char* read;
        const char* after;
    };
    const Case cases[] = {
        {"each point's own pH", head + range, "read 373 \"8.1\" (grayed)", "at a pH of 8.10"},
        {"the evaluation pH",
         head.substr(0, head.find("dialog 85 press 1")) + "dialog 85 click 377\n" +
             head.substr(head.find("dialog 85 press 1")) + range,
         "read 373 \"6.5\"\n", "at a pH of 7.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        ResetGraphOutputRecords();
        ResetTwoDGraphRecords();
        ASSERT_EQ(Run(c.script, "1024x768"), 0) << Log();
        const std::string log = Log();
        EXPECT_NE(log.find(c.read), std::string::npos) << log;
        const size_t ok = log.find("dialog 202 press 1");
        ASSERT_NE(ok, std::string::npos) << log;
        EXPECT_NE(log.find(c.after, ok), std::string::npos) << log;
    }
}

}  // namespace
