// The one body of the four list choosers. Each chooser is a modal dialog with
// a list box, OK (1) and Cancel (2); what differs between them is how the list
// is filled, how a change of selection is corrected, and what OK (or a
// double-click) and Cancel store. A chooser describes that in a ListChooser
// and its dialog procedure forwards every message here.
#pragma once

#include <span>
#include <string>

#include "platform/window/win_types.h"

struct ListChooser {
    int listId;
    // WM_INITDIALOG: fill the list and select the opening row.
    void (*open)(win::HWND dialog, win::HWND list);
    // The user changed the selection to `row`.
    void (*selectionChanged)(win::HWND list, int row);
    // OK or a double-click with `row` selected; true ends the dialog.
    bool (*choose)(win::HWND list, int row);
    // Cancel (or the close box).
    void (*cancel)();
};

win::INT_PTR RunListChooser(const ListChooser& chooser, win::HWND dialog, win::UINT msg,
                            win::WPARAM wParam, win::LPARAM lParam);

// List helpers.
void AddListRow(win::HWND list, const std::string& text);
void SelectListRow(win::HWND list, int row);        // a row outside the list selects none
[[nodiscard]] int SelectedListRow(win::HWND list);  // -1 when none
// Gives the list the fixed-pitch OEM font.
void UseOemFont(win::HWND list);

// Copies `text` into `out`, cut to fit and always terminated.
void CopyChooserText(std::span<char> out, const char* text);
