// The "CALENDAR" control: a month grid with arrows to step the month and the
// year, driven by the keyboard and the mouse. It tells its parent through
// WM_COMMAND (control id; high word of the second parameter 0x300 when the user
// changed the date, 0x200 when it lost the focus).
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"
#include "shell/calendar/calendar_date.h"

inline constexpr const char* kCalendarClassName = "CALENDAR";

// Messages of the control.
inline constexpr win::UINT kCalendarGetDate = win::WM_USER;         // returns the date
inline constexpr win::UINT kCalendarSetDate = win::WM_USER + 1;     // lParam: date, clamped
inline constexpr win::UINT kCalendarSetMinimum = win::WM_USER + 2;  // lParam: date
inline constexpr win::UINT kCalendarSetMaximum = win::WM_USER + 3;  // lParam: date

// Notification codes (high word of lParam).
inline constexpr win::WORD kCalendarChanged = 0x300;
inline constexpr win::WORD kCalendarLostFocus = 0x200;

// The control's state, allocated when it is created and freed when destroyed.
struct CalendarState {
    CalendarDate current;  // 0: no date, only the frame is painted
    CalendarDate minimum;
    CalendarDate maximum;
    win::HFONT font;
    uint16_t height, width;  // the control's size at creation
    uint16_t charWidth, lineHeight;
    uint32_t flags;  // CalendarFlag bits
};
namespace CalendarFlag {
enum : uint32_t { kDisabled = 1u << 0, kFocused = 1u << 1 };
}

// Registers the class; the program calls it once at start-up.
win::ATOM RegisterCalendarClass(win::HINSTANCE instance);

win::LRESULT CalendarWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// Where painting and the mouse find things (pixels from the control's top
// left): the day cell of `day` in the state's current month, and what a click
// at (x, y) does. Shared by the painter and the mouse handler.
struct CalendarCell {
    int x, y;
};
[[nodiscard]] CalendarCell DayCell(const CalendarState& state, int day);

// Paints the control into `dc` (calendar_paint.cpp).
void PaintCalendar(win::HDC dc, const CalendarState& state);
