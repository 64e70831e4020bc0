// The page frames of the one-water reports around their layouts.
#include "printing/reports/water_reports.h"

#include "platform/gdi/gdi.h"
#include "printing/page/identification_blocks.h"
#include "printing/page/report_logo.h"
#include "printing/page/report_page_order.h"
#include "printing/page/report_page_records.h"
#include "printing/page/report_rules.h"
#include "printing/print_job_records.h"
#include "printing/reports/layouts/chemistry_report_layout.h"
#include "printing/reports/layouts/indicators_report_layout.h"
#include "printing/reports/layout_printer.h"
#include "printing/reports/report_frame.h"
#include "reporttext/report_buffer_records.h"
#include "reporttext/waterpages/page_texts.h"
#include "scenarios/multimix/multimix_records.h"

namespace {

constexpr int kBlendKind = 4;

void IdentificationBlock(win::HDC dc, const PrintedWater& w) {
    if (w.kind == kBlendKind)
        PrintMixSourceHeader(dc, multiMixState, kBlendKind);
    else
        PrintSampleHeader(dc, *w.view.analysis, *w.texts,
                          ZeroNumberOf(w.view.water) == ZeroNumber::kShown);
}

// The page of one water: head with its titles, identification block, body.
void PrintWaterPage(const PrintedWater& w, const ReportLayout& body, const char* title,
                    const char* secondTitle) {
    const int keptLineHeight = reportPageGrid.lineHeight;
    reportPageGrid.lineCount = reportPageGrid.lineY = 0;
    reportBuffer.column = 0;
    if (!StartReportJob()) return;
    win::HDC dc = printJobState.printerDC;
    PrintPageHead(dc, title);
    if (secondTitle != nullptr) PrintCentredTitle(dc, secondTitle);
    IdentificationBlock(dc, w);
    PrintReportBody(dc, body);
    PrintPageFoot(dc);
    FinishReport();
    reportPageGrid.lineHeight = keptLineHeight;
}

}  // namespace

void PrintChemistryReport(int kind) {
    PrintedWater w;
    if (!PrintedWaterOfKind(kind, w)) return;
    ReportLayout body;
    LayOutChemistryReport(w, body);
    PrintWaterPage(w, body, ChemistryReportTitle(kind), nullptr);
}

void PrintIndicatorsReport(int kind) {
    PrintedWater w;
    if (!PrintedWaterOfKind(kind, w)) return;
    ReportLayout body;
    LayOutIndicatorsReport(w, body);
    const char* title = IndicatorsReportTitle(kind);
    PrintWaterPage(w, body, title, *title != '\0' ? kIndicatorsSecondTitle : nullptr);
}
