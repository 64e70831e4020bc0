// tarvex-manual: typesets the technical manual (a plain text source) as the
// PDF the HELP menu opens. The source has one paragraph a line; a line
// starting with "# " is a heading, the first one the title. Pages are US
// letter with one-inch margins; text is Liberation Sans, 11 points on 15.
//
// usage: tarvex-manual SOURCE.txt OUT.pdf
#include <cairo-pdf.h>
#include <cairo.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kPageWidth = 612;  // points
constexpr double kPageHeight = 792;
constexpr double kMargin = 72;
constexpr double kTextSize = 11;
constexpr double kLeading = 15;

struct Writer {
    cairo_t* cr;
    double y = kMargin;

    void Font(double size, bool bold) {
        cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                               bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, size);
    }

    void Room(double needed) {
        if (y + needed <= kPageHeight - kMargin) return;
        cairo_show_page(cr);
        y = kMargin;
    }

    double Width(const std::string& s) {
        cairo_text_extents_t e;
        cairo_text_extents(cr, s.c_str(), &e);
        return e.x_advance;
    }

    void Line(const std::string& s, double leading) {
        Room(leading);
        y += leading;
        cairo_move_to(cr, kMargin, y - leading * 0.25);
        cairo_show_text(cr, s.c_str());
    }

    // A paragraph broken between words at the text width.
    void Paragraph(const std::string& text, double leading) {
        const double width = kPageWidth - 2 * kMargin;
        std::string line;
        std::size_t i = 0;
        while (i <= text.size()) {
            std::size_t end = text.find(' ', i);
            if (end == std::string::npos) end = text.size();
            const std::string word = text.substr(i, end - i);
            const std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && Width(longer) > width) {
                Line(line, leading);
                line = word;
            } else {
                line = longer;
            }
            i = end + 1;
        }
        if (!line.empty()) Line(line, leading);
        y += leading * 0.5;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarvex-manual SOURCE.txt OUT.pdf\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "tarvex-manual: cannot read %s\n", argv[1]);
        return 1;
    }
    cairo_surface_t* surface = cairo_pdf_surface_create(argv[2], kPageWidth, kPageHeight);
    cairo_t* cr = cairo_create(surface);
    Writer w{cr};
    bool title = true;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        if (line.rfind("# ", 0) == 0) {
            const double size = title ? 20 : 14;
            w.Font(size, true);
            w.Room(size * 4);  // a heading never ends a page
            w.y += title ? 0 : size * 0.6;
            w.Paragraph(line.substr(2), size * 1.4);
            title = false;
            continue;
        }
        w.Font(kTextSize, false);
        w.Paragraph(line, kLeading);
    }
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "tarvex-manual: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
