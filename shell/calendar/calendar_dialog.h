// Dialog 72 "CALENDAR INPUT": a date text, three small scroll bars that step its
// fields, and the month grid.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Runs dialog 72 owned by the main window on a packed date; returns the date
// chosen with OK, or the given one after CANCEL (and when the dialog cannot
// open).
[[nodiscard]] int32_t GetDateFromCalendar(int32_t packedDate);

win::INT_PTR CalendarDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                             win::LPARAM lParam);
