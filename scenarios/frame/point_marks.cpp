// Points no water can be: the bounds, the marks and the message.
#include "scenarios/frame/point_marks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/unit_codes.h"
#include "scenarios/frame/driver_frame.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/frame/point_steps.h"

namespace {
namespace AE = AnalysisElement;

constexpr double kHighestPh = 14.0;
// A litre of water weighs its specific gravity in kilograms: no more of it
// than that is dissolved solids.
constexpr double kMgPerKg = 1.0e6;
constexpr double kDensestWater = 2.5;  // the densest the forms take
// CO2 dissolves about 3,400 mg/L an atmosphere near freezing; twice that is
// far past it. A water saturated under liquid CO2 holds about half of the cap.
constexpr double kCo2PerAtm = 2.0 * 3400.0;
constexpr double kMostCo2 = 150000.0;
// The saltiest brines conduct some 250,000 micromhos/cm (a few hundred
// thousand per metre): ten million is no water in any unit the pages take.
constexpr double kMostConductivity = 1.0e7;

bool NoNumber(double v) {
    return !std::isfinite(v) || std::fabs(v) >= static_cast<double>(kNotCalculated);
}

// The elements an analysis row holds as the point's calculation left them.
constexpr int kCalculatedElements[] = {
    AE::kAlkalinity,    AE::kMAlkalinity,    AE::kPAlkalinity,   AE::kCarbonateAlkalinity,
    AE::kH2CO3,         AE::kBicarbonate,    AE::kCarbonate,     AE::kAlkalinityEq,
    AE::kIonicStrength, AE::kTotalCarbonate, AE::kConductivity, AE::kAcidity};

}  // namespace

bool IsNotCalculated(float value) {
    return NoNumber(value);
}

bool BeyondAnyWater(const PointFigures& p) {
    for (double v : {p.ph, p.tds, p.dissolvedCo2, p.conductivity})
        if (NoNumber(v)) return true;
    if (p.ph < 0.0 || p.ph > kHighestPh) return true;
    if (p.conductivity > kMostConductivity) return true;
    const double gravity = p.gravity > 0.0 && std::isfinite(p.gravity) ? p.gravity : kDensestWater;
    if (p.tds > gravity * kMgPerKg) return true;
    const double atm = std::isfinite(p.pressureAtm) ? std::max(1.0, p.pressureAtm) : 1.0;
    // A CO2 partial pressure set above the water's own pressure (a pCO2 axis
    // a user carries that far) dissolves what its own pressure puts in, but
    // no gas puts more in a litre than the most any water holds.
    const double gas = std::isfinite(p.gasAtm) ? p.gasAtm : 0.0;
    return p.dissolvedCo2 > std::min(kCo2PerAtm * std::max(atm, gas), kMostCo2);
}

PointFigures FiguresOfPoint(const float* analysis, const float* results, float dissolvedCo2,
                            PointUnits units) {
    // The gas's own pressure where it is held as one (CO2 unit codes 0 to 3).
    const double total = PressureInBar(analysis[AE::kPressure], units.pressure);
    const double gas =
        units.gasCo2 <= 3 ? PressureInBar(analysis[AE::kPco2], units.gasCo2) : 0.0;
    return {analysis[AE::kPh],
            results[35],
            analysis[AE::kDensity],
            dissolvedCo2,
            total / 1.01325,
            gas / 1.01325,
            analysis[AE::kConductivity]};
}

void MarkAnalysisNotCalculated(float* analysis, GivenConditions given) {
    for (int e : kCalculatedElements) analysis[e] = kNotCalculated;
    if (!given.ph) analysis[AE::kPh] = kNotCalculated;
    if (!given.pco2) analysis[AE::kPco2] = kNotCalculated;
}

void MarkNotCalculated(float* values, int count) {
    std::fill(values, values + count, kNotCalculated);
}

void MarkRowsNotCalculated(float (&analysis)[kResultRowValues], float (&results)[kResultRowValues],
                           float (&excess)[kIndicatorRowValues],
                           float (&corrosion)[kCorrosionRowValues], GivenConditions given) {
    MarkAnalysisNotCalculated(analysis, given);
    MarkNotCalculated(results, kResultRowValues);
    MarkNotCalculated(excess, kIndicatorRowValues);
    MarkNotCalculated(corrosion, kCorrosionRowValues);
}

bool MarkProfilePointIfBeyond(ProfileTable& t, int k, PointUnits units, GivenConditions given) {
    if (!MarkPointIfBeyond(t, k, units, given)) return false;
    t.acidDose[k] = t.alkaliDose[k] = kNotCalculated;
    return true;
}

bool MarkGridCellIfBeyond(GridTable& g, int n, float dissolvedCo2, PointUnits units,
                          GivenConditions given) {
    if (!BeyondAnyWater(FiguresOfPoint(g.analysis[n], g.results[n], dissolvedCo2, units)))
        return false;
    MarkRowsNotCalculated(g.analysis[n], g.results[n], g.excess[n], g.corrosion[n], given);
    for (float* v : {&g.bicarbonate[n], &g.carbonate[n], &g.acidDose[n], &g.alkaliDose[n],
                     &g.dose[n]})
        *v = kNotCalculated;
    return true;
}

bool ProfilePointNotCalculated(const ProfileTable& t, int k) {
    return IsNotCalculated(t.results[k][35]);
}

bool GridCellNotCalculated(const GridTable& g, int n) {
    return IsNotCalculated(g.results[n][35]);
}

bool WaterBeyondAnyWater(const float* analysis, const float* results) {
    const PointUnits units{unitCodes.code[UnitItem::kPressure], unitCodes.code[UnitItem::kGasCo2]};
    PointFigures f = FiguresOfPoint(analysis, results, analysis[AE::kAcidity], units);
    // A pH of -1 is a pH still to be found from the pCO2, not a figure.
    if (analysis[AE::kPh] == -1.0f) f.ph = 7.0;
    return BeyondAnyWater(f);
}

void MarkWaterAnalysisNotCalculated(float* analysis) {
    const double ph = analysis[AE::kPh];
    const double pco2 = analysis[AE::kPco2];
    MarkAnalysisNotCalculated(
        analysis, {!NoNumber(ph) && ph >= 0.0 && ph <= kHighestPh, !NoNumber(pco2) && pco2 >= 0.0});
}

std::string WaterNotCalculatedText(const std::string& water) {
    return water +
           " could not be calculated: it came to figures no water holds (a pH outside 0 to 14, "
           "dissolved solids past its own mass, or dissolved CO2 far past what its gas "
           "dissolves). Its pages show N/A; please check the water's analysis.";
}

bool TellWaterIfNotCalculated(win::HWND owner, const std::string& water, const float* analysis,
                              const float* results) {
    if (!WaterBeyondAnyWater(analysis, results)) return false;
    (void)DriverMessageBox(owner, WaterNotCalculatedText(water).c_str(),
                           DriverText::kWarningCaption, win::MB_OK | win::MB_ICONINFORMATION);
    return true;
}

std::string PointsNotCalculatedText(int marked, int points) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "%d of the %d points could not be calculated: the water came to figures no "
                  "water holds (a pH outside 0 to 14, dissolved solids past its own mass, or "
                  "dissolved CO2 far past what its gas dissolves). They show N/A and are left "
                  "out of the graphs; please check the water's analysis.",
                  marked, points);
    return text;
}

void TellPointsNotCalculated(win::HWND owner, int marked, int points) {
    if (marked == 0) return;
    (void)DriverMessageBox(owner, PointsNotCalculatedText(marked, points).c_str(),
                           DriverText::kWarningCaption, win::MB_OK | win::MB_ICONINFORMATION);
}
