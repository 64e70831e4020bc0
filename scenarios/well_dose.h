// What a well station hands the inhibitor dose and the corrosion models: the
// dose's copies of the station, its ten dose inputs and seven limit inputs, and
// the four corrosion rates of the station.
#pragma once

#include "engine/treatment_limits_hook.h"
#include "scenarios/well_context.h"

// DoseAnalysis from a station's analysis, results and excess rows, with the
// station's bicarbonate and carbonate in result slots 27 and 29.
void FillWellDoseAnalysis(DoseAnalysis& dose, const float (&analysis)[kResultRowValues],
                          const float (&results)[kResultRowValues],
                          const float (&excess)[kIndicatorRowValues], float bicarbonate,
                          float carbonate);

// Dose inputs 0 to 7: pH (element 0), result slot 18, calcite (slot 0), silica
// (element 4), iron (element 11), 0 for the phosphate dose the call returns,
// the phosphate present (mg/L as PO4), calcium phosphate (slot 3). Entries 8 and
// 9 keep what the previous call of the run left in them.
void FillWellDoseInputs(DoseContext& inputs, const float (&analysis)[kResultRowValues],
                        const float (&results)[kResultRowValues], double phosphateMgL);

// The seven limit inputs of the dose from the dose's copies: for each component
// below the component count, the value its limit code names (a result slot, an
// analysis element in mg/L, the residence time, the corrosion target or a
// momentary-excess entry); 0 past the count and, with `skipTermLists`, for a
// term-list component (model kind 99).
void WellLimitInputs(const WellContext& c, float temperature, bool skipTermLists,
                     float (&limits)[kLimitInputCount]);

// The four corrosion rates of a station from its analysis row (temperature 15,
// pH 0, pressure 38, pCO2 39, pH2S 27) and its saturation ratios: as f64 into
// the last rates and as f32 into the first four values of `row`.
void WellCorrosionRow(WellContext& c, const float (&analysis)[kResultRowValues],
                      const float (&results)[kResultRowValues],
                      float (&row)[kCorrosionRowValues]);

// Runs the dose for the station whose copies are in DoseAnalysis; returns the
// status and leaves the dose in `dose`.
int16_t DoseWellStation(WellContext& c, DoseContext& inputs, float temperature,
                        bool skipTermLists, float& dose);

// The dose pass: the dose and the corrosion rates of every station recomputed
// from the stored tables, the chemistry left as it is.
void RunWellDosePass(WellContext& c, const WellDriver& d);
