// Finding a summary's point in the result tables.
#include "treatment/limits/limits_point.h"

#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/wells/well_records.h"

namespace {

template <typename Table>
bool Row(const Table& t, int rows, int i, LimitsPoint& out) {
    if (i < 0 || i >= rows) return false;
    out.analysis = t.analysis[i];
    out.results = t.results[i];
    out.excess = t.excess[i];
    return true;
}

std::string Numbered(const char* what, int i) {
    return std::string(what) + " " + std::to_string(i + 1);
}

}  // namespace

int MapSummaryKind(int kind, uint32_t graphProfileKind) {
    if (kind == 0) return static_cast<int>(graphProfileKind);
    if (kind == 5 || kind == 7) return kind;
    return 4;
}

bool FindLimitsPoint(int kind, int a, int b, LimitsPoint& out) {
    switch (kind) {
        case 1:
            out.description = Numbered("Temperature profile, point", a);
            return Row(whatIfResults.tempProfile, kProfilePoints, a, out);
        case 2:
            out.description = Numbered("pH profile, point", a);
            return Row(whatIfResults.phProfile, kProfilePoints, a, out);
        case 3:
            if (a < 0 || a >= kMixPoints) return false;
            out.analysis = mixProfileTables.mixChemistry[a];
            out.results = mixProfileTables.mixResults[a];
            out.excess = mixProfileTables.mixExcess[a];
            out.description = Numbered("Mixing-ratio profile, point", a);
            return true;
        case 4:
            out.description = Numbered("Pressure profile, point", a);
            return Row(whatIfResults.pressureProfile, kProfilePoints, a, out);
        case 5:
            out.description = Numbered("Well log, station", a);
            return Row(wellProfiles.wellLog, kWellLogStations, a, out);
        case 6:
            out.description = Numbered("After-flash profile, point", a);
            return Row(wellProfiles.flash11, kFlash11Stations, a, out);
        case 7:
            if (b < 0 || b >= kGridAxisPoints) return false;
            out.description = Numbered("3D grid, row", a) + Numbered(", column", b);
            return a >= 0 && a < kGridAxisPoints &&
                   Row(whatIfResults.grid, kGridCells, kGridAxisPoints * a + b, out);
        case 8:
            out.description = Numbered("Well-log summary profile, station", a);
            return Row(wellProfiles.flash48, kFlash48Stations, a, out);
        default:
            return false;
    }
}
