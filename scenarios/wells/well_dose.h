// What a well station hands the inhibitor dose and the corrosion models: the
// seven limit inputs of the dose, the dose call itself, the four corrosion rates
// of the station, and the pass that refreshes only doses and rates.
#pragma once

#include "engine/dose/treatment_limits_hook.h"
#include "scenarios/wells/well_context.h"

// The seven limit inputs of the dose from the dose's copies (DoseAnalysis): for
// each component below the component count, the value its limit code names (a
// result slot, an analysis element in mg/L, the residence time, the corrosion
// target or a momentary-excess entry); 0 past the count and, with
// `skipTermLists`, for a term-list component (model kind 99).
void WellLimitInputs(const WellContext& c, float temperature, bool skipTermLists,
                     float (&limits)[kLimitInputCount]);

// Runs the dose for the station whose copies are in DoseAnalysis at the
// station's temperature and the current residence time; returns the status and
// leaves the dose in `dose`.
int16_t DoseWellStation(WellContext& c, DoseContext& inputs, float temperature, bool skipTermLists,
                        float& dose);

// The four corrosion rates of a station from its analysis row and saturation
// ratios into the first four values of `row`, and into the last rates.
void WellCorrosionRow(WellContext& c, const float (&analysis)[kResultRowValues],
                      const float (&results)[kResultRowValues], float (&row)[kCorrosionRowValues]);

// The dose pass: the dose and the corrosion rates of every station recomputed
// from the stored tables, the chemistry left as it is.
void RunWellDosePass(WellContext& c, const WellDriver& d);
