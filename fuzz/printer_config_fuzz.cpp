// fuzz-link: tarvex_platform
//
// ParsePrinterConfig over any text, as the printer file gives it; every
// printer it accepts is turned into a device description, upright and turned
// to landscape.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/print/print_job.h"
#include "platform/print/print_setup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> errors;
    const std::vector<win::PrinterConfig> printers = win::ParsePrinterConfig(text, "/base", &errors);
    for (const win::PrinterConfig& p : printers) {
        win::DeviceMode mode = win::DefaultDeviceMode(p);
        const win::DeviceCaps upright = win::PrinterCaps(p, &mode);
        mode.dmOrientation = win::DMORIENT_LANDSCAPE;
        const win::DeviceCaps turned = win::PrinterCaps(p, &mode);
        // The printable area is never empty.
        if (upright.horzRes <= 0 || upright.vertRes <= 0 || turned.horzRes <= 0 ||
            turned.vertRes <= 0)
            __builtin_trap();
    }
    return 0;
}
