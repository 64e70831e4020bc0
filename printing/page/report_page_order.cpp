// The report page order around the body of each printed report.
#include "printing/page/report_page_order.h"

#include <string>

#include "graphs/graph_output_records.h"
#include "platform/gdi/gdi.h"
#include "platform/print/print_setup.h"
#include "printing/job/print_job.h"
#include "printing/page/page_setup.h"
#include "printing/page/report_logo.h"
#include "printing/page/report_page_records.h"
#include "printing/page/report_rules.h"
#include "printing/print_job_records.h"
#include "reporttext/format/sub_sup_text.h"
#include "shell/records.h"
#include "shell/settings/heading_records.h"

namespace {

// Lines of the band the page head gives the logo.
constexpr int kLogoBandLines = 7;
constexpr int kDocInfoSize = 20;

}  // namespace

bool StartReportJob(const char* documentName) {
    PrintJobState& job = printJobState;
    if (job.singlePageJob != JobPart::kWholeJob && job.documentOpen != 0) {
        (void)SetupReportPage(0, 0);
        return true;
    }
    win::HDC dc = BeginPrintJob();
    if (job.printAborted != 0) {
        if (dc != nullptr) {
            win::DeleteDC(dc);
            job.printerDC = job.printDialog.printerDC = nullptr;
        }
        return false;
    }
    job.docInfo = win::DOCINFOA{};
    job.docInfo.cbSize = kDocInfoSize;
    job.docInfo.lpszDocName = documentName;
    job.docInfo.lpszOutput = nullptr;
    job.documentOpen = 1;
    (void)SetupReportPage(0, 0);
    StartPrintAbort(mainWindowState.mainWindow, mainWindowState.instance);
    (void)CheckedStartDoc();
    return true;
}

void NameReportFile(win::HDC dc, const char* title) {
    std::string plain;
    for (const char* c = title; *c != '\0'; ++c) {
        const bool mark = (*c == '_' || *c == '^') && c[1] != '\0';
        if (mark) ++c;  // the marked character (or the doubled marker) stays
        plain.push_back(*c);
    }
    (void)win::SetPrintFileTitle(dc, plain.c_str());
}

void PrintPageHead(win::HDC dc, const char* title) {
    ReportPageGrid& g = reportPageGrid;
    win::SelectObject(dc, reportFonts.bodyFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    g.lineHeight = tm.tmHeight + tm.tmExternalLeading;
    (void)CheckedStartPage();
    g.lineCount = 0;
    g.lineY = 0;
    PrintRule(dc, g.columnsPerLine);
    reportLogoLayout.logoTop = g.lineY;
    ScaleReportLogo(kLogoBandLines);
    AdvanceLines(2);
    if (printHeadings != 0) PrintReportHeading(dc);
    win::SelectObject(dc, reportFonts.boldFont);
    const int logoWidth = reportLogoLayout.logoWidth;
    const int width = GetSubSupTextWidth(dc, title);
    TextOutSubSup(dc, g.marginX + logoWidth + (g.textWidth - logoWidth - width) / 2, g.lineY,
                  title);
    NameReportFile(dc, title);
    win::SelectObject(dc, reportFonts.bodyFont);
    AdvanceLines(1);
}

void PrintPageFoot(win::HDC dc) {
    PrintRule(dc, reportPageGrid.columnsPerLine);
    if (printSubheadings != 0) PrintReportSubheadings(dc);
    (void)CheckedEndPage();
}

void EndReportJob() {
    PrintJobState& job = printJobState;
    if (job.singlePageJob == JobPart::kFirstOrMiddle) return;
    ReleaseReportFont();
    (void)EndPrintJob(mainWindowState.mainWindow, mainWindowState.instance);
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    job.documentOpen = 0;
}
