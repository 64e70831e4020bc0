// tarvex-engine welllog WATER [--codes LIST] [--size WxH] [--index] [--grey]
// [--hatch] --out FILE: the well-log summary graph of the water's 48-interval
// well profile (run as `well 48` runs it) with the codes given (default the
// main window's seven: 0,21,5,4,24,37,44), painted into a headless window of
// that client size (1200x800 by default) and saved as a PPM picture.
//
// tarvex-engine wellpage WATER --params C,C,C,C --rect L,T,R,B [--size WxH]
// [--metafile] [--index] [--grey] [--hatch] --out FILE: the graph block of
// the well-log summary page over the water's 11-station well profile (run as
// `well 11` runs it), in the rectangle given of a window of that client size
// (850x700 by default); with --metafile it is recorded into a metafile of
// the window and played back into the window.
//
// Both print per panel S its title, caption, labels, values and colours.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/welllog/well_page_graph.h"
#include "graphs/welllog/well_summary_graph.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/whatif/whatif_command_records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/graph_report.h"

namespace {

struct WellGraphArgs {
    std::string water;
    std::vector<int> codes;
    bool codesGiven = false;
    int width = 0, height = 0;
    int rect[4] = {0, 0, 0, 0};
    bool rectGiven = false;
    bool metafile = false, index = false, grey = false, hatch = false;
    std::string out;
};

bool ParseList(const char* text, std::vector<int>& values, std::size_t most) {
    const char* p = text;
    while (*p != '\0') {
        char* end = nullptr;
        const long v = std::strtol(p, &end, 10);
        if (end == p || v < -1 || v > 0xFFFF) return false;
        values.push_back(static_cast<int>(v));
        if (*end != ',' && *end != '\0') return false;
        p = *end == ',' ? end + 1 : end;
    }
    return !values.empty() && values.size() <= most;
}

bool ParseArgs(const char* name, std::span<char* const> args, bool page, WellGraphArgs& g,
               std::FILE* err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string a = args[i];
        const char* v = i + 1 < args.size() ? args[i + 1] : nullptr;
        if (a == "--metafile" && page) {
            g.metafile = true;
        } else if (a == "--index") {
            g.index = true;
        } else if (a == "--grey") {
            g.grey = true;
        } else if (a == "--hatch") {
            g.hatch = true;
        } else if (a.rfind("--", 0) != 0) {
            if (!g.water.empty()) {
                std::fprintf(err, "%s: one water file only\n", name);
                return false;
            }
            g.water = a;
        } else if (v == nullptr) {
            std::fprintf(err, "%s: %s needs a value\n", name, a.c_str());
            return false;
        } else {
            ++i;
            bool ok = true;
            if (a == (page ? "--params" : "--codes")) {
                ok = g.codesGiven = ParseList(v, g.codes, page ? 4 : kWellLogSummaryGraphCount);
            } else if (a == "--size") {
                ok = std::sscanf(v, "%dx%d", &g.width, &g.height) == 2 && g.width > 0 &&
                     g.height > 0 && g.width <= 8000 && g.height <= 8000;
            } else if (a == "--rect" && page) {
                ok = g.rectGiven = std::sscanf(v, "%d,%d,%d,%d", &g.rect[0], &g.rect[1], &g.rect[2],
                                               &g.rect[3]) == 4;
            } else if (a == "--out") {
                g.out = v;
            } else {
                ok = false;
            }
            if (!ok) {
                std::fprintf(err, "%s: bad argument %s \"%s\"\n", name, a.c_str(), v);
                return false;
            }
        }
    }
    if (g.water.empty() || g.out.empty() || (page && (!g.codesGiven || !g.rectGiven))) {
        std::fprintf(err, "%s: give a water file%s and --out FILE\n", name,
                     page ? ", --params and --rect" : "");
        return false;
    }
    return true;
}

// The well profile of `stations` (11 or 48) as the well command runs it.
bool RunWell(const char* stations, const std::string& water, std::FILE* err) {
    std::FILE* sink = std::fopen("/dev/null", "w");
    if (sink == nullptr) return false;
    std::string words[2] = {stations, water};
    char* argv[2] = {words[0].data(), words[1].data()};
    const int status = CmdWell(std::span<char* const>(argv, 2), sink, err);
    std::fclose(sink);
    return status == kExitOk;
}

void SetOutput(const WellGraphArgs& g) {
    displaySettings.indexFormat = g.index ? 1 : 0;
    graphOutputFlags.displayColor = graphOutputFlags.exportColor = g.grey ? 0 : 1;
    graphOutputFlags.printColor = g.grey ? 0 : 1;
    graphOutputFlags.colorNow = graphOutputFlags.displayColor;
    graphOutputFlags.hatchPatterns = g.hatch ? 1 : 0;
    graphOutputFlags.exportingGraph = 0;
    graphOutputFlags.printingGraph = 0;
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
}

bool pagePicture = false;
WellGraphArgs current;
BarGraphReport lastReport;

void PaintPageBlock(win::HWND hwnd, win::HDC dc) {
    const int* r = current.rect;
    PrepareWellPageAxis();
    graphOutputFlags.exportingGraph = 0;
    (void)DrawWellLogReportGraph(dc, hwnd, r[0], r[1], r[2], r[3], &lastReport);
}

void PaintPage(win::HWND hwnd, win::HDC dc) {
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    win::FillRect(dc, &client, static_cast<win::HBRUSH>(win::GetStockObject(win::WHITE_BRUSH)));
    if (!current.metafile) {
        PaintPageBlock(hwnd, dc);
        return;
    }
    const int horzRes = win::GetDeviceCaps(dc, win::HORZRES);
    const int vertRes = win::GetDeviceCaps(dc, win::VERTRES);
    const win::RECT frame{
        0, 0,
        static_cast<win::LONG>(static_cast<long long>(client.right) *
                               win::GetDeviceCaps(dc, win::HORZSIZE) * 100 / std::max(horzRes, 1)),
        static_cast<win::LONG>(static_cast<long long>(client.bottom) *
                               win::GetDeviceCaps(dc, win::VERTSIZE) * 100 / std::max(vertRes, 1))};
    win::HDC meta = win::CreateEnhMetaFileA(dc, nullptr, &frame, "Tarvex\0Well Log Page\0");
    if (meta == nullptr) return;
    PaintPageBlock(hwnd, meta);
    win::HENHMETAFILE picture = win::CloseEnhMetaFile(meta);
    if (picture == nullptr) return;
    win::PlayEnhMetaFile(dc, picture, &client);
    win::DeleteEnhMetaFile(picture);
}

win::LRESULT WellGraphProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_PAINT) {
        win::PAINTSTRUCT ps;
        win::HDC dc = win::BeginPaint(hwnd, &ps);
        lastReport = BarGraphReport{};
        graphOutputFlags.renderTarget = RenderTarget::kScreen;
        if (pagePicture) {
            PaintPage(hwnd, dc);
        } else {
            (void)DrawWellLogSummaryGraphReported(dc, hwnd, &lastReport);
        }
        win::EndPaint(hwnd, &ps);
        return 0;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

int PaintAndSave(const WellGraphArgs& g, const char* name, std::FILE* out, std::FILE* err) {
    return PaintWindowToPpm("HarnessWellGraphWindow", WellGraphProc, g.width, g.height, lastReport,
                            g.out, name, out, err);
}

}  // namespace

int CmdWellLog(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    WellGraphArgs g;
    g.width = 1200;
    g.height = 800;
    if (!ParseArgs("welllog", args, false, g, err)) return kExitUsage;
    if (!g.codesGiven) g.codes = {0, 21, 5, 4, 24, 37, 44};
    if (!RunWell("48", g.water, err)) return kExitBadInput;
    SetOutput(g);
    for (int i = 0; i < kWellLogSummaryGraphCount; ++i)
        wellLogSummaryGraphCodes[i] =
            i < static_cast<int>(g.codes.size()) ? static_cast<int16_t>(g.codes[i]) : -1;
    graphProfileKind = GraphProfileKind::kWellLog48;
    for (auto& title : graphAxisData.axisTitles) title[0] = '\0';
    PrepareWellSummaryAxis();
    pagePicture = false;
    current = g;
    return PaintAndSave(g, "welllog", out, err);
}

int CmdWellPage(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    WellGraphArgs g;
    g.width = 850;
    g.height = 700;
    if (!ParseArgs("wellpage", args, true, g, err)) return kExitUsage;
    if (!RunWell("11", g.water, err)) return kExitBadInput;
    SetOutput(g);
    for (int i = 0; i < 4; ++i)
        displaySettings.graphParams[i] =
            i < static_cast<int>(g.codes.size()) ? static_cast<uint16_t>(g.codes[i]) : 0xFFFF;
    pagePicture = true;
    current = g;
    return PaintAndSave(g, "wellpage", out, err);
}
