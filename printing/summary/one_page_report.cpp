// The one-page summary renderer: the surface water over the 12-station well
// profile. The page's frame and its identification and chemistry blocks are
// the summary pages' shared ones (summary_page.h); the scale table over the
// stations is this page's own.
#include "printing/summary/one_page_report.h"

#include <string>

#include "engine/records.h"
#include "graphs/twod/bar_graph.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "printing/page/report_page_records.h"
#include "printing/print_job_records.h"
#include "printing/summary/mineral_titles.h"
#include "printing/summary/one_page_layout.h"
#include "printing/summary/summary_page.h"
#include "printing/summary/summary_records.h"
#include "printing/summary/summary_windows.h"
#include "printing/summary/well_log_report.h"
#include "reporttext/clipboard/metafile_copies.h"
#include "reporttext/format/format_value.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/whatif/scenario_views.h"

using namespace summarypage;

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

constexpr const char* kDocumentName = "Tarvex Report";
constexpr int kColumns = 7;
constexpr int kCalciteResult = 60;   // precipitation potential of calcite
constexpr int kSideriteResult = 55;  // and of siderite

// ---- SCALE AND CORROSION POTENTIAL

struct Columns {
    int xT;
    int xP;  // -1: none
    int bounds[8];
    PageColumn columns[8];
};

Columns TableColumns(const Page& p) {
    const ScaleTableColumns t = ScaleColumns(p.landscape, p.source, p.show);
    Columns c{t.temperature * p.c, t.pressure < 0 ? -1 : t.pressure * p.c, {}, {}};
    for (int k = 0; k < 8; ++k) {
        c.bounds[k] = t.bounds[k] * p.c;
        c.columns[k] = PageColumnAt(k);
    }
    return c;
}

void TableHeading(const Page& p, const Columns& t) {
    Text(p, t.xT, "  Temp.");
    if (t.xP >= 0) Text(p, t.xP, " Press.");
    char name[kMineralTitleChars];
    char formula[kMineralTitleChars];
    std::string formulas[kColumns];
    for (int k = 0; k < kColumns; ++k) {
        if (t.columns[k].code < 0) continue;
        GetMineralNameFormula(t.columns[k].code, name, formula);
        Centred(p, t.bounds[k], t.bounds[k + 1], name);
        formulas[k] = formula;
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
    for (int k = 0; k < kColumns; ++k)
        if (t.columns[k].code >= 0) Centred(p, t.bounds[k], t.bounds[k + 1], formulas[k]);
}

void Shading(const Page& p, const Columns& t) {
    const int lines = p.printer && p.unit != 0 ? 16 : 14;
    win::HGDIOBJ oldBrush = win::SelectObject(p.dc, p.brush);
    win::HGDIOBJ oldPen = win::SelectObject(p.dc, p.lightPen);
    for (int k = 0; k < kColumns; ++k)
        win::Rectangle(p.dc, t.bounds[k] + 10 * p.c, LineY() + p.lh, t.bounds[k + 1],
                       LineY() + lines * p.lh);
    win::SelectObject(p.dc, oldBrush);
    win::SelectObject(p.dc, oldPen);
}

void StationRow(const Page& p, const Columns& t, int station) {
    const WellLogTable& w = wellProfiles.wellLog;
    Text(p, t.xT, Value7(w.analysis[station][E::kTemperature]));
    if (t.xP >= 0) {
        const uint16_t unit = unitCodes.code[U::kPressure];
        const float pressure =
            summaryPageState.gaugePressure != 0 ? w.gaugePressure[station] : w.pressure[station];
        char text[kValueTextChars];
        FormatValue7b(text, pressure, unit == 2 ? 2 : 3);
        Text(p, t.xP, text);
    }
    const float* results = w.results[station];
    const float* excess = w.excess[station];
    auto excessOf = [&](const PageColumn& column) {
        const int index = column.amountIndex;
        return index >= 0 && index < kIndicatorRowValues ? excess[index] : 0.0f;
    };
    auto ratioOf = [&](const PageColumn& column) {
        return column.code >= 0 && column.code < kResultRowValues ? results[column.code] : 0.0f;
    };
    for (int k = 0; k < kColumns; ++k) {
        const PageColumn& column = t.columns[k];
        if (column.code < 0) continue;
        const int m = t.bounds[k];
        Text(p, m, Saturation(ratioOf(column)));
        const bool potential = k == 0 || k == 5;
        const std::string moment = Amount(excessOf(column));
        if (!potential || p.show == 0) {
            Text(p, m + 10 * p.c, moment);
            continue;
        }
        const std::string pp = Amount(results[k == 0 ? kCalciteResult : kSideriteResult]);
        if (p.show == 1) {
            Text(p, m + 10 * p.c, pp);
        } else {
            Text(p, m + 10 * p.c, moment);
            Text(p, m + 20 * p.c, pp);
        }
    }
    const PageColumn& eighth = t.columns[kColumns];
    if (eighth.code >= 0) {
        Text(p, t.bounds[kColumns], Saturation(ratioOf(eighth)));
        Text(p, t.bounds[kColumns] + 10 * p.c, Amount(excessOf(eighth)));
    }
}

TableExtent ScaleTable(const Page& p, int earliestTop) {
    const Columns t = TableColumns(p);
    const int e = t.bounds[kColumns];
    const int lhs = Use(p, p.fonts->headingFont);
    LineY() = std::max(LineY(), earliestTop);
    Text(p, t.xT, "SCALE AND CORROSION POTENTIAL");
    Rule(p, t.xT, e, LineY() + lhs);
    Use(p, p.fonts->bodyFont);
    LineY() += (p.mode == OnePageMode::kWindow ? p.lh / 2 : p.lh) + p.lh;

    TableHeading(p, t);
    Shading(p, t);
    Rule(p, t.xT, e, LineY() + p.lh);
    for (int station = 0; station < kWellLogStations; ++station) {
        LineY() += p.lh;
        StationRow(p, t, station);
    }
    Rule(p, t.xT, e, LineY() + p.lh);
    LineY() += p.lh;

    const ScaleTableColumns inC = ScaleColumns(p.landscape, p.source, p.show);
    const std::vector<CaptionLine> lines =
        ScaleCaptionLines(inC, p.unit, p.show, displaySettings.indexFormat, p.printer);
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) LineY() += p.lh;
        for (const PlacedText& text : lines[k]) Text(p, text.column * p.c, text.text);
    }
    Rule(p, t.xT, e, LineY() + p.lh);
    LineY() += p.lh;

    win::SetTextColor(p.dc, kFootnoteColour);
    Centred(p, t.xT, e, FirstFootnote(t.columns[kColumns].code >= 0, unitCodes.code[U::kGasCo2]));
    LineY() += p.lh;
    Centred(p, t.xT, e, SecondFootnote(p.unit));
    LineY() += 2 * p.lh;
    win::SetTextColor(p.dc, kTextColour);
    return TableExtent{t.xT, e};
}

PageKind OnePageKind() {
    PageKind kind{};
    kind.window = summaryPageState.onePageWindow;
    kind.documentName = kDocumentName;
    kind.identificationRule = 48;
    kind.placeParameters = PlaceParameters;
    kind.scaleTable = ScaleTable;
    kind.graph = DrawReportPageGraph;
    return kind;
}

}  // namespace

void DrawOnePageReport(win::HDC dc, int32_t mode) {
    DrawSummaryPage(dc, mode, OnePageKind());
}

void PrintOnePage() {
    reportPageGrid.lineCount = 0;
    DrawOnePageReport(printJobState.printerDC, OnePageMode::kPrinter);
}

void InstallOnePageSummary() {
    ScenarioViews views{};
    views.printOnePage = PrintOnePage;
    InstallScenarioViews(views);
    InstallSummaryPageRenderers(DrawOnePageReport, DrawWellLogReport);
    InstallSummaryWindows();
}
