// A small program run end to end, headless: two classes, a main window with
// a class menu and an owned window, a modal dialog with every control kind
// answered by a script, a Yes/No question, a private clipboard format, and a
// quit with an exit code. The trace must keep the order the program relies
// on: creation before the first paint, owned windows destroyed before their
// owner.
#include <cstring>

#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

constexpr int kMenuMain = 9;
constexpr int kCmdRun = 1019;
constexpr int kCmdQuit = 1028;
constexpr int kDialogAll = 100;
constexpr int kEdit = 401, kCheck = 402, kRadioA = 403, kRadioB = 404, kList = 405, kScroll = 406,
              kStatic = 407, kGroup = 408, kCustom = 409;

struct DialogOutcome {
    std::string editText;
    UINT checked = 0;
    UINT radioB = 0;
    int listSelection = -1;
    std::string listText;
    int selChanges = 0;
    int editKillFocus = 0;
    int scrollCode = -1;
    int customNotes = 0;
};

struct Program {
    HWND main = nullptr;
    HWND owned = nullptr;
    INT_PTR dialogResult = 0;
    int boxAnswer = 0;
    UINT privateFormat = 0;
    DialogOutcome outcome;
};
Program* gProgram = nullptr;

LRESULT CustomProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_LBUTTONDOWN) {
        // The program's own controls notify with the code in the high word of lParam.
        SendMessage(GetParent(h), WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(h)),
                    MAKELPARAM(static_cast<WORD>(reinterpret_cast<std::uintptr_t>(h)), 0x300));
        return 0;
    }
    return DefWindowProc(h, m, w, l);
}

INT_PTR AllControlsProc(HWND d, UINT m, WPARAM w, LPARAM) {
    DialogOutcome& out = gProgram->outcome;
    switch (m) {
        case WM_INITDIALOG:
            for (const char* s : {"alpha", "beta", "gamma"})
                SendDlgItemMessage(d, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
            SendDlgItemMessage(d, kEdit, EM_LIMITTEXT, 5, 0);
            SetScrollRange(GetDlgItem(d, kScroll), SB_CTL, 0, 10, FALSE);
            CheckRadioButton(d, kRadioA, kRadioB, kRadioA);
            return TRUE;
        case WM_VSCROLL:
            out.scrollCode = LOWORD(w);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(w) == kList && HIWORD(w) == LBN_SELCHANGE) ++out.selChanges;
            if (LOWORD(w) == kEdit && HIWORD(w) == EN_KILLFOCUS) ++out.editKillFocus;
            if (w == kCustom) ++out.customNotes;
            if (LOWORD(w) == IDOK) {
                char buf[64];
                GetDlgItemText(d, kEdit, buf, sizeof buf);
                out.editText = buf;
                out.checked = IsDlgButtonChecked(d, kCheck);
                out.radioB = IsDlgButtonChecked(d, kRadioB);
                out.listSelection =
                    static_cast<int>(SendDlgItemMessage(d, kList, LB_GETCURSEL, 0, 0));
                SendDlgItemMessage(d, kList, LB_GETTEXT, static_cast<WPARAM>(out.listSelection),
                                   reinterpret_cast<LPARAM>(buf));
                out.listText = buf;
                EndDialog(d, 7);
            }
            if (LOWORD(w) == IDCANCEL) EndDialog(d, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

void PutOnClipboard(HWND owner) {
    Program& p = *gProgram;
    p.privateFormat = RegisterClipboardFormat("tkTestPrivate");
    ASSERT_TRUE(OpenClipboard(owner));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL block = GlobalAlloc(GHND, 16);
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
    for (int i = 0; i < 16; ++i) bytes[i] = static_cast<std::uint8_t>(i * 3);
    GlobalUnlock(block);
    SetClipboardData(p.privateFormat, block);
    HGLOBAL text = GlobalAlloc(GHND, 6);
    std::memcpy(GlobalLock(text), "water", 6);
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();
}

LRESULT MainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
        case WM_COMMAND:
            if (w == kCmdRun) {
                gProgram->dialogResult =
                    DialogBoxParam(GetModuleHandle(nullptr), kDialogAll, h, AllControlsProc, 0);
                gProgram->boxAnswer = MessageBox(h, "Continue with the copy?", "Question",
                                                 MB_YESNO | MB_ICONQUESTION);
                PutOnClipboard(h);
                return 0;
            }
            if (w == kCmdQuit) {
                DestroyWindow(h);
                return 0;
            }
            return DefWindowProc(h, m, w, l);
        case WM_DESTROY:
            PostQuitMessage(3);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(h, &ps);
            EndPaint(h, &ps);
            return 0;
        }
        default:
            return DefWindowProc(h, m, w, l);
    }
}

void RegisterResources() {
    RegisterMenuTemplate(
        kMenuMain,
        {{"&FILES",
          0,
          0,
          {{"&Run", kCmdRun, 0, {}}, {"", 0, MF_SEPARATOR, {}}, {"&QUIT", kCmdQuit, 0, {}}}},
         {"&HELP", 0, 0, {{"&Ordering", 173, MF_GRAYED, {}}}}});
    DialogTemplate t;
    t.caption = "EVERY CONTROL";
    t.cx = 200;
    t.cy = 160;
    t.items = {
        {"STATIC", kStatic, "Name", SS_LEFT, 4, 4, 40, 10},
        {"BUTTON", kGroup, "Choice", BS_GROUPBOX, 4, 60, 90, 40},
        {"EDIT", kEdit, "", WS_TABSTOP | WS_BORDER, 50, 4, 60, 12},
        {"BUTTON", kCheck, "Check", BS_AUTOCHECKBOX | WS_TABSTOP, 4, 20, 60, 10},
        {"BUTTON", kRadioA, "A", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 8, 70, 40, 10},
        {"BUTTON", kRadioB, "B", BS_AUTORADIOBUTTON, 8, 82, 40, 10},
        {"LISTBOX", kList, "", LBS_NOTIFY | WS_BORDER | WS_TABSTOP | WS_GROUP, 100, 20, 80, 60},
        {"SCROLLBAR", kScroll, "", SBS_VERT, 186, 20, 8, 60},
        {"TestCustom", kCustom, "", WS_TABSTOP, 4, 110, 40, 12},
        {"BUTTON", IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 40, 140, 40, 14},
        {"BUTTON", IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 100, 140, 40, 14},
    };
    RegisterDialogTemplate(kDialogAll, t);
}

class ProgramRunTest : public PlatformTest {};

TEST_F(ProgramRunTest, WholeSessionRunsHeadlessInTheExpectedOrder) {
    Program program;
    gProgram = &program;
    RegisterResources();
    WNDCLASS main;
    main.style = CS_HREDRAW | CS_VREDRAW;
    main.lpfnWndProc = MainProc;
    main.menuId = kMenuMain;
    main.lpszClassName = "TestMainClass";
    main.hbrBackground = reinterpret_cast<HBRUSH>(1);
    ASSERT_NE(RegisterClass(&main), 0);
    RegisterPlainClass("TestPageClass", CS_DBLCLKS);
    RegisterPlainClass("TestCustom");
    WNDCLASS custom;
    ASSERT_TRUE(GetClassInfo(nullptr, "testcustom", &custom));  // names ignore case
    ASSERT_TRUE(UnregisterClass("TestCustom", nullptr));
    custom.lpszClassName = "TestCustom";  // the old name went with the class
    custom.lpfnWndProc = CustomProc;
    ASSERT_NE(RegisterClass(&custom), 0);
    EnableMessageTrace(true);

    program.main = CreateWindowEx(0, "TestMainClass", "Main", WS_OVERLAPPEDWINDOW | WS_MAXIMIZE,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, GetModuleHandle(nullptr), nullptr);
    ASSERT_NE(program.main, nullptr);
    ShowWindow(program.main, SW_MAXIMIZE);
    UpdateWindow(program.main);
    EXPECT_TRUE(IsZoomed(program.main));
    EXPECT_NE(std::string::npos,
              DumpMenu(GetMenu(program.main)).find("[173] \"&Ordering\" (grayed)"));
    program.owned = CreateWindowEx(0, "TestPageClass", "Page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                                   10, 300, 200, program.main, nullptr, nullptr, nullptr);
    ASSERT_NE(program.owned, nullptr);
    EXPECT_EQ(GetWindow(program.owned, GW_OWNER), program.main);

    OnDialog(kDialogAll, [](HWND d) {
        SetField(d, kEdit, "hello world");  // the limit keeps five characters
        SetCheck(d, kCheck, true);
        PressButton(d, kRadioB);
        ChooseListItem(d, kList, 1);
        ClickScrollArrow(GetDlgItem(d, kScroll), SB_CTL, true);
        Click(GetDlgItem(d, kCustom), 2, 2);
        PressButton(d, IDOK);
    });
    AnswerMessageBox("Question", "Continue", IDYES);
    ASSERT_TRUE(ChooseMenuCommand(program.main, kCmdRun));
    ASSERT_TRUE(ChooseMenuCommand(program.main, kCmdQuit));

    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(failures.empty()) << failures.front();

    EXPECT_EQ(program.dialogResult, 7);
    EXPECT_EQ(program.outcome.editText, "hello");
    EXPECT_EQ(program.outcome.checked, BST_CHECKED);
    EXPECT_EQ(program.outcome.radioB, BST_CHECKED);
    EXPECT_EQ(program.outcome.listSelection, 1);
    EXPECT_EQ(program.outcome.listText, "beta");
    EXPECT_EQ(program.outcome.selChanges, 1);
    EXPECT_EQ(program.outcome.editKillFocus, 1);
    EXPECT_EQ(program.outcome.scrollCode, SB_ENDSCROLL);  // line down, then end of scroll
    EXPECT_EQ(program.outcome.customNotes, 1);

    EXPECT_EQ(program.boxAnswer, IDYES);
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_EQ(MessageBoxLog()[0].text, "Continue with the copy?");

    // The clipboard outlives the windows; the same name gives the same format.
    EXPECT_EQ(RegisterClipboardFormat("TKTESTPRIVATE"), program.privateFormat);
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto block = static_cast<HGLOBAL>(GetClipboardData(program.privateFormat));
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(GlobalSize(block), 16u);
    auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(block));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(bytes[i], i * 3);
    GlobalUnlock(block);
    CloseClipboard();
    EXPECT_EQ(ClipboardText(), "water");

    int create = TraceIndex(program.main, WM_CREATE);
    int firstPaint = TraceIndex(program.main, WM_PAINT);
    ASSERT_GE(create, 0);
    ASSERT_GE(firstPaint, 0);
    EXPECT_LT(create, firstPaint);
    int ownedDestroy = TraceIndex(program.owned, WM_DESTROY);
    int mainDestroy = TraceIndex(program.main, WM_DESTROY);
    ASSERT_GE(ownedDestroy, 0);
    EXPECT_LT(ownedDestroy, mainDestroy);
    EXPECT_FALSE(IsWindow(program.owned));
    gProgram = nullptr;
}

}  // namespace
}  // namespace wintest
