// Dialog and control behaviour beyond the whole-session run: edit limits,
// read-only edits and their notification codes, list boxes (sorting, tab
// stops, keys, double-clicks), radio groups, the dialog keyboard, nested modal
// dialogs with owned windows still painting, and file dialogs answered by the
// script.
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "platform/window/window_internal.h"
#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

struct Notes {
    std::vector<std::pair<int, int>> commands;  // (id, code)
    int pagePaintsDuringModal = 0;
    INT_PTR innerResult = 0;
};
Notes gNotes;
HWND gPage = nullptr;
bool gInModal = false;

INT_PTR RecordingDialog(HWND d, UINT m, WPARAM w, LPARAM) {
    if (m == WM_INITDIALOG) return TRUE;
    if (m == WM_COMMAND) {
        gNotes.commands.emplace_back(LOWORD(w), HIWORD(w));
        if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) EndDialog(d, LOWORD(w));
        if (LOWORD(w) == 600) {  // opens a second dialog on top
            gNotes.innerResult = DialogBoxParam(nullptr, 201, d, RecordingDialog, 0);
        }
        return TRUE;
    }
    return FALSE;
}

LRESULT PageProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT && gInModal) ++gNotes.pagePaintsDuringModal;
    return DefWindowProc(h, m, w, l);
}

class DialogControlsTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gNotes = Notes{};
        DialogTemplate t;
        t.caption = "FORM";
        t.cx = 200;
        t.cy = 120;
        t.items = {
            {"EDIT", 391, "", WS_TABSTOP | WS_BORDER, 4, 4, 60, 12},
            {"EDIT", 392, "fixed", WS_TABSTOP | ES_READONLY, 4, 20, 60, 12},
            {"LISTBOX", 931, "", LBS_NOTIFY | LBS_SORT | WS_TABSTOP, 70, 4, 80, 40},
            {"BUTTON", 631, "ppm", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 4, 50, 40, 10},
            {"BUTTON", 632, "mg/l", BS_AUTORADIOBUTTON, 4, 62, 40, 10},
            {"BUTTON", 633, "epm", BS_AUTORADIOBUTTON, 4, 74, 40, 10},
            {"BUTTON", 600, "More", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 60, 100, 40, 14},
            {"BUTTON", IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 110, 100, 40, 14},
            {"BUTTON", IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 150, 100, 40, 14},
        };
        RegisterDialogTemplate(200, t);
        DialogTemplate inner;
        inner.caption = "INNER";
        inner.items = {{"BUTTON", IDOK, "OK", BS_DEFPUSHBUTTON, 0, 0, 40, 14}};
        RegisterDialogTemplate(201, inner);
    }
    bool Saw(int id, int code) const {
        for (const auto& c : gNotes.commands) {
            if (c.first == id && c.second == code) return true;
        }
        return false;
    }
};

TEST_F(DialogControlsTest, EditsNotifyChangesAndLostFocusAndKeepTheirLimits) {
    OnDialog(200, [](HWND d) {
        SendDlgItemMessage(d, 391, EM_LIMITTEXT, 4, 0);
        SetField(d, 391, "93012");
        char buf[16];
        GetDlgItemText(d, 391, buf, sizeof buf);
        EXPECT_STREQ(buf, "9301");
        SetField(d, 392, "typed");  // read-only: typing changes nothing
        GetDlgItemText(d, 392, buf, sizeof buf);
        EXPECT_STREQ(buf, "fixed");
        SetDlgItemInt(d, 391, static_cast<UINT>(-12), TRUE);
        BOOL ok = FALSE;
        EXPECT_EQ(static_cast<int>(GetDlgItemInt(d, 391, &ok, TRUE)), -12);
        EXPECT_TRUE(ok);
        SetDlgItemText(d, 391, "12x");
        GetDlgItemInt(d, 391, &ok, TRUE);
        EXPECT_FALSE(ok);
        PressButton(d, IDOK);
    });
    EXPECT_EQ(DialogBoxParam(nullptr, 200, nullptr, RecordingDialog, 0), IDOK);
    EXPECT_TRUE(Saw(391, EN_CHANGE));     // 0x300
    EXPECT_TRUE(Saw(391, EN_KILLFOCUS));  // 0x200
    EXPECT_EQ(EN_CHANGE, 0x300);
    EXPECT_EQ(EN_KILLFOCUS, 0x200);
    EXPECT_TRUE(Saw(391, EN_MAXTEXT));
    EXPECT_FALSE(Saw(392, EN_CHANGE));
    EXPECT_TRUE(failures.empty());
}

TEST_F(DialogControlsTest, ListBoxesSortSelectAndReportDoubleClicks) {
    OnDialog(200, [](HWND d) {
        HWND list = GetDlgItem(d, 931);
        for (const char* s : {"delta.krv", "Alpha.krv", "charlie.krv", "bravo.krv"})
            SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        char buf[32];
        SendMessage(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(buf));
        EXPECT_STREQ(buf, "Alpha.krv");  // sorted without regard to case
        EXPECT_EQ(SendMessage(list, LB_FINDSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>("CH")),
                  2);
        EXPECT_EQ(SendMessage(list, LB_GETTEXT, 9, reinterpret_cast<LPARAM>(buf)), LB_ERR);
        int stops[2] = {40, 80};
        EXPECT_TRUE(SendMessage(list, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops)));
        ChooseListItem(d, 931, 3, true);
        EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 3);
        RECT r;
        GetClientRect(list, &r);
        DoubleClick(list, r.right / 2, r.bottom - 2);  // below the last row
        EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 3);
        PressKey(VK_UP);
        EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 2);
        SendMessage(list, LB_RESETCONTENT, 0, 0);
        EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), LB_ERR);
        PressButton(d, IDCANCEL);
    });
    EXPECT_EQ(DialogBoxParam(nullptr, 200, nullptr, RecordingDialog, 0), IDCANCEL);
    int selChanges = 0, doubleClicks = 0;
    for (const auto& c : gNotes.commands) {
        selChanges += (c.first == 931 && c.second == LBN_SELCHANGE) ? 1 : 0;
        doubleClicks += (c.first == 931 && c.second == LBN_DBLCLK) ? 1 : 0;
    }
    EXPECT_EQ(doubleClicks, 2);  // on a row, and below the last one
    EXPECT_EQ(selChanges, 2);    // the click and the arrow key
}

// A list with LBS_USETABSTOPS draws each tab-separated column at its stop (in
// dialog units of its dialog); the tab itself leaves no mark.
TEST_F(DialogControlsTest, ListColumnsStartAtTheirTabStops) {
    DialogTemplate t;
    t.caption = "COLUMNS";
    t.cx = 200;
    t.cy = 60;
    t.items = {{"LISTBOX", 931, "", LBS_USETABSTOPS | WS_BORDER, 4, 4, 190, 40}};
    RegisterDialogTemplate(202, t);
    int firstDark = -1, secondDark = -1, stopX = 0;
    OnDialog(202, [&](HWND d) {
        HWND list = GetDlgItem(d, 931);
        int stops[1] = {80};
        SendMessage(list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(stops));
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("MM\tMM"));
        RECT r{0, 0, 80, 0};
        MapDialogRect(d, &r);
        stopX = r.right;
        InvalidateRect(list, nullptr, TRUE);
        UpdateWindow(list);
        const Image32 picture = ReadWindowPixels(list);
        for (int x = 1; x < picture.width - 1; ++x)
            for (int y = 2; y < 14; ++y)
                if ((picture.At(x, y) & 0xFF) < 0x60) {
                    if (firstDark < 0) firstDark = x;
                    if (x > firstDark + 30 && secondDark < 0) secondDark = x;
                }
        EndDialog(d, IDCANCEL);
    });
    DialogBoxParam(nullptr, 202, nullptr, RecordingDialog, 0);
    EXPECT_TRUE(failures.empty());
    EXPECT_GE(firstDark, 1);
    EXPECT_LT(firstDark, 8);
    EXPECT_GE(secondDark, stopX);
    EXPECT_LT(secondDark, stopX + 8);
}

TEST_F(DialogControlsTest, RadioGroupsAndTheDialogKeyboard) {
    OnDialog(200, [](HWND d) {
        CheckRadioButton(d, 631, 633, 631);
        PressButton(d, 633);
        EXPECT_EQ(IsDlgButtonChecked(d, 631), BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(d, 633), BST_CHECKED);
        // Tab moves from the first edit to the read-only one, Shift+Tab back.
        SetFocus(GetDlgItem(d, 391));
        PressKey(VK_TAB);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, 392));
        PressKey(VK_TAB, false, true);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, 391));
        // Enter in an edit presses the default button.
        PressKey(VK_RETURN);
    });
    EXPECT_EQ(DialogBoxParam(nullptr, 200, nullptr, RecordingDialog, 0), IDOK);
}

// A radio group as the units dialog lays them out: a frame (a group box
// carrying no group mark) closes each group. The arrows go round the group's
// buttons, checking each, and never onto the frame; a Space that reaches the
// frame presses nothing; the focused button shows a mark that the others do
// not.
TEST_F(DialogControlsTest, ArrowsGoRoundARadioGroupAndTheFocusShows) {
    DialogTemplate t;
    t.caption = "UNITS";
    t.cx = 120;
    t.cy = 100;
    t.items = {
        {"BUTTON", 0xFFFF, "Balancing Anion", BS_GROUPBOX, 4, 4, 100, 48},
        {"BUTTON", 415, "Sulfate", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 8, 14, 80, 10},
        {"BUTTON", 416, "Chloride", BS_AUTORADIOBUTTON | WS_TABSTOP, 8, 26, 80, 10},
        {"BUTTON", 417, "Nitrate", BS_AUTORADIOBUTTON | WS_TABSTOP, 8, 38, 80, 10},
        {"BUTTON", 0xFFFF, "Presets", BS_GROUPBOX, 4, 56, 100, 24},
        {"BUTTON", IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 8, 64, 40, 12},
    };
    RegisterDialogTemplate(202, t);
    OnDialog(202, [](HWND d) {
        CheckRadioButton(d, 415, 417, 416);
        SetFocus(GetDlgItem(d, 417));
        RunUntilIdle();
        const Image32 focused = ReadWindowPixels(GetDlgItem(d, 417));
        SetFocus(GetDlgItem(d, 416));
        RunUntilIdle();
        const Image32 unfocused = ReadWindowPixels(GetDlgItem(d, 417));
        EXPECT_NE(focused.pixels, unfocused.pixels) << "no focus mark";
        SetFocus(GetDlgItem(d, 417));
        const int order[] = {415, 416, 417, 415};
        for (int id : order) {
            PressKey(VK_DOWN);
            EXPECT_EQ(GetFocus(), GetDlgItem(d, id));
            EXPECT_EQ(IsDlgButtonChecked(d, id), BST_CHECKED) << id;
        }
        PressKey(VK_UP);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, 417));
        EXPECT_EQ(IsDlgButtonChecked(d, 417), BST_CHECKED);
        gNotes.commands.clear();
        SetFocus(GetWindow(GetDlgItem(d, 415), GW_HWNDPREV));  // the frame
        PressKey(VK_SPACE);
        EXPECT_TRUE(gNotes.commands.empty());
        EXPECT_EQ(IsDlgButtonChecked(d, 417), BST_CHECKED);
        PressKey(VK_RETURN);
    });
    EXPECT_EQ(DialogBoxParam(nullptr, 202, nullptr, RecordingDialog, 0), IDOK);
}

// Two stacked choices above OK and Cancel, as the option dialogs lay them out
// (only the first choice a tab stop), the choice in force checked as the
// dialog starts: the keyboard starts on that choice, whichever it is, and
// comes back to it by Tab and Shift+Tab; the arrows move the choice.
int gChoiceAtStart = 0;
INT_PTR ChoiceDialog(HWND d, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_INITDIALOG) {
        CheckRadioButton(d, 701, 702, gChoiceAtStart);
        return TRUE;
    }
    return RecordingDialog(d, m, w, l);
}

TEST_F(DialogControlsTest, TheKeyboardStartsOnTheChoiceInForce) {
    DialogTemplate t;
    t.caption = "Choose Graph Format";
    t.cx = 168;
    t.cy = 76;
    t.items = {
        {"BUTTON", 701, "Ratio", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 12, 12, 140, 12},
        {"BUTTON", 702, "Index", BS_AUTORADIOBUTTON, 12, 30, 140, 12},
        {"BUTTON", IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 12, 54, 50, 14},
        {"BUTTON", IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 106, 54, 50, 14},
    };
    RegisterDialogTemplate(203, t);
    for (const int start : {702, 701}) {
        SCOPED_TRACE(start);
        gChoiceAtStart = start;
        const int other = start == 701 ? 702 : 701;
        OnDialog(203, [start, other](HWND d) {
            EXPECT_EQ(GetFocus(), GetDlgItem(d, start));
            PressKey(VK_DOWN);
            EXPECT_EQ(GetFocus(), GetDlgItem(d, other));
            EXPECT_EQ(IsDlgButtonChecked(d, other), BST_CHECKED);
            EXPECT_EQ(IsDlgButtonChecked(d, start), BST_UNCHECKED);
            PressKey(VK_UP);
            EXPECT_EQ(IsDlgButtonChecked(d, start), BST_CHECKED);
            PressKey(VK_TAB);
            EXPECT_EQ(GetFocus(), GetDlgItem(d, IDOK));
            PressKey(VK_TAB);
            EXPECT_EQ(GetFocus(), GetDlgItem(d, IDCANCEL));
            PressKey(VK_TAB);
            EXPECT_EQ(GetFocus(), GetDlgItem(d, start)) << "Tab into the group";
            PressKey(VK_TAB, false, true);
            EXPECT_EQ(GetFocus(), GetDlgItem(d, IDCANCEL));
            PressKey(VK_TAB, false, true);
            PressKey(VK_TAB, false, true);
            EXPECT_EQ(GetFocus(), GetDlgItem(d, start)) << "Shift+Tab into the group";
            EXPECT_EQ(IsDlgButtonChecked(d, start), BST_CHECKED);
            PressButton(d, IDOK);
        });
        EXPECT_EQ(DialogBoxParam(nullptr, 203, nullptr, ChoiceDialog, 0), IDOK);
    }
}

TEST_F(DialogControlsTest, NestedDialogsRunWhileOwnedWindowsKeepPainting) {
    WNDCLASS wc;
    wc.lpfnWndProc = PageProc;
    wc.lpszClassName = "Page";
    ASSERT_NE(RegisterClass(&wc), 0);
    RegisterPlainClass("Main");
    HWND main = CreateWindow("Main", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400,
                             nullptr, nullptr, nullptr, nullptr);
    gPage = CreateWindow("Page", "Page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 100, main,
                         nullptr, nullptr, nullptr);
    RunUntilIdle();
    PostMessage(main, WM_USER + 5, 0, 0);  // input for the owner waits for the dialog
    OnDialog(201, [](HWND d) {
        EXPECT_FALSE(IsWindowEnabled(GetParent(d)));  // the outer dialog is disabled
        PressButton(d, IDOK);
    });
    OnDialog(200, [main](HWND d) {
        EXPECT_FALSE(IsWindowEnabled(main));
        gInModal = true;
        InvalidateRect(gPage, nullptr, TRUE);
        PressButton(d, 600);
        PressButton(d, IDOK);
    });
    EnableMessageTrace(true);
    EXPECT_EQ(DialogBoxParam(nullptr, 200, main, RecordingDialog, 0), IDOK);
    gInModal = false;
    EXPECT_EQ(gNotes.innerResult, IDOK);
    EXPECT_EQ(gNotes.pagePaintsDuringModal, 1);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(TraceIndex(main, WM_USER + 5), -1);
    RunUntilIdle();
    EXPECT_GE(TraceIndex(main, WM_USER + 5), 0);
    EXPECT_TRUE(failures.empty());
}

// A modal dialog blocks every window of the program it finds taking input,
// the pages its owner owns among them: a click on a page leaves the page
// unworked and brings the dialog forward, in front of it; the page takes
// input again once the dialog ends (seen failing: the click raised the page
// above the dialog and its menus worked).
TEST_F(DialogControlsTest, AModalDialogStaysAboveTheWindowsItBlocks) {
    WNDCLASS wc;
    wc.lpfnWndProc = PageProc;
    wc.lpszClassName = "Page";
    ASSERT_NE(RegisterClass(&wc), 0);
    RegisterPlainClass("Main");
    HWND main = CreateWindow("Main", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400,
                             nullptr, nullptr, nullptr, nullptr);
    gPage = CreateWindow("Page", "Page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 100, main,
                         nullptr, nullptr, nullptr);
    RunUntilIdle();
    OnDialog(200, [main](HWND d) {
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_FALSE(IsWindowEnabled(gPage));
        EnableMessageTrace(true);
        Click(gPage, 10, 10);
        RunUntilIdle();
        EXPECT_EQ(TraceIndex(gPage, WM_LBUTTONDOWN), -1);
        EXPECT_EQ(GetActiveWindow(), d);
        ASSERT_FALSE(detail::TopLevelWindows().empty());
        EXPECT_EQ(detail::TopLevelWindows().front(), d);
        PressButton(d, IDOK);
    });
    EXPECT_EQ(DialogBoxParam(nullptr, 200, main, RecordingDialog, 0), IDOK);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_TRUE(IsWindowEnabled(gPage));
    Click(gPage, 10, 10);
    RunUntilIdle();
    EXPECT_GE(TraceIndex(gPage, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(GetActiveWindow(), gPage);
    EXPECT_TRUE(failures.empty());
}

TEST_F(DialogControlsTest, ADialogLeftOpenByItsScriptIsCancelledAndReported) {
    OnDialog(
        200, [](HWND d) { SetField(d, 391, "x"); }, 1);
    EXPECT_EQ(DialogBoxParam(nullptr, 200, nullptr, RecordingDialog, 0), IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("still open"), std::string::npos);
    // The handler was for one opening only.
    EXPECT_EQ(DialogBoxParam(nullptr, 200, nullptr, RecordingDialog, 0), IDCANCEL);
    EXPECT_EQ(failures.size(), 2u);
}

class FileDialogTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        char tmpl[] = "/tmp/tarvex_dialogs_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        root = tmpl;
        mkdir((root + "/ZORIN").c_str(), 0755);
        std::ofstream(root + "/ZORIN/old.KRV") << "x";
        SetPathRoot(root);
        record.file = file;
        record.fileSize = sizeof file;
        record.fileTitle = title;
        record.fileTitleSize = sizeof title;
        record.defExt = "KRV";
    }
    void TearDown() override {
        PlatformTest::TearDown();
        ASSERT_EQ(std::system(("rm -rf '" + root + "'").c_str()), 0);
    }
    std::string root;
    FileDialogRecord record;
    char file[256] = "";
    char title[256] = "";
};

TEST_F(FileDialogTest, SaveAddsTheExtensionAndAsksBeforeReplacing) {
    record.flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    AnswerFileDialog("\\ZORIN\\new");
    ASSERT_TRUE(GetSaveFileName(&record));
    EXPECT_STREQ(file, "\\ZORIN\\new.KRV");
    EXPECT_STREQ(title, "new.KRV");
    EXPECT_EQ(record.fileOffset, 7);

    // Replacing an existing file: No keeps the dialog open for the next answer.
    AnswerFileDialog("\\zorin\\OLD.krv");
    AnswerFileDialog("\\ZORIN\\other.krv");
    AnswerMessageBox("", "already exists", IDNO);
    ASSERT_TRUE(GetSaveFileName(&record));
    EXPECT_STREQ(file, "\\ZORIN\\other.krv");
    ASSERT_EQ(MessageBoxLog().size(), 1u);

    CancelFileDialog();
    EXPECT_FALSE(GetSaveFileName(&record));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_TRUE(failures.empty());
}

TEST_F(FileDialogTest, OpenRefusesMissingFilesAndSmallBuffers) {
    record.title = "OPEN WORK FILE";
    record.flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    AnswerFileDialog("\\ZORIN\\old");
    ASSERT_TRUE(GetOpenFileName(&record));
    EXPECT_STREQ(file, "\\ZORIN\\old.KRV");
    AnswerFileDialog("\\ZORIN\\gone.krv");
    EXPECT_FALSE(GetOpenFileName(&record));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("does not exist"), std::string::npos);
    // A name longer than the buffer is refused by a box naming it, and the
    // dialog asks again: a name that fits is taken, or Cancel ends it.
    char tiny[12];
    record.file = tiny;
    record.fileSize = sizeof tiny;
    AnswerFileDialog("\\ZORIN\\old.KRV");
    CancelFileDialog();
    EXPECT_FALSE(GetOpenFileName(&record));
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_EQ(MessageBoxLog()[0].caption, "OPEN WORK FILE");
    EXPECT_EQ(MessageBoxLog()[0].text.rfind("\\ZORIN\\old.KRV\nThis file name is too long (14 "
                                            "characters; at most 11).", 0),
              0u)
        << MessageBoxLog()[0].text;
    AnswerFileDialog("\\ZORIN\\old.KRV");
    AnswerFileDialog("\\old.KRV");
    EXPECT_FALSE(GetOpenFileName(&record));  // a refusal, then a file that does not exist
    EXPECT_EQ(MessageBoxLog().size(), 2u);
    ASSERT_EQ(FileDialogLog().size(), 4u);
    EXPECT_EQ(FileDialogLog()[0].title, "OPEN WORK FILE");
}

}  // namespace
}  // namespace wintest
