// Window behaviour the program leans on: paint generation and erasing, the
// non-client hit test with caption drags and double-clicks, scroll-bar
// clamping and thumb tracking, keys with the control state, focus and
// enable notifications, menus by command, and prompts nothing answers.
#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

struct Seen {
    int paints = 0;
    int erases = 0;
    bool ctrlAtKey = false;
    int lastKey = 0;
    std::vector<int> scrollCodes;
    int trackPos = -1;
};
Seen gSeen;

LRESULT RecordingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
        case WM_PAINT: {
            ++gSeen.paints;
            PAINTSTRUCT ps;
            BeginPaint(h, &ps);
            EndPaint(h, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            ++gSeen.erases;
            return 1;
        case WM_KEYDOWN:
            gSeen.lastKey = static_cast<int>(w);
            gSeen.ctrlAtKey = GetKeyState(VK_CONTROL) < 0;
            return 0;
        case WM_VSCROLL: {
            gSeen.scrollCodes.push_back(LOWORD(w));
            if (LOWORD(w) == SB_THUMBTRACK) {
                SCROLLINFO si;
                si.fMask = SIF_TRACKPOS;
                GetScrollInfo(h, SB_VERT, &si);
                gSeen.trackPos = si.nTrackPos;
            }
            return 0;
        }
        default:
            return DefWindowProc(h, m, w, l);
    }
}

class WindowBehaviourTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gSeen = Seen{};
        WNDCLASS wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = "Recorder";
        ASSERT_NE(RegisterClass(&wc), 0);
        SetDesktopSize(1024, 768);
    }
    HWND MakeWindow(DWORD style = WS_OVERLAPPEDWINDOW | WS_VSCROLL) {
        return CreateWindow("Recorder", "Page", style | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                            nullptr, nullptr, nullptr);
    }
};

TEST_F(WindowBehaviourTest, PaintsOnceAfterInvalidationAndErasesOnRequest) {
    HWND w = MakeWindow();
    RunUntilIdle();
    EXPECT_EQ(gSeen.paints, 1);
    EXPECT_EQ(gSeen.erases, 1);
    InvalidateRect(w, nullptr, FALSE);
    RECT part{10, 10, 20, 20};
    InvalidateRect(w, &part, FALSE);
    RunUntilIdle();
    EXPECT_EQ(gSeen.paints, 2);  // two invalidations, one paint
    EXPECT_EQ(gSeen.erases, 1);  // no erase was asked for
    InvalidateRect(w, nullptr, TRUE);
    UpdateWindow(w);  // synchronous
    EXPECT_EQ(gSeen.paints, 3);
    EXPECT_EQ(gSeen.erases, 2);
    RunUntilIdle();
    EXPECT_EQ(gSeen.paints, 3);
}

TEST_F(WindowBehaviourTest, AWindowThatIgnoresPaintDoesNotLoop) {
    RegisterPlainClass("Lazy");
    WNDCLASS wc;
    ASSERT_TRUE(GetClassInfo(nullptr, "Lazy", &wc));
    HWND w = CreateWindow("Lazy", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                          nullptr, nullptr);
    SetWindowLongPtr(
        w, GWL_WNDPROC,
        reinterpret_cast<std::intptr_t>(+[](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; }));
    EXPECT_TRUE(RunUntilIdle());
    RECT r;
    EXPECT_FALSE(GetUpdateRect(w, &r, FALSE));
}

TEST_F(WindowBehaviourTest, CaptionDragMovesAndDoubleClickMaximisesAndRestores) {
    HWND w = MakeWindow();
    RunUntilIdle();
    RECT before;
    GetWindowRect(w, &before);
    POINT caption{before.left + 150, before.top + 10};
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
    POINT inside{200, 200};
    ClientToScreen(w, &inside);
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(5, 5)), HTNOWHERE);

    MouseDownAt(caption, MouseButton::Left);
    MouseMoveTo(POINT{caption.x + 50, caption.y + 20});
    MouseUpAt(POINT{caption.x + 50, caption.y + 20}, MouseButton::Left);
    RunUntilIdle();
    RECT after;
    GetWindowRect(w, &after);
    EXPECT_EQ(after.left - before.left, 50);
    EXPECT_EQ(after.top - before.top, 20);
    EXPECT_EQ(after.right - after.left, before.right - before.left);

    POINT newCaption{after.left + 150, after.top + 10};
    DoubleClick(nullptr, newCaption.x, newCaption.y);
    EXPECT_TRUE(IsZoomed(w));
    RECT zoomed;
    GetWindowRect(w, &zoomed);
    EXPECT_EQ(zoomed.right - zoomed.left, 1024);
    EXPECT_EQ(zoomed.bottom - zoomed.top, 768 - kTaskBarHeight);
    DoubleClick(nullptr, zoomed.left + 150, zoomed.top + 10);
    EXPECT_FALSE(IsZoomed(w));
    RECT restored;
    GetWindowRect(w, &restored);
    EXPECT_EQ(restored.left, after.left);
    EXPECT_EQ(restored.bottom, after.bottom);
}

TEST_F(WindowBehaviourTest, ScrollPositionStaysWithinRangeLessPage) {
    HWND w = MakeWindow();
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 500;
    EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, TRUE), 90);  // maximum - page + 1
    EXPECT_EQ(SetScrollPos(w, SB_VERT, -4, TRUE), 90);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);
    si.fMask = SIF_PAGE;
    si.nPage = 500;  // a page larger than the range shrinks to it
    SetScrollInfo(w, SB_VERT, &si, FALSE);
    SCROLLINFO got;
    got.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(w, SB_VERT, &got));
    EXPECT_EQ(got.nPage, 100u);
    EXPECT_EQ(got.nPos, 0);
    EXPECT_FALSE(GetScrollInfo(w, SB_CTL, &got));  // a page is no scroll-bar control
}

TEST_F(WindowBehaviourTest, ThumbDragReportsTrackPositionsThenTheFinalOne) {
    HWND w = MakeWindow();
    SetScrollRange(w, SB_VERT, 0, 40, FALSE);
    DragScrollThumb(w, SB_VERT, 25);
    EXPECT_EQ(gSeen.scrollCodes, (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(gSeen.trackPos, 25);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);  // the window sets the position itself
    gSeen.scrollCodes.clear();
    ClickScrollArrow(w, SB_VERT, true);
    EXPECT_EQ(gSeen.scrollCodes, (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL}));
}

TEST_F(WindowBehaviourTest, ScrollingMovesThePictureAndExposesAStrip) {
    HWND w = MakeWindow(WS_POPUP);
    RunUntilIdle();
    Surface s = detail::WindowSurface(w);
    ASSERT_FALSE(s.Empty());
    s.Row(50)[10] = 0x00FF0000;
    ScrollWindow(w, 0, -20, nullptr, nullptr);
    s = detail::WindowSurface(w);
    EXPECT_EQ(s.Row(30)[10], 0x00FF0000u);
    RECT exposed;
    ASSERT_TRUE(GetUpdateRect(w, &exposed, FALSE));
    EXPECT_EQ(exposed.top, s.height - 20);
    EXPECT_EQ(exposed.bottom, s.height);
}

TEST_F(WindowBehaviourTest, KeysCarryTheControlState) {
    HWND w = MakeWindow();
    SetFocus(w);
    PressKey(VK_PRIOR, true);
    EXPECT_EQ(gSeen.lastKey, VK_PRIOR);
    EXPECT_TRUE(gSeen.ctrlAtKey);
    PressKey('7');
    EXPECT_EQ(gSeen.lastKey, '7');
    EXPECT_FALSE(gSeen.ctrlAtKey);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
}

TEST_F(WindowBehaviourTest, FocusAndEnableNotifyInOrder) {
    HWND a = MakeWindow();
    HWND b = MakeWindow();
    EnableMessageTrace(true);
    ClearMessageTrace();
    SetFocus(a);
    SetFocus(b);
    int kill = TraceIndex(a, WM_KILLFOCUS);
    int set = TraceIndex(b, WM_SETFOCUS);
    ASSERT_GE(kill, 0);
    EXPECT_LT(kill, set);
    EXPECT_FALSE(EnableWindow(b, FALSE));  // it was enabled
    EXPECT_EQ(GetFocus(), nullptr);        // a disabled window loses the focus
    EXPECT_TRUE(EnableWindow(b, TRUE));    // it was disabled
    EXPECT_EQ(TraceCount(b, WM_ENABLE), 2);
}

TEST_F(WindowBehaviourTest, MenuItemsChangeByCommandInsidePopups) {
    RegisterMenuTemplate(11, {{"&FILES", 0, 0, {{"&New", 1019, 0, {}}, {"", 0, MF_SEPARATOR, {}}}},
                              {"&WHAT-IF", 0, 0, {{" &Mix", 1042, 0, {}}}}});
    HMENU m = LoadMenu(nullptr, 11);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(EnableMenuItem(m, 1042, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(CheckMenuItem(m, 1019, MF_CHECKED), MF_UNCHECKED);
    EXPECT_TRUE(ModifyMenu(m, 1042, MF_BYCOMMAND | MF_STRING, 1042, " &Display Mix"));
    EXPECT_EQ(
        DumpMenu(m),
        "\"&FILES\"\n  [1019] \"&New\" (checked)\n  -\n\"&WHAT-IF\"\n  [1042] \" &Display Mix\"\n");
    EXPECT_EQ(EnableMenuItem(m, 4242, MF_GRAYED), static_cast<UINT>(-1));
    EXPECT_EQ(LoadMenu(nullptr, 12), nullptr);
    HWND w = MakeWindow();
    SetMenu(w, m);
    EnableMenuItem(m, 1019, MF_GRAYED);
    EXPECT_FALSE(ChooseMenuCommand(w, 1019));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("greyed"), std::string::npos);
    SetMenu(w, nullptr);
    EXPECT_TRUE(DestroyMenu(m));
    EXPECT_FALSE(IsMenu(m));
}

TEST_F(WindowBehaviourTest, UnansweredPromptsFailWithCaptionAndText) {
    EXPECT_EQ(MessageBox(nullptr, "Save your Workspace?", "DATA HAS CHANGED!",
                         MB_YESNO | MB_ICONQUESTION),
              IDNO);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("DATA HAS CHANGED!"), std::string::npos);
    EXPECT_NE(failures[0].find("Save your Workspace?"), std::string::npos);
    // A notice needs no answer and is still recorded.
    EXPECT_EQ(MessageBox(nullptr, "Done", "WARNING", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(MessageBoxLog().size(), 2u);
    EXPECT_EQ(MessageBoxLog()[1].type, MB_OK | MB_ICONINFORMATION);

    DialogTemplate t;
    t.caption = "UNITS";
    t.items = {{"BUTTON", IDCANCEL, "Cancel", 0, 0, 0, 10, 10}};
    RegisterDialogTemplate(27, t);
    auto proc = +[](HWND d, UINT m, WPARAM w, LPARAM) -> INT_PTR {
        if (m == WM_COMMAND && LOWORD(w) == IDCANCEL) {
            EndDialog(d, 5);  // the dialog's own cancel path runs
            return TRUE;
        }
        return m == WM_INITDIALOG;
    };
    EXPECT_EQ(DialogBoxParam(nullptr, 27, nullptr, proc, 0), 5);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[1].find("UNITS"), std::string::npos);
    // A missing template fails cleanly, without a prompt.
    EXPECT_EQ(DialogBoxParam(nullptr, 66, nullptr, proc, 0), -1);
    EXPECT_EQ(failures.size(), 2u);

    FileDialogRecord r;
    char file[MAX_PATH] = "";
    r.file = file;
    r.fileSize = sizeof file;
    r.title = "OPEN WORK FILE";
    EXPECT_FALSE(GetOpenFileName(&r));
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_NE(failures[2].find("OPEN WORK FILE"), std::string::npos);
}

}  // namespace
}  // namespace wintest
