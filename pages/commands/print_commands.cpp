// PRINT and PRINT ALL WINDOWS: the page's printed report, or every report of
// its group in one job, with the page disabled while they print. The print
// job fields and the render target are back at 0 after every print,
// completed or cancelled.
#include <vector>

#include "engine/records.h"
#include "graphs/graph_output_records.h"
#include "pages/commands/page_command_handlers.h"
#include "pages/frame/page_state_records.h"
#include "pages/onewater/one_water_pages.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

struct Step {
    PrintedReport report;
    int argument;
};

// The water a one-water or blend page shows.
int ShownWater(PageClass page) {
    if (page == PageClass::kMixedWaterOut || page == PageClass::kMixedValuesOut)
        return WaterSelector::kMixed;
    return pageStates[PageIndex(page)].shownWater;
}

// The blend and a source water are printed from the working records: their
// records are loaded. Their reports print their own texts, so the current
// set (the water form's) is left as it is.
void PrepareWaterForPrint(int water) {
    if (water == WaterSelector::kMixed || water == WaterSelector::kMultiMixSource)
        (void)LoadShownWater(water, true);
}

void BeginPrint(win::HWND hwnd) {
    win::EnableWindow(hwnd, win::FALSE);
    // Only this job's own failure or Cancel stops its reports.
    printJobState.printAborted = 0;
}

// Every page printed, alone or with its group, is in front again and takes
// the keys.
void EndPrint(win::HWND hwnd) {
    win::EnableWindow(hwnd, win::TRUE);
    win::SetActiveWindow(hwnd);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    printJobState.printAborted = 0;
    printJobState.singlePageJob = 0;
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
}

void AddPair(std::vector<Step>& steps, bool done, PrintedReport chemistry, PrintedReport indicators,
             int argument) {
    if (!done) return;
    steps.push_back({chemistry, argument});
    steps.push_back({indicators, argument});
}

void AddProfilePairs(std::vector<Step>& steps) {
    AddPair(steps, resultStatus.phProfileDone != 0, PrintedReport::kWhatIfChemistry,
            PrintedReport::kWhatIfIndicators, 1);
    AddPair(steps, resultStatus.tempProfileDone != 0, PrintedReport::kWhatIfChemistry,
            PrintedReport::kWhatIfIndicators, 0);
}

std::vector<Step> GroupSteps(PrintGroup group, int water) {
    using R = PrintedReport;
    std::vector<Step> steps;
    switch (group) {
        case PrintGroup::kOneWater:
            AddPair(steps, true, R::kChemistry, R::kIndicators, PrintedWaterKind(water));
            AddProfilePairs(steps);
            break;
        case PrintGroup::kPh:
            AddPair(steps, true, R::kChemistry, R::kIndicators, 0);
            AddProfilePairs(steps);
            break;
        case PrintGroup::kPressure:
            AddPair(steps, true, R::kChemistry, R::kIndicators, 0);
            AddPair(steps, resultStatus.pressureProfileDone != 0, R::kWhatIfChemistry,
                    R::kWhatIfIndicators, 3);
            AddProfilePairs(steps);
            break;
        case PrintGroup::kWaterflood:
            AddPair(steps, true, R::kChemistry, R::kIndicators, 1);
            AddPair(steps, true, R::kChemistry, R::kIndicators, 2);
            if (resultStatus.mixProfileDone != 0) {
                steps.push_back({R::kRatioIndicators, 0});
                steps.push_back({R::kRatioChemistry, 0});
            }
            break;
        case PrintGroup::kBlend:
            AddPair(steps, true, R::kChemistry, R::kIndicators, 4);
            steps.push_back({R::kMixChemistryTable, 0});
            steps.push_back({R::kMixIndicatorsTable, 0});
            break;
        case PrintGroup::kSources:
            steps.push_back({R::kChemistry, 4});
            steps.push_back({R::kMixIndicatorsReport, 0});
            steps.push_back({R::kMixChemistryTable, 0});
            steps.push_back({R::kMixIndicatorsTable, 0});
            break;
    }
    return steps;
}

}  // namespace

void PrintPage(PageClass page, win::HWND hwnd) {
    const PageCommands& c = CommandsOf(page);
    int argument = c.printArgument;
    if (c.printRecomputes) {
        const int water = ShownWater(page);
        RecomputeShownWaterWhenStale(water);
        PrepareWaterForPrint(water);
        argument = PrintedWaterKind(water);
    }
    BeginPrint(hwnd);
    printJobState.singlePageJob = c.singlePageJob;
    if (c.printOnPrinter) graphOutputFlags.renderTarget = RenderTarget::kPrinter;
    PrintReport(c.print, argument);
    EndPrint(hwnd);
}

void PrintAllPages(PageClass page, win::HWND hwnd) {
    const PageCommands& c = CommandsOf(page);
    int water = WaterSelector::kSurface;
    if (c.group == PrintGroup::kOneWater) {
        water = ShownWater(page);
        PrepareWaterForPrint(water);
    }
    const std::vector<Step> steps = GroupSteps(c.group, water);
    // Without a mixing profile each waterflood report is a job of its own.
    const bool separateJobs =
        c.group == PrintGroup::kWaterflood && resultStatus.mixProfileDone == 0;
    BeginPrint(hwnd);
    printJobState.singlePageJob = separateJobs ? JobPart::kWholeJob : JobPart::kFirstOrMiddle;
    if (c.group == PrintGroup::kSources) graphOutputFlags.renderTarget = RenderTarget::kPrinter;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (printJobState.printAborted != 0) break;
        if (i + 1 == steps.size() && !separateJobs) printJobState.singlePageJob = JobPart::kLast;
        PrintReport(steps[i].report, steps[i].argument);
    }
    EndPrint(hwnd);
}
