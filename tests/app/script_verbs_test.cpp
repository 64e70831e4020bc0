// The script verbs of windows, dialogs and the clipboard: their lines, the keys
// they name, what each does on a test dialog and a test window, and the
// grouping of dialog steps between two input actions.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/dialog_steps.h"
#include "app/key_names.h"
#include "app/run_log.h"
#include "app/script.h"
#include "app/verbs/clipboard_verbs.h"
#include "app/verbs/window_verbs.h"
#include "platform/gdi/gdi.h"
#include "platform/win.h"

namespace {

namespace fs = std::filesystem;

ScriptAction Parsed(const std::string& line) {
    std::vector<ScriptAction> a;
    std::string error;
    EXPECT_TRUE(ParseScript(line + "\n", a, error)) << line << ": " << error;
    return a.empty() ? ScriptAction{} : a[0];
}

TEST(ScriptVerbLines, WindowDialogAndClipboardVerbs) {
    using Verb = ScriptAction::Verb;
    using Step = ScriptAction::DialogStep;
    ScriptAction a = Parsed("menu 997 DisplayMUWater");
    EXPECT_EQ(a.number, 997);
    EXPECT_EQ(a.className, "DisplayMUWater");
    a = Parsed("click wcGraphWindow 120 -4 right");
    EXPECT_EQ(a.verb, Verb::kClick);
    EXPECT_EQ(a.y, -4);
    EXPECT_TRUE(a.right);
    a = Parsed("scroll DisplayTempWater thumb v 12");
    EXPECT_EQ(a.text, "thumb");
    EXPECT_TRUE(a.vertical);
    EXPECT_EQ(a.number, 12);
    EXPECT_EQ(Parsed("scroll DisplayTempWater pagedown").number, 1);
    EXPECT_EQ(Parsed("wheel DisplayTempWater -3").number, -3);
    EXPECT_EQ(Parsed("menustate").verb, Verb::kMenuState);
    a = Parsed("clipboard save rich text format out/page.rtf");
    EXPECT_EQ(a.clipboard, ScriptAction::ClipboardOp::kSave);
    EXPECT_EQ(a.text, "rich text format");
    EXPECT_EQ(a.path, "out/page.rtf");
    EXPECT_EQ(Parsed("clipboard text hello world").text, "hello world");
    a = Parsed("dialog 80 select 931 3 dblclick");
    EXPECT_TRUE(a.byIndex);
    EXPECT_EQ(a.x, 3);
    EXPECT_TRUE(a.doubleClick);
    a = Parsed("dialog 80 select 931 Gamma ray");
    EXPECT_FALSE(a.byIndex);
    EXPECT_EQ(a.text, "Gamma ray");
    a = Parsed("dialog 80 click 102 4 5");
    EXPECT_TRUE(a.hasPoint);
    EXPECT_EQ(Parsed("dialog 80 key 0 Ctrl+Shift+F2 Esc").step, Step::kKey);
    EXPECT_EQ(Parsed("dialog 80 scroll 106 down 3").x, 3);
    EXPECT_EQ(Parsed("dialog 80 snap out/dialog.ppm").step, Step::kSnap);
    EXPECT_EQ(Parsed("dialog 80 next").step, Step::kNext);
    a = Parsed("dialog 33 do menu 995 AlkGraphWindow");
    EXPECT_EQ(a.step, Step::kDo);
    EXPECT_EQ(a.text, "menu 995 AlkGraphWindow");

    for (const char* bad :
         {"key DisplayTempWater Hyper+Q", "click Main 1", "click Main 1 2 middle", "dblclick Main",
          "scroll Main sideways", "scroll Main thumb d 4", "wheel Main", "menustate A B",
          "windows all", "clipboard save text", "clipboard paste", "dialog 80 type 101",
          "dialog 80 thumb 106", "dialog 80 scroll 106 down 0", "dialog 80 snap",
          "dialog 80 key 0 Meta", "dialog 33 do", "dialog 33 do dialog 80 press 1",
          "dialog 33 do menu"}) {
        std::vector<ScriptAction> a2;
        std::string error;
        EXPECT_FALSE(ParseScript(std::string(bad) + "\n", a2, error)) << bad;
    }
}

TEST(ScriptKeys, NamesAndPrefixes) {
    std::vector<KeyStroke> keys;
    std::string bad;
    ASSERT_TRUE(ParseKeys("Left PgDn F12 Ctrl+C shift+tab Ctrl+Shift+Del 7 q", keys, bad));
    ASSERT_EQ(keys.size(), 8u);
    EXPECT_EQ(keys[0].virtualKey, win::VK_LEFT);
    EXPECT_EQ(keys[1].virtualKey, win::VK_NEXT);
    EXPECT_EQ(keys[2].virtualKey, win::VK_F1 + 11);
    EXPECT_TRUE(keys[3].control);
    EXPECT_EQ(keys[3].virtualKey, 'C');
    EXPECT_TRUE(keys[4].shift);
    EXPECT_TRUE(keys[5].control && keys[5].shift);
    EXPECT_EQ(keys[6].virtualKey, '7');
    EXPECT_EQ(keys[7].virtualKey, 'Q');
    EXPECT_FALSE(ParseKeys("F13", keys, bad));
    EXPECT_EQ(bad, "F13");
    EXPECT_FALSE(ParseKeys("Ctrl+", keys, bad));
    ASSERT_TRUE(ParseKeys("Alt+T alt+Ctrl+f", keys, bad));
    EXPECT_TRUE(keys[0].alt && !keys[0].control);
    EXPECT_EQ(keys[0].virtualKey, 'T');
    EXPECT_TRUE(keys[1].alt && keys[1].control);
}

// What the test dialog and window received.
struct Seen {
    std::vector<std::pair<int, int>> commands;  // control, notification
    std::vector<std::pair<int, int>> scrolls;   // request, position
    std::vector<win::UINT> messages;
    win::LPARAM lastPoint = 0;
};
Seen seen;

win::INT_PTR TestDialogProc(win::HWND d, win::UINT m, win::WPARAM w, win::LPARAM) {
    if (m == win::WM_INITDIALOG) {
        win::HWND list = win::GetDlgItem(d, 105);
        for (const char* row : {"Alpha", "Beta", "Gamma", "Delta", "Epsilon"})
            win::SendMessage(list, win::LB_ADDSTRING, 0, reinterpret_cast<win::LPARAM>(row));
        win::SetScrollRange(win::GetDlgItem(d, 106), win::SB_CTL, 0, 100, win::FALSE);
        return win::TRUE;
    }
    if (m == win::WM_COMMAND) {
        seen.commands.emplace_back(win::LOWORD(w), win::HIWORD(w));
        if (win::LOWORD(w) == win::IDOK) win::EndDialog(d, 1);
        return win::TRUE;
    }
    if (m == win::WM_VSCROLL) {
        seen.scrolls.emplace_back(win::LOWORD(w), win::HIWORD(w));
        return win::TRUE;
    }
    return win::FALSE;
}

win::LRESULT TestWindowProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    if (m == win::WM_KEYDOWN || m == win::WM_RBUTTONDOWN || m == win::WM_LBUTTONDBLCLK ||
        m == win::WM_MOUSEWHEEL || m == win::WM_VSCROLL || m == win::WM_COMMAND) {
        seen.messages.push_back(m);
        if (m == win::WM_RBUTTONDOWN) seen.lastPoint = l;
        if (m == win::WM_KEYDOWN) seen.commands.emplace_back(static_cast<int>(w), 0);
        if (m == win::WM_COMMAND) seen.commands.emplace_back(static_cast<int>(w), -1);
    }
    return win::DefWindowProc(h, m, w, l);
}

class ScriptVerbsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        seen = Seen{};
        win::ResetPlatform();
        win::SetScriptFailureHandler([this](const std::string& what) { failures.push_back(what); });
        folder = fs::temp_directory_path() / ("tarvex_verbs_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        ASSERT_TRUE(log.Open((folder / "verbs.log").string(), folder.string()));
        win::DialogTemplate t;
        t.caption = "VERBS";
        t.cx = 220;
        t.cy = 140;
        t.items = {
            {"EDIT", 101, "7.5", win::WS_BORDER | win::WS_TABSTOP, 4, 4, 60, 12},
            {"BUTTON", 102, "Show", win::BS_AUTOCHECKBOX | win::WS_TABSTOP, 4, 20, 60, 10},
            {"LISTBOX", 105, "", win::LBS_NOTIFY | win::WS_VSCROLL | win::WS_BORDER, 70, 4, 80, 40},
            {"SCROLLBAR", 106, "", win::SBS_VERT, 160, 4, 10, 60},
            {"BUTTON", 107, "Off", win::BS_PUSHBUTTON | win::WS_DISABLED, 4, 36, 40, 14},
            {"BUTTON", win::IDOK, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, 4, 110, 40, 14},
        };
        win::RegisterDialogTemplate(300, t);
    }
    void TearDown() override {
        log.Close(0);
        win::SetScriptFailureHandler(nullptr);
        win::ResetPlatform();
        fs::remove_all(folder);
    }
    std::string LogText() const {
        std::ifstream in(folder / "verbs.log");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void Steps(const std::vector<std::string>& lines) {
        std::vector<ScriptAction> steps;
        for (const std::string& l : lines) steps.push_back(Parsed(l));
        win::OnDialog(300, [&](win::HWND d) {
            for (const ScriptAction& s : steps) RunDialogStep(d, s, log);
        });
        win::DialogBoxParam(nullptr, 300, nullptr, TestDialogProc, 0);
    }
    bool Saw(int control, int code) const {
        for (const auto& c : seen.commands)
            if (c.first == control && c.second == code) return true;
        return false;
    }
    fs::path folder;
    RunLog log;
    std::vector<std::string> failures;
};

TEST_F(ScriptVerbsTest, DialogStepsActAsAUserWould) {
    const std::string picture = (folder / "dialog.ppm").string();
    Steps({"dialog 300 click 102", "dialog 300 read 102", "dialog 300 type 101 25",
           "dialog 300 key 101 Back", "dialog 300 read 101", "dialog 300 select 105 2",
           "dialog 300 select 105 Del dblclick", "dialog 300 scroll 106 down 3",
           "dialog 300 thumb 106 40", "dialog 300 read 107", "dialog 300 snap " + picture,
           "dialog 300 dump", "dialog 300 press 1"});
    EXPECT_TRUE(Saw(102, win::BN_CLICKED));  // the box notifies as a click does
    EXPECT_TRUE(Saw(101, win::EN_CHANGE));
    EXPECT_TRUE(Saw(105, win::LBN_SELCHANGE));
    EXPECT_TRUE(Saw(105, win::LBN_DBLCLK));
    int lineDowns = 0, thumbAt40 = 0;
    for (const auto& s : seen.scrolls) {
        lineDowns += s.first == win::SB_LINEDOWN ? 1 : 0;
        thumbAt40 += s.first == win::SB_THUMBPOSITION && s.second == 40 ? 1 : 0;
    }
    EXPECT_EQ(lineDowns, 3);
    EXPECT_EQ(thumbAt40, 1);
    const std::string text = LogText();
    EXPECT_NE(text.find("read 102 \"Show\" (checked)"), std::string::npos) << text;
    // The field took the focus with its text selected: typing replaced it, Back took
    // the last character.
    EXPECT_NE(text.find("read 101 \"2\""), std::string::npos) << text;
    EXPECT_NE(text.find("read 107 \"Off\" (grayed)"), std::string::npos);
    EXPECT_NE(text.find("list 105 row 3 \"Delta\" (selected)"), std::string::npos);
    win::Image32 image;
    ASSERT_TRUE(win::ReadPpm(picture, &image));
    EXPECT_GT(image.width, 200);
    EXPECT_TRUE(failures.empty());
}

TEST_F(ScriptVerbsTest, AMissingControlOrRowFailsTheScript) {
    Steps({"dialog 300 click 999", "dialog 300 select 105 9", "dialog 300 select 105 Zeta",
           "dialog 300 press 1"});
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_NE(failures[0].find("no control 999"), std::string::npos);
    EXPECT_NE(failures[2].find("starting with \"Zeta\""), std::string::npos);
}

// The files of the clipboard verbs and a dialog's picture: what is not a
// plain file of a size the clipboard takes is refused with its reason, in
// moments; a save over a pipe or a folder leaves it as it was.
TEST_F(ScriptVerbsTest, FilesTheVerbsCannotUseFailTheScriptWithTheirReason) {
    const std::string pipe = (folder / "pipe").string();
    const std::string sub = (folder / "folder").string();
    const std::string big = (folder / "big.bin").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    fs::create_directory(sub);
    std::ofstream(big).close();
    fs::resize_file(big, (std::uintmax_t{64} << 20) + 1);  // sparse: one byte past the bound
    struct Case {
        std::string line;
        std::string reason;
    };
    const Case cases[] = {
        {"clipboard load text " + pipe, "\": Not a regular file"},
        {"clipboard load text " + sub, "\": Is a directory"},
        {"clipboard load text /dev/zero", "\": Not a regular file"},
        {"clipboard load text " + big, "\": larger than 67,108,864 bytes"},
        {"clipboard save text " + pipe, pipe + " failed: Not a regular file"},
        {"clipboard save text " + sub, sub + " failed: Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        failures.clear();
        // Text on the clipboard for the saves to write.
        RunClipboardVerb(Parsed("clipboard text old words"), log);
        RunClipboardVerb(Parsed(c.line), log);
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_NE(failures[0].find(c.reason), std::string::npos) << failures[0];
    }
    failures.clear();
    Steps({"dialog 300 snap " + pipe, "dialog 300 snap " + sub, "dialog 300 press 1"});
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find(pipe + " failed: Not a regular file"), std::string::npos);
    EXPECT_NE(failures[1].find(sub + " failed: Is a directory"), std::string::npos);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_directory(sub) && fs::is_empty(sub));
}

TEST_F(ScriptVerbsTest, WindowInputReachesTheWindowOfTheClass) {
    win::WNDCLASS wc;
    wc.style = win::CS_DBLCLKS;
    wc.lpfnWndProc = TestWindowProc;
    wc.lpszClassName = "VerbWindow";
    ASSERT_NE(win::RegisterClass(&wc), 0);
    win::HWND w = win::CreateWindowEx(0, "VerbWindow", "verbs",
                                      win::WS_OVERLAPPEDWINDOW | win::WS_VSCROLL | win::WS_VISIBLE,
                                      10, 10, 400, 300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    for (const char* line :
         {"key VerbWindow Ctrl+F5 PgDn", "click VerbWindow 30 40 right", "dblclick VerbWindow 5 6",
          "scroll VerbWindow down 2", "scroll VerbWindow pagedown", "wheel VerbWindow -1"}) {
        EXPECT_TRUE(RunWindowInput(Parsed(line))) << line;
        win::RunUntilIdle();
    }
    EXPECT_TRUE(Saw(win::VK_F1 + 4, 0));
    EXPECT_TRUE(Saw(win::VK_NEXT, 0));
    EXPECT_EQ(win::LOWORD(seen.lastPoint), 30);
    EXPECT_EQ(win::HIWORD(seen.lastPoint), 40);
    int scrolls = 0;
    for (win::UINT m : seen.messages) scrolls += m == win::WM_VSCROLL ? 1 : 0;
    EXPECT_GE(scrolls, 4);  // two arrow clicks and a page, each with its end
    EXPECT_NE(std::find(seen.messages.begin(), seen.messages.end(), win::WM_LBUTTONDBLCLK),
              seen.messages.end());
    EXPECT_NE(std::find(seen.messages.begin(), seen.messages.end(), win::WM_MOUSEWHEEL),
              seen.messages.end());
    EXPECT_FALSE(RunWindowInput(Parsed("key NoSuchWindow Esc")));
    EXPECT_EQ(failures.size(), 1u);
}

}  // namespace
