// Definitions of the report fonts and logo layout records.
#include "printing/page/report_page_records.h"

ReportFonts reportFonts;
ReportLogoLayout reportLogoLayout;

void ResetReportPageRecords() {
    reportFonts = ReportFonts{};
    reportLogoLayout = ReportLogoLayout{};
}
