// The main window's eight background pictures, one per family of desktop sizes.
//
// They are not stored as pixels: each is drawn from the few numbers below when
// the resources are registered, so the program carries a few hundred bytes
// instead of some thirty megabytes of bitmaps. The design is quiet on purpose,
// a backdrop for the result pages: a vertical gradient of slate blue that ends
// in the main window's class colour RGB(101, 110, 126) at the bottom, the product
// name in a pale tint a little above the middle, a thin rule under it and one
// line saying what the program does. Sizes scale with the picture height, so
// every picture looks the same when stretched over its desktop.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "common/byte_io.h"
#include "platform/gdi/gdi.h"
#include "resources/program_resources.h"

namespace {

struct Rgb {
    double r, g, b;
};

constexpr Rgb kTopColour{40.0, 52.0, 72.0};
constexpr Rgb kBottomColour{101.0, 110.0, 126.0};
constexpr Rgb kTitleColour{226.0, 232.0, 240.0};
constexpr Rgb kRuleColour{150.0, 166.0, 188.0};
constexpr Rgb kSubtitleColour{186.0, 196.0, 210.0};

constexpr const char* kTitle = "Tarvex";
constexpr const char* kSubtitle = "Mineral scale and corrosion prediction for oilfield waters";

// Positions as fractions of the picture height (the rule's centre line and the
// baselines of the two texts) and text heights as fractions of it.
constexpr double kTitleHeight = 0.16;
constexpr double kTitleTop = 0.30;
constexpr double kRuleY = 0.50;
constexpr double kRuleHalfWidth = 0.30;  // of the picture width
constexpr double kSubtitleHeight = 0.035;
constexpr double kSubtitleTop = 0.53;

constexpr int kHeaderBytes = 40;

// Rows of a 24-bit DIB are padded to a multiple of 4 bytes.
int RowBytes(int width) {
    return (width * 3 + 3) & ~3;
}

class Picture {
  public:
    Picture(int width, int height)
        : width_(width),
          height_(height),
          rowBytes_(RowBytes(width)),
          dib_(static_cast<size_t>(kHeaderBytes) + static_cast<size_t>(rowBytes_) * height) {
        WriteHeader();
    }

    // Blends `colour` over pixel (x, y) with coverage `alpha` (0..1); y counts
    // from the top.
    void Blend(int x, int y, const Rgb& colour, double alpha) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0.0) return;
        alpha = std::min(alpha, 1.0);
        uint8_t* p = Pixel(x, y);
        const double channels[3] = {colour.b, colour.g, colour.r};  // DIB order: blue first
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<uint8_t>(std::lround(p[c] * (1.0 - alpha) + channels[c] * alpha));
    }

    // Paints row y in `colour`, as a full-coverage blend of each pixel would.
    void FillRow(int y, const Rgb& colour) {
        if (y < 0 || y >= height_ || width_ <= 0) return;
        uint8_t* p = Pixel(0, y);
        const uint8_t bgr[3] = {static_cast<uint8_t>(std::lround(colour.b)),
                                static_cast<uint8_t>(std::lround(colour.g)),
                                static_cast<uint8_t>(std::lround(colour.r))};
        for (int x = 0; x < width_; ++x, p += 3) std::memcpy(p, bgr, 3);
    }

    int width() const { return width_; }
    int height() const { return height_; }
    std::vector<uint8_t> Take() { return std::move(dib_); }

  private:
    uint8_t* Pixel(int x, int y) {
        const size_t row = static_cast<size_t>(height_ - 1 - y);  // bottom-up rows
        return dib_.data() + kHeaderBytes + row * rowBytes_ + static_cast<size_t>(x) * 3;
    }

    void WriteHeader() {
        bytes::Writer out(dib_.data(), kHeaderBytes);
        out.U32(kHeaderBytes);
        out.I32(width_);
        out.I32(height_);  // positive: bottom-up
        out.U16(1);        // planes
        out.U16(24);       // bits per pixel
        out.U32(0);        // no compression
        out.U32(static_cast<uint32_t>(rowBytes_) * height_);
        out.I32(3780);  // 96 pixels per inch
        out.I32(3780);
        out.U32(0);
        out.U32(0);
    }

    int width_;
    int height_;
    int rowBytes_;
    std::vector<uint8_t> dib_;
};

void PaintGradient(Picture& picture) {
    const int h = picture.height();
    for (int y = 0; y < h; ++y) {
        const double t = h > 1 ? static_cast<double>(y) / (h - 1) : 0.0;
        // A gentle ease so the upper half stays dark and the light gathers below.
        const double s = t * t * (3.0 - 2.0 * t);
        const Rgb c{kTopColour.r + (kBottomColour.r - kTopColour.r) * s,
                    kTopColour.g + (kBottomColour.g - kTopColour.g) * s,
                    kTopColour.b + (kBottomColour.b - kTopColour.b) * s};
        picture.FillRow(y, c);
    }
}

void PaintRule(Picture& picture) {
    const int w = picture.width();
    const int h = picture.height();
    const int thickness = std::max(1, h / 400);
    const int centre = static_cast<int>(kRuleY * h);
    const double half = kRuleHalfWidth * w;
    for (int x = 0; x < w; ++x) {
        const double d = std::fabs(x - w / 2.0) / half;
        if (d >= 1.0) continue;
        const double alpha = d < 0.8 ? 1.0 : (1.0 - d) / 0.2;  // the ends fade out
        for (int k = 0; k < thickness; ++k) picture.Blend(x, centre + k, kRuleColour, alpha);
    }
}

// Draws `text` white on black through the platform's fonts, centred
// horizontally with its cell's top at `top`, and blends it in `colour` with
// the rendered grey level as coverage.
void PaintText(Picture& picture, const char* text, int cellHeight, int weight, int top,
               const Rgb& colour) {
    win::HDC screen = win::GetDC(nullptr);
    win::HDC dc = win::CreateCompatibleDC(screen);
    win::HFONT font = win::CreateFontA(cellHeight, 0, 0, 0, weight, 0, 0, 0, win::DEFAULT_CHARSET,
                                       win::OUT_DEFAULT_PRECIS, win::CLIP_DEFAULT_PRECIS,
                                       win::DEFAULT_QUALITY, win::FF_SWISS, "Arial");
    win::HGDIOBJ oldFont = win::SelectObject(dc, font);
    const int length = static_cast<int>(std::strlen(text));
    win::SIZE extent{};
    win::GetTextExtentPoint32A(dc, text, length, &extent);
    if (extent.cx > 0 && extent.cy > 0) {
        win::HBITMAP bitmap = win::CreateCompatibleBitmap(screen, extent.cx, extent.cy);
        win::HGDIOBJ oldBitmap = win::SelectObject(dc, bitmap);
        win::RECT all{0, 0, extent.cx, extent.cy};
        win::FillRect(dc, &all,
                      reinterpret_cast<win::HBRUSH>(win::GetStockObject(win::BLACK_BRUSH)));
        win::SetBkMode(dc, win::TRANSPARENT);
        win::SetTextColor(dc, win::RGB(255, 255, 255));
        win::TextOutA(dc, 0, 0, text, length);
        const win::Image32 rendered = win::ReadDcPixels(dc);
        const int left = (picture.width() - extent.cx) / 2;
        for (int y = 0; y < rendered.height; ++y)
            for (int x = 0; x < rendered.width; ++x) {
                const double coverage = ((rendered.At(x, y) >> 8) & 0xFF) / 255.0;
                picture.Blend(left + x, top + y, colour, coverage);
            }
        win::SelectObject(dc, oldBitmap);
        win::DeleteObject(bitmap);
    }
    win::SelectObject(dc, oldFont);
    win::DeleteObject(font);
    win::DeleteDC(dc);
    win::ReleaseDC(nullptr, screen);
}

}  // namespace

std::vector<uint8_t> MakeBackgroundPicture(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    Picture picture(width, height);
    PaintGradient(picture);
    PaintRule(picture);
    PaintText(picture, kTitle, static_cast<int>(kTitleHeight * height), win::FW_BOLD,
              static_cast<int>(kTitleTop * height), kTitleColour);
    PaintText(picture, kSubtitle, std::max(8, static_cast<int>(kSubtitleHeight * height)),
              win::FW_NORMAL, static_cast<int>(kSubtitleTop * height), kSubtitleColour);
    return picture.Take();
}

void RegisterBackgroundPictures() {
    // Only the picture the desktop chooses is ever shown: none is drawn before.
    for (const PictureSize& p : kBackgroundPictures)
        RegisterDrawnPicture(p.id, MakeBackgroundPicture, p.width, p.height);
}
