// Scripted runs of the pH-alkalinity curve and the precipitation display: the
// curve typed, offered as the prediction method and saved in a work file; the
// precipitation unit chosen and kept in the units file.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "tests/app/program_run_fixture.h"

namespace {

class PhCurveRunTest : public ProgramRunFixture {};

// Save As is open only once a water is entered, so a surface water comes first.
TEST_F(PhCurveRunTest, TheCurveIsChosenAndSaved) {
    const std::string script =
        "dialog 80 set 407 8.1\n"
        "dialog 80 set 400 412\n"
        "dialog 80 press 1\n"
        "menu 1030\n"
        "answer yes A USER DEFINED\n"
        "dialog 32 set 670 100\n"
        "dialog 32 set 671 8.0\n"
        "dialog 32 set 673 200\n"
        "dialog 32 set 674 8.3\n"
        "dialog 32 set 676 400\n"
        "dialog 32 set 677 8.7\n"
        "dialog 32 press 1\n"
        "menu 1033\n"
        "file curve.krv\n"
        "menu 1022\n";
    ASSERT_EQ(Run(script, "1920x1080"), 0) << Log();
    const std::vector<uint8_t> file = Bytes("curve.KRV");
    ASSERT_GT(file.size(), 37060u) << Log();
    // statistics.linear_regression of pH on log10 of the alkalinity.
    EXPECT_NEAR(bytes::GetF32(file.data() + 36934), 5.65798, 1e-5);
    EXPECT_EQ(bytes::GetF32(file.data() + 36938), 0.0f);
    EXPECT_EQ(bytes::GetF32(file.data() + 36942), 0.0f);
    EXPECT_NEAR(bytes::GetF32(file.data() + 36946), 1.16267, 1e-5);
    EXPECT_EQ(bytes::GetI16(file.data() + 37058), 3);
    EXPECT_EQ(bytes::GetU16(file.data() + 6504), 1);  // phPredictionMethod
    EXPECT_EQ(bytes::GetU16(file.data() + 18), 1);    // alkCurveEntered
}

TEST_F(PhCurveRunTest, ThePrecipitationUnitIsKept) {
    ASSERT_EQ(Run("dialog 165 press 1654\n"
                  "dialog 165 press 1\n"
                  "menu 1071\n"),
              0)
        << Log();
    const std::vector<uint8_t> units = Bytes("plunit.cnf");
    ASSERT_GE(units.size(), 98u);
    EXPECT_EQ(bytes::GetU16(units.data() + 96), 2);
}

}  // namespace
