// The pH-alkalinity graph window (class "AlkGraphWindow", menu 15): the
// picture of the stored curve in the shared graph-window slot, owned by the
// curve input dialog, with print, copy, picture export and close.
#pragma once

#include "platform/window/win_types.h"

// Menu 15's command ids; the PROPERTIES items are greyed (the picture has
// no grey or pattern variant).
namespace AlkGraphCommand {
enum : int {
    kPrint = 1013,
    kCopy = 985,
    kExportImage = 995,
    kClose = 1028,
    kExportGrey = 1009,
    kPrintGrey = 1010,
    kDisplayGrey = 1011,
    kPatterns = 1012,
};
}

// Opens the window for `owner` (the input dialog) when the curve has a pair:
// a window already in the slot is shown, a graph window of another kind
// there is closed first.
void CreateAlkGraphWindow(win::HWND owner);

win::LRESULT AlkGraphWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// COPY, EXPORT IMAGE and PRINT (alk_graph_pictures.cpp). The export answers
// 0 when the dialog was cancelled, 1 when the file could not be opened, -1
// otherwise.
void CopyAlkGraph(win::HWND hwnd);
int ExportAlkGraph(win::HWND hwnd);
void PrintAlkGraph(win::HWND hwnd);
