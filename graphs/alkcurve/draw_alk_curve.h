// DrawAlkCurve: the picture of the user's pH-alkalinity curve, the measured
// pairs as triangles over the model curve in red on numbered axes, painted
// into a window, a bitmap copied from it, or a printer page.
#pragma once

#include <string>
#include <vector>

#include "graphs/alkcurve/alk_curve_plot.h"
#include "platform/window/win_types.h"

// Paints from alkCurvePoints and userAlkCurve, by renderTarget and the paper
// style of alkGraphState; the window's client rectangle sizes the picture on
// the screen and bitmap targets, the printer page (fitted to 4:3) on the
// printer. Leaves the device context in MM_ANISOTROPIC with y growing upward
// and every other object as it found it. Returns 0.
int DrawAlkCurve(win::HDC dc, win::HWND window);

// What the last paint drew, for the harness and the tests.
struct AlkCurveReport {
    bool curve = false;  // there was a pair to draw from
    AlkAxis x{};
    AlkAxis y{};
    std::vector<std::string> xLabels;
    std::vector<std::string> yLabels;
    std::string yCaption;
    std::vector<win::POINT> line;  // the curve's vertices as drawn
    win::RECT plot{};              // P: left, top, right, bottom
    win::RECT frame{};             // O
};
int DrawAlkCurveReported(win::HDC dc, win::HWND window, AlkCurveReport* report);
