// Binding of the global records for one well-profile run.
#include "scenarios/wells/well_context.h"

#include "engine/dose/dose_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "input/records.h"

WellContext BindWellContext(win::HWND owner) {
    return WellContext{
        BindDriverContext(owner), wellLogSpecs, currentResidenceTime, corrosionTarget, doseFigure,
        corrosionRates.last,      wellProfiles, wellRunState,
    };
}

WellDriver WellDriverOf(WellContext& c, WellKind kind) {
    uint16_t(&done)[3] = c.base.status.wellProfileDone;
    WellRunState& r = c.run;
    switch (kind) {
        case WellKind::kWellLog:
            return {kind, ViewOfWellTable(c.tables.wellLog, false), done[0], r.wellProductAtLastRun,
                    r.wellRanWithProduct};
        case WellKind::kFlash11:
            return {kind, ViewOfWellTable(c.tables.flash11, true), done[1], r.flashProductAtLastRun,
                    r.flashRanWithProduct};
        case WellKind::kFlash48:
        default:
            return {kind, ViewOfWellTable(c.tables.flash48, true), done[2], r.flashProductAtLastRun,
                    r.flashRanWithProduct};
    }
}
