// Scripted interaction for headless runs and tests.
//
// Modal dialogs are answered by handlers registered per template id; message
// boxes that ask something by answers matched on caption and text; file
// dialogs by a queue of paths (or cancels). A prompt nothing answers is a
// script failure reported with its caption and text; the prompt then returns
// its cancel value, so the run never hangs. Every message box shown is
// recorded. Tests can also post menu commands, clicks and keys, run the loop
// until it is idle, and read the message trace.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

// ---- Failures ---------------------------------------------------------------------
// Called with a one-line description of each script failure. The default
// prints it to standard error and aborts the process.
using ScriptFailureHandler = std::function<void(const std::string& what)>;
void SetScriptFailureHandler(ScriptFailureHandler handler);
void ReportScriptFailure(const std::string& what);

// ---- Dialogs ----------------------------------------------------------------------
// Runs once the dialog has been initialised and shown; it sets fields, presses
// buttons (normally ending the dialog) or calls back into the dialog. A dialog
// still open after its handler returned is a failure and is cancelled.
using DialogHandler = std::function<void(HWND dialog)>;
// `times` < 0 keeps the handler for every opening; otherwise it is used that
// many times, the latest registration first.
void OnDialog(int templateId, DialogHandler handler, int times = -1);

// ---- Message boxes ----------------------------------------------------------------
struct MessageBoxRecord {
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    UINT type = 0;
    int answer = 0;
};
// Answers the next box whose caption equals `caption` (empty: any caption)
// and whose text contains `textPart` (empty: any text). `times` < 0 keeps the
// answer. Boxes with only an OK button need no answer: they are acknowledged
// and recorded.
void AnswerMessageBox(const std::string& caption, const std::string& textPart, int answer,
                      int times = 1);
// Answers the next box, whatever its caption, whose text starts with
// `textStart` (empty: any box).
void AnswerMessageBoxStartingWith(const std::string& textStart, int answer, int times = 1);
[[nodiscard]] const std::vector<MessageBoxRecord>& MessageBoxLog();
void ClearMessageBoxLog();

// ---- File dialogs -----------------------------------------------------------------
// Queued answers, one per open or save dialog, in order. Paths are written
// as the program would see them (Windows-style, under the path root).
void AnswerFileDialog(const std::string& path);
void CancelFileDialog();
struct FileDialogLogEntry {
    bool save = false;
    std::string title;
    std::string answer;  // empty when cancelled
};
[[nodiscard]] const std::vector<FileDialogLogEntry>& FileDialogLog();

// ---- Driving the program ----------------------------------------------------------------
// Dispatches queued messages and pending paints until none is left. Returns
// false when a quit message was reached (it stays available to GetMessage).
bool RunUntilIdle();
// The exit code of the last quit message seen (PostQuitMessage).
[[nodiscard]] int LastQuitCode();
// Checks that the window's menu has the command and that it is enabled, then
// posts WM_COMMAND for it. A missing or greyed item is a script failure.
bool ChooseMenuCommand(HWND hwnd, UINT commandId);
// Mouse input at a point in the window's client coordinates (routed through
// the hit test as real input would be).
enum class MouseButton { Left, Right, Middle };
void Click(HWND hwnd, int x, int y, MouseButton button = MouseButton::Left);
void DoubleClick(HWND hwnd, int x, int y, MouseButton button = MouseButton::Left);
// Mouse input at screen coordinates: press, move (with the buttons held) and
// release, for drags.
void MouseDownAt(POINT screen, MouseButton button);
void MouseMoveTo(POINT screen);
void MouseUpAt(POINT screen, MouseButton button);
// A key press (down and up) for the focus window, with modifier keys held.
void PressKey(int virtualKey, bool control = false, bool shift = false, bool alt = false);
// Types the characters into the focus window.
void TypeText(const std::string& text);
// Mouse wheel over the window, in notches (positive away from the user).
void Wheel(HWND hwnd, int notches);

// Dialog helpers for handlers: set a control's text as if typed (the control
// gets the focus, the text changes with a change notification, then the focus
// moves on), press a button, set a check box, choose a list entry.
void SetField(HWND dialog, int controlId, const std::string& text);
void PressButton(HWND dialog, int controlId);
void SetCheck(HWND dialog, int controlId, bool checked);
void ChooseListItem(HWND dialog, int controlId, int index, bool doubleClick = false);
// Clicks an arrow of a scroll bar (a control, or the window's own bar).
void ClickScrollArrow(HWND hwnd, int bar, bool downOrRight);
// Drags the thumb of the window's bar (or a control, bar = SB_CTL) to `pos`:
// track messages, then thumb position and end scroll.
void DragScrollThumb(HWND hwnd, int bar, int pos);

// ---- Message trace ------------------------------------------------------------------
struct TraceEntry {
    HWND hwnd = nullptr;
    std::string className;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int depth = 0;  // 0 for a dispatched message, more for nested sends
};
void EnableMessageTrace(bool enable);
[[nodiscard]] const std::vector<TraceEntry>& MessageTrace();
void ClearMessageTrace();
// "WM_PAINT", "WM_USER+1" ... or the number in hex.
[[nodiscard]] std::string MessageName(UINT message);

// ---- Whole-platform reset ------------------------------------------------------------------
// Forgets every window, class, menu, queued message, clipboard entry, memory
// block, open file, script answer and setting, as a fresh process would have
// them. Resource tables (strings, menus, dialog templates) stay.
void ResetPlatform();

}  // namespace win
