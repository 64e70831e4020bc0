// The view hooks and their defaults (nothing shown, nothing printed).
#include "shell/whatif/scenario_views.h"

namespace {

constexpr ScenarioViews kDefaults{
    [](win::HWND) {},
    [](win::HWND) {},
    [](win::HWND) {},
    [](win::HWND, int) {},
    [](int) {},
    [](int) {},
    [](int) {},
    [](int) {},
    [] {},
    [](int) {},
    [] {},
};

ScenarioViews& Views() {
    static ScenarioViews views = kDefaults;
    return views;
}

template <typename F>
void Take(F& slot, F given) {
    if (given != nullptr) slot = given;
}

}  // namespace

void InstallScenarioViews(const ScenarioViews& v) {
    ScenarioViews& s = Views();
    Take(s.showTwoDGraph, v.showTwoDGraph);
    Take(s.showGraphWindow, v.showGraphWindow);
    Take(s.openWellLogSummaryGraphWindow, v.openWellLogSummaryGraphWindow);
    Take(s.openOnePageWindow, v.openOnePageWindow);
    Take(s.printChemistryReport, v.printChemistryReport);
    Take(s.printIndicatorsReport, v.printIndicatorsReport);
    Take(s.printWhatIfChemistry, v.printWhatIfChemistry);
    Take(s.printWhatIfIndicators, v.printWhatIfIndicators);
    Take(s.printRatioChemistry, v.printRatioChemistry);
    Take(s.printRatioIndicators, v.printRatioIndicators);
    Take(s.printOnePage, v.printOnePage);
}

void ResetScenarioViews() {
    Views() = kDefaults;
}

const ScenarioViews& CurrentScenarioViews() {
    return Views();
}
