// Least-squares fit of the pH-alkalinity curve (see least_squares.h).
#include "engine/workspace/least_squares.h"

#include <cmath>
#include <cstring>

void SwapDoubles(double* a, double* b) {
    double t = *a;
    *a = *b;
    *b = t;
}

void ClampDeterminant(double* value) {
    if (*value < 1e-20)
        *value = 1e-20;
    else if (*value > 1e20)
        *value = 1e20;
}

void CalcNormalMatrix(const double* design, int16_t n, uint16_t p, double* normal) {
    for (int i = 0; i < p; ++i)
        for (int j = 0; j < p; ++j) {
            double sum = 0.0;
            for (int k = 0; k < n; ++k) sum += design[k * p + i] * design[k * p + j];
            normal[i * p + j] = sum;
        }
}

void CalcNormalVector(const double* y, const double* design, int16_t n, int16_t p, double* vec) {
    for (int j = 0; j < p; ++j) {
        double sum = 0.0;
        for (int k = 0; k < n; ++k) sum += design[k * p + j] * y[k];
        vec[j] = sum;
    }
}

void GaussJordanSolve(const double* matrix, double* rhs, int16_t p, double* solution,
                      double* inverse, double* determinant) {
    int pivotRow[kFitMaxParams];
    int pivotCol[kFitMaxParams];
    bool used[kFitMaxParams] = {};
    std::memcpy(inverse, matrix, sizeof(double) * p * p);
    double* a = inverse;
    *determinant = 1.0;

    for (int pass = 0; pass < p; ++pass) {
        // Largest eligible element; a later one wins only when strictly larger.
        // When every eligible element is 0 the first eligible position is taken.
        double best = -1.0;
        int row = -1, col = -1;
        for (int i = 0; i < p; ++i) {
            if (used[i]) continue;
            for (int j = 0; j < p; ++j) {
                if (used[j]) continue;
                double v = std::fabs(a[i * p + j]);
                if (v > best) {
                    best = v;
                    row = i;
                    col = j;
                }
            }
        }
        used[col] = true;
        pivotRow[pass] = row;
        pivotCol[pass] = col;
        if (row != col) {
            *determinant = -*determinant;
            for (int j = 0; j < p; ++j) SwapDoubles(&a[row * p + j], &a[col * p + j]);
            SwapDoubles(&rhs[row], &rhs[col]);
        }
        double pivot = a[col * p + col];
        *determinant *= pivot;
        ClampDeterminant(determinant);
        if (pivot == 0.0) {
            // Every eligible element is 0: the system is singular. The variable of
            // this column is taken as 0 and nothing is eliminated, so the result
            // stays finite; the determinant (now 1e-20) raises the singular flag.
            for (int j = 0; j < p; ++j) a[col * p + j] = 0.0;
            rhs[col] = 0.0;
            continue;
        }
        a[col * p + col] = 1.0;
        for (int j = 0; j < p; ++j) a[col * p + j] /= pivot;
        rhs[col] /= pivot;
        for (int i = 0; i < p; ++i) {
            if (i == col) continue;
            double factor = a[i * p + col];
            a[i * p + col] = 0.0;
            for (int j = 0; j < p; ++j) a[i * p + j] -= factor * a[col * p + j];
            rhs[i] -= factor * rhs[col];
        }
    }
    for (int pass = p - 1; pass >= 0; --pass) {
        if (pivotRow[pass] == pivotCol[pass]) continue;
        for (int i = 0; i < p; ++i)
            SwapDoubles(&a[i * p + pivotRow[pass]], &a[i * p + pivotCol[pass]]);
    }
    for (int j = 0; j < p; ++j) solution[j] = rhs[j];
}

void CalcFitStats(const double* design, const double* y, const double* coefficients,
                  const double* inverse, int16_t n, int16_t p, double* fitted, double* residuals,
                  double* standardError, double* coefficientErrors, double* rSquared, double* r) {
    double sse = 0.0, sy = 0.0, syy = 0.0;
    for (int k = 0; k < n; ++k) {
        double f = 0.0;
        for (int j = 0; j < p; ++j) f += design[k * p + j] * coefficients[j];
        fitted[k] = f;
        residuals[k] = f - y[k];
        sse += residuals[k] * residuals[k];
        sy += y[k];
        syy += y[k] * y[k];
    }
    int dof = (n == p) ? 1 : n - p;
    double s = (sse > 0.0 && dof > 0) ? std::sqrt(sse / dof) : 0.0;
    *standardError = s;
    for (int j = 0; j < p; ++j) coefficientErrors[j] = std::sqrt(std::fabs(inverse[j * p + j])) * s;
    double spread = syy - sy * sy / n;
    if (spread == 0.0) {
        *rSquared = -99.0;
        *r = -99.0;
    } else {
        *rSquared = 1.0 - sse / spread;
        // A fit worse than the mean (possible only for a singular system) has no real R.
        *r = std::sqrt(std::fmax(*rSquared, 0.0));
    }
}

int FitLeastSquares(const double* regressors, const double* y, int16_t m, int16_t n,
                    double* coefficients, double* fitted, double* residuals, double* standardError,
                    double* coefficientErrors, double* rSquared, double* r, uint16_t* singular) {
    const int p = m + 1;
    if (m < 0 || n < 1 || n > kFitMaxRows || p > kFitMaxParams) return -1;

    double design[kFitMaxRows * kFitMaxParams] = {};
    double normal[kFitMaxParams * kFitMaxParams] = {};
    double inverse[kFitMaxParams * kFitMaxParams] = {};
    double rhs[kFitMaxParams] = {};
    for (int k = 0; k < n; ++k) {
        design[k * p] = 1.0;
        for (int j = 0; j < m; ++j) design[k * p + j + 1] = regressors[k * m + j];
    }
    CalcNormalMatrix(design, n, static_cast<uint16_t>(p), normal);
    CalcNormalVector(y, design, n, static_cast<int16_t>(p), rhs);
    double determinant = 1.0;
    GaussJordanSolve(normal, rhs, static_cast<int16_t>(p), coefficients, inverse, &determinant);
    CalcFitStats(design, y, coefficients, inverse, n, static_cast<int16_t>(p), fitted, residuals,
                 standardError, coefficientErrors, rSquared, r);
    *singular = determinant < 1e-07 ? 1 : 0;
    return 0;
}
