// tarvex-engine frame3d bars|contour HEIGHT: the corners of the 3D graph's box
// on a picture HEIGHT pixels high (O, A, B, C, O', A', B', truncated).
// tarvex-engine graph3d ph|pco2|pressure [WATER] --code C [--size WxH]
// [--contour] [--grey] [--black] [--flat V] --out FILE: the 3D graph of one
// code over the single-water grid of WATER (computed over the ranges a new
// workspace starts with) or, with --flat, over a grid whose every cell is V;
// painted into a headless window of that client size and saved as a PPM
// picture. Prints the value axis ("valueaxis LOW HIGH N").
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/threed/draw_3d_graph.h"
#include "graphs/threed/threed_geometry.h"
#include "graphs/threed/threed_graph_records.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/profiles/profiles.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/startup/workspace_defaults.h"
#include "shell/whatif/whatif_command_records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/whatif_setup.h"

namespace {

struct Graph3dArgs {
    std::string kind;
    std::string water;
    long code = -1;
    int width = 640;
    int height = 480;
    bool contour = false, grey = false, black = false, flat = false;
    double flatValue = 0.0;
    std::string out;
};

bool Number(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
}

bool ParseArgs(std::span<char* const> args, Graph3dArgs& g, std::FILE* err) {
    if (args.empty()) {
        std::fprintf(err, "graph3d: give a kind\n");
        return false;
    }
    g.kind = args[0];
    if (g.kind != "ph" && g.kind != "pco2" && g.kind != "pressure") {
        std::fprintf(err, "graph3d: unknown kind \"%s\"\n", args[0]);
        return false;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string a = args[i];
        const bool hasValue = i + 1 < args.size();
        double v = 0.0;
        if (a == "--code" && hasValue && Number(args[i + 1], v) && v >= 0 && v <= 0xFFFF) {
            g.code = static_cast<long>(v);
            ++i;
        } else if (a == "--size" && hasValue &&
                   std::sscanf(args[i + 1], "%dx%d", &g.width, &g.height) == 2 && g.width >= 0 &&
                   g.height >= 0 && g.width <= 4000 && g.height <= 4000) {
            ++i;
        } else if (a == "--flat" && hasValue && Number(args[i + 1], g.flatValue)) {
            g.flat = true;
            ++i;
        } else if (a == "--out" && hasValue) {
            g.out = args[++i];
        } else if (a == "--contour") {
            g.contour = true;
        } else if (a == "--grey") {
            g.grey = true;
        } else if (a == "--black") {
            g.black = true;
        } else if (a[0] != '-' && g.water.empty()) {
            g.water = a;
        } else {
            std::fprintf(err, "graph3d: unexpected argument \"%s\"\n", args[i]);
            return false;
        }
    }
    if (g.code < 0 || g.out.empty() || (g.water.empty() && !g.flat)) {
        std::fprintf(err, "graph3d: give WATER or --flat V, --code C and --out FILE\n");
        return false;
    }
    return true;
}

// Every table of every cell holds `v`, so any code reads it.
void FillFlatGrid(float v) {
    GridTable& grid = whatIfResults.grid;
    for (int cell = 0; cell < kGridCells; ++cell) {
        for (float& x : grid.analysis[cell]) x = v;
        for (float& x : grid.results[cell]) x = v;
        for (float& x : grid.excess[cell]) x = v;
        for (float& x : grid.corrosion[cell]) x = v;
        grid.acidDose[cell] = grid.alkaliDose[cell] = grid.dose[cell] = v;
        grid.doseStatus[cell] = 0;
    }
}

int RunGrid(const Graph3dArgs& g, std::FILE* err) {
    const bool pressure = g.kind == "pressure";
    if (g.flat) {
        FillFlatGrid(static_cast<float>(g.flatValue));
    } else {
        const int status = PrepareSurfaceWater(g.water.c_str(), err);
        if (status != kExitOk) return status;
    }
    whatIfOptions = WhatIfOptions{};
    whatIfOptions.varyPco2 = g.kind == "pco2" ? 1 : 0;
    SetStartRanges(unitCodes, whatIfSettings, graphRangeSettings);
    if (!g.flat) {
        ReportDriverServicesTo(err);
        if (pressure)
            CalcGridPressTemp(0);
        else
            CalcGridpHTemp(0);
        StopReportingDriverServices();
        if ((pressure ? resultStatus.gridDone2 : resultStatus.gridDone) == 0) return kExitBadInput;
    }
    whatIfResults.grid.gridKind =
        pressure ? GridKind::kPressureTemperature : GridKind::kPhTemperature;
    threeDGraphKind =
        pressure ? ThreeDGraphKind::kPressureTemperature : ThreeDGraphKind::kSingleWater;
    return kExitOk;
}

win::LRESULT GraphProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_PAINT) {
        win::PAINTSTRUCT ps;
        win::HDC dc = win::BeginPaint(hwnd, &ps);
        Draw3DGraph(dc, hwnd);
        win::EndPaint(hwnd, &ps);
        return 0;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

int CmdFrame3d(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    double height = 0.0;
    const bool bars = args.size() == 2 && std::strcmp(args[0], "bars") == 0;
    const bool contour = args.size() == 2 && std::strcmp(args[0], "contour") == 0;
    if ((!bars && !contour) || !Number(args[1], height) || height < 0 || height > 1e6) {
        std::fprintf(err, "frame3d: give bars or contour and a height\n");
        return kExitUsage;
    }
    const ThreeDBox b = MakeThreeDBox(contour ? 2 : 0, static_cast<int32_t>(height));
    const struct {
        const char* name;
        Point2 p;
    } corners[] = {
        {"O", b.O()},
        {"A", b.A()},
        {"B", b.B()},
        {"C", b.C()},
        {"O'", b.Raise(b.O(), b.height)},
        {"A'", b.Raise(b.A(), b.height)},
        {"B'", b.Raise(b.B(), b.height)},
    };
    for (const auto& c : corners) {
        const win::POINT p = ToPoint(c.p);
        std::fprintf(out, "%s (%d,%d)\n", c.name, static_cast<int>(p.x), static_cast<int>(p.y));
    }
    return kExitOk;
}

int CmdGraph3d(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    Graph3dArgs g;
    if (!ParseArgs(args, g, err)) return kExitUsage;
    const int status = RunGrid(g, err);
    if (status != kExitOk) return status;

    graphChoice.count = 1;
    graphChoice.codes[0] = static_cast<int16_t>(g.code);
    graphCodePosition = 0;
    gridOrientationSet = 0;
    displaySettings.threeDPlotStyle = g.contour ? 2 : 0;
    whiteBackground = g.black ? 0 : 1;
    graphOutputFlags.displayColor = g.grey ? 0 : 1;
    graphOutputFlags.colorNow = graphOutputFlags.displayColor;
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    exportingImage = 0;

    win::SetDesktopSize(std::max(g.width, 1280), std::max(g.height, 1024));
    win::WNDCLASS wc{};
    wc.lpfnWndProc = GraphProc;
    wc.lpszClassName = "HarnessGraph3dWindow";
    if (win::RegisterClass(&wc) == 0) return kExitBadInput;
    win::HWND hwnd = win::CreateWindow("HarnessGraph3dWindow", "", win::WS_POPUP | win::WS_VISIBLE,
                                       0, 0, g.width, g.height, nullptr, nullptr, nullptr, nullptr);
    if (hwnd == nullptr) return kExitBadInput;
    win::InvalidateRect(hwnd, nullptr, 1);
    win::UpdateWindow(hwnd);
    const win::Image32 picture = win::ReadWindowPixels(hwnd);
    win::DestroyWindow(hwnd);
    std::fprintf(out, "valueaxis %.6g %.6g %.0f\n", valueAxisLow, valueAxisHigh,
                 valueAxisStep != 0.0 ? (valueAxisHigh - valueAxisLow) / valueAxisStep : 0.0);
    if (!win::WritePpm(g.out, picture)) {
        std::fprintf(err, "graph3d: cannot write %s\n", g.out.c_str());
        return kExitBadInput;
    }
    return kExitOk;
}
