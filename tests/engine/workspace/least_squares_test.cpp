// The pH-alkalinity curve fit against hand-computed regressions.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/workspace/least_squares.h"

namespace {

struct Fit {
    double coef[kFitMaxParams] = {};
    double fitted[kFitMaxRows] = {};
    double residuals[kFitMaxRows] = {};
    double se = 0, coefErr[kFitMaxParams] = {}, r2 = 0, r = 0;
    uint16_t singular = 9;
    int status = 0;
};

Fit RunFit(const double* x, const double* y, int16_t m, int16_t n) {
    Fit f;
    f.status = FitLeastSquares(x, y, m, n, f.coef, f.fitted, f.residuals, &f.se, f.coefErr, &f.r2,
                               &f.r, &f.singular);
    return f;
}

}  // namespace

TEST(LeastSquaresFit, ExactLineIsRecovered) {
    // y = 4.5 + 1.25 x
    const double x[] = {10, 50, 200};
    const double y[] = {17.0, 67.0, 254.5};
    Fit f = RunFit(x, y, 1, 3);
    ASSERT_EQ(f.status, 0);
    EXPECT_NEAR(f.coef[0], 4.5, 1e-9);
    EXPECT_NEAR(f.coef[1], 1.25, 1e-12);
    EXPECT_NEAR(f.r2, 1.0, 1e-12);
    EXPECT_NEAR(f.r, 1.0, 1e-12);
    EXPECT_EQ(f.singular, 0);
    EXPECT_NEAR(f.se, 0.0, 1e-6);
}

TEST(LeastSquaresFit, NoisyDataMatchesHandRegression) {
    // Hand computation: x = 1..5, y = 2.1, 3.9, 6.2, 7.8, 10.1
    // Sx = 15, Sy = 30.1, Sxx = 55, Sxy = 2.1 + 7.8 + 18.6 + 31.2 + 50.5 = 110.2
    // slope = (5*110.2 - 15*30.1) / (5*55 - 225) = (551 - 451.5) / 50 = 1.99
    // intercept = (30.1 - 1.99*15) / 5 = 0.05
    const double x[] = {1, 2, 3, 4, 5};
    const double y[] = {2.1, 3.9, 6.2, 7.8, 10.1};
    Fit f = RunFit(x, y, 1, 5);
    ASSERT_EQ(f.status, 0);
    EXPECT_NEAR(f.coef[1], 1.99, 1e-12);
    EXPECT_NEAR(f.coef[0], 0.05, 1e-12);
    // Residuals are fitted minus observed: point 3 lies above the line (6.2 > 6.02).
    EXPECT_NEAR(f.residuals[2], 6.02 - 6.2, 1e-12);
    // SSE = sum of squared residuals: fitted 2.04, 4.03, 6.02, 8.01, 10.0
    double sse = 0.06 * 0.06 + 0.13 * 0.13 + 0.18 * 0.18 + 0.21 * 0.21 + 0.1 * 0.1;
    EXPECT_NEAR(f.se, std::sqrt(sse / 3), 1e-12);
    double syy = 2.1 * 2.1 + 3.9 * 3.9 + 6.2 * 6.2 + 7.8 * 7.8 + 10.1 * 10.1;
    EXPECT_NEAR(f.r2, 1 - sse / (syy - 30.1 * 30.1 / 5), 1e-12);
    // Slope error: s / sqrt(Sxx - Sx^2/n) = s / sqrt(10)
    EXPECT_NEAR(f.coefErr[1], f.se / std::sqrt(10.0), 1e-12);
    EXPECT_EQ(f.singular, 0);
}

TEST(LeastSquaresFit, TwoRegressorsNeedFullPivoting) {
    // y = 1 + 2 a - 3 b on points whose normal matrix has its largest element off
    // the diagonal start, so rows and columns are interchanged.
    const double x[] = {100, 1, 0, 2, 50, 7, 10, 10, 3, 4};
    double y[5];
    for (int k = 0; k < 5; ++k) y[k] = 1 + 2 * x[2 * k] - 3 * x[2 * k + 1];
    Fit f = RunFit(x, y, 2, 5);
    ASSERT_EQ(f.status, 0);
    EXPECT_NEAR(f.coef[0], 1.0, 1e-8);
    EXPECT_NEAR(f.coef[1], 2.0, 1e-10);
    EXPECT_NEAR(f.coef[2], -3.0, 1e-10);
    EXPECT_EQ(f.singular, 0);
}

TEST(LeastSquaresFit, SingularAndDegenerateInputsStayFinite) {
    // Identical regressor values: no slope can be found.
    const double x[] = {3, 3, 3, 3};
    const double y[] = {1, 2, 3, 4};
    Fit f = RunFit(x, y, 1, 4);
    ASSERT_EQ(f.status, 0);
    EXPECT_EQ(f.singular, 1);
    for (int j = 0; j < 2; ++j) {
        EXPECT_TRUE(std::isfinite(f.coef[j]));
        EXPECT_TRUE(std::isfinite(f.coefErr[j]));
    }
    EXPECT_TRUE(std::isfinite(f.r2));

    // Every observation equal: R squared and R are the unset marker.
    const double x2[] = {1, 2, 3};
    const double y2[] = {5, 5, 5};
    Fit g = RunFit(x2, y2, 1, 3);
    EXPECT_EQ(g.r2, -99.0);
    EXPECT_EQ(g.r, -99.0);

    // Two observations, one regressor: one degree of freedom, exact fit.
    const double x3[] = {1, 2};
    const double y3[] = {3, 5};
    Fit h = RunFit(x3, y3, 1, 2);
    EXPECT_NEAR(h.coef[1], 2.0, 1e-12);
    EXPECT_NEAR(h.se, 0.0, 1e-9);
}

TEST(LeastSquaresFit, SizesOutsideTheStorageAreRefused) {
    const double x[] = {1};
    const double y[] = {1};
    Fit f = RunFit(x, y, 1, 0);
    EXPECT_EQ(f.status, -1);
    f = RunFit(x, y, 1, kFitMaxRows + 1);
    EXPECT_EQ(f.status, -1);
    f = RunFit(x, y, kFitMaxParams, 1);
    EXPECT_EQ(f.status, -1);
    EXPECT_EQ(f.singular, 9);  // nothing written
}

TEST(LeastSquaresFit, DeterminantClamp) {
    double v = -5;
    ClampDeterminant(&v);
    EXPECT_EQ(v, 1e-20);
    v = 1e30;
    ClampDeterminant(&v);
    EXPECT_EQ(v, 1e20);
    v = 3.0;
    ClampDeterminant(&v);
    EXPECT_EQ(v, 3.0);
}
