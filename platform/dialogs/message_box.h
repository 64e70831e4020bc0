// Message boxes: OK, OK/Cancel, Yes/No and Yes/No/Cancel with the
// information, question, exclamation and stop icons, with or without an
// owner. Returns the button pressed (IDOK, IDYES ...). Headless, boxes that
// ask something are answered by the script; every box is recorded.
#pragma once

#include "platform/window/win_types.h"

namespace win {

int MessageBox(HWND owner, const char* text, const char* caption, UINT type);
inline int MessageBoxA(HWND o, const char* t, const char* c, UINT type) {
    return MessageBox(o, t, c, type);
}
BOOL MessageBeep(UINT type);

// With a display the box is a dialog of our own controls; a presenter
// installed here replaces it (nullptr restores it).
using MessageBoxPresenter = int (*)(HWND owner, const char* text, const char* caption, UINT type);
void SetMessageBoxPresenter(MessageBoxPresenter presenter);

}  // namespace win
