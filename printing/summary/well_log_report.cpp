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
#include "printing/summary/scale_table_parts.h"
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

int NoGraph(win::HDC, win::HWND, int, int, int, int) {
    return 0;
}
WellLogPageGraph pageGraph = NoGraph;

struct Table {
    int xD;
    int xT;
    int xP;  // -1: no pressure column
    int shadeP;
    int k[kColumns + 1];  // the mineral columns' left edges, then the table's right end
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
    t.k[kColumns] = w.right * p.c;
    return t;
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
    for (int j = 0; j < kColumns; ++j) {
        if (t.columns[j].code >= 0)
            MineralCells(p, t.k[j], j, t.columns[j], w.results[row], w.excess[row]);
    }
}

TableExtent ScaleTable(const Page& p, int earliestTop) {
    const Table t = TableOf(p);
    const int right = t.k[kColumns];
    ScaleTableTitle(p, earliestTop, t.xD, right, p.printer);
    Text(p, t.xD, "  Depth");
    ScaleTableHeads(p, t.xT, t.xP, t.columns, t.k);
    Shading(p, t);
    Rule(p, t.xD, right, LineY() + p.lh);
    for (int row = 0; row < kFlash11Stations; ++row) {
        LineY() += p.lh;
        Row(p, t, row);
    }

    ScaleTableColumns inC{};
    const WellLogColumns w = WellLogTableColumns(p.landscape, p.source, p.show);
    for (int j = 0; j < kColumns; ++j) inC.bounds[j] = w.bounds[j];
    ScaleTableCaptions(p, inC, t.xD, right);
    const uint16_t gas = unitCodes.code[U::kGasCo2];
    const std::string conditions =
        StationConditionsNote(wellProfiles.flash11.analysis, kFlash11Stations, gas);
    if (p.printer) {
        ScaleTableFootnotes(p, t.xT, right,
                            WellLogFirstFootnote(t.columns[kColumns - 1].code >= 0, gas),
                            conditions);
    } else {
        ScaleTableConditions(p, t.xT, right, conditions);
    }
    return TableExtent{t.xD, right};
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
