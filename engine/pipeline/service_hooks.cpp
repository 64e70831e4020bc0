// The hooks through which the engines reach the progress window and the Choose
// Graphs dialog, with defaults that do nothing.
#include "engine/pipeline/service_hooks.h"

#include "common/hook_table.h"

namespace {

int NoProgressBar() {
    return 0;
}
void NoProgressPos(int32_t, int32_t) {}
void NoCloseProgressBar() {}
int NoChooseGraphs(win::HWND) {
    return 0;
}

constexpr ServiceHooks kDefaultHooks{NoProgressBar, NoProgressPos, NoCloseProgressBar,
                                     NoChooseGraphs};

ServiceHooks installedHooks = kDefaultHooks;

}  // namespace

void InstallServiceHooks(const ServiceHooks& hooks) {
    hooktable::InstallOverDefaults<&ServiceHooks::showProgressBar, &ServiceHooks::setProgressPos,
                                   &ServiceHooks::closeProgressBar,
                                   &ServiceHooks::showChooseGraphs>(installedHooks, hooks,
                                                                    kDefaultHooks);
}

void ResetServiceHooks() {
    installedHooks = kDefaultHooks;
}

ServiceHooks CurrentServiceHooks() {
    return installedHooks;
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
int ShowChooseGraphs(win::HWND owner) {
    return installedHooks.showChooseGraphs(owner);
}
