// Message boxes. A box is modal for its owner: the owner is disabled while it
// is up and pending paints still run. The answer comes from the script
// (headless) or from the presenter of an interactive driver.
#include "platform/dialogs/message_box.h"

#include <string>

#include "platform/drivers/driver.h"
#include "platform/drivers/script.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

// Script side (script.cpp): the scripted answer, or 0 when none matches.
int TakeMessageBoxAnswer(const std::string& caption, const std::string& text);
void RecordMessageBox(const MessageBoxRecord& record);
int RunMessageBoxDialog(HWND owner, const std::string& text, const std::string& caption, UINT type);

namespace {

MessageBoxPresenter& Presenter() {
    static MessageBoxPresenter presenter = nullptr;
    return presenter;
}

bool AnswerFits(UINT type, int answer) {
    switch (type & MB_TYPEMASK) {
        case MB_OK:
            return answer == IDOK;
        case MB_OKCANCEL:
            return answer == IDOK || answer == IDCANCEL;
        case MB_YESNO:
            return answer == IDYES || answer == IDNO;
        case MB_YESNOCANCEL:
            return answer == IDYES || answer == IDNO || answer == IDCANCEL;
        default:
            return answer == IDOK || answer == IDCANCEL;
    }
}

// The answer a box gets when nothing answers it: the button that changes least.
int CancelAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OK:
            return IDOK;
        case MB_YESNO:
            return IDNO;
        default:
            return IDCANCEL;
    }
}

void PumpPaints() {
    MSG msg;
    for (int guard = 0; guard < 10000 && PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE);
         ++guard)
        DispatchMessage(&msg);
}

}  // namespace
}  // namespace detail

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    detail::Presenter() = presenter;
}

BOOL MessageBeep(UINT) {
    return TRUE;
}

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    using namespace detail;
    std::string t = text != nullptr ? text : "";
    std::string c = caption != nullptr ? caption : "Error";
    if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
    bool disabledOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disabledOwner) EnableWindow(owner, FALSE);
    PumpPaints();

    int answer = TakeMessageBoxAnswer(c, t);
    if (answer != 0 && !AnswerFits(type, answer)) {
        ReportScriptFailure("Scripted answer " + std::to_string(answer) + " does not fit box \"" +
                            c + "\": " + t);
        answer = 0;
    }
    if (answer == 0) {
        if (CurrentDriver().Interactive()) {
            answer = Presenter() != nullptr ? Presenter()(owner, t.c_str(), c.c_str(), type)
                                            : RunMessageBoxDialog(owner, t, c, type);
        } else if ((type & MB_TYPEMASK) == MB_OK) {
            answer = IDOK;  // a notice needs no answer
        } else {
            ReportScriptFailure("Unexpected message box \"" + c + "\": " + t);
            answer = CancelAnswer(type);
        }
    }
    RecordMessageBox(MessageBoxRecord{owner, c, t, type, answer});
    if (disabledOwner && IsWindow(owner)) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    return answer;
}

}  // namespace win
