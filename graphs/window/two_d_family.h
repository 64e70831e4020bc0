// What the windows of menu 14 (the 2D graph and the well-log summary graph)
// do alike: their display switches, alt keys, COPY, EXPORT IMAGE, and the
// steps of PRINT around each window's own colour and placement choices.
#pragma once

#include "graphs/window/graph_picture_export.h"
#include "graphs/window/graph_window_steps.h"
#include "platform/window/win_types.h"

// The command of an alt key of menu 14, or 0.
[[nodiscard]] int TwoDFamilyAltCommand(win::WPARAM key);

// The treated colour coding item's text from the state; `enable` also
// enables the item.
void SetTreatedColourText(win::HWND hwnd, bool enable);

// A title, colour, pattern or treated switch of menu 14 (998, 990, 1009 to
// 1012): the flag toggled, its item's text set (and the item enabled when
// `enable`), the display switches painting at once, then the window
// invalidated. False for any other id, which changes nothing.
bool SwitchTwoDFamilyItem(win::HWND hwnd, int id, GraphPainter paint, bool enable);

// The flags of the screen picture again: colour as displayed, no print and
// no export.
void TwoDFamilyBackToScreen();

// COPY: the picture painted in export colours onto a bitmap and put on the
// clipboard; the window is the screen picture again and has the focus.
void CopyTwoDFamilyGraph(win::HWND hwnd, GraphPainter paint);

// EXPORT IMAGE's steps (the descriptor's begin, abandon and finish).
void BeginTwoDFamilyExport();
void AbandonTwoDFamilyExport(win::HWND hwnd);
void FinishTwoDFamilyExport(win::HWND hwnd, GraphPainter paint);
template <GraphPainter Paint>
void FinishTwoDFamilyExportOf(win::HWND hwnd) {
    FinishTwoDFamilyExport(hwnd, Paint);
}
// The export descriptor of a 2D-family window painting with `Paint`.
template <GraphPainter Paint>
constexpr GraphPictureDescriptor TwoDFamilyExport() {
    return GraphPictureDescriptor{BeginTwoDFamilyExport,
                                  nullptr,
                                  "Error: Cannot open image file",
                                  Paint,
                                  true,
                                  AbandonTwoDFamilyExport,
                                  FinishTwoDFamilyExportOf<Paint>};
}

// PRINT's first step: the window made 95% of the desktop high and disabled,
// the job begun and named. A cancelled or failed dialog gives null, the
// window enabled again with the focus (the caller puts it back in place).
[[nodiscard]] win::HDC BeginTwoDFamilyPrint(win::HWND hwnd, const char* documentName);
// The page: painted straight into the printer by drivers that draw the graph
// themselves, else printed as a picture; then the screen flags again and the
// window repainted. True when printed straight (the job's document is open).
bool PrintTwoDFamilyPage(win::HWND hwnd, win::HDC printer, GraphPainter paint);
// The job ended (a picture print has ended its own document), the window
// enabled.
void EndTwoDFamilyPrint(win::HWND hwnd, bool direct);
// The print colour item's text, greyed on a printer without colour.
void SetPrintColourItem(win::HWND hwnd);
