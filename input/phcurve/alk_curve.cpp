// The user's pH-alkalinity curve: its byte form and the refit of its pairs.
#include "input/phcurve/alk_curve.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <iterator>

#include "common/result_status.h"
#include "engine/records.h"
#include "engine/workspace/least_squares.h"
#include "shell/records.h"

namespace {

int StoredCount(int16_t count) {
    return std::clamp<int>(count, 0, kAlkCurvePairCount);
}

// A fit value as the curve keeps it: 0 when its magnitude is 1e-32 or less;
// 0 with `bad` set when it is not a finite float.
float Kept(double v, bool& bad) {
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) {
        bad = true;
        return 0.0f;
    }
    return std::fabs(v) > 1e-32 ? static_cast<float>(v) : 0.0f;
}

}  // namespace

AlkCurveCopy TakeAlkCurve() {
    return AlkCurveCopy{alkCurvePoints, alkCurveFit, userAlkCurve};
}

void PutAlkCurve(const AlkCurveCopy& copy) {
    alkCurvePoints = copy.points;
    alkCurveFit = copy.fit;
    userAlkCurve = copy.coefficients;
}

bool SameAlkCurve(const AlkCurveCopy& a, const AlkCurveCopy& b) {
    uint8_t x[kAlkCurveBytes], y[kAlkCurveBytes];
    bytes::Writer wx(x, sizeof x), wy(y, sizeof y);
    EncodeAlkCurve(a, wx);
    EncodeAlkCurve(b, wy);
    return std::memcmp(x, y, sizeof x) == 0;
}

void EncodeAlkCurve(const AlkCurveCopy& c, bytes::Writer& out) {
    const AlkCurvePoints& p = c.points;
    const AlkCurveFit& f = c.fit;
    for (const auto& pair : p.pair)
        for (float v : pair) out.F32(v);
    out.F32(c.coefficients.intercept);
    out.F32(c.coefficients.linear);
    out.F32(c.coefficients.reciprocal);
    out.F32(c.coefficients.logSlope);
    for (float v : f.fitted) out.F32(v);
    for (float v : f.residual) out.F32(v);
    out.F32(f.standardError);
    for (float v : f.coefficientError) out.F32(v);
    out.F32(f.rSquared);
    out.F32(f.r);
    out.I16(p.count);
    out.Raw(&p.singular, 1);
}

void DecodeAlkCurve(bytes::Reader& in, AlkCurveCopy& c) {
    AlkCurvePoints& p = c.points;
    AlkCurveFit& f = c.fit;
    for (auto& pair : p.pair)
        for (float& v : pair) v = in.F32();
    c.coefficients.intercept = in.F32();
    c.coefficients.linear = in.F32();
    c.coefficients.reciprocal = in.F32();
    c.coefficients.logSlope = in.F32();
    for (float& v : f.fitted) v = in.F32();
    for (float& v : f.residual) v = in.F32();
    f.standardError = in.F32();
    for (float& v : f.coefficientError) v = in.F32();
    f.rSquared = in.F32();
    f.r = in.F32();
    const int16_t count = in.I16();
    p.count = count == StoredCount(count) ? count : int16_t{0};
    in.Raw(&p.singular, 1);
}

bool IsValidAlkPair(float alkalinity, float ph) {
    return alkalinity > 0.0f && ph > 0.0f && ph <= 14.0f;
}

void FitStoredAlkPairs() {
    AlkCurvePoints& p = alkCurvePoints;
    AlkCurveFit& f = alkCurveFit;
    const int n = StoredCount(p.count);
    if (n == 0) return;
    double x[kAlkCurvePairCount] = {}, y[kAlkCurvePairCount] = {};
    for (int i = 0; i < n; ++i) {
        y[i] = p.pair[i][0];
        x[i] = p.pair[i][1] > 0.0f ? std::log10(static_cast<double>(p.pair[i][1])) : 0.0;
    }
    bool bad = false;
    if (n == 1) {
        // A custom version of the default model: its slope through the one pair.
        f.fitted[0] = p.pair[0][0];
        userAlkCurve = AlkCurveCoefficients{Kept(y[0] - kSinglePairSlope * x[0], bad), 0.0f, 0.0f,
                                            static_cast<float>(kSinglePairSlope)};
        if (bad) p.singular = 1;
        return;
    }
    std::fill(std::begin(f.fitted), std::end(f.fitted), 0.0f);
    std::fill(std::begin(f.residual), std::end(f.residual), 0.0f);
    std::fill(std::begin(f.coefficientError), std::end(f.coefficientError), 0.0f);
    userAlkCurve = AlkCurveCoefficients{};
    double coefficients[2] = {}, fitted[kAlkCurvePairCount] = {},
           residuals[kAlkCurvePairCount] = {}, errors[2] = {};
    double standardError = 0.0, rSquared = 0.0, r = 0.0;
    uint16_t singular = 0;
    if (FitLeastSquares(x, y, 1, static_cast<int16_t>(n), coefficients, fitted, residuals,
                        &standardError, errors, &rSquared, &r, &singular) != 0)
        singular = 1;
    userAlkCurve.intercept = Kept(coefficients[0], bad);
    userAlkCurve.logSlope = Kept(coefficients[1], bad);
    for (int i = 0; i < n; ++i) {
        f.fitted[i] = Kept(fitted[i], bad);
        f.residual[i] = Kept(residuals[i], bad);
    }
    f.standardError = Kept(standardError, bad);
    f.coefficientError[0] = Kept(errors[0], bad);
    f.coefficientError[1] = Kept(errors[1], bad);
    f.rSquared = Kept(rSquared, bad);
    f.r = Kept(r, bad);
    p.singular = singular != 0 || bad ? 1 : 0;
}

void EvalAlkpHCurve() {
    if (StoredCount(alkCurvePoints.count) == 0) return;
    FitStoredAlkPairs();
    resultStatus.alkCurveEntered = 1;
    mainWindowState.dataChanged = 1;
}
