// The metafile copies of the summary pages through a recording renderer, and
// the conversion of precipitation amounts to their display unit.
#include "reporttext/clipboard/metafile_copies.h"

#include <gtest/gtest.h>

#include "platform/win.h"
#include "reporttext/format/precipitation_display.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/records.h"

namespace {

struct RendererCall {
    int calls = 0;
    int mode = -1;
    bool metafile = false;
};
RendererCall onePageCall;
RendererCall wellLogCall;

void RecordOnePage(win::HDC hdc, int32_t mode) {
    ++onePageCall.calls;
    onePageCall.mode = mode;
    onePageCall.metafile = win::GetDeviceCaps(hdc, win::TECHNOLOGY) == win::DT_METAFILE;
    win::TextOutA(hdc, 10, 10, "page", 4);
}
void RecordWellLog(win::HDC, int32_t mode) {
    ++wellLogCall.calls;
    wellLogCall.mode = mode;
}

win::LRESULT Plain(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    return win::DefWindowProc(h, m, w, l);
}

class MetafileCopyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetPlatform();
        ResetShellRecords();
        onePageCall = RendererCall{};
        wellLogCall = RendererCall{};
        InstallSummaryPageRenderers(RecordOnePage, RecordWellLog);
        win::WNDCLASS wc;
        wc.lpfnWndProc = Plain;
        wc.lpszClassName = "DisOnePage";
        ASSERT_NE(win::RegisterClass(&wc), 0);
        page = win::CreateWindowEx(0, "DisOnePage", "", win::WS_OVERLAPPEDWINDOW, 0, 0, 600, 400,
                                   nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(page, nullptr);
        screen = win::GetDC(nullptr);
    }
    void TearDown() override {
        win::ReleaseDC(nullptr, screen);
        InstallSummaryPageRenderers(nullptr, nullptr);
        win::ResetPlatform();
    }

    // The frame the copy should have: each side in 0.01 mm by the reference
    // device's millimetres per pixel.
    win::RECT ExpectedFrame(bool swapped) const {
        const win::LONG w = 600 * win::GetDeviceCaps(screen, win::HORZSIZE) * 100 /
                            win::GetDeviceCaps(screen, win::HORZRES);
        const win::LONG h = 400 * win::GetDeviceCaps(screen, win::VERTSIZE) * 100 /
                            win::GetDeviceCaps(screen, win::VERTRES);
        return swapped ? win::RECT{0, 0, h, w} : win::RECT{0, 0, w, h};
    }

    static win::HENHMETAFILE ClipboardPicture() {
        win::OpenClipboard(nullptr);
        auto picture = static_cast<win::HENHMETAFILE>(win::GetClipboardData(win::CF_ENHMETAFILE));
        win::CloseClipboard();
        return picture;
    }

    win::HWND page = nullptr;
    win::HDC screen = nullptr;
};

TEST_F(MetafileCopyTest, OnePageGoesOnTheClipboardInWindowMode) {
    EXPECT_NE(CopyReportPageAsMetafile(screen, page, 1), 0);
    EXPECT_EQ(onePageCall.calls, 1);
    EXPECT_EQ(onePageCall.mode, 0);
    EXPECT_TRUE(onePageCall.metafile);
    auto picture = ClipboardPicture();
    ASSERT_NE(picture, nullptr);
    win::RECT frame;
    ASSERT_TRUE(win::GetEnhMetaFileFrame(picture, &frame));
    const win::RECT expected = ExpectedFrame(false);
    EXPECT_EQ(frame.right, expected.right);
    EXPECT_EQ(frame.bottom, expected.bottom);
    EXPECT_EQ(win::GetEnhMetaFileDescription(picture).rfind("Tarvex", 0), 0u);
}

TEST_F(MetafileCopyTest, AnyOtherOrientationSwapsTheFrame) {
    EXPECT_NE(CopyWellLogPageAsMetafile(screen, page, 0), 0);
    EXPECT_EQ(wellLogCall.calls, 1);
    EXPECT_EQ(onePageCall.calls, 0);
    auto picture = ClipboardPicture();
    win::RECT frame;
    ASSERT_TRUE(win::GetEnhMetaFileFrame(picture, &frame));
    const win::RECT expected = ExpectedFrame(true);
    EXPECT_EQ(frame.right, expected.right);
    EXPECT_EQ(frame.bottom, expected.bottom);
}

TEST_F(MetafileCopyTest, HeldClipboardGivesZeroWithoutAMessage) {
    win::SetClipboardHeldElsewhere(true);
    EXPECT_EQ(CopyReportPageAsMetafile(screen, page, 1), 0);
    win::SetClipboardHeldElsewhere(false);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::CountClipboardFormats(), 0);
}

TEST_F(MetafileCopyTest, WithoutRenderersTheCopyHoldsAnEmptyPicture) {
    InstallSummaryPageRenderers(nullptr, nullptr);
    EXPECT_NE(CopyReportPageAsMetafile(screen, page, 1), 0);
    EXPECT_EQ(onePageCall.calls, 0);
}

TEST(PrecipitationDisplay, MilligramsPoundsAndKilograms) {
    ResetMainWindowRecords();
    ResetDisplaySettingsRecords();
    precipitationFactor = 0.34845498f;
    displaySettings.precipitationUnit = 0;
    EXPECT_EQ(PrecipitationInDisplayUnit(1000.0f), 1000.0f);
    displaySettings.precipitationUnit = 1;
    EXPECT_NEAR(PrecipitationInDisplayUnit(1000.0f), 348.45498, 1e-3);
    // 0.34845498 x 0.454 = 0.158198561 lb-to-kg per 1000 barrels.
    displaySettings.precipitationUnit = 2;
    EXPECT_NEAR(PrecipitationInDisplayUnit(1000.0f), 158.198561, 1e-3);
    displaySettings.precipitationUnit = 7;
    EXPECT_NEAR(PrecipitationInDisplayUnit(1000.0f), 158.198561, 1e-3);
}

}  // namespace
