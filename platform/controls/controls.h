// The built-in control classes ("STATIC", "BUTTON", "EDIT", "LISTBOX",
// "SCROLLBAR") and how they are painted.
//
// Controls keep their state here and ask their parent for colours with the
// WM_CTLCOLOR* messages; the pixels are drawn by a painter the drawing library
// installs (text needs fonts). Without one, a plain painter fills and frames
// the control so its place is visible.
#pragma once

#include <string>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

enum class ControlKind {
    Static,
    GroupBox,
    PushButton,
    CheckBox,
    RadioButton,
    Edit,
    ListBox,
    ScrollBar
};

struct ControlPaintInfo {
    HWND hwnd = nullptr;
    ControlKind kind = ControlKind::Static;
    HDC hdc = nullptr;
    HBRUSH background = nullptr;  // the parent's WM_CTLCOLOR* answer (may be null)
    // The text colour the parent left in the device context while it answered
    // WM_CTLCOLOR* (the system's text colour when it set none).
    COLORREF textColour = 0;
    HFONT font = nullptr;
    DWORD style = 0;
    RECT client;
    std::string text;
    bool enabled = true;
    bool focused = false;
    bool isDefault = false;  // default push button
    int checkState = 0;      // check boxes and radio buttons: BST_*
    // Edit controls: the selection (caret at selectionEnd).
    int selectionStart = 0;
    int selectionEnd = 0;
    // List boxes.
    const std::vector<std::string>* items = nullptr;
    int selectedIndex = -1;
    int topIndex = 0;
    int itemHeight = 16;
    const std::vector<int>* tabStops = nullptr;  // dialog units
    // Scroll bars.
    SCROLLINFO scroll;
    bool vertical = true;
};

// Where the parts of a scroll bar lie along its length (pixels from its
// start): an arrow box at each end and the thumb between them. One rule for
// drawing a bar and for the mouse on it. `thumbLength` is 0 when the track
// is too short to show a thumb.
struct ScrollBarGeometry {
    int arrow = 0;
    int thumbStart = 0;
    int thumbLength = 0;
};
[[nodiscard]] ScrollBarGeometry MeasureScrollBar(const SCROLLINFO& info, int length, int thickness);

using ControlPainter = void (*)(const ControlPaintInfo& info);
// Installed by the drawing library; nullptr restores the plain painter.
void SetControlPainter(ControlPainter painter);

// Paints a control in its WM_PAINT: begins painting, asks the parent for the
// colours, calls the painter and ends painting.
void PaintControl(HWND hwnd, ControlKind kind);

// Directory listing into a list box (and the current folder into a static
// control): `pathPattern` is a folder and/or a pattern such as "\ZORIN\*.KRV";
// the folder becomes current and only the pattern is left in `pathPattern`.
// Returns FALSE when the folder does not exist.
int DlgDirList(HWND dialog, char* pathPattern, int listBoxId, int staticPathId, UINT fileType);
BOOL DlgDirSelectEx(HWND dialog, char* out, int size, int listBoxId);

namespace detail {
void EnsureBuiltinClasses();
}  // namespace detail

}  // namespace win
