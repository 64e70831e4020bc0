// Values, titles and colour bands of the bar charts.
#include "graphs/twod/chart_rules.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "input/records.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/format/sub_sup_text.h"
#include "reporttext/graphs/graph_index_names.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "treatment/records.h"

namespace {

struct TitleRow {
    int code;
    int treatedCode;  // the momentary-excess code of the same mineral, or -1
    const char* name;
    const char* formula;
};

constexpr TitleRow kTitleRows[] = {
    {0, 100, "Calcite", "CaCO^3"},
    {1, 101, "Aragonite", "CaCO^3"},
    {2, 114, "Amorphous Silica", "SiO^2"},
    {3, 109, "Calcium phosphate", "Ca^3(PO^4)^2"},
    {4, 105, "Anhydrite", "CaSO^4"},
    {5, 106, "Gypsum", "CaSO^4*2H^2O"},
    {12, 112, "Brucite", "Mg(OH)^2"},
    {19, 116, "Strontianite", "SrCO^3"},
    {20, 115, "Fluorite", "CaF^2"},
    {21, 107, "Barite", "BaSO^4"},
    {22, 102, "Witherite", "BaCO^3"},
    {23, 113, "Ferric hydroxide", "Fe(OH)^3"},
    {24, 103, "Siderite", "FeCO^3"},
    {25, 104, "Magnesite", "MgCO^3"},
    {26, 111, "Strengite", "FePO^4"},
    {32, 119, "Halite", "NaCl"},
    {36, 110, "Hydroxyapatite", "Ca^5(PO^4)^3(OH)"},
    {37, 108, "Celestite", "SrSO^4"},
    {44, 117, "Iron sulfide", "FeS"},
    {45, 118, "Thenardite", "Na^2SO^4"},
    {47, 121, "Magnesium silicate", "MgSiO^3"},
    {62, 120, "Calcium oxalate", "CaC^2O^4"},
    {51, -1, "Strontianite", "SrCO_3"},
    {53, -1, "Magnesite", "MgCO_3"},
    {55, -1, "Siderite", "FeCO_3"},
    {57, -1, "Witherite", "BaCO_3"},
    {58, -1, "Aragonite", "CaCO_3"},
    {60, -1, "Calcite", "CaCO_3"},
};

// The report page titles its carbonate precipitation codes as the minerals.
constexpr TitleRow kPageTitleRows[] = {
    {51, -1, "Strontianite", "SrCO^3"}, {53, -1, "Magnesite", "MgCO^3"},
    {55, -1, "Siderite", "FeCO^3"},     {57, -1, "Witherite", "BaCO^3"},
    {58, -1, "Aragonite", "CaCO^3"},    {60, -1, "Calcite", "CaCO^3"},
};

// The captions of the index charts.
struct IndexCaption {
    int code;
    const char* caption;
};
constexpr IndexCaption kIndexCaptions[] = {
    {10, "LSI"}, {42, "OTI"}, {43, "SDI"}, {11, "RSI"}, {31, "PSI"}, {41, "pH"},
};

// Thresholds that the bands compare as single-precision values widened.
constexpr double F(float v) {
    return static_cast<double>(v);
}

// The product's name as a title shows it: as typed, within its 20 bytes.
std::string ProductName() {
    const char* name = productTable.records[0].name;
    return TypedTextInLabel(std::string_view(name, strnlen(name, sizeof productTable.records[0].name)));
}

const char* CorrosionCaption() {
    return unitCodes.code[UnitItem::kCorrosionRate] == 0 ? "mpy" : "mm/yr";
}

const char* PrecipitationCaption() {
    switch (displaySettings.precipitationUnit) {
        case 0:
            return "mg/l above Equil.";
        case 1:
            return "lbs/1000 Barrels";
        default:
            return "kg/1000 Barrels";
    }
}

bool IsIndexGroup(int code) {
    return code == 10 || code == 42 || code == 43 || code == 11 || code == 31 || code == 18;
}

bool IsPrecipitationCode(int code) {
    return (code >= 51 && code <= 61) || code >= 100;
}

double Precipitation(float mgPerLitre) {
    return PrecipitationInDisplayUnit(mgPerLitre);
}

double LogOf(double t) {
    return std::log10(t);
}

}  // namespace

void SetChartText(char* text, const char* value) {
    std::snprintf(text, kAxisTitleChars, "%s", value);
}

void AppendChartText(char* text, const char* more) {
    const std::size_t used = std::strlen(text);
    std::snprintf(text + used, kAxisTitleChars - used, "%s", more);
}

int ProductMode() {
    return productTable.records[0].productMode;
}

double CorrosionFactor() {
    return unitCodes.code[UnitItem::kCorrosionRate] == 0 ? 1.0 : 0.0254;
}

int StatusColour(int32_t status) {
    switch (status) {
        case 0:
            return 1;
        case 1:
            return 14;
        case 2:
            return 4;
        case 3:
            return 5;
        default:
            return 0;
    }
}

int RisingBand(double v, double t0, double t1, double t2, double t3) {
    if (v < t0) return 1;
    if (v < t1) return 2;
    if (v < t2) return 14;
    if (v < t3) return 5;
    return 4;
}

int RisingBandUpTo(double v, double t0, double t1, double t2, double t3) {
    if (v <= t0) return 1;
    if (v <= t1) return 2;
    if (v <= t2) return 14;
    if (v <= t3) return 5;
    return 4;
}

int FallingIndexBand(double v) {
    if (v > 7.0) return 1;
    if (v > 6.0) return 2;
    if (v > 5.0) return 14;
    if (v > 4.0) return 5;
    return 4;
}

int CorrosionRateBand(double v, double factor, int second) {
    if (v < factor) return 1;
    if (v < 5.0 * factor) return second;
    if (v < 10.0 * factor) return 5;
    return 4;
}

const char* GraphTemperatureUnit() {
    switch (unitCodes.code[UnitItem::kTemperature]) {
        case 0:
            return " \xB0"
                   "F";
        case 1:
            return " \xB0"
                   "C";
        case 2:
            return " \xB0"
                   "K";
        default:
            return "";
    }
}

bool IsUnlistedCode(int code) {
    if (code == 50 || code == 52 || code == 54 || code == 56 || code == 59 || code == 61)
        return true;
    if (code >= 63 && code <= 88) return true;
    return code == 92 || code == 93 || (code >= 97 && code <= 99) || code > 121 || code < 0;
}

bool IsLogCode(int code) {
    switch (code) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 12:
        case 19:
        case 20:
        case 21:
        case 22:
        case 23:
        case 24:
        case 25:
        case 36:
        case 37:
        case 47:
        case 62:
            return true;
        default:
            return false;
    }
}

bool IsMineralCode(int code) {
    if (code == 62) return true;
    if (code < 0 || code >= 50) return false;
    return !(code == 10 || code == 11 || code == 18 || code == 31 || (code >= 40 && code <= 43));
}

ChartTables TablesOfKind(int kind) {
    auto profile = [](const ProfileTable& p) {
        return ChartTables{kProfilePoints, p.analysis, p.results,    p.excess,
                           p.corrosion,    p.acidDose, p.alkaliDose, p.dose};
    };
    auto well = [](const auto& w) {
        return ChartTables{w.kStations, w.analysis, w.results, w.excess,
                           w.corrosion, w.phDoseA,  w.phDoseB, w.dose};
    };
    const MixProfileTables& m = mixProfileTables;
    switch (kind) {
        case ChartKind::kTemperature:
            return profile(whatIfResults.tempProfile);
        case ChartKind::kPh:
            return profile(whatIfResults.phProfile);
        case ChartKind::kPressure:
        case ChartKind::kGridPressure:
            return profile(whatIfResults.pressureProfile);
        case ChartKind::kMixing:
            return ChartTables{kMixPoints,     m.mixChemistry, m.mixResults,    m.mixExcess,
                               m.mixCorrosion, m.mixAcidDose,  m.mixAlkaliDose, m.mixInhibitorDose};
        case ChartKind::kWell:
        case ChartKind::kWellPage:
            return well(wellProfiles.flash11);
        case ChartKind::kReportPage:
            return well(wellProfiles.wellLog);
        case ChartKind::kWellSummary:
            return well(wellProfiles.flash48);
        default:
            return ChartTables{};
    }
}

void StatusRowOfKind(int kind, bool mixingRules, int32_t (&status)[kGraphPoints]) {
    for (int32_t& s : status) s = -1;
    if (mixingRules) {
        for (int i = 0; i < kMixPoints; ++i) status[i] = mixProfileTables.mixDoseStatus[i];
        return;
    }
    switch (kind) {
        case ChartKind::kPh:
            for (int i = 0; i < kProfilePoints; ++i)
                status[i] = whatIfResults.phProfile.doseStatus[i];
            break;
        case ChartKind::kPressure:
        case ChartKind::kGridPressure:
            for (int i = 0; i < kProfilePoints; ++i)
                status[i] = whatIfResults.pressureProfile.doseStatus[i];
            break;
        case ChartKind::kWell:
        case ChartKind::kWellPage:
            for (int i = 0; i < kGraphPoints; ++i) status[i] = wellProfiles.flash11.doseStatus[i];
            break;
        case ChartKind::kReportPage:
            for (int i = 0; i < kGraphPoints; ++i) status[i] = wellProfiles.wellLog.doseStatus[i];
            break;
        default:
            for (int i = 0; i < kProfilePoints; ++i)
                status[i] = whatIfResults.tempProfile.doseStatus[i];
            break;
    }
}

bool ReadChartValues(int code, int kind, int count, bool logIndex, double* values) {
    const ChartTables t = TablesOfKind(kind);
    // The page graphs and the well-log summary show iron sulfide as a log index too.
    const bool logsIronSulfide = kind == ChartKind::kReportPage || kind == ChartKind::kWellPage ||
                                 kind == ChartKind::kWellSummary;
    const bool logged = logIndex && kind != ChartKind::kMixing &&
                        (IsLogCode(code) || (logsIronSulfide && code == 44));
    bool zeroRatio = false;
    for (int i = 0; i < count; ++i) {
        double v = 0.0;
        // A point not calculated is left out: no bar, no part in the scale.
        const bool calculated =
            i < t.rows && t.results != nullptr && !IsNotCalculated(t.results[i][35]);
        if (calculated && !IsUnlistedCode(code)) {
            if (code == 40) {
                v = t.analysis[i][15];
            } else if (code == 41) {
                v = t.analysis[i][0];
            } else if (code >= 50 && code <= 61) {
                v = Precipitation(t.results[i][code]);
            } else if (code < 64) {
                v = t.results[i][code];
            } else if (code == 89) {
                v = t.dose[i];
            } else if (code == 90) {
                v = t.acidDose[i];
            } else if (code == 91) {
                v = t.alkaliDose[i];
            } else if (code == 94) {
                v = t.corrosion[i][0];
            } else if (code == 95) {
                v = t.corrosion[i][3];
            } else if (code == 96) {
                v = t.corrosion[i][2];
            } else if (code >= 100 && code - 100 < kIndicatorRowValues) {
                v = Precipitation(t.excess[i][code - 100]);
            }
        }
        if (logged && calculated) {
            if (v > 0.0) {
                v = std::log10(v);
            } else {
                v = 0.0;
                zeroRatio = true;
            }
        }
        values[i] = v;
    }
    return zeroRatio;
}

ChartTexts ChartNamedTitle(int code, bool reportPage) {
    ChartTexts x{};
    const bool formulas = displaySettings.mineralTitles != 0;
    bool titled = false;
    if (reportPage) {
        for (const TitleRow& r : kPageTitleRows)
            if (r.code == code) {
                SetChartText(x.title, formulas ? r.formula : r.name);
                titled = true;
            }
    }
    for (const TitleRow& r : kTitleRows) {
        if (titled) break;
        if (r.code == code || r.treatedCode == code) {
            SetChartText(x.title, formulas ? r.formula : r.name);
            titled = true;
        }
    }
    if (const char* index = GraphIndexTitle(code); !titled && index != nullptr) {
        SetChartText(x.title, index);
        titled = true;
        if (code >= 94) SetChartText(x.caption, CorrosionCaption());
    }
    if (!titled) {
        if (code == 90 || code == 91) {
            const uint16_t chemical =
                code == 90 ? phControlSettings.acidChemical : phControlSettings.alkaliChemical;
            SetChartText(x.title, code == 90 ? AcidName(chemical) : AlkaliName(chemical));
            AppendChartText(x.title, " Dosage Profile");
            SetChartText(x.caption, "mg/l");
        } else {
            SetChartText(x.title, ProductName().c_str());
            if (code == 89 && ProductMode() < 2) {
                AppendChartText(x.title, " Dosage Profile");
                SetChartText(x.caption, "mg/l");
            } else if (code == 89 && ProductMode() == 2) {
                AppendChartText(x.title, " Corrosion Profile");
                SetChartText(x.caption, CorrosionCaption());
            }
        }
    }
    return x;
}

ChartTexts ChartTitles(int code, bool mixingWording, bool reportPage) {
    ChartTexts x = ChartNamedTitle(code, reportPage);
    const bool logIndex = displaySettings.indexFormat == 1;
    if (IsMineralCode(code)) {
        const bool shortTitle = std::strlen(x.title) < 12;
        if (mixingWording) {
            AppendChartText(x.title, shortTitle ? " Saturation Level" : " Saturation");
            SetChartText(x.caption, "Saturation Level");
        } else {
            if (logIndex)
                AppendChartText(x.title, shortTitle ? " Saturation Index" : " Index");
            else
                AppendChartText(x.title, shortTitle ? " Saturation Ratio" : " Ratio");
            SetChartText(x.caption, logIndex ? " Saturation Index" : " Saturation Ratio");
        }
        return x;
    }
    for (const IndexCaption& index : kIndexCaptions)
        if (index.code == code) {
            SetChartText(x.caption, index.caption);
            return x;
        }
    switch (code) {
        case 18:
            SetChartText(x.caption, mixingWording ? "Larson-Skold" : "Larson Skold");
            return x;
        case 40:
            SetChartText(x.caption, "Temperature");
            AppendChartText(x.caption, GraphTemperatureUnit());
            return x;
        default:
            break;
    }
    const bool dose = code == 89 || code == 90 || code == 91 || (code >= 94 && code <= 96);
    const char* ending = nullptr;
    if (mixingWording) {
        if (code >= 51 && code <= 60)
            ending = " Precipitation Potential";
        else if (((code >= 78 && code <= 88) || code >= 99) && !dose)
            ending = " Momentary Excess";
    } else if (code >= 51 && code <= 61) {
        ending = " Precipitation Potential";
    } else if (code >= 100) {
        ending = " Momentary Excess";
    }
    if (ending != nullptr) {
        AppendChartText(x.title, ending);
        SetChartText(x.caption, PrecipitationCaption());
    }
    return x;
}

int BandColour(int code, double v, const BandRules& rules) {
    const double fc = CorrosionFactor();
    if (IsMineralCode(code)) {
        if (rules.mixing) {
            if (code == 2) return RisingBand(v, F(0.95f), F(1.05f), F(1.15f), 1.25);
            return RisingBand(v, 1.0, F(1.2f), 2.0, 5.0);
        }
        // Only the values shown as a log index meet logarithmic thresholds.
        const bool logged = rules.logIndex && IsLogCode(code);
        if (code == 2) {
            if (logged) return RisingBand(v, LogOf(0.95), LogOf(1.05), LogOf(1.15), LogOf(1.25));
            return RisingBand(v, 0.95, 1.05, 1.15, 1.25);
        }
        if (logged) return RisingBand(v, 0.0, LogOf(1.2), LogOf(2.0), LogOf(5.0));
        return RisingBand(v, 1.0, 1.2, 2.0, 5.0);
    }
    switch (code) {
        case 10:
        case 42:
        case 43:
            return RisingBand(v, 0.0, F(0.2f), F(0.8f), F(1.2f));
        case 18:
            return RisingBand(v, F(0.2f), F(0.4f), F(0.6f), F(0.8f));
        case 11:
        case 31:
            return FallingIndexBand(v);
        case 94:
        case 95:
        case 96:
            return CorrosionRateBand(v, fc, 2);
        case 40:
        case 41:
            return 1;
        default:
            break;
    }
    if (rules.mixing) {
        const bool precipitation =
            (code >= 51 && code <= 60) || (code >= 78 && code <= 88) || code == 99 || code >= 100;
        if (!precipitation) return 0;
        if (code == 114) return RisingBand(v, 0.0, 10.0, 20.0, 40.0);
        if (v < 0.0) return 1;
        if (v < 0.05) return 2;
        if (v < 0.1) return 5;
        return 4;
    }
    if (IsPrecipitationCode(code)) return RisingBandUpTo(v, 0.0, 0.2, 0.8, 2.0);
    return 0;
}

void ChartColours(int code, const double* values, int count, const BandRules& rules,
                  const int32_t (&status)[kGraphPoints], int (&colours)[kGraphPoints],
                  int32_t (&pointFlags)[kGraphPoints]) {
    for (int& c : colours) c = 1;
    const double fc = CorrosionFactor();
    const bool statusCoded = rules.treated && (IsMineralCode(code) || IsIndexGroup(code) ||
                                               (code >= 51 && code <= 61) || code >= 100);
    for (int i = 0; i < count && i < kGraphPoints; ++i) {
        const double v = values[i];
        int c = 0;
        if (statusCoded) {
            c = StatusColour(status[i]);
        } else if (code == 89) {
            if (ProductMode() == 2) {
                c = CorrosionRateBand(v, fc, rules.mixing ? 2 : 14);
            } else {
                c = StatusColour(status[i]);
                if (c == 0 && !rules.mixing) c = 5;  // any other status
            }
        } else if (code == 90 || code == 91) {
            c = rules.mixing ? 1 : (status[i] == 0 ? 1 : 4);
        } else {
            c = BandColour(code, v, rules);
        }
        if (c == 0) continue;
        colours[i] = c;
        pointFlags[i] = 1;
    }
}
