// Output Size on Screen: the pages re-created with the page font made anew.
#include "shell/preferences/output_size_command.h"

#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "pages/frame/page_descriptor.h"
#include "pages/records.h"
#include "platform/window/window.h"
#include "shell/mainwindow/main_window.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/preferences/printout_size_dialog.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"

namespace {

// A page that is open is destroyed and made again where it was first placed,
// in the same style, as wide as the new font makes it.
bool Recreate(win::HWND mainWindow, PageClass page, int water) {
    win::HWND& slot = PageWindowSlot(page);
    if (!IsPageOpen(page) || !win::IsWindow(slot)) return true;
    const win::DWORD style =
        static_cast<win::DWORD>(win::GetWindowLong(slot, win::GWL_STYLE)) & ~win::WS_VISIBLE;
    win::DestroyWindow(slot);
    slot = nullptr;
    SetPageOpen(page, false);
    const win::POINT home = mainWindowState.pageHome[PageIndex(page)];
    const PageFontCell cell = MeasurePageCell(mainWindow);
    win::HWND created = win::CreateWindowEx(0, PageClassName(page), PageTitle(page, water), style,
                                            home.x, home.y, ResultPageWidth(page, cell.width),
                                            mainWindowExtras.placement.pageHeight, mainWindow,
                                            nullptr, mainWindowState.instance, nullptr);
    if (created == nullptr) return false;
    slot = created;
    SetPageOpen(page, true);
    win::ShowWindow(created, win::SW_SHOWNOACTIVATE);
    win::UpdateWindow(created);
    return true;
}

bool RecreateAll(win::HWND mainWindow) {
    const struct {
        int water;
        uint16_t entered;
    } waters[] = {{WaterSelector::kSurface, resultStatus.surfaceEntered},
                  {WaterSelector::kInjection, resultStatus.injectionEntered},
                  {WaterSelector::kFormation, resultStatus.formationEntered}};
    for (const auto& w : waters) {
        if (w.entered == 0) continue;
        mainWindowState.currentWater = w.water;
        if (!Recreate(mainWindow, PageClass::kMuWater, w.water) ||
            !Recreate(mainWindow, PageClass::kMuValues, w.water))
            return false;
    }
    const int water = mainWindowState.currentWater;
    for (PageClass page :
         {PageClass::kTempWater, PageClass::kTempValues, PageClass::kPhWater, PageClass::kPhValues})
        if (!Recreate(mainWindow, page, water)) return false;
    if (resultStatus.mixProfileDone == 0) return true;
    return Recreate(mainWindow, PageClass::kCycledWater, water) &&
           Recreate(mainWindow, PageClass::kCycledValues, water);
}

}  // namespace

bool RecreateOpenPages(win::HWND mainWindow) {
    // A page made again loads its water as it paints: the current water, the
    // working analysis and the residence times the pages read stay as they were.
    const int32_t current = mainWindowState.currentWater;
    const WaterAnalysis working = currentAnalysis;
    const float residence = currentResidenceTime;
    const float atSelect = residenceTimeAtSelect;
    const bool made = RecreateAll(mainWindow);
    mainWindowState.currentWater = current;
    currentAnalysis = working;
    currentResidenceTime = residence;
    residenceTimeAtSelect = atSelect;
    return made;
}

// Cancel leaves the pages as they are, where they are among the windows.
// The pages painted in the new font load their waters as they paint: they
// are painted here, and the working analysis and residence times are kept.
void OutputSizeOnScreen(win::HWND mainWindow) {
    const WaterAnalysis working = currentAnalysis;
    const float residence = currentResidenceTime;
    const float atSelect = residenceTimeAtSelect;
    if (ShowPrintoutSizeDlg(mainWindow) == 0) return;
    (void)RecreateOpenPages(mainWindow);
    RefreshOpenPages(-1);
    currentAnalysis = working;
    currentResidenceTime = residence;
    residenceTimeAtSelect = atSelect;
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}
