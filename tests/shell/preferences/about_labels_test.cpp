// The label classes read back from their pixels (wrapping, alignment, the
// 79-character limit), the drawing shims against the platform's calls, and
// the About box: its template by the desktop height, and its picture placed,
// sized and cleaned up as the dialog's size says.
#include <algorithm>
#include <string>

#include "resources/selection_dialog_ids.h"
#include "shell/drawing/drawing_shims.h"
#include "shell/drawing/static_labels.h"
#include "shell/preferences/about_box.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

// The box round the pixels that differ from white, in [x0, x1) x [y0, y1).
struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    [[nodiscard]] bool Any() const { return right >= 0; }
};
Ink InkOf(const win::Image32& image, int x0, int y0, int x1, int y1) {
    Ink ink;
    for (int y = y0; y < std::min(y1, image.height); ++y)
        for (int x = x0; x < std::min(x1, image.width); ++x)
            if ((image.At(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

class LabelTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
        parent = win::CreateWindow("w_static", "", win::WS_POPUP | win::WS_VISIBLE, 0, 0, 2400, 200,
                                   nullptr, nullptr, nullptr, nullptr);
    }
    win::Image32 Paint(const char* cls, const std::string& text, int width, int height) {
        win::HWND label = win::CreateWindow(cls, text.c_str(), win::WS_CHILD | win::WS_VISIBLE, 0,
                                            0, width, height, parent, nullptr, nullptr, nullptr);
        win::UpdateWindow(label);
        win::Image32 image = win::ReadWindowPixels(label);
        win::DestroyWindow(label);
        return image;
    }
    int LineHeight() {
        win::HDC dc = win::GetDC(parent);
        win::TEXTMETRICA tm{};
        win::GetTextMetricsA(dc, &tm);
        win::ReleaseDC(parent, dc);
        return tm.tmHeight;
    }
    win::HWND parent = nullptr;
};

TEST_F(LabelTest, LabelsWrapAlignAndStopAtTheSeventyNinthCharacter) {
    const int line = LineHeight();
    // Wider than the label: the words go on to the next lines.
    const win::Image32 wrapped = Paint("w_static", "alpha beta gamma delta epsilon", 90, 5 * line);
    EXPECT_TRUE(InkOf(wrapped, 0, 0, 90, line).Any());
    EXPECT_TRUE(InkOf(wrapped, 0, line, 90, 2 * line).Any());
    const win::Image32 oneLine = Paint("w_static", "alpha", 90, 5 * line);
    EXPECT_FALSE(InkOf(oneLine, 0, line, 90, 5 * line).Any());

    const Ink left = InkOf(Paint("w_static", "Tarvex", 300, line), 0, 0, 300, line);
    const Ink centre = InkOf(Paint("w_static_ctr", "Tarvex", 300, line), 0, 0, 300, line);
    const Ink right = InkOf(Paint("w_static_rt", "Tarvex", 300, line), 0, 0, 300, line);
    ASSERT_TRUE(left.Any() && centre.Any() && right.Any());
    EXPECT_LE(left.left, 2);
    EXPECT_GE(right.right, 296);
    EXPECT_NEAR((centre.left + centre.right) / 2.0, 150.0, 2.0);
    EXPECT_EQ(centre.right - centre.left, left.right - left.left);

    // The 80th character and those after it are not drawn.
    const std::string seventyNine(79, 'x');
    const win::Image32 limit = Paint("w_static", seventyNine, 2400, line);
    const win::Image32 longer = Paint("w_static", seventyNine + "WWWW", 2400, line);
    EXPECT_EQ(limit.pixels, longer.pixels);
    const win::Image32 shorter = Paint("w_static", seventyNine.substr(1), 2400, line);
    EXPECT_NE(limit.pixels, shorter.pixels);
}

TEST_F(LabelTest, TheShimsAnswerAsThePlatformCallsDo) {
    win::HDC dc = win::GetDC(parent);
    EXPECT_EQ(GetTextExtent(dc, "", 0), 0u);
    win::SIZE size{};
    win::GetTextExtentPoint32A(dc, "Calcite 1.25", 12, &size);
    const uint32_t packed = GetTextExtent(dc, "Calcite 1.25", 12);
    EXPECT_EQ(static_cast<int>(packed & 0xFFFF), size.cx);
    EXPECT_EQ(static_cast<int>(packed >> 16), size.cy);

    MoveTo(dc, 12, 34);
    EXPECT_EQ(MoveTo(dc, 5, 6), PackPoint(12, 34));

    // The same mapping through the shims and through the platform's calls.
    win::HDC other = win::GetDC(parent);
    for (win::HDC d : {dc, other}) win::SetMapMode(d, win::MM_ANISOTROPIC);
    EXPECT_TRUE(SetWindowOrg(dc, 10, 20));
    EXPECT_TRUE(SetWindowExt(dc, 100, -200));
    EXPECT_TRUE(SetViewportExt(dc, 400, 300));
    EXPECT_TRUE(SetViewportOrg(dc, 7, 300));
    win::SetWindowOrgEx(other, 10, 20, nullptr);
    win::SetWindowExtEx(other, 100, -200, nullptr);
    win::SetViewportExtEx(other, 400, 300, nullptr);
    win::SetViewportOrgEx(other, 7, 300, nullptr);
    win::POINT a[3] = {{10, 20}, {60, 120}, {-5, -7}};
    win::POINT b[3] = {{10, 20}, {60, 120}, {-5, -7}};
    win::LPtoDP(dc, a, 3);
    win::LPtoDP(other, b, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(a[i].x, b[i].x);
        EXPECT_EQ(a[i].y, b[i].y);
    }
    EXPECT_EQ(a[1].x, 7 + 50 * 4);
    win::ReleaseDC(parent, other);
    win::ReleaseDC(parent, dc);
}

class AboutTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
    }
};

TEST_F(AboutTest, TheTemplateFollowsTheDesktopHeight) {
    const int heights[] = {480, 900, 901, 1079, 1080, 1279, 1280, 1599, 1600};
    const int templates[] = {22, 22, 23, 23, 21, 21, 24, 24, 21};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(AboutTemplate(heights[i]), templates[i]) << heights[i];
}

// The picture is a fifth or so of the dialog's width, with the bitmap's
// proportions, centred, just below the top; at two sizes of the dialog.
TEST_F(AboutTest, ThePictureIsScaledToTheDialogAndItsBitmapsAreDeleted) {
    win::HBITMAP bitmap = win::LoadBitmapA(mainWindowState.instance, kAboutPictureId);
    ASSERT_NE(bitmap, nullptr);
    win::BITMAP info{};
    win::GetObjectA(bitmap, sizeof info, &info);
    win::DeleteObject(bitmap);
    for (const auto& [height, id] : {std::pair{600, 22}, std::pair{1400, 24}}) {
        SCOPED_TRACE(id);
        win::SetDesktopSize(height * 4 / 3, height);
        int opened = 0;
        win::OnDialog(
            id,
            [&](win::HWND d) {
                ++opened;
                win::RunUntilIdle();
                win::RECT client{};
                win::GetClientRect(d, &client);
                const win::Image32 pixels = win::ReadWindowPixels(d);
                const win::RECT place =
                    AboutPictureRect(client.right, client.bottom, info.bmWidth, info.bmHeight);
                // Only the picture is drawn above the labels.
                const Ink ink = InkOf(pixels, 0, 0, client.right, place.bottom + 2);
                ASSERT_TRUE(ink.Any());
                const int width = ink.right - ink.left + 1;
                const int tall = ink.bottom - ink.top + 1;
                EXPECT_EQ(width, static_cast<int>(client.right / 3.8));
                EXPECT_NEAR(tall, width * static_cast<double>(info.bmHeight) / info.bmWidth, 1.0);
                EXPECT_NEAR(ink.left, client.right - 1 - ink.right, 1);
                EXPECT_EQ(ink.top, static_cast<int>(client.bottom * 0.015));
                // A paint leaves no drawing object behind.
                const int objects = win::LiveGdiObjectCount();
                win::InvalidateRect(d, nullptr, win::TRUE);
                win::UpdateWindow(d);
                EXPECT_EQ(win::LiveGdiObjectCount(), objects);
                win::PressButton(d, win::IDOK);
            },
            1);
        ShowAbout(mainWindowState.mainWindow);
        EXPECT_EQ(opened, 1);
    }
}

}  // namespace
}  // namespace shelltest
