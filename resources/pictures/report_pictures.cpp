// The pictures of printed and summary pages: the report logo in colour (111)
// and in one bit per pixel for mono printers (112), and the summary pages'
// backdrops, landscape (1247) and portrait (4350).
//
// Like the main window's backgrounds they are drawn when the resources are
// registered, through the platform's own drawing calls, and handed over as
// packed DIBs. The logo is a water drop beside the product name over a rule
// and the words "Scale & Corrosion"; it fills a 5 : 3 box, the shape of the
// 1.25 by 0.75 inch box the report page gives it. The backdrops are a quiet
// paper tone with a thin frame, so a summary table reads well on them.
#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "platform/gdi/gdi.h"
#include "printing/page/report_logo.h"
#include "printing/pictures/backdrop.h"
#include "resources/program_resources.h"

namespace {

constexpr int kHeaderBytes = 40;
constexpr int kLogoWidth = 300;
constexpr int kLogoHeight = 180;

struct Ink {
    win::COLORREF drop;
    win::COLORREF name;
    win::COLORREF rule;
    win::COLORREF words;
};
constexpr Ink kColourInk{win::RGB(31, 122, 140), win::RGB(27, 58, 92), win::RGB(31, 122, 140),
                         win::RGB(70, 84, 102)};
constexpr Ink kMonoInk{win::RGB(0, 0, 0), win::RGB(0, 0, 0), win::RGB(0, 0, 0), win::RGB(0, 0, 0)};

void WriteInfoHeader(bytes::Writer& out, int width, int height, int bits, int colours,
                     uint32_t imageBytes) {
    out.U32(kHeaderBytes);
    out.I32(width);
    out.I32(height);  // positive: bottom-up rows
    out.U16(1);
    out.U16(static_cast<uint16_t>(bits));
    out.U32(0);
    out.U32(imageBytes);
    out.I32(3780);  // 96 pixels per inch
    out.I32(3780);
    out.U32(static_cast<uint32_t>(colours));
    out.U32(0);
}

std::vector<uint8_t> Dib24(const win::Image32& image) {
    const int rowBytes = (image.width * 3 + 3) & ~3;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes) * image.height;
    std::vector<uint8_t> dib(kHeaderBytes + imageBytes);
    bytes::Writer out(dib.data(), kHeaderBytes);
    WriteInfoHeader(out, image.width, image.height, 24, 0, imageBytes);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row =
            dib.data() + kHeaderBytes + static_cast<size_t>(image.height - 1 - y) * rowBytes;
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.At(x, y);
            row[3 * x] = static_cast<uint8_t>(p);            // blue
            row[3 * x + 1] = static_cast<uint8_t>(p >> 8);   // green
            row[3 * x + 2] = static_cast<uint8_t>(p >> 16);  // red
        }
    }
    return dib;
}

// One bit per pixel, colour 0 black and colour 1 white; a pixel darker than
// the middle grey is black.
std::vector<uint8_t> Dib1(const win::Image32& image) {
    const int rowBytes = ((image.width + 31) / 32) * 4;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes) * image.height;
    constexpr int kTableBytes = 8;
    std::vector<uint8_t> dib(kHeaderBytes + kTableBytes + imageBytes);
    bytes::Writer out(dib.data(), kHeaderBytes + kTableBytes);
    WriteInfoHeader(out, image.width, image.height, 1, 2, imageBytes);
    out.U32(0x00000000u);  // black
    out.U32(0x00FFFFFFu);  // white
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = dib.data() + kHeaderBytes + kTableBytes +
                       static_cast<size_t>(image.height - 1 - y) * rowBytes;
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.At(x, y);
            const int luminance =
                (static_cast<int>((p >> 16) & 0xFF) * 299 +
                 static_cast<int>((p >> 8) & 0xFF) * 587 + static_cast<int>(p & 0xFF) * 114) /
                1000;
            if (luminance >= 128) row[x / 8] = static_cast<uint8_t>(row[x / 8] | (0x80 >> (x % 8)));
        }
    }
    return dib;
}

// A memory DC over a new screen-compatible bitmap, painted by `paint`, read
// back as pixels.
template <typename Paint>
win::Image32 Draw(int width, int height, Paint paint) {
    win::HDC screen = win::GetDC(nullptr);
    win::HDC dc = win::CreateCompatibleDC(screen);
    win::HBITMAP bitmap = win::CreateCompatibleBitmap(screen, width, height);
    win::HGDIOBJ oldBitmap = win::SelectObject(dc, bitmap);
    paint(dc);
    win::Image32 image = win::ReadDcPixels(dc);
    win::SelectObject(dc, oldBitmap);
    win::DeleteObject(bitmap);
    win::DeleteDC(dc);
    win::ReleaseDC(nullptr, screen);
    return image;
}

void FillBox(win::HDC dc, int left, int top, int right, int bottom, win::COLORREF colour) {
    win::HBRUSH brush = win::CreateSolidBrush(colour);
    const win::RECT r{left, top, right, bottom};
    win::FillRect(dc, &r, brush);
    win::DeleteObject(brush);
}

// Text with its cell's top-left corner at (x, y).
void Text(win::HDC dc, const char* text, int x, int y, int height, int weight,
          win::COLORREF colour) {
    win::HFONT font = win::CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, win::ANSI_CHARSET,
                                       win::OUT_DEFAULT_PRECIS, win::CLIP_DEFAULT_PRECIS,
                                       win::DEFAULT_QUALITY, win::FF_SWISS, "Arial");
    win::HGDIOBJ old = win::SelectObject(dc, font);
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, colour);
    win::TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
    win::SelectObject(dc, old);
    win::DeleteObject(font);
}

// The drop: a round bottom under a point, with a highlight.
void DrawDrop(win::HDC dc, const Ink& ink) {
    win::HBRUSH brush = win::CreateSolidBrush(ink.drop);
    win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, ink.drop);
    win::HGDIOBJ oldBrush = win::SelectObject(dc, brush);
    win::HGDIOBJ oldPen = win::SelectObject(dc, pen);
    win::Ellipse(dc, 14, 62, 106, 154);
    const win::POINT point[3] = {{60, 14}, {18, 94}, {102, 94}};
    win::Polygon(dc, point, 3);
    win::SelectObject(dc, oldBrush);
    win::SelectObject(dc, oldPen);
    win::DeleteObject(brush);
    win::DeleteObject(pen);
    // A white gleam on the left of the drop.
    win::HBRUSH white = win::CreateSolidBrush(win::RGB(255, 255, 255));
    win::HPEN none = static_cast<win::HPEN>(win::GetStockObject(win::NULL_PEN));
    oldBrush = win::SelectObject(dc, white);
    oldPen = win::SelectObject(dc, none);
    win::Ellipse(dc, 30, 98, 42, 126);
    win::SelectObject(dc, oldBrush);
    win::SelectObject(dc, oldPen);
    win::DeleteObject(white);
}

win::Image32 Logo(const Ink& ink) {
    return Draw(kLogoWidth, kLogoHeight, [&](win::HDC dc) {
        FillBox(dc, 0, 0, kLogoWidth, kLogoHeight, win::RGB(255, 255, 255));
        DrawDrop(dc, ink);
        Text(dc, "TARVEX", 120, 58, 44, win::FW_BOLD, ink.name);
        FillBox(dc, 122, 106, 286, 110, ink.rule);
        Text(dc, "Scale & Corrosion", 122, 116, 24, win::FW_NORMAL, ink.words);
    });
}

win::Image32 Backdrop(int width, int height) {
    return Draw(width, height, [&](win::HDC dc) {
        // A paper tone that darkens a little toward the bottom.
        for (int y = 0; y < height; ++y) {
            const int shade = 246 - 12 * y / std::max(1, height - 1);
            FillBox(dc, 0, y, width, y + 1, win::RGB(shade - 2, shade, shade + 3));
        }
        const int inset = std::max(4, std::min(width, height) / 60);
        win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, win::RGB(184, 196, 210));
        win::HGDIOBJ oldPen = win::SelectObject(dc, pen);
        win::HGDIOBJ oldBrush = win::SelectObject(dc, win::GetStockObject(win::NULL_BRUSH));
        win::Rectangle(dc, inset, inset, width - inset, height - inset);
        win::SelectObject(dc, oldPen);
        win::SelectObject(dc, oldBrush);
        win::DeleteObject(pen);
        const int mark = std::min(width, height) / 14;
        Text(dc, "Tarvex", width - inset - 4 * mark, height - inset - mark - mark / 2, mark,
             win::FW_BOLD, win::RGB(214, 221, 230));
    });
}

}  // namespace

std::vector<uint8_t> MakeLogoPicture(bool colour) {
    return colour ? Dib24(Logo(kColourInk)) : Dib1(Logo(kMonoInk));
}

std::vector<uint8_t> MakeBackdropPicture(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    return Dib24(Backdrop(width, height));
}

void RegisterReportPictures() {
    // Drawn when a report first prints them.
    const auto logo = [](int colour, int) { return MakeLogoPicture(colour != 0); };
    RegisterDrawnPicture(kLogoColour, logo, 1, 0);
    RegisterDrawnPicture(kLogoMono, logo, 0, 0);
    RegisterDrawnPicture(kBackdropLandscape, MakeBackdropPicture, 792, 612);
    RegisterDrawnPicture(kBackdropPortrait, MakeBackdropPicture, 612, 792);
}
