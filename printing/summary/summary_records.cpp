// Definitions of the one-page summary's records.
#include "printing/summary/summary_records.h"

#include <cstring>

int16_t onePageRowCodes[kOnePageRowCount];
SummaryPageState summaryPageState;
ReportFonts screenReportFonts;
SummaryPlacement summaryPlacement;
SummaryDrag summaryDrags[kSummaryWindowCount];

void ResetSummaryRecords() {
    std::memset(onePageRowCodes, 0, sizeof onePageRowCodes);
    summaryPageState = SummaryPageState{};
    screenReportFonts = ReportFonts{};
    summaryPlacement = SummaryPlacement{};
    for (SummaryDrag& d : summaryDrags) d = SummaryDrag{};
}
