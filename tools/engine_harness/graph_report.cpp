// Printing a bar graph's report.
#include "tools/engine_harness/graph_report.h"

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
