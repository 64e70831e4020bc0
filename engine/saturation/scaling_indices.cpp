// Carbonate scaling indices of one water.
//
// Langelier (1936) and Ryznar (1944) compare the water's pH with the saturation pH
// of calcite; Puckorius (1983) replaces the measured pH with an equilibrium pH
// formed from the total alkalinity; Stiff and Davis (1952) carry the Langelier idea
// to brines with an empirical K in ionic strength and temperature; Oddo and Tomson
// (1982) add pressure, in psia. Larson and Skold (1958) rate corrosivity by the equivalents
// of sulfate and chloride over those of carbonate and bicarbonate.
#include "engine/saturation/scaling_indices.h"

#include <cmath>

#include "engine/saturation/log_products.h"
#include "engine/tables/power_of_ten.h"

namespace {

constexpr int kMaxSaturationPhPasses = 24;

// Stiff-Davis K: 11 temperatures (degrees C) by 10 ionic strengths (0 to 3.6 mol/kg
// in steps of 0.4).
constexpr int kSdRows = 11;
constexpr int kSdColumns = 10;
constexpr double kSdTemperatures[kSdRows] = {0, 10, 20, 25, 30, 40, 50, 60, 70, 80, 90};
constexpr double kSdIonicStep = 0.4;
constexpr double kSdTable[kSdRows][kSdColumns] = {
    {2.9, 3.35, 3.7, 3.8, 3.8, 3.25, 3.67, 3.52, 3.37, 3.22},
    {2.7, 3.32, 3.58, 3.67, 3.65, 3.6, 3.5, 3.38, 3.24, 3.11},
    {2.55, 3.17, 3.47, 3.57, 3.55, 3.48, 3.37, 3.22, 3.08, 2.93},
    {2.43, 3.04, 3.3, 3.43, 3.44, 3.37, 3.26, 3.1, 2.93, 2.8},
    {2.34, 2.92, 3.2, 3.3, 3.32, 3.28, 3.13, 3.02, 2.86, 2.7},
    {2.2, 2.72, 3.0, 3.12, 3.1, 3.07, 2.94, 2.78, 2.6, 2.39},
    {1.93, 2.48, 2.73, 2.83, 2.84, 2.78, 2.67, 2.5, 2.3, 2.08},
    {1.75, 2.16, 2.4, 2.46, 2.52, 2.48, 2.34, 2.2, 1.96, 1.72},
    {1.4, 1.87, 2.1, 2.2, 2.19, 2.1, 1.96, 1.83, 1.6, 1.35},
    {1.12, 1.52, 1.72, 1.82, 1.83, 1.77, 1.67, 1.46, 1.21, 0.9},
    {0.9, 1.23, 1.37, 1.43, 1.42, 1.35, 1.22, 1.03, 0.75, 0.44},
};

// The lower edge of the band that holds v: the last edge that v reaches, the first
// band below the first edge and the last band above the last edge, so values
// outside the table extrapolate from the end bands.
int LowerEdge(const double* edges, int count, double v) {
    int lower = 0;
    for (int i = 1; i < count - 1; ++i)
        if (v >= edges[i]) lower = i;
    return lower;
}

// log10 of a total, or 0 for a total that is not above 0.
double LogOrZero(double total) {
    return total > 0.0 ? std::log10(total) : 0.0;
}

// The saturation pH with log10 TA given (its value for a positive TA is all that is
// read): the indices take the same logarithm.
void SaturationPh(double caT, double ta, double logTa, double mOH, double mH, double gammaH,
                  double gammaOH, double pH, double k2, double kw, double kc, double& ryznar,
                  double& langelier, double& pHs) {
    const double s = ta + mOH - mH;
    if (!(caT > 0.0) || !(ta > 0.0) || !(s > 0.0)) {
        pHs = 0.0;
        langelier = kNoLangelier;
        ryznar = kNoRyznar;
        return;
    }
    // kc - log K2 - log CaT - log gH, the part of every estimate that stays.
    const double fixedPart = kc - Log10OfPowers<1, 1, 1>(k2, caT, gammaH);
    double x = fixedPart - logTa;
    double h = Exp10(-x);
    double mHx = h / gammaH;
    double mOHx = kw / (h * gammaOH);
    double estimate = x;
    for (int pass = 0; pass < kMaxSaturationPhPasses; ++pass) {
        // Carbonate alkalinity of the water at the estimated pH.
        const double y = s - mOHx + mHx;
        if (!(y > 0.0)) {
            pHs = 0.0;
            langelier = kNoLangelier;
            ryznar = kNoRyznar;
            return;
        }
        // The estimate less log y plus log(1 + 2 K2 / h), and the half-way
        // correction log(1 + 2 K2 / h) - log(1 + K2 / h), each as one logarithm.
        const double bicarbonate = 1.0 + 2.0 * k2 / mHx;
        const double p = fixedPart + Log10OfPowers<1, -1>(bicarbonate, y);
        const double d = Log10OfPowers<1, -1>(bicarbonate, 1.0 + k2 / mHx);
        if (std::fabs(d) < 0.0001) {
            estimate = p;
            break;
        }
        estimate = p + d / 2.0;
        if (std::fabs(x - estimate) < 1e-6) break;
        x = estimate;
        h = Exp10(-x);
        mHx = h / gammaH;
        mOHx = kw / (h * gammaOH);
    }
    pHs = estimate;
    langelier = pH - pHs;
    ryznar = 2.0 * pHs - pH;
}

}  // namespace

void CalcSaturationPh(double caT, double ta, double mOH, double mH, double gammaH, double gammaOH,
                      double pH, double k2, double kw, double kc, double& ryznar, double& langelier,
                      double& pHs) {
    SaturationPh(caT, ta, LogOrZero(ta), mOH, mH, gammaH, gammaOH, pH, k2, kw, kc, ryznar,
                 langelier, pHs);
}

void InterpolateStiffDavisK(double ionicStrength, double tC, double& kSD) {
    double columnEdges[kSdColumns];
    for (int j = 0; j < kSdColumns; ++j) columnEdges[j] = j * kSdIonicStep;
    const int row = LowerEdge(kSdTemperatures, kSdRows, tC);
    const int column = LowerEdge(columnEdges, kSdColumns, ionicStrength);
    const double tFraction =
        (tC - kSdTemperatures[row]) / (kSdTemperatures[row + 1] - kSdTemperatures[row]);
    const double iFraction = (ionicStrength - columnEdges[column]) / kSdIonicStep;
    const auto alongT = [&](int j) {
        return kSdTable[row][j] + tFraction * (kSdTable[row + 1][j] - kSdTable[row][j]);
    };
    const double low = alongT(column);
    const double high = alongT(column + 1);
    kSD = low + iFraction * (high - low);
}

ScalingIndices CalcScalingIndices(const SpeciatedWater& w, double alkalinityAsCaCO3) {
    ScalingIndices r{};
    const double caT = w.calciumTotal;
    const double ta = w.alkalinityTotal;

    const double logTa = LogOrZero(ta);
    const double kc = std::log10(w.K(Rx::kCalcite) / (w.G(Ion::kCa) * w.G(Ion::kCO3)));
    SaturationPh(caT, ta, logTa, w.M(Ion::kOH), w.M(Ion::kH), w.G(Ion::kH), w.G(Ion::kOH), w.ph,
                 w.K(Rx::kCarbonicAcid2), w.K(Rx::kWater), kc, r.ryznar, r.langelier,
                 r.saturationPh);

    // Puckorius: the equilibrium pH of a cooling water from its total alkalinity.
    double equilibriumPh = 4.54;
    if (ta > 1e-9 && alkalinityAsCaCO3 > 0.0)
        equilibriumPh = 4.54 + 1.465 * std::log10(alkalinityAsCaCO3);
    r.puckorius =
        (caT > 0.0 && w.carbonateTotal > 0.0) ? 2.0 * r.saturationPh - equilibriumPh : kNoPuckorius;

    const double carbonateEq = 2.0 * w.carbonateTotal + w.bicarbonateTotal;
    r.larsonSkold = (w.carbonateTotal + w.bicarbonateTotal > 0.0)
                        ? (2.0 * w.sulfateTotal + w.chlorideTotal) / carbonateEq
                        : kNoLarsonSkold;

    const double logCa = LogOrZero(caT);
    if (!(w.ionicStrength > 0.0) || logCa == 0.0 || logTa == 0.0) {
        r.stiffDavis = kNoStiffDavis;
        r.oddoTomson = kNoStiffDavis;
    } else {
        double kSD = 0.0;
        InterpolateStiffDavisK(w.ionicStrength, w.temperatureC, kSD);
        r.stiffDavis = w.ph - kSD + logCa + logTa;
        const double tF = w.temperatureF;
        const double i = w.ionicStrength;
        r.oddoTomson = w.ph + logCa + logTa - 2.76 + 0.00998 * tF + 6.1e-7 * tF * tF -
                       3.03e-5 * w.pressurePsia - 2.348 * w.sqrtIonicStrength + 0.77 * i;
    }
    return r;
}
