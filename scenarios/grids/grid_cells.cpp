// The whole 7 x 7 grid: for each cell (row i of pH, pCO2 or pressure, column j
// of temperature) the working analysis from the surface water, pH control on
// the pH grid, a first engine pass and the main pass whose results are stored,
// the corrosion rates and, with a product, the inhibitor dose, with one more
// main pass when the dose adds phosphate.
#include <algorithm>
#include <cstring>

#include "engine/carbonate/carbonate_species.h"
#include "scenarios/grids/grid_family.h"
#include "scenarios/frame/point_steps.h"

namespace {
namespace AE = AnalysisElement;

// Cell n up to its engine passes: the working analysis, the cell's conditions,
// the carbonate it starts from and, on the pH grid, its pH control.
void SetUpCell(GridRun& run, int i, int j, int n) {
    DriverContext& c = run.c;
    const DriverSettingsBackup& b = c.backup;
    const bool pressureGrid = run.variable == GridVariable::kPressure;
    const bool vary = c.engine.options.varyPco2 != 0;
    float* w = c.current.values;
    const float* sv = c.surface.values;
    float* row = run.grid.analysis[n];

    if (pressureGrid) {
        // No option fixes the pH of the pressure grid.
        w[AE::kPh] = PressurePointPh(c, -1.0f);
    } else if (!vary) {
        w[AE::kPh] = run.rows[i];
    } else {
        w[AE::kPh] = -1.0f;
        w[AE::kPco2] = run.rows[i];
    }
    CopySurfaceForPoint(c);
    w[AE::kReportingMode] = static_cast<float>(c.units.reportingMode);
    w[AE::kTemperature] = run.temperatures[j];
    if (pressureGrid) {
        w[AE::kPressure] = run.rows[i];
        w[AE::kPco2] = PointPco2(c, run.rows[i]);
        w[AE::kPH2S] = PointPh2s(c, run.rows[i]);
    } else if (!vary) {
        w[AE::kPco2] = sv[AE::kPco2];
    }
    if (DropsHydrogenSulfide(c, w[AE::kTemperature])) w[AE::kH2S] = 0.0f;

    c.out.acidDemand = 0.0f;
    c.out.alkaliDemand = 0.0f;
    w[AE::kMAlkalinity] = w[AE::kBicarbonate] = c.engine.currentHCO3 = b.currentHCO3;
    w[AE::kPAlkalinity] = w[AE::kCarbonate] = c.engine.currentCO3 = b.currentCO3;
    w[AE::kAcidity] = c.engine.currentCO2 = b.currentCO2;
    RestoreCarbonate(b, c.engine);

    if (pressureGrid) {
        // No pH control: the cell's pH comes from its pCO2 in the passes below.
        run.grid.acidDose[n] = 0.0f;
        run.grid.alkaliDose[n] = 0.0f;
        return;
    }
    run.gasControl = {};
    float target = run.rows[i];
    if (!vary) {
        // pH control starts where Vary pH's point starts: the surface water's
        // own carbonate and constants, so that one water at one pH takes one
        // dose (carbon dioxide's is not settled on the cell's pass).
        if (c.control.phControlMethod != PhControlMethod::kNone) {
            const WaterCarbonate& snap = c.surfaceCarbonate;
            w[AE::kBicarbonate] = c.engine.currentHCO3 = snap.hco3;
            w[AE::kCarbonate] = c.engine.currentCO3 = snap.co3;
            w[AE::kAcidity] = c.engine.currentCO2 = snap.dissolvedCo2;
            RestoreSurfaceConstants(c);
        }
        c.calls.adjustPhToTarget(target);
        w[AE::kPh] = row[AE::kPh] = target;
    } else {
        // The cell's own water under its gas, brought by pH control from the
        // pH its gas gives to the target of the pH-control settings where its
        // chemical can (as the pCO2 profile's points).
        const float gasPh = PhOfPointGas(c, PassMode::kWhatIf);
        row[AE::kPh] = gasPh;
        run.gasControl = ControlGasPoint(c, gasPh);
        target = run.gasControl.ph;
    }
    run.grid.acidDose[n] = c.out.acidDemand;
    run.grid.alkaliDose[n] = c.out.alkaliDemand;
    if (vary && !run.gasControl.dosed) {
        w[AE::kPh] = row[AE::kPh] = target;
        row[AE::kPco2] = w[AE::kPco2];
    } else if (c.control.phControlMethod != PhControlMethod::kNone) {
        w[AE::kPh] = row[AE::kPh] = target;
        KeepPhControlFields(w, row);
        row[AE::kPco2] = w[AE::kPco2];
    }
}

int ProgressPercent(const GridRun& run, int i, int n) {
    if (run.variable == GridVariable::kPressure) return (7 * i + 8) * 100 / kGridCells;
    return 100 * (n + 1) / kGridCells;
}

void MainCellPass(GridRun& run, int i, int n, const ProgressClock& clock) {
    DriverContext& c = run.c;
    GridTable& g = run.grid;
    float* w = c.current.values;
    // A cell under a CO2 partial pressure keeps the pH its set-up found for it
    // (see the profiles' main pass).
    if (c.engine.options.varyPco2 != 0) w[AE::kPco2] = GridCellPco2(run, i);
    RunGivenSpeciesPass(c, PassMode::kWhatIf, 0);
    // The row position of the pressure grid passes 100 in its last row; the
    // window shows no more than 100 and the seconds to go stop at 0.
    const int percent = std::min(ProgressPercent(run, i, n), 100);
    StepProgress(clock, percent, percent, 100);

    g.bicarbonate[n] = c.out.saturation[27];
    g.carbonate[n] = c.out.saturation[29];
    std::memcpy(g.analysis[n], w, sizeof g.analysis[n]);
    // The cell holds the CO2 of its own pass (and, at a given pH, its
    // partial pressure), not the surface water's it started from.
    float dissolvedCo2 = 0.0f;
    KeepPointCarbonDioxide(c, c.engine.options.varyPco2 == 0 || run.gasControl.dosed, dissolvedCo2,
                           g.analysis[n]);
    std::memcpy(g.results[n], c.out.saturation, sizeof g.results[n]);
    std::memcpy(g.excess[n], c.out.excess, sizeof g.excess[n]);
    ComputeCorrosionRow(c, c.current.values, c.out.saturation, g.corrosion[n]);
}

void DoseCell(GridRun& run, int j, int n, double phosphateMgL) {
    DriverContext& c = run.c;
    GridTable& g = run.grid;
    float drivers[kDosedComponentCount];
    DoseDriverValues(c.product, g.results[n], false, drivers);
    FillDoseInputs(run.doseInputs, c.current.values[AE::kPh], g.results[n], c.current.values,
                   phosphateMgL);
    FillDoseAnalysis(c.doseAnalysis, c.current.values, g.results[n], g.excess[n], g.bicarbonate[n],
                     g.carbonate[n]);
    std::memcpy(c.out.saturation, g.results[n], sizeof g.results[n]);
    g.doseStatus[n] = c.calls.calcInhibitorDosage(&run.doseInputs, run.temperatures[j], drivers,
                                                  c.surfaceResidenceTime, &g.dose[n]);
    ComputeCorrosionRow(c, c.doseAnalysis.analysis, c.doseAnalysis.results, g.corrosion[n]);
}

}  // namespace

float GridCellPco2(const GridRun& run, int row) {
    if (run.variable == GridVariable::kPressure) return PointPco2(run.c, run.rows[row]);
    return run.rows[row];
}

void RunGridCells(GridRun& run) {
    DriverContext& c = run.c;
    const bool selected = c.status.productSelected != 0;
    const ProgressClock clock = StartProgress();
    c.current.values[AE::kMAlkalinity] = c.surfaceResults.saturation[27];
    c.current.values[AE::kPAlkalinity] = c.surfaceResults.saturation[29];

    for (int i = 0; i < kGridAxisPoints; ++i) {
        for (int j = 0; j < kGridAxisPoints; ++j) {
            const int n = kGridAxisPoints * i + j;
            SetUpCell(run, i, j, n);
            // A cell of a pCO2 row its chemical cannot bring to the target is
            // the cell without control.
            const uint16_t method = HoldOffControl(c, run.gasControl);
            const double phosphateMgL = PhosphateMgL(c);
            RunGivenSpeciesPass(c, PassMode::kWhatIf,
                                run.variable == GridVariable::kPressure ? 1 : 0,
                                SolverAnswers::kReplaced);
            // A cell under its gas keeps the dose its chemical's ions were
            // added for (see the pCO2 profile).
            if (c.engine.options.varyPco2 == 0 || run.variable == GridVariable::kPressure)
                SettlePointDose(c, run.grid.analysis[n][AE::kPh], run.grid.acidDose[n],
                                run.grid.alkaliDose[n]);
            ClearDoseState(c.doseLimits);
            for (;;) {
                MainCellPass(run, i, n, clock);
                if (!selected) break;
                DoseCell(run, j, n, phosphateMgL);
                if (!AddPhosphateOfDose(c, run.doseInputs)) break;
            }
            if (selected) {
                c.tables.tempProfile.doseDone = 0;
                c.tables.phProfile.doseDone = 0;
                run.grid.doseDone = 1;
                RecordProductName(run.product, run.grid.lastProductName);
                run.grid.gridResidenceTimeAtLastRun = c.surfaceResidenceTime;
            }
            c.engine.control.phControlMethod = method;
        }
    }
    EndProgress();
}
