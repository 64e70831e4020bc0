// Printing a bar graph's report.
#include "tools/engine_harness/graph_report.h"

#include <algorithm>

#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "tools/engine_harness/commands.h"

namespace {

void PrintQuoted(std::FILE* out, const std::string& s) {
    std::fputc('"', out);
    for (char c : s) {
        if (c == '"' || c == '\\') std::fputc('\\', out);
        std::fputc(c, out);
    }
    std::fputc('"', out);
}

}  // namespace

void PrintBarGraphReport(std::FILE* out, const BarGraphReport& r) {
    for (std::size_t s = 0; s < r.charts.size(); ++s) {
        const ChartReport& c = r.charts[s];
        std::fprintf(out, "title %zu ", s);
        PrintQuoted(out, c.title);
        std::fprintf(out, "\ncaption %zu ", s);
        PrintQuoted(out, c.caption);
        std::fprintf(out, "\nxlabels %zu", s);
        for (const std::string& l : c.xLabels) {
            std::fputc(' ', out);
            PrintQuoted(out, l);
        }
        std::fprintf(out, "\nylabels %zu", s);
        for (const std::string& l : c.yLabels) {
            std::fputc(' ', out);
            PrintQuoted(out, l);
        }
        std::fprintf(out, "\nvalues %zu", s);
        for (double v : c.values) std::fprintf(out, " %.6g", v);
        std::fprintf(out, "\ncolours %zu", s);
        for (int v : c.colours) std::fprintf(out, " %d", v);
        std::fputc('\n', out);
        if (c.message) std::fprintf(out, "message %zu\n", s);
    }
}

int PaintWindowToPpm(const char* className, win::WNDPROC proc, int width, int height,
                     const BarGraphReport& report, const std::string& path, const char* name,
                     std::FILE* out, std::FILE* err) {
    win::SetDesktopSize(std::max(width, 1280), std::max(height, 1024));
    win::WNDCLASS wc{};
    wc.lpfnWndProc = proc;
    wc.lpszClassName = className;
    if (win::RegisterClass(&wc) == 0) return kExitBadInput;
    win::HWND hwnd = win::CreateWindow(className, "", win::WS_POPUP | win::WS_VISIBLE, 0, 0, width,
                                       height, nullptr, nullptr, nullptr, nullptr);
    if (hwnd == nullptr) return kExitBadInput;
    win::InvalidateRect(hwnd, nullptr, 1);
    win::UpdateWindow(hwnd);
    const win::Image32 picture = win::ReadWindowPixels(hwnd);
    win::DestroyWindow(hwnd);
    PrintBarGraphReport(out, report);
    if (!win::WritePpm(path, picture)) {
        std::fprintf(err, "%s: cannot write %s\n", name, path.c_str());
        return kExitBadInput;
    }
    return kExitOk;
}
