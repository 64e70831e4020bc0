// The "CALENDAR" control's window procedure: its state, the messages that set
// and read its date and limits, the keyboard and mouse, focus and enabling.
// Every change the user makes goes through one setter that clamps the date to
// the limits, repaints what changed and tells the parent.
#include "shell/calendar/calendar_control.h"

#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

namespace {

constexpr win::LRESULT kCreateFailed = -1;
constexpr int kGridLeft = 3;
constexpr int kGridTop = 3;

CalendarState* StateOf(win::HWND hwnd) {
    return reinterpret_cast<CalendarState*>(win::GetWindowLongPtr(hwnd, 0));
}

void Notify(win::HWND hwnd, win::WORD code) {
    const win::HWND parent = win::GetParent(hwnd);
    if (parent == nullptr) return;
    const auto handleLow = static_cast<win::WORD>(reinterpret_cast<std::uintptr_t>(hwnd));
    win::SendMessage(parent, win::WM_COMMAND, static_cast<win::WPARAM>(win::GetDlgCtrlID(hwnd)),
                     win::MAKELPARAM(handleLow, code));
}

void InvalidateDay(win::HWND hwnd, const CalendarState& state, int day) {
    const CalendarCell cell = DayCell(state, day);
    const win::RECT r{cell.x, cell.y, cell.x + 2 * state.charWidth, cell.y + state.lineHeight};
    win::InvalidateRect(hwnd, &r, win::FALSE);
}

CalendarDate Clamp(const CalendarState& state, CalendarDate date) {
    if (date < state.minimum) return state.minimum;
    if (date > state.maximum) return state.maximum;
    return date;
}

void SetDate(win::HWND hwnd, CalendarState& state, CalendarDate date, bool notify) {
    date = Clamp(state, date);
    if (date == state.current) return;
    if (state.current != 0 && DateMonthKey(date) == DateMonthKey(state.current)) {
        InvalidateDay(hwnd, state, DateDay(state.current));
        state.current = date;
        InvalidateDay(hwnd, state, DateDay(date));
    } else {
        state.current = date;
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
    }
    if (notify) Notify(hwnd, kCalendarChanged);
}

CalendarDate StepDays(CalendarDate date, int days) {
    for (; days > 0; --days) date = NextDay(date);
    for (; days < 0; ++days) date = PreviousDay(date);
    return date;
}

// Page Up: day 1 of this month, or of the month before when already there.
CalendarDate MonthBack(CalendarDate date) {
    if (DateDay(date) != 1) return MakeDate(DateMonth(date), 1, DateYear(date));
    return MakeDate(DateMonth(PreviousDay(date)), 1, DateYear(PreviousDay(date)));
}
// Page Down: day 1 of the next month.
CalendarDate MonthForward(CalendarDate date) {
    if (DateMonth(date) >= 12) return MakeDate(1, 1, DateYear(date) + 1);
    return MakeDate(DateMonth(date) + 1, 1, DateYear(date));
}
// Ctrl+Page Up: 1 January of this year, or of the year before when already there.
CalendarDate YearBack(CalendarDate date) {
    const bool onNewYear = DateMonth(date) == 1 && DateDay(date) == 1;
    return MakeDate(1, 1, DateYear(date) - (onNewYear ? 1 : 0));
}
CalendarDate YearForward(CalendarDate date) {
    return MakeDate(1, 1, DateYear(date) + 1);
}

void OnKey(win::HWND hwnd, CalendarState& state, int key) {
    const bool control = win::GetKeyState(win::VK_CONTROL) < 0;
    const CalendarDate d = state.current;
    switch (key) {
        case win::VK_LEFT:
            SetDate(hwnd, state, PreviousDay(d), true);
            break;
        case win::VK_RIGHT:
            SetDate(hwnd, state, NextDay(d), true);
            break;
        case win::VK_UP:
            SetDate(hwnd, state, StepDays(d, -7), true);
            break;
        case win::VK_DOWN:
            SetDate(hwnd, state, StepDays(d, 7), true);
            break;
        case win::VK_PRIOR:
            SetDate(hwnd, state, control ? YearBack(d) : MonthBack(d), true);
            break;
        case win::VK_NEXT:
            SetDate(hwnd, state, control ? YearForward(d) : MonthForward(d), true);
            break;
        default:
            break;
    }
}

// A click: the arrows of the header row step the month or the year, a day of
// the grid selects it, anything else inside keeps the date.
void OnClick(win::HWND hwnd, CalendarState& state, int x, int y) {
    const int cw = state.charWidth;
    const int lh = state.lineHeight;
    if (cw <= 0 || lh <= 0) return;
    if (x < kGridLeft || x > 20 * cw + kGridLeft || y < kGridTop || y > 8 * lh + kGridTop) return;
    win::SetFocus(hwnd);
    const CalendarDate d = state.current;
    CalendarDate chosen = d;
    const int row = (y - kGridTop) / lh;
    if (row == 0) {
        const int column = (x - kGridLeft) / cw;
        if (column == 0 || column == 1) chosen = MonthBack(d);
        if (column == 5 || column == 6) chosen = MonthForward(d);
        if (column == 12 || column == 13) chosen = YearBack(d);
        if (column == 18 || column == 19) chosen = YearForward(d);
    } else if (row >= 2) {
        const int column = (x - kGridLeft + cw / 2) / (3 * cw);
        if (column < 7) {
            const int day = row * 7 + column - FirstWeekdayOfMonth(d) - 13;
            if (day >= 1 && day <= DaysInMonth(d))
                chosen = MakeDate(DateMonth(d), day, DateYear(d));
        }
    }
    SetDate(hwnd, state, chosen, true);
}

bool OnCreate(win::HWND hwnd, const win::CREATESTRUCT& cs) {
    auto* state = new CalendarState{};
    state->minimum = MakeDate(1, 1, 1800);
    state->maximum = MakeDate(12, 31, 2099);
    state->height = static_cast<uint16_t>(cs.cy);
    state->width = static_cast<uint16_t>(cs.cx);
    state->font =
        win::CreateFontA((cs.cy - 6) / 8, (cs.cx - 6) / 20, 0, 0, win::FW_BOLD, 0, 0, 0,
                         win::ANSI_CHARSET, win::OUT_DEFAULT_PRECIS, win::CLIP_DEFAULT_PRECIS,
                         win::PROOF_QUALITY, win::FIXED_PITCH | win::FF_MODERN, nullptr);
    if (state->font == nullptr) {
        delete state;
        return false;
    }
    const win::HDC dc = win::GetDC(hwnd);
    const win::HGDIOBJ old = win::SelectObject(dc, state->font);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    win::SelectObject(dc, old);
    win::ReleaseDC(hwnd, dc);
    state->charWidth = static_cast<uint16_t>(tm.tmAveCharWidth);
    state->lineHeight = static_cast<uint16_t>(tm.tmHeight + tm.tmExternalLeading);
    win::SetWindowLongPtr(hwnd, 0, reinterpret_cast<std::intptr_t>(state));
    return true;
}

void OnDestroy(win::HWND hwnd) {
    CalendarState* state = StateOf(hwnd);
    if (state == nullptr) return;
    win::DeleteObject(state->font);
    delete state;
    win::SetWindowLongPtr(hwnd, 0, 0);
}

void OnPaint(win::HWND hwnd, const CalendarState& state) {
    win::PAINTSTRUCT ps;
    const win::HDC dc = win::BeginPaint(hwnd, &ps);
    PaintCalendar(dc, state);
    win::EndPaint(hwnd, &ps);
}

void SetFlag(win::HWND hwnd, CalendarState& state, uint32_t flag, bool on) {
    state.flags = on ? (state.flags | flag) : (state.flags & ~flag);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

}  // namespace

CalendarCell DayCell(const CalendarState& state, int day) {
    const int slot = FirstWeekdayOfMonth(state.current) + day - 1;
    return CalendarCell{3 * state.charWidth * (slot % 7) + kGridLeft,
                        (2 + slot / 7) * state.lineHeight + kGridTop};
}

win::ATOM RegisterCalendarClass(win::HINSTANCE instance) {
    win::WNDCLASS wc;
    wc.style = 0;
    wc.lpfnWndProc = CalendarWndProc;
    wc.cbWndExtra = sizeof(CalendarState*);  // the state's address
    wc.hInstance = instance;
    wc.hCursor = win::LoadCursor(nullptr, win::IDC_ARROW);
    wc.hbrBackground =
        reinterpret_cast<win::HBRUSH>(static_cast<std::intptr_t>(win::COLOR_WINDOWTEXT + 1));
    wc.lpszClassName = kCalendarClassName;
    return win::RegisterClass(&wc);
}

win::LRESULT CalendarWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                             win::LPARAM lParam) {
    if (msg == win::WM_CREATE)
        return OnCreate(hwnd, *reinterpret_cast<const win::CREATESTRUCT*>(lParam)) ? 0
                                                                                   : kCreateFailed;
    CalendarState* state = StateOf(hwnd);
    if (state == nullptr) return win::DefWindowProc(hwnd, msg, wParam, lParam);
    switch (msg) {
        case win::WM_DESTROY:
            OnDestroy(hwnd);
            return 0;
        case win::WM_PAINT:
            OnPaint(hwnd, *state);
            return 0;
        case win::WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case win::WM_GETDLGCODE:
            return win::DLGC_WANTARROWS;
        case win::WM_KEYDOWN:
            OnKey(hwnd, *state, static_cast<int>(wParam));
            return 0;
        case win::WM_LBUTTONDOWN:
            OnClick(hwnd, *state, win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam));
            return 0;
        case win::WM_SETFOCUS:
            SetFlag(hwnd, *state, CalendarFlag::kFocused, true);
            return 0;
        case win::WM_KILLFOCUS:
            SetFlag(hwnd, *state, CalendarFlag::kFocused, false);
            Notify(hwnd, kCalendarLostFocus);
            return 0;
        case win::WM_ENABLE:
            SetFlag(hwnd, *state, CalendarFlag::kDisabled, wParam == 0);
            return 0;
        case kCalendarGetDate:
            return static_cast<win::LRESULT>(state->current);
        case kCalendarSetDate:
            SetDate(hwnd, *state, static_cast<CalendarDate>(lParam), false);
            return 0;
        case kCalendarSetMinimum:
            state->minimum = static_cast<CalendarDate>(lParam);
            return 0;
        case kCalendarSetMaximum:
            state->maximum = static_cast<CalendarDate>(lParam);
            return 0;
        default:
            return win::DefWindowProc(hwnd, msg, wParam, lParam);
    }
}
