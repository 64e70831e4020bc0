// The dose-only pass of the grids, for the dose graph when only the product or
// the surface water's residence time changed: each cell is dosed again from its
// stored results without another engine pass.
#include <cstring>

#include "scenarios/grids/grid_family.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/frame/point_steps.h"

namespace {
namespace AE = AnalysisElement;
}

void RunGridDosePass(GridRun& run) {
    DriverContext& c = run.c;
    GridTable& g = run.grid;
    const bool vary = c.engine.options.varyPco2 != 0;
    for (int i = 0; i < kGridAxisPoints; ++i) {
        for (int j = 0; j < kGridAxisPoints; ++j) {
            const int n = kGridAxisPoints * i + j;
            // A cell not calculated has no water to dose.
            if (GridCellNotCalculated(g, n)) continue;
            DoseAnalysis& copy = c.doseAnalysis;
            FillDoseAnalysis(copy, c.surface.values, g.results[n], g.excess[n], g.bicarbonate[n],
                             g.carbonate[n]);
            if (!vary) copy.analysis[AE::kPh] = run.rows[i];
            copy.analysis[AE::kTemperature] = run.temperatures[j];

            float drivers[kDosedComponentCount];
            DoseDriverValues(c.product, g.results[n], true, drivers);
            FillDoseInputs(run.doseInputs, copy.analysis[AE::kPh], copy.results, copy.analysis,
                           ConvPO4Units(copy.analysis[AE::kPhosphate], c.units));
            g.doseStatus[n] = c.calls.calcInhibitorDosage(
                &run.doseInputs, run.temperatures[j], drivers, c.surfaceResidenceTime, &g.dose[n]);
            // The pressure grid refreshes its rates too, from the cell's own
            // water: the dose's copy holds the surface pressure and pCO2, not
            // the cell's.
            if (run.variable == GridVariable::kPressure)
                ComputeCorrosionRow(c, g.analysis[n], g.results[n], g.corrosion[n]);
        }
    }
    c.tables.tempProfile.doseDone = 0;
    c.tables.phProfile.doseDone = 0;
    g.doseDone = 1;
    RecordProductName(run.product, g.lastProductName);
    g.gridResidenceTimeAtLastRun = c.surfaceResidenceTime;
}
