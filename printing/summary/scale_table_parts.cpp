// The shared parts of the summary pages' scale tables.
#include "printing/summary/scale_table_parts.h"

#include <algorithm>
#include <vector>

#include "engine/records.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "printing/summary/mineral_titles.h"
#include "scenarios/frame/whatif_records.h"
#include "shell/mainwindow/display_settings_records.h"

namespace summarypage {

namespace {

namespace U = UnitItem;

constexpr int kCalciteResult = 60;   // precipitation potential of calcite
constexpr int kSideriteResult = 55;  // and of siderite

}  // namespace

void ScaleTableTitle(const Page& p, int earliestTop, int x1, int x2, bool wholeLineGap) {
    const int lhs = Use(p, p.fonts->headingFont);
    LineY() = std::max(LineY(), earliestTop);
    Text(p, x1, "SCALE AND CORROSION POTENTIAL");
    Rule(p, x1, x2, LineY() + lhs);
    Use(p, p.fonts->bodyFont);
    LineY() += (wholeLineGap ? p.lh : p.lh / 2) + p.lh;
}

void ScaleTableHeads(const Page& p, int xT, int xP, std::span<const PageColumn> columns,
                     const int* edges) {
    Text(p, xT, "  Temp.");
    if (xP >= 0) Text(p, xP, " Press.");
    char name[kMineralTitleChars];
    char formula[kMineralTitleChars];
    std::vector<std::string> formulas(columns.size());
    for (size_t k = 0; k < columns.size(); ++k) {
        if (columns[k].code < 0) continue;
        GetMineralNameFormula(columns[k].code, name, formula);
        Centred(p, edges[k], edges[k + 1], name);
        formulas[k] = formula;
    }
    LineY() += p.lh;
    static const char* const kTemperatures[] = {"   (^oF)", "   (^oC)", "   (^oK)"};
    const uint16_t temperatureUnit = unitCodes.code[U::kTemperature];
    if (temperatureUnit < 3) Text(p, xT, kTemperatures[temperatureUnit]);
    if (xP >= 0) {
        static const char* const kPressures[] = {"  (atm)", "  (bars)", "(psia)", "  (KPa)"};
        const uint16_t unit = unitCodes.code[U::kPressure];
        if (unit == 2 && summaryPageState.gaugePressure != 0)
            Text(p, xP, "(psig)");
        else if (unit < 4)
            Text(p, xP, kPressures[unit]);
    }
    for (size_t k = 0; k < columns.size(); ++k)
        if (columns[k].code >= 0) Centred(p, edges[k], edges[k + 1], formulas[k]);
}

void MineralCells(const Page& p, int x, int k, const PageColumn& column, const float* results,
                  const float* excess) {
    Text(p, x, Saturation(column.code < kResultRowValues ? results[column.code] : 0.0f));
    const int index = column.amountIndex;
    const std::string moment =
        Amount(index >= 0 && index < kIndicatorRowValues ? excess[index] : 0.0f);
    const bool potential = k == 0 || k == 5;
    if (!potential || p.show == 0) {
        Text(p, x + 10 * p.c, moment);
        return;
    }
    const std::string pp = Amount(results[k == 0 ? kCalciteResult : kSideriteResult]);
    if (p.show == 1) {
        Text(p, x + 10 * p.c, pp);
    } else {
        Text(p, x + 10 * p.c, moment);
        Text(p, x + 20 * p.c, pp);
    }
}

void ScaleTableCaptions(const Page& p, const ScaleTableColumns& columns, int x1, int x2) {
    Rule(p, x1, x2, LineY() + p.lh);
    LineY() += p.lh;
    const std::vector<CaptionLine> lines =
        ScaleCaptionLines(columns, p.unit, p.show, displaySettings.indexFormat, p.printer);
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) LineY() += p.lh;
        for (const PlacedText& text : lines[k]) Text(p, text.column * p.c, text.text);
    }
    Rule(p, x1, x2, LineY() + p.lh);
    LineY() += p.lh;
}

void ScaleTableFootnotes(const Page& p, int x1, int x2, const std::string& first,
                         const std::string& conditions) {
    win::SetTextColor(p.dc, kFootnoteColour);
    Centred(p, x1, x2, first);
    LineY() += p.lh;
    Centred(p, x1, x2, SecondFootnote(p.unit));
    LineY() += p.lh;
    Centred(p, x1, x2, conditions);
    LineY() += 2 * p.lh;
    win::SetTextColor(p.dc, kTextColour);
}

void ScaleTableConditions(const Page& p, int x1, int x2, const std::string& conditions) {
    win::SetTextColor(p.dc, kFootnoteColour);
    Centred(p, x1, x2, conditions);
    LineY() += 2 * p.lh;
    win::SetTextColor(p.dc, kTextColour);
}

}  // namespace summarypage
