// The shared frame pieces of the printed reports.
#include "printing/reports/report_frame.h"

#include "platform/gdi/gdi.h"
#include "printing/job/print_job.h"
#include "printing/page/report_logo.h"
#include "printing/page/report_page_order.h"
#include "printing/page/report_page_records.h"
#include "printing/page/report_rules.h"
#include "printing/print_job_records.h"
#include "printing/reports/layout_printer.h"
#include "reporttext/format/sub_sup_text.h"

void PrintCentredTitle(win::HDC dc, const char* title) {
    ReportPageGrid& g = reportPageGrid;
    win::SelectObject(dc, reportFonts.boldFont);
    const int logoWidth = reportLogoLayout.logoWidth;
    const int width = GetSubSupTextWidth(dc, title);
    TextOutSubSup(dc, g.marginX + logoWidth + (g.textWidth - logoWidth - width) / 2, g.lineY,
                  title);
    NameReportFile(dc, title);
    win::SelectObject(dc, reportFonts.bodyFont);
    AdvanceLines(1);
}

void PrintReportBody(win::HDC dc, const ReportLayout& body) {
    win::SelectObject(dc, reportFonts.bodyFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    reportPageGrid.lineHeight =
        tm.tmHeight + tm.tmHeight / 12 + tm.tmInternalLeading + tm.tmExternalLeading;
    AdvanceLines(2);
    PrintLayoutOnPage(dc, body);
    reportPageGrid.lineHeight = tm.tmHeight + tm.tmExternalLeading;
}

void FinishReport() {
    EndReportJob();
    if (printJobState.printAborted != 0) ClosePrintSequenceDocument();
}
