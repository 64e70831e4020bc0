// Metafiles: a picture recorded through a metafile context plays back into
// any context at any size, unaffected by what the program deleted or
// changed since, without disturbing the target's own state, and inside the
// target's clip.
#include <cstring>

#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

using MetafileTest = GdiTest;

constexpr int kWidth = 120;
constexpr int kHeight = 80;

// The picture's frame in 0.01 mm for a size in pixels of the reference
// device, as the program computes it: pixels times millimetres per pixel.
RECT FrameFor(HDC reference, int width, int height) {
    const int mmX = GetDeviceCaps(reference, HORZSIZE);
    const int mmY = GetDeviceCaps(reference, VERTSIZE);
    const int pxX = GetDeviceCaps(reference, HORZRES);
    const int pxY = GetDeviceCaps(reference, VERTRES);
    return RECT{0, 0, width * mmX * 100 / pxX, height * mmY * 100 / pxY};
}

// A summary-page-like picture: a hatched band, a ruled table frame, a
// filled diamond, an ellipse and two lines of text.
void DrawPicture(HDC dc) {
    HBRUSH band = CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 160));
    HPEN rule = CreatePen(PS_SOLID, 2, RGB(200, 200, 200));
    HBRUSH green = CreateSolidBrush(RGB(0, 171, 0));
    HFONT font =
        CreateFontA(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, PROOF_QUALITY, 0, "Tahoma");
    RECT top{0, 0, kWidth, 16};
    FillRect(dc, &top, band);
    HGDIOBJ oldPen = SelectObject(dc, rule);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 4, 20, 116, 76);
    MoveToEx(dc, 4, 48, nullptr);
    LineTo(dc, 116, 48);
    SelectObject(dc, green);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    const POINT diamond[4] = {{30, 24}, {50, 36}, {30, 46}, {10, 36}};
    Polygon(dc, diamond, 4);
    Ellipse(dc, 70, 52, 110, 72);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(4, 4, 60));
    TextOutA(dc, 60, 26, "SCALE", 5);
    TextOutA(dc, 8, 54, "pH 7.2", 6);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    // The program deletes its objects once it has drawn with them.
    DeleteObject(band);
    DeleteObject(rule);
    DeleteObject(green);
    DeleteObject(font);
}

HENHMETAFILE Record(HDC reference) {
    const RECT frame = FrameFor(reference, kWidth, kHeight);
    HDC meta = CreateEnhMetaFileA(reference, nullptr, &frame, "Tarvex\0Summary\0\0");
    EXPECT_NE(meta, nullptr);
    DrawPicture(meta);
    return CloseEnhMetaFile(meta);
}

TEST_F(MetafileTest, PlaybackAtTheRecordedSizeMatchesDirectDrawing) {
    HDC screen = CreateCompatibleDC(nullptr);
    HENHMETAFILE picture = Record(screen);
    ASSERT_NE(picture, nullptr);
    MemoryCanvas direct(kWidth, kHeight);
    DrawPicture(direct.Dc());
    MemoryCanvas played(kWidth, kHeight);
    const RECT all{0, 0, kWidth, kHeight};
    ASSERT_TRUE(PlayEnhMetaFile(played.Dc(), picture, &all));
    EXPECT_EQ(played.Pixels().pixels, direct.Pixels().pixels);
    RECT frame;
    EXPECT_TRUE(GetEnhMetaFileFrame(picture, &frame));
    EXPECT_EQ(frame.right, FrameFor(screen, kWidth, kHeight).right);
    EXPECT_EQ(GetEnhMetaFileDescription(picture), "Tarvex Summary");
    EXPECT_TRUE(DeleteEnhMetaFile(picture));
    EXPECT_FALSE(DeleteEnhMetaFile(picture));
    EXPECT_FALSE(PlayEnhMetaFile(played.Dc(), picture, &all));
    DeleteDC(screen);
}

TEST_F(MetafileTest, PictureReplayedAtTwoSizesMatchesItsPicture) {
    HDC screen = CreateCompatibleDC(nullptr);
    HENHMETAFILE picture = Record(screen);
    MemoryCanvas c(2 * kWidth + kWidth / 2 + 12, 2 * kHeight + 8);
    const RECT big{4, 4, 4 + 2 * kWidth, 4 + 2 * kHeight};
    const RECT small{8 + 2 * kWidth, 4, 8 + 2 * kWidth + kWidth / 2, 4 + kHeight / 2};
    ASSERT_TRUE(PlayEnhMetaFile(c.Dc(), picture, &big));
    ASSERT_TRUE(PlayEnhMetaFile(c.Dc(), picture, &small));
    // Everything stays inside the two target rectangles.
    const Image32 image = c.Pixels();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool inBig = x >= big.left && x < big.right && y >= big.top && y < big.bottom;
            const bool inSmall =
                x >= small.left && x < small.right && y >= small.top && y < small.bottom;
            if (!inBig && !inSmall) {
                ASSERT_EQ(image.At(x, y), 0x00FFFFFFu) << x << "," << y;
            }
        }
    }
    // The diamond's centre sits at the same place relative to each frame.
    EXPECT_EQ(c.At(4 + 2 * 30, 4 + 2 * 36), RGB(0, 171, 0));
    EXPECT_EQ(c.At(small.left + 15, small.top + 18), RGB(0, 171, 0));
    EXPECT_TRUE(MatchesGolden(image, "metafile_two_sizes"));
    DeleteEnhMetaFile(picture);
    DeleteDC(screen);
}

TEST_F(MetafileTest, PlaybackLeavesTheTargetStateAndHonoursItsClip) {
    HDC screen = CreateCompatibleDC(nullptr);
    HENHMETAFILE picture = Record(screen);
    MemoryCanvas c(kWidth, kHeight);
    HPEN mine = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    SelectObject(c.Dc(), mine);
    SetTextColor(c.Dc(), RGB(9, 9, 9));
    SetMapMode(c.Dc(), MM_ANISOTROPIC);
    SetWindowExtEx(c.Dc(), kWidth, kHeight, nullptr);
    SetViewportExtEx(c.Dc(), kWidth, kHeight, nullptr);
    IntersectClipRect(c.Dc(), 0, 0, kWidth / 2, kHeight);
    const RECT all{0, 0, kWidth, kHeight};
    PlayEnhMetaFile(c.Dc(), picture, &all);
    EXPECT_EQ(GetCurrentObject(c.Dc(), OBJ_PEN), mine);
    EXPECT_EQ(GetTextColor(c.Dc()), RGB(9, 9, 9));
    EXPECT_EQ(GetMapMode(c.Dc()), MM_ANISOTROPIC);
    const RECT ink = InkBox(c.Pixels());
    EXPECT_LE(ink.right, kWidth / 2);
    EXPECT_GT(CountInk(c.Pixels()), 100);
    SelectObject(c.Dc(), GetStockObject(BLACK_PEN));
    DeleteObject(mine);
    DeleteEnhMetaFile(picture);
    DeleteDC(screen);
}

TEST_F(MetafileTest, PictureInsideAPictureAndCopies) {
    HDC screen = CreateCompatibleDC(nullptr);
    HENHMETAFILE inner = Record(screen);
    const RECT frame = FrameFor(screen, kWidth, kHeight);
    HDC outerDc = CreateEnhMetaFileA(screen, nullptr, &frame, nullptr);
    const RECT all{0, 0, kWidth, kHeight};
    EXPECT_TRUE(PlayEnhMetaFile(outerDc, inner, &all));
    HENHMETAFILE outer = CloseEnhMetaFile(outerDc);
    HENHMETAFILE copy = CopyEnhMetaFileA(inner, nullptr);
    DeleteEnhMetaFile(inner);  // the copy and the outer picture keep their records
    MemoryCanvas a(kWidth, kHeight);
    MemoryCanvas b(kWidth, kHeight);
    PlayEnhMetaFile(a.Dc(), outer, &all);
    PlayEnhMetaFile(b.Dc(), copy, &all);
    EXPECT_EQ(a.Pixels().pixels, b.Pixels().pixels);
    EXPECT_GT(CountInk(a.Pixels()), 100);
    DeleteEnhMetaFile(outer);
    DeleteEnhMetaFile(copy);
    // A file name is refused: pictures live in memory only.
    EXPECT_EQ(CreateEnhMetaFileA(screen, "picture.emf", &frame, nullptr), nullptr);
    DeleteDC(screen);
}

TEST_F(MetafileTest, RecordingContextAnswersForItsReferenceDevice) {
    HDC screen = CreateCompatibleDC(nullptr);
    HDC meta = CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetDeviceCaps(meta, TECHNOLOGY), DT_METAFILE);
    EXPECT_EQ(GetDeviceCaps(meta, LOGPIXELSY), GetDeviceCaps(screen, LOGPIXELSY));
    EXPECT_EQ(GetDeviceCaps(meta, HORZRES), GetDeviceCaps(screen, HORZRES));
    HFONT font = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    SelectObject(meta, font);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(meta, &tm));
    EXPECT_EQ(tm.tmAscent, 18);  // Arial: 1854 * 20 / 2048 = 18.1
    SelectObject(meta, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    DeleteEnhMetaFile(CloseEnhMetaFile(meta));
    EXPECT_EQ(CloseEnhMetaFile(screen), nullptr);  // not a metafile context
    DeleteDC(screen);
}

}  // namespace
}  // namespace win::test
