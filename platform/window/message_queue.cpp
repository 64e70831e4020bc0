// The message queue of the program's one thread: posting, sending, the
// get/peek/translate/dispatch loop, the quit message and the message trace.
//
// Retrieval order: posted messages first, then the quit message, then WM_PAINT
// for windows with a pending update region (parents before children).
#include <cstdio>
#include <deque>

#include "platform/drivers/driver.h"
#include "platform/drivers/script.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

struct QueueState {
    std::deque<MSG> posted;
    bool quitPending = false;
    int quitCode = 0;
    int lastQuitCode = 0;
    int depth = 0;
    DWORD lastTime = 0;
    POINT lastPos;
    bool traceOn = false;
    std::vector<TraceEntry> trace;
};

QueueState& Queue() {
    static QueueState state;
    return state;
}

bool Matches(const MSG& m, HWND filter, UINT lo, UINT hi) {
    if (filter == reinterpret_cast<HWND>(-1)) {
        if (m.hwnd != nullptr) return false;
    } else if (filter != nullptr && m.hwnd != filter && !IsChild(filter, m.hwnd)) {
        return false;
    }
    if (lo == 0 && hi == 0) return true;
    return m.message >= lo && m.message <= hi;
}

}  // namespace

int CallDepth() {
    return Queue().depth;
}

LRESULT CallProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || w->proc == nullptr) return 0;
    auto& q = Queue();
    if (q.traceOn) {
        q.trace.push_back(TraceEntry{hwnd, w->windowClass->name, msg, wParam, lParam, q.depth});
    }
    WNDPROC proc = w->proc;
    ++q.depth;
    LRESULT r = proc(hwnd, msg, wParam, lParam);
    --q.depth;
    return r;
}

void NotifyParent(HWND control, WORD code) {
    Window* w = FindWindowRecord(control);
    if (w == nullptr || w->parent == nullptr) return;
    SendMessage(w->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(w->id), code),
                reinterpret_cast<LPARAM>(control));
}

void ResetMessages() {
    bool traceOn = Queue().traceOn;
    Queue() = QueueState{};
    Queue().traceOn = traceOn;
}

// Removes the first queued message that `accept` takes.
template <typename Accept>
bool TakePosted(MSG* out, Accept accept, bool remove) {
    auto& posted = Queue().posted;
    for (auto it = posted.begin(); it != posted.end(); ++it) {
        if (!accept(*it)) continue;
        *out = *it;
        if (remove) posted.erase(it);
        return true;
    }
    return false;
}

bool TakePostedFor(MSG* out, HWND root) {
    return TakePosted(
        out, [root](const MSG& m) { return m.hwnd == root || IsChild(root, m.hwnd); }, true);
}

void MarkQuitSeen(int code) {
    Queue().lastQuitCode = code;
}

bool MessagesWaiting() {
    return !Queue().posted.empty() || Queue().quitPending || AnyPaintPending();
}

}  // namespace detail

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return detail::CallProcedure(hwnd, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd != nullptr && !IsWindow(hwnd)) return FALSE;
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = GetTickCount();
    GetCursorPos(&m.pt);
    detail::Queue().posted.push_back(m);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    detail::Queue().quitPending = true;
    detail::Queue().quitCode = exitCode;
}

namespace {

BOOL PeekQueued(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    using namespace detail;
    if (msg == nullptr) return FALSE;
    CollectDestroyedWindows();
    auto& q = Queue();
    bool remove = (removeFlags & PM_REMOVE) != 0;
    if (TakePosted(
            msg, [&](const MSG& m) { return Matches(m, hwnd, filterMin, filterMax); }, remove)) {
        q.lastTime = msg->time;
        q.lastPos = msg->pt;
        return TRUE;
    }
    if (q.quitPending) {
        *msg = MSG{};
        msg->message = WM_QUIT;
        msg->wParam = static_cast<WPARAM>(q.quitCode);
        if (remove) {
            q.quitPending = false;
            q.lastQuitCode = q.quitCode;
        }
        return TRUE;
    }
    bool paintWanted =
        (filterMin == 0 && filterMax == 0) || (WM_PAINT >= filterMin && WM_PAINT <= filterMax);
    if (paintWanted) {
        for (HWND h : AllWindowsPaintOrder()) {
            Window* w = FindWindowRecord(h);
            if (!w->updatePending || !IsWindowVisible(h)) continue;
            if (hwnd != nullptr && h != hwnd && !IsChild(hwnd, h)) continue;
            *msg = MSG{};
            msg->hwnd = h;
            msg->message = WM_PAINT;
            msg->time = GetTickCount();
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (PeekQueued(msg, hwnd, filterMin, filterMax, removeFlags)) return TRUE;
    // Input that came while the program was busy is looked at once more.
    if (msg != nullptr && CurrentDriver().Poll())
        return PeekQueued(msg, hwnd, filterMin, filterMax, removeFlags);
    return FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (msg == nullptr) return -1;
    if (hwnd != nullptr && hwnd != reinterpret_cast<HWND>(-1) && !IsWindow(hwnd)) return -1;
    for (;;) {
        if (PeekMessage(msg, hwnd, filterMin, filterMax, PM_REMOVE))
            return msg->message == WM_QUIT ? FALSE : TRUE;
        if (!CurrentDriver().WaitForInput()) {
            ReportScriptFailure(
                "The message loop is waiting for input and nothing more is scripted");
            *msg = MSG{};
            msg->message = WM_QUIT;
            msg->wParam = static_cast<WPARAM>(-1);
            detail::MarkQuitSeen(-1);
            return FALSE;
        }
    }
}

BOOL WaitMessage() {
    return CurrentDriver().WaitForInput() ? TRUE : FALSE;
}

DWORD GetMessageTime() {
    return detail::Queue().lastTime;
}

DWORD GetMessagePos() {
    POINT p = detail::Queue().lastPos;
    return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

// Keys carry the character they produce in the scan-code byte of lParam
// (bits 16-23); translation turns that into WM_CHAR / WM_SYSCHAR.
BOOL TranslateMessage(const MSG* msg) {
    if (msg == nullptr) return FALSE;
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) return FALSE;
    auto ch = static_cast<BYTE>((msg->lParam >> 16) & 0xFF);
    if (ch == 0) return FALSE;
    PostMessage(msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, ch,
                msg->lParam & 0x00FFFFFF);
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
    using namespace detail;
    if (msg == nullptr || msg->hwnd == nullptr || !IsWindow(msg->hwnd)) return 0;
    if (msg->message != WM_PAINT)
        return CallProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    Window* w = FindWindowRecord(msg->hwnd);
    unsigned serial = w->paintSerial;
    LRESULT r = CallProcedure(msg->hwnd, WM_PAINT, 0, 0);
    // A procedure that ignores WM_PAINT without validating would be offered
    // the same paint forever; drop the update region instead.
    w = FindWindowRecord(msg->hwnd);
    if (w != nullptr && w->paintSerial == serial) ForgetPaint(*w);
    if (w != nullptr && w->parent == nullptr) CurrentDriver().WindowChanged(msg->hwnd);
    return r;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc != nullptr ? proc(hwnd, msg, wParam, lParam) : 0;
}

int LastQuitCode() {
    return detail::Queue().lastQuitCode;
}

bool RunUntilIdle() {
    MSG msg;
    for (;;) {
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) return true;
        if (msg.message == WM_QUIT) {
            detail::MarkQuitSeen(static_cast<int>(msg.wParam));
            return false;
        }
        PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

void EnableMessageTrace(bool enable) {
    detail::Queue().traceOn = enable;
}
const std::vector<TraceEntry>& MessageTrace() {
    return detail::Queue().trace;
}
void ClearMessageTrace() {
    detail::Queue().trace.clear();
}

std::string MessageName(UINT message) {
    static const std::pair<UINT, const char*> kNames[] = {
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_QUIT, "WM_QUIT"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_SETFONT, "WM_SETFONT"},
        {WM_GETFONT, "WM_GETFONT"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_GETDLGCODE, "WM_GETDLGCODE"},
        {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
        {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_INITDIALOG, "WM_INITDIALOG"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_HSCROLL, "WM_HSCROLL"},
        {WM_VSCROLL, "WM_VSCROLL"},
        {WM_INITMENU, "WM_INITMENU"},
        {WM_CTLCOLOREDIT, "WM_CTLCOLOREDIT"},
        {WM_CTLCOLORLISTBOX, "WM_CTLCOLORLISTBOX"},
        {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"},
        {WM_CTLCOLORDLG, "WM_CTLCOLORDLG"},
        {WM_CTLCOLORSCROLLBAR, "WM_CTLCOLORSCROLLBAR"},
        {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
        {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
    };
    for (const auto& [id, name] : kNames) {
        if (id == message) return name;
    }
    if (message >= WM_USER && message < WM_USER + 0x7C00)
        return message == WM_USER ? "WM_USER" : "WM_USER+" + std::to_string(message - WM_USER);
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", message);
    return buf;
}

}  // namespace win
