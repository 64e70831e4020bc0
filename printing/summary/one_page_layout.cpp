// The one-page summary's layout rules.
#include "printing/summary/one_page_layout.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kLandscapeShift = 30;
constexpr uint32_t kTypicalPressure = 2;  // wellLogPtSource without a pressure column
constexpr uint32_t kBoth = 2;             // momentary excess and precipitation potential
constexpr int kParameterLines = 7;

// Columns 1 and 6 (calcite and siderite) also carry the precipitation potential.
bool HasPotential(int column) {
    return column == 0 || column == 5;
}

}  // namespace

ParametersPlacement PlaceParameters(int cations, int anions) {
    const int n = std::max(cations, anions);
    if (cations <= n - 7) return {ParametersLayout::kLeft, n - 7};
    if (anions <= n - 7) return {ParametersLayout::kRight, n - 7};
    return {ParametersLayout::kBottom, n > 9 ? n : n + 1};
}

ChemistryWalk WalkChemistryRows(int cations, int anions, int lh) {
    return WalkChemistryRows(PlaceParameters(cations, anions), cations, anions, lh);
}

ParametersPlacement PlaceWellLogParameters(int cations, int anions) {
    const int m = std::max(cations, anions);
    if (cations <= m - 7) return {ParametersLayout::kLeft, m - 7};
    if (anions <= m - 7) return {ParametersLayout::kRight, m - 7};
    return {ParametersLayout::kRight, m >= 10 ? m : m + 1};
}

ChemistryWalk WalkChemistryRows(ParametersPlacement placement, int cations, int anions, int lh) {
    ChemistryWalk w{placement, {}, 0, 0};
    const int n = std::max(cations, anions);
    int y = 0;
    for (int i = 0; i <= n + 1; ++i) {
        if (i >= cations && i >= anions && i != w.placement.row) y += lh / 2;
        w.rowY.push_back(y);
        if (i == w.placement.row) {
            w.blockY = y;
            if (w.placement.layout == ParametersLayout::kBottom) {
                y += 4 * lh;  // the heading and three lines of pairs
                break;
            }
        }
        y += lh;
    }
    // A one-column block is its heading and six lines.
    if (w.placement.layout != ParametersLayout::kBottom)
        y = std::max(y, w.blockY + kParameterLines * lh);
    w.endY = y;
    return w;
}

int PageTextOriginColumns(bool landscape, uint32_t source, uint32_t show) {
    if (!landscape) return 10 + 80;
    return 30 + (source == kTypicalPressure && show == kBoth ? 94 : 87);
}

int ChemistryRuleEndColumns(bool printer, bool landscape, uint32_t source, uint32_t show) {
    if (!printer || !landscape) return PageTextOriginColumns(landscape, source, show) + 80;
    const bool both = show == kBoth;
    const int k = source == kTypicalPressure ? (both ? 214 : 174) : (both ? 234 : 184);
    return k + kLandscapeShift;
}

ScaleTableColumns ScaleColumns(bool landscape, uint32_t source, uint32_t show) {
    struct Row {
        int pressure;
        int bounds[8];
    };
    const bool both = show == kBoth;
    Row row;
    if (source == kTypicalPressure) {
        if (both)
            row = {-1, {14, 44, 64, 84, 104, 124, 154, 184}};
        else if (landscape)
            row = {-1, {15, 37, 60, 83, 106, 129, 152, 175}};
        else
            row = {-1, {16, 40, 64, 98, 122, 146, 170, 184}};
    } else {
        const int pressure = landscape && source == 0 ? (both ? 14 : 15) : 16;
        if (both)
            row = {pressure, {25, 55, 75, 95, 115, 135, 165, 184}};
        else
            row = {pressure, {26, 50, 72, 94, 116, 140, 164, 184}};
    }
    const int s = landscape ? kLandscapeShift : 0;
    ScaleTableColumns c{4 + s, row.pressure < 0 ? -1 : row.pressure + s, {}};
    for (int k = 0; k < 8; ++k) c.bounds[k] = row.bounds[k] + s;
    return c;
}

std::vector<CaptionLine> ScaleCaptionLines(const ScaleTableColumns& columns, uint16_t unit,
                                           uint32_t show, uint32_t indexFormat, bool printer) {
    const char* amount = "   mg/L";
    if (unit != 0) {
        if (printer)
            amount = unit == 1 ? "Lbs per" : "kg per";
        else
            amount = unit == 1 ? "#/1000" : "kg/1000";
    }
    const char* saturation = indexFormat == 1 ? "Log(SR)" : "   xSAT";
    const bool perBarrels = printer && unit != 0;
    std::vector<CaptionLine> lines(perBarrels ? 3 : 1);
    for (int k = 0; k < 7; ++k) {
        const int m = columns.bounds[k];
        const bool potential = HasPotential(k);
        if (potential && show == 1) {
            lines[0].push_back({m + 10, "   PP   "});
        } else {
            lines[0].push_back({m + 10, amount});
            if (potential && show == kBoth) lines[0].push_back({m + 20, "   PP   "});
        }
        lines[perBarrels ? 1 : 0].push_back({m, saturation});
        if (perBarrels) {
            lines[1].push_back({m + 10, " 1000 "});
            lines[2].push_back({m + 10, "Barrels"});
        }
    }
    for (CaptionLine& line : lines)
        std::stable_sort(line.begin(), line.end(), [](const PlacedText& a, const PlacedText& b) {
            return a.column < b.column;
        });
    return lines;
}

std::string FirstFootnote(bool eighthColumn, uint16_t gasCo2Unit) {
    std::string text =
        "Saturation Ratios (xSAT) are the ratio of ion activity to solubility, e.g. "
        "{Ca}{CO_3}/K_s_p.  ";
    if (eighthColumn) return text;
    static const char* const kNotes[] = {
        "pCO_2 (atm) is the partial pressure of CO_2 in the gas phase.",
        "pCO_2 (bar) is the partial pressure of CO_2 in the gas phase.",
        "pCO_2 (psia) is the partial pressure of CO_2 in the gas phase.",
        "pCO_2 (KPa) is the partial pressure of CO_2 in the gas phase.",
        "CO_2 (ppm-gas) is concentration of CO_2 in the gas phase.",
        "CO_2 (mole %) refers to CO_2 in the gas phase.",
    };
    if (gasCo2Unit < 6) text += kNotes[gasCo2Unit];
    return text;
}

std::string WellLogFirstFootnote(bool eighthColumn, uint16_t gasCo2Unit) {
    std::string text = FirstFootnote(eighthColumn, gasCo2Unit);
    const std::string ratios = "Saturation Ratios";
    return text.replace(0, ratios.size(), "Saturation Levels");
}

namespace {

// "LOW to HIGH" of element `e` over the stations, or one value when they agree.
std::string StationRange(const float (*analysis)[64], int stations, int e, const char* format) {
    float low = analysis[0][e], high = analysis[0][e];
    for (int k = 1; k < stations; ++k) {
        low = std::min(low, analysis[k][e]);
        high = std::max(high, analysis[k][e]);
    }
    char text[96];
    if (low == high)
        std::snprintf(text, sizeof text, format, static_cast<double>(low));
    else {
        const std::string both = std::string(format) + " to " + format;
        std::snprintf(text, sizeof text, both.c_str(), static_cast<double>(low),
                      static_cast<double>(high));
    }
    return text;
}

}  // namespace

std::string StationConditionsNote(const float (*analysis)[64], int stations, uint16_t gasCo2Unit) {
    if (stations <= 0) return "";
    static const char* const kGas[] = {"pCO_2 (atm)",     "pCO_2 (bar)",     "pCO_2 (psia)",
                                       "pCO_2 (KPa)",     "CO_2 (ppm-gas)", "CO_2 (mole %)"};
    std::string text = "Stations at pH " + StationRange(analysis, stations, 0, "%.2f");
    if (gasCo2Unit < 6)
        text += std::string(", ") + kGas[gasCo2Unit] + " " +
                StationRange(analysis, stations, 39, "%.3g");
    return text + ".";
}

WellLogColumns WellLogTableColumns(bool landscape, uint32_t source, uint32_t show) {
    const bool both = show == kBoth;
    // depth, T, P (or the shading's P), k0 ... k7, right end
    static const int kLandscape[4][12] = {
        {2, 19, 31, 41, 61, 81, 101, 121, 141, 161, 184, 184},   // source 0 or 1, show < 2
        {2, 19, 29, 39, 67, 85, 103, 121, 139, 166, 184, 184},   // source 0 or 1, show 2
        {2, 21, 31, 31, 53, 75, 97, 119, 141, 163, 184, 184},    // source 2, show < 2
        {2, 21, 29, 29, 61, 81, 101, 121, 141, 171, 191, 191}};  // source 2, show 2
    // The portrait page with source 2 and show < 2 ends its rules at 184 c,
    // past the last bound, where the one-page table ends too.
    static const int kPortrait[6][12] = {
        {2, 19, 29, 38, 58, 78, 98, 118, 138, 158, 178, 197},   // source 0, show < 2
        {1, 16, 24, 31, 61, 81, 101, 121, 141, 171, 191, 191},  // source 0, show 2
        {2, 19, 29, 38, 59, 79, 99, 119, 139, 159, 179, 199},   // source 1, show < 2
        {2, 19, 29, 38, 65, 83, 102, 120, 138, 165, 193, 203},  // source 1, show 2
        {2, 23, 23, 32, 51, 70, 89, 108, 127, 146, 165, 184},   // source 2, show < 2
        {2, 17, 25, 34, 59, 79, 99, 119, 139, 169, 189, 209}};  // source 2, show 2
    const bool typical = source == kTypicalPressure;
    const int* row = nullptr;
    if (landscape) {
        row = kLandscape[(typical ? 2 : 0) + (both ? 1 : 0)];
    } else {
        const int group = typical ? 4 : source == 1 ? 2 : 0;
        row = kPortrait[group + (both ? 1 : 0)];
    }
    const int s = landscape ? kLandscapeShift : 0;
    WellLogColumns c{};
    c.depth = row[0] + s;
    c.temperature = row[1] + s;
    c.shadePressure = row[2] + s;
    c.pressure = typical ? -1 : c.shadePressure;
    for (int k = 0; k < 8; ++k) c.bounds[k] = row[3 + k] + s;
    c.right = row[11] + s;
    return c;
}

std::string SecondFootnote(uint16_t unit) {
    const char* tail =
        " scale is the quantity of precipitation (or dissolution) required to instantaneously "
        "bring the water to equilibrium.";
    const char* head = unit == 0 ? "  mg/L" : unit == 1 ? "Lbs/1000 Barrels" : "kg/1000 Barrels";
    return std::string(head) + tail;
}
