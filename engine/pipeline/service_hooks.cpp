// The hooks through which the engines reach the progress window and the Choose
// Graphs dialog, with defaults that do nothing.
#include "engine/pipeline/service_hooks.h"

namespace {

int NoProgressBar() {
    return 0;
}
void NoProgressPos(int32_t, int32_t) {}
void NoCloseProgressBar() {}
void NoChooseGraphs(win::HWND) {}

constexpr ServiceHooks kDefaultHooks{NoProgressBar, NoProgressPos, NoCloseProgressBar,
                                     NoChooseGraphs};

ServiceHooks installedHooks = kDefaultHooks;

}  // namespace

void InstallServiceHooks(const ServiceHooks& hooks) {
    installedHooks.showProgressBar =
        hooks.showProgressBar ? hooks.showProgressBar : kDefaultHooks.showProgressBar;
    installedHooks.setProgressPos =
        hooks.setProgressPos ? hooks.setProgressPos : kDefaultHooks.setProgressPos;
    installedHooks.closeProgressBar =
        hooks.closeProgressBar ? hooks.closeProgressBar : kDefaultHooks.closeProgressBar;
    installedHooks.showChooseGraphs =
        hooks.showChooseGraphs ? hooks.showChooseGraphs : kDefaultHooks.showChooseGraphs;
}

void ResetServiceHooks() {
    installedHooks = kDefaultHooks;
}

int ShowProgressBar() {
    return installedHooks.showProgressBar();
}
void SetProgressPos(int32_t percent, int32_t secondsToGo) {
    installedHooks.setProgressPos(percent, secondsToGo);
}
void CloseProgressBar() {
    installedHooks.closeProgressBar();
}
void ShowChooseGraphs(win::HWND owner) {
    installedHooks.showChooseGraphs(owner);
}
