// Scripted answers (dialog handlers, message-box answers, file-dialog
// answers), the record of message boxes, script failures, the input helpers
// tests use, and the whole-platform reset.
#include "platform/drivers/script.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>

#include "platform/system/clipboard.h"
#include "platform/dialogs/dialog.h"
#include "platform/drivers/input_events.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

void ResetInputFocus();
void ResetPaths();
void ScriptedThumbDrag(HWND hwnd, int bar, int pos);
void ScriptedArrowClick(HWND hwnd, int bar, bool down);
HWND ActiveModalDialog();
void PumpModal(HWND dialog);

namespace {

struct HandlerEntry {
    DialogHandler handler;
    int timesLeft = -1;
};

struct BoxAnswer {
    std::string caption;
    std::string textPart;
    int answer = 0;
    int timesLeft = 1;
    bool atStart = false;  // textPart must open the text rather than occur in it
};

struct FileAnswer {
    bool cancel = false;
    std::string path;
};

struct ScriptState {
    std::map<int, std::vector<HandlerEntry>> dialogHandlers;
    std::vector<BoxAnswer> boxAnswers;
    std::vector<MessageBoxRecord> boxLog;
    std::deque<FileAnswer> fileAnswers;
    std::vector<FileDialogLogEntry> fileLog;
};

ScriptState& Script() {
    static ScriptState state;
    return state;
}

ScriptFailureHandler& FailureHandler() {
    static ScriptFailureHandler handler;
    return handler;
}

// Runs what earlier input left queued, so the next event meets its effects:
// inside a scripted dialog only that dialog's messages and paints.
void Settle() {
    if (HWND modal = ActiveModalDialog())
        PumpModal(modal);
    else
        RunUntilIdle();
}

POINT ScreenPoint(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

}  // namespace

DialogHandler TakeDialogHandler(int templateId) {
    auto it = Script().dialogHandlers.find(templateId);
    if (it == Script().dialogHandlers.end() || it->second.empty()) return {};
    HandlerEntry& e = it->second.back();
    DialogHandler h = e.handler;
    if (e.timesLeft > 0 && --e.timesLeft == 0) it->second.pop_back();
    return h;
}

int TakeMessageBoxAnswer(const std::string& caption, const std::string& text) {
    auto& answers = Script().boxAnswers;
    for (auto it = answers.begin(); it != answers.end(); ++it) {
        if (!it->caption.empty() && it->caption != caption) continue;
        if (!it->textPart.empty() && text.find(it->textPart) == std::string::npos) continue;
        if (it->atStart && text.compare(0, it->textPart.size(), it->textPart) != 0) continue;
        int a = it->answer;
        if (it->timesLeft > 0 && --it->timesLeft == 0) answers.erase(it);
        return a;
    }
    return 0;
}

void RecordMessageBox(const MessageBoxRecord& record) {
    Script().boxLog.push_back(record);
}

// The next file answer: true with `path` filled, or with `cancelled`; false
// when none is queued.
bool TakeFileAnswer(std::string* path, bool* cancelled) {
    auto& q = Script().fileAnswers;
    if (q.empty()) return false;
    *cancelled = q.front().cancel;
    *path = q.front().path;
    q.pop_front();
    return true;
}

void RecordFileDialog(const FileDialogLogEntry& entry) {
    Script().fileLog.push_back(entry);
}

void ResetScript() {
    Script() = ScriptState{};
}

}  // namespace detail

void SetScriptFailureHandler(ScriptFailureHandler handler) {
    detail::FailureHandler() = std::move(handler);
}

void ReportScriptFailure(const std::string& what) {
    if (detail::FailureHandler()) {
        detail::FailureHandler()(what);
        return;
    }
    std::fprintf(stderr, "script failure: %s\n", what.c_str());
    std::abort();
}

void OnDialog(int templateId, DialogHandler handler, int times) {
    detail::Script().dialogHandlers[templateId].push_back(
        detail::HandlerEntry{std::move(handler), times});
}

void AnswerMessageBox(const std::string& caption, const std::string& textPart, int answer,
                      int times) {
    detail::Script().boxAnswers.push_back(detail::BoxAnswer{caption, textPart, answer, times});
}

void AnswerMessageBoxStartingWith(const std::string& textStart, int answer, int times) {
    detail::Script().boxAnswers.push_back(detail::BoxAnswer{"", textStart, answer, times, true});
}

const std::vector<MessageBoxRecord>& MessageBoxLog() {
    return detail::Script().boxLog;
}
void ClearMessageBoxLog() {
    detail::Script().boxLog.clear();
}

void AnswerFileDialog(const std::string& path) {
    detail::Script().fileAnswers.push_back({false, path});
}
void CancelFileDialog() {
    detail::Script().fileAnswers.push_back({true, ""});
}
const std::vector<FileDialogLogEntry>& FileDialogLog() {
    return detail::Script().fileLog;
}

bool ChooseMenuCommand(HWND hwnd, UINT commandId) {
    HMENU menu = GetMenu(hwnd);
    MenuItemState s = FindMenuItemState(menu, commandId);
    if (!s.found) {
        ReportScriptFailure("Menu command " + std::to_string(commandId) +
                            " is not in the menu of \"" + WindowText(hwnd) + "\"");
        return false;
    }
    if (!s.enabled) {
        ReportScriptFailure("Menu command " + std::to_string(commandId) + " \"" + s.text +
                            "\" is greyed");
        return false;
    }
    SendMessage(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    return PostMessage(hwnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(commandId), 0), 0) != FALSE;
}

void MouseDownAt(POINT screen, MouseButton button) {
    detail::Settle();
    InjectMouseButton(screen, button, true);
}

void MouseMoveTo(POINT screen) {
    detail::Settle();
    InjectMouseMove(screen);
}

void MouseUpAt(POINT screen, MouseButton button) {
    detail::Settle();
    InjectMouseButton(screen, button, false);
}

void Click(HWND hwnd, int x, int y, MouseButton button) {
    POINT p = detail::ScreenPoint(hwnd, x, y);
    MouseDownAt(p, button);
    MouseUpAt(p, button);
    detail::Settle();
}

void DoubleClick(HWND hwnd, int x, int y, MouseButton button) {
    POINT p = detail::ScreenPoint(hwnd, x, y);
    MouseDownAt(p, button);
    MouseUpAt(p, button);
    detail::Settle();
    InjectMouseButton(p, button, true, true);
    MouseUpAt(p, button);
    detail::Settle();
}

void PressKey(int virtualKey, bool control, bool shift, bool alt) {
    detail::Settle();
    if (alt) InjectKey(VK_MENU, true);
    if (control) InjectKey(VK_CONTROL, true);
    if (shift) InjectKey(VK_SHIFT, true);
    char ch = 0;
    if (!control) {
        if (virtualKey >= 'A' && virtualKey <= 'Z')
            ch = static_cast<char>(shift ? virtualKey : virtualKey + 32);
        if (virtualKey >= '0' && virtualKey <= '9' && !shift) ch = static_cast<char>(virtualKey);
        if (virtualKey == VK_SPACE) ch = ' ';
        if (virtualKey == VK_BACK) ch = '\b';
        if (virtualKey == VK_RETURN) ch = '\r';
        if (virtualKey == VK_TAB) ch = '\t';
        if (virtualKey == VK_ESCAPE) ch = 0x1B;
    }
    InjectKey(virtualKey, true, ch);
    detail::Settle();
    InjectKey(virtualKey, false);
    if (shift) InjectKey(VK_SHIFT, false);
    if (control) InjectKey(VK_CONTROL, false);
    if (alt) InjectKey(VK_MENU, false);
    detail::Settle();
}

void TypeText(const std::string& text) {
    for (char c : text) {
        detail::Settle();
        int vk = 0;
        if (c >= 'a' && c <= 'z') vk = c - 32;
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) vk = c;
        if (c == ' ') vk = VK_SPACE;
        InjectKey(vk, true, c);
        detail::Settle();
        InjectKey(vk, false);
    }
    detail::Settle();
}

void Wheel(HWND hwnd, int notches) {
    detail::Settle();
    InjectWheel(hwnd, notches * WHEEL_DELTA);
    detail::Settle();
}

void SetField(HWND dialog, int controlId, const std::string& text) {
    HWND c = GetDlgItem(dialog, controlId);
    if (c == nullptr) {
        ReportScriptFailure("Dialog \"" + WindowText(dialog) + "\" has no control " +
                            std::to_string(controlId));
        return;
    }
    char cls[32];
    GetClassName(c, cls, sizeof cls);
    if (!detail::EqualsNoCase(cls, "EDIT")) {
        SetWindowText(c, text.c_str());
        return;
    }
    SetFocus(c);
    SendMessage(c, EM_SETSEL, 0, -1);
    if (text.empty()) SendMessage(c, WM_CHAR, '\b', 0);
    for (char ch : text) SendMessage(c, WM_CHAR, static_cast<unsigned char>(ch), 0);
    if (IsWindow(dialog)) {
        HWND next = GetNextDlgTabItem(dialog, c, FALSE);
        SetFocus(next != nullptr && next != c ? next : dialog);
    }
}

void PressButton(HWND dialog, int controlId) {
    HWND c = GetDlgItem(dialog, controlId);
    if (c == nullptr && controlId != IDCANCEL && controlId != IDOK) {
        ReportScriptFailure("Dialog \"" + WindowText(dialog) + "\" has no button " +
                            std::to_string(controlId));
        return;
    }
    if (c != nullptr && !IsWindowEnabled(c)) {
        ReportScriptFailure("Button " + std::to_string(controlId) + " \"" + WindowText(c) +
                            "\" is disabled");
        return;
    }
    char cls[32] = "";
    if (c != nullptr) GetClassName(c, cls, sizeof cls);
    if (c != nullptr && detail::EqualsNoCase(cls, "BUTTON"))
        SendMessage(c, BM_CLICK, 0, 0);
    else
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(controlId), BN_CLICKED),
                    reinterpret_cast<LPARAM>(c));
}

void SetCheck(HWND dialog, int controlId, bool checked) {
    HWND c = GetDlgItem(dialog, controlId);
    if (c == nullptr) {
        ReportScriptFailure("Dialog \"" + WindowText(dialog) + "\" has no check box " +
                            std::to_string(controlId));
        return;
    }
    bool now = SendMessage(c, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (now != checked) PressButton(dialog, controlId);
}

void ChooseListItem(HWND dialog, int controlId, int index, bool doubleClick) {
    HWND list = GetDlgItem(dialog, controlId);
    int y = list != nullptr ? detail::ListItemClientY(list, index) : -1;
    if (y < 0) {
        ReportScriptFailure("List " + std::to_string(controlId) + " of \"" + WindowText(dialog) +
                            "\" has no entry " + std::to_string(index));
        return;
    }
    if (doubleClick)
        DoubleClick(list, 4, y);
    else
        Click(list, 4, y);
}

void ClickScrollArrow(HWND hwnd, int bar, bool downOrRight) {
    detail::ScriptedArrowClick(hwnd, bar, downOrRight);
}

void DragScrollThumb(HWND hwnd, int bar, int pos) {
    detail::ScriptedThumbDrag(hwnd, bar, pos);
}

void ResetPlatform() {
    detail::ResetWindows();
    detail::ResetMessages();
    detail::ResetInputFocus();
    detail::ResetInput();
    detail::ResetMenus();
    detail::ResetClipboard();
    detail::ResetGlobalMemory();
    detail::ResetFiles();
    detail::ResetPaths();
    detail::ResetSystem();
    detail::ResetScript();
    detail::ResetDialogs();
    detail::ResetClasses();
}

}  // namespace win
