// tarvex-engine alk --pairs A:PH,... --coef K0,K1,K2,K3 [--axes] [--size WxH --out F.ppm]
// [--paper] [--export FILE] [--help-snap F.ppm]: the pH-alkalinity graph of the pairs (alkalinity,
// pH, in entry order) and the model coefficients. --axes prints the anchors,
// both axes, the tick labels and the 45 curve points; --out paints the picture
// into a headless window of the client size (default 800 x 600, --paper in
// the style of a copy or a picture file) and saves it as PPM; --export runs the
// graph window's EXPORT IMAGE with FILE as the answer of its save dialog and
// prints the messages it showed; --help-snap saves
// the help screen of the curve input.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/carbonate/carbonate_records.h"
#include "graphs/alkcurve/alk_curve_plot.h"
#include "graphs/alkcurve/alk_graph_records.h"
#include "graphs/alkcurve/alk_graph_window.h"
#include "graphs/alkcurve/alk_help_window.h"
#include "graphs/alkcurve/draw_alk_curve.h"
#include "graphs/graph_output_records.h"
#include "input/records.h"
#include "platform/drivers/script.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "resources/program_resources.h"
#include "shell/mainwindow/window_classes.h"
#include "shell/records.h"
#include "tools/engine_harness/commands.h"

namespace {

struct AlkArgs {
    std::vector<std::pair<float, float>> pairs;  // alkalinity, pH
    float coef[4] = {};
    bool haveCoef = false;
    bool axes = false;
    bool paper = false;
    int width = 800;
    int height = 600;
    std::string out;
    std::string helpSnap;
    std::string exportName;
};

bool ParsePairs(const char* text, AlkArgs& a) {
    std::string s = text;
    std::size_t at = 0;
    while (at <= s.size()) {
        const std::size_t comma = std::min(s.find(',', at), s.size());
        float alk = 0, ph = 0;
        char tail = 0;
        if (std::sscanf(s.substr(at, comma - at).c_str(), "%f:%f%c", &alk, &ph, &tail) != 2)
            return false;
        a.pairs.emplace_back(alk, ph);
        at = comma + 1;
    }
    return !a.pairs.empty() && a.pairs.size() <= static_cast<std::size_t>(kAlkCurvePairCount);
}

bool ParseArgs(std::span<char* const> args, AlkArgs& a, std::FILE* err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string arg = args[i];
        const bool hasValue = i + 1 < args.size();
        char tail = 0;
        if (arg == "--pairs" && hasValue && ParsePairs(args[i + 1], a)) {
            ++i;
        } else if (arg == "--coef" && hasValue &&
                   std::sscanf(args[i + 1], "%f,%f,%f,%f%c", &a.coef[0], &a.coef[1], &a.coef[2],
                               &a.coef[3], &tail) == 4) {
            a.haveCoef = true;
            ++i;
        } else if (arg == "--size" && hasValue &&
                   std::sscanf(args[i + 1], "%dx%d%c", &a.width, &a.height, &tail) == 2 &&
                   a.width >= 0 && a.height >= 0 && a.width <= 4000 && a.height <= 4000) {
            ++i;
        } else if (arg == "--out" && hasValue) {
            a.out = args[++i];
        } else if (arg == "--export" && hasValue) {
            a.exportName = args[++i];
        } else if (arg == "--help-snap" && hasValue) {
            a.helpSnap = args[++i];
        } else if (arg == "--axes") {
            a.axes = true;
        } else if (arg == "--paper") {
            a.paper = true;
        } else {
            std::fprintf(err, "alk: unexpected argument \"%s\"\n", args[i]);
            return false;
        }
    }
    if (a.helpSnap.empty() && (a.pairs.empty() || !a.haveCoef)) {
        std::fprintf(
            err, "alk: give --pairs A:PH,... (1 to 10) and --coef K0,K1,K2,K3, or --help-snap\n");
        return false;
    }
    return true;
}

void StoreCurve(const AlkArgs& a) {
    alkCurvePoints = AlkCurvePoints{};
    for (std::size_t i = 0; i < a.pairs.size(); ++i) {
        alkCurvePoints.pair[i][0] = a.pairs[i].second;
        alkCurvePoints.pair[i][1] = a.pairs[i].first;
    }
    alkCurvePoints.count = static_cast<int16_t>(a.pairs.size());
    userAlkCurve = AlkCurveCoefficients{a.coef[0], a.coef[1], a.coef[2], a.coef[3]};
}

void PrintAxes(std::FILE* out) {
    const AlkCurvePoints& p = alkCurvePoints;
    const AlkAnchors anchors = AlkCurveAnchors(p.pair[p.count - 1][1]);
    const AlkSamples samples = SampleAlkCurve(anchors, userAlkCurve);
    const AlkExtents e = AlkDataExtents(samples, p, p.count);
    const AlkAxis y = AlkPhAxis(e.ymin, e.ymax);
    const AlkAxis x = AlkAlkalinityAxis(e.xmin, e.xmax);
    std::fputs("anchors", out);
    for (double a : anchors) std::fprintf(out, " %.9g", a);
    std::fprintf(out, "\nphaxis %.9g %.9g %d\n", y.low, y.high, y.divisions);
    std::fprintf(out, "alkaxis %.9g %.9g %d\n", x.low, x.high, x.divisions);
    for (int i = 0; i < kAlkSampleCount; ++i)
        std::fprintf(out, "point %d %.9g %.9g\n", i, samples[i].x, samples[i].y);
}

std::FILE* labelsTo = nullptr;  // where a paint tells its labels

win::LRESULT GraphProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

bool RegisterHarnessClass() {
    static bool done = false;
    if (done) return true;
    win::WNDCLASS wc{};
    wc.lpfnWndProc = GraphProc;
    wc.lpszClassName = "HarnessAlkGraphWindow";
    done = win::RegisterClass(&wc) != 0;
    return done;
}

win::LRESULT GraphProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_PAINT) {
        win::PAINTSTRUCT ps;
        win::HDC dc = win::BeginPaint(hwnd, &ps);
        graphOutputFlags.renderTarget = RenderTarget::kScreen;
        AlkCurveReport report;
        DrawAlkCurveReported(dc, hwnd, &report);
        std::FILE* out = labelsTo;
        if (out != nullptr) {
            std::fputs("xlabels", out);
            for (const std::string& l : report.xLabels) std::fprintf(out, " \"%s\"", l.c_str());
            std::fputs("\nylabels", out);
            for (const std::string& l : report.yLabels) std::fprintf(out, " \"%s\"", l.c_str());
            std::fprintf(out, "\nycaption \"%s\"\n", report.yCaption.c_str());
        }
        win::EndPaint(hwnd, &ps);
        return 0;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

int Picture(const AlkArgs& a, std::FILE* out, std::FILE* err) {
    if (!RegisterHarnessClass()) return kExitBadInput;
    win::HWND hwnd = win::CreateWindow("HarnessAlkGraphWindow", "", win::WS_POPUP | win::WS_VISIBLE,
                                       0, 0, a.width, a.height, nullptr, nullptr, nullptr, nullptr);
    if (hwnd == nullptr) return kExitBadInput;
    alkGraphState.paperStyle = a.paper ? 1 : 0;
    labelsTo = out;
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
    win::UpdateWindow(hwnd);
    const win::Image32 picture = win::ReadWindowPixels(hwnd);
    win::DestroyWindow(hwnd);
    if (!win::WritePpm(a.out, picture)) {
        std::fprintf(err, "alk: cannot write %s\n", a.out.c_str());
        return kExitBadInput;
    }
    return kExitOk;
}

// The help screen as the input dialog opens it, over an owner of the
// program's dialog size, with the report line height of a 1024 x 768 screen.
int HelpSnap(const AlkArgs& a, std::FILE* err) {
    RegisterProgramResources();
    if (InitApplication(nullptr) == 0 || !RegisterHarnessClass()) return kExitBadInput;
    win::HWND owner = win::CreateWindow("HarnessAlkGraphWindow", "", win::WS_POPUP, 0, 0, 400, 300,
                                        nullptr, nullptr, nullptr, nullptr);
    reportPageGrid.lineHeight = 16;
    win::HWND help = CreateAlkHelpWindow(owner);
    if (help == nullptr) {
        std::fprintf(err, "alk: no help window\n");
        return kExitBadInput;
    }
    win::UpdateWindow(help);
    const win::Image32 picture = win::ReadWindowPixels(help);
    win::DestroyWindow(owner);
    if (!win::WritePpm(a.helpSnap, picture)) {
        std::fprintf(err, "alk: cannot write %s\n", a.helpSnap.c_str());
        return kExitBadInput;
    }
    return kExitOk;
}

// EXPORT IMAGE of the graph window, opened for an owner as the input dialog
// opens it, its save dialog answered with the name; the messages it showed.
int Export(const AlkArgs& a, std::FILE* out, std::FILE* err) {
    RegisterProgramResources();
    if (InitApplication(nullptr) == 0 || !RegisterHarnessClass()) return kExitBadInput;
    win::HWND owner = win::CreateWindow("HarnessAlkGraphWindow", "", win::WS_POPUP, 0, 0, 400, 300,
                                        nullptr, nullptr, nullptr, nullptr);
    CreateAlkGraphWindow(owner);
    win::HWND graph = mainWindowState.graphWindow;
    if (graph == nullptr) {
        std::fprintf(err, "alk: no graph window\n");
        return kExitBadInput;
    }
    win::UpdateWindow(graph);
    win::ClearMessageBoxLog();
    win::AnswerFileDialog(a.exportName);
    win::SendMessage(graph, win::WM_COMMAND, AlkGraphCommand::kExportImage, 0);
    for (const win::MessageBoxRecord& box : win::MessageBoxLog())
        std::fprintf(out, "message \"%s\" \"%s\"\n", box.caption.c_str(), box.text.c_str());
    win::DestroyWindow(owner);
    return kExitOk;
}

}  // namespace

int CmdAlk(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    AlkArgs a;
    if (!ParseArgs(args, a, err)) return kExitUsage;
    win::SetDesktopSize(std::max(a.width, 1024), std::max(a.height, 768));
    ResetAlkGraphRecords();
    if (!a.pairs.empty()) {
        StoreCurve(a);
        if (a.axes) PrintAxes(out);
        if (!a.out.empty()) {
            const int status = Picture(a, a.axes ? out : nullptr, err);
            if (status != kExitOk) return status;
        }
        if (!a.exportName.empty()) {
            const int status = Export(a, out, err);
            if (status != kExitOk) return status;
        }
    }
    if (!a.helpSnap.empty()) return HelpSnap(a, err);
    return kExitOk;
}
