// tarvex-engine frame3d bars|contour HEIGHT: the corners of the 3D graph's box
// on a picture HEIGHT pixels high (O, A, B, C, O', A', B', truncated).
// tarvex-engine graph3d ph|pco2|pressure|mix0|mix1|mix2 [WATER [FORMATION]] --code C
// [--size WxH] [--contour] [--grey] [--black] [--flat V] [--labels] [--index]
// [--formulas] [--unit-precip N] --out FILE: the 3D graph of one code over the
// single-water grid of WATER, or the mixing grid of WATER (injection) and
// FORMATION (mix0 pH by temperature, mix1 percent by temperature, mix2 pH by
// percent), computed over the ranges a new workspace starts with; or, with
// --flat, over a grid whose every cell is V. Painted into a headless window of
// that client size and saved as a PPM picture. Prints the value axis
// ("valueaxis LOW HIGH N") and the texts drawn (title, unit, profile,
// subtitle, rows, columns, captions, foot, notice).
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/threed/draw_3d_graph.h"
#include "graphs/threed/threed_geometry.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/threed/threed_text.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/profiles/profiles.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/startup/workspace_defaults.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/mix_waters.h"
#include "tools/engine_harness/whatif_setup.h"

namespace {

struct Graph3dArgs {
    std::string kind;
    std::string water;
    std::string formation;
    bool labels = false, index = false, formulas = false;
    int precipitationUnit = 0;
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
    if (g.kind != "ph" && g.kind != "pco2" && g.kind != "pressure" && g.kind != "mix0" &&
        g.kind != "mix1" && g.kind != "mix2") {
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
        } else if (a == "--unit-precip" && hasValue && Number(args[i + 1], v) && v >= 0 && v <= 2) {
            g.precipitationUnit = static_cast<int>(v);
            ++i;
        } else if (a == "--labels") {
            g.labels = true;
        } else if (a == "--index") {
            g.index = true;
        } else if (a == "--formulas") {
            g.formulas = true;
        } else if (a == "--contour") {
            g.contour = true;
        } else if (a == "--grey") {
            g.grey = true;
        } else if (a == "--black") {
            g.black = true;
        } else if (a[0] != '-' && g.water.empty()) {
            g.water = a;
        } else if (a[0] != '-' && g.formation.empty()) {
            g.formation = a;
        } else {
            std::fprintf(err, "graph3d: unexpected argument \"%s\"\n", args[i]);
            return false;
        }
    }
    const bool mixing = g.kind.compare(0, 3, "mix") == 0;
    if (g.code < 0 || g.out.empty() || (g.water.empty() && !g.flat) ||
        (mixing && !g.flat && g.formation.empty())) {
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

// The mixing grids: the two waters, the graph ranges of a new workspace and
// the mixing row 0 to 100 at 16.6666 percent.
int RunMixGrid(const Graph3dArgs& g, std::FILE* err) {
    const uint16_t code = g.kind == "mix1"   ? MixGridCode::kRatio
                          : g.kind == "mix2" ? MixGridCode::kPhByPercent
                                             : MixGridCode::kPhByTemperature;
    if (!g.flat) {
        const int status = LoadWaterflood(g.water.c_str(), g.formation.c_str(), err);
        if (status != kExitOk) return status;
    }
    whatIfOptions = WhatIfOptions{};
    SetStartRanges(unitCodes, whatIfSettings, graphRangeSettings);
    mixingZoneSettings.gridMixLow = graphRangeSettings.gridMixLow = 0.0f;
    mixingZoneSettings.gridMixHigh = graphRangeSettings.gridMixHigh = 100.0f;
    mixingZoneSettings.mixTypicalPercent = graphRangeSettings.mixTypicalPercent = 16.6666f;
    gridSource = GridSource::kMixing;
    if (g.flat) {
        FillFlatGrid(static_cast<float>(g.flatValue));
        whatIfResults.grid.gridKind =
            code == MixGridCode::kRatio         ? MixGridKind::kPercentByTemperature
            : code == MixGridCode::kPhByPercent ? MixGridKind::kPhByPercent
                                                : MixGridKind::kPhByTemperature;
        mixGridTables.gridMixPercent[0] = mixingZoneSettings.mixTypicalPercent;
        return kExitOk;
    }
    ReportDriverServicesTo(err);
    (void)CalcMixGrid(code);
    StopReportingDriverServices();
    const int done = code == MixGridCode::kPhByPercent ? 0 : code == MixGridCode::kRatio ? 1 : 2;
    return resultStatus.mixGridDone[done] != 0 ? kExitOk : kExitBadInput;
}

int RunGrid(const Graph3dArgs& g, std::FILE* err) {
    if (g.kind.compare(0, 3, "mix") == 0) return RunMixGrid(g, err);
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
        const int grid = RunSurfaceWaterGrid(pressure, err);
        if (grid != kExitOk) return grid;
    }
    whatIfResults.grid.gridKind =
        pressure ? GridKind::kPressureTemperature : GridKind::kPhTemperature;
    gridSource = pressure ? GridSource::kPressureTemperature : GridSource::kSingleWater;
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

void PrintQuoted(std::FILE* out, const char* name, const std::vector<std::string>& texts) {
    std::fputs(name, out);
    for (const std::string& t : texts) std::fprintf(out, " \"%s\"", t.c_str());
    std::fputc('\n', out);
}

void PrintTexts(std::FILE* out) {
    const ThreeDTexts& t = lastThreeDTexts;
    PrintQuoted(out, "title", {graphTitle});
    PrintQuoted(out, "unit", {graphUnitLabel});
    PrintQuoted(out, "profile", {graphProfileTitle});
    PrintQuoted(out, "subtitle", {graphSubtitle});
    PrintQuoted(out, "rows", t.rowNumbers);
    PrintQuoted(out, "columns", t.columnNumbers);
    PrintQuoted(out, "captions", t.captions);
    PrintQuoted(out, "foot", t.feet);
    if (t.notice) std::fputs("notice\n", out);
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
    graphChoice.count = 1;
    graphChoice.codes[0] = static_cast<int16_t>(g.code);
    selectedGraphPosition = 0;
    const int status = RunGrid(g, err);
    if (status != kExitOk) return status;

    gridOrientationSet = 0;
    displaySettings.threeDPlotStyle = g.contour ? 2 : 0;
    whiteBackground = g.black ? 0 : 1;
    graphOutputFlags.displayColor = g.grey ? 0 : 1;
    graphOutputFlags.colorNow = graphOutputFlags.displayColor;
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    exportingImage = 0;
    showGraphLabels = g.labels ? 1 : 0;
    displaySettings.indexFormat = g.index ? 1 : 0;
    displaySettings.mineralTitles = g.formulas ? 1 : 0;
    displaySettings.precipitationUnit = static_cast<uint16_t>(g.precipitationUnit);
    precipitationFactor = 0.34845498f;

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
    PrintTexts(out);
    if (!win::WritePpm(g.out, picture)) {
        std::fprintf(err, "graph3d: cannot write %s\n", g.out.c_str());
        return kExitBadInput;
    }
    return kExitOk;
}
