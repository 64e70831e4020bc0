// The commands of the profile pages: the alkalinity rows' form, choosing
// another product, and changing a profile's ranges.
#include <cstdio>
#include <cstdlib>

#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "graphs/state/dosage_refusal.h"
#include "pages/commands/page_command_handlers.h"
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_frame.h"
#include "pages/frame/page_state_records.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "reporttext/format/format_value.h"
#include "reporttext/format/sub_sup_text.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "reporttext/waterpages/page_texts.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/profiles/profiles.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"
#include "treatment/product/select_product.h"

namespace {

win::DLGPROC temperProc = nullptr;
win::DLGPROC cycleProc = nullptr;

// Dialog templates of the range dialogs, the smaller one for desktops up to
// 900 pixels high.
constexpr int kTemperLarge = 84;
constexpr int kTemperSmall = 85;
constexpr int kCycleLarge = 88;
constexpr int kCycleSmall = 89;
constexpr int kSmallDesktop = 900;

bool IsMixingPage(PageClass page) {
    return page == PageClass::kCycledWater || page == PageClass::kCycledValues;
}

int PointCount(PageClass page) {
    if (page != PageClass::kCycledWater) return kAlkalinityPoints;
    return mixPointCount < kAlkalinityPoints ? mixPointCount : kAlkalinityPoints;
}

}  // namespace

void InstallRangeDialogs(win::DLGPROC temper, win::DLGPROC cycle) {
    temperProc = temper;
    cycleProc = cycle;
}

void DrawAlkalinityBlock(PageClass page, win::HDC hdc, int form, int y, int cellWidth,
                         int lineHeight) {
    AlkalinityRow rows[kAlkalinityRowsMax];
    const int count = AlkalinityBlock(DescriptorOf(page).profile, form, rows);
    for (int r = 0; r < count; ++r) {
        TextOutSubSup(hdc, 4 * cellWidth, y, rows[r].label);
        for (int k = 0; k < PointCount(page); ++k) {
            const int x = (k + 3) * 8 * cellWidth;
            win::TextOutA(hdc, x, y, "       ", 7);
            char value[32];
            if (IsUndefinedValue(rows[r].values[k]))
                std::snprintf(value, sizeof value, "%s", kNotApplicable);
            else
                std::snprintf(value, sizeof value, "%7.*f", AlkalinityDecimals(),
                              static_cast<double>(rows[r].values[k]));
            value[7] = '\0';  // a point's cell holds seven characters, as the paint cuts them
            TextOutSubSup(hdc, x, y, value);
        }
        y += lineHeight;
    }
}

void SwitchAlkalinityForm(PageClass page, win::HWND hwnd, int form) {
    AlkalinityFormOf(DescriptorOf(page).profile) = static_cast<uint16_t>(form);
    win::HDC hdc = win::GetDC(hwnd);
    const win::HGDIOBJ previous = win::SelectObject(hdc, screenFonts.pageFont);
    // The page's own pitch: the shared one is whatever the last painted page or
    // printed report left.
    const PageMetrics m = MeasurePageFont(page, hdc);
    DrawAlkalinityBlock(page, hdc, form, pageStates[PageIndex(page)].alkalinityRowsY, m.cellWidth,
                        m.lineHeight);
    if (previous != nullptr) win::SelectObject(hdc, previous);
    win::ReleaseDC(hwnd, hdc);
}

void ChooseProductForPage(PageClass page, win::HWND hwnd) {
    const win::HWND main = mainWindowState.mainWindow;
    (void)OpenSelectProduct(hwnd);
    win::InvalidateRect(main, nullptr, win::FALSE);
    if (resultStatus.productChosen != 0) {
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        if (resultStatus.tempProfileDone != 0) {
            CalcTempProfile(main);
            resultStatus.tempProfileStale = 0;
        }
        if (page == PageClass::kPressWater) {
            if (resultStatus.pressureProfileDone != 0) {
                CalcPressProfile(main);
                resultStatus.pressureProfileStale = 0;
            }
        } else if (resultStatus.phProfileDone != 0) {
            CalcpHProfile(main);
            resultStatus.phProfileStale = 0;
        }
        if (resultStatus.mixProfileDone != 0) {
            CalcMixingProfile(hwnd);
            resultStatus.mixProfileStale = 0;
        }
        pageStates[PageIndex(page)].productSeen = resultStatus.productSelected;
    }
    RefuseDosageWithoutProduct(nullptr);
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
    win::UpdateWindow(hwnd);
    // Last: the profiles' progress window took the keyboard to the main window.
    win::SetActiveWindow(hwnd);
    win::SetFocus(hwnd);
}

void ChangePageRange(PageClass page, win::HWND hwnd) {
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    const bool small = std::abs(desktop.bottom - desktop.top) <= kSmallDesktop;
    const bool mixing = IsMixingPage(page);
    const int dialog =
        mixing ? (small ? kCycleSmall : kCycleLarge) : (small ? kTemperSmall : kTemperLarge);
    (void)win::DialogBoxParamA(mainWindowState.instance, dialog, hwnd,
                               mixing ? cycleProc : temperProc, 0);
    if (mixing) {
        resultStatus.mixProfileDone = 0;
        CalcMixingProfile(hwnd);
    }
    win::SetFocus(hwnd);
    const bool erase = page == PageClass::kPhWater || page == PageClass::kPressWater ||
                       page == PageClass::kTempWater;
    win::InvalidateRect(hwnd, nullptr, erase ? win::TRUE : win::FALSE);
    win::InvalidateRect(mainWindowState.mainWindow, nullptr, win::FALSE);
}
