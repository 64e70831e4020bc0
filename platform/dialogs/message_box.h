// Message boxes: OK, OK/Cancel, Yes/No and Yes/No/Cancel with the
// information, question, exclamation and stop icons, with or without an
// owner. Returns the button pressed (IDOK, IDYES ...). Headless, boxes that
// ask something are answered by the script; every box is recorded.
#pragma once

#include <string>

#include "platform/dialogs/dialog.h"
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

namespace detail {
// The box a person answers: as wide as the longest line of its text up to
// two thirds of the desktop, longer lines broken between words, and as tall
// as the text and its buttons.
[[nodiscard]] DialogTemplate MessageBoxTemplate(const std::string& text, const std::string& caption,
                                                UINT type);
// The font and base units a template's dialog gets.
[[nodiscard]] DialogFont TemplateFont(const DialogTemplate& t);
}  // namespace detail

}  // namespace win
