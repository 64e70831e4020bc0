// The page verbs of scripts.
#include "app/verbs/page_verbs.h"

#include <cstdio>

#include "app/script_runner.h"
#include "pages/frame/page_classes.h"
#include "pages/frame/page_probe.h"
#include "platform/drivers/script.h"
#include "platform/files/whole_file_write.h"
#include "platform/window/window.h"

namespace {

bool Fail(const std::string& what) {
    win::ReportScriptFailure(what);
    return false;
}

win::POINT Screen(win::HWND hwnd, win::POINT client) {
    win::ClientToScreen(hwnd, &client);
    return client;
}

void Drag(win::HWND hwnd, int dx, int dy) {
    win::RECT client;
    win::GetClientRect(hwnd, &client);
    const win::POINT from = Screen(hwnd, win::POINT{client.right / 2, client.bottom / 2});
    win::MouseDownAt(from, win::MouseButton::Left);
    win::MouseMoveTo(win::POINT{from.x + dx, from.y + dy});
    win::MouseUpAt(win::POINT{from.x + dx, from.y + dy}, win::MouseButton::Left);
}

void RightClick(PageClass page, win::HWND hwnd, int column, int line) {
    const win::POINT at = Screen(hwnd, PageCellPoint(page, hwnd, column, line));
    win::MouseDownAt(at, win::MouseButton::Right);
    win::MouseUpAt(at, win::MouseButton::Right);
}

void Where(win::HWND hwnd, const std::string& className, RunLog& log) {
    win::RECT r;
    win::GetWindowRect(hwnd, &r);
    char line[160];
    std::snprintf(line, sizeof line, "where %s: %d,%d - %d,%d", className.c_str(),
                  static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                  static_cast<int>(r.bottom));
    log.Note(line);
}

}  // namespace

bool PageVerbIsInput(ScriptAction::Verb verb) {
    return verb == ScriptAction::Verb::kDrag || verb == ScriptAction::Verb::kRightClick ||
           verb == ScriptAction::Verb::kClose;
}

bool RunPageVerb(const ScriptAction& a, RunLog& log) {
    const std::string verb = DescribeAction(a);
    PageClass page;
    const bool isPage = FindPageClass(a.className.c_str(), &page);
    win::HWND hwnd = win::FindWindow(a.className.c_str(), nullptr);
    if (hwnd == nullptr ||
        (!isPage && a.verb != ScriptAction::Verb::kWhere && a.verb != ScriptAction::Verb::kClose &&
         a.verb != ScriptAction::Verb::kDrag))
        return Fail(verb + ": no page of class \"" + a.className + "\"");
    switch (a.verb) {
        case ScriptAction::Verb::kDrag:
            Drag(hwnd, a.number, a.control);
            return true;
        case ScriptAction::Verb::kRightClick:
            RightClick(page, hwnd, a.number, a.control);
            return true;
        case ScriptAction::Verb::kClose:
            win::PostMessage(hwnd, win::WM_CLOSE, 0, 0);
            return true;
        case ScriptAction::Verb::kWhere:
            Where(hwnd, a.className, log);
            return true;
        case ScriptAction::Verb::kText: {
            const std::string text = PagePlainText(page);
            if (win::ReplaceLinuxFileContents(a.text, text.data(), text.size()) == win::FALSE)
                return Fail("text: " + win::FailedLinuxWriteText("Writing", a.text));
            return true;
        }
        default:
            return false;
    }
}
