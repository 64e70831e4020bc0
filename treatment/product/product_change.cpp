// The refresh after a change of product.
#include "treatment/product/product_change.h"

#include <vector>

#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "platform/window/window.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/wells/well_profiles.h"
#include "shell/mainwindow/well_log_records.h"
#include "shell/records.h"
#include "treatment/product/new_product.h"
#include "treatment/records.h"

namespace {

void NoRecalcMultiMix(win::HWND) {}

RecalcMultiMixHook recalcMultiMix = NoRecalcMultiMix;

// Counts ApplyProductChange; only its changes matter, never its value.
uint32_t productChanges = 0;

// Every page kind recomputes its profile when it next paints.
void MarkPagesStale(ResultStatus& s) {
    s.tempProfileStale = 1;
    s.phProfileStale = 1;
    s.pressureProfileStale = 1;  // its page showed the old doses otherwise
    s.mixProfileStale = 1;
    s.wellProfileStale = 1;
    s.wellLogSummaryStale = 1;
    s.onePageProfileStale = 1;
}

}  // namespace

void InstallRecalcMultiMixHook(RecalcMultiMixHook hook) {
    recalcMultiMix = hook != nullptr ? hook : NoRecalcMultiMix;
}

void InvalidateOwnedWindows(win::HWND owner) {
    if (owner == nullptr) return;
    for (win::HWND w = win::GetWindow(owner, win::GW_HWNDFIRST); w != nullptr;
         w = win::GetWindow(w, win::GW_HWNDNEXT)) {
        if (w != owner && win::GetWindow(w, win::GW_OWNER) == owner)
            win::InvalidateRect(w, nullptr, win::TRUE);
    }
}

void PaintOwnedWindowsNow(win::HWND owner) {
    if (owner == nullptr) return;
    std::vector<win::HWND> owned;
    for (win::HWND w = win::GetWindow(owner, win::GW_HWNDFIRST); w != nullptr;
         w = win::GetWindow(w, win::GW_HWNDNEXT))
        if (w != owner && win::GetWindow(w, win::GW_OWNER) == owner) owned.push_back(w);
    const WaterAnalysis working = currentAnalysis;
    for (win::HWND w : owned)
        if (win::IsWindow(w)) win::UpdateWindow(w);
    currentAnalysis = working;
}

void RefreshAfterProductChange() {
    if (multiMixState.multiMixDone == 0) return;
    const int32_t editIndex = multiMixState.editIndex;
    recalcMultiMix(mainWindowState.mainWindow);
    multiMixState.editIndex = editIndex;
    InvalidateOwnedWindows(mainWindowState.mainWindow);
}

uint32_t ProductChanges() {
    return productChanges;
}

void ApplyProductChange(ProductChange change) {
    ++productChanges;
    if (change == ProductChange::kProduct) {
        productTable.selection = 0;
        resultStatus.productSelected = 1;
        resultStatus.productChosen = 1;
        productLoaded = 1;
        doseState.surface.doseDone = 0;
    } else {
        SetNoProduct(productTable);
        resultStatus.productSelected = 0;
    }
    mainWindowState.dataChanged = 1;
    MarkPagesStale(resultStatus);
    InvalidateOwnedWindows(mainWindowState.mainWindow);
    if (wellLogSpecsEntered != 0) CalcWellLogProfile11(mainWindowState.mainWindow);
    RefreshAfterProductChange();
}
