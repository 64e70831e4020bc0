// The user's pH-alkalinity curve as one record: the pairs in alkCurvePoints,
// their fit in alkCurveFit, the coefficients the engine reads in userAlkCurve. Its
// 247-byte form (the work file keeps it whole), a copy of all of it, and the
// refit that the input dialog and EvalAlkpHCurve share.
#pragma once

#include <cstdint>

#include "common/byte_io.h"
#include "engine/carbonate/carbonate_records.h"
#include "input/phcurve/alk_curve_records.h"
#include "input/records.h"

constexpr uint32_t kAlkCurveBytes = 247;
// The slope of the default model, which a single pair takes.
constexpr double kSinglePairSlope = 1.43;

// Offsets within the 247 bytes.
namespace AlkCurveLayout {
enum : uint32_t {
    kPairs = 0,           // 10 x (f32 pH, f32 M alkalinity, f32 predicted pH as typed)
    kCoefficients = 120,  // f32[4]: intercept, 0, 0, slope
    kFitted = 136,
    kResiduals = 176,
    kStandardError = 216,
    kCoefficientErrors = 220,
    kRSquared = 236,
    kR = 240,
    kCount = 244,     // i16
    kSingular = 246,  // u8
};
}

// Everything of the curve; the dialog keeps one as its opening copy.
struct AlkCurveCopy {
    AlkCurvePoints points;
    AlkCurveFit fit;
    AlkCurveCoefficients coefficients;
};
[[nodiscard]] AlkCurveCopy TakeAlkCurve();
void PutAlkCurve(const AlkCurveCopy& copy);
[[nodiscard]] bool SameAlkCurve(const AlkCurveCopy& a, const AlkCurveCopy& b);

// A curve in its 247 bytes, and back (a count outside 0..10 reads as 0).
void EncodeAlkCurve(const AlkCurveCopy& curve, bytes::Writer& out);
void DecodeAlkCurve(bytes::Reader& in, AlkCurveCopy& curve);

// Alkalinity above 0 and pH above 0 up to 14.
[[nodiscard]] bool IsValidAlkPair(float alkalinity, float ph);

// Fits the first `count` stored pairs (1 or more): one pair gives the default
// model's slope through it, two or more a least-squares line of pH on
// log10(alkalinity) with its statistics. A value that is not finite is stored
// as 0 and marks the fit singular. Nothing changes for a count of 0.
void FitStoredAlkPairs();

// The stored pairs fitted again without a dialog; marks the curve entered and
// the workspace changed when there is a pair.
void EvalAlkpHCurve();
