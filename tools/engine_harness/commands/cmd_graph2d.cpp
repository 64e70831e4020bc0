// tarvex-engine graph2d KIND WATER [FORMATION] --codes C,... [--size WxH] [--index]
// [--formulas] [--grey] [--hatch] [--printer NAME] --out FILE: the 2D bar graph of
// a profile. The profile runs as the profile, well and mix commands run it
// (temperature, ph, pco2, pressure; well the 11-station profile; mix the
// waterflood profile of WATER into FORMATION; page the 12-station profile,
// drawn as the one-page summary draws it, under a few lines of text). The
// graph is painted into a headless window of that client size and saved as
// a PPM picture, or printed on the named printer (a PDF in its folder). Per
// chart S the command prints title, caption, x and y labels, values, colours
// and, when the chart's log index is undefined, its message.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/twod/axis_setup.h"
#include "graphs/twod/bar_graph.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "shell/mainwindow/display_settings_records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/graph_report.h"

namespace {

struct GraphArgs {
    std::string kind;
    std::vector<std::string> waters;
    std::vector<int> codes;
    int width = 800;
    int height = 600;
    bool index = false, formulas = false, grey = false, hatch = false;
    std::string printer;
    std::string out;
};

bool ParseCodes(const char* text, std::vector<int>& codes) {
    const char* p = text;
    while (*p != '\0') {
        char* end = nullptr;
        const long c = std::strtol(p, &end, 10);
        if (end == p || c < 0 || c > 0xFFFF) return false;
        codes.push_back(static_cast<int>(c));
        p = *end == ',' ? end + 1 : end;
        if (*end != ',' && *end != '\0') return false;
    }
    return codes.size() <= kChartSlots;
}

bool ParseArgs(std::span<char* const> args, GraphArgs& g, std::FILE* err) {
    if (args.size() < 2) {
        std::fprintf(err, "graph2d: give a kind and a water file\n");
        return false;
    }
    g.kind = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string a = args[i];
        const char* v = i + 1 < args.size() ? args[i + 1] : nullptr;
        if (a == "--index") {
            g.index = true;
            continue;
        }
        if (a == "--formulas") {
            g.formulas = true;
            continue;
        }
        if (a == "--grey") {
            g.grey = true;
            continue;
        }
        if (a == "--hatch") {
            g.hatch = true;
            continue;
        }
        if (a.rfind("--", 0) != 0) {
            g.waters.push_back(a);
            continue;
        }
        if (v == nullptr) {
            std::fprintf(err, "graph2d: %s needs a value\n", a.c_str());
            return false;
        }
        ++i;
        if (a == "--codes") {
            if (!ParseCodes(v, g.codes)) {
                std::fprintf(err, "graph2d: bad code list \"%s\"\n", v);
                return false;
            }
        } else if (a == "--size") {
            if (std::sscanf(v, "%dx%d", &g.width, &g.height) != 2 || g.width < 1 || g.height < 1 ||
                g.width > 8000 || g.height > 8000) {
                std::fprintf(err, "graph2d: bad size \"%s\"\n", v);
                return false;
            }
        } else if (a == "--printer") {
            g.printer = v;
        } else if (a == "--out") {
            g.out = v;
        } else {
            std::fprintf(err, "graph2d: unexpected argument \"%s\"\n", a.c_str());
            return false;
        }
    }
    if (g.out.empty() && g.printer.empty()) {
        std::fprintf(err, "graph2d: give --out FILE or --printer NAME\n");
        return false;
    }
    return !g.waters.empty();
}

// Runs the profile of the kind through the harness's own commands; the graph
// kind it leaves, or 0 after telling why not.
int RunProfile(const GraphArgs& g, std::FILE* err) {
    std::FILE* sink = std::fopen("/dev/null", "w");
    if (sink == nullptr) return 0;
    std::vector<std::string> words;
    CommandFunction run = nullptr;
    int kind = 0;
    if (g.kind == "temperature" || g.kind == "ph" || g.kind == "pco2" || g.kind == "pressure") {
        words = {g.kind, g.waters[0]};
        run = CmdProfile;
        kind = g.kind == "temperature" ? 1 : (g.kind == "pressure" ? 4 : 2);
    } else if (g.kind == "well") {
        words = {"11", g.waters[0]};
        run = CmdWell;
        kind = 6;
    } else if (g.kind == "page") {
        words = {"12", g.waters[0]};
        run = CmdWell;
        kind = 5;
    } else if (g.kind == "mix") {
        if (g.waters.size() < 2) {
            std::fprintf(err, "graph2d: mix needs an injection and a formation water\n");
            std::fclose(sink);
            return 0;
        }
        words = {"profile", g.waters[0], g.waters[1]};
        run = CmdMix;
        kind = 3;
    } else {
        std::fprintf(err, "graph2d: unknown kind \"%s\"\n", g.kind.c_str());
        std::fclose(sink);
        return 0;
    }
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    const int status = run(std::span<char* const>(argv.data(), argv.size()), sink, err);
    std::fclose(sink);
    return status == kExitOk ? kind : 0;
}

bool reportPage = false;
BarGraphReport lastReport;

// The one-page summary stand-in: a few lines of text, then the graph block
// below them, then one more line in the page's own coordinates.
void PaintPage(win::HWND hwnd, win::HDC dc) {
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    win::HFONT font = win::CreateFontA(16, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    win::HGDIOBJ old = win::SelectObject(dc, font);
    const char* lines[3] = {"ONE-PAGE SUMMARY", "Water: as given", "Well profile, 12 stations"};
    int y = 8;
    for (const char* line : lines) {
        win::TextOutA(dc, 20, y, line, static_cast<int>(std::strlen(line)));
        y += 20;
    }
    lastReport = BarGraphReport{};
    DrawReportGraphReported(dc, hwnd, 20, client.bottom, client.right - 20, y + 8, &lastReport);
    const char* after = "End of page";
    win::TextOutA(dc, 20, client.bottom - 20, after, static_cast<int>(std::strlen(after)));
    win::SelectObject(dc, old);
    win::DeleteObject(font);
}

win::LRESULT GraphProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_PAINT) {
        win::PAINTSTRUCT ps;
        win::HDC dc = win::BeginPaint(hwnd, &ps);
        graphOutputFlags.renderTarget = RenderTarget::kScreen;
        if (reportPage) {
            PaintPage(hwnd, dc);
        } else {
            lastReport = BarGraphReport{};
            DrawTwoDGraphReported(dc, hwnd, &lastReport);
        }
        win::EndPaint(hwnd, &ps);
        return 0;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

int PrintGraph(const GraphArgs& g, std::FILE* out, std::FILE* err) {
    win::HDC dc = win::CreateDCA(nullptr, g.printer.c_str(), nullptr, nullptr);
    if (dc == nullptr) {
        std::fprintf(err, "graph2d: no printer \"%s\"\n", g.printer.c_str());
        return kExitBadInput;
    }
    win::DOCINFOA doc{};
    doc.lpszDocName = "Printing Tarvex Graph";
    int status = kExitOk;
    if (win::StartDocA(dc, &doc) <= 0 || win::StartPage(dc) <= 0) {
        std::fprintf(err, "graph2d: the printer refused the document\n");
        status = kExitBadInput;
    } else {
        graphOutputFlags.renderTarget = RenderTarget::kPrinter;
        graphOutputFlags.printingGraph = 1;
        graphOutputFlags.colorNow = graphOutputFlags.printColor;
        BarGraphReport report;
        if (reportPage) {
            pagePrinting = 1;
            printablePageHeight = win::GetDeviceCaps(dc, win::VERTRES);
            const int width = win::GetDeviceCaps(dc, win::HORZRES);
            DrawReportGraphReported(dc, nullptr, 0, printablePageHeight / 3, width,
                                    printablePageHeight, &report);
            pagePrinting = 0;
        } else {
            DrawTwoDGraphReported(dc, nullptr, &report);
        }
        win::EndPage(dc);
        win::EndDoc(dc);
        PrintBarGraphReport(out, report);
    }
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    graphOutputFlags.printingGraph = 0;
    win::DeleteDC(dc);
    return status;
}

}  // namespace

int CmdGraph2d(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    GraphArgs g;
    if (!ParseArgs(args, g, err)) return kExitUsage;
    const int kind = RunProfile(g, err);
    if (kind == 0) return kExitBadInput;

    displaySettings.indexFormat = g.index ? 1 : 0;
    displaySettings.mineralTitles = g.formulas ? 1 : 0;
    graphOutputFlags.displayColor = graphOutputFlags.exportColor = g.grey ? 0 : 1;
    graphOutputFlags.printColor = g.grey ? 0 : 1;
    graphOutputFlags.colorNow = graphOutputFlags.displayColor;
    graphOutputFlags.hatchPatterns = g.hatch ? 1 : 0;
    graphOutputFlags.exportingGraph = 0;
    for (int s = 0; s < kChartSlots; ++s) {
        const uint16_t code = s < static_cast<int>(g.codes.size())
                                  ? static_cast<uint16_t>(g.codes[s])
                                  : kNoGraphIndex;
        graphIndexCodes[s] = code;
        displaySettings.graphParams[s] = code;
    }
    reportPage = kind == 5;
    if (!reportPage) {
        graphProfileKind = static_cast<uint32_t>(kind);
        for (auto& title : graphAxisData.axisTitles) title[0] = '\0';
        LayTwoDGraphAxis(kind, false);
    } else {
        PrepareReportPageAxis();
    }

    if (!g.printer.empty()) return PrintGraph(g, out, err);

    return PaintWindowToPpm("HarnessGraphWindow", GraphProc, g.width, g.height, lastReport, g.out,
                            "graph2d", out, err);
}
