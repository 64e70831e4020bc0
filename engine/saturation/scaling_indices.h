// The classic carbonate scaling indices: the saturation pH of calcite with the
// Langelier and Ryznar indices, Puckorius, Stiff-Davis and Oddo-Tomson, and the
// Larson-Skold corrosivity ratio.
#pragma once

#include "engine/speciation/speciated_water.h"

// Values of a failed saturation pH and of indices without calcium or alkalinity.
constexpr double kNoLangelier = -14.0;
constexpr double kNoRyznar = 14.0;
constexpr double kNoPuckorius = 14.0;
constexpr double kNoStiffDavis = -14.0;  // also Oddo-Tomson
constexpr double kNoLarsonSkold = 99.0;

// Saturation pH of calcite pHs, solved by fixed-point passes that account for the
// hydrogen and hydroxide ions at the estimate (at most 24). caT and ta are total
// calcium (mol/kg) and total alkalinity (eq/kg); mOH, mH, gammaH, gammaOH and pH
// describe the water; k2 and kw are the second carbonic acid constant and the ion
// product of water; kc is log10 of the conditional calcite solubility product
// K / (g(Ca) g(CO3)). Langelier = pH - pHs, Ryznar = 2 pHs - pH; without calcium,
// alkalinity or carbonate alkalinity pHs is 0, Langelier -14 and Ryznar 14.
void CalcSaturationPh(double caT, double ta, double mOH, double mH, double gammaH, double gammaOH,
                      double pH, double k2, double kw, double kc, double& ryznar, double& langelier,
                      double& pHs);

// The Stiff-Davis K at ionic strength I (mol/kg) and t (degrees C): bilinear
// interpolation in the Stiff-Davis table, extrapolated beyond its edges.
void InterpolateStiffDavisK(double ionicStrength, double tC, double& kSD);

struct ScalingIndices {
    double saturationPh;  // pHs, 0 when it could not be formed
    double langelier;
    double ryznar;
    double puckorius;
    double larsonSkold;
    double stiffDavis;
    double oddoTomson;
};

// All indices of one water. alkalinityAsCaCO3 is the total alkalinity (mg/L as
// CaCO3) that the Puckorius equilibrium pH is formed from.
ScalingIndices CalcScalingIndices(const SpeciatedWater& w, double alkalinityAsCaCO3);
