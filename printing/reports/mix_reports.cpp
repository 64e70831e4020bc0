// The page frames of the multi-mix reports around their layouts.
#include "printing/reports/mix_reports.h"

#include "platform/gdi/gdi.h"
#include "printing/page/identification_blocks.h"
#include "printing/page/report_page_order.h"
#include "printing/page/report_page_records.h"
#include "printing/page/report_rules.h"
#include "printing/print_job_records.h"
#include "printing/reports/layouts/indicators_report_layout.h"
#include "printing/reports/layout_printer.h"
#include "printing/reports/layouts/mix_tables_layout.h"
#include "printing/reports/report_frame.h"
#include "reporttext/report_buffer_records.h"
#include "reporttext/waterpages/water_view.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

// The identification block's kind of the source-water tables.
constexpr int kTableBlock = 2;

bool BeginReport() {
    reportPageGrid.lineCount = reportPageGrid.lineY = 0;
    reportBuffer.column = 0;
    return StartReportJob();
}

int RowPitch(win::HDC dc) {
    win::SelectObject(dc, reportFonts.bodyFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    return tm.tmHeight + tm.tmHeight / 12 + tm.tmInternalLeading + tm.tmExternalLeading;
}

// One page of a source-water table: head, block, the column head at the
// plain pitch and the rows at the row pitch, all offset to centre the columns.
void PrintTablePage(win::HDC dc, const MixTablePage& page, int columns) {
    PrintPageHead(dc, page.head.title.c_str());
    PrintMixSourceHeader(dc, multiMixState, kTableBlock);
    AdvanceLines(2);
    const int offset = MixTableOffset(columns, reportPageGrid.charWidth, reportPageGrid.marginX);
    const int plain = reportPageGrid.lineHeight;
    PrintLayoutOnPage(dc, page.head, offset);
    reportPageGrid.lineHeight = RowPitch(dc);
    PrintLayoutOnPage(dc, page.rows, offset);
    reportPageGrid.lineHeight = plain;
    PrintPageFoot(dc);
}

}  // namespace

void PrintMixIndicatorsReport() {
    const int kept = reportPageGrid.lineHeight;
    WaterView blend;
    if (!ViewOfWater(WaterSelector::kMixed, blend)) return;
    ReportLayout body;
    LayOutMixIndicatorsReport(blend, body);
    if (!BeginReport()) return;
    win::HDC dc = printJobState.printerDC;
    PrintPageHead(dc, body.title.c_str());
    PrintMixSourceHeader(dc, multiMixState, 0);
    AdvanceLines(2);
    // The whole body keeps the page's plain pitch.
    PrintLayoutOnPage(dc, body);
    PrintPageFoot(dc);
    FinishReport();
    reportPageGrid.lineHeight = kept;
}

void PrintMixChemistryTable() {
    const int kept = reportPageGrid.lineHeight;
    if (!BeginReport()) return;
    win::HDC dc = printJobState.printerDC;
    for (int g = 0; g < MixTableGroups(); ++g) {
        MixTablePage page;
        LayOutMixChemistryTable(g, page);
        PrintTablePage(dc, page, MixGroupColumns(g));
    }
    FinishReport();
    reportPageGrid.lineHeight = kept;
}

void PrintMixIndicatorsTable() {
    const int kept = reportPageGrid.lineHeight;
    if (!BeginReport()) return;
    win::HDC dc = printJobState.printerDC;
    for (bool (*kind)(int, MixTablePage&) : {LayOutMixSaturationPage, LayOutMixIonsPage}) {
        for (int g = 0; g < MixTableGroups(); ++g) {
            MixTablePage page;
            if (kind(g, page)) PrintTablePage(dc, page, MixGroupColumns(g));
        }
    }
    FinishReport();
    reportPageGrid.lineHeight = kept;
}
