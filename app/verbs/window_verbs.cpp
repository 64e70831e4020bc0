// Window verbs of scripts.
#include "app/verbs/window_verbs.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "app/key_names.h"
#include "platform/drivers/script.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "shell/records.h"

namespace {

using Verb = ScriptAction::Verb;

// Ids no item carries that the main window's dispatch takes: the no-op of the
// selection dialogs and the 48-station well-log summary graph.
constexpr unsigned kHiddenCommands[] = {213, 1252};

bool Fail(const std::string& what) {
    win::ReportScriptFailure(what);
    return false;
}

// The main window without a class, else the window of that class.
win::HWND Target(const ScriptAction& a) {
    if (a.className.empty()) return mainWindowState.mainWindow;
    return win::FindWindow(a.className.c_str(), nullptr);
}

bool IsHidden(unsigned id) {
    for (unsigned h : kHiddenCommands)
        if (h == id) return true;
    return false;
}

void Menu(win::HWND w, unsigned id) {
    if (!win::FindMenuItemState(win::GetMenu(w), id).found && IsHidden(id)) {
        win::PostMessage(w, win::WM_COMMAND, id, 0);
        return;
    }
    win::ChooseMenuCommand(w, id);
}

void Keys(win::HWND w, const std::string& text) {
    win::SetActiveWindow(w);
    win::SetFocus(w);
    std::vector<KeyStroke> keys;
    std::string bad;
    if (!ParseKeys(text, keys, bad)) return;
    for (const KeyStroke& k : keys) win::PressKey(k.virtualKey, k.control, k.shift, k.alt);
}

void Scroll(win::HWND w, const ScriptAction& a) {
    if (a.text == "thumb") {
        win::DragScrollThumb(w, a.vertical ? win::SB_VERT : win::SB_HORZ, a.number);
        return;
    }
    // The requests the bar's own buttons cannot make go to the window as they
    // stand, each closed by the end of the scroll.
    const char* const names[] = {"pageup", "pagedown", "top", "bottom"};
    const int codes[] = {win::SB_PAGEUP, win::SB_PAGEDOWN, win::SB_TOP, win::SB_BOTTOM};
    for (int n = 0; n < 4; ++n) {
        if (a.text != names[n]) continue;
        const int code = codes[n];
        for (int i = 0; i < a.number; ++i) {
            win::PostMessage(w, win::WM_VSCROLL, static_cast<win::WPARAM>(code), 0);
            win::PostMessage(w, win::WM_VSCROLL, win::SB_ENDSCROLL, 0);
        }
        return;
    }
    const bool vertical = a.text == "up" || a.text == "down";
    const bool forward = a.text == "down" || a.text == "right";
    for (int i = 0; i < a.number; ++i)
        win::ClickScrollArrow(w, vertical ? win::SB_VERT : win::SB_HORZ, forward);
}

std::string WindowLine(win::HWND w) {
    char name[64] = {};
    win::GetClassName(w, name, sizeof name);
    win::RECT r{};
    win::GetWindowRect(w, &r);
    char line[400];
    std::snprintf(line, sizeof line, "  window %s \"%s\" %d,%d - %d,%d %s%s", name,
                  win::WindowText(w).c_str(), static_cast<int>(r.left), static_cast<int>(r.top),
                  static_cast<int>(r.right), static_cast<int>(r.bottom),
                  win::IsWindowVisible(w) ? "shown" : "hidden",
                  w == win::GetActiveWindow() ? ", keyboard" : "");
    return line;
}

}  // namespace

bool IsWindowInput(Verb verb) {
    return verb == Verb::kMenu || verb == Verb::kKey || verb == Verb::kClick ||
           verb == Verb::kDoubleClick || verb == Verb::kScroll || verb == Verb::kWheel;
}

bool RunWindowInput(const ScriptAction& a) {
    win::HWND w = Target(a);
    if (w == nullptr || !win::IsWindow(w))
        return Fail("no window of class \"" + a.className + "\"");
    switch (a.verb) {
        case Verb::kMenu:
            Menu(w, static_cast<unsigned>(a.number));
            break;
        case Verb::kKey:
            Keys(w, a.text);
            break;
        case Verb::kClick:
            win::Click(w, a.x, a.y, a.right ? win::MouseButton::Right : win::MouseButton::Left);
            break;
        case Verb::kDoubleClick:
            win::DoubleClick(w, a.x, a.y);
            break;
        case Verb::kScroll:
            Scroll(w, a);
            break;
        case Verb::kWheel:
            win::Wheel(w, a.number);
            break;
        default:
            return false;
    }
    return true;
}

void RunWindowReport(const ScriptAction& a, RunLog& log) {
    if (a.verb == Verb::kWindows) {
        win::HWND main = mainWindowState.mainWindow;
        log.Note("windows");
        if (main == nullptr || !win::IsWindow(main)) return;
        for (win::HWND w = win::GetWindow(main, win::GW_HWNDFIRST); w != nullptr;
             w = win::GetWindow(w, win::GW_HWNDNEXT))
            log.Note(WindowLine(w));
        return;
    }
    win::HWND w = Target(a);
    win::HMENU menu = w != nullptr ? win::GetMenu(w) : nullptr;
    if (menu == nullptr) {
        Fail("menustate: no menu of \"" + (a.className.empty() ? "the main window" : a.className) +
             "\"");
        return;
    }
    log.Note("menu of " + (a.className.empty() ? std::string("the main window") : a.className));
    std::istringstream lines(win::DumpMenu(menu));
    for (std::string line; std::getline(lines, line);) log.Note("  " + line);
}
