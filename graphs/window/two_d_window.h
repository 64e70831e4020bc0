// The 2D graph window (class "wc2DGraphWindow", menu 14): the bar graph of the
// profile its command asked for (graphProfileKind then, kept with the window),
// its value clicks and analysis copies, its switches, Choose Graphs, Choose
// Product, Change Range, copy, export, print and close.
#pragma once

#include <cstdint>
#include <string>

#include "graphs/window/range_hooks.h"
#include "platform/window/win_types.h"

// Menu 14's command ids.
namespace TwoDGraphCommand {
enum : int {
    kPrint = 1013,
    kCopy = 985,
    kExportImage = 995,
    kClose = 1028,
    kFormulaTitles = 998,
    kTreatedColours = 990,
    kDisplayGrey = 1011,
    kExportGrey = 1009,
    kPrintGrey = 1010,
    kPatterns = 1012,
    kChooseGraphs = 1064,
    kChooseProduct = 997,
    kChangeRange = 999,
};
}

win::LRESULT TwoDGraphWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                              win::LPARAM lParam);

// The open window shows the graph now asked for (the slot's reuse of it;
// the opener is OpenTwoDGraphWindow, graph_slot.h).
void RefreshTwoDGraphWindow(win::HWND window);
// After a command that replaced the waters (Open): an open 2D graph lays out
// its axis again for the waters now held, its profile computed again first
// when the workspace no longer holds it computed (its done flag cleared).
// With `asOpened` the profiles that their graph commands compute at every
// opening (the pressure and mixing-ratio profiles) are computed again too.
void RecalculateOpenTwoDGraph(bool asOpened = false);

// The single-water what-if dialog (template 85 on a desktop at most 900 pixels
// high, else 84) owned by the graph window; then the main menu's texts and the
// window repainted with erasing.
int OpenWhatIfFrom2DGraph(win::HWND window);

// The texts of the click boxes of point k (the box's caption and message).
struct ClickText {
    std::string caption;
    std::string message;
};
[[nodiscard]] ClickText ValueClickText(int kind, int k);
// The copy of point k's analysis: its record goes on the clipboard
// ("tkIntermediate") for the kinds that have one; returns the box's texts.
ClickText CopyPointAnalysis(int kind, int k);

// The points whose bar area holds the logical point (x, y) (origin at the
// client area's bottom left), in point order; only points below pointCount.
[[nodiscard]] int HitPoints(int x, int y, int (&points)[12]);

// The window's painter: the graph the window keeps (shown_graph.h) put in
// place, then the bar graph.
void DrawShownTwoDGraph(win::HDC dc, win::HWND window);

// EXPORT IMAGE and PRINT of the window (two_d_pictures.cpp).
int ExportTwoDGraph(win::HWND hwnd);
void PrintTwoDGraph(win::HWND hwnd);
