// A small multiple linear regression with an intercept, used to fit the user's
// pH-alkalinity curve: normal equations solved by Gauss-Jordan elimination with
// full pivoting, with the usual fit statistics.
#pragma once

#include <cstdint>

// Capacity of the fixed working storage: the curve input has at most ten points
// and one regressor, so no allocation is ever needed.
constexpr int kFitMaxRows = 100;
constexpr int kFitMaxParams = 8;  // intercept + up to 7 regressors

// Fits y = c0 + c1 x1 + ... + cm xm. `regressors` holds n rows of m values.
// Results go to caller-owned storage: coefficients (m + 1, intercept first),
// fitted values and residuals (n each, residual = fitted - observed), the
// standard error of the fit, the coefficient errors (m + 1), R squared, R and
// the singular flag (1 when the determinant is below 1e-07).
// Returns 0 on success, -1 when n or m lie outside the working storage (then
// nothing is written).
[[nodiscard]] int FitLeastSquares(const double* regressors, const double* y, int16_t m, int16_t n,
                                  double* coefficients, double* fitted, double* residuals,
                                  double* standardError, double* coefficientErrors,
                                  double* rSquared, double* r, uint16_t* singular);

// X'X of an n x p design matrix stored row by row.
void CalcNormalMatrix(const double* design, int16_t n, uint16_t p, double* normal);
// X'y.
void CalcNormalVector(const double* y, const double* design, int16_t n, int16_t p, double* vec);
// Solves matrix * x = rhs by Gauss-Jordan elimination with full pivoting; leaves the
// inverse and the (clamped) determinant. `rhs` is overwritten.
void GaussJordanSolve(const double* matrix, double* rhs, int16_t p, double* solution,
                      double* inverse, double* determinant);
void CalcFitStats(const double* design, const double* y, const double* coefficients,
                  const double* inverse, int16_t n, int16_t p, double* fitted, double* residuals,
                  double* standardError, double* coefficientErrors, double* rSquared, double* r);
void SwapDoubles(double* a, double* b);
// Clamps a determinant into 1e-20 .. 1e20; anything below 1e-20, negative values
// included, becomes 1e-20.
void ClampDeterminant(double* value);
