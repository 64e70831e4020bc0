// tarvex-engine profile temperature|ph|pco2|pressure WATERFILE [--low X --high Y]:
// the seven-point what-if profile of a water. The water becomes the surface water
// and is computed as an entered water; the profile driver then runs over the
// range (by default one derived from the water, see whatif_setup.h) and the
// command prints one line per point: the axis value, pH, the saturation ratios
// of calcite, barite, celestite and gypsum, the four corrosion rates and the
// doses. The progress window's steps and any message go to the complaint stream.
#include <cstring>

#include "engine/records.h"
#include "input/records.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/profiles/profiles.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/whatif_setup.h"

namespace {

struct ProfileKind {
    const char* name;
    void (*run)(win::HWND);
    ProfileTable WhatIfResults::*table;
    uint16_t ResultStatus::*done;
    float WhatIfSettings::*low;
    float WhatIfSettings::*high;
    uint16_t varyPco2;
};

constexpr ProfileKind kKinds[] = {
    {"temperature", CalcTempProfile, &WhatIfResults::tempProfile, &ResultStatus::tempProfileDone,
     &WhatIfSettings::temperatureLow, &WhatIfSettings::temperatureHigh, 0},
    {"ph", CalcpHProfile, &WhatIfResults::phProfile, &ResultStatus::phProfileDone,
     &WhatIfSettings::phLow, &WhatIfSettings::phHigh, 0},
    {"pco2", CalcpHProfile, &WhatIfResults::phProfile, &ResultStatus::phProfileDone,
     &WhatIfSettings::pco2Low, &WhatIfSettings::pco2High, 1},
    {"pressure", CalcPressProfile, &WhatIfResults::pressureProfile,
     &ResultStatus::pressureProfileDone, &WhatIfSettings::pressureLow,
     &WhatIfSettings::pressureHigh, 0},
};

}  // namespace

int CmdProfile(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() < 2) {
        std::fprintf(err, "profile: give temperature, ph, pco2 or pressure and a water file\n");
        return kExitUsage;
    }
    const ProfileKind* kind = nullptr;
    for (const ProfileKind& k : kKinds)
        if (std::strcmp(args[0], k.name) == 0) kind = &k;
    if (kind == nullptr) {
        std::fprintf(err, "profile: unknown variable \"%s\"\n", args[0]);
        return kExitUsage;
    }
    WhatIfRange range;
    if (!ReadRangeOptions("profile", args, 2, range, err)) return kExitUsage;
    const int status = PrepareSurfaceWater(args[1], err);
    if (status != kExitOk) return status;

    whatIfOptions = WhatIfOptions{};
    whatIfOptions.varyPco2 = kind->varyPco2;
    if (range.given) {
        whatIfSettings.*(kind->low) = range.low;
        whatIfSettings.*(kind->high) = range.high;
    }
    ReportDriverServicesTo(err);
    kind->run(nullptr);
    StopReportingDriverServices();
    if (resultStatus.*(kind->done) == 0) return kExitBadInput;  // refused; the message says why

    const ProfileTable& t = whatIfResults.*(kind->table);
    std::fprintf(out, "profile %s\n", kind->name);
    for (int k = 0; k < kProfilePoints; ++k) {
        char label[16], axis[48];
        std::snprintf(label, sizeof label, "point %d", k);
        std::snprintf(axis, sizeof axis, "%s=%.6g", kind->name, t.axis[k]);
        PrintPointLine(out, {label, axis, t.analysis[k], t.results[k], t.corrosion[k],
                             t.acidDose[k], t.alkaliDose[k], t.dose[k], t.doseStatus[k]});
    }
    return kExitOk;
}
