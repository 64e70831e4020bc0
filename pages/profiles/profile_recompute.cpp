// Recomputing a stale profile before its chemistry page draws. The flag is
// cleared and the product selection noted before the driver runs, so a paint
// that comes while the driver asks its question or shows its progress draws
// the tables instead of starting the driver again; nothing runs while a
// print document is open.
#include "pages/profiles/profile_recompute.h"

#include <cstdint>

#include "engine/records.h"
#include "pages/frame/page_classes.h"
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_state_records.h"
#include "platform/window/window.h"
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

namespace {

bool IsProfilePage(const PageDescriptor& d) {
    switch (d.layout) {
        case ReportPage::kProfileChemistry:
        case ReportPage::kProfileIndicators:
        case ReportPage::kMixingIndicators:
        case ReportPage::kTempChemistry:
        case ReportPage::kTempIndicators:
            return true;
        default:
            return false;
    }
}

// The open windows of a profile's pages, in page order (the chemistry page first).
int OpenPages(int profile, win::HWND (&windows)[kPageClassCount]) {
    int count = 0;
    for (int i = 0; i < kPageClassCount; ++i) {
        const PageClass page = static_cast<PageClass>(i);
        const PageDescriptor& d = DescriptorOf(page);
        if (!IsProfilePage(d) || d.profile != profile || !IsPageOpen(page)) continue;
        if (win::IsWindow(PageWindowSlot(page))) windows[count++] = PageWindowSlot(page);
    }
    return count;
}

}  // namespace

void RecomputeOpenProfiles() {
    if (printJobState.documentOpen != 0) return;
    const WaterAnalysis working = currentAnalysis;
    ResultStatus& r = resultStatus;
    const struct {
        int profile;
        PageClass chemistry;
        uint16_t& done;
        uint32_t& stale;
        ProfileDriver driver;
    } profiles[] = {
        {ProfileKind::kTemperature, PageClass::kTempWater, r.tempProfileDone, r.tempProfileStale,
         tempDriver},
        {ProfileKind::kPh, PageClass::kPhWater, r.phProfileDone, r.phProfileStale, phDriver},
        {ProfileKind::kPressure, PageClass::kPressWater, r.pressureProfileDone,
         r.pressureProfileStale, pressureDriver},
        {ProfileKind::kMixing, PageClass::kCycledWater, r.mixProfileDone, r.mixProfileStale,
         mixingDriver},
    };
    for (const auto& p : profiles) {
        win::HWND windows[kPageClassCount];
        if (p.done != 0 || OpenPages(p.profile, windows) == 0) continue;
        // As the chemistry page's own recompute step does it.
        p.stale = 0;
        pageStates[PageIndex(p.chemistry)].productSeen = r.productSelected;
        p.driver(p.profile == ProfileKind::kMixing ? windows[0] : mainWindowState.mainWindow);
        RepaintProfilePages(p.profile);
    }
    currentAnalysis = working;
}

void RepaintProfilePages(int profile) {
    win::HWND windows[kPageClassCount];
    const int count = OpenPages(profile, windows);
    for (int i = 0; i < count; ++i) {
        win::InvalidateRect(windows[i], nullptr, win::TRUE);
        win::UpdateWindow(windows[i]);
    }
}
