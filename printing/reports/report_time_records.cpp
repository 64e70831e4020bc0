// Definitions of the printed reports' time records.
#include "printing/reports/report_time_records.h"

namespace {
constexpr float kMomentarySeconds = 180.0f;
}

float momentaryTime = kMomentarySeconds;
uint16_t residenceTimeShown = 0;

void ResetReportTimeRecords() {
    momentaryTime = kMomentarySeconds;
    residenceTimeShown = 0;
}
