// Screen fonts. The page font is a fixed-pitch face whose cell is the desktop
// height divided by the lines per screen, so a result page of that many lines
// fills the screen; the one-page painters' face always fits 75 rows.
#include "shell/settings/screen_fonts.h"

#include <cmath>

#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/startup/startup_records.h"

namespace {

constexpr double kSummaryRowsPerDesktop = 75.0;

win::HFONT MakeFont(int cellHeight, int weight, const char* face) {
    return win::CreateFontA(cellHeight, 0, 0, 0, weight, 0, 0, 0, win::OEM_CHARSET,
                            win::OUT_DEFAULT_PRECIS, win::CLIP_DEFAULT_PRECIS, win::DEFAULT_QUALITY,
                            win::FIXED_PITCH | win::FF_MODERN, face);
}

void DeleteIfOwned(win::HFONT& font, bool owned) {
    if (owned && font != nullptr) win::DeleteObject(font);
    font = nullptr;
}

}  // namespace

double UsableLinesPerScreen(double linesPerScreen) {
    return linesPerScreen >= 1.0 && linesPerScreen <= 1000.0 ? linesPerScreen : 55.0;
}

int LinePitch(int tmHeight, int internalLeading, int externalLeading) {
    return tmHeight + tmHeight / 12 + internalLeading + externalLeading;
}

void RemakePageFont() {
    ScreenFonts& f = screenFonts;
    DeleteIfOwned(f.pageFont, f.fontsMade != 0 || f.pageFontOwned != 0);
    win::GetWindowRect(win::GetDesktopWindow(), &desktopRect);
    const double height = std::abs(desktopRect.bottom - desktopRect.top);
    const double lines = UsableLinesPerScreen(displaySettings.linesPerScreen);
    f.pageFont =
        MakeFont(static_cast<int>(std::trunc(height / lines)), win::FW_NORMAL, "courier new");
    f.fontsMade = f.pageFont != nullptr ? 1 : 0;
    if (f.pageFont == nullptr)
        f.pageFont = reinterpret_cast<win::HFONT>(win::GetStockObject(win::OEM_FIXED_FONT));
    f.pageFontOwned = f.fontsMade;
}

void MakeScreenFonts(win::HWND window) {
    ScreenFonts& f = screenFonts;
    // The page font made when the main window was created is replaced too, so
    // that it is not left behind undeleted.
    DeleteIfOwned(f.pageFont, f.fontsMade != 0 || f.pageFontOwned != 0);
    DeleteIfOwned(f.pageFontBold, true);
    DeleteIfOwned(f.summaryFontBold, true);

    win::GetWindowRect(win::GetDesktopWindow(), &desktopRect);
    const double height = std::abs(desktopRect.bottom - desktopRect.top);
    displaySettings.linesPerScreen = UsableLinesPerScreen(displaySettings.linesPerScreen);
    const int cell = static_cast<int>(std::trunc(height / displaySettings.linesPerScreen));
    f.pageFont = MakeFont(cell, win::FW_NORMAL, "courier new");
    f.pageFontBold = MakeFont(cell, win::FW_BOLD, "courier new");
    f.summaryFontBold = MakeFont(static_cast<int>(std::trunc(height / kSummaryRowsPerDesktop)),
                                 win::FW_BOLD, "Tahoma");
    f.fontsMade = f.pageFont != nullptr ? 1 : 0;
    if (f.pageFont == nullptr)
        f.pageFont = reinterpret_cast<win::HFONT>(win::GetStockObject(win::OEM_FIXED_FONT));
    f.pageFontOwned = f.fontsMade;

    win::HDC dc = win::GetDC(window);
    win::HGDIOBJ old = win::SelectObject(dc, f.pageFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    win::SelectObject(dc, old);
    win::ReleaseDC(window, dc);
    reportPageGrid.lineHeight = LinePitch(tm.tmHeight, tm.tmInternalLeading, tm.tmExternalLeading);
}
