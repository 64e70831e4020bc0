// pH control: the acid or alkali that brings the working analysis to a target
// pH, with the carbonate species and the total alkalinity rewritten for that pH
// and the chemical's ions added to the analysis. Two carbonate models: a closed
// system keeps total dissolved carbonate, an open system keeps dissolved CO2.
//
// The overloads that take a PhAdjustContext do the work on the records it names;
// the ones without it bind the engine's global records.
#pragma once

#include <cstdint>
#include <optional>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "common/whatif_settings.h"
#include "engine/carbonate/carbonate_shift.h"
#include "engine/carbonate/carbonate_state.h"

struct PhAdjustContext {
    WaterAnalysis& analysis;  // the working analysis, rewritten
    const CarbonateState& constants;
    const PhControlSettings& control;
    const UnitCodes& units;
    uint16_t reportingMode;
    // The stored waters that `water` codes 0, 1 and 2 take their starting pH from.
    const WaterAnalysis& surface;
    const WaterAnalysis& injection;
    const WaterAnalysis& formation;
    float& acidDemand;
    float& alkaliDemand;
    float& dissolvedCO2Copy;
};

// Runs the closed model for carbonate models 0 and 2 and the open model for any
// other; nothing when pH control is off.
void AdjustpHToTarget(PhAdjustContext& ctx, uint16_t carbonateModel, int16_t water, float targetPh,
                      float& pHInOut, float& alkalinityOut);

// Closed model. `water` picks the starting pH (0 surface, 1 injection,
// 2 formation, other the working analysis). `pHInOut` holds the starting pH for
// a CO2 dose and receives the target when a dose results; `alkalinityOut`
// receives the new total alkalinity (mg/L as CaCO3).
void AdjustpHClosedSystem(PhAdjustContext& ctx, int16_t water, float targetPh, float& pHInOut,
                          float& alkalinityOut);

// Open model: respeciates at constant dissolved CO2; demands stay in mg/L as
// CaCO3 and the pH element is not written.
void AdjustpHOpenSystem(PhAdjustContext& ctx, int16_t water, float targetPh);

// The open model's respeciation and demands; returns 0.
int32_t CalcDemandOpenSystem(PhAdjustContext& ctx, double startPh, double targetPh);

// The dose settled on the water's own speciation. The adjustment above finds
// its demand from the carbonate constants of a reference pass, free ions only;
// an equilibrium pass at the point's own conditions that followed it (at the
// target pH, with the chemical's ions in the water) gives the carbonate with
// its ion pairs at the point's temperature, pressure and salinity. The demand
// (mg/L as CaCO3, acid when positive) is then the total alkalinity the water
// had at its start less the one that pass holds at the target pH.
// `startAlkalinity` is in mg/L as CaCO3. Empty when the pass gives no answer.
std::optional<double> SettledDemand(const SpeciatedCarbonate& pass, double startAlkalinity,
                                    double targetPh);

// Puts `demand` (mg/L as CaCO3, acid when positive) in place of the demand of
// the last closed-system adjustment: the chemical's ions follow the
// difference and acidDemand or alkaliDemand hold the new amount of chemical.
// Nothing happens with pH control off, in the open carbonate system, for
// carbon dioxide, when the adjustment found no demand, or when `demand` points
// the other way. Returns true when the demand was replaced.
bool SettlepHDemand(PhAdjustContext& ctx, uint16_t carbonateModel, double demand);

// Carbon dioxide (mg/L) that lowers the pH from `startPh` to `targetPh` at the
// given alkalinity (mg/L as CaCO3); adds the CO2 in mol/L to element 31 of the
// analysis. Returns 0. The Alt form weighs the CO2 at 50400 mg/mol.
int32_t CalcCO2Dose(WaterAnalysis& analysis, const CarbonateState& constants, float& doseOut,
                    float targetPh, float alkalinity, float startPh);
int32_t CalcCO2DoseAlt(WaterAnalysis& analysis, const CarbonateState& constants, float& doseOut,
                       float targetPh, float alkalinity, float startPh);

// The same on the engine's global records. `ignored` is not read.
void AdjustpHToTarget(int16_t water, float ignored, float targetPh, float& pHInOut,
                      float& alkalinityOut);
void AdjustpHClosedSystem(int16_t water, float ignored, float targetPh, float& pHInOut,
                          float& alkalinityOut);
void AdjustpHOpenSystem(int16_t water, float ignored, float targetPh);
int32_t CalcDemandOpenSystem(double startPh, double targetPh);
int32_t CalcCO2Dose(float& doseOut, float targetPh, float alkalinity, float startPh);
int32_t CalcCO2DoseAlt(float& doseOut, float targetPh, float alkalinity, float startPh);
// The settled dose on the last equilibrium pass (resultsCarbonate.system), from
// the water at `startPh` at that pass's conditions to `targetPh`.
bool SettlepHDemandFromPh(float startPh, float targetPh);
// The same on a pass the caller kept.
bool SettlepHDemandOn(const SpeciatedCarbonate& pass, float startPh, float targetPh);
// SettlepHDemand on the global records with a demand found by the caller.
bool SettlepHDemandTo(double demand);

// Carbon dioxide the working analysis takes: `mol` (per litre, per kilogram in
// the per-kilogram bases) joins its total carbonate (element 33) and its
// carbonate species grow by it in the split they hold. `h2co3InBasis` brings
// its dissolved CO2 into the basis of the others. False, and nothing changed,
// without carbonate to scale or with nothing to add.
bool TakeCarbonDioxide(WaterAnalysis& analysis, double mol, double h2co3InBasis = 1.0);

// The carbonate a pass shows: the dissolved CO2 its pH and bicarbonate hold
// (mg as H2CO3 per kilogram of solution, as the engine keeps it), its
// bicarbonate and carbonate (mg/L, per kilogram in the ppm and epm bases), and
// what brings the first into that basis (the water's result scale in mg/L).
struct ShownCarbonate {
    double h2co3;
    double bicarbonate;
    double carbonate;
    double h2co3InBasis = 1.0;
};
ShownCarbonate PassCarbonateShown(double h2co3MgKg, double bicarbonate, double carbonate,
                                  uint16_t reportingMode, double resultScale);

// The carbon dioxide a water took (mg, in the basis of the figures, as the
// other chemicals' doses): the carbonate the dosed water shows over the
// undosed water at the same conditions, as CO2. Empty when either is no
// figure.
std::optional<double> CarbonDioxideTaken(const ShownCarbonate& undosed,
                                         const ShownCarbonate& dosed);

// Puts the carbon dioxide a water took (CarbonDioxideTaken from `undosed` to
// `dosed`) in place of the closed-system estimate of the last adjustment: the
// working analysis's carbonate becomes the water before the dose with that CO2
// added, split as the dosed water splits it, and acidDemand the dose. Nothing
// happens unless carbon dioxide dosed the water. Returns true when it did.
bool SettleCarbonDioxide(PhAdjustContext& ctx, const ShownCarbonate& undosed,
                         const ShownCarbonate& dosed);
bool SettleCarbonDioxide(const ShownCarbonate& undosed, const ShownCarbonate& dosed);

// Carbon dioxide brought the water to its pH: acid control by CO2 with an acid
// demand. Such a water keeps its alkalinity; the CO2 adds to its carbonate.
bool DosedWithCarbonDioxide(const PhControlSettings& control, float acidDemand);
