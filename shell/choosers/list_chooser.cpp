// The message handling shared by the list choosers. OK or a double-click with
// no row selected chooses nothing and leaves the dialog open, so no chooser
// ever reads the text or level of a row that does not exist.
#include "shell/choosers/list_chooser.h"

#include <algorithm>
#include <cstring>

#include "platform/dialogs/dialog.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

win::INT_PTR RunListChooser(const ListChooser& chooser, win::HWND dialog, win::UINT msg,
                            win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            chooser.open(dialog, win::GetDlgItem(dialog, chooser.listId));
            return win::TRUE;
        case win::WM_COMMAND: {
            const int id = win::LOWORD(wParam);
            const int code = win::HIWORD(wParam);
            const win::HWND list = win::GetDlgItem(dialog, chooser.listId);
            if (id == chooser.listId && code == win::LBN_SELCHANGE) {
                chooser.selectionChanged(list, SelectedListRow(list));
                return win::TRUE;
            }
            if (id == win::IDOK || (id == chooser.listId && code == win::LBN_DBLCLK)) {
                const int row = SelectedListRow(list);
                if (row >= 0 && chooser.choose(list, row)) win::EndDialog(dialog, win::IDOK);
                return win::TRUE;
            }
            if (id == win::IDCANCEL) {
                chooser.cancel();
                win::EndDialog(dialog, win::IDCANCEL);
                return win::TRUE;
            }
            return win::FALSE;
        }
        default:
            return win::FALSE;
    }
}

void AddListRow(win::HWND list, const std::string& text) {
    win::SendMessage(list, win::LB_ADDSTRING, 0, reinterpret_cast<win::LPARAM>(text.c_str()));
}

void SelectListRow(win::HWND list, int row) {
    win::SendMessage(list, win::LB_SETCURSEL, static_cast<win::WPARAM>(row), 0);
}

int SelectedListRow(win::HWND list) {
    const auto row = static_cast<int>(win::SendMessage(list, win::LB_GETCURSEL, 0, 0));
    return row < 0 ? -1 : row;
}

void UseOemFont(win::HWND list) {
    win::SendMessage(list, win::WM_SETFONT,
                     reinterpret_cast<win::WPARAM>(win::GetStockObject(win::OEM_FIXED_FONT)),
                     win::FALSE);
}

void CopyChooserText(std::span<char> out, const char* text) {
    if (out.empty()) return;
    const size_t n = text == nullptr ? 0 : std::min(std::strlen(text), out.size() - 1);
    if (n > 0) std::memmove(out.data(), text, n);
    out[n] = '\0';
}
