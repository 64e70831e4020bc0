// The main window's background picture for each desktop size, the report
// date from the clock, and the picture resources themselves.
#include "shell/mainwindow/main_window.h"

#include "resources/resource_ids.h"
#include "shell/settings/report_date.h"
#include "shell_fixture.h"

namespace shelltest {
namespace {

TEST(BackgroundPictureTest, ChosenByDesktopWidthAndRatio) {
    struct Case {
        int width, height, picture;
    };
    const Case cases[] = {
        {1920, 1080, 107}, {1366, 768, 106},  {1280, 1024, 105},
        {1024, 768, 102},                                         // the stated examples
        {1280, 720, 103},  {1680, 1050, 106}, {2560, 1440, 107},  // wide
        {640, 480, 100},   {800, 600, 101},   {1600, 1200, 105},
        {1660, 1245, 106}, {1800, 1350, 107}, {2048, 1536, 105},  // 4:3
        {1280, 1280, 105}, {1000, 1600, 105},                     // square and tall
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseBackgroundPicture(c.width, c.height), c.picture)
            << c.width << "x" << c.height;
}

TEST(BackgroundPictureTest, EachPictureIsAPackedDibOfItsSize) {
    // 24-bit rows padded to 4 bytes, bottom-up; the bottom row carries the main
    // window's class colour RGB(101, 110, 126) so the picture meets the frame.
    const PictureSize p = kBackgroundPictures[2];  // 1023 x 768: padded rows
    const std::vector<uint8_t> dib = MakeBackgroundPicture(p.width, p.height);
    const size_t row = (static_cast<size_t>(p.width) * 3 + 3) / 4 * 4;
    ASSERT_EQ(dib.size(), 40 + row * static_cast<size_t>(p.height));
    EXPECT_EQ(dib[0], 40);
    EXPECT_EQ(dib[4] | dib[5] << 8, p.width);
    EXPECT_EQ(dib[8] | dib[9] << 8, p.height);
    EXPECT_EQ(dib[14], 24);
    EXPECT_EQ(dib[40 + 0], 126);  // blue, green, red of the bottom-left pixel
    EXPECT_EQ(dib[40 + 1], 110);
    EXPECT_EQ(dib[40 + 2], 101);
}

using MainWindowPaintTest = ShellTest;

TEST_F(MainWindowPaintTest, MainWindowShowsThePictureOverItsClientArea) {
    ASSERT_EQ(Start(), 1);
    RunLoop();
    const win::Image32 shown = win::ReadWindowPixels(mainWindowState.mainWindow);
    ASSERT_GT(shown.width, 100);
    // Top of the picture is dark slate, bottom lighter: no plain class brush.
    const uint32_t top = shown.At(5, 2);
    const uint32_t bottom = shown.At(5, shown.height - 2);
    EXPECT_LT((top >> 16) & 0xFF, (bottom >> 16) & 0xFF);
    EXPECT_NE(top, bottom);
}

TEST_F(MainWindowPaintTest, PaintChoosesThePictureOfTheDesktop) {
    struct Case {
        int width, height, picture;
    };
    for (const Case& c : {Case{1920, 1080, 107}, Case{1280, 1024, 105}, Case{800, 600, 101}}) {
        Restart();
        win::SetDesktopSize(c.width, c.height);
        ASSERT_EQ(Start(), 1);
        RunLoop();
        EXPECT_EQ(mainWindowExtras.backgroundPictureId, c.picture) << c.width << "x" << c.height;
        EXPECT_EQ(mainWindowExtras.backgroundPicture, nullptr);  // released after the paint
    }
}

// Picture `id` stretched as the main window stretches it over a client area of
// width x height.
win::Image32 StretchedPicture(int id, int width, int height) {
    win::HBITMAP picture = win::LoadBitmapA(nullptr, id);
    win::BITMAP info;
    win::GetObjectA(picture, sizeof info, &info);
    win::HDC from = win::CreateCompatibleDC(nullptr);
    win::HDC to = win::CreateCompatibleDC(nullptr);
    win::HBITMAP canvas = win::CreateBitmap(width, height, 1, 32, nullptr);
    win::HGDIOBJ oldFrom = win::SelectObject(from, picture);
    win::HGDIOBJ oldTo = win::SelectObject(to, canvas);
    win::SetStretchBltMode(to, win::HALFTONE);
    win::StretchBlt(to, 0, 0, width, height, from, 0, 0, info.bmWidth, info.bmHeight, win::SRCCOPY);
    win::Image32 out = win::ReadDcPixels(to);
    win::SelectObject(to, oldTo);
    win::SelectObject(from, oldFrom);
    win::DeleteObject(canvas);
    win::DeleteObject(picture);
    win::DeleteDC(to);
    win::DeleteDC(from);
    return out;
}

TEST_F(MainWindowPaintTest, RepaintsShowThePictureStretchedToTheClientAreaOfTheMoment) {
    ASSERT_EQ(Start(), 1);
    RunLoop();
    const win::HWND main = mainWindowState.mainWindow;
    const win::Image32 first = win::ReadWindowPixels(main);
    const int id = mainWindowExtras.backgroundPictureId;
    EXPECT_EQ(first.pixels, StretchedPicture(id, first.width, first.height).pixels);
    // Smaller, then back: each repaint fits the picture to the new client area.
    win::RECT frame;
    win::GetWindowRect(main, &frame);
    const int frameWidth = frame.right - frame.left;
    const int frameHeight = frame.bottom - frame.top;
    win::MoveWindow(main, 10, 10, frameWidth - first.width / 2, frameHeight - first.height / 3,
                    win::TRUE);
    RunLoop();
    const win::Image32 small = win::ReadWindowPixels(main);
    ASSERT_LT(small.width, first.width);
    EXPECT_EQ(small.pixels, StretchedPicture(id, small.width, small.height).pixels);
    win::MoveWindow(main, 0, 0, frameWidth, frameHeight, win::TRUE);
    RunLoop();
    const win::Image32 again = win::ReadWindowPixels(main);
    ASSERT_EQ(again.width, first.width);
    EXPECT_EQ(again.pixels, first.pixels);
}

TEST(ReportDateTest, PackedFromTheClock) {
    auto at = [](int year, int month, int day) {
        win::SYSTEMTIME t;
        t.wYear = static_cast<win::WORD>(year);
        t.wMonth = static_cast<win::WORD>(month);
        t.wDay = static_cast<win::WORD>(day);
        t.wHour = 14;
        t.wMinute = 5;
        t.wSecond = 9;
        return t;
    };
    EXPECT_EQ(PackReportDate(at(2024, 3, 5)), 1240305);
    EXPECT_EQ(PackReportDate(at(1999, 12, 31)), 991231);
    EXPECT_EQ(PackReportDate(at(0, 6, 1)), 1000601);  // year 0 is taken as 2000
    EXPECT_EQ(PackReportDate(at(1985, 7, 4)), 900101);
    EXPECT_EQ(PackReportDate(at(1990, 1, 1)), 900101);
    EXPECT_EQ(PackReportTime(at(2024, 3, 5)), 140509);
}

using StartupDateTest = ShellTest;

TEST_F(StartupDateTest, StartUpTakesTodayFromTheInjectedClock) {
    win::SetLocalTimeSource([] {
        win::SYSTEMTIME t;
        t.wYear = 2031;
        t.wMonth = 11;
        t.wDay = 30;
        t.wHour = 23;
        t.wMinute = 59;
        t.wSecond = 58;
        return t;
    });
    ASSERT_EQ(Start(), 1);
    win::SetLocalTimeSource(nullptr);
    EXPECT_EQ(mainWindowState.reportDate, 1311130);
    EXPECT_EQ(mainWindowState.reportTime, 235958);
}

}  // namespace
}  // namespace shelltest
