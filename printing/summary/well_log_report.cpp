// The well-log page renderer. The frame, identification and chemistry blocks
// are the summary pages' shared ones; this page's own is the table over the
// after-flash profile with its depth column.
#include "printing/summary/well_log_report.h"

#include <cstdio>
#include <string>
#include <vector>

#include "engine/records.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "printing/page/report_page_records.h"
#include "printing/print_job_records.h"
#include "printing/summary/mineral_titles.h"
#include "printing/summary/one_page_layout.h"
#include "printing/summary/one_page_report.h"
#include "printing/summary/summary_page.h"
#include "printing/summary/summary_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/display_settings_records.h"

using namespace summarypage;

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr const char* kDocumentName = "Tarvex Well Log";
constexpr int kColumns = 8;
constexpr int kCalciteResult = 60;   // precipitation potential of calcite
constexpr int kSideriteResult = 55;  // and of siderite

int NoGraph(win::HDC, win::HWND, int, int, int, int) {
    return 0;
}
WellLogPageGraph pageGraph = NoGraph;

struct Table {
    int xD;
    int xT;
    int xP;  // -1: no pressure column
    int shadeP;
    int k[kColumns];
    int right;
    PageColumn columns[kColumns];
};

Table TableOf(const Page& p) {
    const WellLogColumns w = WellLogTableColumns(p.landscape, p.source, p.show);
    Table t{};
    t.xD = w.depth * p.c;
    t.xT = w.temperature * p.c;
    t.xP = w.pressure < 0 ? -1 : w.pressure * p.c;
    t.shadeP = w.shadePressure * p.c;
    for (int j = 0; j < kColumns; ++j) {
        t.k[j] = w.bounds[j] * p.c;
        t.columns[j] = PageColumnAt(j);
    }
    t.right = w.right * p.c;
    return t;
}

// The right bound of mineral column j.
int RightOf(const Table& t, int j) {
    return j + 1 < kColumns ? t.k[j + 1] : t.right;
}

// "After Flash", "At Separator", "Bottom Hole", else the depth ("" for 0).
std::string DepthLabel(int row, float depth) {
    if (row == 0) return "After Flash";
    if (row == 1) return "At Separator";
    if (row == kFlash11Stations - 1) return "Bottom Hole";
    if (depth == 0.0f) return "";
    char text[48];
    std::snprintf(text, sizeof text, "%-9.0f", static_cast<double>(depth));
    return text;
}

void Heading(const Page& p, const Table& t) {
    Text(p, t.xD, "  Depth");
    Text(p, t.xT, "  Temp.");
    if (t.xP >= 0) Text(p, t.xP, " Press.");
    char name[kMineralTitleChars];
    char formula[kMineralTitleChars];
    std::string formulas[kColumns];
    for (int j = 0; j < kColumns; ++j) {
        if (t.columns[j].code < 0) continue;
        GetMineralNameFormula(t.columns[j].code, name, formula);
        Centred(p, t.k[j], RightOf(t, j), name);
        formulas[j] = formula;
    }
    LineY() += p.lh;
    static const char* const kTemperatures[] = {"   (^oF)", "   (^oC)", "   (^oK)"};
    const uint16_t temperatureUnit = unitCodes.code[U::kTemperature];
    if (temperatureUnit < 3) Text(p, t.xT, kTemperatures[temperatureUnit]);
    if (t.xP >= 0) {
        static const char* const kPressures[] = {"  (atm)", "  (bars)", "(psia)", "  (KPa)"};
        const uint16_t unit = unitCodes.code[U::kPressure];
        if (unit == 2 && summaryPageState.gaugePressure != 0)
            Text(p, t.xP, "(psig)");
        else if (unit < 4)
            Text(p, t.xP, kPressures[unit]);
    }
    for (int j = 0; j < kColumns; ++j)
        if (t.columns[j].code >= 0) Centred(p, t.k[j], RightOf(t, j), formulas[j]);
}

void Shading(const Page& p, const Table& t) {
    const int lines = p.printer && p.unit != 0 ? 16 : 14;
    const int top = LineY() + p.lh;
    const int bottom = LineY() + lines * p.lh;
    Shade(p, t.xD, top, t.xT, bottom);
    Shade(p, t.shadeP, top, t.k[0], bottom);
    for (int j = 0; j < kColumns - 1; ++j) Shade(p, t.k[j] + 10 * p.c, top, t.k[j + 1], bottom);
}

void Row(const Page& p, const Table& t, int row) {
    const Flash11Table& w = wellProfiles.flash11;
    Text(p, t.xD, DepthLabel(row, w.depth[row]));
    Text(p, t.xT, Value5(w.analysis[row][E::kTemperature]));
    if (t.xP >= 0)
        Text(p, t.xP,
             Value5(summaryPageState.gaugePressure != 0 ? w.gaugePressure[row] : w.pressure[row]));
    const float* results = w.results[row];
    const float* excess = w.excess[row];
    for (int j = 0; j < kColumns; ++j) {
        const PageColumn& column = t.columns[j];
        if (column.code < 0) continue;
        const int k = t.k[j];
        Text(p, k, Saturation(column.code < kResultRowValues ? results[column.code] : 0.0f));
        const int index = column.amountIndex;
        const std::string moment =
            Amount(index >= 0 && index < kIndicatorRowValues ? excess[index] : 0.0f);
        const bool potential = j == 0 || j == 5;
        if (!potential || p.show == 0) {
            Text(p, k + 10 * p.c, moment);
            continue;
        }
        const std::string pp = Amount(results[j == 0 ? kCalciteResult : kSideriteResult]);
        if (p.show == 1) {
            Text(p, k + 10 * p.c, pp);
        } else {
            Text(p, k + 10 * p.c, moment);
            Text(p, k + 20 * p.c, pp);
        }
    }
}

TableExtent ScaleTable(const Page& p, int earliestTop) {
    const Table t = TableOf(p);
    const int lhs = Use(p, p.fonts->headingFont);
    LineY() = std::max(LineY(), earliestTop);
    Text(p, t.xD, "SCALE AND CORROSION POTENTIAL");
    Rule(p, t.xD, t.right, LineY() + lhs);
    Use(p, p.fonts->bodyFont);
    LineY() += (p.printer ? p.lh : p.lh / 2) + p.lh;

    Heading(p, t);
    Shading(p, t);
    Rule(p, t.xD, t.right, LineY() + p.lh);
    for (int row = 0; row < kFlash11Stations; ++row) {
        LineY() += p.lh;
        Row(p, t, row);
    }
    Rule(p, t.xD, t.right, LineY() + p.lh);
    LineY() += p.lh;

    ScaleTableColumns inC{};
    const WellLogColumns w = WellLogTableColumns(p.landscape, p.source, p.show);
    for (int j = 0; j < kColumns; ++j) inC.bounds[j] = w.bounds[j];
    const std::vector<CaptionLine> lines =
        ScaleCaptionLines(inC, p.unit, p.show, displaySettings.indexFormat, p.printer);
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) LineY() += p.lh;
        for (const PlacedText& text : lines[k]) Text(p, text.column * p.c, text.text);
    }
    Rule(p, t.xD, t.right, LineY() + p.lh);
    LineY() += p.lh;

    if (p.printer) {
        win::SetTextColor(p.dc, kFootnoteColour);
        Centred(
            p, t.xT, t.right,
            WellLogFirstFootnote(t.columns[kColumns - 1].code >= 0, unitCodes.code[U::kGasCo2]));
        LineY() += p.lh;
        Centred(p, t.xT, t.right, SecondFootnote(p.unit));
        LineY() += 2 * p.lh;
        win::SetTextColor(p.dc, kTextColour);
    }
    return TableExtent{t.xD, t.right};
}

int InstalledGraph(win::HDC dc, win::HWND window, int left, int top, int right, int bottom) {
    return pageGraph(dc, window, left, top, right, bottom);
}

}  // namespace

void InstallWellLogPageGraph(WellLogPageGraph painter) {
    pageGraph = painter != nullptr ? painter : NoGraph;
}

void DrawWellLogReport(win::HDC dc, int32_t mode) {
    PageKind kind{};
    kind.window = summaryPageState.wellLogPageWindow;
    kind.documentName = kDocumentName;
    kind.identificationRule = 54;
    kind.placeParameters = PlaceWellLogParameters;
    kind.scaleTable = ScaleTable;
    kind.graph = InstalledGraph;
    DrawSummaryPage(dc, mode, kind);
}

void PrintWellLogPage() {
    reportPageGrid.lineCount = 0;
    DrawWellLogReport(printJobState.printerDC, OnePageMode::kPrinter);
}
