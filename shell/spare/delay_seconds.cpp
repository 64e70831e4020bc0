// A busy wait on the platform's millisecond tick count. The wait is measured
// as ticks elapsed since the start (unsigned difference), so when the counter
// wraps after 49.7 days the wait still lasts exactly as long as asked.
#include <cstdint>

#include "platform/system/system.h"
#include "shell/spare/spare_routines.h"

void DelaySeconds(double seconds) {
    if (!(seconds >= 0.0)) return;  // negative, or not a number
    const double capped = seconds < kMaxDelaySeconds ? seconds : kMaxDelaySeconds;
    const auto span = static_cast<win::DWORD>(capped * 1000.0);  // whole milliseconds
    const win::DWORD start = win::GetTickCount();
    while (static_cast<win::DWORD>(win::GetTickCount() - start) < span) {
    }
}
