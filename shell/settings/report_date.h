// Today's date and time as the reports carry them.
#pragma once

#include <cstdint>

#include "platform/system/system.h"

// ((year - 1900) x 100 + month) x 100 + day, with year 2000 for a clock that
// reports year 0, and never earlier than 900101 (1 January 1990).
[[nodiscard]] int32_t PackReportDate(const win::SYSTEMTIME& now);
// (hour x 100 + minute) x 100 + second.
[[nodiscard]] int32_t PackReportTime(const win::SYSTEMTIME& now);

// Reads the local clock into reportDate and reportTime of MainWindowState.
void GetCurrentDateTime();
