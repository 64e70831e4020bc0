// The pages of the water input commands.
#include "shell/resultpages/water_input_pages.h"

#include "engine/records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"

bool ShowWaterInputPages(win::HWND mainWindow, int water) {
    if (dialogResult < 0) return true;
    const uint32_t* chemistry = nullptr;
    bool entered = false;
    switch (water) {
        case WaterSelector::kSurface:
            entered = resultStatus.surfaceEntered != 0;
            chemistry = &displaySettings.surfaceWindowsShown[0];
            break;
        case WaterSelector::kInjection:
            entered = resultStatus.injectionEntered != 0;
            chemistry = &displaySettings.mixedWindowsShown[0];
            break;
        case WaterSelector::kFormation:
            entered = resultStatus.formationEntered != 0;
            chemistry = &displaySettings.mixedWindowsShown[2];
            break;
        default:
            return true;
    }
    if (!entered) return true;
    // Every water's analysis page has the vertical scroll bar: on a small
    // desktop the page is taller than its window.
    const PageCascade cascade =
        water == WaterSelector::kFormation ? PageCascade::kFormation : PageCascade::kStandard;
    return ShowResultPages(mainWindow,
                           {PageToShow{PageClass::kMuWater, chemistry[0]},
                            PageToShow{PageClass::kMuValues, chemistry[1]}},
                           cascade, water);
}
