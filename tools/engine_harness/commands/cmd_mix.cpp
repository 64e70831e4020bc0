// tarvex-engine mix profile INJECTION FORMATION [--low P --high P] [options]
// tarvex-engine mix grid KIND INJECTION FORMATION [options]
//
// The waterflood mixing drivers on two water files: both waters are calculated in
// full as entered waters, then the mixing-ratio profile (seven injection-water
// percents from --low to --high, 0 and 100 by default) or the mixing grid of KIND
// (0 pH by temperature at the typical percent, 3 injection percent by
// temperature, 4 pH by injection percent) runs on them. Every point or cell is
// printed with its axis values and the injection-water percent that was mixed,
// pH, the saturation ratios of calcite, barite, celestite and gypsum, the
// corrosion rates, the acid and alkali doses of pH control and the inhibitor
// dose with its status. The progress steps and any message go to the complaint
// stream.
//
// Options: --target PH with --acid N and/or --alkali N turns pH control on (codes
// as in phadjust); --product PRODUCTFILE selects a product; for the grids --ph
// LOW:HIGH, --temperature LOW:HIGH (in the injection water's unit), --percent
// LOW:HIGH and --typical P set the ranges.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "common/index_code.h"
#include "engine/records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_axis.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/mix_waters.h"
#include "tools/engine_harness/product_file.h"
#include "tools/engine_harness/whatif_setup.h"
#include "treatment/records.h"
#include "treatment/treatment_limits.h"

namespace {

namespace AE = AnalysisElement;

struct MixArgs {
    bool grid = false;
    int gridCode = -1;
    const char* injection = nullptr;
    const char* formation = nullptr;
    const char* product = nullptr;
    double low = 0.0, high = 100.0;
    double phLow = 6.0, phHigh = 8.0;
    double temperatureLow = NAN, temperatureHigh = NAN;
    double percentLow = 0.0, percentHigh = 100.0, typical = 50.0;
    double target = NAN;
    int acid = -1, alkali = -1;
};

bool ParseNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && std::isfinite(value);
}

bool ParseRange(const char* text, double& low, double& high) {
    const char* colon = std::strchr(text, ':');
    if (colon == nullptr) return false;
    const std::string first(text, colon);
    return ParseNumber(first.c_str(), low) && ParseNumber(colon + 1, high);
}

bool ParseCode(const char* text, int highest, int& code) {
    double v = 0.0;
    if (!ParseNumber(text, v) || v != std::floor(v) || v < 0 || v > highest) return false;
    code = static_cast<int>(v);
    return true;
}

// "" when the arguments are sound, else the complaint.
std::string ParseArgs(std::span<char* const> args, MixArgs& a) {
    if (args.empty()) return "give profile or grid";
    std::size_t i = 1;
    if (std::strcmp(args[0], "grid") == 0) {
        a.grid = true;
        if (args.size() < 2 || !ParseCode(args[1], 4, a.gridCode))
            return "grid needs its KIND: 0 (pH by temperature), 3 (percent by temperature) or "
                   "4 (pH by percent)";
        i = 2;
    } else if (std::strcmp(args[0], "profile") != 0) {
        return "give profile or grid";
    }
    for (; i < args.size(); ++i) {
        const char* o = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (std::strcmp(o, "--low") == 0 && hasValue) {
            ok = ParseNumber(args[++i], a.low);
        } else if (std::strcmp(o, "--high") == 0 && hasValue) {
            ok = ParseNumber(args[++i], a.high);
        } else if (std::strcmp(o, "--ph") == 0 && hasValue) {
            ok = ParseRange(args[++i], a.phLow, a.phHigh);
        } else if (std::strcmp(o, "--temperature") == 0 && hasValue) {
            ok = ParseRange(args[++i], a.temperatureLow, a.temperatureHigh);
        } else if (std::strcmp(o, "--percent") == 0 && hasValue) {
            ok = ParseRange(args[++i], a.percentLow, a.percentHigh);
        } else if (std::strcmp(o, "--typical") == 0 && hasValue) {
            ok = ParseNumber(args[++i], a.typical);
        } else if (std::strcmp(o, "--target") == 0 && hasValue) {
            ok = ParseNumber(args[++i], a.target) && a.target >= 0 && a.target <= 14;
        } else if (std::strcmp(o, "--acid") == 0 && hasValue) {
            ok = ParseCode(args[++i], 3, a.acid);
        } else if (std::strcmp(o, "--alkali") == 0 && hasValue) {
            ok = ParseCode(args[++i], 4, a.alkali);
        } else if (std::strcmp(o, "--product") == 0 && hasValue) {
            a.product = args[++i];
        } else if (o[0] == '-' && o[1] == '-') {
            return std::string("unknown option or missing value: ") + o;
        } else if (a.injection == nullptr) {
            a.injection = o;
        } else if (a.formation == nullptr) {
            a.formation = o;
        } else {
            return std::string("unexpected argument \"") + o + "\"";
        }
        if (!ok) return std::string("bad value for ") + o;
    }
    if (a.formation == nullptr) return "give the injection and the formation water files";
    if ((a.acid >= 0 || a.alkali >= 0) != !std::isnan(a.target))
        return "pH control needs --target with --acid and/or --alkali";
    return "";
}

void SetUpPhControl(const MixArgs& a) {
    PhControlSettings& c = phControlSettings;
    c.acidChemical = AcidChemical::kNone;
    c.alkaliChemical = AlkaliChemical::kNone;
    if (a.acid >= 0) c.acidChemical = static_cast<uint16_t>(a.acid);
    if (a.alkali >= 0) c.alkaliChemical = static_cast<uint16_t>(a.alkali);
    c.phControlMethod = PhControlMethod::kNone;
    if (a.acid >= 0) c.phControlMethod = PhControlMethod::kAcid;
    if (a.alkali >= 0)
        c.phControlMethod = a.acid >= 0 ? PhControlMethod::kBoth : PhControlMethod::kAlkali;
    if (!std::isnan(a.target)) c.targetPh = static_cast<float>(a.target);
}

int LoadProduct(const char* path, std::FILE* err) {
    auto product = std::make_unique<ProductTable>();
    const ProductFileStatus read = ReadHarnessProduct(path, *product);
    if (!read.ok) {
        std::fprintf(err, "%s%s%s\n", read.line > 0 ? path : "", read.line > 0 ? ": " : "",
                     read.message.c_str());
        return kExitBadInput;
    }
    productTable = *product;
    resultStatus.productSelected = 1;
    productLoaded = 1;
    InstallTreatmentHooks();
    return kExitOk;
}

void PrintProfile(std::FILE* out) {
    const MixProfileTables& t = mixProfileTables;
    std::fprintf(out, "mix profile\n");
    for (int k = 0; k < kMixPoints; ++k) {
        char label[16], axis[48];
        std::snprintf(label, sizeof label, "point %d", k);
        std::snprintf(axis, sizeof axis, "percent=%.6g", static_cast<double>(mixPercent[k]));
        PrintPointLine(out, {label, axis, t.mixChemistry[k], t.mixResults[k], t.mixCorrosion[k],
                             t.mixAcidDose[k], t.mixAlkaliDose[k], t.mixInhibitorDose[k],
                             static_cast<int16_t>(t.mixDoseStatus[k])});
    }
}

// The percent of cell (i, j) as the grid mixed it (the axis value held to 0..100).
float CellPercent(int gridCode, int i, int j) {
    const GridTable& g = whatIfResults.grid;
    float p = mixGridTables.gridMixPercent[0];
    if (gridCode == MixGridCode::kRatio) p = g.phAxis[i];
    if (gridCode == MixGridCode::kPhByPercent) p = g.temperatureAxis[j];
    return MixBlendPercent(p);
}

void PrintGrid(std::FILE* out, int gridCode) {
    const GridTable& g = whatIfResults.grid;
    // Names of the row and column values by grid kind.
    const bool pco2 = whatIfOptions.varyPco2 != 0 && gridCode != MixGridCode::kRatio;
    const char* rowName = gridCode == MixGridCode::kRatio ? "percent" : (pco2 ? "pco2" : "ph");
    const char* columnName = gridCode == MixGridCode::kPhByPercent ? "percent" : "temperature";
    std::fprintf(out, "mix grid %s %s\n", rowName, columnName);
    for (int i = 0; i < kMixAxisPoints; ++i) {
        for (int j = 0; j < kMixAxisPoints; ++j) {
            const int c = kMixAxisPoints * i + j;
            char label[16], axis[120];
            std::snprintf(label, sizeof label, "cell %d %d", i, j);
            std::snprintf(axis, sizeof axis, "%s=%.6g %s=%.6g mixed=%.6g", rowName,
                          static_cast<double>(g.phAxis[i]), columnName,
                          static_cast<double>(g.temperatureAxis[j]),
                          static_cast<double>(CellPercent(gridCode, i, j)));
            PrintPointLine(out, {label, axis, g.analysis[c], g.results[c], g.corrosion[c],
                                 g.acidDose[c], g.alkaliDose[c], g.dose[c], g.doseStatus[c]});
        }
    }
}

void SetUpGrid(const MixArgs& a) {
    GraphRangeSettings& r = graphRangeSettings;
    r.gridPhLow = static_cast<float>(a.phLow);
    r.gridPhHigh = static_cast<float>(a.phHigh);
    // Without a range the grid spans the two waters' temperatures.
    const float ti = injectionWater.values[AE::kTemperature];
    const float tf = formationWater.values[AE::kTemperature];
    r.gridTemperatureLow =
        std::isnan(a.temperatureLow) ? std::fmin(ti, tf) : static_cast<float>(a.temperatureLow);
    r.gridTemperatureHigh =
        std::isnan(a.temperatureHigh) ? std::fmax(ti, tf) : static_cast<float>(a.temperatureHigh);
    mixingZoneSettings.gridMixLow = static_cast<float>(a.percentLow);
    mixingZoneSettings.gridMixHigh = static_cast<float>(a.percentHigh);
    mixingZoneSettings.mixTypicalPercent = static_cast<float>(a.typical);
    // The grid serves a graph: barite's.
    graphChoice.count = 1;
    graphChoice.codes[0] = IndexCode::kBarite;
}

}  // namespace

int CmdMix(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    MixArgs a;
    const std::string complaint = ParseArgs(args, a);
    if (!complaint.empty()) {
        std::fprintf(err, "mix: %s\n", complaint.c_str());
        return kExitUsage;
    }
    if (a.product != nullptr) {
        const int status = LoadProduct(a.product, err);
        if (status != kExitOk) return status;
    }
    const int status = LoadWaterflood(a.injection, a.formation, err);
    if (status != kExitOk) return status;
    // The what-if options of a new workspace (pH rows, not pCO2), whatever an
    // earlier command of the same process chose.
    whatIfOptions = WhatIfOptions{};
    SetUpPhControl(a);
    ReportDriverServicesTo(err);
    if (!a.grid) {
        mixingZoneSettings.mixLowPercent = static_cast<float>(a.low);
        mixingZoneSettings.mixHighPercent = static_cast<float>(a.high);
        CalcMixingProfile(mainWindowState.mainWindow);
    } else {
        SetUpGrid(a);
        (void)CalcMixGrid(static_cast<uint16_t>(a.gridCode));
    }
    StopReportingDriverServices();
    if (!a.grid) {
        PrintProfile(out);
        return kExitOk;
    }
    const int doneIndex = a.gridCode == MixGridCode::kPhByPercent ? 0
                          : a.gridCode == MixGridCode::kRatio     ? 1
                                                                  : 2;
    if (resultStatus.mixGridDone[doneIndex] == 0) return kExitBadInput;  // refused: see the message
    PrintGrid(out, a.gridCode);
    return kExitOk;
}
