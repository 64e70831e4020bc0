// Internal model of the window manager: the window and class records, the
// handle table and the helpers the platform's own files share. Nothing outside
// platform/ includes this header.
//
// Handles are serial numbers dressed as pointers and never reused, so a
// handle kept after its window is gone (the program keeps several) finds
// nothing instead of someone else's window.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/controls.h"
#include "platform/gdi/surface.h"
#include "platform/window/win_types.h"
#include "platform/window/window.h"

namespace win::detail {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtra = 0;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    int menuId = 0;  // class menu resource id, 0 = none
    std::vector<BYTE> extraBytes;
};

struct ScrollState {
    SCROLLINFO info{sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    bool visible = false;
    bool enabled = true;
    bool tracking = false;
    // A thumb drag: where along the bar it was grabbed, how far into the
    // thumb, and the position it had then.
    int grabAlong = 0;
    int grabOffset = 0;
    int grabPos = 0;
};

// State a built-in control keeps (edit text caret, list items ...).
struct ControlData {
    virtual ~ControlData() = default;
};
// State of a dialog window: its procedure, end code and font.
struct DialogData {
    DLGPROC proc = nullptr;
    INT_PTR result = 0;
    bool ended = false;
    bool modal = false;
    int templateId = 0;
    SIZE baseUnits{6, 13};
    HFONT font = nullptr;
    int defaultId = IDOK;
};

struct Window {
    HWND handle = nullptr;
    WindowClass* windowClass = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    HWND parent = nullptr;       // child windows only
    HWND owner = nullptr;        // top-level windows only
    std::vector<HWND> children;  // z-order, topmost first
    HINSTANCE instance = nullptr;
    int id = 0;            // child windows: control id
    HMENU menu = nullptr;  // top-level windows: menu bar
    RECT rect;             // screen coordinates (top level) or parent client coordinates
    RECT restoreRect;
    bool maximized = false;
    bool minimized = false;
    ScrollState vscroll;
    ScrollState hscroll;
    RECT update;
    bool updatePending = false;
    bool eraseNeeded = false;
    unsigned paintSerial = 0;
    std::vector<BYTE> extraBytes;
    std::intptr_t userData = 0;
    HFONT font = nullptr;
    SurfaceBuffer surface;
    bool destroying = false;
    std::unique_ptr<ControlData> control;
    std::unique_ptr<DialogData> dialog;
    LRESULT dialogMsgResult = 0;  // DWL_MSGRESULT of a dialog window
};

// ---- Handle table ---------------------------------------------------------------
[[nodiscard]] Window* FindWindowRecord(HWND hwnd);
[[nodiscard]] WindowClass* FindClassRecord(const std::string& name);
// Top-level windows in z-order, topmost first.
[[nodiscard]] const std::vector<HWND>& TopLevelWindows();
[[nodiscard]] std::vector<HWND>& TopLevelList();
// Every live window, top-level windows first then children, parents before
// their children (the order paint messages are generated in).
[[nodiscard]] std::vector<HWND> AllWindowsPaintOrder();
// Frees windows destroyed while messages were still being handled.
void CollectDestroyedWindows();
// Ctrl+F6 / Ctrl+Tab: activates the next (or previous) window of the active
// window's program; false when there is none to go to (window_cycle.cpp).
bool CycleProgramWindows(bool backwards);

// ---- Geometry ---------------------------------------------------------------------
struct Insets {
    int left = 0, top = 0, right = 0, bottom = 0;
};
[[nodiscard]] Insets NonClientInsets(const Window& w);
[[nodiscard]] int CaptionHeight(const Window& w);
// The close box at the right end of the caption of a window with a system
// menu, in the caption's own pixels (a caption `width` wide); empty without.
[[nodiscard]] RECT CloseBoxOfCaption(const Window& w, int width);
[[nodiscard]] int MenuBarHeight(const Window& w);
[[nodiscard]] RECT ScreenRect(const Window& w);
[[nodiscard]] POINT ClientOriginOnScreen(const Window& w);
[[nodiscard]] int ClientWidth(const Window& w);
[[nodiscard]] int ClientHeight(const Window& w);
// Re-sizes the client surface when the client area changed and tells the hook.
void SyncSurface(Window& w);

// ---- Messages ---------------------------------------------------------------------
// Calls the window procedure (recording the trace) and returns its answer.
LRESULT CallProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Nesting depth of procedure calls in progress (0 at the top of a loop).
[[nodiscard]] int CallDepth();
// Sends WM_COMMAND for a control notification in the platform's usual form:
// wParam = MAKEWPARAM(id, code), lParam = control handle.
void NotifyParent(HWND control, WORD code);
void ResetMessages();
// Takes the first queued message for `root` or its descendants.
bool TakePostedFor(MSG* out, HWND root);
void MarkQuitSeen(int code);
// Whether a message (posted, quit or paint) is waiting to be retrieved.
[[nodiscard]] bool MessagesWaiting();

// ---- Paint ------------------------------------------------------------------------
void InvalidateWhole(HWND hwnd, bool erase);
[[nodiscard]] bool AnyPaintPending();
[[nodiscard]] HWND NextWindowToPaint();
void ForgetPaint(Window& w);
// DefWindowProc's WM_ERASEBKGND: the erase hook with the class brush.
LRESULT EraseBackground(HWND hwnd, HDC hdc);
// Fills the client area with `brush` through the erase hook (white without one).
LRESULT EraseWithBrush(HWND hwnd, HDC hdc, HBRUSH brush);

// ---- Built-in classes -----------------------------------------------------------
LRESULT StaticControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ButtonControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT EditControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ScrollBarControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
inline constexpr const char* kDialogClassName = "DialogBox";
// Client y of list entry `index` after scrolling it into view; -1 if none.
int ListItemClientY(HWND listBox, int index);
// Names in a folder matching a pattern, for LB_DIR and DlgDirList (DDL_*
// attribute filter). False when the folder does not exist.
bool ListMatchingNames(const char* pattern, UINT attributes, std::vector<std::string>* names);
// Completes the common fields of `info` (device context, colours, font,
// text, state) inside BeginPaint/EndPaint and calls the painter.
void PaintControlInfo(HWND hwnd, ControlPaintInfo info);

// The pictures given to SetApplicationIcon.
[[nodiscard]] const std::vector<IconPicture>& ApplicationIcons();

// ---- Misc state resets (each module) ----------------------------------------------
void ResetWindows();
void ResetClasses();
void ResetMenus();
void ResetClipboard();
void ResetGlobalMemory();
void ResetFiles();
void ResetSystem();
void ResetScript();
void ResetInput();
void ResetDialogs();

// Reads (and with newValue writes) `width` little-endian bytes at `index` of
// a class or window extra-byte block; 0 when the slot does not fit.
std::intptr_t AccessExtraBytes(std::vector<BYTE>& bytes, int index, std::size_t width,
                               const std::intptr_t* newValue);

// Case-insensitive ASCII comparison used for class names, format names and
// file names.
[[nodiscard]] bool EqualsNoCase(const std::string& a, const std::string& b);
[[nodiscard]] std::string UpperAscii(std::string s);

// Serial handle helpers.
template <typename H>
H HandleFromSerial(std::uintptr_t serial) {
    return reinterpret_cast<H>(serial);
}
template <typename H>
std::uintptr_t SerialFromHandle(H h) {
    return reinterpret_cast<std::uintptr_t>(h);
}

}  // namespace win::detail
