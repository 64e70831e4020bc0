// Dialog templates (C++ data registered by numeric id), modal and modeless
// dialog boxes, and the helper calls on dialog controls.
//
// A template gives the caption, style, font and size in dialog units and its
// controls (class, id, text, style, position and size in dialog units). One
// horizontal dialog unit is a quarter of the font's average character width,
// one vertical unit an eighth of its height. A dialog whose template is not
// registered cannot open: DialogBoxParam returns -1 and nothing is shown.
//
// The dialog procedure returns TRUE when it handled a message (for
// WM_INITDIALOG, FALSE when it set the focus itself); for WM_CTLCOLOR* it
// returns the brush; other results go through DWL_MSGRESULT.
#pragma once

#include <string>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

struct DialogItemTemplate {
    std::string
        className;  // "BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR" or a registered class
    int id = 0;
    std::string text;
    DWORD style = 0;  // WS_CHILD | WS_VISIBLE are added
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD exStyle = 0;
};

struct DialogTemplate {
    std::string caption;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string fontName;  // with DS_SETFONT; empty: the system font
    int pointSize = 8;
    std::vector<DialogItemTemplate> items;
};

void RegisterDialogTemplate(int id, DialogTemplate dialogTemplate);
[[nodiscard]] const DialogTemplate* FindDialogTemplate(int id);
void ClearDialogTemplates();

// The font of a template: the drawing library installs a provider that
// creates it and measures its average character width and height (the dialog
// base units). Without one there is no font object and the system font's
// 6 x 13 pixels are scaled by point size / 8.
struct DialogFont {
    HFONT font = nullptr;
    SIZE baseUnits;
};
using DialogFontProvider = DialogFont (*)(const std::string& fontName, int pointSize);
void SetDialogFontProvider(DialogFontProvider provider);

// Modal: runs until EndDialog; returns its result, or -1 when the template is
// missing or the dialog could not be created.
INT_PTR DialogBoxParam(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc, LPARAM param);
INT_PTR DialogBox(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc);
inline INT_PTR DialogBoxParamA(HINSTANCE i, int t, HWND o, DLGPROC p, LPARAM l) {
    return DialogBoxParam(i, t, o, p, l);
}
// Modeless: returns the dialog window (nullptr when the template is missing).
HWND CreateDialogParam(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc, LPARAM param);
inline HWND CreateDialogParamA(HINSTANCE i, int t, HWND o, DLGPROC p, LPARAM l) {
    return CreateDialogParam(i, t, o, p, l);
}
// Builds a dialog from a template given directly (no registration).
INT_PTR DialogBoxIndirectParam(HINSTANCE instance, const DialogTemplate& dialogTemplate, HWND owner,
                               DLGPROC proc, LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);
// True once EndDialog has ended the dialog (or the window is none): the window
// stays until its modal loop returns, but no user reaches its controls.
[[nodiscard]] bool DialogEnded(HWND dialog);
// Keyboard handling of a dialog: Tab and Shift+Tab move between controls,
// Enter presses the default button (IDOK when none), Escape IDCANCEL, arrows
// move within a radio group. TRUE when the message was taken.
BOOL IsDialogMessage(HWND dialog, MSG* msg);
inline BOOL IsDialogMessageA(HWND d, MSG* m) {
    return IsDialogMessage(d, m);
}
LRESULT DefDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

BOOL MapDialogRect(HWND dialog, RECT* rect);
[[nodiscard]] LONG GetDialogBaseUnits();
// The next control with WS_TABSTOP; a radio button's group counts as one stop,
// and the stop in a radio group is its choice in force.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
// The checked button of the radio group holding `control`; the control itself
// when it is no radio button or its group has none checked.
[[nodiscard]] HWND ChoiceInForce(HWND dialog, HWND control);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

BOOL SetDlgItemText(HWND dialog, int id, const char* text);
inline BOOL SetDlgItemTextA(HWND d, int id, const char* t) {
    return SetDlgItemText(d, id, t);
}
UINT GetDlgItemText(HWND dialog, int id, char* buffer, int size);
inline UINT GetDlgItemTextA(HWND d, int id, char* b, int n) {
    return GetDlgItemText(d, id, b, n);
}
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
inline LRESULT SendDlgItemMessageA(HWND d, int id, UINT m, WPARAM w, LPARAM l) {
    return SendDlgItemMessage(d, id, m, w, l);
}
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
// Checks `checkId` and clears every other radio button from firstId to lastId.
BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);

}  // namespace win
