// log10 of products of powers: one logarithm of the product where it stays in
// range, the sum of the factors' logarithms where a product would overflow or
// turn subnormal, and the logarithm's own answers for absent or negative factors.
#include "engine/saturation/log_products.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

TEST(Log10OfPowers, AgreesWithTheSumOfLogarithms) {
    std::mt19937 random(44);
    std::uniform_real_distribution<double> exponent(-40.0, 40.0);
    for (int trial = 0; trial < 2000; ++trial) {
        const double a = std::pow(10.0, exponent(random));
        const double b = std::pow(10.0, exponent(random));
        const double c = std::pow(10.0, exponent(random));
        const double expected = 3.0 * std::log10(a) - 2.0 * std::log10(b) + std::log10(c);
        EXPECT_NEAR((Log10OfPowers<3, -2, 1>(a, b, c)), expected,
                    1e-13 * std::max(1.0, std::fabs(expected)))
            << a << " " << b << " " << c;
    }
}

TEST(Log10OfPowers, ProductsOutOfRangeTakeTheSum) {
    // Coefficients at the engine's bound of 1e300 to the fifth power, and a
    // constant so small that its quotient by them is no double at all.
    EXPECT_NEAR((Log10OfPowers<1, -5>(1e-200, 1e300)), -1700.0, 1e-9);
    EXPECT_NEAR((Log10OfPowers<5, 4>(1e300, 1e-250)), 500.0, 1e-9);
    // A side that goes subnormal and a quotient that would overflow.
    EXPECT_NEAR((Log10OfPowers<2, 1>(1e-160, 1e300)), -20.0, 1e-9);
    EXPECT_NEAR((Log10OfPowers<1, -1>(1e200, 1e-200)), 400.0, 1e-9);
}

TEST(Log10OfPowers, AbsentOrNegativeFactors) {
    EXPECT_EQ((Log10OfPowers<1, 1>(0.0, 2.0)), -INFINITY);
    EXPECT_EQ((Log10OfPowers<1, -1>(2.0, 0.0)), INFINITY);
    EXPECT_TRUE(std::isnan(Log10OfPowers<2, 1>(-1e-3, 1e-3)));
    EXPECT_TRUE(std::isnan(Log10OfPowers<1, 1>(NAN, 1.0)));
}
