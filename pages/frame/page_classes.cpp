// Page class names and the shell's page slots.
#include "pages/frame/page_classes.h"

#include <strings.h>

namespace {

constexpr const char* kNames[kPageClassCount] = {
    "DisplayMUWater",    "DisplayMUValues",    "DisplayTempWater",     "DisplayTempValues",
    "DisplaypHWater",    "DisplaypHValues",    "DisplayCycledWater",   "DisplayCycledValues",
    "DisplayMixedWater", "DisplayMixedValues", "DisplayMixedWaterOut", "DisplayMixedValuesOut",
    "DisplayPressWater", "DisplayPressValues",
};

constexpr int kFirstMixPage = kPageWindowCount;
constexpr int kFirstPressurePage = kPageWindowCount + kMixPageWindowCount;

}  // namespace

const char* PageClassName(PageClass page) {
    return kNames[PageIndex(page)];
}

bool FindPageClass(const char* className, PageClass* page) {
    if (className == nullptr) return false;
    for (int i = 0; i < kPageClassCount; ++i)
        if (strcasecmp(className, kNames[i]) == 0) {
            *page = static_cast<PageClass>(i);
            return true;
        }
    return false;
}

win::HWND& PageWindowSlot(PageClass page) {
    const int i = PageIndex(page);
    if (i < kFirstMixPage) return mainWindowState.pageWindows[i];
    if (i < kFirstPressurePage) return mainWindowState.mixPageWindows[i - kFirstMixPage];
    return mainWindowState.pressurePageWindows[i - kFirstPressurePage];
}

bool IsPageOpen(PageClass page) {
    const int i = PageIndex(page);
    if (i < kFirstMixPage) return mainWindowState.pageOpen[i] != 0;
    if (i < kFirstPressurePage) return mainWindowState.mixPageOpen[i - kFirstMixPage] != 0;
    return mainWindowState.pressurePageOpen[i - kFirstPressurePage] != 0;
}

void SetPageOpen(PageClass page, bool open) {
    const int i = PageIndex(page);
    if (i < kFirstMixPage)
        mainWindowState.pageOpen[i] = open ? 1 : 0;
    else if (i < kFirstPressurePage)
        mainWindowState.mixPageOpen[i - kFirstMixPage] = open ? 1 : 0;
    else
        mainWindowState.pressurePageOpen[i - kFirstPressurePage] = open ? 1 : 0;
}
