// The frame of the mixing grids: what comes before the cells and after them.
#include <algorithm>
#include <iterator>

#include "engine/carbonate/carbonate_records.h"
#include "engine/dose/inhibitor_dose.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/speciation/speciation_records.h"
#include "engine/saturation/water_results_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/mixing/mixing_dose.h"
#include "scenarios/mixing/mixing_grid_steps.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/mixing/mixing_steps.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace {

constexpr char kNoGraphChosen[] = "You must select a graph before performing calculations!";

// The graphs a GraphChoice holds: its count, at most the four codes it has room for.
int ChosenGraphCount(const GraphChoice& choice) {
    return std::clamp<int>(choice.count, 0, static_cast<int>(std::size(choice.codes)));
}

EngineSettings LiveEngineSettings() {
    return {carbonateState, currentCO2,      currentH2CO3,  currentHCO3,
            currentCO3,     phBalanceSwitch, whatIfOptions, phControlSettings};
}

}  // namespace

bool AskMixGridQuestions() {
    const win::HWND owner = mainWindowState.mainWindow;
    const float low = graphRangeSettings.gridPhLow;
    const float high = graphRangeSettings.gridPhHigh;
    // Carbon dioxide is asked about when either end of the pH range lies below
    // 6.8, sodium bicarbonate when either end lies above 8.3.
    PhControlSettings acidOnly = phControlSettings;
    acidOnly.alkaliChemical = AlkaliChemical::kNone;
    if (AbortForPhControlChemical(owner, acidOnly, std::min(low, high))) return false;
    PhControlSettings alkaliOnly = phControlSettings;
    alkaliOnly.acidChemical = AcidChemical::kNone;
    if (AbortForPhControlChemical(owner, alkaliOnly, std::max(low, high))) return false;
    ForgetPhTargetOutOfReach();

    if (ChosenGraphCount(graphChoice) == 0) ShowChooseGraphs(owner);
    if (ChosenGraphCount(graphChoice) > 0 &&
        RefuseDoseGraph(owner, static_cast<uint16_t>(graphChoice.codes[0]), phControlSettings))
        return false;
    if (ChosenGraphCount(graphChoice) == 0) {
        (void)DriverMessageBox(owner, kNoGraphChosen, DriverText::kWarningCaption,
                               win::MB_OK | win::MB_ICONINFORMATION);
        return false;
    }
    return true;
}

void BeginMixGrid(uint16_t kind, int doneIndex, MixGridRun& run) {
    run.kind = kind;
    run.doneIndex = doneIndex;
    SaveEngineSettings(LiveEngineSettings(), run.saved);
    phBalanceSwitch = 0;
    run.productSelected = resultStatus.productSelected != 0;
    if (!run.productSelected) mixGridDosesDone = 0;
    run.varyPco2 = whatIfOptions.varyPco2 != 0;
    const bool control = phControlSettings.phControlMethod != PhControlMethod::kNone;
    run.gasSetsPh = run.varyPco2 && !control;
    run.rowSetsPh = !run.varyPco2 && !control && kind != MixGridKind::kPercentByTemperature;
    BuildGridAxis(mixingZoneSettings.gridMixLow, mixingZoneSettings.gridMixHigh, run.percentAxis);
    run.hasPhosphate = run.productSelected && ProductCarriesPhosphate(productTable);
    run.nameChanged = run.productSelected && !ProductIsRecorded(productAtLastCalc);
    run.computeCells = MixGridCellsStale(run);
    mixGridTables.gridMixPercent[0] = mixingZoneSettings.mixTypicalPercent;
    mixGridTables.gridMixPercent[1] = mixingZoneSettings.mixTypicalPercent;
    whatIfResults.grid.gridKind = kind;
}

void SetPhFollowingTemperature(MixGridRun& run) {
    run.phFollowsTemperature = whatIfOptions.correctPhForTemperature != 0 && !run.gasSetsPh &&
                               !run.rowSetsPh &&
                               phControlSettings.phControlMethod == PhControlMethod::kNone;
    phBalanceSwitch = run.phFollowsTemperature ? 1 : 0;
}

bool MixGridCellsStale(const MixGridRun& run) {
    const bool phosphateChanged = (gridPhosphateProduct != 0) != run.hasPhosphate;
    if (run.productSelected) {
        if (!run.nameChanged && (mixGridDosesDone == 0 || phosphateChanged)) return true;
        if (run.nameChanged && (gridPhosphateProduct != 0 || run.hasPhosphate)) return true;
    }
    return resultStatus.mixGridDone[run.doneIndex] == 0;
}

void StartMixGridCells(MixGridRun& run) {
    currentAnalysis.values[AnalysisElement::kReportingMode] = reportingMode;
    run.clock = StartProgress();
}

void EndMixGrid(MixGridRun& run) {
    if (run.productSelected) {
        if (run.computeCells) {
            mixGridDosesDone = 1;
            mixDosesDone = 0;  // the mixing-ratio profile must redo its doses
        }
        if (run.nameChanged) mixDosesDone = 0;
        RecordProduct(productAtLastCalc);
    }
    if (run.computeCells) EndProgress();

    // The dose graph's doses over the cells, for each chosen graph.
    const bool dosesCurrent = mixGridDosesDone != 0 &&
                              (!run.nameChanged || run.hasPhosphate || gridPhosphateProduct != 0);
    const int16_t run89 = (!run.productSelected || dosesCurrent) ? 0 : 1;
    GridTable& grid = whatIfResults.grid;
    const GridDoseCells cells{grid.results,
                              grid.analysis,
                              grid.excess,
                              grid.bicarbonate,
                              grid.carbonate,
                              currentResidenceTime,
                              mixGridTables.gridGraphDose,
                              mixGridTables.gridGraphDoseStatus};
    for (int i = 0; i < ChosenGraphCount(graphChoice); ++i)
        CalcGridDosages(GlobalDoseEnvironment(), doseLimitState, doseAnalysis, graphChoice, run89,
                        static_cast<int16_t>(i), cells);

    // Cells no water can be are marked as not calculated (after the dose
    // graph's doses, which they then show none of).
    int marked = 0;
    if (run.computeCells) {
        const PointUnits units{unitCodes.code[UnitItem::kPressure],
                               unitCodes.code[UnitItem::kGasCo2]};
        const GivenConditions given{
            run.rowSetsPh || phControlSettings.phControlMethod != PhControlMethod::kNone,
            run.varyPco2};
        for (int n = 0; n < kGridCells; ++n) {
            if (!MarkGridCellIfBeyond(grid, n, grid.analysis[n][AnalysisElement::kAcidity], units,
                                      given))
                continue;
            ++marked;
            mixGridTables.gridDissolvedCO2[n] = mixGridTables.gridGraphDose[n] = kNotCalculated;
        }
    }

    // The single-water profiles share engine tables with the grids.
    resultStatus.phProfileDone = 0;
    resultStatus.tempProfileDone = 0;
    for (int g = 0; g < 3; ++g) resultStatus.mixGridDone[g] = g == run.doneIndex ? 1 : 0;
    if (run.productSelected) mixGridDosesDone = 1;
    productActive = run.hasPhosphate ? 1 : 0;
    gridPhosphateProduct = run.hasPhosphate ? 1 : 0;
    RestoreEngineSettings(run.saved, LiveEngineSettings());
    TellPhTargetOutOfReach(mainWindowState.mainWindow);
    TellPointsNotCalculated(mainWindowState.mainWindow, marked, kGridCells);
}
