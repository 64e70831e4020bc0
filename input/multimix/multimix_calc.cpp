// Calculating the water the multi-mix input shows, and its two pages.
#include "input/multimix/multimix_calc.h"

#include <cstring>

#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/water_carry_over.h"
#include "engine/records.h"
#include "input/multimix/multimix_fields.h"
#include "input/multimix/multimix_input_records.h"
#include "input/typed_values.h"
#include "input/water_temperature_records.h"
#include "pages/commands/page_printers.h"
#include "pages/frame/page_classes.h"
#include "pages/frame/page_state_records.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

namespace {

namespace E = AnalysisElement;

MultiMixInputServices services{CalcWaterAnalysis};

constexpr int kPageWidthCells = 80;
constexpr int kPageHeightLines = 42;
constexpr win::DWORD kPageStyle = win::WS_POPUP | win::WS_CAPTION;

// The water kind of the printed reports for the water being edited.
constexpr int kSourceWaterKind = 5;

void PrintShownWater() {
    printJobState.documentOpen = 0;
    printJobState.singlePageJob = JobPart::kFirstOrMiddle;
    PrintReport(PrintedReport::kChemistry, kSourceWaterKind);
    printJobState.singlePageJob = JobPart::kLast;
    PrintReport(PrintedReport::kIndicators, kSourceWaterKind);
    printJobState.singlePageJob = JobPart::kFirstOrMiddle;
}

struct Cell {
    int width = 0;
    int height = 0;  // tmHeight + external leading
};

Cell MeasureMainWindowFont() {
    Cell cell;
    const win::HWND main = mainWindowState.mainWindow;
    win::HDC dc = win::GetDC(main);
    if (dc == nullptr) return cell;
    const win::HGDIOBJ old = win::SelectObject(dc, screenFonts.pageFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    if (old != nullptr) win::SelectObject(dc, old);
    win::ReleaseDC(main, dc);
    cell.width = tm.tmAveCharWidth;
    cell.height = tm.tmHeight + tm.tmExternalLeading;
    return cell;
}

// An open page showing another water is turned to the water being edited.
void TurnToSourceWater(PageClass page, const char* title) {
    PageState& s = pageStates[PageIndex(page)];
    if (s.shownWater == WaterSelector::kMultiMixSource) return;
    s.shownWater = WaterSelector::kMultiMixSource;
    win::SetWindowText(PageWindowSlot(page), title);
}

bool IsOpen(PageClass page) {
    return IsPageOpen(page) && win::IsWindow(PageWindowSlot(page));
}

void CreatePage(PageClass page, const char* title, win::POINT at, const Cell& cell) {
    if (IsOpen(page)) {
        TurnToSourceWater(page, title);
        win::InvalidateRect(PageWindowSlot(page), nullptr, win::FALSE);
        win::UpdateWindow(PageWindowSlot(page));
        return;
    }
    mainWindowState.pageHome[PageIndex(page)] = at;
    const int32_t saved = mainWindowState.currentWater;
    mainWindowState.currentWater = WaterSelector::kMultiMixSource;
    win::HWND hwnd =
        win::CreateWindowEx(0, PageClassName(page), title, kPageStyle, at.x, at.y,
                            kPageWidthCells * cell.width, kPageHeightLines * cell.height,
                            mainWindowState.mainWindow, nullptr, mainWindowState.instance, nullptr);
    mainWindowState.currentWater = saved;
    if (hwnd == nullptr) return;
    PageWindowSlot(page) = hwnd;
    SetPageOpen(page, true);
    win::ShowWindow(hwnd, win::SW_SHOWNOACTIVATE);
    win::UpdateWindow(hwnd);
}

}  // namespace

void InstallMultiMixInputServices(const MultiMixInputServices& s) {
    services.calcWaterAnalysis =
        s.calcWaterAnalysis != nullptr ? s.calcWaterAnalysis : CalcWaterAnalysis;
}

const MultiMixInputServices& CurrentMultiMixInputServices() {
    return services;
}

void CopyMultiMixTemperature() {
    ClampMultiMixIndices();
    MultiMixState& m = multiMixState;
    const int k = m.editIndex;
    const float t = m.sourceWaters[k].values[E::kTemperature];
    m.sourceTemperature[k] = m.sourceTemperatureCopy[k] = t;
    currentAnalysis.values[E::kTemperature] = t;
    currentWaterTemperatures[0] = currentWaterTemperatures[1] = t;
}

namespace {

// A changed water is calculated from its entered values alone: its calculated
// carbonate and the engine's carry-over of the water before are cleared.
void StartSourceWaterAfresh() {
    ClampMultiMixIndices();
    ClearCalculatedCarbonate(currentAnalysis.values);
    ClearCalculatedCarbonate(multiMixState.sourceWaters[multiMixState.editIndex].values);
    ClearWaterCarryOver();
}

}  // namespace

void RecalcMultiMixRecord() {
    ClampMultiMixIndices();
    MultiMixState& m = multiMixState;
    const int k = m.editIndex;
    const int32_t saved = mainWindowState.currentWater;
    mainWindowState.currentWater = WaterSelector::kMultiMixSource;
    StartFromValuesAsEntered(m.sourceWaters[k], sourceValuesAsEntered[k]);
    if (resultStatus.runTargetSolvers == 0) StartSourceWaterAfresh();
    currentResidenceTime = m.residenceTime[k][ResidenceForm::kSeconds];
    services.calcWaterAnalysis(0, mainWindowState.mainWindow);
    mainWindowState.dataChanged = 1;
    if (m.showMultiMixResults != 0) ShowMultiMixWindows();
    if (m.printMultiMixResults != 0) PrintShownWater();
    mainWindowState.currentWater = saved;
}

bool RecalcMultiMixRecordIfChanged(bool copyTemperature) {
    if (MultiMixRecordChanged() == 0) return false;
    if (copyTemperature) CopyMultiMixTemperature();
    // Afresh, and with the target solvers on like every other calculation of a
    // source water: the blend's sources are all calculated the same way.
    StartSourceWaterAfresh();
    resultStatus.runTargetSolvers = 1;
    RecalcMultiMixRecord();
    return true;
}

void RecalcEnteredMultiMixWaters() {
    ClampMultiMixIndices();
    MultiMixState& m = multiMixState;
    const int shownIndex = m.editIndex;
    const int32_t shownWater = mainWindowState.currentWater;
    const WaterAnalysis working = currentAnalysis;
    const uint16_t solvers = resultStatus.runTargetSolvers;
    const float residence = currentResidenceTime;
    float temperatures[2];
    std::memcpy(temperatures, currentWaterTemperatures, sizeof temperatures);
    for (int k = 0; k <= m.lastWaterIndex; ++k) {
        if (m.multiMixEntered[k] == 0) continue;
        m.editIndex = k;
        mainWindowState.currentWater = WaterSelector::kMultiMixSource;
        StartFromValuesAsEntered(m.sourceWaters[k], sourceValuesAsEntered[k]);
        CopyMultiMixTemperature();
        StartSourceWaterAfresh();
        currentResidenceTime = m.residenceTime[k][ResidenceForm::kSeconds];
        resultStatus.runTargetSolvers = 1;
        services.calcWaterAnalysis(0, mainWindowState.mainWindow);
    }
    m.editIndex = shownIndex;
    mainWindowState.currentWater = shownWater;
    currentAnalysis = working;
    resultStatus.runTargetSolvers = solvers;
    currentResidenceTime = residence;
    std::memcpy(currentWaterTemperatures, temperatures, sizeof temperatures);
}

void ShowMultiMixWindows() {
    if (multiMixState.showMultiMixResults == 0) return;
    const int32_t saved = mainWindowState.currentWater;
    mainWindowState.currentWater = WaterSelector::kMultiMixSource;
    if (IsOpen(PageClass::kMuWater) && IsOpen(PageClass::kMuValues)) {
        TurnToSourceWater(PageClass::kMuWater, kMultiMixChemistryTitle);
        TurnToSourceWater(PageClass::kMuValues, kMultiMixIndicatorsTitle);
        for (PageClass page : {PageClass::kMuWater, PageClass::kMuValues}) {
            win::InvalidateRect(PageWindowSlot(page), nullptr, win::FALSE);
            win::UpdateWindow(PageWindowSlot(page));
        }
    } else {
        const Cell cell = MeasureMainWindowFont();
        const win::POINT first{8 * cell.width, 5 * cell.height};
        CreatePage(PageClass::kMuWater, kMultiMixChemistryTitle, first, cell);
        CreatePage(PageClass::kMuValues, kMultiMixIndicatorsTitle,
                   win::POINT{first.x + 8 * cell.width, first.y + 5 * cell.height}, cell);
    }
    mainWindowState.currentWater = saved;
}

void KeepMultiMixWindows() {
    MultiMixPagesBefore& b = multiMixPagesBefore;
    b = MultiMixPagesBefore{};
    int i = 0;
    for (PageClass page : {PageClass::kMuWater, PageClass::kMuValues}) {
        b.open[i] = IsOpen(page);
        if (b.open[i]) {
            b.window[i] = PageWindowSlot(page);
            b.shownWater[i] = pageStates[PageIndex(page)].shownWater;
            win::GetWindowText(b.window[i], b.title[i], sizeof b.title[i]);
        }
        ++i;
    }
}

void CloseMultiMixWindows() {
    const MultiMixPagesBefore& b = multiMixPagesBefore;
    int i = -1;
    for (PageClass page : {PageClass::kMuWater, PageClass::kMuValues}) {
        ++i;
        if (!IsPageOpen(page)) continue;
        win::HWND& slot = PageWindowSlot(page);
        if (b.open[i] && slot == b.window[i] && win::IsWindow(slot)) {
            PageState& s = pageStates[PageIndex(page)];
            if (s.shownWater == b.shownWater[i]) continue;
            s.shownWater = b.shownWater[i];
            win::SetWindowText(slot, b.title[i]);
            win::InvalidateRect(slot, nullptr, win::FALSE);
            continue;
        }
        SetPageOpen(page, false);
        const win::HWND hwnd = slot;
        slot = nullptr;
        if (hwnd != nullptr && win::IsWindow(hwnd)) win::DestroyWindow(hwnd);
    }
}

void RaiseMultiMixWindows() {
    // Only pages showing a multi-mix water: a page of another water stays
    // where the user left it, behind a graph or page in front.
    for (PageClass page : {PageClass::kMuWater, PageClass::kMuValues})
        if (IsOpen(page) &&
            pageStates[PageIndex(page)].shownWater == WaterSelector::kMultiMixSource)
            win::BringWindowToTop(PageWindowSlot(page));
}
