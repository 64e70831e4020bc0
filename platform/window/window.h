// Window classes, windows, the message queue and loop, painting and scroll bars.
//
// The calls keep the shapes the program's window procedures are written
// against: a procedure takes (window, message, wParam, lParam); SendMessage
// calls it at once, PostMessage queues; GetMessage also generates WM_PAINT for
// windows with a pending update region once nothing else is queued.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

// ---- Classes ------------------------------------------------------------------------
struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;
    int menuId = 0;  // class menu resource id, 0 = none
    const char* lpszClassName = nullptr;
};

// Returns a non-zero atom, or 0 when the name is empty, there is no procedure
// or a class of that name (case-insensitive) already exists.
[[nodiscard]] ATOM RegisterClass(const WNDCLASS* wc);
BOOL UnregisterClass(const char* className, HINSTANCE instance);
BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* out);
int GetClassName(HWND hwnd, char* buffer, int size);

inline constexpr int GCL_MENUNAME = -8;
inline constexpr int GCL_HBRBACKGROUND = -10;
inline constexpr int GCL_HCURSOR = -12;
inline constexpr int GCL_HICON = -14;
inline constexpr int GCL_WNDPROC = -24;
inline constexpr int GCL_STYLE = -26;
// Non-negative indices address the class extra bytes (4 bytes per value).
std::intptr_t GetClassLong(HWND hwnd, int index);
std::intptr_t SetClassLong(HWND hwnd, int index, std::intptr_t value);

// ---- Windows ------------------------------------------------------------------------
// For a child window `menu` carries the control id (use ControlId()).
HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu,
                    HINSTANCE instance, void* param);
HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
inline HMENU ControlId(int id) {
    return reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id));
}

BOOL DestroyWindow(HWND hwnd);
[[nodiscard]] BOOL IsWindow(HWND hwnd);
[[nodiscard]] BOOL IsWindowVisible(HWND hwnd);
[[nodiscard]] BOOL IsWindowEnabled(HWND hwnd);
[[nodiscard]] BOOL IsChild(HWND parent, HWND hwnd);
[[nodiscard]] BOOL IsZoomed(HWND hwnd);
[[nodiscard]] BOOL IsIconic(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int command);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL BringWindowToTop(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
HWND SetFocus(HWND hwnd);
[[nodiscard]] HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
[[nodiscard]] HWND GetActiveWindow();
// Activates the window in front among `any`'s program (its first owner and
// every window that owner owns, shown, enabled and not minimised) and
// returns it; null when none takes the keyboard.
HWND ActivateFrontWindow(HWND any);
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
[[nodiscard]] HWND GetCapture();

[[nodiscard]] HWND GetParent(HWND hwnd);  // parent of a child, owner of a top-level window
[[nodiscard]] HWND GetWindow(HWND hwnd, UINT relation);
[[nodiscard]] HWND GetDesktopWindow();
[[nodiscard]] HWND GetDlgItem(HWND dialog, int id);
[[nodiscard]] int GetDlgCtrlID(HWND hwnd);
[[nodiscard]] HWND FindWindow(const char* className, const char* windowName);
[[nodiscard]] HWND WindowFromPoint(POINT screenPoint);
[[nodiscard]] HWND ChildWindowFromPoint(HWND parent, POINT clientPoint);

BOOL SetWindowText(HWND hwnd, const char* text);
int GetWindowText(HWND hwnd, char* buffer, int size);
int GetWindowTextLength(HWND hwnd);
[[nodiscard]] std::string WindowText(HWND hwnd);  // convenience for tests and scripts

BOOL GetWindowRect(HWND hwnd, RECT* rect);
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL hasMenu);

// Non-negative indices address the window extra bytes; a value occupies the
// 4 bytes at that offset (8 on request through the *Ptr forms).
LONG GetWindowLong(HWND hwnd, int index);
LONG SetWindowLong(HWND hwnd, int index, LONG value);
std::intptr_t GetWindowLongPtr(HWND hwnd, int index);
std::intptr_t SetWindowLongPtr(HWND hwnd, int index, std::intptr_t value);
WORD GetWindowWord(HWND hwnd, int index);
WORD SetWindowWord(HWND hwnd, int index, WORD value);

// ---- Messages -----------------------------------------------------------------------
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Returns 0 for WM_QUIT, -1 for a bad window filter, otherwise 1.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WaitMessage();
[[nodiscard]] DWORD GetMessageTime();
[[nodiscard]] DWORD GetMessagePos();

// Key and mouse-button state as the input so far left it: bit 15 set while
// down, bit 0 toggled by each press.
[[nodiscard]] short GetKeyState(int virtualKey);
[[nodiscard]] short GetAsyncKeyState(int virtualKey);
BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR LoadCursor(HINSTANCE instance, int id);
HICON LoadIcon(HINSTANCE instance, int id);
// The program's own icon, which a display shows for its windows (title bars,
// window lists): square pictures of 0xAARRGGBB pixels, rows top-down, one
// per size (a later picture of the same size replaces the earlier).
struct IconPicture {
    int size = 0;
    std::vector<std::uint32_t> argb;
};
void SetApplicationIcon(int size, const std::uint32_t* argb);

// ---- Paint --------------------------------------------------------------------------
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
// Moves the client picture by (dx, dy) and invalidates the uncovered strip.
BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scrollRect, const RECT* clipRect);
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scrollRect, const RECT* clipRect,
                   HRGN updateRegion, RECT* updateRect, UINT flags);

// Drawing half (paint_dc.cpp and the gdi files).
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);

// ---- Scroll bars (SB_HORZ, SB_VERT on a window; SB_CTL on a scroll-bar control) ------
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
[[nodiscard]] int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, int bar, UINT arrows);

// ---- Names used by the program's -A spellings ----------------------------------------
inline LRESULT DefWindowProcA(HWND h, UINT m, WPARAM w, LPARAM l) {
    return DefWindowProc(h, m, w, l);
}
inline LRESULT SendMessageA(HWND h, UINT m, WPARAM w, LPARAM l) {
    return SendMessage(h, m, w, l);
}
inline BOOL PostMessageA(HWND h, UINT m, WPARAM w, LPARAM l) {
    return PostMessage(h, m, w, l);
}
inline BOOL GetMessageA(MSG* m, HWND h, UINT a, UINT b) {
    return GetMessage(m, h, a, b);
}
inline BOOL PeekMessageA(MSG* m, HWND h, UINT a, UINT b, UINT r) {
    return PeekMessage(m, h, a, b, r);
}
inline LRESULT DispatchMessageA(const MSG* m) {
    return DispatchMessage(m);
}
inline HWND CreateWindowExA(DWORD ex, const char* c, const char* n, DWORD s, int x, int y, int w,
                            int h, HWND p, HMENU m, HINSTANCE i, void* d) {
    return CreateWindowEx(ex, c, n, s, x, y, w, h, p, m, i, d);
}
inline BOOL SetWindowTextA(HWND h, const char* t) {
    return SetWindowText(h, t);
}
inline int GetWindowTextA(HWND h, char* b, int n) {
    return GetWindowText(h, b, n);
}

}  // namespace win
