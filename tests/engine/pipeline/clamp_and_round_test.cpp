// The engine's two small conversions: double results stored as clamped floats, and
// the integer codes that travel in the analysis as floats.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/carbonate/carbonate_state.h"
#include "engine/pipeline/numbers/round_to_charge.h"

namespace {

TEST(ClampToFloat, ZeroOfEitherSignIsPositiveZero) {
    EXPECT_EQ(ClampToFloat(0.0), 0.0f);
    const float negZero = ClampToFloat(-0.0);
    EXPECT_EQ(negZero, 0.0f);
    EXPECT_FALSE(std::signbit(negZero));
}

TEST(ClampToFloat, MagnitudesOutsideTheRangeArePinnedWithTheirSign) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double in;
        float out;
    } cases[] = {
        {5e-40, 1e-37f},
        {-5e-40, -1e-37f},
        {-3e40, -1e37f},
        {3e40, 1e37f},
        {1e-300, 1e-37f},
        {inf, 1e37f},
        {-inf, -1e37f},
        {1e300, 1e37f},
        // The boundaries themselves (decade exactly +-37) are pinned too.
        {1e37, 1e37f},
        {-1e-37, -1e-37f},
    };
    for (const Case& c : cases) EXPECT_EQ(ClampToFloat(c.in), c.out) << c.in;
}

TEST(ClampToFloat, NaNBecomesPlusTenToThe37) {
    EXPECT_EQ(ClampToFloat(std::numeric_limits<double>::quiet_NaN()), 1e37f);
    EXPECT_EQ(ClampToFloat(-std::numeric_limits<double>::quiet_NaN()), 1e37f);
}

TEST(ClampToFloat, InRangeValuesAreRoundedToSinglePrecision) {
    EXPECT_EQ(ClampToFloat(1e36), 1e36f);
    EXPECT_EQ(ClampToFloat(-2.5e-36), -2.5e-36f);
    EXPECT_EQ(ClampToFloat(7.0000001), 7.0f);
    // Just inside the decade limits, outside the fast path.
    EXPECT_EQ(ClampToFloat(5e36), 5e36f);
    EXPECT_EQ(ClampToFloat(-2e-37), -2e-37f);
    // A double below float's smallest normal but above 1e-37 stays a normal float.
    EXPECT_TRUE(std::isnormal(ClampToFloat(1.5e-37)));
}

TEST(RoundToCharge, RoundsHalvesAwayFromZeroAndLimitsToTen) {
    struct Case {
        double in;
        int32_t out;
    } cases[] = {
        {0.0, 0},  {0.4, 0},    {-0.4, 0},  {0.5, 1},    {-0.5, -1},  {1.5, 2},
        {2.5, 3},  {-2.5, -3},  {2.49, 2},  {3.0, 3},    {-3.2, -3},  {9.49, 9},
        {9.5, 10}, {-9.7, -10}, {12.0, 10}, {-1e9, -10}, {1e300, 10},
    };
    for (const Case& c : cases) EXPECT_EQ(RoundToCharge(c.in), c.out) << c.in;
}

TEST(RoundToCharge, NotANumberReadsAsNoCode) {
    EXPECT_EQ(RoundToCharge(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
