// The report date read from the platform clock at start-up.
#include "shell/settings/report_date.h"

#include <algorithm>

#include "shell/records.h"

namespace {
constexpr int32_t kEarliestReportDate = 900101;  // 1 January 1990
}

int32_t PackReportDate(const win::SYSTEMTIME& now) {
    const int32_t year = now.wYear == 0 ? 2000 : now.wYear;
    const int32_t packed = ((year - 1900) * 100 + now.wMonth) * 100 + now.wDay;
    return std::max(packed, kEarliestReportDate);
}

int32_t PackReportTime(const win::SYSTEMTIME& now) {
    return (now.wHour * 100 + now.wMinute) * 100 + now.wSecond;
}

void GetCurrentDateTime() {
    win::SYSTEMTIME now;
    win::GetLocalTime(&now);
    mainWindowState.reportTime = PackReportTime(now);
    mainWindowState.reportDate = PackReportDate(now);
}
