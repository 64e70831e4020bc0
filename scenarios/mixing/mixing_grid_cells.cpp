// The steps of one cell of a mixing grid: the blend, the pH from the blended
// carbonate, pH control, the results pass with the cell's tables, the dose and
// the corrosion rates.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "common/index_code.h"
#include "common/unit_codes.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/carbonate/carbonate_solvers.h"
#include "engine/carbonate/ph_adjustment.h"
#include "engine/inputs/inputs_records.h"
#include "engine/inputs/unit_conversions.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/plain_store.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/speciation_records.h"
#include "input/records.h"
#include "scenarios/frame/engine_port.h"
#include "scenarios/mixing/mixing_grid_steps.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/mixing/mixing_steps.h"

namespace {


// Progress after a cell's passes: `done` cells of the 49.
void StepCellProgress(const ProgressClock& clock, double done) {
    const int percent = static_cast<int>(done * 100.0 / kMixGridCells);
    StepProgress(clock, percent, percent, 100.0);
}

}  // namespace

MixCell BlendCell(int index, float percent, double carbonateWeight, bool intoMix) {
    GridTable& grid = whatIfResults.grid;
    const MixSources waters = WaterfloodSources();
    MixCell cell{index, grid.analysis[index], SharesOf(percent), {}, 0.0};
    float* cur = currentAnalysis.values;
    BlendAnalysisValues(waters, cell.shares, cell.row);
    std::copy(cell.row + 1, cell.row + AnalysisElement::kCount, cur + 1);
    if (intoMix)
        std::copy(cell.row + 1, cell.row + AnalysisElement::kCount, waterfloodMix.values + 1);

    cell.blend = BlendCarbonate(waters, cell.shares);
    const BlendedCarbonate& b = cell.blend;
    for (float* v : {cur, cell.row}) {
        v[AnalysisElement::kMAlkalinity] = b.bicarbonate;
        v[AnalysisElement::kBicarbonate] = b.bicarbonate;
        v[AnalysisElement::kPAlkalinity] = b.carbonate;
        v[AnalysisElement::kCarbonate] = b.carbonate;
        v[AnalysisElement::kAcidity] = b.dissolvedCo2;
    }
    dissolvedCO2Copy = b.dissolvedCo2;
    const double total = GridTotalCarbonate(waters, cell.shares, carbonateWeight);
    // Held at the engine's bound, as the mixing profile's blend is.
    cur[AnalysisElement::kTotalCarbonate] = PlainToFloat(total);
    cur[AnalysisElement::kAlkalinityEq] =
        PlainToFloat(GridAlkalinity(waters, cell.shares, carbonateWeight, total));
    HandBlendToEngine(b, b.hydrogenActivity);
    cell.acidity = b.acidity;
    return cell;
}

double SolveBlendPh(const MixCell& cell, double startPh) {
    CarbonateState constants = carbonateState;
    constants.gammaH = cell.blend.gammaH;
    const BlendedCarbonate& b = cell.blend;
    double ph = startPh;
    (void)SolvepHFromCarbonateD(constants, b.acidity, b.alkalinity, b.k1, b.k2, b.kw, b.gammaH, 0.0,
                                0.0, ph);
    return ph;
}

void PrepareCellControl(const MixCell& cell, double startPh) {
    float* cur = currentAnalysis.values;
    cur[AnalysisElement::kSpeciesGiven] = 1.0f;
    carbonateState.k1 = cell.blend.k1;
    carbonateState.k2 = cell.blend.k2;
    carbonateState.kw = cell.blend.kw;
    cur[AnalysisElement::kAlkalinityMode] = alkalinityMode;
    cur[AnalysisElement::kReportingMode] = reportingMode;
    (void)ReferenceTemperature(unitCodes.code[UnitItem::kTemperature],
                               cur[AnalysisElement::kTemperature]);
    cur[AnalysisElement::kPh] = static_cast<float>(startPh);
}

void HoldBlendForPhCorrection(float temperature) {
    float* cur = currentAnalysis.values;
    if (phBalanceSwitch == 1) {
        // The alkalinity the cell's pH is balanced to is the blend's own, as
        // a pass finds it at the blend's temperature and pH (the working
        // analysis as it stands), not the reference alkalinity of whichever
        // water the engine last took through a reference pass.
        const WaterAnalysis blend = currentAnalysis;
        cur[AnalysisElement::kReportingMode] = reportingMode;
        phBalanceSwitch = 0;
        RunMixMainPass();
        phBalanceSwitch = 1;
        currentAnalysis = blend;
        referenceAlkalinity = speciation.passAlkalinity;
        referenceCarbonate.alkalinityCopy = speciation.passAlkalinity;
    }
    cur[AnalysisElement::kTemperature] = temperature;
}

void ControlCellPh(MixCell& cell, float targetPh, float temperature, bool keepAll) {
    float* cur = currentAnalysis.values;
    float alkalinity = 0.0f;
    float ph = cur[AnalysisElement::kPh];
    // The dose is settled on the cell's own passes at its temperature, before
    // and after the dose, as a point of the mixing profile settles its dose.
    const bool settles = SettlesPhDoses();
    const auto atCellTemperature = [cur, temperature](auto step) {
        const float reference = cur[AnalysisElement::kTemperature];
        cur[AnalysisElement::kTemperature] = temperature;
        step();
        cur[AnalysisElement::kTemperature] = reference;
    };
    SpeciatedCarbonate mix{};
    if (settles) atCellTemperature([&mix] { mix = MixCarbonate(); });
    AdjustpHToTarget(3, 1.0f, targetPh, ph, alkalinity);
    if (settles) SplitAdjustedCarbonate(mix, targetPh);
    HandAdjustedCarbonate();
    if (settles) atCellTemperature([&mix, targetPh] { SettleMixDose(mix, targetPh); });
    cell.row[AnalysisElement::kPh] = cur[AnalysisElement::kPh];
    whatIfResults.grid.acidDose[cell.index] = acidDemand;
    whatIfResults.grid.alkaliDose[cell.index] = alkaliDemand;
    if (keepAll) {
        KeepAdjustedElements(cur, cell.row);
    } else {
        for (int e : {AnalysisElement::kAcidity, AnalysisElement::kMAlkalinity,
                      AnalysisElement::kPAlkalinity, AnalysisElement::kAlkalinity})
            cell.row[e] = cur[e];
    }
}

namespace {

// The anion the acid brought into the cell: sulfate for the two sulfuric
// acids, chloride for hydrochloric acid (carbon dioxide brings none).
void KeepAcidAnion(MixCell& cell) {
    const float* cur = currentAnalysis.values;
    switch (phControlSettings.acidChemical) {
        case AcidChemical::kSulfuric:
        case AcidChemical::kSulfuric2:
            cell.row[AnalysisElement::kSulfate] = cur[AnalysisElement::kSulfate];
            break;
        case AcidChemical::kHydrochloric:
            cell.row[AnalysisElement::kChloride] = cur[AnalysisElement::kChloride];
            break;
        default:
            break;
    }
}

}  // namespace

void KeepCellAtTargetPh(MixCell& cell, float targetPh) {
    KeepAcidAnion(cell);
    currentAnalysis.values[AnalysisElement::kPh] = targetPh;
}

namespace {

// The results pass of a cell and the tables it fills.
void ResultsPass(MixGridRun& run, MixCell& cell) {
    GridTable& grid = whatIfResults.grid;
    float* cur = currentAnalysis.values;
    const int c = cell.index;
    cur[AnalysisElement::kReportingMode] = reportingMode;
    if (run.gasSetsPh || run.rowSetsPh || run.phFollowsTemperature)
        RunMixWhatIfPass();
    else
        RunMixMainPass();
    (void)KeepDosedMixPco2();
    grid.bicarbonate[c] = SaturationResults[27];
    grid.carbonate[c] = SaturationResults[8];
    cur[AnalysisElement::kMAlkalinity] = grid.bicarbonate[c];
    cur[AnalysisElement::kPAlkalinity] = grid.carbonate[c];
    if (run.varyPco2) cell.row[AnalysisElement::kPh] = cur[AnalysisElement::kPh];
    StepCellProgress(run.clock, c + 1.0);
    cell.row[AnalysisElement::kMAlkalinity] = grid.bicarbonate[c];
    cell.row[AnalysisElement::kPAlkalinity] = grid.carbonate[c];
    mixGridTables.gridResult16[c] = SaturationResults[16];
    std::copy(std::begin(SaturationResults), std::end(SaturationResults), grid.results[c]);
    std::copy(std::begin(MomentaryExcess), std::end(MomentaryExcess), grid.excess[c]);
    // The cell keeps the free calcium, free carbonate and the hydroxide
    // alkalinity in the places of the three mode words.
    cell.row[AnalysisElement::kReportingMode] = SaturationResults[7];
    cell.row[AnalysisElement::kSpeciesGiven] = SaturationResults[9];
    cell.row[AnalysisElement::kAlkalinityMode] = SaturationResults[17];
    mixGridTables.gridAcidity[c] = PlainToFloat(cell.acidity);
    mixGridTables.gridDissolvedCO2[c] = dissolvedCO2Copy;
    // The cell's row holds the CO2 of its own pass, which its marks read: a
    // cell of a pCO2 row holds what its gas dissolves, not the blend's CO2.
    cell.row[AnalysisElement::kAcidity] = resultsCarbonate.equilibriumCarbonicAcid;
    std::copy(std::begin(organicAcids), std::end(organicAcids), mixGridTables.gridOrganicAcids[c]);
}

// The cell's dose; true when it added phosphate and the results pass must be
// repeated.
bool DoseCell(MixCell& cell, bool phosphateAdded) {
    GridTable& grid = whatIfResults.grid;
    const int c = cell.index;
    float analysis[kMixValueCount];
    float results[kMixValueCount];
    std::copy(std::begin(currentAnalysis.values), std::end(currentAnalysis.values), analysis);
    std::copy(std::begin(SaturationResults), std::end(SaturationResults), results);
    analysis[AnalysisElement::kMAlkalinity] = grid.bicarbonate[c];
    results[27] = grid.bicarbonate[c];
    analysis[AnalysisElement::kPAlkalinity] = grid.carbonate[c];
    results[8] = grid.carbonate[c];
    results[29] = grid.carbonate[c];
    const MixDoseRows rows{analysis, results, MomentaryExcess};
    // The dose sees the cell's pH and the phosphate the cell held before any
    // dose, in mg/L as PO4 like every other dose input.
    const float phosphateMgL =
        static_cast<float>(ConvPO4Units(cell.row[AnalysisElement::kPhosphate]));
    const MixDoseCall call{
        IndexCode::kRyznar, phosphateMgL, {true, false}, cell.row[AnalysisElement::kPh]};
    DoseContext inputs{};
    float dose = 0.0f;
    const uint16_t status = DoseAtMix(rows, call, inputs, dose);
    grid.dose[c] = dose;
    grid.doseStatus[c] = static_cast<int16_t>(status);
    const float addedPhosphate = inputs.value[DoseInput::kIngredient1];
    if (phosphateAdded || !(addedPhosphate > 0.0f) ||
        ConstantPhosphateInForce(constantConcentrations))
        return false;
    currentAnalysis.values[AnalysisElement::kPhosphate] =
        cell.row[AnalysisElement::kPhosphate] +
        static_cast<float>(PhosphateDoseInUserUnits(addedPhosphate, GlobalUnitContext()));
    return true;
}

}  // namespace

void FinishMixCell(MixGridRun& run, MixCell& cell) {
    StepCellProgress(run.clock, cell.index + 0.5);
    if (acidDemand != 0.0f) {
        currentAnalysis.values[AnalysisElement::kMAlkalinity] = SaturationResults[27];
        currentAnalysis.values[AnalysisElement::kPAlkalinity] = SaturationResults[29];
    }
    ClearMixDoseTracking();
    bool phosphateAdded = false;
    for (;;) {
        ResultsPass(run, cell);
        if (!run.productSelected || !DoseCell(cell, phosphateAdded)) break;
        phosphateAdded = true;
    }
    StoreCorrosionRates(whatIfResults.grid.corrosion[cell.index]);
}
