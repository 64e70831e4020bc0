// tarvex-engine well 12|11|48 WATERFILE [--bottom T,P] [--separator T,P]
// [--flash T] [--depth D] [--source 0|1|2]: a well profile of a water. The
// water becomes the surface water and is computed as an entered water; the
// well-log record takes the bottom hole, separator and flashed conditions
// (temperatures in the water's temperature unit, absolute pressures in its
// pressure unit) and the depth; the driver of 12 stations (source 0 the well
// log, 1 the saturated steam line, 2 a typical pressure over the what-if
// temperature range), or of an after-flash point plus 11 or 48 stations, then
// runs, and the command prints one line per station: depth, temperature,
// absolute and gauge pressure, pH, the saturation ratios of calcite, barite,
// celestite and gypsum, the four corrosion rates and the dose.
//
// Defaults: the bottom hole at the water's own temperature and pressure, the
// separator and the flashed water at 100 F and 100 psia (in the water's units),
// a depth of 10000.
#include <cstdlib>
#include <cstring>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "input/records.h"
#include "scenarios/wells/well_profiles.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/whatif_setup.h"

namespace AE = AnalysisElement;

namespace {

struct WellChoice {
    const char* name;
    WellKind kind;
};
constexpr WellChoice kChoices[] = {
    {"12", WellKind::kWellLog}, {"11", WellKind::kFlash11}, {"48", WellKind::kFlash48}};

struct WellOptions {
    bool bottomGiven = false, separatorGiven = false, flashGiven = false;
    float bottomT = 0, bottomP = 0, separatorT = 0, separatorP = 0, flashT = 0;
    float depth = 10000.0f;
    uint32_t source = WellPointSource::kWellLog;
};

bool ParseNumber(const char* text, float& value) {
    char* end = nullptr;
    value = std::strtof(text, &end);
    return end != text && *end == '\0';
}

bool ParsePair(const char* text, float& first, float& second) {
    const char* comma = std::strchr(text, ',');
    if (comma == nullptr) return false;
    char* end = nullptr;
    first = std::strtof(text, &end);
    if (end != comma) return false;
    return ParseNumber(comma + 1, second);
}

bool ReadOptions(std::span<char* const> args, WellOptions& o, std::FILE* err) {
    for (std::size_t i = 2; i < args.size(); ++i) {
        const char* a = args[i];
        const char* v = i + 1 < args.size() ? args[i + 1] : nullptr;
        float source = 0.0f;
        bool ok = v != nullptr;
        if (ok && std::strcmp(a, "--bottom") == 0) {
            ok = o.bottomGiven = ParsePair(v, o.bottomT, o.bottomP);
        } else if (ok && std::strcmp(a, "--separator") == 0) {
            ok = o.separatorGiven = ParsePair(v, o.separatorT, o.separatorP);
        } else if (ok && std::strcmp(a, "--flash") == 0) {
            ok = o.flashGiven = ParseNumber(v, o.flashT);
        } else if (ok && std::strcmp(a, "--depth") == 0) {
            ok = ParseNumber(v, o.depth);
        } else if (ok && std::strcmp(a, "--source") == 0) {
            ok = ParseNumber(v, source) && (source == 0.0f || source == 1.0f || source == 2.0f);
            o.source = static_cast<uint32_t>(source);
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(err, "well: unexpected argument \"%s\"\n", a);
            return false;
        }
        ++i;
    }
    return true;
}

// 100 F and 100 psia in the water's units.
float SurfaceTemperature() {
    switch (unitCodes.code[UnitItem::kTemperature]) {
        case TemperatureUnit::kCelsius:
            return (100.0f - 32.0f) * 5.0f / 9.0f;
        case TemperatureUnit::kKelvin:
            return (100.0f - 32.0f) * 5.0f / 9.0f + 273.16f;
        default:
            return 100.0f;
    }
}
float SurfacePressure() {
    double p = 100.0;
    if (!PsiInPressureUnit(100.0, unitCodes.code[UnitItem::kPressure], p)) p = 100.0;
    return static_cast<float>(p);
}

template <int N>
void PrintStations(std::FILE* out, const WellProfileTable<N>& t, bool hasDepth) {
    for (int k = 0; k < N; ++k) {
        char label[24], axis[160];
        std::snprintf(label, sizeof label, "station %d", k);
        std::snprintf(axis, sizeof axis, "depth=%.6g temperature=%.6g pressure=%.6g gauge=%.6g",
                      hasDepth ? t.depth[k] : 0.0f, t.temperature[k], t.pressure[k],
                      t.gaugePressure[k]);
        PrintPointLine(out, {label, axis, t.analysis[k], t.results[k], t.corrosion[k], t.phDoseA[k],
                             t.phDoseB[k], t.dose[k], static_cast<int16_t>(t.doseStatus[k])});
    }
}

}  // namespace

int CmdWell(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() < 2) {
        std::fprintf(err, "well: give 12, 11 or 48 and a water file\n");
        return kExitUsage;
    }
    const WellChoice* choice = nullptr;
    for (const WellChoice& c : kChoices)
        if (std::strcmp(args[0], c.name) == 0) choice = &c;
    if (choice == nullptr) {
        std::fprintf(err, "well: unknown profile \"%s\" (12, 11 or 48)\n", args[0]);
        return kExitUsage;
    }
    WellOptions o;
    if (!ReadOptions(args, o, err)) return kExitUsage;
    const int status = PrepareSurfaceWater(args[1], err);
    if (status != kExitOk) return status;

    const float* s = surfaceWater.values;
    float* w = wellLogSpecs.value;
    w[WellLogField::kBottomHoleTemperature] = o.bottomGiven ? o.bottomT : s[AE::kTemperature];
    w[WellLogField::kBottomHolePressure] = o.bottomGiven ? o.bottomP : s[AE::kPressure];
    w[WellLogField::kSeparatorTemperature] = o.separatorGiven ? o.separatorT : SurfaceTemperature();
    w[WellLogField::kSeparatorPressure] = o.separatorGiven ? o.separatorP : SurfacePressure();
    w[WellLogField::kFlashedTemperature] =
        o.flashGiven ? o.flashT : w[WellLogField::kSeparatorTemperature];
    w[WellLogField::kDepth] = o.depth;
    whatIfOptions = WhatIfOptions{};
    whatIfOptions.wellLogPtSource = o.source;

    ReportDriverServicesTo(err);
    WellContext c = BindWellContext(nullptr);
    RunWellProfile(c, choice->kind);
    StopReportingDriverServices();
    const int done = choice->kind == WellKind::kWellLog   ? 0
                     : choice->kind == WellKind::kFlash11 ? 1
                                                          : 2;
    if (resultStatus.wellProfileDone[done] == 0)
        return kExitBadInput;  // refused; the message says why

    std::fprintf(out, "well %s\n", choice->name);
    switch (choice->kind) {
        case WellKind::kWellLog:
            PrintStations(out, wellProfiles.wellLog, false);
            break;
        case WellKind::kFlash11:
            PrintStations(out, wellProfiles.flash11, true);
            break;
        case WellKind::kFlash48:
            PrintStations(out, wellProfiles.flash48, true);
            break;
    }
    return kExitOk;
}
