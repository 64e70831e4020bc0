// Window lifetimes and relations: creation refused by WM_CREATE, child and
// owned windows and their destruction order, stale handles, windows that
// destroy themselves while handling a message, extra bytes, text, z-order,
// and the queue's retrieval order.
#include <cstring>

#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

LRESULT RefusingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_CREATE) return -1;
    return DefWindowProc(h, m, w, l);
}

LRESULT SelfDestroyingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COMMAND) {
        DestroyWindow(h);
        // The window is gone while its procedure still runs: handles stay safe.
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(SendMessage(h, WM_GETTEXTLENGTH, 0, 0), 0);
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

class LifecycleTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        RegisterPlainClass("Plain", CS_DBLCLKS);
        EnableMessageTrace(true);
    }
    HWND Top(const char* title, HWND owner = nullptr,
             DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
        return CreateWindow("Plain", title, style, 10, 10, 200, 150, owner, nullptr, nullptr,
                            nullptr);
    }
    HWND Child(HWND parent, int id, int x = 0, int y = 0) {
        return CreateWindow("Plain", "", WS_CHILD | WS_VISIBLE, x, y, 50, 40, parent, ControlId(id),
                            nullptr, nullptr);
    }
};

TEST_F(LifecycleTest, CreationRefusedByTheProcedureLeavesNoWindow) {
    WNDCLASS wc;
    wc.lpfnWndProc = RefusingProc;
    wc.lpszClassName = "Refusing";
    ASSERT_NE(RegisterClass(&wc), 0);
    HWND h = CreateWindow("Refusing", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                          nullptr);
    EXPECT_EQ(h, nullptr);
    EXPECT_EQ(FindWindow("Refusing", nullptr), nullptr);
    // Unknown classes and missing parents of child windows fail too.
    EXPECT_EQ(CreateWindow("NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(CreateWindow("Plain", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    // A class name is taken once, whatever its case.
    wc.lpszClassName = "PLAIN";
    EXPECT_EQ(RegisterClass(&wc), 0);
    wc.lpszClassName = "Edit";  // built-in classes are taken from the start
    EXPECT_EQ(RegisterClass(&wc), 0);
}

TEST_F(LifecycleTest, CreationSendsItsMessagesInOrder) {
    HWND h = Top("First");
    int nc = TraceIndex(h, WM_NCCREATE);
    int create = TraceIndex(h, WM_CREATE);
    int size = TraceIndex(h, WM_SIZE);
    int move = TraceIndex(h, WM_MOVE);
    int show = TraceIndex(h, WM_SHOWWINDOW);
    ASSERT_GE(nc, 0);
    EXPECT_LT(nc, create);
    EXPECT_LT(create, size);
    EXPECT_LT(size, move);
    EXPECT_LT(move, show);
    EXPECT_EQ(TraceIndex(h, WM_PAINT), -1);  // painting waits for the loop
    EXPECT_EQ(WindowText(h), "First");
}

TEST_F(LifecycleTest, DestroyingAnOwnerTakesOwnedAndChildWindowsInOrder) {
    HWND owner = Top("Owner");
    HWND owned = Top("Owned", owner);
    HWND ownedChild = Child(owned, 5);
    HWND child = Child(owner, 6);
    HWND grandChild = Child(child, 7);
    EXPECT_EQ(GetParent(child), owner);
    EXPECT_EQ(GetParent(owned), owner);  // a top-level window's parent is its owner
    EXPECT_TRUE(IsChild(owner, grandChild));
    EXPECT_FALSE(IsChild(owner, owned));
    // An owner named through a child is the child's top-level window.
    HWND viaChild = Top("ViaChild", child);
    EXPECT_EQ(GetWindow(viaChild, GW_OWNER), owner);

    ClearMessageTrace();
    ASSERT_TRUE(DestroyWindow(owner));
    for (HWND h : {owner, owned, ownedChild, child, grandChild, viaChild})
        EXPECT_FALSE(IsWindow(h));
    // Owned windows go completely first; then the owner before its children,
    // and the final messages from the innermost child outwards.
    EXPECT_LT(TraceIndex(owned, WM_NCDESTROY), TraceIndex(owner, WM_DESTROY));
    EXPECT_LT(TraceIndex(owned, WM_DESTROY), TraceIndex(ownedChild, WM_DESTROY));
    EXPECT_LT(TraceIndex(owner, WM_DESTROY), TraceIndex(child, WM_DESTROY));
    EXPECT_LT(TraceIndex(child, WM_DESTROY), TraceIndex(grandChild, WM_DESTROY));
    EXPECT_LT(TraceIndex(grandChild, WM_NCDESTROY), TraceIndex(child, WM_NCDESTROY));
    EXPECT_LT(TraceIndex(child, WM_NCDESTROY), TraceIndex(owner, WM_NCDESTROY));
    EXPECT_EQ(TraceCount(owner, WM_DESTROY), 1);
    EXPECT_FALSE(DestroyWindow(owner));  // a stale handle
}

TEST_F(LifecycleTest, StaleHandlesFindNothingAndAreNotReused) {
    HWND a = Top("A");
    DestroyWindow(a);
    HWND b = Top("B");
    EXPECT_NE(a, b);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(SendMessage(a, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessage(a, WM_USER, 0, 0));
    EXPECT_FALSE(SetWindowText(a, "x"));
    RECT r;
    EXPECT_FALSE(GetWindowRect(a, &r));
    EXPECT_EQ(GetDlgItem(a, 1), nullptr);
}

TEST_F(LifecycleTest, AWindowMayDestroyItselfWhileHandlingAMessage) {
    WNDCLASS wc;
    wc.lpfnWndProc = SelfDestroyingProc;
    wc.lpszClassName = "Quitter";
    ASSERT_NE(RegisterClass(&wc), 0);
    HWND h = CreateWindow("Quitter", "", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                          nullptr, nullptr);
    PostMessage(h, WM_COMMAND, 1, 0);
    EXPECT_TRUE(RunUntilIdle());
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(LifecycleTest, ExtraBytesHoldValuesAtTheirOffsets) {
    WNDCLASS wc;
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "Extra";
    wc.cbWndExtra = 8;
    wc.cbClsExtra = 4;
    ASSERT_NE(RegisterClass(&wc), 0);
    HWND h = CreateWindow("Extra", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetWindowLong(h, 0), 0);  // new bytes are zero
    EXPECT_EQ(SetWindowLong(h, 0, -5), 0);
    EXPECT_EQ(SetWindowLong(h, 4, 0x12345678), 0);
    EXPECT_EQ(GetWindowLong(h, 0), -5);
    EXPECT_EQ(GetWindowWord(h, 4), 0x5678);  // little-endian halves
    EXPECT_EQ(GetWindowWord(h, 6), 0x1234);
    EXPECT_EQ(GetWindowLong(h, 6), 0);  // would run past the end
    EXPECT_EQ(SetWindowLong(h, 8, 1), 0);
    EXPECT_EQ(SetClassLong(h, 0, 77), 0);
    EXPECT_EQ(GetClassLong(h, 0), 77);
    EXPECT_EQ(GetClassLong(h, GCL_MENUNAME), 0);
    EXPECT_EQ(GetWindowLongPtr(h, GWL_STYLE), static_cast<std::int32_t>(WS_POPUP));
    SetWindowLongPtr(h, GWL_USERDATA, 99);
    EXPECT_EQ(GetWindowLongPtr(h, GWL_USERDATA), 99);
}

TEST_F(LifecycleTest, TextIsCopiedWithinTheBuffer) {
    HWND h = Top("WATER ANALYSIS");
    char buf[6];
    EXPECT_EQ(GetWindowText(h, buf, sizeof buf), 5);
    EXPECT_STREQ(buf, "WATER");
    EXPECT_EQ(GetWindowTextLength(h), 14);
    SetWindowText(h, "");
    EXPECT_EQ(WindowText(h), "");
    char cls[4];
    EXPECT_EQ(GetClassName(h, cls, sizeof cls), 3);
    EXPECT_STREQ(cls, "Pla");
}

TEST_F(LifecycleTest, ZOrderDecidesWhichWindowIsUnderAPoint) {
    HWND lower = Top("Lower");
    HWND upper = Top("Upper");  // newer windows come on top
    POINT p{50, 80};
    EXPECT_EQ(WindowFromPoint(p), upper);
    SetWindowPos(lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint(p), lower);
    ShowWindow(lower, SW_HIDE);
    EXPECT_EQ(WindowFromPoint(p), upper);
    HWND c = Child(upper, 3, 20, 20);
    POINT inChild{25, 25};
    ClientToScreen(upper, &inChild);
    EXPECT_EQ(WindowFromPoint(inChild), c);
    POINT local{25, 25};
    EXPECT_EQ(ChildWindowFromPoint(upper, local), c);
    EXPECT_EQ(GetDlgItem(upper, 3), c);
    EXPECT_EQ(GetDlgCtrlID(c), 3);
    EXPECT_EQ(GetWindow(upper, GW_CHILD), c);
}

TEST_F(LifecycleTest, ShowingReportsThePreviousStateAndMaximisingSizesToTheWorkArea) {
    SetDesktopSize(800, 600);
    HWND h = Top("Main", nullptr, WS_OVERLAPPEDWINDOW);
    EXPECT_FALSE(ShowWindow(h, SW_SHOWNOACTIVATE));
    EXPECT_NE(GetFocus(), h);  // shown without activation
    EXPECT_TRUE(ShowWindow(h, SW_MAXIMIZE));
    EXPECT_EQ(GetFocus(), h);
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 800);
    EXPECT_EQ(r.bottom - r.top, 600 - kTaskBarHeight);
    int sized = -1;
    for (const auto& e : MessageTrace()) {
        if (e.hwnd == h && e.message == WM_SIZE) sized = static_cast<int>(e.wParam);
    }
    EXPECT_EQ(sized, static_cast<int>(SIZE_MAXIMIZED));
    ShowWindow(h, SW_RESTORE);
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_TRUE(ShowWindow(h, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(h));
}

TEST_F(LifecycleTest, TheQueueDeliversPostedMessagesThenQuitThenPaints) {
    HWND h = Top("Q");
    PostMessage(h, WM_USER + 1, 1, 0);
    PostMessage(h, WM_USER + 2, 2, 0);
    PostQuitMessage(9);
    MSG m;
    ASSERT_TRUE(PeekMessage(&m, nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE));  // a range filter
    EXPECT_EQ(m.message, WM_USER + 2);
    ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, WM_USER + 1);
    EXPECT_FALSE(GetMessage(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, WM_QUIT);
    EXPECT_EQ(m.wParam, 9u);
    ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, WM_PAINT);
    EXPECT_EQ(m.hwnd, h);
    EXPECT_EQ(MessageName(WM_USER + 1), "WM_USER+1");
    EXPECT_EQ(MessageName(WM_PAINT), "WM_PAINT");
}

TEST_F(LifecycleTest, TranslationTurnsTypingKeysIntoCharacters) {
    HWND h = Top("Keys");
    SetFocus(h);
    ClearMessageTrace();
    PressKey('A', false, true);
    PressKey(VK_LEFT);
    int chars = 0;
    for (const auto& e : MessageTrace()) {
        if (e.hwnd == h && e.message == WM_CHAR) {
            ++chars;
            EXPECT_EQ(e.wParam, static_cast<WPARAM>('A'));
        }
    }
    EXPECT_EQ(chars, 1);  // arrows type nothing
    EXPECT_EQ(TraceCount(h, WM_KEYDOWN), 2);
}

TEST_F(LifecycleTest, AnEmptyLoopWithNothingScriptedEndsInsteadOfWaiting) {
    Top("Idle");
    RunUntilIdle();
    MSG m;
    EXPECT_FALSE(GetMessage(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, WM_QUIT);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("waiting for input"), std::string::npos);
}

}  // namespace
}  // namespace wintest
