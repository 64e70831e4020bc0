// Font objects, text metrics, text extents and text output.
//
// Text is laid out in device pixels (font_faces.cpp) from a reference point
// that the alignment flags place at the left, centre or right end of the
// line and at its top, baseline or bottom; rotated text (escapement) turns
// about that point, counter-clockwise on the device whatever the mapping.
// Glyphs are drawn by cairo from the FreeType faces, as text on PDF pages.
#include "platform/text/font_text.h"

#include <cairo-ft.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/text/font_faces.h"
#include "platform/text/text_boxes.h"
#include "platform/gdi/gdi_render.h"
#include "platform/gdi/gdi_transform.h"
#include "platform/metafile/metafile_ops.h"

namespace win {

RealizedFont DcFont(const DeviceContext& dc) {
    const Xform x = DrawXform(dc.state);
    const LOGFONTA request = dc.state.font != nullptr ? dc.state.font->desc : LOGFONTA{};
    const int dpi = dc.caps.logPixelsY > 0 ? dc.caps.logPixelsY : 96;
    return RealizeFont(request, std::fabs(x.sy), std::fabs(x.sx), dpi);
}

namespace {

int ToLogical(int devicePixels, double scale) {
    return scale > 0.0 ? static_cast<int>(std::lround(devicePixels / scale)) : devicePixels;
}

}  // namespace

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName) {
    LOGFONTA f;
    f.lfHeight = height;
    f.lfWidth = width;
    f.lfEscapement = escapement;
    f.lfOrientation = orientation;
    f.lfWeight = weight;
    f.lfItalic = static_cast<BYTE>(italic != 0);
    f.lfUnderline = static_cast<BYTE>(underline != 0);
    f.lfStrikeOut = static_cast<BYTE>(strikeOut != 0);
    f.lfCharSet = static_cast<BYTE>(charSet);
    f.lfOutPrecision = static_cast<BYTE>(outPrecision);
    f.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    f.lfQuality = static_cast<BYTE>(quality);
    f.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName != nullptr) std::strncpy(f.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&f);
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
    if (font == nullptr) return nullptr;
    return NewFont(*font);
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* tm) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || tm == nullptr) return FALSE;
    const RealizedFont f = DcFont(*dc);
    if (f.face == nullptr) return FALSE;
    const Xform x = DrawXform(dc->state);
    const double sy = std::fabs(x.sy);
    const double sx = std::fabs(x.sx);
    *tm = TEXTMETRICA{};
    tm->tmHeight = ToLogical(f.height, sy);
    tm->tmAscent = ToLogical(f.ascent, sy);
    tm->tmDescent = tm->tmHeight - tm->tmAscent;
    tm->tmInternalLeading = ToLogical(f.internalLeading, sy);
    tm->tmExternalLeading = ToLogical(f.externalLeading, sy);
    tm->tmAveCharWidth = ToLogical(f.aveCharWidth, sx);
    tm->tmMaxCharWidth = ToLogical(f.maxCharWidth, sx);
    tm->tmWeight = f.request.lfWeight == FW_DONTCARE ? FW_NORMAL : f.request.lfWeight;
    tm->tmDigitizedAspectX = dc->caps.logPixelsX;
    tm->tmDigitizedAspectY = dc->caps.logPixelsY;
    tm->tmFirstChar = 0x20;
    tm->tmLastChar = 0xFF;
    tm->tmDefaultChar = 0x1F;
    tm->tmBreakChar = 0x20;
    tm->tmItalic = f.request.lfItalic;
    tm->tmUnderlined = f.request.lfUnderline;
    tm->tmStruckOut = f.request.lfStrikeOut;
    // Low bit set means variable pitch, as the metrics record has it.
    tm->tmPitchAndFamily =
        static_cast<BYTE>((f.request.lfPitchAndFamily & 0xF0) | (f.face->fixedPitch ? 0 : 1));
    tm->tmCharSet = f.request.lfCharSet;
    return TRUE;
}

int GetTextFaceA(HDC hdc, int size, char* faceName) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || dc->state.font == nullptr) return 0;
    const std::string name =
        std::string("Liberation ") + FamilyName(ChooseFace(dc->state.font->desc).family);
    if (faceName == nullptr) return static_cast<int>(name.size()) + 1;
    if (size <= 0) return 0;
    const std::size_t n = std::min<std::size_t>(name.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(faceName, name.data(), n);
    faceName[n] = '\0';
    return static_cast<int>(n);
}

BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || size == nullptr || length < 0 || (text == nullptr && length > 0)) {
        return FALSE;
    }
    const RealizedFont f = DcFont(*dc);
    const TextRun run = LayoutText(f, text, length);
    const Xform x = DrawXform(dc->state);
    size->cx = ToLogical(run.width, std::fabs(x.sx));
    size->cy = ToLogical(f.height, std::fabs(x.sy));
    return TRUE;
}

namespace {

// Draws a laid-out line with its baseline starting at `origin` (device
// pixels): the background cell when opaque, the glyphs, then underline and
// strike-out. `ink` and `cell`, when given, receive the glyphs' ink boxes and
// the opaque background cell (left empty when transparent).
void DrawTextRun(Canvas& canvas, const DcState& s, const RealizedFont& f, const TextRun& run,
                 DevPoint origin, std::vector<RECT>* ink, RECT* cell) {
    cairo_t* cr = canvas.Cr();
    const double ux = std::cos(f.angle);
    const double uy = -std::sin(f.angle);
    const double dx = std::sin(f.angle);
    const double dy = std::cos(f.angle);
    auto at = [&](double along, double down) {
        return DevPoint{origin.x + along * ux + down * dx, origin.y + along * uy + down * dy};
    };
    auto quad = [&](double a0, double d0, double a1, double d1) {
        const DevPoint p[4] = {at(a0, d0), at(a1, d0), at(a1, d1), at(a0, d1)};
        cairo_new_path(cr);
        cairo_move_to(cr, p[0].x, p[0].y);
        for (int i = 1; i < 4; ++i) cairo_line_to(cr, p[i].x, p[i].y);
        cairo_close_path(cr);
    };
    auto pixel = [&](COLORREF c) {
        return canvas.Ink(ResolvePixel(s, c));
    };
    if (s.bkMode == OPAQUE && run.width > 0) {
        quad(0, -f.ascent, run.width, f.descent);
        SetSourcePixel(cr, pixel(s.bkColor));
        if (cell != nullptr) {
            double x0, y0, x1, y1;
            cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
            *cell = RECT{static_cast<LONG>(std::floor(x0)), static_cast<LONG>(std::floor(y0)),
                         static_cast<LONG>(std::ceil(x1)), static_cast<LONG>(std::ceil(y1))};
        }
        cairo_fill(cr);
    }
    if (run.glyphs.empty()) return;
    std::vector<cairo_glyph_t> glyphs(run.glyphs.size());
    std::vector<cairo_text_cluster_t> clusters(run.glyphs.size());
    for (std::size_t i = 0; i < run.glyphs.size(); ++i) {
        const DevPoint p = at(run.offsets[i], 0.0);
        glyphs[i].index = run.glyphs[i];
        glyphs[i].x = p.x;
        glyphs[i].y = p.y;
        clusters[i].num_bytes = run.utf8Lengths[i];
        clusters[i].num_glyphs = 1;
    }
    cairo_set_font_face(cr, f.face->cairo);
    cairo_matrix_t fm;
    cairo_matrix_init_rotate(&fm, -f.angle);
    cairo_matrix_scale(&fm, f.em * f.xScale, f.em);
    cairo_set_font_matrix(cr, &fm);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options,
                                     canvas.IsMono() ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    SetSourcePixel(cr, pixel(s.textColor));
    if (ink != nullptr) {
        // Each glyph's ink, blanks and rule characters left out (a rule of
        // underscores under a heading is meant to meet it).
        std::size_t byte = 0;
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            const char c = run.utf8[byte];
            byte += static_cast<std::size_t>(run.utf8Lengths[i]);
            if (c == ' ' || c == '_' || c == '-' || c == '=') continue;
            cairo_text_extents_t e;
            cairo_glyph_extents(cr, &glyphs[i], 1, &e);
            if (e.width <= 0.0 || e.height <= 0.0) continue;
            // The bearings are measured from the glyph's origin.
            const double x = glyphs[i].x + e.x_bearing;
            const double y = glyphs[i].y + e.y_bearing;
            ink->push_back(RECT{static_cast<LONG>(std::floor(x)), static_cast<LONG>(std::floor(y)),
                                static_cast<LONG>(std::ceil(x + e.width)),
                                static_cast<LONG>(std::ceil(y + e.height))});
        }
    }
    if (canvas.IsVector()) {
        // On a PDF page the text stays text, its characters mapped to glyphs.
        cairo_show_text_glyphs(cr, run.utf8.data(), static_cast<int>(run.utf8.size()),
                               glyphs.data(), static_cast<int>(glyphs.size()), clusters.data(),
                               static_cast<int>(clusters.size()),
                               static_cast<cairo_text_cluster_flags_t>(0));
    } else {
        cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
    }
    const double unit = f.em / f.face->unitsPerEm;
    if (f.request.lfUnderline != 0) {
        const double top = -f.face->underlinePosition * unit;
        const double h = std::max(1.0, std::round(f.face->underlineThickness * unit));
        quad(0, std::round(top), run.width, std::round(top) + h);
        cairo_fill(cr);
    }
    if (f.request.lfStrikeOut != 0) {
        const double top = -f.face->strikeoutPosition * unit;
        const double h = std::max(1.0, std::round(f.face->strikeoutSize * unit));
        quad(0, std::round(top), run.width, std::round(top) + h);
        cairo_fill(cr);
    }
}

}  // namespace

BOOL TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || length < 0 || (text == nullptr && length > 0)) return FALSE;
    Record(*dc, ops::Text{POINT{x, y}, std::string(text != nullptr ? text : "",
                                                   static_cast<std::size_t>(length))});
    DcState& s = dc->state;
    const bool updateCp = (s.textAlign & TA_UPDATECP) != 0;
    const POINT ref = updateCp ? s.currentPos : POINT{x, y};
    const Xform xf = DrawXform(s);
    const RealizedFont f = DcFont(*dc);
    const TextRun run = LayoutText(f, text, length);
    const POINT dev = ToDevicePixel(xf, ref.x, ref.y);
    const UINT horizontal = s.textAlign & TA_CENTER;
    const UINT vertical = s.textAlign & TA_BASELINE;
    double along = 0.0;
    if (horizontal == TA_RIGHT) along = -run.width;
    if (horizontal == TA_CENTER) along = -(run.width / 2);
    double down = f.ascent;
    if (vertical == TA_BASELINE) down = 0.0;
    if (vertical == TA_BOTTOM) down = -f.descent;
    const double ux = std::cos(f.angle);
    const double uy = -std::sin(f.angle);
    const DevPoint origin{dev.x + along * ux + down * std::sin(f.angle),
                          dev.y + along * uy + down * std::cos(f.angle)};
    if (updateCp && horizontal != TA_CENTER) {
        // The current position moves to the far end of the text.
        const double step = horizontal == TA_RIGHT ? -run.width : run.width;
        const DevPoint end = xf.Inverse(dev.x + step * ux, dev.y + step * uy);
        s.currentPos =
            POINT{static_cast<LONG>(std::lround(end.x)), static_cast<LONG>(std::lround(end.y))};
    }
    if (f.face == nullptr) return TRUE;
    Canvas canvas(*dc);
    if (!canvas.Ok()) return TRUE;
    std::vector<RECT> ink;
    RECT cell{};
    const bool noting = RecordingTextBoxes() && dc->kind == DcKind::Window;
    DrawTextRun(canvas, s, f, run, origin, noting ? &ink : nullptr, noting ? &cell : nullptr);
    if (noting) {
        detail::NoteCovered(*dc, cell);  // the opaque cell hides what stood wholly under it
        detail::NoteText(*dc, ink, std::string(text, static_cast<std::size_t>(length)));
    }
    return TRUE;
}

}  // namespace win
