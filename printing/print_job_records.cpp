// Definitions of the print job and report page grid records.
#include "printing/print_job_records.h"

PrintJobState printJobState;
ReportPageGrid reportPageGrid;
uint32_t printedPageMargin;

void ResetPrintJobRecords() {
    printJobState = PrintJobState{};
    reportPageGrid = ReportPageGrid{};
    printedPageMargin = 0;
}
