// Which values of a water blend by mass.
#include "scenarios/frame/blend_basis.h"

#include "common/unit_codes.h"
#include "common/water_analysis.h"

namespace {

namespace AE = AnalysisElement;

// The carbonate figures of the water's calculation, per kilogram.
bool IsCalculatedCarbonate(int e) {
    switch (e) {
        case AE::kCarbonateAlkalinity:
        case AE::kH2CO3:
        case AE::kBicarbonate:
        case AE::kCarbonate:
        case AE::kAlkalinityEq:
        case AE::kTotalCarbonate:
        case AE::kAcidity:
            return true;
        default:
            return false;
    }
}

// An amount in the reporting basis: an ion or an alkalinity.
bool IsBasisAmount(int e) {
    switch (e) {
        case AE::kTemperature:
        case AE::kReportingMode:
        case AE::kSpeciesGiven:
        case AE::kAlkalinityMode:
        case AE::kPH2S:
        case AE::kIonicStrength:
        case AE::kConductivity:
        case AE::kPressure:
        case AE::kPco2:
        case AE::kDensity:
        case AE::kCompanionPh:
        case AE::kResultScale:
        case AE::kBrineFlow:
        case AE::kOilFlow:
        case AE::kGasFlow:
            return false;
        default:
            return e > AE::kPh && e <= AE::kOxalate;
    }
}

}  // namespace

bool BlendsByMass(int e, uint16_t reportingMode) {
    if (IsCalculatedCarbonate(e)) return true;
    const bool perKilogram =
        reportingMode == ReportingMode::kPpm || reportingMode == ReportingMode::kEpm;
    return perKilogram && IsBasisAmount(e);
}

double SpecificGravity(const float* water) {
    const double gravity = water[AE::kResultScale];
    return gravity > 0.0 ? gravity : 1.0;
}

MixedSpecies SpeciesOfWater(const float* water, const WaterCarbonate& kept) {
    if (kept.hco3 + kept.co3 + kept.dissolvedCo2 > 0.0f)
        return {kept.hco3, kept.co3, kept.dissolvedCo2};
    return {water[AnalysisElement::kBicarbonate], water[AnalysisElement::kCarbonate],
            water[AnalysisElement::kAcidity]};
}
