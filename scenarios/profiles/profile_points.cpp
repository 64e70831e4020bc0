// The whole run of a profile: for each of the seven points the set-up, a first
// engine pass that settles the carbonate species at the point's conditions, the
// main pass whose results are stored, the corrosion rates and, with a product,
// the inhibitor dose. A dose that adds phosphate makes the main pass run once
// more with the phosphate in the water.
#include <cmath>
#include <cstring>

#include "scenarios/frame/point_steps.h"
#include "scenarios/profiles/profile_family.h"

namespace {
namespace AE = AnalysisElement;

// The progress window counts 4900 units of work, 700 per point: half a point
// after the first pass, the whole point after the main pass.
constexpr int kWorkUnits = 4900;
constexpr int kPointUnits = 700;

// A temperature point whose pH follows the temperature is calculated at 25 C
// and its typed pH first. That pass is not the water where its own calculation
// holds another alkalinity: a sour water typed away from 25 C, whose sulfide's
// share moves with the temperature, and a water near pH 4, whose dissolved CO2
// (counted among its solids in every pass after the reference pass) takes a
// share of a litre's mass. The points hold the alkalinity of the water's own
// calculation instead, as its pressure points and its well stations do.
// `ownAlkalinity`: the surface water's own alkalinity (eq/kg), held by the
// points whose pH follows the temperature, or NaN.
void FirstPass(ProfileRun& run, int k, double ownAlkalinity) {
    DriverContext& c = run.c;
    float* w = c.current.values;
    // A temperature point whose pH follows the temperature is calculated as a
    // reference first; a pressure point balances against the surface water's.
    const bool reference =
        c.engine.phBalanceSwitch == 1 && run.variable != ProfileVariable::kPressure;
    RunGivenSpeciesPass(c, reference ? PassMode::kReference : PassMode::kWhatIf, 1,
                        SolverAnswers::kReplaced);
    if (reference && std::isfinite(ownAlkalinity)) c.out.referenceAlkalinity = ownAlkalinity;
    w[AE::kMAlkalinity] = c.out.saturation[27];
    w[AE::kPAlkalinity] = c.out.saturation[29];
    w[AE::kAcidity] = c.out.dissolvedCO2Copy;
    if (c.engine.phBalanceSwitch == 1) run.table.analysis[k][AE::kPh] = w[AE::kPh];
}

void MainPass(ProfileRun& run, int k, const ProgressClock& clock) {
    DriverContext& c = run.c;
    ProfileTable& t = run.table;
    float* w = c.current.values;
    float(&row)[kResultRowValues] = t.analysis[k];
    if (run.variable != ProfileVariable::kPressure && c.engine.options.wellLogPtSource == 2)
        w[AE::kPressure] = row[AE::kPressure] = c.settings.pressureEval;
    // A point under a CO2 partial pressure (the pCO2 axis, the evaluation pCO2,
    // the gas at a pressure point) keeps the pH its set-up found for it: the
    // main pass takes the point's gas, not a pH predicted from its carbonate
    // species alone, which would be the same at every pCO2.
    const bool underGas = c.engine.options.varyPco2 != 0;
    if (underGas) w[AE::kPco2] = ProfilePointPco2(run, k);
    c.out.saturation[31] = 0.0f;  // the balancing amount of a reference pass
    // A point its pH control brought to the target holds the dose's
    // carbonate, not its gas: it shows the pCO2 over that water.
    const bool phGiven = !underGas || (run.underAxisGas && run.gasControl.dosed);
    RunGivenSpeciesPass(c, PassMode::kWhatIf, 0);

    t.bicarbonate[k] = c.out.saturation[27];
    t.carbonate[k] = c.out.saturation[29];
    t.dissolvedCO2[k] = c.out.dissolvedCO2Copy;
    w[AE::kAcidity] = c.out.dissolvedCO2Copy;
    if (c.out.pressureRaised != 0) row[AE::kPressure] = w[AE::kPressure];
    StepProgress(clock, 100 * (k + 1) / kProfilePoints, kPointUnits * k + kPointUnits, kWorkUnits);

    if (c.engine.options.correctPhForTemperature != 0) row[AE::kPh] = w[AE::kPh];
    t.carbonateFigure[k] = c.out.carbonateFigure;
    if (run.variable == ProfileVariable::kPressure)
        std::memset(t.results[k], 0, sizeof t.results[k]);
    std::memcpy(t.results[k], c.out.saturation, sizeof t.results[k]);
    // The temperature profile keeps the pH its set-up recorded.
    const int first = run.variable == ProfileVariable::kTemperature ? 1 : 0;
    for (int e = first; e < AE::kCount; ++e) row[e] = w[e];
    std::memcpy(t.excess[k], c.out.excess, sizeof t.excess[k]);
    KeepPointCarbonDioxide(c, phGiven, t.dissolvedCO2[k], row);
    // The rates follow the point's own water, its pCO2 included.
    float point[kResultRowValues];
    std::memcpy(point, w, sizeof point);
    point[AE::kPco2] = row[AE::kPco2];
    ComputeCorrosionRow(c, point, c.out.saturation, t.corrosion[k]);
}

void DosePoint(ProfileRun& run, int k, double phosphateMgL) {
    DriverContext& c = run.c;
    ProfileTable& t = run.table;
    float drivers[kDosedComponentCount];
    DoseDriverValues(c.product, t.results[k], run.variable != ProfileVariable::kTemperature,
                     drivers);
    FillDoseInputs(run.doseInputs, t.analysis[k][AE::kPh], t.results[k], c.current.values,
                   phosphateMgL);
    FillDoseAnalysis(c.doseAnalysis, c.current.values, c.out.saturation, c.out.excess,
                     t.bicarbonate[k], t.carbonate[k]);
    t.doseStatus[k] =
        c.calls.calcInhibitorDosage(&run.doseInputs, c.current.values[AE::kTemperature], drivers,
                                    c.residenceTimeAtSelect, &t.dose[k]);
    t.doseDone = 1;
}

}  // namespace

void RunProfilePoints(ProfileRun& run) {
    DriverContext& c = run.c;
    const bool selected = c.status.productSelected != 0;
    float* w = c.current.values;
    const ProgressClock clock = StartProgress();

    // The M and P fields are not copied per point: they start from these.
    if (run.variable == ProfileVariable::kPh) {
        w[AE::kMAlkalinity] = c.surfaceCarbonate.hco3;
        w[AE::kPAlkalinity] = c.surfaceCarbonate.co3;
    } else if (run.variable == ProfileVariable::kPressure) {
        w[AE::kMAlkalinity] = c.backup.currentHCO3;
        w[AE::kPAlkalinity] = c.backup.currentCO3;
    }

    const double ownAlkalinity =
        c.engine.phBalanceSwitch == 1 ? c.out.referenceAlkalinity : NAN;
    for (int k = 0; k < kProfilePoints; ++k) {
        run.underAxisGas = false;
        run.gasControl = {};
        const float pointPh = SetUpProfilePoint(run, k);
        // A point under its gas that its chemical cannot bring to the target
        // is the point without control.
        const uint16_t method = HoldOffControl(c, run.gasControl);
        const double phosphateMgL = PhosphateMgL(c);
        FirstPass(run, k, ownAlkalinity);
        // A point under its gas keeps the dose its chemical's ions were
        // added for: settled on its pass, the demand would count the CO2 that
        // pass holds under its gas as carbonate to move.
        if (!run.underAxisGas)
            SettlePointDose(c, pointPh, run.table.acidDose[k], run.table.alkaliDose[k]);
        const int half = kPointUnits * k + kPointUnits / 2;
        StepProgress(clock, half / 49, half, kWorkUnits);
        ClearDoseState(c.doseLimits);

        for (;;) {
            MainPass(run, k, clock);
            if (!selected) {
                if (run.variable != ProfileVariable::kTemperature) run.table.doseStatus[k] = 0;
                break;
            }
            DosePoint(run, k, phosphateMgL);
            if (!AddPhosphateOfDose(c, run.doseInputs)) break;
        }
        c.engine.control.phControlMethod = method;
    }

    if (selected) {
        RecordProductName(run.product, run.table.lastProductName);
        c.residenceTimeAtLastRun = c.residenceTimeAtSelect;
        run.table.doseDone = 1;
    }
    EndProgress();
}
