// The colour band rows, their log form and the rule at the thresholds.
#include "graphs/bands/index_bands.h"

#include "common/unit_codes.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

using IndexBandsTest = GraphTest;

struct Bands {
    uint16_t direction;
    double t[4];
};

Bands Of(uint16_t code) {
    Bands b{};
    uint16_t out = 0;
    GetIndexColorBands(code, out, b.direction, b.t);
    EXPECT_EQ(out, code);
    return b;
}

int BandOf(uint16_t code, double v) {
    const Bands b = Of(code);
    return IndexBandOf(b.direction, b.t, v);
}

TEST_F(IndexBandsTest, RowsAndTheirLogForm) {
    Bands b = Of(11);
    EXPECT_EQ(b.direction, 0);
    EXPECT_DOUBLE_EQ(b.t[0], 7.0);
    EXPECT_DOUBLE_EQ(b.t[3], 4.0);
    EXPECT_DOUBLE_EQ(Of(2).t[3], 1.25);  // silica before the "below 7" row
    EXPECT_DOUBLE_EQ(Of(6).t[3], 5.0);
    EXPECT_DOUBLE_EQ(Of(26).t[1], 1.2);
    EXPECT_DOUBLE_EQ(Of(32).t[1], 1.0);
    EXPECT_DOUBLE_EQ(Of(43).t[2], 0.8);
    EXPECT_DOUBLE_EQ(Of(31).t[1], 6.0);
    EXPECT_DOUBLE_EQ(Of(41).t[0], 999.0);
    EXPECT_DOUBLE_EQ(Of(114).t[2], 30.0);
    EXPECT_DOUBLE_EQ(Of(108).t[1], 0.05);
    EXPECT_DOUBLE_EQ(Of(300).t[3], 0.5);
    EXPECT_DOUBLE_EQ(Of(25).t[0], 0.85);
    EXPECT_DOUBLE_EQ(Of(99).t[3], 1.1);
    b = Of(94);
    EXPECT_DOUBLE_EQ(b.t[0], 2.0);
    EXPECT_DOUBLE_EQ(b.t[2], 10.0);
    EXPECT_DOUBLE_EQ(b.t[3], 10.0);
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    EXPECT_DOUBLE_EQ(Of(96).t[0], 0.1);
    EXPECT_DOUBLE_EQ(Of(95).t[3], 0.5);
    displaySettings.indexFormat = 1;
    b = Of(0);
    EXPECT_EQ(b.direction, 1);
    EXPECT_DOUBLE_EQ(b.t[0], 0.0);
    EXPECT_NEAR(b.t[1], 0.0792, 1e-4);
    EXPECT_NEAR(b.t[2], 0.301, 1e-3);
    EXPECT_NEAR(b.t[3], 0.699, 1e-3);
    EXPECT_NEAR(Of(25).t[0], -0.0706, 1e-4);
    EXPECT_NEAR(Of(25).t[3], 0.0414, 1e-4);
    EXPECT_DOUBLE_EQ(Of(18).t[1], 0.2);  // not a log code
    EXPECT_DOUBLE_EQ(Of(44).t[1], 0.95);
    displaySettings.indexFormat = 2;  // only exactly 1 is the log index
    EXPECT_DOUBLE_EQ(Of(0).t[1], 1.2);
}

TEST_F(IndexBandsTest, BandRuleAtTheThresholds) {
    // Rising: each threshold opens the next band.
    EXPECT_EQ(BandOf(0, 0.99), 1);
    EXPECT_EQ(BandOf(0, 1.0), 2);
    EXPECT_EQ(BandOf(0, 1.2), 3);
    EXPECT_EQ(BandOf(0, 2.0), 4);
    EXPECT_EQ(BandOf(0, 5.0), 5);
    // Falling: a value on a threshold is already the worse band.
    EXPECT_EQ(BandOf(11, 7.5), 1);
    EXPECT_EQ(BandOf(11, 7.0), 2);
    EXPECT_EQ(BandOf(11, 6.5), 2);
    EXPECT_EQ(BandOf(11, 6.0), 3);
    EXPECT_EQ(BandOf(11, 4.0), 5);
    EXPECT_EQ(BandOf(11, 3.9), 5);
    // Grid temperature and pH are always band 1; the corrosion rows never band 4.
    EXPECT_EQ(BandOf(40, 500.0), 1);
    EXPECT_EQ(BandOf(94, 9.99), 3);
    EXPECT_EQ(BandOf(94, 10.0), 5);
    displaySettings.indexFormat = 1;
    EXPECT_EQ(BandOf(0, 0.5), 4);
    EXPECT_EQ(BandOf(0, -0.2), 1);
}

}  // namespace
}  // namespace graphtest
