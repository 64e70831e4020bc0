// The rows of the printed indicators versus a what-if variable: labels at
// column 1, headings at column 0, the value of point k ending at 28 + 8k.
#include "printing/reports/layouts/profile_indicators_layout.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "input/records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/precipitation_display.h"
#include "reporttext/profilepages/profile_header.h"
#include "reporttext/waterpages/page_texts.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

namespace E = AnalysisElement;

constexpr int kPoints = 7;
constexpr int kTemperatureKind = 0;
constexpr int kPressureKind = 3;
constexpr int kPhWithLarsonSkold = 1;
constexpr float kCarbonateSpecies = 1e-06f;

struct Mineral {
    int flag;
    const char* label;
    int slot;  // SaturationResults slot on page 1, MomentaryExcess slot on page 2
};
const Mineral kSaturation[] = {
    {0, "Calcite ", 0},
    {1, "Aragonite ", 1},
    {2, "Witherite ", 22},
    {3, "Strontianite ", 19},
    {53, "Calcium oxalate ", 62},
    {4, "Magnesite ", 25},
    {5, "Anhydrite ", 4},
    {6, "Gypsum ", 5},
    {7, "Barite ", 21},
    {8, "Celestite ", 37},
    {10, "Calcium phosphate ", 3},
    {11, "Hydroxyapatite ", 36},
    {9, "Fluorite ", 20},
    {12, "Silica ", 2},
    {13, "Brucite ", 12},
    {14, "Mag. silicate ", 47},
    {15, "Ferric hydroxide ", 23},
    {17, "Siderite ", 24},
    {16, "Strengite ", 26},
    {18, "Halite ", 32},
    {19, "Thenardite ", 45},
    {20, "Iron sulfide ", 44},
};
const Mineral kExcess[] = {
    {21, "Calcite", 0},
    {22, "Aragonite", 1},
    {23, "Witherite", 2},
    {24, "Strontianite", 16},
    {54, "Calcium oxalate", 20},
    {25, "Magnesite", 4},
    {26, "Anhydrite", 5},
    {27, "Gypsum", 6},
    {28, "Barite", 7},
    {29, "Celestite", 8},
    {31, "Calcium phosphate", 9},
    {32, "Hydroxyapatite", 10},
    {30, "Fluorite", 15},
    {33, "Silica", 14},
    {34, "Brucite", 12},
    {35, "Mag. silicate", 21},
    {36, "Ferric hydroxide", 13},
    {38, "Siderite", 3},
    {37, "Strengite", 11},
    {39, "Halite", 19},
    {40, "Thenardite", 18},
    {41, "Iron sulfide", 17},
};
constexpr int kIronSulfideSaturation = 20;
constexpr int kIronSulfideExcess = 41;

struct Index {
    int flag;
    const char* label;
    int slot;
};
const Index kIndices[] = {
    {42, "Langelier  ", 10},   {43, "Ryznar  ", 11},    {47, "Oddo-Tomson  ", 42},
    {46, "Stiff-Davis  ", 43}, {44, "Puckorius  ", 31}, {45, "Larson-Skold  ", 18},
};
constexpr int kLarsonSkoldFlag = 45;

struct Ion {
    const char* label;
    int total;
    int free;
};
const Ion kIons[] = {
    {"Ca", 6, 7}, {"Ba", 38, 39}, {"CO_3", 8, 9}, {"PO_4", 16, 17}, {"SO_4", 40, 41},
};

bool Shown(int flag) {
    return displaySettings.indicatorItemsHidden[flag] == 0;
}

int ValueColumn(int k) {
    return 28 + 8 * k;
}

std::string Fixed2(double value) {
    return FixedCell(value, 2);
}

std::string Value7OrNa(float value) {
    return IsSolverNotReachable(value) ? std::string(kNotApplicable) : Value7Cell(value);
}

std::string SaturationCell(float ratio) {
    // A point not calculated holds no ratio, in either form.
    if (IsSolverNotReachable(ratio) || IsUndefinedValue(ratio)) return kNotApplicable;
    if (displaySettings.indexFormat == 1)
        return ratio > 0.0f ? Fixed2(std::log10(ratio)) : std::string(kNotApplicable);
    return Fixed2(ratio);
}

bool SpeciesTest(const ProfilePoint& p) {
    return p.results[27] > kCarbonateSpecies || p.results[29] > kCarbonateSpecies;
}

std::string IndexCell(int kind, const Index& index, const ProfilePoint& p) {
    const bool ions = p.values[E::kChloride] > 0.0f || p.values[E::kSulfate] > 0.0f;
    if (index.flag == kLarsonSkoldFlag) {
        const bool printed = (kind == kTemperatureKind || kind == kPhWithLarsonSkold) && ions;
        if (!printed) return kNotApplicable;
    }
    return SpeciesTest(p) ? Value7OrNa(p.results[index.slot]) : std::string(kNotApplicable);
}

// The excess heading by unit, blank-padded to 73 (72 for kilograms).
std::string ExcessHeading() {
    const unsigned unit = displaySettings.precipitationUnit;
    std::string text = unit == 0   ? "FREE ION MOMENTARY EXCESS (mg/L)"
                       : unit == 1 ? "FREE ION MOMENTARY EXCESS (Lbs/1000 Barrels)"
                                   : "FREE ION MOMENTARY EXCESS (kg/1000 Barrels)";
    text.resize(unit <= 1 ? 73 : 72, ' ');
    return text;
}

struct Page {
    int kind;
    const ProfileViewRecord& profile;
    ReportLayout& layout;
    int line = 1;

    void Heading(const char* text, bool axisValues) {
        layout.AddText(line, 0, text, FontRole::kBold);
        if (axisValues) AxisValues();
        ++line;
    }
    void AxisValues() {
        const bool pco2 =
            kind != kTemperatureKind && kind != kPressureKind && whatIfOptions.varyPco2 != 0;
        for (int k = 0; k < kPoints; ++k) {
            const float* v = profile.points[k].values;
            std::string value;
            if (kind == kTemperatureKind) {
                value = Value7Cell(v[E::kTemperature]);
            } else if (kind == kPressureKind) {
                value = Value7Cell(v[E::kPressure]);
            } else if (pco2) {
                value = Pco2Headings(profile)[static_cast<size_t>(k)];
            } else {
                value = Value7Cell(v[E::kPh]);
            }
            layout.AddValueEnd(line, ValueColumn(k), value, FontRole::kBold);
        }
    }
    template <typename CellOf>
    void Row(const char* label, CellOf cell) {
        layout.AddText(line, 1, label);
        for (int k = 0; k < kPoints; ++k)
            layout.AddValueEnd(line, ValueColumn(k), cell(profile.points[k]));
        ++line;
    }
};

// The axis heading: an underscore run ending at column 76, the caption before
// it and a second run before the caption.
void AxisLine(int kind, bool secondPage, ReportLayout& layout) {
    std::string right, caption, left;
    if (kind == kTemperatureKind) {
        static const char* const kUnits[] = {" (^oF)", " (^oC)", " (^oK)"};
        const unsigned u = unitCodes.code[UnitItem::kTemperature];
        right = "___________________";
        left = "___________________";
        caption = std::string("Temperature") + (u < 3 ? kUnits[u] : "");
    } else if (kind == kPressureKind) {
        static const char* const kUnits[] = {" (atm)", " (bars)", " (psi)", " (KPa)"};
        const unsigned u = unitCodes.code[UnitItem::kPressure];
        right = "_____________________";
        left = "____________________";
        caption = std::string("Pressure") + (u < 4 ? kUnits[u] : "");
    } else {
        right = "________________________";
        left = "__________________________";
        caption = whatIfOptions.varyPco2 != 0 ? "pCO_2" : " pH ";
    }
    if (secondPage) {
        right += ' ';
        left = ' ' + left;
    }
    layout.AddAnchored(0, 76, right, ItemKind::kRule, FontRole::kBold, Anchor::kEnd);
    layout.AddAnchored(0, 76, caption, ItemKind::kText, FontRole::kBold, Anchor::kBeforePrevious);
    layout.AddAnchored(0, 76, left, ItemKind::kRule, FontRole::kBold, Anchor::kBeforePrevious);
}

void FirstPage(Page& p) {
    bool anySaturation = Shown(53);
    for (int flag = 0; flag <= 20; ++flag) anySaturation = anySaturation || Shown(flag);
    if (anySaturation) {
        p.Heading(displaySettings.indexFormat == 1 ? "SATURATION INDEX" : "SATURATION RATIO", true);
        for (const Mineral& m : kSaturation) {
            if (!Shown(m.flag)) continue;
            p.Row(m.label,
                  [&m](const ProfilePoint& pt) { return SaturationCell(pt.results[m.slot]); });
            if (m.flag == kIronSulfideSaturation) ++p.line;
        }
    }
    p.Heading("SIMPLE INDICES", false);
    const int kind = p.kind;
    for (const Index& index : kIndices) {
        if (!Shown(index.flag)) continue;
        p.Row(index.label,
              [kind, &index](const ProfilePoint& pt) { return IndexCell(kind, index, pt); });
        if (index.flag == kLarsonSkoldFlag) ++p.line;
    }
}

void SecondPage(Page& p) {
    p.Heading("TOTAL VS FREE IONS", true);
    for (const Ion& ion : kIons) {
        p.layout.AddText(p.line, 1, ion.label);
        p.layout.AddValueEnd(p.line, 12, "Total");
        for (int k = 0; k < kPoints; ++k)
            p.layout.AddValueEnd(p.line, ValueColumn(k),
                                 Value7OrNa(p.profile.points[k].results[ion.total]));
        ++p.line;
        p.layout.AddValueEnd(p.line, 12, "Free");
        for (int k = 0; k < kPoints; ++k)
            p.layout.AddValueEnd(p.line, ValueColumn(k),
                                 Value7OrNa(p.profile.points[k].results[ion.free]));
        ++p.line;
    }
    ++p.line;
    p.Heading(ExcessHeading().c_str(), false);
    for (const Mineral& m : kExcess) {
        if (!Shown(m.flag)) continue;
        p.Row(m.label, [&m](const ProfilePoint& pt) {
            return Value7Cell(PrecipitationInDisplayUnit(pt.excess[m.slot]));
        });
        if (m.flag == kIronSulfideExcess) ++p.line;
    }
}

// The mixing-ratio pages: values end at 27 + 8k, the percents head the columns.
// The ratio page lists calcium silicate after magnesium silicate; no profile
// point keeps a calcium silicate ratio.
const Mineral kCalciumSilicate = {55, "Calcium silicate ", -1};
constexpr int kMagnesiumSilicateFlag = 14;

struct RatioPage {
    const ProfileViewRecord& profile;
    int points;
    ReportLayout& layout;
    int line = 0;

    void Percents(int at) {
        for (int k = 0; k < points; ++k)
            layout.AddValueEnd(at, 27 + 8 * k, Fixed2(profile.points[k].injectionPercent),
                               FontRole::kBold);
    }
    template <typename CellOf>
    void Row(const char* label, CellOf cell) {
        if (*label != '\0') layout.AddText(line, 1, label);
        for (int k = 0; k < points; ++k)
            layout.AddValueEnd(line, 27 + 8 * k, cell(profile.points[k]));
        ++line;
    }
};

void PercentLine(ReportLayout& layout) {
    layout.AddAnchored(0, 74, "_________________% INJECTION WATER_________________",
                       ItemKind::kRule, FontRole::kBold, Anchor::kEnd);
}

// A point's simple index passes the species test and the index's own bound.
std::string RatioIndexCell(const Index& index, const ProfilePoint& p) {
    const float v = p.results[index.slot];
    bool own = true;
    switch (index.flag) {
        case 42:
        case 47:
        case 46:
            own = v > -14.0f;
            break;
        case 43:
        case 44:
            own = v < 14.0f;
            break;
        case kLarsonSkoldFlag:
            own = p.values[E::kChloride] > 0.0f || p.values[E::kSulfate] > 0.0f;
            break;
        default:
            break;
    }
    return own && SpeciesTest(p) ? Value7OrNa(v) : std::string(kNotApplicable);
}

}  // namespace

void LayOutRatioIndicators(const ProfileViewRecord& profile, int points,
                           RatioIndicatorsLayout& layout) {
    layout = RatioIndicatorsLayout{};
    if (points > kPoints) points = kPoints;
    if (points < 0) points = 0;
    PercentLine(layout.head1);
    // The saturation heading is wider than the room before the first
    // percent, so it takes its own line under the percents.
    layout.head1.AddText(2, 0,
                         displaySettings.indexFormat == 0 ? "SATURATION RATIO IAP/Ksp"
                                                          : "SATURATION INDEX LOG10(IAP/Ksp)",
                         FontRole::kBold);
    RatioPage head{profile, points, layout.head1};
    head.Percents(1);
    layout.head1.endLine = 3;

    RatioPage first{profile, points, layout.page1};
    bool anySaturation = Shown(kCalciumSilicate.flag);
    for (const Mineral& m : kSaturation) anySaturation = anySaturation || Shown(m.flag);
    if (anySaturation) {
        const auto row = [&first](const Mineral& m) {
            if (!Shown(m.flag)) return;
            first.Row(m.label, [&m](const ProfilePoint& pt) {
                return m.slot < 0 ? std::string(kNotApplicable)
                                  : SaturationCell(pt.results[m.slot]);
            });
            if (m.flag == kIronSulfideSaturation) ++first.line;
        };
        for (const Mineral& m : kSaturation) {
            row(m);
            if (m.flag == kMagnesiumSilicateFlag) row(kCalciumSilicate);
        }
    }
    layout.page1.AddText(first.line, 0, "SIMPLE INDICES", FontRole::kBold);
    ++first.line;
    for (const Index& index : kIndices) {
        if (!Shown(index.flag)) continue;
        first.Row(index.label,
                  [&index](const ProfilePoint& pt) { return RatioIndexCell(index, pt); });
        if (index.flag == kLarsonSkoldFlag) ++first.line;
    }
    layout.page1.endLine = first.line;

    RatioPage second{profile, points, layout.page2};
    PercentLine(layout.page2);
    second.line = 1;
    layout.page2.AddText(1, 0, "TOTAL VS FREE IONS", FontRole::kBold);
    second.Percents(1);
    second.line = 2;
    for (const Ion& ion : kIons) {
        layout.page2.AddText(second.line, 1, ion.label);
        layout.page2.AddValueEnd(second.line, 12, "Total");
        second.Row("",
                   [&ion](const ProfilePoint& pt) { return Value7OrNa(pt.results[ion.total]); });
        layout.page2.AddValueEnd(second.line, 12, "Free");
        second.Row("", [&ion](const ProfilePoint& pt) { return Value7OrNa(pt.results[ion.free]); });
    }
    ++second.line;
    layout.page2.AddText(second.line, 0, ExcessHeading(), FontRole::kBold);
    ++second.line;
    for (const Mineral& m : kExcess) {
        if (!Shown(m.flag)) continue;
        const char* label = m.flag == 23 ? "Witherite " : m.label;
        second.Row(label, [&m](const ProfilePoint& pt) {
            return Value7Cell(PrecipitationInDisplayUnit(pt.excess[m.slot]));
        });
    }
    layout.page2.endLine = second.line;
    layout.page1.title = layout.page2.title = "MIXED WATER";
}

const char* WhatIfIndicatorsSecondTitle(int kind) {
    if (kind == kTemperatureKind) return "VERSUS TEMPERATURE";
    if (kind == kPressureKind) return "VERSUS PRESSURE";
    return whatIfOptions.varyPco2 != 0 ? "VERSUS pCO_2 " : "VERSUS pH ";
}

void LayOutWhatIfIndicators(int kind, const ProfileViewRecord& profile,
                            ProfileIndicatorsLayout& layout) {
    layout = ProfileIndicatorsLayout{};
    AxisLine(kind, false, layout.page1);
    Page first{kind, profile, layout.page1};
    FirstPage(first);
    layout.page1.endLine = first.line;
    AxisLine(kind, true, layout.page2);
    Page second{kind, profile, layout.page2};
    SecondPage(second);
    layout.page2.endLine = second.line;
    layout.page1.title = layout.page2.title = WhatIfIndicatorsSecondTitle(kind);
}
