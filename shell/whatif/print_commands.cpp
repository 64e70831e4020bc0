// The print commands: each report starts only while the job was not aborted;
// the last report of the job carries the single-page word that ends it.
#include "shell/whatif/print_commands.h"

#include <vector>

#include "engine/records.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "shell/accumulators/selected_params_records.h"
#include "shell/records.h"
#include "shell/whatif/scenario_views.h"
#include "shell/whatif/well_log_commands.h"

namespace {

struct Report {
    void (*print)(int argument);
    int argument;
};

constexpr uint32_t kJobGoesOn = JobPart::kFirstOrMiddle;
constexpr uint32_t kJobEnds = JobPart::kLast;

void RunJob(win::HWND mainWindow, const std::vector<Report>& reports) {
    win::EnableWindow(mainWindow, win::FALSE);
    // Only this job's own failure or Cancel stops its reports.
    printJobState.printAborted = 0;
    for (size_t i = 0; i < reports.size(); ++i) {
        if (printJobState.printAborted != 0) break;
        printJobState.singlePageJob = i + 1 == reports.size() ? kJobEnds : kJobGoesOn;
        reports[i].print(reports[i].argument);
    }
    win::EnableWindow(mainWindow, win::TRUE);
    win::SetFocus(mainWindow);
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
    printJobState.printAborted = 0;
}

void OnePage(int) {
    CurrentScenarioViews().printOnePage();
}
void RatioChemistry(int) {
    CurrentScenarioViews().printRatioChemistry();
}

void AddWater(std::vector<Report>& r, int kind) {
    const ScenarioViews& v = CurrentScenarioViews();
    r.push_back({v.printChemistryReport, kind});
    r.push_back({v.printIndicatorsReport, kind});
}
void AddProfile(std::vector<Report>& r, int profile) {
    const ScenarioViews& v = CurrentScenarioViews();
    r.push_back({v.printWhatIfChemistry, profile});
    r.push_back({v.printWhatIfIndicators, profile});
}

constexpr int kTemperatureProfile = 1;
constexpr int kPhProfile = 2;

}  // namespace

void PrintSurface(win::HWND mainWindow) {
    std::vector<Report> r;
    AddWater(r, 0);
    RunJob(mainWindow, r);
}

void PrintSurfaceTemperatureProfile(win::HWND mainWindow) {
    std::vector<Report> r;
    if (resultStatus.tempProfileDone != 0) AddProfile(r, kTemperatureProfile);
    RunJob(mainWindow, r);
}

void PrintSurfacePhProfile(win::HWND mainWindow) {
    std::vector<Report> r;
    if (resultStatus.phProfileDone != 0) AddProfile(r, kPhProfile);
    RunJob(mainWindow, r);
}

void PrintInjection(win::HWND mainWindow) {
    std::vector<Report> r;
    AddWater(r, 1);
    RunJob(mainWindow, r);
}

void PrintFormation(win::HWND mainWindow) {
    std::vector<Report> r;
    AddWater(r, 2);
    RunJob(mainWindow, r);
}

void PrintProduced(win::HWND mainWindow) {
    RunJob(mainWindow, {{RatioChemistry, 0}, {CurrentScenarioViews().printRatioIndicators, 2}});
}

// The ratio indicators come before the ratio chemistry here.
void PrintAllAvailable(win::HWND mainWindow) {
    const ResultStatus& s = resultStatus;
    std::vector<Report> r;
    if (s.surfaceEntered != 0) {
        RefreshStaleOnePageProfile(mainWindow);
        if (onePageDataFlag != 0) r.push_back({OnePage, 0});
        AddWater(r, 0);
        if (s.phProfileDone != 0) AddProfile(r, kPhProfile);
        if (s.tempProfileDone != 0) AddProfile(r, kTemperatureProfile);
    }
    if (s.injectionEntered != 0) AddWater(r, 1);
    if (s.formationEntered != 0) AddWater(r, 2);
    if (s.mixProfileDone != 0) {
        r.push_back({CurrentScenarioViews().printRatioIndicators, 2});
        r.push_back({RatioChemistry, 0});
    }
    RunJob(mainWindow, r);
}

void PrintOnePageJob(win::HWND mainWindow) {
    RefreshStaleOnePageProfile(mainWindow);
    if (onePageDataFlag != 0) RunJob(mainWindow, {{OnePage, 0}});
}
