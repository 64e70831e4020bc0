// The summary pages' page pictures, made the first time they are used: at
// 100 pixels per inch they are light to keep and to embed in a printed page,
// and they are only ever stretched over a whole printable area.
#include "printing/summary/page_picture.h"

#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"
#include "printing/pictures/stretch_dib.h"
#include "shell/records.h"

namespace {

constexpr int kHeaderBytes = 40;
constexpr int kPixelsPerInch = 100;
constexpr float kShapeThreshold = 1.31f;

struct PictureShape {
    int id;
    int width;
    int height;
};
// 11 x 8.5 inches and 297 x 210 mm.
constexpr PictureShape kShapes[] = {
    {PagePicture::kLetterLandscape, 1100, 850},
    {PagePicture::kLetterPortrait, 850, 1100},
    {PagePicture::kA4Landscape, 1169, 827},
    {PagePicture::kA4Portrait, 827, 1169},
};

const PictureShape* ShapeOf(int id) {
    for (const PictureShape& s : kShapes)
        if (s.id == id) return &s;
    return nullptr;
}

void Fill(win::HDC dc, int left, int top, int right, int bottom, win::COLORREF colour) {
    win::HBRUSH brush = win::CreateSolidBrush(colour);
    const win::RECT r{left, top, right, bottom};
    win::FillRect(dc, &r, brush);
    win::DeleteObject(brush);
}

// The sheet: white, a hairline frame just inside its edge, and the product's name
// in a pale blue-grey at the lower right.
void PaintSheet(win::HDC dc, int width, int height) {
    Fill(dc, 0, 0, width, height, win::RGB(255, 255, 255));
    const int inset = kPixelsPerInch / 25;
    win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, win::RGB(200, 208, 220));
    win::HGDIOBJ oldPen = win::SelectObject(dc, pen);
    win::HGDIOBJ oldBrush = win::SelectObject(dc, win::GetStockObject(win::NULL_BRUSH));
    win::Rectangle(dc, inset, inset, width - inset, height - inset);
    win::SelectObject(dc, oldPen);
    win::SelectObject(dc, oldBrush);
    win::DeleteObject(pen);
    const int mark = kPixelsPerInch / 3;
    win::HFONT font = win::CreateFontA(mark, 0, 0, 0, win::FW_BOLD, 0, 0, 0, win::ANSI_CHARSET,
                                       win::OUT_DEFAULT_PRECIS, win::CLIP_DEFAULT_PRECIS,
                                       win::DEFAULT_QUALITY, win::FF_SWISS, "Arial");
    win::HGDIOBJ oldFont = win::SelectObject(dc, font);
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, win::RGB(226, 231, 238));
    win::SIZE size{};
    win::GetTextExtentPoint32A(dc, "Tarvex", 6, &size);
    win::TextOutA(dc, width - inset - mark / 2 - size.cx, height - inset - mark / 2 - size.cy,
                  "Tarvex", 6);
    win::SelectObject(dc, oldFont);
    win::DeleteObject(font);
}

std::vector<uint8_t> Dib24(const win::Image32& image) {
    const int rowBytes = (image.width * 3 + 3) & ~3;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes) * image.height;
    std::vector<uint8_t> dib(kHeaderBytes + imageBytes);
    bytes::Writer out(dib.data(), kHeaderBytes);
    out.U32(kHeaderBytes);
    out.I32(image.width);
    out.I32(image.height);  // bottom-up rows
    out.U16(1);
    out.U16(24);
    out.U32(0);
    out.U32(imageBytes);
    const int32_t perMetre = kPixelsPerInch * 10000 / 254;
    out.I32(perMetre);
    out.I32(perMetre);
    out.U32(0);
    out.U32(0);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row =
            dib.data() + kHeaderBytes + static_cast<size_t>(image.height - 1 - y) * rowBytes;
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.At(x, y);
            row[3 * x] = static_cast<uint8_t>(p);
            row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(p >> 16);
        }
    }
    return dib;
}

win::HBITMAP LoadPagePicture(int id) {
    win::HBITMAP picture = win::LoadBitmapA(mainWindowState.instance, id);
    if (picture != nullptr) return picture;
    const std::vector<uint8_t> dib = MakePagePicture(id);
    if (dib.empty()) return nullptr;
    win::SetResourceBitmap(id, dib.data(), dib.size());
    return win::LoadBitmapA(mainWindowState.instance, id);
}

}  // namespace

int ChoosePagePicture(int width, int height) {
    if (width > height) {
        const float ratio = static_cast<float>(width) / static_cast<float>(height);
        return ratio > kShapeThreshold ? PagePicture::kA4Landscape : PagePicture::kLetterLandscape;
    }
    const float ratio = width > 0 ? static_cast<float>(height) / static_cast<float>(width) : 0.0f;
    return ratio > kShapeThreshold ? PagePicture::kA4Portrait : PagePicture::kLetterPortrait;
}

std::vector<uint8_t> MakePagePicture(int id) {
    const PictureShape* shape = ShapeOf(id);
    if (shape == nullptr) return {};
    win::HDC screen = win::GetDC(nullptr);
    win::HDC dc = win::CreateCompatibleDC(screen);
    win::HBITMAP bitmap = win::CreateCompatibleBitmap(screen, shape->width, shape->height);
    win::HGDIOBJ oldBitmap = win::SelectObject(dc, bitmap);
    PaintSheet(dc, shape->width, shape->height);
    const win::Image32 image = win::ReadDcPixels(dc);
    win::SelectObject(dc, oldBitmap);
    win::DeleteObject(bitmap);
    win::DeleteDC(dc);
    win::ReleaseDC(nullptr, screen);
    if (image.width != shape->width || image.height != shape->height) return {};
    return Dib24(image);
}

void DrawReportPicture(win::HDC dc) {
    if (!TakesBitmaps(dc)) return;
    const int width = win::GetDeviceCaps(dc, win::HORZRES);
    const int height = win::GetDeviceCaps(dc, win::VERTRES);
    if (width <= 0 || height <= 0) return;
    win::HBITMAP picture = LoadPagePicture(ChoosePagePicture(width, height));
    win::BITMAP info{};
    if (!BitmapSizeOrDelete(picture, &info)) return;
    StretchBitmapAsDib(dc, picture, info, 0, 0, width, height);
    win::DeleteObject(picture);
}
