// Steps that every mix of the waterflood drivers goes through, whether it is a
// point of the mixing-ratio profile or a cell of a mixing grid: handing the
// blend's carbonate to the engine, the engine pass, the corrosion rates and the
// inhibitor dose of the current product at the mix.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/carbonate/carbonate_shift.h"
#include "engine/dose/dose_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/water_pipeline.h"
#include "scenarios/mixing/mixing_blend.h"
#include "scenarios/mixing/mixing_dose.h"
#include "scenarios/mixing/mixing_records.h"

// The two stored waters of the waterflood with the carbonate their single-water
// calculations kept.
MixSources WaterfloodSources();

// Hands the blend's carbonate to the engine for its next runs: the conditional
// constants k1, k2 and kw, the reference pass's carbonate amounts and charge
// figures that later passes start from (a results pass of a mix takes its
// dissolved CO2 from there), the carbonate-solve inputs, and the hydrogen and
// hydroxide amounts. `hydrogen` is the profile's or the grids' form.
void HandBlendToEngine(const BlendedCarbonate& blend, double hydrogen);

// One engine run on the working analysis, with the blend's carbonate given
// through the analysis (balanceHold 0 before and after).
void RunMixPass();
// The blend's first pass, an ordinary one (calcPassMode 1) whatever pass the
// engine was left to run next: a changed Constant Values leaves the next
// water's calculation a balancing pass, which no mix takes.
void RunFirstMixPass();
// The same as a main pass: calcPassMode 1, element 23 = 1.0 and element 24 =
// 3.0 (bicarbonate and carbonate given).
void RunMixMainPass();
// The same as a what-if pass (calcPassMode 2): the mix as the water its
// carbonate species make it, at the working analysis's own temperature, as a
// cell of a single water's grid is run (under a pCO2 it holds the mix's
// alkalinity at the pH given).
void RunMixWhatIfPass();

// pH control of a mix: brings the working analysis to
// `targetPh` by acid or alkali (water 3, the working analysis); nothing when pH
// control is off.
void AdjustMixPh(float targetPh);

// The carbonate system of the mix in the working analysis as its main pass
// speciates it at the mix's own temperature and pressure, ion pairs counted:
// the mix as it stands before its pH control, which the control starts from.
// The working analysis is left as it was.
SpeciatedCarbonate MixCarbonate();
// A mix brought to its pH by carbon dioxide keeps the alkalinity it had before
// the dose (the CO2 brings no ion and adds to the total carbonate): that
// alkalinity (eq/kg, of the last MixCarbonate) for its passes to hold, else 0.
double MixHeldAlkalinity();

// After the adjustment (AdjustMixPh), whose constants are those of the 25 C
// reference passes, free ions only: the adjusted water's total carbonate split
// at `targetPh` as the mix's own pass (`mix`, from MixCarbonate) splits it at
// the mix's conditions. Element 43 (and dissolvedCO2Copy), 29 and 30 of the
// working analysis take the shares; the total stays.
void SplitAdjustedCarbonate(const SpeciatedCarbonate& mix, float targetPh);

// After the adjustment: the mix's passes on given species take their dissolved
// CO2 from the reference figures, so these get the adjusted water's, where the
// carbonate the acid turned into CO2 went (or the alkali's CO2 came from); its
// total carbonate stays.
void HandAdjustedCarbonate();

// The acid or alkali of the adjustment settled on the pass of the water the
// dose makes (the adjusted working analysis speciated at `targetPh` at its own
// temperature): the alkalinity it loses (or gains) moving from the mix's pH
// (`mix`, from MixCarbonate) to `targetPh` at its total carbonate, as Vary
// pH's dose is settled on its dosed water, with the chemical's ions following
// it. The working analysis's carbonate then takes the split of the water the
// settled dose makes at `targetPh`, and its dissolved CO2 is handed to the
// passes that follow, so that a mix's results are that water's. Nothing when
// the adjustment found no demand or the dose could not be settled.
void SettleMixDose(const SpeciatedCarbonate& mix, float targetPh);

// A mix that pH control dosed is the dosed water: the working analysis takes
// the CO2 partial pressure (in the user's unit) that the mix's last pass came
// to, for its rates and its pCO2 row. Nothing without a dose, or when the
// rows set the pCO2. True when it took the pass's pCO2.
bool KeepDosedMixPco2();

// The elements that pH control rewrites (dissolved CO2, the M and P alkalinity
// fields, bicarbonate, carbonate, total alkalinity, calcium, sodium, potassium,
// the acid's sulfate or chloride and pCO2), copied from the adjusted working analysis into a mix's row.
void KeepAdjustedElements(const float* working, float* row);

// The treatment-tracking values of the dose (its kept limit doses) cleared
// before a mix.
void ClearMixDoseTracking();

// The dose of the current product at one mix from its stored rows: the rows
// become the dose's copies (DoseAnalysis), and the dose runs with the mix's
// temperature and the dose residence time. Returns the status, never below 0.
struct MixDoseRows {
    const float (&analysis)[kMixValueCount];
    const float (&results)[kMixValueCount];
    const float (&excess)[kMixExcessCount];
};
struct MixDoseCall {
    int resultSlot;           // the dose input taken from the results (18 or 11)
    float phosphate;          // the phosphate present, as the driver gives it
    MixLimitRules rules;      // which codes the limit inputs read
    std::optional<float> ph;  // the pH the dose inputs take, when not the row's
};
uint16_t DoseAtMix(const MixDoseRows& rows, const MixDoseCall& call, DoseContext& inputs,
                   float& dose);

// The current product's file name against a recorded one.
bool ProductIsRecorded(const char (&recorded)[kMixProductNameChars]);
void RecordProduct(char (&recorded)[kMixProductNameChars]);
