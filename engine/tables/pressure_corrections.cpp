// Pressure dependence of equilibrium constants: ln K(P) = ln K(1 bar) - dV dP / RT
// + dkappa dP^2 / 2RT, with the reaction volume dV (cm3/mol) and compressibility
// dkappa (1e-3 cm3/(mol bar)) as polynomials in degrees C (Millero, 1982, for the
// carbonate and sulfate minerals and the carbonic acid dissociation).
#include <cmath>

#include "engine/tables/equilibrium_constants.h"

namespace {

struct PressureTerm {
    int reaction;
    double kappa[4];   // compressibility change, cubic in t
    double volume[4];  // volume change, cubic in t
};

// In the order the corrections are applied.
constexpr PressureTerm kPressureTerms[] = {
    {12, {0.077, 0.2168, -0.001948, 1.2919e-5}, {-61.9, 0.20331, -0.002445, -6.03e-7}},  // calcite
    {21, {0.077, 0.2168, -0.001948, 1.2919e-5}, {-61.9, 0.20331, -0.002445, -6.03e-7}},  // aragonite
    {18, {17.831, -0.01543, -0.001601, 1.6839e-5}, {-47.45, 0.22428, -0.002207, -7.48e-7}},  // gypsum
    {17, {16.13, -0.00944, -0.0016524, 1.6713e-5}, {-54.92, 0.22108, -0.002334, -7.38e-7}},  // anhydrite
    {23, {16.13, -0.00944, -0.0016524, 1.6713e-5}, {-54.92, 0.22108, -0.002334, -7.38e-7}},  // CaSO4 pair
    {143, {17.834, -0.01159, -0.0017768, 1.7062e-5}, {-54.61, 0.1773, -0.001513, -3.722e-6}},  // celestite
    {144, {17.545, -0.01159, -0.0017768, 1.7062e-5}, {-57.11, 0.2643, -0.001798, -3.722e-6}},  // barite
    {35, {0.0, 0.0, 0.0, 0.0}, {-24.2, 0.085, 0.0, 0.0}},  // first dissociation of carbonic acid
    {68, {0.0, 0.0, 0.0, 0.0}, {-16.4, 0.04, 0.0, 0.0}},   // second dissociation
    {75, {-8.271, 0.00136, 0.0008468, -8.706e-6}, {10.17, -0.0781, 0.000688, 5.4e-7}},  // MgSO4 pair
    {64, {0.0, 0.0, 0.0, 0.0}, {-27.015, 0.0, 0.0, 0.0}},   // halite
    {145, {0.0, 0.0, 0.0, 0.0}, {-45.81, 0.0, 0.0, 0.0}},   // witherite
    {65, {0.0, 0.0, 0.0, 0.0}, {-53.33, 0.0, 0.0, 0.0}},    // thenardite
    {142, {0.0, 0.0, 0.0, 0.0}, {-39.01, 0.0, 0.0, 0.0}},   // strontianite
    {10, {0.0, 0.0, 0.0, 0.0}, {-28.08, 0.0, 0.0, 0.0}},    // magnesite
    {9, {0.0, 0.0, 0.0, 0.0}, {-29.378, 0.0, 0.0, 0.0}},    // siderite
};

double Cubic(const double (&c)[4], double t) { return c[0] + t * (c[1] + t * (c[2] + t * c[3])); }

constexpr int kTermCount = sizeof kPressureTerms / sizeof kPressureTerms[0];

// The corrections of the last conditions, kept with the constants they started from:
// a profile or grid returns to the same few temperatures and pressures, and every
// pass of one water to the same one.
struct KeptCorrection {
    bool valid;
    double temperatureC;
    double temperatureK;
    double pressureBar;
    double before[kTermCount];
    double k[kTermCount];
    double logK[kTermCount];
};

struct CorrectionCache {
    static constexpr int kSlots = 9;
    KeptCorrection slot[kSlots];
    int next = 0;
};

CorrectionCache kept;

bool Holds(const KeptCorrection& c, double temperatureC, double temperatureK, double pressureBar,
           const double* before) {
    if (!c.valid || c.temperatureC != temperatureC || c.temperatureK != temperatureK ||
        c.pressureBar != pressureBar)
        return false;
    for (int i = 0; i < kTermCount; ++i)
        if (c.before[i] != before[i]) return false;
    return true;
}

}  // namespace

void ApplyPressureCorrections(double temperatureC, double temperatureK, double pressureBar,
                              double* reactionLogK, double* reactionK) {
    double before[kTermCount];
    for (int i = 0; i < kTermCount; ++i) before[i] = reactionK[kPressureTerms[i].reaction];
    for (const KeptCorrection& c : kept.slot) {
        if (!Holds(c, temperatureC, temperatureK, pressureBar, before)) continue;
        for (int i = 0; i < kTermCount; ++i) {
            reactionK[kPressureTerms[i].reaction] = c.k[i];
            reactionLogK[kPressureTerms[i].reaction] = c.logK[i];
        }
        return;
    }

    const double dP = pressureBar - 1.0;
    // R T in cm3 bar / mol is 83.15 T; 2 R T is 166.3 T.
    const double compressionScale = 0.001 * dP * dP / (166.3 * temperatureK);
    const double volumeScale = dP / (83.15 * temperatureK);
    KeptCorrection& c = kept.slot[kept.next];
    kept.next = (kept.next + 1) % CorrectionCache::kSlots;
    for (int i = 0; i < kTermCount; ++i) {
        const PressureTerm& term = kPressureTerms[i];
        const double lnFactor = Cubic(term.kappa, temperatureC) * compressionScale -
                                Cubic(term.volume, temperatureC) * volumeScale;
        reactionK[term.reaction] *= std::exp(lnFactor);
        reactionLogK[term.reaction] = std::log10(reactionK[term.reaction]);
        c.k[i] = reactionK[term.reaction];
        c.logK[i] = reactionLogK[term.reaction];
    }
    c.valid = true;
    c.temperatureC = temperatureC;
    c.temperatureK = temperatureK;
    c.pressureBar = pressureBar;
    for (int i = 0; i < kTermCount; ++i) c.before[i] = before[i];
}
