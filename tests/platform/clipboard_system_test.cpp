// The clipboard and memory blocks (ownership, failures the program reports),
// and the configurable system services: screen size and metrics, monitor
// work area, clocks, strings, the profile, starting programs and help.
#include <cstring>

#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

class ClipboardTest : public PlatformTest {};

HGLOBAL BlockWith(const char* text) {
    std::size_t n = std::strlen(text) + 1;
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, n);
    std::memcpy(GlobalLock(h), text, n);
    GlobalUnlock(h);
    return h;
}

TEST_F(ClipboardTest, FormatsAreRegisteredOncePerName) {
    UINT a = RegisterClipboardFormat("tkIntermediate");
    UINT b = RegisterClipboardFormat("tkResults");
    EXPECT_GE(a, kFirstRegisteredFormat);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterClipboardFormat("TKINTERMEDIATE"), a);
    EXPECT_EQ(RegisterClipboardFormat(""), 0u);
    char name[32];
    EXPECT_EQ(GetClipboardFormatName(b, name, sizeof name), 9);
    EXPECT_STREQ(name, "tkResults");
    EXPECT_EQ(GetClipboardFormatName(CF_TEXT, name, sizeof name), 0);
}

TEST_F(ClipboardTest, OpeningCanFailAndDataNeedsAnOpenClipboard) {
    SetClipboardHeldElsewhere(true);
    EXPECT_FALSE(OpenClipboard(nullptr));
    SetClipboardHeldElsewhere(false);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr));  // already open
    ASSERT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    HGLOBAL h = BlockWith("x");
    EXPECT_EQ(SetClipboardData(CF_TEXT, h), nullptr);  // closed: refused, caller keeps the block
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST_F(ClipboardTest, TheClipboardOwnsAndFreesItsBlocks) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, BlockWith("first"));
    SetClipboardData(CF_TEXT, BlockWith("second"));  // replaces and frees the first
    UINT own = RegisterClipboardFormat("Csv");
    SetClipboardData(own, BlockWith("1,2"));
    EXPECT_EQ(LiveGlobalBlocks(), 2);
    EXPECT_EQ(EnumClipboardFormats(0), CF_TEXT);
    EXPECT_EQ(EnumClipboardFormats(CF_TEXT), own);
    EXPECT_EQ(EnumClipboardFormats(own), 0u);
    CloseClipboard();
    EXPECT_EQ(ClipboardText(), "second");
    EXPECT_TRUE(IsClipboardFormatAvailable(own));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_DIB), nullptr);
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(LiveGlobalBlocks(), 0);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST_F(ClipboardTest, MemoryBlocksAreZeroedOnRequestAndFailOnDemand) {
    HGLOBAL h = GlobalAlloc(GHND, 3104);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 3104u);
    auto* p = static_cast<std::uint8_t*>(GlobalLock(h));
    bool zero = true;
    for (int i = 0; i < 3104; ++i) zero = zero && p[i] == 0;
    EXPECT_TRUE(zero);
    EXPECT_EQ(GlobalHandle(p), h);
    EXPECT_EQ(GlobalLock(h), p);    // locked twice: the same bytes
    EXPECT_TRUE(GlobalUnlock(h));   // still locked once
    EXPECT_FALSE(GlobalUnlock(h));  // now unlocked
    EXPECT_FALSE(GlobalUnlock(h));  // nothing to unlock
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalFree(h), h);  // freeing twice is refused
    EXPECT_EQ(GlobalLock(h), nullptr);
    FailNextGlobalAllocs(1);
    EXPECT_EQ(GlobalAlloc(GHND, 10), nullptr);
    HGLOBAL next = GlobalAlloc(GHND, 10);
    EXPECT_NE(next, nullptr);
    EXPECT_NE(next, h);  // handles are never reused
    GlobalFree(next);
}

class SystemTest : public PlatformTest {};

TEST_F(SystemTest, ScreenSizeMetricsAndWorkAreaFollowTheConfiguration) {
    struct Case {
        int w, h;
    };
    for (Case c : {Case{640, 480}, Case{1920, 1200}}) {
        SetDesktopSize(c.w, c.h);
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), c.w);
        EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), c.h);
        RECT desk;
        GetWindowRect(GetDesktopWindow(), &desk);
        EXPECT_EQ(desk.right - desk.left, c.w);
        EXPECT_EQ(desk.bottom - desk.top, c.h);
        MONITORINFO mi;
        ASSERT_TRUE(GetMonitorInfo(MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY), &mi));
        EXPECT_EQ(mi.rcMonitor.bottom, c.h);
        EXPECT_EQ(mi.rcWork.bottom, c.h - kTaskBarHeight);
        EXPECT_EQ(mi.dwFlags, MONITORINFOF_PRIMARY);
    }
    // A frame's parts add up: an overlapped window with a menu loses its
    // caption, menu and two sizing borders to the non-client area.
    RegisterPlainClass("Framed");
    RegisterMenuTemplate(1, {{"&FILES", 0, 0, {{"&New", 1, 0, {}}}}});
    HWND w = CreateWindow("Framed", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                          LoadMenu(nullptr, 1), nullptr, nullptr);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, 300 - 2 * GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(client.bottom, 200 - 2 * GetSystemMetrics(SM_CYFRAME) -
                                 GetSystemMetrics(SM_CYCAPTION) - GetSystemMetrics(SM_CYMENU));
    RECT adjusted{0, 0, client.right, client.bottom};
    AdjustWindowRect(&adjusted, WS_OVERLAPPEDWINDOW, TRUE);
    EXPECT_EQ(adjusted.right - adjusted.left, 300);
    EXPECT_EQ(adjusted.bottom - adjusted.top, 200);
}

TEST_F(SystemTest, ClocksCanBeFixedForTests) {
    SetLocalTimeSource([] {
        SYSTEMTIME t;
        t.wYear = 1989;
        t.wMonth = 12;
        t.wDay = 31;
        t.wHour = 23;
        return t;
    });
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(now.wYear, 1989);
    EXPECT_EQ(now.wHour, 23);
    DWORD ticks = 1000;
    SetTickCountSource([&ticks] { return ticks += 250; });
    EXPECT_EQ(GetTickCount(), 1250u);
    EXPECT_EQ(GetTickCount(), 1500u);
    SetTickCountSource(nullptr);
    DWORD a = GetTickCount();
    EXPECT_GE(GetTickCount(), a);
    EXPECT_EQ(GetVersion() & 0xFF, 6u);
}

TEST_F(SystemTest, StringsProfileProgramsAndHelp) {
    SetResourceString(1083, "TarvexMainClass");
    char buf[40];
    EXPECT_EQ(LoadString(nullptr, 1083, buf, sizeof buf), 15);
    EXPECT_STREQ(buf, "TarvexMainClass");
    EXPECT_EQ(LoadString(nullptr, 1083, buf, 6), 5);
    EXPECT_STREQ(buf, "Tarve");
    EXPECT_EQ(LoadString(nullptr, 9999, buf, sizeof buf), 0);

    char device[80];
    EXPECT_EQ(GetProfileString("windows", "device", "", device, sizeof device), 0u);
    WriteProfileString("Windows", "Device", "PDF Printer,pdfdrv,FILE:");
    EXPECT_EQ(GetProfileString("WINDOWS", "device", "", device, sizeof device), 24u);
    EXPECT_STREQ(device, "PDF Printer,pdfdrv,FILE:");

    std::vector<std::string> started;
    SetProcessLauncher([&started](const std::string& line) {
        started.push_back(line);
        return line.rfind("Acrobat.exe", 0) == 0;
    });
    STARTUPINFO si;
    si.cb = 68;
    PROCESS_INFORMATION pi;
    char first[] = "AcroRd32.exe C:\\plmanual.pdf";
    char second[] = "Acrobat.exe C:\\plmanual.pdf";
    EXPECT_FALSE(CreateProcess(nullptr, first, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                               nullptr, nullptr, &si, &pi));
    ASSERT_TRUE(CreateProcess(nullptr, second, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                              nullptr, nullptr, &si, &pi));
    EXPECT_TRUE(CloseHandle(pi.hProcess));
    EXPECT_TRUE(CloseHandle(pi.hThread));
    EXPECT_EQ(started.size(), 2u);
    EXPECT_FALSE(SpawnProgram("no-such-program-anywhere.exe"));

    EXPECT_FALSE(WinHelp(nullptr, "\\ZORIN\\plorder.hlp", HELP_INDEX, 0));
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_EQ(MessageBoxLog()[0].text, kHelpUnavailableText);
    EXPECT_TRUE(failures.empty());
}

TEST_F(SystemTest, ComposedPictureLaysChildrenOverTheirParent) {
    RegisterPlainClass("Canvas");
    HWND parent = CreateWindow("Canvas", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr,
                               nullptr, nullptr);
    HWND child = CreateWindow("Canvas", "", WS_CHILD | WS_VISIBLE, 10, 5, 8, 6, parent,
                              ControlId(1), nullptr, nullptr);
    detail::WindowSurface(parent).Row(0)[0] = 0x00111111;
    Surface cs = detail::WindowSurface(child);
    for (int y = 0; y < cs.height; ++y)
        for (int x = 0; x < cs.width; ++x) cs.Row(y)[x] = 0x00ABCDEF;
    SurfaceBuffer picture;
    ASSERT_TRUE(detail::ComposeWindow(parent, picture));
    EXPECT_EQ(picture.Width(), 40);
    EXPECT_EQ(picture.At(0, 0), 0x00111111u);
    EXPECT_EQ(picture.At(10, 5), 0x00ABCDEFu);
    EXPECT_EQ(picture.At(17, 10), 0x00ABCDEFu);
    EXPECT_EQ(picture.At(18, 10), 0x00FFFFFFu);  // just right of the child
    ShowWindow(child, SW_HIDE);
    ASSERT_TRUE(detail::ComposeWindow(parent, picture));
    EXPECT_EQ(picture.At(10, 5), 0x00FFFFFFu);
}

}  // namespace
}  // namespace wintest
