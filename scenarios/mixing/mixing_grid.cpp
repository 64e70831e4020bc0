// CalcMixGrid and the general mixing grid: pH (or pCO2) by temperature at the
// typical injection percent, and pH (or pCO2) by injection percent.
#include <cmath>

#include "common/unit_codes.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/speciation/speciation_records.h"
#include "input/records.h"
#include "scenarios/frame/engine_port.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_grid_steps.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/mixing/mixing_steps.h"

namespace {

// The general grid weighs carbonate at 60009.3 mg/mol in its total carbonate
// and alkalinity, as it always has (the profile and the ratio grid use 60009.4).
constexpr double kGeneralCarbonateWeight = 60009.3;
constexpr float kSpeciesGivenMode = 3.0f;
// Calculation modes of the engine (calcPassMode): 0 a reference pass at 25
// degrees C, 2 a what-if pass at the working analysis's own temperature.
constexpr uint16_t kReferencePass = 0;
constexpr uint16_t kWhatIfPass = 2;

// The injection percent of cell (i, j).
float CellPercent(const MixGridRun& run, int i, int j) {
    switch (run.kind) {
        case MixGridKind::kPhByPercent:
            return run.percentAxis[j];
        case MixGridKind::kPercentByTemperature:
            return run.percentAxis[i];
        default:
            return mixGridTables.gridMixPercent[0];
    }
}

// The pH of the blend as the mixing profile's mix takes it: that of its blended
// hydrogen ion, so that a water mixed with itself starts from its own pH (the
// pH the free-ion constants give the blend's alkalinity leaves the pairs out
// and puts a brine's tenths too high); that one when the blend gives none.
double BlendedIonPh(const MixCell& cell) {
    const double ph = cell.blend.ph;
    return std::isfinite(ph) && ph > 0.0 ? ph : SolveBlendPh(cell, ph);
}

// The pH of the cell from its pCO2 (`pco2` in the user's unit): a pass in
// `passMode` with prediction method 0 on the blend's carbonate species, which
// are already per kilogram, and its ions read in the reporting basis in force.
// A what-if pass finds it at the cell's temperature, its pairs counted, as a
// cell of the water's own pCO2 grid does; a reference pass (at 25 degrees C)
// leaves the derived carbonate that pH control starts from.
void PhFromPco2(MixCell& cell, float pco2, uint16_t passMode) {
    float* cur = currentAnalysis.values;
    cur[AnalysisElement::kSpeciesGiven] = 1.0f;
    const uint16_t method = phControlSettings.phPredictionMethod;
    phControlSettings.phPredictionMethod = 0;
    cur[AnalysisElement::kPh] = -1.0f;
    cur[AnalysisElement::kAlkalinityMode] = kSpeciesGivenMode;
    cur[AnalysisElement::kReportingMode] = reportingMode;
    calcPassMode = passMode;
    cur[AnalysisElement::kPco2] = pco2;
    cell.row[AnalysisElement::kPco2] = pco2;
    givenSpeciesPerKilogram = 1;
    RunMixPass();
    givenSpeciesPerKilogram = 0;
    phControlSettings.phPredictionMethod = method;
    cell.row[AnalysisElement::kPh] = cur[AnalysisElement::kPh];
}

// The pH the cell's gas gives it at `temperature`, as the cell without
// control finds it; the blend and the cell's row are left as they were.
float GasPhWithoutControl(MixCell& cell, float pco2, float temperature) {
    const WaterAnalysis blend = currentAnalysis;
    const float rowPh = cell.row[AnalysisElement::kPh];
    const float rowPco2 = cell.row[AnalysisElement::kPco2];
    const uint16_t method = phControlSettings.phControlMethod;
    phControlSettings.phControlMethod = PhControlMethod::kNone;
    currentAnalysis.values[AnalysisElement::kTemperature] = temperature;
    PhFromPco2(cell, pco2, kWhatIfPass);
    const float ph = cell.row[AnalysisElement::kPh];
    phControlSettings.phControlMethod = method;
    currentAnalysis = blend;
    cell.row[AnalysisElement::kPh] = rowPh;
    cell.row[AnalysisElement::kPco2] = rowPco2;
    return ph;
}

void GeneralCell(MixGridRun& run, int i, int j) {
    GridTable& grid = whatIfResults.grid;
    float* cur = currentAnalysis.values;
    MixCell cell = BlendCell(7 * i + j, CellPercent(run, i, j), kGeneralCarbonateWeight, true);
    grid.acidDose[cell.index] = 0.0f;
    grid.alkaliDose[cell.index] = 0.0f;
    const float v = grid.phAxis[i];
    // The cell's temperature: the column's, or the blended one when the
    // columns are percents.
    const float temperature = run.kind == MixGridKind::kPhByPercent
                                  ? cell.row[AnalysisElement::kTemperature]
                                  : grid.temperatureAxis[j];
    // With pCO2 rows a cell whose gas gives it a pH that its one chemical
    // cannot bring to the target keeps that pH with no dose: the cell without
    // control.
    float gasPh = NAN;
    bool control = phControlSettings.phControlMethod != PhControlMethod::kNone;
    const uint16_t chosen = phControlSettings.phControlMethod;
    const bool oneChemical = chosen == PhControlMethod::kAcid || chosen == PhControlMethod::kAlkali;
    if (oneChemical && run.varyPco2) {
        gasPh = GasPhWithoutControl(cell, v, temperature);
        control = !PhTargetOutOfReach(phControlSettings, gasPh, phControlSettings.targetPh);
    }
    const uint16_t method = phControlSettings.phControlMethod;
    if (!control) phControlSettings.phControlMethod = PhControlMethod::kNone;
    if (!run.varyPco2) {
        cur[AnalysisElement::kPh] = v;
        cell.row[AnalysisElement::kPh] = v;
        if (control) {
            PrepareCellControl(cell, BlendedIonPh(cell));
            ControlCellPh(cell, v, temperature, true);
        }
    } else if (control) {
        // With pCO2 rows the control brings the cell to the target pH of the
        // pH-control settings; the row value is a partial pressure, not a pH.
        PhFromPco2(cell, v, kReferencePass);
        PrepareCellControl(cell, BlendedIonPh(cell));
        ControlCellPh(cell, phControlSettings.targetPh, temperature, true);
    }

    cur[AnalysisElement::kTemperature] = temperature;
    cell.row[AnalysisElement::kTemperature] = temperature;

    if (control) {
        // The cell is the water its dose makes: its results pass takes the
        // carbonate the control split at the target pH, as the mixing profile
        // and Vary pH take theirs.
        KeepCellAtTargetPh(cell, run.varyPco2 ? phControlSettings.targetPh : v);
        cell.row[AnalysisElement::kPco2] = cur[AnalysisElement::kPco2];
    } else if (run.varyPco2) {
        // Without control the cell is the blend under its pCO2 at the cell's
        // temperature: its pH is the one the pCO2 gives there, its carbonate
        // pairs counted, and its results pass (a what-if pass, see
        // MixGridRun::gasSetsPh) holds the blend's alkalinity at that pH. A
        // water mixed with itself is then, cell for cell, its own pCO2 grid.
        PhFromPco2(cell, v, kWhatIfPass);
        cur[AnalysisElement::kPh] = cell.row[AnalysisElement::kPh];
    } else {
        cur[AnalysisElement::kPh] = v;
        cell.row[AnalysisElement::kPh] = v;
    }
    // A cell of a pCO2 row held off its control is run as without control.
    const bool gasSetsPh = run.gasSetsPh;
    if (run.varyPco2 && !control) run.gasSetsPh = true;
    FinishMixCell(run, cell);
    run.gasSetsPh = gasSetsPh;
    phControlSettings.phControlMethod = method;
}

}  // namespace

int32_t CalcMixGrid(uint16_t gridCode) {
    if (gridCode == MixGridCode::kRatio) {
        CalcMixGridRatio();
    } else {
        CalcMixGridAll(gridCode);
    }
    return 0;
}

void CalcMixGridAll(uint16_t gridCode) {
    if (!AskMixGridQuestions()) return;
    MixGridRun run{};
    switch (gridCode) {
        case MixGridCode::kPhByPercent:
            BeginMixGrid(MixGridKind::kPhByPercent, 0, run);
            break;
        case MixGridCode::kRatio:
            BeginMixGrid(MixGridKind::kPercentByTemperature, 1, run);
            break;
        default:
            BeginMixGrid(MixGridKind::kPhByTemperature, 2, run);
            break;
    }

    GridTable& grid = whatIfResults.grid;
    const GraphRangeSettings& r = graphRangeSettings;
    if (run.kind == MixGridKind::kPercentByTemperature)
        StoreAxisWithoutNegatives(run.percentAxis, grid.phAxis);
    else if (run.varyPco2)
        BuildMixGridAxis(r.gridPco2Low, r.gridPco2High, grid.phAxis);
    else
        BuildMixGridAxis(r.gridPhLow, r.gridPhHigh, grid.phAxis);
    if (run.kind == MixGridKind::kPhByPercent) {
        StoreAxisWithoutNegatives(run.percentAxis, grid.temperatureAxis);
    } else {
        BuildMixGridAxis(r.gridTemperatureLow, r.gridTemperatureHigh, grid.temperatureAxis);
        SetPhFollowingTemperature(run);
    }

    if (run.computeCells) {
        StartMixGridCells(run);
        for (int i = 0; i < kMixAxisPoints; ++i)
            for (int j = 0; j < kMixAxisPoints; ++j) GeneralCell(run, i, j);
    }
    EndMixGrid(run);
}
