// Change Range on the 2D temperature graph in a whole run
// (data/scripts/change-range.tvs on a 1024 x 768 desktop): a refused low
// temperature keeps the range, a new range is stored and the graph is
// computed again over it.
#include <gtest/gtest.h>

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

}  // namespace
