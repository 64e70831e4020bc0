// The message box and clock hooks of the what-if drivers, with their defaults.
#include "scenarios/frame/driver_services.h"

#include <chrono>

#include "engine/pipeline/surface_engine_state.h"
#include "platform/dialogs/message_box.h"

namespace {

// The user answers: a question is never taken as answered on their behalf.
int DefaultMessageBox(win::HWND owner, const char* text, const char* caption, win::UINT style) {
    return win::MessageBox(owner, text, caption, style);
}

uint32_t DefaultClockSeconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

void NoCalculation(win::HWND) {}

constexpr DriverServices kDefaultServices{DefaultMessageBox, DefaultClockSeconds, NoCalculation};
DriverServices installed = kDefaultServices;

}  // namespace

void InstallDriverServices(const DriverServices& services) {
    installed.messageBox = services.messageBox ? services.messageBox : kDefaultServices.messageBox;
    installed.clockSeconds =
        services.clockSeconds ? services.clockSeconds : kDefaultServices.clockSeconds;
    installed.calculateSurfaceWater = services.calculateSurfaceWater
                                          ? services.calculateSurfaceWater
                                          : kDefaultServices.calculateSurfaceWater;
}

SurfaceWaterRefusal installedRefusal = nullptr;

void InstallSurfaceWaterRefusal(SurfaceWaterRefusal refusal) {
    installedRefusal = refusal;
}

std::string SurfaceWaterRefusalText() {
    return installedRefusal != nullptr ? installedRefusal() : std::string();
}

void ResetDriverServices() {
    installed = kDefaultServices;
    installedRefusal = nullptr;
}

int DriverMessageBox(win::HWND owner, const char* text, const char* caption, win::UINT style) {
    return installed.messageBox(owner, text, caption, style);
}

uint32_t DriverClockSeconds() {
    return installed.clockSeconds();
}

void StartFromSurfaceCalculation(win::HWND owner) {
    if (RestoreSurfaceEngineState()) return;
    installed.calculateSurfaceWater(owner);
    (void)RestoreSurfaceEngineState();
}
