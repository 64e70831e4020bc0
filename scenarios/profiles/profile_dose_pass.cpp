// The dose-only pass of a profile: when only the product or the residence time
// changed, the stored points' waters are dosed again for the current product
// without another engine pass, and their corrosion rates are recomputed.
#include <cstring>

#include "scenarios/frame/point_marks.h"
#include "scenarios/frame/point_steps.h"
#include "scenarios/profiles/profile_family.h"

namespace {
namespace AE = AnalysisElement;

// The pH the dose of point k reads: the surface pH on the temperature profile,
// the pH point on a pH axis, else the point's own stored pH.
float DosePh(const ProfileRun& run, int k) {
    const float(&row)[kResultRowValues] = run.table.analysis[k];
    switch (run.variable) {
        case ProfileVariable::kTemperature:
            return run.c.surface.values[AE::kPh];
        case ProfileVariable::kPh:
            return run.c.engine.options.varyPco2 == 0 ? run.axis[k] : row[AE::kPh];
        default:
            return row[AE::kPh];
    }
}

}  // namespace

void RunProfileDosePass(ProfileRun& run) {
    DriverContext& c = run.c;
    ProfileTable& t = run.table;
    const bool temperature = run.variable == ProfileVariable::kTemperature;
    for (int k = 0; k < kProfilePoints; ++k) {
        // A point not calculated has no water to dose.
        if (ProfilePointNotCalculated(t, k)) continue;
        std::memcpy(c.current.values, t.analysis[k], sizeof c.current.values);
        FillDoseAnalysis(c.doseAnalysis, t.analysis[k], t.results[k], t.excess[k], t.bicarbonate[k],
                         t.carbonate[k]);
        const float ph = DosePh(run, k);
        if (run.variable == ProfileVariable::kPh && c.engine.options.varyPco2 == 0)
            c.doseAnalysis.analysis[AE::kPh] = ph;

        float drivers[kDosedComponentCount];
        DoseDriverValues(c.product, t.results[k], !temperature, drivers);
        FillDoseInputs(run.doseInputs, ph, t.results[k], c.current.values, PhosphateMgL(c));
        const float doseTemperature = temperature ? run.axis[k] : t.analysis[k][AE::kTemperature];
        t.doseStatus[k] = c.calls.calcInhibitorDosage(&run.doseInputs, doseTemperature, drivers,
                                                      c.residenceTimeAtSelect, &t.dose[k]);
        // The rates read the point's own saturation ratios, not whatever the
        // engine computed last.
        ComputeCorrosionRow(c, t.analysis[k], t.results[k], t.corrosion[k]);
    }
    RecordProductName(run.product, t.lastProductName);
    c.residenceTimeAtLastRun = c.residenceTimeAtSelect;
    t.doseDone = 1;
}
