// The carbonate species of the working analysis and the pH estimates built on
// them: storing given species and deriving total carbonate and alkalinity,
// splitting total carbonate at a pH, estimating a pH from the alkalinity by the
// chosen prediction method, solving the carbonate charge balance for pH, and
// searching the alkalinity that gives a target pH.
//
// The overloads that take a CarbonateContext work on the records it names; the
// others bind the engine's global records.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "common/whatif_settings.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/carbonate/carbonate_state.h"

struct CarbonateContext {
    WaterAnalysis& analysis;  // the working analysis
    const CarbonateState& constants;
    const PhControlSettings& control;  // phPredictionMethod
    const UnitCodes& units;            // the temperature unit
    uint16_t reportingMode;
    uint16_t alkalinityMode;
    const AlkCurveCoefficients& userCurve;
    const AlkCurveCoefficients& extrapolatedCurve;
    const SavedCarbonateConstants (&savedConstants)[SavedWater::kCount];
    float& dissolvedCO2Copy;
};

// pH prediction methods (phPredictionMethod).
namespace PhPrediction {
enum : uint16_t {
    kLogAlkalinity = 0,  // 1.43 log10(A') + 4.5
    kUserCurve = 1,      // userAlkCurve
    kProduction = 2,     // 1.7177 log10(A') + 4.1333
    kExtrapolated = 3,   // extrapolatedAlkCurve
    kFromSpecies = 4,    // SolvepHStep on the carbonate species
    kNone = 5,
    kLogAlkalinity2 = 6,  // 1.477551 log10(A') + 5.0994143
};
}

// Stores carbonate, bicarbonate and carbonic acid (mg/L), derives total
// carbonate, the alkalinities and the displayed M/P pair, estimates the pH when
// element 0 is negative (writing it there) and respeciates at that pH. Returns 0.
int32_t SetCarbonateSpecies(CarbonateContext& ctx, float carbonate, float bicarbonate,
                            float carbonicAcid);
// The same without carbonic acid and without respeciating. Returns 0.
int32_t CalcAlkFromSpecies(CarbonateContext& ctx, float carbonate, float bicarbonate);
// Bicarbonate (as mg/L CaCO3) that respeciating the species at `pH` turns into
// other forms; element 0 is left as it was. Returns 0.
int32_t CalcAlkAtpH(CarbonateContext& ctx, float ignored, float pH, float carbonate,
                    float bicarbonate, float carbonicAcid, float ignored2, float ignored3,
                    float ignored4, float& result);
// Splits the species' total carbonate at `pH` with the constants kept for the
// stored water `water` (1 injection, 2 formation, 0, 4, negative and above 5 the
// surface water, 3 and 5 the constants of the last reference pass); writes the pH
// and the three species into the analysis and the outputs. Returns 0.
int32_t SplitCarbonate(CarbonateContext& ctx, int32_t water, float pH, float carbonate,
                       float bicarbonate, float carbonicAcid, float& carbonateOut,
                       float& bicarbonateOut, float& carbonicAcidOut);

// Estimates the pH of the analysis from its alkalinity (element 1) and carbonate
// by the prediction method. Leaves `pHOut` unchanged when the method gives no
// estimate or the estimate is not a finite pH.
void EstimatepH(CarbonateContext& ctx, float& pHOut);
// pH of the alkalinity by the prediction method: -1 (output unchanged) for an
// alkalinity that is not positive or a curve with no finite pH, else 0.
int32_t pHFromAlk(const CarbonateContext& ctx, float& pHOut, float alkalinity);
// Alkalinity that gives `targetPh` by pHFromAlk, searched from the start point:
// 0 when found, -1 when not (with 0 when even the least alkalinity is too basic,
// else the last trial, in `alkalinityOut`).
int32_t SolveAlkForpH(const CarbonateContext& ctx, float startPh, float targetPh,
                      float startAlkalinity, float& alkalinityOut);
// pH from one carbonic acid pair (mg/L): H2CO3/HCO3- when carbonate is at most
// twice the bicarbonate (as mol), else HCO3-/CO3--. Returns 1 with pH 0 when no
// finite pH follows (no bicarbonate, no carbonic acid), else 0.
int32_t SolvepHStep(const CarbonateState& constants, float carbonicAcid, float bicarbonate,
                    float carbonate, float& pHOut);
// pH at which the carbonate acidity and alkalinity (eq/L) balance, searched by
// halving steps between pH 0 and 14. `mode` is 0 at every call. Returns 0.
int32_t SolvepHFromCarbonate(const CarbonateState& constants, int32_t mode, float acidity,
                             float alkalinity, float& pHOut);

// The same on the engine's global records.
int32_t SetCarbonateSpecies(float carbonate, float bicarbonate, float carbonicAcid);
int32_t CalcAlkFromSpecies(float carbonate, float bicarbonate);
int32_t CalcAlkAtpH(float ignored, float pH, float carbonate, float bicarbonate, float carbonicAcid,
                    float ignored2, float ignored3, float ignored4, float& result);
int32_t SplitCarbonate(int32_t water, float pH, float carbonate, float bicarbonate,
                       float carbonicAcid, float& carbonateOut, float& bicarbonateOut,
                       float& carbonicAcidOut);
void EstimatepH(float& pHOut);
int32_t pHFromAlk(float& pHOut, float alkalinity);
int32_t SolveAlkForpH(float startPh, float targetPh, float startAlkalinity, float& alkalinityOut);
int32_t SolvepHStep(float carbonicAcid, float bicarbonate, float carbonate, float& pHOut);
int32_t SolvepHFromCarbonate(int32_t mode, float acidity, float alkalinity, float& pHOut);
