// Printer DCs from the print dialog record or the profile entry.
#include "printing/job/printer_dc.h"

#include <cstring>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"
#include "platform/system/system.h"
#include "printing/print_job_records.h"

namespace {

struct DefaultPrinter {
    std::string device;
    std::string driver;
    std::string port;
};

// "device,driver,port": the device name up to the first comma, the driver up
// to the next comma or blank, the port after it. False when a part is missing.
bool ReadDefaultPrinter(DefaultPrinter& p) {
    char entry[80] = {};
    win::GetProfileStringA("windows", "device", "", entry, sizeof entry);
    const std::string text(entry, strnlen(entry, sizeof entry));
    const size_t comma = text.find(',');
    if (comma == std::string::npos) return false;
    p.device = text.substr(0, comma);
    const size_t end = text.find_first_of(", ", comma + 1);
    if (end == std::string::npos) return false;
    p.driver = text.substr(comma + 1, end - comma - 1);
    p.port = text.substr(end + 1);
    return !p.device.empty() && !p.driver.empty() && !p.port.empty();
}

// A NUL-terminated name at an offset word of the names block, kept inside it.
std::string NameAt(const char* block, size_t size, win::WORD offset) {
    if (offset >= size) return std::string();
    return std::string(block + offset, strnlen(block + offset, size - offset));
}

}  // namespace

win::HDC CreateDefaultPrinterDC() {
    DefaultPrinter p;
    if (!ReadDefaultPrinter(p)) return nullptr;
    return win::CreateDCA(p.driver.c_str(), p.device.c_str(), p.port.c_str(), nullptr);
}

win::HDC CreateDefaultPrinterIC() {
    DefaultPrinter p;
    if (!ReadDefaultPrinter(p)) return nullptr;
    return win::CreateICA(p.driver.c_str(), p.device.c_str(), p.port.c_str(), nullptr);
}

win::HDC CreatePrinterDC() {
    win::PrintDialogRecord& pd = printJobState.printDialog;
    if (pd.devNames == nullptr) return CreateDefaultPrinterDC();
    const size_t namesSize = win::GlobalSize(pd.devNames);
    const auto* names = static_cast<const char*>(win::GlobalLock(pd.devNames));
    std::string driver, device, output;
    if (names != nullptr && namesSize >= sizeof(win::DeviceNames)) {
        win::DeviceNames offsets;
        std::memcpy(&offsets, names, sizeof offsets);
        driver = NameAt(names, namesSize, offsets.wDriverOffset);
        device = NameAt(names, namesSize, offsets.wDeviceOffset);
        output = NameAt(names, namesSize, offsets.wOutputOffset);
    }
    win::GlobalUnlock(pd.devNames);
    win::DeviceMode mode;
    bool haveMode = false;
    if (pd.devMode != nullptr && win::GlobalSize(pd.devMode) >= sizeof mode) {
        const void* block = win::GlobalLock(pd.devMode);
        if (block != nullptr) {
            std::memcpy(&mode, block, sizeof mode);
            haveMode = true;
        }
        win::GlobalUnlock(pd.devMode);
    }
    win::HDC dc =
        win::CreateDCA(driver.c_str(), device.c_str(), output.c_str(), haveMode ? &mode : nullptr);
    if (pd.devNames != nullptr) win::GlobalFree(pd.devNames);
    if (pd.devMode != nullptr) win::GlobalFree(pd.devMode);
    pd.devNames = pd.devMode = nullptr;
    return dc;
}

bool PrinterHasColours(win::HDC printer) {
    const int colours = win::GetDeviceCaps(printer, win::NUMCOLORS);
    return colours > 2 || colours == -1;
}

void ReadPageMetrics(win::HDC printer) {
    PrintPageMetrics& m = printJobState.pageMetrics;
    m.physicalWidth = win::GetDeviceCaps(printer, win::PHYSICALWIDTH);
    m.physicalHeight = win::GetDeviceCaps(printer, win::PHYSICALHEIGHT);
    m.offsetX = win::GetDeviceCaps(printer, win::PHYSICALOFFSETX);
    m.offsetY = win::GetDeviceCaps(printer, win::PHYSICALOFFSETY);
    m.horzRes = win::GetDeviceCaps(printer, win::HORZRES);
    m.vertRes = win::GetDeviceCaps(printer, win::VERTRES);
}

void ReadAllPageMetrics(win::HDC printer) {
    ReadPageMetrics(printer);
    PrintPageMetrics& m = printJobState.pageMetrics;
    m.usableWidth = m.horzRes - 2 * m.offsetX;
    m.usableHeight = m.vertRes - 2 * m.offsetY;
}
