// The Change Range hooks of the 3D graph window (the 2D window keeps its own
// beside its procedure).
#include "graphs/window/range_hooks.h"

#include <initializer_list>

namespace {

int NoDialog(win::HWND) {
    return 0;
}

ThreeDRangeHooks threeDHooks{NoDialog, NoDialog, NoDialog, NoDialog,
                             NoDialog, NoDialog, NoDialog, NoDialog};

void Fill(GraphWindowHook& hook) {
    if (hook == nullptr) hook = NoDialog;
}

}  // namespace

void InstallThreeDRangeHooks(const ThreeDRangeHooks& hooks) {
    threeDHooks = hooks;
    for (GraphWindowHook* h : {&threeDHooks.tempPH, &threeDHooks.tempPCO2, &threeDHooks.tempPHPct,
                               &threeDHooks.tempPCO2Pct, &threeDHooks.tempPct, &threeDHooks.pHPct,
                               &threeDHooks.pCO2Pct, &threeDHooks.tempPress})
        Fill(*h);
}

const ThreeDRangeHooks& ThreeDRangeDialogs() {
    return threeDHooks;
}
