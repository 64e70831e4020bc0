// The page routine of the main menu's commands.
#include "shell/resultpages/page_routine.h"

#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "graphs/window/graph_window_steps.h"
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_state_records.h"
#include "pages/records.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/summary/summary_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/mainwindow/main_window.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

PageFontCell MeasurePageCell(win::HWND mainWindow) {
    PageFontCell cell;
    win::HDC dc = win::GetDC(mainWindow);
    if (dc == nullptr) return cell;
    const win::HGDIOBJ old = win::SelectObject(dc, screenFonts.pageFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    win::SelectObject(dc, old);
    win::ReleaseDC(mainWindow, dc);
    cell.width = tm.tmAveCharWidth;
    cell.pitch = tm.tmHeight + tm.tmExternalLeading;
    return cell;
}

namespace {

constexpr win::DWORD kPageStyle = win::WS_OVERLAPPEDWINDOW | win::WS_VSCROLL;

}  // namespace

win::POINT CascadeHome(PageCascade cascade, int index) {
    const PagePlacement& p = mainWindowExtras.placement;
    win::POINT origin{p.pageOriginX, p.pageOriginY};
    if (cascade != PageCascade::kStandard) {
        const PageFontCell cell = MeasurePageCell(mainWindowState.mainWindow);
        const bool formation = cascade == PageCascade::kFormation;
        origin = win::POINT{(formation ? 8 : 4) * cell.width, (formation ? 5 : 3) * cell.pitch};
    }
    return win::POINT{origin.x + index * p.pageStepX, origin.y + index * p.pageStepY};
}

bool ShowResultPages(win::HWND mainWindow, std::initializer_list<PageToShow> pages,
                     PageCascade cascade, int water) {
    ComputePagePlacement();
    const PageFontCell cell = MeasurePageCell(mainWindow);
    int index = 0;
    int shown = 0;
    for (const PageToShow& p : pages) {
        const int listed = index++;
        if (p.displaySwitch != 0) continue;
        const int show = shown++ == 0 ? win::SW_SHOWNOACTIVATE : win::SW_SHOW;
        win::HWND& slot = PageWindowSlot(p.page);
        if (IsPageOpen(p.page) && win::IsWindow(slot)) {
            // A water's own page is refreshed as a new one is made: turned to
            // the water of the command and painted after it is shown, its
            // paint loading the water it shows, so that the workspace left is
            // the one the same command leaves when it makes the page.
            const bool oneWater = p.page == PageClass::kMuWater || p.page == PageClass::kMuValues;
            if (oneWater) {
                pageStates[PageIndex(p.page)].shownWater = mainWindowState.currentWater;
                win::SetWindowText(slot, PageTitle(p.page, water));
            }
            if (oneWater || p.invalidateOpen) win::InvalidateRect(slot, nullptr, win::TRUE);
            win::ShowWindow(slot, show);
            win::UpdateWindow(slot);
            continue;
        }
        const win::POINT home = CascadeHome(cascade, listed);
        mainWindowState.pageHome[PageIndex(p.page)] = home;
        const win::DWORD style = p.plainStyle ? win::WS_OVERLAPPEDWINDOW : kPageStyle;
        win::HWND page = win::CreateWindowEx(
            0, PageClassName(p.page), PageTitle(p.page, water), style, home.x, home.y,
            ResultPageWidth(p.page, cell.width), mainWindowExtras.placement.pageHeight, mainWindow,
            nullptr, mainWindowState.instance, nullptr);
        if (page == nullptr) return false;
        slot = page;
        SetPageOpen(p.page, true);
        win::ShowWindow(page, show);
        win::UpdateWindow(page);
    }
    win::ShowWindow(mainWindow, win::SW_SHOWMAXIMIZED);
    win::UpdateWindow(mainWindow);
    return true;
}

namespace {

void RepaintNow(win::HWND window) {
    if (window == nullptr || !win::IsWindow(window)) return;
    win::InvalidateRect(window, nullptr, win::TRUE);
    win::UpdateWindow(window);
}

}  // namespace

void RefreshOpenPages(int water) {
    // A page loads the water it shows into the working analysis, with its
    // residence time, when it paints; the pages paint here, and the working
    // analysis and the residence times the command left are kept, so that a
    // work file opened and saved again holds what it held, pages open or not.
    const WaterAnalysis working = currentAnalysis;
    const float residence = currentResidenceTime;
    const float atSelect = residenceTimeAtSelect;
    for (int i = 0; i < kPageClassCount; ++i) {
        const PageClass page = static_cast<PageClass>(i);
        win::HWND slot = PageWindowSlot(page);
        if (!IsPageOpen(page) || !win::IsWindow(slot)) continue;
        const bool oneWater = page == PageClass::kMuWater || page == PageClass::kMuValues;
        if (oneWater && water >= 0 && pageStates[i].shownWater != water) {
            pageStates[i].shownWater = water;
            win::SetWindowText(slot, PageTitle(page, water));
        }
        RepaintNow(slot);
    }
    // The summaries and the graph draw the stored waters and their texts too.
    if (summaryPageState.onePageOpen != 0) RepaintNow(summaryPageState.onePageWindow);
    if (summaryPageState.wellLogPageOpen != 0) RepaintNow(summaryPageState.wellLogPageWindow);
    if (mainWindowState.graphWindowOpen != 0) RepaintNow(mainWindowState.graphWindow);
    currentAnalysis = working;
    currentResidenceTime = residence;
    residenceTimeAtSelect = atSelect;
}

namespace {

// Whether the workspace holds the results the page shows.
bool PageHasResults(PageClass page) {
    const ResultStatus& r = resultStatus;
    switch (page) {
        case PageClass::kMuWater:
        case PageClass::kMuValues:
            switch (pageStates[PageIndex(page)].shownWater) {
                case 0:
                    return r.surfaceEntered != 0;
                case 1:
                    return r.injectionEntered != 0;
                case 2:
                    return r.formationEntered != 0;
                default:
                    return true;
            }
        case PageClass::kTempWater:
        case PageClass::kTempValues:
            return r.tempProfileDone != 0;
        case PageClass::kPhWater:
        case PageClass::kPhValues:
            return r.phProfileDone != 0;
        case PageClass::kCycledWater:
        case PageClass::kCycledValues:
            return r.mixProfileDone != 0;
        case PageClass::kMixedWater:
        case PageClass::kMixedValues:
        case PageClass::kMixedWaterOut:
        case PageClass::kMixedValuesOut:
            return multiMixState.multiMixDone != 0;
        case PageClass::kPressWater:
        case PageClass::kPressValues:
            return r.pressureProfileDone != 0;
    }
    return true;
}

void CloseWindow(win::HWND& window) {
    const win::HWND w = window;
    window = nullptr;
    if (w != nullptr && win::IsWindow(w)) win::DestroyWindow(w);
}

}  // namespace

void ClosePagesWithoutResults() {
    for (int i = 0; i < kPageClassCount; ++i) {
        const PageClass page = static_cast<PageClass>(i);
        if (!IsPageOpen(page) && PageWindowSlot(page) == nullptr) continue;
        if (PageHasResults(page)) continue;
        SetPageOpen(page, false);
        CloseWindow(PageWindowSlot(page));
    }
    // Both summaries are of the surface water.
    if (resultStatus.surfaceEntered == 0) {
        summaryPageState.onePageOpen = 0;
        CloseWindow(summaryPageState.onePageWindow);
        summaryPageState.wellLogPageOpen = 0;
        CloseWindow(summaryPageState.wellLogPageWindow);
    }
    // A graph draws the waters held: with none held it has nothing to show.
    const ResultStatus& r = resultStatus;
    const bool anyWater = r.surfaceEntered != 0 || r.injectionEntered != 0 ||
                          r.formationEntered != 0 || multiMixState.multiMixDone != 0;
    if (!anyWater && mainWindowState.graphWindowOpen != 0) CloseSlotGraphWindow(nullptr);
}
