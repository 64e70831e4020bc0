// A small program for the display tests: one window with a vertical scroll
// bar and an edit field, and a second window beside it, on the X display.
// It is slow over the first character typed into
// its form and over pointer moves, as a busy program is. Keys ask it to copy
// text to the clipboard (F2), paste the clipboard into
// the field (F3), run an OK/Cancel box owned by the window (F5), run a dialog
// of three fields (F6), count a key (F7), copy rich text (F8) and quit (F4 or
// the close box), keeping what it copied. The wheel scrolls the window.
// After each change it rewrites the state file named on its command line,
// one "name=value" a line, so the test can read what it saw.
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

#include "platform/dialogs/dialog.h"
#include "platform/win.h"

namespace {

using namespace win;

constexpr int kEditId = 10;
constexpr WPARAM kCopyKey = VK_F1 + 1;  // F2
constexpr WPARAM kPasteKey = VK_F1 + 2;
constexpr WPARAM kQuitKey = VK_F1 + 3;
constexpr WPARAM kBoxKey = VK_F1 + 4;
constexpr WPARAM kFormKey = VK_F1 + 5;
constexpr WPARAM kCountKey = VK_F1 + 6;
constexpr WPARAM kRichKey = VK_F1 + 7;
constexpr int kFieldIds[3] = {101, 102, 103};
constexpr const char* kRich = "{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}\\f0 Scale \\'b0C\\par\r\nline two}";
// ANSI text with a degree sign and two lines, as the program's copies are.
constexpr const char* kCopied =
    "Scale at 25 \xB0"
    "C\r\nline two";

struct Probe {
    std::string statePath;
    HWND main = nullptr;
    HWND edit = nullptr;
    int track = -1;
    int copies = 0;
    int pastes = 0;
    int box = 0;
    int counted = 0;
    int forms = 0;
    std::string fields[3];
    std::string oem;
    HWND other = nullptr;
} probe;

void WriteState() {
    char text[512] = {};
    GetWindowText(probe.edit, text, sizeof text);
    std::string tmp = probe.statePath + ".tmp";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (f == nullptr) return;
    RECT r{};
    GetWindowRect(probe.main, &r);
    std::fprintf(f, "ready=1\nvpos=%d\ntrack=%d\ncopies=%d\npastes=%d\nbox=%d\nedit=%s\noem=%s\n",
                 GetScrollPos(probe.main, SB_VERT), probe.track, probe.copies, probe.pastes,
                 probe.box, text, probe.oem.c_str());
    std::fprintf(f, "left=%d\ntop=%d\ncounted=%d\nforms=%d\n", static_cast<int>(r.left),
                 static_cast<int>(r.top), probe.counted, probe.forms);
    for (int i = 0; i < 3; ++i) std::fprintf(f, "field%d=%s\n", i + 1, probe.fields[i].c_str());
    std::fclose(f);
    std::rename(tmp.c_str(), probe.statePath.c_str());
}

void Copy(HWND hwnd) {
    if (!OpenClipboard(hwnd)) return;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, std::strlen(kCopied) + 1);
    std::memcpy(GlobalLock(block), kCopied, std::strlen(kCopied) + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    // A format registered by name goes out under that name.
    HGLOBAL own = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(own), "PRV", 4);
    GlobalUnlock(own);
    SetClipboardData(RegisterClipboardFormat("ProbePrivate"), own);
    CloseClipboard();
    ++probe.copies;
}

void CopyRich(HWND hwnd) {
    if (!OpenClipboard(hwnd)) return;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, std::strlen(kRich) + 1);
    std::memcpy(GlobalLock(block), kRich, std::strlen(kRich) + 1);
    GlobalUnlock(block);
    SetClipboardData(RegisterClipboardFormat("rich text format"), block);
    CloseClipboard();
    ++probe.copies;
}

// The probe is slow where a real program may be: over the first character
// typed into the form and over each pointer move in its window, so that the
// input after it piles up at the display meanwhile.
void Busy() {
    usleep(200 * 1000);
}

INT_PTR FormProc(HWND d, UINT m, WPARAM w, LPARAM) {
    if (m == WM_INITDIALOG) return TRUE;
    if (m != WM_COMMAND) return FALSE;
    if (HIWORD(w) == EN_CHANGE) {
        char text[4] = {};
        GetDlgItemText(d, LOWORD(w), text, sizeof text);
        if (text[0] != '\0' && text[1] == '\0') Busy();
        return TRUE;
    }
    if (LOWORD(w) == IDOK) {
        for (int i = 0; i < 3; ++i) {
            char text[256] = {};
            GetDlgItemText(d, kFieldIds[i], text, sizeof text);
            probe.fields[i] = text;
        }
        EndDialog(d, IDOK);
    } else if (LOWORD(w) == IDCANCEL) {
        EndDialog(d, IDCANCEL);
    }
    return TRUE;
}

// Three fields, OK and Cancel: five tab stops.
void RunForm(HWND owner) {
    DialogTemplate t;
    t.caption = "Probe form";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    t.cx = 160;
    t.cy = 90;
    for (int i = 0; i < 3; ++i)
        t.items.push_back({"EDIT", kFieldIds[i], "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8,
                           static_cast<short>(8 + 16 * i), 100, 12});
    t.items.push_back({"BUTTON", IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 8, 66, 50, 14});
    t.items.push_back({"BUTTON", IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 64, 66, 50, 14});
    DialogBoxIndirectParam(nullptr, t, owner, FormProc, 0);
    ++probe.forms;
}

std::string BlockText(HANDLE handle) {
    auto block = static_cast<HGLOBAL>(handle);
    const char* p = block != nullptr ? static_cast<const char*>(GlobalLock(block)) : nullptr;
    if (p == nullptr) return "";
    std::string s(p, strnlen(p, GlobalSize(block)));
    GlobalUnlock(block);
    return s;
}

void Paste(HWND hwnd) {
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(hwnd)) return;
    std::string text = BlockText(GetClipboardData(CF_TEXT));
    probe.oem = BlockText(GetClipboardData(CF_OEMTEXT));
    CloseClipboard();
    SetWindowText(probe.edit, text.c_str());
    ++probe.pastes;
}

void Scroll(HWND hwnd, int code, int thumb) {
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd, SB_VERT, &si);
    int pos = si.nPos;
    switch (code) {
        case SB_LINEUP:
            --pos;
            break;
        case SB_LINEDOWN:
            ++pos;
            break;
        case SB_PAGEUP:
            pos -= static_cast<int>(si.nPage);
            break;
        case SB_PAGEDOWN:
            pos += static_cast<int>(si.nPage);
            break;
        case SB_THUMBTRACK:
            probe.track = thumb;
            break;
        case SB_THUMBPOSITION:
            pos = thumb;
            break;
        default:
            break;
    }
    SetScrollPos(hwnd, SB_VERT, pos, TRUE);
}

LRESULT ProbeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_VSCROLL:
            Scroll(hwnd, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            WriteState();
            return 0;
        case WM_MOUSEMOVE:
            if (hwnd == probe.main) Busy();
            return 0;
        case WM_MOUSEWHEEL:
            Scroll(hwnd, static_cast<short>(HIWORD(wParam)) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
            WriteState();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_CHANGE) WriteState();
            return 0;
        case WM_KEYDOWN:
            if (hwnd == probe.other) return 0;
            if (wParam == kFormKey) RunForm(hwnd);
            if (wParam == kCountKey) ++probe.counted;
            if (wParam == kRichKey) CopyRich(hwnd);
            if (wParam == kCopyKey) Copy(hwnd);
            if (wParam == kPasteKey) Paste(hwnd);
            if (wParam == kBoxKey)
                probe.box = MessageBox(hwnd, "Probe question", "Probe box", MB_OKCANCEL);
            if (wParam == kQuitKey) {
                DestroyWindow(hwnd);
                return 0;
            }
            WriteState();
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            HBRUSH b = CreateSolidBrush(RGB(240, 240, 200));
            FillRect(dc, &client, b);
            DeleteObject(b);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_MOVE:
            WriteState();
            return 0;
        case WM_DESTROY:
            if (hwnd == probe.main) PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarvex-x11-probe STATE-FILE\n");
        return 2;
    }
    probe.statePath = argv[1];
    auto display = MakeX11Driver();
    if (!display) {
        std::fprintf(stderr, "tarvex-x11-probe: no X display\n");
        return 2;
    }
    SetDriver(std::move(display));
    WNDCLASS wc;
    wc.lpfnWndProc = ProbeProc;
    wc.lpszClassName = "ProbeClass";
    if (RegisterClass(&wc) == 0) return 1;
    probe.main = CreateWindowEx(0, "ProbeClass",
                                "Probe 25 \xB0"
                                "C",
                                WS_OVERLAPPEDWINDOW | WS_VSCROLL, 100, 100, 400, 300, nullptr,
                                nullptr, nullptr, nullptr);
    probe.edit = CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 300, 24,
                                probe.main, reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 109;  // positions 0 .. 100 with a page of 10
    si.nPage = 10;
    si.nPos = 0;
    SetScrollInfo(probe.main, SB_VERT, &si, TRUE);
    probe.other = CreateWindowEx(0, "ProbeClass", "Probe other", WS_OVERLAPPEDWINDOW, 600, 100,
                                 300, 200, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(probe.other, SW_SHOWNOACTIVATE);
    ShowWindow(probe.main, SW_SHOW);
    SetFocus(probe.main);
    UpdateWindow(probe.main);
    WriteState();
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    SetDriver(nullptr);  // keeps the copied text for other programs
    return 0;
}
