// Finer points of menus, dialogs, buttons, edits and message-box answers:
// menus built and taken apart, class menus that go with their window, dialog
// units, the dialog procedure's return convention, the dialog keyboard's
// Escape and close box, modeless dialogs, manual and three-state check boxes,
// edit selections, how scripted answers are matched, the menu bar run from the
// keyboard and the letters that answer a message box.
#include "platform/drivers/input_events.h"
#include "platform/window/menu_keys.h"
#include "tests/platform/platform_fixture.h"

namespace win::detail {
int RunMessageBoxDialog(HWND owner, const std::string& text, const std::string& caption, UINT type);
}  // namespace win::detail

namespace wintest {
namespace {

using namespace win;

HBRUSH const kDialogBrush = reinterpret_cast<HBRUSH>(0x5151);

struct DialogLog {
    std::vector<int> commands;
    LRESULT colorAnswer = 0;
    LRESULT customAnswer = 0;
};
DialogLog gLog;

INT_PTR ConventionProc(HWND d, UINT m, WPARAM w, LPARAM) {
    switch (m) {
        case WM_INITDIALOG:
            SetFocus(GetDlgItem(d, 12));
            return FALSE;  // the focus stays where it was put
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(kDialogBrush);
        case WM_USER + 7:
            SetWindowLongPtr(d, DWL_MSGRESULT, 4242);
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(w) == BN_CLICKED) gLog.commands.push_back(LOWORD(w));
            if (LOWORD(w) == IDCANCEL) EndDialog(d, 99);
            return TRUE;
        default:
            return FALSE;
    }
}

std::vector<UINT> gCommands;
LRESULT CommandProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COMMAND) gCommands.push_back(LOWORD(w));
    return DefWindowProc(h, m, w, l);
}

class MenuDialogDetailTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gLog = DialogLog{};
        DialogTemplate t;
        t.caption = "DETAIL";
        t.cx = 100;
        t.cy = 60;
        t.items = {
            {"EDIT", 11, "first", WS_TABSTOP, 4, 4, 40, 12},
            {"EDIT", 12, "second", WS_TABSTOP, 4, 20, 40, 12},
            {"STATIC", 13, "label", 0, 50, 4, 40, 8},
            {"BUTTON", 14, "manual", BS_CHECKBOX | WS_TABSTOP, 50, 20, 40, 10},
            {"BUTTON", 15, "three", BS_AUTO3STATE | WS_TABSTOP, 50, 32, 40, 10},
        };
        RegisterDialogTemplate(300, t);
    }
};

TEST_F(MenuDialogDetailTest, MenusAreBuiltAndTakenApartByPositionAndCommand) {
    HMENU bar = CreateMenu();
    HMENU files = CreatePopupMenu();
    ASSERT_TRUE(AppendMenu(files, MF_STRING, 1019, "&New"));
    ASSERT_TRUE(AppendMenu(files, MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(AppendMenu(files, MF_STRING | MF_GRAYED, 1028, "&QUIT"));
    ASSERT_TRUE(AppendMenu(bar, MF_POPUP, reinterpret_cast<std::uintptr_t>(files), "&FILES"));
    EXPECT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(GetSubMenu(bar, 0), files);
    EXPECT_EQ(GetMenuItemID(bar, 0), static_cast<UINT>(-1));  // a popup has no command
    EXPECT_EQ(GetMenuItemID(files, 2), 1028u);
    EXPECT_EQ(GetMenuState(bar, 1028, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
    char text[16];
    EXPECT_EQ(GetMenuString(bar, 1019, text, sizeof text, MF_BYCOMMAND), 4);
    EXPECT_STREQ(text, "&New");
    EXPECT_TRUE(DeleteMenu(bar, 1019, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuItemCount(files), 2);
    EXPECT_FALSE(FindMenuItemState(bar, 1019).found);
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(IsMenu(files));  // popups go with their menu
}

TEST_F(MenuDialogDetailTest, AClassMenuBelongsToEachWindowAndGoesWithIt) {
    RegisterMenuTemplate(9, {{"&FILES", 0, 0, {{"&New", 1019, 0, {}}}}});
    RegisterPlainClass("WithMenu", 0, 9);
    HWND a = CreateWindow("WithMenu", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                          nullptr, nullptr);
    HWND b = CreateWindow("WithMenu", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                          nullptr, nullptr);
    HMENU ma = GetMenu(a);
    ASSERT_NE(ma, nullptr);
    EXPECT_NE(ma, GetMenu(b));  // each window its own copy
    CheckMenuItem(ma, 1019, MF_CHECKED);
    EXPECT_FALSE(FindMenuItemState(GetMenu(b), 1019).checked);
    RECT withMenu;
    GetClientRect(a, &withMenu);
    SetMenu(a, nullptr);  // the menu bar's height returns to the client area
    RECT without;
    GetClientRect(a, &without);
    EXPECT_EQ(without.bottom - withMenu.bottom, GetSystemMetrics(SM_CYMENU));
    EXPECT_TRUE(IsMenu(ma));  // taking a menu off does not destroy it
    DestroyMenu(ma);
    HMENU mb = GetMenu(b);
    DestroyWindow(b);
    EXPECT_FALSE(IsMenu(mb));
}

TEST_F(MenuDialogDetailTest, DialogUnitsFollowTheFontSize) {
    HWND d = CreateDialogParam(nullptr, 300, nullptr, ConventionProc, 0);
    ASSERT_NE(d, nullptr);
    RECT r{4, 8, 44, 20};
    ASSERT_TRUE(MapDialogRect(d, &r));
    SIZE base{LOWORD(static_cast<DWORD>(GetDialogBaseUnits())),
              HIWORD(static_cast<DWORD>(GetDialogBaseUnits()))};
    // A template without a font uses the system font: x units are quarters of
    // its average character width, y units eighths of its height.
    EXPECT_GT(base.cx, 0);
    EXPECT_GT(base.cy, 0);
    EXPECT_EQ(r.left, 4 * base.cx / 4);
    EXPECT_EQ(r.top, 8 * base.cy / 8);
    EXPECT_EQ(r.right - r.left, 40 * base.cx / 4);
    EXPECT_EQ(r.bottom - r.top, 12 * base.cy / 8);
    RECT edit;
    GetWindowRect(GetDlgItem(d, 11), &edit);
    EXPECT_EQ(edit.right - edit.left, 40 * base.cx / 4);
    DestroyWindow(d);
}

TEST_F(MenuDialogDetailTest, TheDialogProcedureReturnConvention) {
    HWND d = CreateDialogParam(nullptr, 300, nullptr, ConventionProc, 0);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(GetFocus(), GetDlgItem(d, 12));  // FALSE from WM_INITDIALOG keeps it
    EXPECT_EQ(SendMessage(d, WM_CTLCOLORSTATIC, 0, 0), reinterpret_cast<LRESULT>(kDialogBrush));
    EXPECT_EQ(SendMessage(d, WM_USER + 7, 0, 0), 4242);
    EXPECT_EQ(LOWORD(static_cast<DWORD>(SendMessage(d, DM_GETDEFID, 0, 0))), IDOK);
    // A modeless dialog's keys go through IsDialogMessage in the owner's loop:
    // there Escape is Cancel.
    SetFocus(GetDlgItem(d, 11));
    InjectKey(VK_ESCAPE, true, 0x1B);
    InjectKey(VK_ESCAPE, false);
    MSG m;
    while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessage(d, &m)) {
            TranslateMessage(&m);
            DispatchMessage(&m);
        }
    }
    EXPECT_EQ(gLog.commands, std::vector<int>{IDCANCEL});
    SendMessage(d, WM_CLOSE, 0, 0);  // the close box is Cancel too
    EXPECT_EQ(gLog.commands, (std::vector<int>{IDCANCEL, IDCANCEL}));
    EXPECT_TRUE(IsWindow(d));  // EndDialog does not destroy a modeless dialog
    DestroyWindow(d);
}

TEST_F(MenuDialogDetailTest, ADialogWithAnUnknownControlClassCannotOpen) {
    DialogTemplate t;
    t.items = {{"CALENDAR", 1, "", 0, 0, 0, 10, 10}};
    RegisterDialogTemplate(301, t);
    EXPECT_EQ(DialogBoxParam(nullptr, 301, nullptr, ConventionProc, 0), -1);
    EXPECT_EQ(DialogBoxParam(nullptr, 300, nullptr, nullptr, 0), -1);
    EXPECT_TRUE(failures.empty());
}

TEST_F(MenuDialogDetailTest, ManualAndThreeStateCheckBoxes) {
    OnDialog(300, [](HWND d) {
        PressButton(d, 14);  // manual: notifies, the dialog decides
        EXPECT_EQ(IsDlgButtonChecked(d, 14), BST_UNCHECKED);
        CheckDlgButton(d, 14, BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(d, 14), BST_CHECKED);
        PressButton(d, 15);
        EXPECT_EQ(IsDlgButtonChecked(d, 15), BST_CHECKED);
        PressButton(d, 15);
        EXPECT_EQ(IsDlgButtonChecked(d, 15), BST_INDETERMINATE);
        PressButton(d, 15);
        EXPECT_EQ(IsDlgButtonChecked(d, 15), BST_UNCHECKED);
        EnableWindow(GetDlgItem(d, 15), FALSE);
        SendDlgItemMessage(d, 15, BM_CLICK, 0, 0);  // a disabled button does nothing
        EXPECT_EQ(IsDlgButtonChecked(d, 15), BST_UNCHECKED);
        PressButton(d, IDCANCEL);
    });
    EXPECT_EQ(DialogBoxParam(nullptr, 300, nullptr, ConventionProc, 0), 99);
    EXPECT_EQ(gLog.commands, (std::vector<int>{14, 15, 15, 15, IDCANCEL}));
}

TEST_F(MenuDialogDetailTest, EditSelectionCaretAndModifiedFlag) {
    HWND d = CreateDialogParam(nullptr, 300, nullptr, ConventionProc, 0);
    HWND e = GetDlgItem(d, 11);
    EXPECT_FALSE(SendMessage(e, EM_GETMODIFY, 0, 0));
    SendMessage(e, EM_SETSEL, 1, 3);
    DWORD sel = static_cast<DWORD>(SendMessage(e, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(sel), 1);
    EXPECT_EQ(HIWORD(sel), 3);
    SetFocus(e);
    TypeText("X");  // replaces "ir"
    EXPECT_EQ(WindowText(e), "fXst");
    EXPECT_TRUE(SendMessage(e, EM_GETMODIFY, 0, 0));
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    PressKey(VK_END);
    PressKey(VK_BACK);
    EXPECT_EQ(WindowText(e), "Xs");
    SetWindowText(e, "reset");
    EXPECT_FALSE(SendMessage(e, EM_GETMODIFY, 0, 0));
    SendMessage(e, EM_SETSEL, 0, -1);
    sel = static_cast<DWORD>(SendMessage(e, EM_GETSEL, 0, 0));
    EXPECT_EQ(HIWORD(sel), 5);
    DestroyWindow(d);
}

TEST_F(MenuDialogDetailTest, ScriptedAnswersMatchCaptionTextAndCount) {
    AnswerMessageBox("WARNING", "", IDYES, -1);  // every WARNING question
    AnswerMessageBox("", "delete", IDNO);        // one box mentioning delete
    EXPECT_EQ(MessageBox(nullptr, "Switch to CONTOUR PLOTS(Y/N)?", "WARNING", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBox(nullptr, "Switch to pCO2(Y/N)?", "WARNING", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBox(nullptr, "Do you really want to delete x ??", "VERIFY", MB_YESNOCANCEL),
              IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Do you really want to delete y ??", "VERIFY", MB_YESNOCANCEL),
              IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);  // the second delete question had no answer
    // An answer that is not among the box's buttons is a failure too.
    AnswerMessageBox("INFO", "", IDYES);
    EXPECT_EQ(MessageBox(nullptr, "Done", "INFO", MB_OK), IDOK);
    EXPECT_EQ(failures.size(), 2u);
    EXPECT_EQ(MessageBoxLog().size(), 5u);
    EXPECT_EQ(MessageBoxLog()[3].answer, IDCANCEL);
}

// The menu bar from the keyboard: Alt+letter drops the menu that underlines
// the letter, F10 or Alt alone enters the bar, arrows move (over separators
// and greyed items), Enter or an item's letter chooses, Escape and a click
// leave; a bar item of its own is a command.
TEST_F(MenuDialogDetailTest, TheMenuBarRunsFromTheKeyboard) {
    WNDCLASS wc;
    wc.lpfnWndProc = CommandProc;
    wc.lpszClassName = "KeyMenu";
    ASSERT_NE(RegisterClass(&wc), 0);
    HMENU bar = CreateMenu();
    HMENU files = CreatePopupMenu();
    AppendMenu(files, MF_STRING, 11, "&Open");
    AppendMenu(files, MF_SEPARATOR, 0, nullptr);
    AppendMenu(files, MF_STRING | MF_GRAYED, 12, "&Save");
    AppendMenu(files, MF_STRING, 13, "&QUIT");
    AppendMenu(files, MF_STRING, 14, "&Print");
    AppendMenu(files, MF_STRING, 15, "P&aste");
    AppendMenu(files, MF_STRING, 16, "&Paste");
    AppendMenu(bar, MF_POPUP, reinterpret_cast<std::uintptr_t>(files), "&FILES");
    AppendMenu(bar, MF_STRING, 20, "&HELP");
    HWND h = CreateWindow("KeyMenu", "keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                          nullptr, bar, nullptr, nullptr);
    SetFocus(h);
    struct Case {
        const char* what;
        std::vector<std::pair<int, bool>> keys;  // key, with Alt held
        std::vector<UINT> chosen;
    };
    const int kF10 = VK_F1 + 9;
    const Case cases[] = {
        {"Alt+F then O", {{'F', true}, {'O', false}}, {11}},
        {"Alt+f then q", {{'F', true}, {'Q', false}}, {13}},
        {"F10, Down drops, Down twice skips the separator and the greyed item",
         {{kF10, false}, {VK_DOWN, false}, {VK_DOWN, false}, {VK_RETURN, false}},
         {13}},
        {"Up from the first item wraps to the last", {{'F', true}, {VK_UP, false}, {VK_RETURN, false}}, {16}},
        {"Alt alone, Right, Enter: a bar command", {{VK_MENU, false}, {VK_RIGHT, false}, {VK_RETURN, false}}, {20}},
        {"Alt+H: a bar command at once", {{'H', true}}, {20}},
        {"Escape leaves: O then goes to the window", {{'F', true}, {VK_ESCAPE, false}, {'O', false}}, {}},
        {"F10 twice leaves", {{kF10, false}, {kF10, false}, {VK_DOWN, false}, {VK_RETURN, false}}, {}},
        {"a greyed item's letter chooses nothing", {{'F', true}, {'S', false}, {VK_ESCAPE, false}}, {}},
        {"a letter of two items lights them in turn", {{'F', true}, {'P', false}, {'P', false}, {VK_RETURN, false}}, {16}},
        {"Alt pressed in the menu leaves it", {{'F', true}, {VK_MENU, false}, {'O', false}}, {}},
    };
    for (const Case& c : cases) {
        gCommands.clear();
        for (auto [key, alt] : c.keys) PressKey(key, false, false, alt);
        RunUntilIdle();
        EXPECT_EQ(gCommands, c.chosen) << c.what;
        EXPECT_FALSE(detail::MenuRuns()) << c.what;
        detail::LeaveMenu();
    }
    // The open menu is what the record says; a click ends it.
    PressKey('F', false, false, true);
    EXPECT_TRUE(detail::KeyboardMenu().dropped);
    EXPECT_EQ(detail::KeyboardMenu().lit, 0);
    Click(h, 20, 20);
    EXPECT_FALSE(detail::MenuRuns());

    // A window it owns (a page): its own bar's letters open its menus; a letter
    // only the owner's bar underlines opens the owner's menu, whose command
    // goes to the owner; a title letter two titles share goes to each in turn.
    HMENU pageBar = CreateMenu();
    HMENU options = CreatePopupMenu();
    AppendMenu(options, MF_STRING, 31, "&COPY");
    HMENU choose = CreatePopupMenu();
    AppendMenu(choose, MF_STRING, 32, "Choose &Graphs");
    HMENU range = CreatePopupMenu();
    AppendMenu(range, MF_STRING, 33, " Change &Range");
    AppendMenu(pageBar, MF_POPUP, reinterpret_cast<std::uintptr_t>(options), "&OPTIONS");
    AppendMenu(pageBar, MF_POPUP, reinterpret_cast<std::uintptr_t>(choose), "&CHOOSE GRAPH");
    AppendMenu(pageBar, MF_POPUP, reinterpret_cast<std::uintptr_t>(range), "&CHANGE RANGE");
    HWND page = CreateWindow("KeyMenu", "page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200,
                             100, h, pageBar, nullptr, nullptr);
    const Case owned[] = {
        {"Alt+O: the page's own menu", {{'O', true}, {VK_RETURN, false}}, {31}},
        {"Alt+F: the owner's FILES", {{'F', true}, {'O', false}}, {11}},
        {"Alt+H: the owner's bar command", {{'H', true}}, {20}},
        {"Alt+C twice: CHANGE RANGE", {{'C', true}, {'C', true}, {VK_RETURN, false}}, {33}},
        {"Alt+C three times: round to CHOOSE GRAPH",
         {{'C', true}, {'C', true}, {'C', true}, {VK_RETURN, false}},
         {32}},
        {"Alt+Q: no bar has it", {{'Q', true}}, {}},
    };
    for (const Case& c : owned) {
        gCommands.clear();
        SetFocus(page);
        for (auto [key, alt] : c.keys) PressKey(key, false, false, alt);
        RunUntilIdle();
        EXPECT_EQ(gCommands, c.chosen) << c.what;
        EXPECT_FALSE(detail::MenuRuns()) << c.what;
        detail::LeaveMenu();
    }
    // Not while the owner waits for a dialog.
    EnableWindow(h, FALSE);
    gCommands.clear();
    SetFocus(page);
    PressKey('F', false, false, true);
    EXPECT_FALSE(detail::MenuRuns());
    EnableWindow(h, TRUE);
    DestroyWindow(page);
}

// A message box takes the underlined letters of its buttons, typed or with
// Alt held; a letter no button has does nothing.
TEST_F(MenuDialogDetailTest, MessageBoxesAnswerTheLettersOfTheirButtons) {
    struct Case {
        int key;
        bool alt;
        UINT type;
        int answer;
    };
    const Case cases[] = {
        {'Y', false, MB_YESNO, IDYES},          {'N', false, MB_YESNO, IDNO},
        {'N', true, MB_YESNO, IDNO},            {'Y', false, MB_YESNOCANCEL, IDYES},
        {'N', false, MB_YESNOCANCEL, IDNO},
    };
    for (const Case& c : cases) {
        OnDialog(0, [&](HWND d) {
            PressKey('Q');  // no button has it: the box stays
            EXPECT_TRUE(IsWindow(d));
            PressKey(c.key, false, false, c.alt);
        }, 1);
        EXPECT_EQ(detail::RunMessageBoxDialog(nullptr, "Leave?", "QUESTION", c.type), c.answer)
            << static_cast<char>(c.key) << (c.alt ? " with Alt" : "");
    }
}

}  // namespace
}  // namespace wintest
