// Painting the calendar: a framed box, the month and year header with their
// arrows, the weekday names and the grid of days, one fixed-pitch character per
// cell, the selected day highlighted and days outside the limits greyed.
#include <cstdio>

#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "shell/calendar/calendar_control.h"

namespace {

constexpr int kLeft = 3;
constexpr int kTop = 3;
constexpr char kWeekdays[] = "Su Mo Tu We Th Fr Sa";

// Draws `text` one character per cell from (x, y).
void DrawCells(win::HDC dc, const CalendarState& state, int x, int y, const char* text, int n) {
    for (int i = 0; i < n; ++i) win::TextOutA(dc, x + i * state.charWidth, y, text + i, 1);
}

void PaintFrame(win::HDC dc, const CalendarState& state, win::COLORREF text, win::COLORREF window) {
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, text);
    const win::HBRUSH brush = win::CreateSolidBrush(window);
    const win::HGDIOBJ oldPen = win::SelectObject(dc, pen);
    const win::HGDIOBJ oldBrush = win::SelectObject(dc, brush);
    win::Rectangle(dc, 0, 0, state.width + 4, state.height + 8);
    if (state.flags & CalendarFlag::kFocused)
        win::Rectangle(dc, 1, 1, state.width + 3, state.height + 7);
    win::SelectObject(dc, oldPen);
    win::SelectObject(dc, oldBrush);
    win::DeleteObject(pen);
    win::DeleteObject(brush);
}

// "<-JAN->" and "<-2024->", an arrow blanked where the limits stop the step.
void PaintHeader(win::HDC dc, const CalendarState& state) {
    const CalendarDate d = state.current;
    char month[8];
    std::snprintf(month, sizeof month, "<-%s->", MonthAbbreviation(DateMonth(d)));
    if (DateMonthKey(d) <= DateMonthKey(state.minimum)) month[0] = month[1] = ' ';
    if (DateMonthKey(d) >= DateMonthKey(state.maximum)) month[5] = month[6] = ' ';
    DrawCells(dc, state, kLeft, kTop, month, 7);

    char year[12];
    std::snprintf(year, sizeof year, "<-%04d->", DateYear(d) % 10000);
    if (DateYear(d) <= DateYear(state.minimum)) year[0] = year[1] = ' ';
    if (DateYear(d) >= DateYear(state.maximum)) year[6] = year[7] = ' ';
    DrawCells(dc, state, 12 * state.charWidth + kLeft, kTop, year, 8);
}

void PaintDays(win::HDC dc, const CalendarState& state, win::COLORREF text, win::COLORREF window) {
    const CalendarDate d = state.current;
    const int last = DaysInMonth(d);
    for (int day = 1; day <= last; ++day) {
        const CalendarDate date = MakeDate(DateMonth(d), day, DateYear(d));
        if (day == DateDay(d)) {
            win::SetTextColor(dc, win::GetSysColor(win::COLOR_HIGHLIGHTTEXT));
            win::SetBkColor(dc, win::GetSysColor(win::COLOR_HIGHLIGHT));
        } else {
            const bool outside = date < state.minimum || date > state.maximum;
            win::SetTextColor(dc, outside ? win::GetSysColor(win::COLOR_GRAYTEXT) : text);
            win::SetBkColor(dc, window);
        }
        const char cell[2] = {day >= 10 ? static_cast<char>('0' + day / 10) : ' ',
                              static_cast<char>('0' + day % 10)};
        const CalendarCell at = DayCell(state, day);
        DrawCells(dc, state, at.x, at.y, cell, 2);
    }
}

}  // namespace

void PaintCalendar(win::HDC dc, const CalendarState& state) {
    const bool disabled = (state.flags & CalendarFlag::kDisabled) != 0;
    const win::COLORREF text =
        win::GetSysColor(disabled ? win::COLOR_GRAYTEXT : win::COLOR_WINDOWTEXT);
    const win::COLORREF window = win::GetSysColor(win::COLOR_WINDOW);
    PaintFrame(dc, state, text, window);
    if (state.current == 0) return;

    const win::HGDIOBJ oldFont = win::SelectObject(dc, state.font);
    win::SetBkMode(dc, win::OPAQUE);
    win::SetTextColor(dc, text);
    win::SetBkColor(dc, window);
    PaintHeader(dc, state);
    DrawCells(dc, state, kLeft, state.lineHeight + kTop, kWeekdays, sizeof kWeekdays - 1);
    PaintDays(dc, state, text, window);
    win::SelectObject(dc, oldFont);
}
