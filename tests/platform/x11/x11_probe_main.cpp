// A small program for the display test: one window with a vertical scroll
// bar and an edit field, on the X display. Keys ask it to copy text to the
// clipboard (F2), paste the clipboard into the field (F3), run an OK/Cancel
// box owned by the window (F5) and quit (F4 or the close box), keeping what
// it copied. After each change it rewrites the state file named on its
// command line, one "name=value" a line, so the test can read what it saw.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win.h"

namespace {

using namespace win;

constexpr int kEditId = 10;
constexpr WPARAM kCopyKey = VK_F1 + 1;  // F2
constexpr WPARAM kPasteKey = VK_F1 + 2;
constexpr WPARAM kQuitKey = VK_F1 + 3;
constexpr WPARAM kBoxKey = VK_F1 + 4;
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
    std::string oem;
} probe;

void WriteState() {
    char text[512] = {};
    GetWindowText(probe.edit, text, sizeof text);
    std::string tmp = probe.statePath + ".tmp";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (f == nullptr) return;
    std::fprintf(f, "ready=1\nvpos=%d\ntrack=%d\ncopies=%d\npastes=%d\nbox=%d\nedit=%s\noem=%s\n",
                 GetScrollPos(probe.main, SB_VERT), probe.track, probe.copies, probe.pastes,
                 probe.box, text, probe.oem.c_str());
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
        case WM_KEYDOWN:
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
        case WM_DESTROY:
            PostQuitMessage(0);
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
