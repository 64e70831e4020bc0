// Device contexts of windows: painting inside the paint message is clipped
// to what needs painting, class backgrounds are erased with their brush,
// GetDC draws at any time, a destroyed window's context draws nothing, and
// the built-in controls show their text.
#include "platform/text/text_boxes.h"
#include "platform/win.h"
#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

COLORREF paintColour = RGB(255, 0, 0);

LRESULT PaintingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        HBRUSH b = CreateSolidBrush(paintColour);
        FillRect(dc, &client, b);  // the whole client; the context clips
        DeleteObject(b);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

class WindowDcTest : public GdiTest {
  protected:
    void SetUp() override {
        GdiTest::SetUp();
        ResetPlatform();
        SetScriptFailureHandler([this](const std::string& what) { failures.push_back(what); });
    }
    void TearDown() override {
        SetScriptFailureHandler(nullptr);
        ResetPlatform();
        GdiTest::TearDown();
    }
    HWND MakeWindow(WNDPROC proc, HBRUSH background) {
        WNDCLASS wc;
        wc.lpfnWndProc = proc;
        wc.hbrBackground = background;
        wc.lpszClassName = "DrawingTestWindow";
        EXPECT_NE(RegisterClass(&wc), 0);
        HWND hwnd = CreateWindow("DrawingTestWindow", "drawing", WS_POPUP | WS_VISIBLE, 0, 0, 80,
                                 60, nullptr, nullptr, nullptr, nullptr);
        EXPECT_NE(hwnd, nullptr);
        UpdateWindow(hwnd);
        return hwnd;
    }
    std::vector<std::string> failures;
};

std::uint32_t Pixel(COLORREF c) {
    return PixelFromColorRef(c);
}

TEST_F(WindowDcTest, PaintingIsClippedToTheInvalidatedPart) {
    paintColour = RGB(255, 0, 0);
    HWND hwnd = MakeWindow(&PaintingProc, nullptr);
    Image32 shown = ReadWindowPixels(hwnd);
    ASSERT_EQ(shown.width, 80);
    EXPECT_EQ(shown.At(0, 0), Pixel(RGB(255, 0, 0)));
    EXPECT_EQ(shown.At(79, 59), Pixel(RGB(255, 0, 0)));
    paintColour = RGB(0, 0, 255);
    RECT part{10, 10, 30, 20};
    InvalidateRect(hwnd, &part, FALSE);
    UpdateWindow(hwnd);
    shown = ReadWindowPixels(hwnd);
    EXPECT_EQ(shown.At(10, 10), Pixel(RGB(0, 0, 255)));
    EXPECT_EQ(shown.At(29, 19), Pixel(RGB(0, 0, 255)));
    EXPECT_EQ(shown.At(30, 19), Pixel(RGB(255, 0, 0)));
    EXPECT_EQ(shown.At(9, 10), Pixel(RGB(255, 0, 0)));
    DestroyWindow(hwnd);
    EXPECT_TRUE(failures.empty());
}

TEST_F(WindowDcTest, ClassBackgroundIsErasedWithItsBrush) {
    HBRUSH teal = CreateSolidBrush(RGB(0, 128, 128));
    HWND hwnd = MakeWindow(&DefWindowProc, teal);
    EXPECT_EQ(ReadWindowPixels(hwnd).At(40, 30), Pixel(RGB(0, 128, 128)));
    DestroyWindow(hwnd);
    // A system colour index plus one names the background as well.
    UnregisterClass("DrawingTestWindow", nullptr);
    hwnd = MakeWindow(&DefWindowProc,
                      reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(ReadWindowPixels(hwnd).At(5, 5), Pixel(GetSysColor(COLOR_BTNFACE)));
    DestroyWindow(hwnd);
    DeleteObject(teal);
}

TEST_F(WindowDcTest, WindowContextsDrawAtAnyTimeUntilTheWindowGoes) {
    paintColour = RGB(255, 255, 255);
    HWND hwnd = MakeWindow(&PaintingProc, nullptr);
    HDC dc = GetDC(hwnd);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(WindowFromDC(dc), hwnd);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Rectangle(dc, 5, 5, 15, 15);
    EXPECT_EQ(ReadWindowPixels(hwnd).At(10, 10), 0u);
    EXPECT_EQ(ReadDcPixels(dc).At(10, 10), 0u);
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(0, 0, 0));
    EXPECT_EQ(ReleaseDC(nullptr, dc), 0);  // not the window it belongs to
    HDC kept = GetDC(hwnd);
    EXPECT_EQ(ReleaseDC(hwnd, dc), 1);
    DestroyWindow(hwnd);
    // The context outlived its window: it draws nothing and says so.
    EXPECT_EQ(WindowFromDC(kept), nullptr);
    EXPECT_TRUE(Rectangle(kept, 0, 0, 10, 10));
    EXPECT_EQ(GetPixel(kept, 1, 1), CLR_INVALID);
    EXPECT_EQ(ReleaseDC(hwnd, kept), 1);
    EXPECT_EQ(GetDC(hwnd), nullptr);
}

TEST_F(WindowDcTest, ControlsShowTheirText) {
    DialogTemplate t;
    t.caption = "Drawing";
    t.cx = 120;
    t.cy = 50;
    t.items = {{"BUTTON", IDOK, "OK", BS_DEFPUSHBUTTON, 10, 10, 40, 14, 0},
               {"BUTTON", IDCANCEL, "", BS_PUSHBUTTON, 60, 10, 40, 14, 0}};
    RegisterDialogTemplate(500, t);
    Image32 withText;
    Image32 without;
    OnDialog(500, [&](HWND dialog) {
        RunUntilIdle();
        withText = ReadWindowPixels(GetDlgItem(dialog, IDOK));
        without = ReadWindowPixels(GetDlgItem(dialog, IDCANCEL));
        PressButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(
        DialogBoxParam(
            nullptr, 500, nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0),
        IDCANCEL);
    ASSERT_GT(withText.width, 0);
    ASSERT_EQ(withText.width, without.width);
    // The same button face, but the captioned one carries dark glyph pixels
    // in its middle.
    auto darkInMiddle = [](const Image32& img) {
        int dark = 0;
        for (int y = img.height / 4; y < 3 * img.height / 4; ++y) {
            for (int x = img.width / 4; x < 3 * img.width / 4; ++x)
                dark += (img.At(x, y) & 0xFF) < 100;
        }
        return dark;
    };
    EXPECT_GT(darkInMiddle(withText), 5);
    EXPECT_EQ(darkInMiddle(without), 0);
}

TEST_F(WindowDcTest, ClipboardReleasesThePicturesItHolds) {
    const RECT frame{0, 0, 1000, 1000};
    HDC meta = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
    Rectangle(meta, 0, 0, 10, 10);
    HENHMETAFILE picture = CloseEnhMetaFile(meta);
    HPALETTE palette = CreateHalftonePalette(nullptr);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_ENHMETAFILE, picture);
    SetClipboardData(CF_PALETTE, palette);
    CloseClipboard();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_ENHMETAFILE), picture);
    EmptyClipboard();
    CloseClipboard();
    // Emptying deleted both: their handles are stale now.
    EXPECT_FALSE(DeleteEnhMetaFile(picture));
    EXPECT_EQ(GetObjectType(palette), 0u);
}

}  // namespace
// The record of text on a window: each text's ink as its pixels show it,
// one box per text however often it is drawn, texts painted over forgotten,
// and the findings: glyphs over glyphs, text cut at an edge (not where the
// window holds more beyond it), a rule of underscores under a heading allowed,
// a text partly painted over marked.
TEST_F(WindowDcTest, TextBoxesFollowWhatTheWindowShows) {
    HWND hwnd = MakeWindow(DefWindowProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RecordTextBoxes(true);
    HDC dc = GetDC(hwnd);
    HFONT f = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    SelectObject(dc, f);
    SetBkMode(dc, TRANSPARENT);
    RECT client{};
    GetClientRect(hwnd, &client);
    TextOutA(dc, 4, 4, "Hi", 2);
    TextOutA(dc, 4, 4, "Hi", 2);
    std::vector<TextBox> boxes = TextBoxesOf(hwnd);
    ASSERT_EQ(boxes.size(), 1u);
    const RECT ink = InkBox(ReadWindowPixels(hwnd));
    EXPECT_NEAR(boxes[0].ink.left, ink.left, 1);
    EXPECT_NEAR(boxes[0].ink.top, ink.top, 1);
    EXPECT_NEAR(boxes[0].ink.right, ink.right, 1);
    EXPECT_NEAR(boxes[0].ink.bottom, ink.bottom, 1);
    EXPECT_EQ(boxes[0].glyphs.size(), 2u);
    EXPECT_TRUE(TextBoxFindings(boxes, client, true).empty());

    TextOutA(dc, 10, 6, "ok", 2);  // over "Hi"
    std::vector<std::string> found = TextBoxFindings(TextBoxesOf(hwnd), client, true);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].rfind("overlap: \"Hi\"", 0), 0u) << found[0];

    RECT all{-200, -200, client.right + 200, client.bottom + 200};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_TRUE(TextBoxesOf(hwnd).empty());

    TextOutA(dc, 4, 20, "A    B", 6);  // a word in the blanks of another
    TextOutA(dc, 17, 20, "c", 1);
    TextOutA(dc, 2, 24, "____", 4);  // a rule under it
    TextOutA(dc, client.right - 8, 2, "cut", 3);
    TextOutA(dc, client.right + 20, 2, "unseen", 6);
    found = TextBoxFindings(TextBoxesOf(hwnd), client, true);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].rfind("clipped: \"cut\"", 0), 0u) << found[0];

    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOutA(dc, 4, client.bottom - 6, "low", 3);  // cut at the bottom
    EXPECT_EQ(TextBoxFindings(TextBoxesOf(hwnd), client, true).size(), 1u);
    EXPECT_TRUE(TextBoxFindings(TextBoxesOf(hwnd), client, false).empty());
    TextOutA(dc, 4, client.bottom + 10, "next", 4);  // the window holds more below
    EXPECT_TRUE(TextBoxFindings(TextBoxesOf(hwnd), client, true).empty());

    // A label whose end an opaque cell drawn after it paints over is marked
    // cut; one the cell only touches, or that stands clear of it, is not.
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOutA(dc, 4, 30, "Label)", 6);
    TextOutA(dc, 4, 50, "Clear", 5);
    const LONG labelEnd = TextBoxesOf(hwnd)[0].ink.right;
    const LONG clearEnd = TextBoxesOf(hwnd)[1].ink.right;
    SetBkMode(dc, OPAQUE);
    TextOutA(dc, labelEnd - 6, 30, " 0", 2);
    TextOutA(dc, clearEnd + 1, 50, " 0", 2);
    boxes = TextBoxesOf(hwnd);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_TRUE(boxes[0].cut);
    EXPECT_FALSE(boxes[1].cut);
    EXPECT_FALSE(boxes[2].cut);

    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(f);
    ReleaseDC(hwnd, dc);
    DestroyWindow(hwnd);
    EXPECT_TRUE(TextBoxesOf(hwnd).empty());
    RecordTextBoxes(false);
}

}  // namespace win::test
