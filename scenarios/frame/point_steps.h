// Steps that every what-if point or cell goes through: the engine passes with
// the carbonate species given, the pH from pCO2, the hydrogen sulfide rule, the
// corrosion rates, and the inputs of the inhibitor dose.
#pragma once

#include <cstdint>

#include "scenarios/frame/driver_context.h"

// Calculation modes of the engine (calcPassMode).
namespace PassMode {
enum : uint16_t { kReference = 0, kOrdinary = 1, kWhatIf = 2 };
}

// Whether the driver reads the target-solver answers of a pass, or runs another
// pass at the same point before anything reads them (with the solvers on, the
// replaced answers are not searched for).
enum class SolverAnswers { kRead, kReplaced };

// One engine pass on the working analysis with the carbonate species given
// (element 23 = 1.0, element 24 = alkalinity mode 3), in `passMode`, with
// profileStepFlag = `stepFlag` for the pass and 0 after it.
void RunGivenSpeciesPass(DriverContext& c, uint16_t passMode, uint16_t stepFlag,
                         SolverAnswers answers = SolverAnswers::kRead);

// The pH that the engine computes from pCO2 (element 0 = -1.0 before the call):
// a pass with the given prediction method and step flag; the method in force is
// put back afterwards. Returns the computed pH (element 0 after the pass). The
// point's own passes follow it, so its solver answers are replaced.
float PhFromPco2Pass(DriverContext& c, uint16_t predictionMethod, uint16_t passMode,
                     uint16_t stepFlag);

// Hydrogen sulfide (element 19) is dropped when the switch h2sOff is on, or
// when the surface water has a gas-phase H2S (element 27) and the point is
// above 100 degrees C: the gas then leaves the water.
bool DropsHydrogenSulfide(const DriverContext& c, float temperature);

// Total pressure in bar of a value in the user's pressure unit (atm x 1.01325,
// bar, psia x 0.068948, kPa / 100).
double PressureInBar(float pressure, uint16_t unitCode);

// After a point's first pass at its target pH: the acid or alkali of its pH
// control settled on that pass, from the surface water's pH at the point's
// conditions to `targetPh`, with the chemical's ions in the working analysis
// following it; `acidDose` and `alkaliDose` take the settled demands. Nothing
// without pH control or without a demand.
void SettlePointDose(DriverContext& c, float targetPh, float& acidDose, float& alkaliDose);
// The same from `startPh`, the pH the point's control started from (a point
// under a CO2 partial pressure starts from the pH its gas gives it).
void SettlePointDose(DriverContext& c, float startPh, float targetPh, float& acidDose,
                     float& alkaliDose);

// The elements pH control rewrites (dissolved CO2, M and P alkalinity or the
// species, bicarbonate, carbonate, total alkalinity, calcium, sodium, potassium,
// and the sulfate or chloride of the acid),
// which a point keeps in its analysis row after its pH control.
void KeepPhControlFields(const float* working, float* row);

// The CO2 partial pressure a results pass came to (`pco2Atm`), in the
// gas-phase CO2 unit at the row's pressure, into element 39 of the row. A pass
// whose speciation came to no number, or a figure beyond any the program
// stores once in the unit, leaves the row the pCO2 the pass was given.
void KeepPassPco2(const DriverContext& c, float pco2Atm, float (&row)[kResultRowValues]);

// The dissolved CO2 and pCO2 a point shows are those of its own calculation:
// the carbonic acid in equilibrium with its bicarbonate at its pH (mg/L as
// H2CO3) into `dissolvedCO2` and element 43 of the row and, where the point's
// pH was given rather than computed from a pCO2, the CO2 partial pressure over
// it, in the gas-phase CO2 unit, into element 39 of the row.
void KeepPointCarbonDioxide(const DriverContext& c, bool phGiven, float& dissolvedCO2,
                            float (&row)[kResultRowValues]);

// The four corrosion rates (CalcCorrRateCO2Kt, CalcCorrRateCO2Fug,
// CalcCorrRateArrhenius, CalcCorrRateCO2H2S) of an analysis row with the
// saturation ratios of the same water, into the first four values of `row`.
void ComputeCorrosionRow(const DriverContext& c, const float (&analysis)[kResultRowValues],
                         const float (&results)[kResultRowValues],
                         float (&row)[kCorrosionRowValues]);

// Entries 0 to 7 of the dose inputs: pH, result slot 18, calcite (slot 0),
// silica, iron, 0 for the first ingredient, phosphate (mg/L), calcium phosphate
// (slot 3). Entries 8 and 9 keep what the last dose left.
void FillDoseInputs(DoseContext& inputs, float ph, const float (&results)[kResultRowValues],
                    const float (&analysis)[kResultRowValues], double phosphateMgL);

// The copies the dose reads: analysis, results and excess of the point, with
// its calculated bicarbonate (slot 27) and carbonate (slots 8 and 29).
void FillDoseAnalysis(DoseAnalysis& dose, const float (&analysis)[kResultRowValues],
                      const float (&results)[kResultRowValues],
                      const float (&excess)[kIndicatorRowValues], float bicarbonate,
                      float carbonate);

// Clears the dose's kept limit doses and its keep switch before a point.
void ClearDoseState(DoseLimitState& limits);

// After a dose: when the dose has not yet added its phosphate and the first
// ingredient amount is positive, element 5 of the working analysis becomes the
// surface phosphate plus that amount in the user's unit, the keep switch is set,
// and the caller repeats its main pass once. True when it should repeat.
bool AddPhosphateOfDose(DriverContext& c, const DoseContext& inputs);

// The phosphate of the working analysis in mg/L as PO4.
double PhosphateMgL(const DriverContext& c);

// The pH profile's carbonate constants: the first nine values of CarbonateState
// (k1 .. log10K2) from the surface water's snapshot, so that pH control at each
// pH point starts from the surface water's own constants.
void RestoreSurfaceConstants(DriverContext& c);

// The gas-phase CO2 and H2S of a point at `pressure` (user's pressure unit):
// a partial pressure held in a pressure unit (CO2 unit codes 0 to 3, H2S unit
// codes 0 to 3) scales with the total pressure from the surface water's; other
// units (parts of the gas) stay. A surface pressure of 0 gives no ratio and the
// surface value stays.
float PointPco2(const DriverContext& c, float pressure);
float PointPh2s(const DriverContext& c, float pressure);

// The pH a point of the pressure profile or the pressure grid starts from and
// keeps through its passes: the water's own pH, unless an option of the
// profile fixes it (`fixedPh`, negative when none does). With the charge
// balance by pH on (HoldsWaterCarbonate), the point's what-if passes move it
// until the water's own alkalinity closes with its own total carbonate at the
// point's temperature and pressure: the same water at that pressure, whose pH
// never comes from a correlation outside the water's chemistry.
[[nodiscard]] float PressurePointPh(const DriverContext& c, float fixedPh);
// True when a pressure point's pH is not fixed: its passes then hold the water's
// carbonate (phBalanceSwitch 1) and are what-if passes, so that the reference
// they balance against stays the surface water's own calculation.
[[nodiscard]] inline bool HoldsWaterCarbonate(float fixedPh) {
    return fixedPh < 0.0f;
}

// Copies the values of the surface water into the working analysis except
// pH, the M and P alkalinity fields and pCO2 (elements 0, 13, 14 and 39), which
// the pH and pressure points set themselves.
void CopySurfaceForPoint(DriverContext& c);
