#include "reporttext/format/carbonic_acid_display.h"

#include "common/unit_codes.h"
#include "reporttext/format/format_value.h"

namespace {

constexpr double kCo2MolarMass = 44.01;
constexpr double kH2co3MolarMass = 62.03;
constexpr double kCaCO3PerEquivalent = 50.0445;  // mg of CaCO3 per meq
// Units of the acidity modes per meq/L: the engine reads 1 ml of N/30 acid as
// 1/3 meq/L, a French degree as 10 mg/L and a German degree as 17.9 mg/L as CaCO3.
constexpr double kMlPerMeq = 3.0;
constexpr double kFrenchDegree = 10.0;
constexpr double kGermanDegree = 17.9;

double FromMeqPerL(double meq, int mode) {
    switch (mode) {
        case 1: return meq * kCaCO3PerEquivalent;
        case 4: return meq * kMlPerMeq;
        case 5: return meq;
        case 6: return meq * kCaCO3PerEquivalent / kFrenchDegree;
        case 7: return meq * kCaCO3PerEquivalent / kGermanDegree;
        default: return meq;
    }
}

}  // namespace

// A value the engine could not compute stays that mark in every basis and form.
double CarbonicAcidInBasis(double h2co3MgKg, int reportingMode, double resultScale) {
    if (IsUndefinedValue(h2co3MgKg)) return h2co3MgKg;
    const bool perKilogram =
        reportingMode == ReportingMode::kPpm || reportingMode == ReportingMode::kEpm;
    return !perKilogram && resultScale > 0.0 ? h2co3MgKg * resultScale : h2co3MgKg;
}

double CarbonicAcidAsCo2(double h2co3MgL) {
    if (IsUndefinedValue(h2co3MgL)) return h2co3MgL;
    return h2co3MgL * kCo2MolarMass / kH2co3MolarMass;
}

double CarbonicAcidShown(double h2co3MgL, int mode) {
    if (IsUndefinedValue(h2co3MgL)) return h2co3MgL;
    switch (mode) {
        case 2:
        case 3: return CarbonicAcidAsCo2(h2co3MgL);
        case 1:
        case 4:
        case 5:
        case 6:
        case 7: return FromMeqPerL(h2co3MgL / kH2co3MolarMass, mode);
        default: return h2co3MgL;
    }
}
