// Image printing: the print rectangle, the direct and halftone paths, the
// ordered screen and the scale masks, bands, the abort procedure and the
// documents. Pixels are read back from a memory context that carries the
// test printer's device description (100 dpi, so a thousandth of an inch
// is a tenth of a device pixel); whole documents are checked as PDF files.
#include "imaging/print/print_image.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "imaging/colour/depth_conversion.h"
#include "imaging/print/halftone.h"
#include "platform/gdi/gdi.h"
#include "platform/print/print_setup.h"
#include "platform/window/window.h"
#include "tests/imaging/imaging_fixture.h"

namespace imagingtest {
namespace {

namespace fs = std::filesystem;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

class PrintImageTest : public ImagingTest {
  protected:
    void SetUp() override {
        ImagingTest::SetUp();
        ResetImagePrintRecords();
        win::UsePrinters(win::ParsePrinterConfig("Test | letter | 100 | mono | " + root +
                                                     "\nFine | letter | 600 | colour | " + root +
                                                     "\n",
                                                 "/", nullptr));
    }
    void TearDown() override {
        if (memory_ != nullptr) {
            win::SelectObject(memory_, old_);
            win::DeleteObject(page_);
            win::DeleteDC(memory_);
        }
        if (printer_ != nullptr) win::DeleteDC(printer_);
        memory_ = nullptr;
        printer_ = nullptr;
        ImagingTest::TearDown();
    }
    win::HDC Printer(const char* name = "Test") {
        printer_ = win::CreateDCA(nullptr, name, nullptr, nullptr);
        return printer_;
    }
    // A white page the size of the printable area, described as the printer.
    win::HDC Page() {
        win::HDC printer = Printer();
        memory_ = win::CreateCompatibleDC(printer);
        const int w = win::GetDeviceCaps(printer, win::HORZRES);
        const int h = win::GetDeviceCaps(printer, win::VERTRES);
        page_ = win::CreateBitmap(w, h, 1, 32, nullptr);
        old_ = win::SelectObject(memory_, page_);
        win::PatBlt(memory_, 0, 0, w, h, win::WHITENESS);
        return memory_;
    }
    [[nodiscard]] win::Image32 Pixels() const { return win::ReadDcPixels(memory_); }

    // An 8-bit picture of one palette colour; a grey ramp palette unless `colour`.
    ImageDesc& Flat8(int w, int h, uint8_t index, const win::RGBQUAD* colour = nullptr) {
        ImageDesc& image = Image(w, h, 8);
        InitImagePalette(&image);
        if (colour != nullptr) {
            image.palette[index] = *colour;
            image.flags &= ~IMG_FLAG_GREY;
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) SetPixel(image, x, y, index);
        return image;
    }

    [[nodiscard]] std::vector<fs::path> Pdfs() const {
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(root))
            if (e.path().extension() == ".pdf") files.push_back(e.path());
        return files;
    }

    win::HDC printer_ = nullptr;
    win::HDC memory_ = nullptr;
    win::HBITMAP page_ = nullptr;
    win::HGDIOBJ old_ = nullptr;
};

// Device rectangle (l, t) .. (l + w - 1, t + h - 1) of a print at 100 dpi.
win::RECT At100(int l, int t, int w, int h) {
    return win::RECT{l * 10, t * 10, (l + w) * 10 - 1, (t + h) * 10 - 1};
}

bool ScreenWhite(int x, int y, uint8_t grey) {
    return grey > kOrderedScreen[y % 8][x % 8];
}

// ---- Bounds ---------------------------------------------------------------------------------

TEST_F(PrintImageTest, BoundsFollowTheResolutionAndRefuseWhatCannotPrint) {
    ImageDesc& picture = Image(4, 4, 24);
    win::HDC fine = Printer("Fine");
    win::DOCINFOA doc;
    doc.lpszDocName = "bounds";
    ASSERT_GT(win::StartDocA(fine, &doc), 0);
    ASSERT_GT(win::StartPage(fine), 0);
    const win::RECT inch{1000, 1000, 1999, 1999};
    EXPECT_EQ(PrintImageOnPage(nullptr, fine, 0, &picture, &inch, 0, nullptr), IMG_OK);
    EXPECT_EQ(imagePrintState.left, 600);
    EXPECT_EQ(imagePrintState.top, 600);
    EXPECT_EQ(imagePrintState.right, 1199);
    EXPECT_EQ(imagePrintState.bottom, 1199);
    win::AbortDoc(fine);

    // A frame wider than the rectangle, an empty rectangle, one past the
    // printable area: refused before any document starts.
    const int horz = win::GetDeviceCaps(fine, win::HORZRES);
    const win::RECT empty{1000, 1000, 999, 1999};
    const win::RECT pastRight{1000, 1000, horz * 1000 / 600 + 1, 1999};
    const win::RECT pastBottom{1000, 1000, 1999, 20000};
    EXPECT_EQ(PrintImage(nullptr, fine, 0, &picture, &inch, 601, nullptr), IMG_BAD_ARGUMENT);
    EXPECT_EQ(PrintImage(nullptr, fine, 0, &picture, &empty, 0, nullptr), IMG_BAD_ARGUMENT);
    EXPECT_EQ(PrintImage(nullptr, fine, 1, &picture, &pastRight, 0, nullptr), IMG_BAD_ARGUMENT);
    EXPECT_EQ(PrintImage(nullptr, fine, 2, &picture, &pastBottom, 0, nullptr), IMG_BAD_ARGUMENT);
    EXPECT_TRUE(win::PrintLog().back().aborted) << "only the first document ran";
    EXPECT_GT(win::StartDocA(fine, &doc), 0) << "a refused print left a document open";
    win::AbortDoc(fine);
}

TEST_F(PrintImageTest, AFrameLiesInsideTheRectangleAndFrameZeroDrawsNone) {
    ImageDesc& white = Flat8(10, 10, 255);
    win::HDC page = Page();
    const win::RECT r = At100(100, 100, 40, 30);
    ASSERT_EQ(PrintImageOnPage(nullptr, page, 0, &white, &r, 0, nullptr), IMG_OK);
    win::Image32 none = Pixels();
    for (int x = 95; x < 145; ++x) EXPECT_EQ(none.At(x, 100) & kWhite, kWhite) << x;

    ASSERT_EQ(PrintImageOnPage(nullptr, page, 1, &white, &r, 3, nullptr), IMG_OK);
    win::Image32 framed = Pixels();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(framed.At(100 + i, 115) & kWhite, kBlack) << "left " << i;
        EXPECT_EQ(framed.At(139 - i, 115) & kWhite, kBlack) << "right " << i;
        EXPECT_EQ(framed.At(120, 100 + i) & kWhite, kBlack) << "top " << i;
        EXPECT_EQ(framed.At(120, 129 - i) & kWhite, kBlack) << "bottom " << i;
    }
    EXPECT_EQ(framed.At(103, 115) & kWhite, kWhite);
    EXPECT_EQ(framed.At(99, 115) & kWhite, kWhite);
    EXPECT_EQ(framed.At(140, 115) & kWhite, kWhite);
    EXPECT_EQ(framed.At(120, 130) & kWhite, kWhite);
}

// ---- Paths ----------------------------------------------------------------------------------

TEST_F(PrintImageTest, TwentyFourAndOneBitPicturesGoThroughStretchDibits) {
    win::HDC page = Page();
    ImageDesc& colour = Image(8, 8, 24);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) SetPixel(colour, x, y, 0x808080);
    const win::RECT r = At100(10, 10, 32, 32);
    ASSERT_EQ(PrintImageOnPage(nullptr, page, 2, &colour, &r, 0, nullptr), IMG_OK);
    win::Image32 grey = Pixels();
    for (int y = 10; y < 42; y += 5)
        for (int x = 10; x < 42; x += 5) EXPECT_EQ(grey.At(x, y) & kWhite, 0x808080u);
    EXPECT_EQ(win::GetStretchBltMode(page), win::COLORONCOLOR);

    ImageDesc& bits = Image(8, 8, 1);
    InitImagePalette(&bits);
    FillPattern(bits);
    const win::RECT s = At100(100, 10, 16, 16);
    ASSERT_EQ(PrintImageOnPage(nullptr, page, 1, &bits, &s, 0, nullptr), IMG_OK);
    EXPECT_EQ(win::GetStretchBltMode(page), win::BLACKONWHITE);
    win::Image32 mono = Pixels();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(mono.At(100 + x, 10 + y) & kWhite,
                      Pixel(bits, x / 2, y / 2) ? kWhite : kBlack)
                << x << "," << y;
}

TEST_F(PrintImageTest, HalftoneGreyTakesTheToneCurveOnlyForColourPalettes) {
    win::HDC page = Page();
    // A grey-palette picture of grey g prints the screen pattern of g itself.
    ImageDesc& grey = Flat8(16, 16, 100);
    const win::RECT r = At100(10, 10, 16, 16);
    ASSERT_EQ(PrintImageOnPage(nullptr, page, 1, &grey, &r, 0, nullptr), IMG_OK);
    // A colour palette goes through the grey conversion and the tone curve.
    const win::RGBQUAD orange{30, 120, 220, 0};
    ImageDesc& colour = Flat8(16, 16, 7, &orange);
    ImageDesc& expected = Image(16, 16, 8);
    ASSERT_EQ(ConvertToGrey(&colour, &expected), IMG_OK);
    ASSERT_EQ(ApplyPrintToneCurve(&expected, &expected), IMG_OK);
    const uint8_t toned = static_cast<uint8_t>(Pixel(expected, 0, 0));
    ASSERT_NE(toned, 100);
    const win::RECT s = At100(40, 10, 16, 16);
    ASSERT_EQ(PrintImageOnPage(nullptr, page, 1, &colour, &s, 0, nullptr), IMG_OK);

    win::Image32 out = Pixels();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(out.At(10 + x, 10 + y) & kWhite, ScreenWhite(x, y, 100) ? kWhite : kBlack);
            EXPECT_EQ(out.At(40 + x, 10 + y) & kWhite, ScreenWhite(x, y, toned) ? kWhite : kBlack);
        }
    EXPECT_EQ(Pixel(colour, 3, 3), 7u) << "the picture itself is left as it was";
}

// ---- The ordered screen and the scale masks -------------------------------------------------

TEST_F(PrintImageTest, AFlatGreySetsWhiteExactlyWhereTheScreenLiesBelowIt) {
    win::HDC page = Page();
    const uint8_t greys[] = {0, 1, 128, 200, 255};
    int left = 10;
    for (uint8_t g : greys) {
        ImageDesc& flat = Flat8(8, 8, g);
        const win::RECT r = At100(left, 20, 24, 16);
        ASSERT_EQ(PrintImageOnPage(nullptr, page, 1, &flat, &r, 0, nullptr), IMG_OK);
        win::Image32 out = Pixels();
        int whites = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 24; ++x) {
                const bool white = (out.At(left + x, 20 + y) & kWhite) == kWhite;
                whites += white ? 1 : 0;
                EXPECT_EQ(white, ScreenWhite(x, y, g)) << int{g} << " at " << x << "," << y;
            }
        if (g == 128) {
            EXPECT_EQ(whites, 24 * 16 / 2);
        }
        left += 30;
    }
}

TEST_F(PrintImageTest, MasksRepeatRowsAndColumnsEnlargingAndSkipThemReducing) {
    uint8_t mask[2];
    BuildScaleMask(7, 3, mask);
    EXPECT_EQ(mask[0], 0b10101000);
    BuildScaleMask(5, 2, mask);
    EXPECT_EQ(mask[0], 0b10100000);
    BuildScaleMask(3, 7, mask);
    EXPECT_EQ(mask[0], 0b10101000);
    BuildScaleMask(9, 9, mask);
    EXPECT_EQ(mask[0], 0xFF);
    EXPECT_EQ(mask[1], 0x80);

    // A 3 x 2 picture of black and white cells to 7 x 5 device pixels, and a
    // 7 x 5 one to 3 x 2: the cells come out where the masks say.
    win::HDC page = Page();
    ImageDesc& small = Flat8(3, 2, 0);
    SetPixel(small, 1, 0, 255);
    SetPixel(small, 0, 1, 255);
    SetPixel(small, 2, 1, 255);
    const win::RECT r = At100(10, 10, 7, 5);
    ASSERT_EQ(PrintImageOnPage(nullptr, page, 1, &small, &r, 0, nullptr), IMG_OK);
    ImageDesc& large = Flat8(7, 5, 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) SetPixel(large, x, y, (x + y) % 2 == 0 ? 255 : 0);
    const win::RECT s = At100(30, 10, 3, 2);
    ASSERT_EQ(PrintImageOnPage(nullptr, page, 2, &large, &s, 0, nullptr), IMG_OK);

    win::Image32 out = Pixels();
    const int columnOf[7] = {0, 0, 1, 1, 2, 2, 2};
    const int rowOf[5] = {0, 0, 1, 1, 1};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(out.At(10 + x, 10 + y) & kWhite,
                      Pixel(small, columnOf[x], rowOf[y]) ? kWhite : kBlack)
                << x << "," << y;
    // Reducing keeps source columns 0, 2, 4 and rows 0, 2: all even sums, white.
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(out.At(30 + x, 10 + y) & kWhite, kWhite);
}

TEST_F(PrintImageTest, ErrorDiffusionKeepsTheMeanGrey) {
    win::HDC page = Page();
    ImageDesc& flat = Flat8(40, 40, 128);
    const win::RECT r = At100(10, 10, 200, 200);
    ASSERT_EQ(PrintImageOnPage(nullptr, page, 2, &flat, &r, 0, nullptr), IMG_OK);
    win::Image32 out = Pixels();
    int whites = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) whites += (out.At(10 + x, 10 + y) & kWhite) == kWhite;
    EXPECT_NEAR(whites / 40000.0, 0.5, 0.01);
    EXPECT_EQ(out.At(9, 100) & kWhite, kWhite);
    EXPECT_EQ(out.At(210, 100) & kWhite, kWhite);
}

// ---- Bands ----------------------------------------------------------------------------------

TEST_F(PrintImageTest, EveryRowPrintsWhateverTheBandSize) {
    // 780 pixels wide: 98 bytes a row, bands of 251 rows; 300 rows need two.
    for (int failures : {0, 3}) {
        SCOPED_TRACE(failures);
        win::HDC page = Page();
        ImageDesc& black = Flat8(8, 8, 0);
        const win::RECT r = At100(10, 10, 780, 300);
        win::FailNextGlobalAllocs(failures);
        ASSERT_EQ(PrintImageOnPage(nullptr, page, failures == 0 ? 1 : 2, &black, &r, 0, nullptr),
                  IMG_OK);
        win::Image32 out = Pixels();
        for (int y = 10; y < 310; ++y) {
            ASSERT_EQ(out.At(10, y) & kWhite, kBlack) << y;
            ASSERT_EQ(out.At(789, y) & kWhite, kBlack) << y;
        }
        EXPECT_EQ(out.At(10, 310) & kWhite, kWhite);
        EXPECT_EQ(out.At(790, 10) & kWhite, kWhite);
        TearDown();
        SetUp();
    }
}

// ---- Abort and documents --------------------------------------------------------------------

int32_t stopAt = -1;
int32_t highestProgress = -1;
int32_t Watch(int32_t progress) {
    highestProgress = std::max(highestProgress, progress);
    return stopAt >= 0 && progress >= stopAt ? 1 : 0;
}

int dispatched = 0;
win::LRESULT CountingProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    if (m == win::WM_USER + 7) ++dispatched;
    return win::DefWindowProc(h, m, w, l);
}

TEST_F(PrintImageTest, ACallbackStopsAfterTheCurrentRowAndAbortsTheDocument) {
    win::WNDCLASS wc;
    wc.lpfnWndProc = CountingProc;
    wc.lpszClassName = "PrintImageTestWindow";
    ASSERT_NE(win::RegisterClass(&wc), 0);
    win::HWND window = win::CreateWindow("PrintImageTestWindow", "graph", win::WS_POPUP, 0, 0, 10,
                                         10, nullptr, nullptr, nullptr, nullptr);
    ImageDesc& black = Flat8(10, 10, 0);

    // On a page: asked at 0, 10, 20 and 30 % of the rows; the stop at
    // progress 3 comes with the row at 30 %, which is the last printed.
    stopAt = 3;
    dispatched = 0;
    win::PostMessage(window, win::WM_USER + 7, 0, 0);
    win::HDC page = Page();
    const win::RECT r = At100(10, 10, 50, 100);
    ASSERT_EQ(PrintImageOnPage(window, page, 1, &black, &r, 0, Watch), IMG_OK);
    EXPECT_EQ(dispatched, 1) << "waiting messages are dispatched while printing";
    EXPECT_EQ(imagePrintState.aborted, 1);
    win::Image32 out = Pixels();
    EXPECT_EQ(out.At(30, 10 + 30) & kWhite, kBlack);
    EXPECT_EQ(out.At(30, 10 + 31) & kWhite, kWhite) << "printing went on after the stop";

    // A document of its own is aborted: no PDF, and no error.
    const size_t before = win::PrintLog().size();
    ASSERT_EQ(PrintImage(window, printer_, 2, &black, &r, 0, Watch), IMG_OK);
    ASSERT_EQ(win::PrintLog().size(), before + 1);
    EXPECT_TRUE(win::PrintLog().back().aborted);
    EXPECT_TRUE(Pdfs().empty());
    stopAt = 0;
    ASSERT_EQ(PrintImage(window, printer_, 0, &black, &r, 0, Watch), IMG_OK);
    EXPECT_TRUE(win::PrintLog().back().aborted) << "the direct path asks once, before it prints";
    EXPECT_TRUE(Pdfs().empty());

    // Run to the end, the count stops at 10.
    stopAt = -1;
    highestProgress = -1;
    ImageDesc& tall = Flat8(5, 500, 0);
    const win::RECT longer = At100(10, 10, 50, 500);
    ASSERT_EQ(PrintImage(window, printer_, 1, &tall, &longer, 0, Watch), IMG_OK);
    EXPECT_EQ(highestProgress, 10);
    EXPECT_EQ(imagePrintState.progress, 10);
    EXPECT_EQ(Pdfs().size(), 1u);
    win::DestroyWindow(window);
}

TEST_F(PrintImageTest, DocumentsAreOwnOnlyForPrintImage) {
    ImageDesc& black = Flat8(10, 10, 0);
    win::HWND none = nullptr;
    win::HDC printer = Printer();
    const size_t before = win::PrintLog().size();
    win::DOCINFOA doc;
    doc.lpszDocName = "callers";
    ASSERT_GT(win::StartDocA(printer, &doc), 0);
    ASSERT_GT(win::StartPage(printer), 0);
    const win::RECT r = At100(0, 0, 10, 10);
    ASSERT_EQ(PrintImageOnPage(none, printer, 0, &black, &r, 0, nullptr), IMG_OK);
    ASSERT_EQ(PrintImageOnPage(none, printer, 1, &black, &r, 0, nullptr), IMG_OK);
    EXPECT_EQ(win::PrintLog().size(), before) << "PrintImageOnPage ended the caller's document";
    ASSERT_GT(win::EndPage(printer), 0);
    ASSERT_GT(win::EndDoc(printer), 0);
    ASSERT_EQ(win::PrintLog().size(), before + 1);
    EXPECT_EQ(win::PrintLog().back().document, "callers");
    EXPECT_EQ(win::PrintLog().back().pages, 1);
    EXPECT_FALSE(win::PrintLog().back().aborted);

    // StartDoc failing: a context that is not a printer.
    win::DeleteDC(printer);
    win::HDC page = Page();
    EXPECT_EQ(PrintImage(none, page, 0, &black, &r, 0, nullptr), IMG_STARTDOC_FAILED);
    EXPECT_EQ(PrintImage(none, page, 1, &black, &r, 0, nullptr), IMG_STARTDOC_FAILED);
}

// The whole road, checked in the PDF: a black 10 x 10 picture over one inch
// of a 100-dpi page lies on device pixels 100 to 199, 125 to 224 of the
// sheet (the printable area starts a quarter inch in).
TEST_F(PrintImageTest, APrintedSquareLiesWhereTheRectangleSaysInThePdf) {
    if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftoppm";
    win::WNDCLASS wc;
    wc.lpfnWndProc = CountingProc;
    wc.lpszClassName = "PrintImageTestWindow";
    ASSERT_NE(win::RegisterClass(&wc), 0);
    win::HWND window = win::CreateWindow("PrintImageTestWindow", "sq", win::WS_POPUP, 0, 0, 10, 10,
                                         nullptr, nullptr, nullptr, nullptr);
    ImageDesc& black = Flat8(10, 10, 0);
    const win::RECT inch{1000, 1000, 1999, 1999};
    ASSERT_EQ(PrintImage(window, Printer(), 0, &black, &inch, 0, nullptr), IMG_OK);
    win::DestroyWindow(window);
    ASSERT_TRUE(fs::exists(root + "/sq.pdf"));
    const std::string command =
        "pdftoppm -r 100 -singlefile '" + root + "/sq.pdf' '" + root + "/sq' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    win::Image32 sheet;
    ASSERT_TRUE(win::ReadPpm(root + "/sq.ppm", &sheet));
    for (int y = 120; y < 230; ++y)
        for (int x = 120; x < 230; ++x) {
            const bool inside = x >= 125 && x <= 224 && y >= 125 && y <= 224;
            ASSERT_EQ((sheet.At(x, y) & 0xFF) < 128, inside) << x << "," << y;
        }
}

}  // namespace
}  // namespace imagingtest
