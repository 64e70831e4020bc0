// Dialog steps of scripts. Clicks, keys and scroll-bar arrows go through the
// platform's input as a user's would, so the dialog sees the same messages.
#include "app/dialog_steps.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "app/key_names.h"
#include "app/script_runner.h"
#include "platform/dialogs/dialog.h"
#include "platform/drivers/script.h"
#include "platform/files/whole_file_write.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"
#include "platform/window/window.h"

namespace {

// What an action of a `do` step queued (a menu command, keys) is handled
// before the next step, as the program's own loop would handle it.
void DispatchPending(win::HWND dialog) {
    win::MSG msg;
    for (int guard = 0; guard < 100000; ++guard) {
        if (!win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) return;
        if (msg.message == win::WM_QUIT) {
            win::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (win::IsWindow(dialog) && win::IsDialogMessage(dialog, &msg)) continue;
        win::TranslateMessage(&msg);
        win::DispatchMessage(&msg);
    }
}

using Step = ScriptAction::DialogStep;

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string ClassOf(win::HWND control) {
    char name[32] = {};
    win::GetClassName(control, name, sizeof name);
    return Upper(name);
}

std::string ListRow(win::HWND list, int row) {
    const win::LRESULT length =
        win::SendMessage(list, win::LB_GETTEXTLEN, static_cast<win::WPARAM>(row), 0);
    if (length < 0) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    win::SendMessage(list, win::LB_GETTEXT, static_cast<win::WPARAM>(row),
                     reinterpret_cast<win::LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

// A text for the log: tabs between a row's columns shown as " | ".
std::string Shown(const std::string& text) {
    std::string shown;
    for (char c : text) shown += c == '\t' ? std::string(" | ") : std::string(1, c);
    return "\"" + shown + "\"";
}

bool Fail(win::HWND dialog, const std::string& what) {
    win::ReportScriptFailure("dialog \"" + win::WindowText(dialog) + "\": " + what);
    return false;
}

win::HWND Control(win::HWND dialog, int id) {
    win::HWND c = win::GetDlgItem(dialog, id);
    if (c == nullptr) Fail(dialog, "no control " + std::to_string(id));
    return c;
}

// A row by number, or the first row that starts with the text.
void Select(win::HWND dialog, const ScriptAction& s) {
    win::HWND list = Control(dialog, s.control);
    if (list == nullptr) return;
    const int count = static_cast<int>(win::SendMessage(list, win::LB_GETCOUNT, 0, 0));
    int row = -1;
    if (s.byIndex) {
        row = s.x < count ? s.x : -1;
    } else {
        for (int r = 0; r < count && row < 0; ++r)
            if (ListRow(list, r).compare(0, s.text.size(), s.text) == 0) row = r;
    }
    if (row < 0) {
        Fail(dialog, "list " + std::to_string(s.control) + " has no row " +
                         (s.byIndex ? s.text : "starting with \"" + s.text + "\""));
        return;
    }
    win::ChooseListItem(dialog, s.control, row, s.doubleClick);
}

void Click(win::HWND dialog, const ScriptAction& s) {
    win::HWND c = Control(dialog, s.control);
    if (c == nullptr) return;
    win::RECT r;
    win::GetClientRect(c, &r);
    const int x = s.hasPoint ? s.x : r.right / 2;
    const int y = s.hasPoint ? s.y : r.bottom / 2;
    if (s.step == Step::kDoubleClick)
        win::DoubleClick(c, x, y);
    else
        win::Click(c, x, y);
}

void PressKeys(const std::string& text) {
    std::vector<KeyStroke> keys;
    std::string bad;
    if (!ParseKeys(text, keys, bad)) return;  // the parser refused it already
    for (const KeyStroke& k : keys) win::PressKey(k.virtualKey, k.control, k.shift, k.alt);
}

// The control's own bar: a scroll-bar control's, else its vertical or
// horizontal bar.
int BarOf(win::HWND control, bool vertical) {
    if (ClassOf(control) == "SCROLLBAR") return win::SB_CTL;
    return vertical ? win::SB_VERT : win::SB_HORZ;
}

void Scroll(win::HWND dialog, const ScriptAction& s) {
    win::HWND c = Control(dialog, s.control);
    if (c == nullptr) return;
    const bool vertical = s.text == "up" || s.text == "down";
    const bool forward = s.text == "down" || s.text == "right";
    for (int i = 0; i < s.x; ++i) win::ClickScrollArrow(c, BarOf(c, vertical), forward);
}

void Read(win::HWND dialog, const ScriptAction& s, RunLog& log) {
    win::HWND c = Control(dialog, s.control);
    if (c == nullptr) return;
    std::string line = "  read " + std::to_string(s.control) + " " + Shown(win::WindowText(c));
    if (ClassOf(c) == "BUTTON" && win::SendMessage(c, win::BM_GETCHECK, 0, 0) == win::BST_CHECKED)
        line += " (checked)";
    if (!win::IsWindowEnabled(c)) line += " (grayed)";
    log.Note(line);
}

void Snap(win::HWND dialog, const ScriptAction& s) {
    win::RunUntilIdle();  // pending paints first
    win::SurfaceBuffer picture;
    win::detail::ComposeWindow(dialog, picture);
    win::Image32 image;
    image.width = picture.Width();
    image.height = picture.Height();
    image.pixels.reserve(static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.pixels.push_back(picture.At(x, y));
    if (!win::WritePpm(s.text, image)) Fail(dialog, win::FailedLinuxWriteText("Writing", s.text));
}

// The caption, then the controls in creation order (id and text) and the rows
// of the lists (list id, row, text and whether it is selected).
void Dump(win::HWND dialog, RunLog& log) {
    log.Note("dialog " + Shown(win::WindowText(dialog)));
    for (win::HWND c = win::GetWindow(dialog, win::GW_CHILD); c != nullptr;
         c = win::GetWindow(c, win::GW_HWNDNEXT)) {
        const int id = win::GetDlgCtrlID(c);
        if (ClassOf(c) != "LISTBOX") {
            log.Note("  control " + std::to_string(id) + " " + Shown(win::WindowText(c)));
            continue;
        }
        const win::LRESULT count = win::SendMessage(c, win::LB_GETCOUNT, 0, 0);
        const win::LRESULT selected = win::SendMessage(c, win::LB_GETCURSEL, 0, 0);
        log.Note("  list " + std::to_string(id) + " (" + std::to_string(count) + " rows)");
        for (int row = 0; row < count; ++row)
            log.Note("  list " + std::to_string(id) + " row " + std::to_string(row) + " " +
                     Shown(ListRow(c, row)) + (row == selected ? " (selected)" : ""));
    }
}

}  // namespace

void RunDialogStep(win::HWND dialog, const ScriptAction& s, RunLog& log) {
    switch (s.step) {
        case Step::kSet:
            win::SetField(dialog, s.control, s.text);
            break;
        case Step::kCheck:
            win::SetCheck(dialog, s.control, true);
            break;
        case Step::kPress:
            win::PressButton(dialog, s.control);
            break;
        case Step::kSelect:
            Select(dialog, s);
            break;
        case Step::kClick:
        case Step::kDoubleClick:
            Click(dialog, s);
            break;
        case Step::kType:
            if (win::HWND c = Control(dialog, s.control)) {
                win::SetFocus(c);
                win::TypeText(s.text);
            }
            break;
        case Step::kKey:
            if (s.control == 0)
                win::SetFocus(dialog);
            else if (win::HWND c = Control(dialog, s.control))
                win::SetFocus(c);
            PressKeys(s.text);
            break;
        case Step::kScroll:
            Scroll(dialog, s);
            break;
        case Step::kThumb:
            if (win::HWND c = Control(dialog, s.control))
                win::DragScrollThumb(c, BarOf(c, true), s.x);
            break;
        case Step::kRead:
            Read(dialog, s, log);
            break;
        case Step::kDump:
            Dump(dialog, log);
            break;
        case Step::kSnap:
            Snap(dialog, s);
            break;
        case Step::kNext:
            break;
        case Step::kDo: {
            std::vector<ScriptAction> inner;
            std::string error;
            if (ParseScript(s.text, inner, error) && inner.size() == 1) {
                RunActionNow(inner[0], log);
                DispatchPending(dialog);
                log.Poll();
            }
            break;
        }
    }
}

std::string DescribeDialogStep(const ScriptAction& s) {
    const std::string control = std::to_string(s.control);
    const std::string text = s.text.empty() ? "" : " " + s.text;
    switch (s.step) {
        case Step::kSet:
            return "set " + control + text;
        case Step::kCheck:
            return "check " + control;
        case Step::kPress:
            return "press " + control;
        case Step::kSelect:
            return "select " + control + text + (s.doubleClick ? " dblclick" : "");
        case Step::kClick:
        case Step::kDoubleClick:
            return std::string(s.step == Step::kClick ? "click " : "dblclick ") + control +
                   (s.hasPoint ? " " + std::to_string(s.x) + " " + std::to_string(s.y) : "");
        case Step::kType:
            return "type " + control + text;
        case Step::kKey:
            return "key " + control + text;
        case Step::kScroll:
            return "scroll " + control + text + " " + std::to_string(s.x);
        case Step::kThumb:
            return "thumb " + control + " " + std::to_string(s.x);
        case Step::kRead:
            return "read " + control;
        case Step::kDump:
            return "dump";
        case Step::kSnap:
            return "snap " + s.text;
        case Step::kNext:
            return "next";
        case Step::kDo:
            return "do " + s.text;
    }
    return "";
}
