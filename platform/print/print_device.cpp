// Printer devices: device descriptions from the printer file and a device
// mode, printer and information contexts, the screen context by name, and
// the spooler calls that open a printer and read its information.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_set>

#include "platform/print/print_job.h"

namespace win {
namespace {

struct PaperInches {
    double width;
    double height;
};

PaperInches Paper(short code, const std::string& name) {
    if (code == DMPAPER_LEGAL || (code == 0 && name == "legal")) return {8.5, 14.0};
    if (code == DMPAPER_A4 || (code == 0 && name == "a4")) return {210.0 / 25.4, 297.0 / 25.4};
    return {8.5, 11.0};
}

short PaperCode(const std::string& name) {
    if (name == "legal") return DMPAPER_LEGAL;
    if (name == "a4") return DMPAPER_A4;
    return DMPAPER_LETTER;
}

bool Same(const char* a, const std::string& b) {
    if (a == nullptr) return false;
    std::string x(a);
    if (x.size() != b.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(x[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

DeviceMode DefaultDeviceMode(const PrinterConfig& printer) {
    DeviceMode m;
    std::strncpy(m.dmDeviceName, printer.name.c_str(), sizeof m.dmDeviceName - 1);
    m.dmSize = sizeof(DeviceMode);
    m.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PRINTQUALITY | DM_COLOR | DM_YRESOLUTION;
    m.dmOrientation = printer.landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    m.dmPaperSize = PaperCode(printer.paper);
    m.dmPrintQuality = static_cast<short>(printer.dpi);
    m.dmYResolution = static_cast<short>(printer.dpi);
    m.dmColor = printer.color ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME;
    m.dmCopies = 1;
    return m;
}

DeviceCaps PrinterCaps(const PrinterConfig& printer, const DeviceMode* mode) {
    DeviceMode m = DefaultDeviceMode(printer);
    if (mode != nullptr) {
        if ((mode->dmFields & DM_ORIENTATION) != 0) m.dmOrientation = mode->dmOrientation;
        if ((mode->dmFields & DM_PAPERSIZE) != 0) m.dmPaperSize = mode->dmPaperSize;
        if ((mode->dmFields & DM_PRINTQUALITY) != 0 && mode->dmPrintQuality >= 72 &&
            mode->dmPrintQuality <= 2400) {
            m.dmPrintQuality = mode->dmPrintQuality;
            m.dmYResolution = mode->dmPrintQuality;
        }
        if ((mode->dmFields & DM_YRESOLUTION) != 0 && mode->dmYResolution >= 72 &&
            mode->dmYResolution <= 2400) {
            m.dmYResolution = mode->dmYResolution;
        }
        if ((mode->dmFields & DM_COLOR) != 0) m.dmColor = mode->dmColor;
    }
    PaperInches paper = Paper(m.dmPaperSize, printer.paper);
    if (m.dmOrientation == DMORIENT_LANDSCAPE) std::swap(paper.width, paper.height);
    DeviceCaps c;
    c.technology = DT_RASPRINTER;
    c.driverVersion = printer.driverVersion;
    c.logPixelsX = m.dmPrintQuality;
    c.logPixelsY = m.dmYResolution;
    c.physicalWidth = static_cast<int>(std::lround(paper.width * c.logPixelsX));
    c.physicalHeight = static_cast<int>(std::lround(paper.height * c.logPixelsY));
    // The unprintable margin; a landscape sheet turns it with the paper.
    const double marginX =
        m.dmOrientation == DMORIENT_LANDSCAPE ? printer.marginY : printer.marginX;
    const double marginY =
        m.dmOrientation == DMORIENT_LANDSCAPE ? printer.marginX : printer.marginY;
    c.offsetX = static_cast<int>(std::lround(marginX * c.logPixelsX));
    c.offsetY = static_cast<int>(std::lround(marginY * c.logPixelsY));
    c.horzRes = c.physicalWidth - 2 * c.offsetX;
    c.vertRes = c.physicalHeight - 2 * c.offsetY;
    c.horzSizeMm = static_cast<int>(std::lround(c.horzRes * 25.4 / c.logPixelsX));
    c.vertSizeMm = static_cast<int>(std::lround(c.vertRes * 25.4 / c.logPixelsY));
    const bool colour = m.dmColor != DMCOLOR_MONOCHROME;
    c.bitsPixel = colour ? 24 : 1;
    c.planes = 1;
    c.numColors = colour ? -1 : 2;
    c.rasterCaps =
        RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    c.sizePalette = 0;
    return c;
}

namespace {

HDC MakeDc(DcKind kind, const char* device, const DeviceMode* mode) {
    if (device == nullptr) return nullptr;
    if (Same(device, "DISPLAY")) {
        HDC hdc = NewDc(kind == DcKind::Info ? DcKind::Info : DcKind::Screen);
        hdc->caps = ScreenCaps();
        return hdc;
    }
    const PrinterConfig* printer = FindPrinter(device);
    if (printer == nullptr) return nullptr;
    HDC hdc = NewDc(kind);
    hdc->caps = PrinterCaps(*printer, mode);
    if (kind == DcKind::Printer) {
        hdc->job = std::make_shared<PrintJob>();
        hdc->job->printer = *printer;
        hdc->job->mode = mode != nullptr ? *mode : DefaultDeviceMode(*printer);
    }
    return hdc;
}

}  // namespace

HDC CreateDCA(const char* driver, const char* device, const char* output, const DeviceMode* mode) {
    (void)output;
    // The screen is asked for by driver name as well as by device name.
    if (device == nullptr && driver != nullptr && Same(driver, "DISPLAY")) device = driver;
    return MakeDc(DcKind::Printer, device, mode);
}

HDC CreateICA(const char* driver, const char* device, const char* output, const DeviceMode* mode) {
    (void)output;
    if (device == nullptr && driver != nullptr && Same(driver, "DISPLAY")) device = driver;
    return MakeDc(DcKind::Info, device, mode);
}

// ---- Spooler calls ------------------------------------------------------------

namespace {

struct OpenPrinter {
    PrinterConfig printer;
};

std::unordered_set<OpenPrinter*>& OpenPrinters() {
    static auto& open = *new std::unordered_set<OpenPrinter*>;
    return open;
}

}  // namespace

BOOL OpenPrinterA(const char* name, HANDLE* printer, const void* defaults) {
    (void)defaults;
    if (printer == nullptr) return FALSE;
    *printer = nullptr;
    const PrinterConfig* p = name != nullptr ? FindPrinter(name) : nullptr;
    if (p == nullptr) return FALSE;
    auto* handle = new OpenPrinter{*p};
    OpenPrinters().insert(handle);
    *printer = handle;
    return TRUE;
}

BOOL GetPrinterA(HANDLE printer, DWORD level, BYTE* buffer, DWORD size, DWORD* needed) {
    auto* handle = static_cast<OpenPrinter*>(printer);
    if (OpenPrinters().count(handle) == 0 || level != 2 || needed == nullptr) return FALSE;
    // Record, device mode, then the three names with their NULs.
    const std::string& name = handle->printer.name;
    const std::string port = kPrinterPortName;
    const std::string driver = kPrinterDriverName;
    const std::size_t modeAt = (sizeof(PRINTER_INFO_2) + 7) & ~std::size_t{7};
    const std::size_t namesAt = modeAt + sizeof(DeviceMode);
    const std::size_t total = namesAt + name.size() + port.size() + driver.size() + 3;
    *needed = static_cast<DWORD>(total);
    if (buffer == nullptr || size < total) return FALSE;
    std::memset(buffer, 0, total);
    PRINTER_INFO_2 info;
    auto* mode = reinterpret_cast<DeviceMode*>(buffer + modeAt);
    *mode = DefaultDeviceMode(handle->printer);
    char* text = reinterpret_cast<char*>(buffer + namesAt);
    auto put = [&text](const std::string& s) {
        char* at = text;
        std::memcpy(at, s.c_str(), s.size() + 1);
        text += s.size() + 1;
        return at;
    };
    info.pPrinterName = put(name);
    info.pPortName = put(port);
    info.pDriverName = put(driver);
    info.pDevMode = mode;
    std::memcpy(buffer, &info, sizeof info);
    return TRUE;
}

BOOL ClosePrinter(HANDLE printer) {
    auto* handle = static_cast<OpenPrinter*>(printer);
    if (OpenPrinters().erase(handle) == 0) return FALSE;
    delete handle;
    return TRUE;
}

void ClosePrinters() {
    for (OpenPrinter* p : OpenPrinters()) delete p;
    OpenPrinters().clear();
}

}  // namespace win
