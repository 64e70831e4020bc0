// The ratio grid: injection percent by temperature, each mix at the pH of its
// blended hydrogen ion (brought to the target pH when pH control is on); and
// its two earlier forms, which bring column j to point j of the
// what-if pH range instead.
#include <cmath>
#include <iterator>

#include "common/unit_codes.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/records.h"
#include "engine/speciation/speciation_records.h"
#include "input/records.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_grid_steps.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/mixing/mixing_steps.h"

namespace {

// The ratio grid weighs carbonate at 60009.4 mg/mol.
constexpr double kRatioCarbonateWeight = 60009.4;

// What tells the ratio grid and its earlier forms apart.
struct RatioVariant {
    bool whatIfPhTargets;     // pH control to point j of the what-if pH range
    bool whatIfTemperatures;  // columns from the what-if temperature range
    bool keepAllAdjusted;     // the cell keeps every element pH control rewrote
};

// The blend's pH: the one its blended hydrogen ion gives, as the mixing
// profile's mix takes it, so that a water mixed with itself keeps its own pH.
// (A balance of the blended alkalinity and acidity by the free-ion constants
// leaves out the bicarbonate that pairs with calcium, magnesium and sodium and
// puts a brine's pH tenths too high.) A blend that gives no pH is run once at
// 25 degrees C for the pH of its pCO2.
float RatioCellPh(MixCell& cell) {
    const double ph = cell.blend.ph;
    if (std::isfinite(ph) && ph > 0.0) return static_cast<float>(ph);
    float* cur = currentAnalysis.values;
    (void)ReferenceTemperature(unitCodes.code[UnitItem::kTemperature],
                               cur[AnalysisElement::kTemperature]);
    cur[AnalysisElement::kPh] = -1.0f;
    RunFirstMixPass();
    return cur[AnalysisElement::kPh];
}

void RatioCell(MixGridRun& run, int i, int j, const RatioVariant& variant,
               const float (&phTargets)[kMixAxisPoints]) {
    GridTable& grid = whatIfResults.grid;
    float* cur = currentAnalysis.values;
    MixCell cell = BlendCell(7 * i + j, run.percentAxis[i], kRatioCarbonateWeight, false);
    const float ph = RatioCellPh(cell);
    cur[AnalysisElement::kPh] = ph;
    cell.row[AnalysisElement::kPh] = ph;
    acidDemand = 0.0f;
    alkaliDemand = 0.0f;
    grid.acidDose[cell.index] = 0.0f;
    grid.alkaliDose[cell.index] = 0.0f;
    HoldBlendForPhCorrection(grid.temperatureAxis[j]);
    cell.row[AnalysisElement::kTemperature] = grid.temperatureAxis[j];
    const float target = variant.whatIfPhTargets ? phTargets[j] : phControlSettings.targetPh;
    // A cell the chemicals cannot bring to the target keeps its own pH.
    if (phControlSettings.phControlMethod != PhControlMethod::kNone &&
        !PhTargetOutOfReach(phControlSettings, ph, target)) {
        PrepareCellControl(cell, ph);
        ControlCellPh(cell, target, grid.temperatureAxis[j], variant.keepAllAdjusted);
        cur[AnalysisElement::kTemperature] = grid.temperatureAxis[j];
        KeepCellAtTargetPh(cell, target);
    }
    FinishMixCell(run, cell);
}

void RunRatioGrid(const RatioVariant& variant) {
    if (!AskMixGridQuestions()) return;
    MixGridRun run{};
    BeginMixGrid(MixGridKind::kPercentByTemperature, 1, run);
    // The rows are percents: the grid runs with the pH (not pCO2) variable.
    whatIfOptions.varyPco2 = 0;
    run.varyPco2 = false;
    run.gasSetsPh = false;
    run.rowSetsPh = false;

    GridTable& grid = whatIfResults.grid;
    ClampInnerPercents(run.percentAxis);
    std::copy(std::begin(run.percentAxis), std::end(run.percentAxis), grid.phAxis);
    if (variant.whatIfTemperatures)
        BuildMixGridAxis(whatIfSettings.temperatureLow, whatIfSettings.temperatureHigh,
                         grid.temperatureAxis);
    else
        BuildMixGridAxis(graphRangeSettings.gridTemperatureLow,
                         graphRangeSettings.gridTemperatureHigh, grid.temperatureAxis);
    float phTargets[kMixAxisPoints];
    BuildGridAxis(whatIfSettings.phLow, whatIfSettings.phHigh, phTargets);
    SetPhFollowingTemperature(run);

    if (run.computeCells) {
        StartMixGridCells(run);
        for (int i = 0; i < kMixAxisPoints; ++i)
            for (int j = 0; j < kMixAxisPoints; ++j) RatioCell(run, i, j, variant, phTargets);
    }
    EndMixGrid(run);
}

}  // namespace

void CalcMixGridRatio() {
    RunRatioGrid({false, false, true});
}

void CalcMixGridCopy1() {
    RunRatioGrid({true, false, false});
}

void CalcMixGridCopy2() {
    RunRatioGrid({true, true, false});
}
