// Value axes: the worked examples and edge cases of the scaling, ranges
// narrow beside their values, values that are not numbers, and the bar
// graphs' equal-value and narrow-range rules.
#include "graphs/axis/axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Case {
    double lo, hi;
    int16_t wanted;
    double low, high;
    int intervals;
};

TEST(AxisScaleTest, WorkedExamplesAndEdgeCases) {
    const Case cases[] = {
        {3, 3, 5, 1.5, 4.5, 2},
        {0, 0, 5, -1, 1, 2},
        {-4, -4, 5, -6, -2, 2},
        {9, 2, 5, 2, 9, 7},
        {0.01, 0.02, 5, 0, 0.02, 4},
        {1.00, 1.03, 5, 0.94, 1.04, 5},
        {-37, -2, 5, -40, 0, 8},
        {0, 10, 5, 0, 10, 5},
        {0, 7, 5, 0, 7, 7},
        {0.3, 9.2, 5, 0, 10, 5},
        {0, 10, 0, 0, 10, 2},
        {0, 10, 1, 0, 10, 2},
        {1000.0, 1000.1, 5, 999.98, 1000.1, 6},
    };
    for (const Case& c : cases) {
        double low = 0, high = 0;
        uint16_t n = 0;
        ComputeAxisScale(c.lo, c.hi, c.wanted, low, high, n);
        EXPECT_NEAR(low, c.low, 1e-9) << c.lo << " " << c.hi;
        EXPECT_NEAR(high, c.high, 1e-9) << c.lo << " " << c.hi;
        EXPECT_EQ(n, c.intervals) << c.lo << " " << c.hi;
    }
}

TEST(AxisScaleTest, ClampsHugeEndsAndReadsNanAsZero) {
    double low = 0, high = 0;
    uint16_t n = 0;
    ComputeAxisScale(0, 1e20, 5, low, high, n);
    EXPECT_DOUBLE_EQ(high, 1e16);
    EXPECT_DOUBLE_EQ(low, 0.0);
    ComputeAxisScale(std::numeric_limits<double>::quiet_NaN(), 10, 5, low, high, n);
    EXPECT_DOUBLE_EQ(low, 0.0);
    EXPECT_DOUBLE_EQ(high, 10.0);
    EXPECT_EQ(n, 5);
    ComputeAxisScale(std::nan(""), std::nan(""), 5, low, high, n);
    EXPECT_DOUBLE_EQ(low, -1.0);
    EXPECT_DOUBLE_EQ(high, 1.0);
}

TEST(AxisScaleTest, IntPowerAndDecade) {
    EXPECT_DOUBLE_EQ(IntPower(10.0, 0), 1.0);
    EXPECT_DOUBLE_EQ(IntPower(10.0, 3), 1000.0);
    EXPECT_DOUBLE_EQ(IntPower(10.0, 40), IntPower(10.0, 16));
    EXPECT_NEAR(IntPower(10.0, -2), 0.01, 1e-17);
    uint16_t index = 7;
    double decade = 0;
    EXPECT_DOUBLE_EQ(AxisDecade(0.02, index, decade), IntPower(10.0, -2));
    EXPECT_EQ(index, 0);
    EXPECT_DOUBLE_EQ(AxisDecade(1000.0, index, decade), 1000.0);
}

TEST(AxisScaleTest, BarAxisOfEqualValues) {
    const double values[] = {0, 2, -4, -14};
    const double lows[] = {-1, 1, -6, -14};
    const double highs[] = {1, 3, -2, 14};
    for (int i = 0; i < 4; ++i) {
        const BarValueAxis a = ComputeBarValueAxis(values[i], values[i]);
        EXPECT_DOUBLE_EQ(a.low, lows[i]);
        EXPECT_DOUBLE_EQ(a.high, highs[i]);
        EXPECT_EQ(a.intervals, 2);
    }
}

TEST(AxisScaleTest, BarAxisRoundsANarrowRangeOutward) {
    // 100.0 to 100.4 spans 0.4% of its top: rounded outward and scaled again.
    const BarValueAxis a = ComputeBarValueAxis(100.0, 100.4);
    EXPECT_LE(a.low, 100.0);
    EXPECT_GE(a.high, 100.4);
    EXPECT_GE(a.intervals, 1);
    const BarValueAxis b = ComputeBarValueAxis(0.0, 25.0);
    EXPECT_DOUBLE_EQ(b.low, 0.0);
    EXPECT_DOUBLE_EQ(b.high, 25.0);
    EXPECT_EQ(b.intervals, 5);
}

}  // namespace
