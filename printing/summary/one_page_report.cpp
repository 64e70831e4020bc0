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
#include "printing/summary/scale_table_parts.h"
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
    // The seven columns under their heads, and an eighth beyond them.
    for (int k = 0; k <= kColumns; ++k) {
        if (t.columns[k].code >= 0)
            MineralCells(p, t.bounds[k], k, t.columns[k], w.results[station], w.excess[station]);
    }
}

TableExtent ScaleTable(const Page& p, int earliestTop) {
    const Columns t = TableColumns(p);
    const int e = t.bounds[kColumns];
    ScaleTableTitle(p, earliestTop, t.xT, e, p.mode != OnePageMode::kWindow);
    ScaleTableHeads(p, t.xT, t.xP, std::span(t.columns, kColumns), t.bounds);
    Shading(p, t);
    Rule(p, t.xT, e, LineY() + p.lh);
    for (int station = 0; station < kWellLogStations; ++station) {
        LineY() += p.lh;
        StationRow(p, t, station);
    }
    ScaleTableCaptions(p, ScaleColumns(p.landscape, p.source, p.show), t.xT, e);
    const uint16_t gas = unitCodes.code[U::kGasCo2];
    ScaleTableFootnotes(p, t.xT, e, FirstFootnote(t.columns[kColumns].code >= 0, gas),
                        StationConditionsNote(wellProfiles.wellLog.analysis, kWellLogStations, gas));
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
