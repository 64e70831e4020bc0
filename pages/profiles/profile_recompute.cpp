// Recomputing a stale profile before its chemistry page draws. The flag is
// cleared and the product selection noted before the driver runs, so a paint
// that comes while the driver asks its question or shows its progress draws
// the tables instead of starting the driver again; nothing runs while a
// print document is open.
#include "pages/profiles/profile_recompute.h"

#include <cstdint>

#include "engine/records.h"
#include "pages/frame/page_classes.h"
#include "pages/frame/page_state_records.h"
#include "printing/print_job_records.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/profiles/profiles.h"
#include "shell/records.h"

namespace {

ProfileDriver phDriver = CalcpHProfile;
ProfileDriver pressureDriver = CalcPressProfile;
ProfileDriver mixingDriver = CalcMixingProfile;
ProfileDriver tempDriver = CalcTempProfile;

void Recompute(PageClass page, uint32_t& stale, ProfileDriver driver, win::HWND owner) {
    if (printJobState.documentOpen != 0) return;
    int32_t& seen = pageStates[PageIndex(page)].productSeen;
    if (stale == 0 && seen == resultStatus.productSelected) return;
    stale = 0;
    seen = resultStatus.productSelected;
    driver(owner);
}

}  // namespace

void InstallTempProfileDriver(ProfileDriver temperature) {
    tempDriver = temperature != nullptr ? temperature : CalcTempProfile;
}

void InstallProfileDrivers(ProfileDriver ph, ProfileDriver pressure, ProfileDriver mixing) {
    phDriver = ph != nullptr ? ph : CalcpHProfile;
    pressureDriver = pressure != nullptr ? pressure : CalcPressProfile;
    mixingDriver = mixing != nullptr ? mixing : CalcMixingProfile;
}

void RecomputePhProfile(win::HWND) {
    Recompute(PageClass::kPhWater, resultStatus.phProfileStale, phDriver,
              mainWindowState.mainWindow);
}

void RecomputePressureProfile(win::HWND) {
    Recompute(PageClass::kPressWater, resultStatus.pressureProfileStale, pressureDriver,
              mainWindowState.mainWindow);
}

void RecomputeTempProfile(win::HWND) {
    Recompute(PageClass::kTempWater, resultStatus.tempProfileStale, tempDriver,
              mainWindowState.mainWindow);
}

void RecomputeMixingProfile(win::HWND page) {
    Recompute(PageClass::kCycledWater, resultStatus.mixProfileStale, mixingDriver, page);
}
