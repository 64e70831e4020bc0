// The default printer from the profile entry, as an information context the
// callers ask for device capabilities.
#include "printing/default_printer.h"

#include <string>

#include "platform/gdi/gdi.h"
#include "platform/system/system.h"

win::HDC CreateDefaultPrinterIC() {
    char entry[256] = {};
    win::GetProfileString("windows", "device", "", entry, sizeof entry);
    const std::string text = entry;
    const size_t firstComma = text.find(',');
    if (text.empty() || firstComma == std::string::npos) return nullptr;
    const size_t secondComma = text.find(',', firstComma + 1);
    const std::string device = text.substr(0, firstComma);
    const std::string driver = text.substr(firstComma + 1, secondComma == std::string::npos
                                                               ? std::string::npos
                                                               : secondComma - firstComma - 1);
    const std::string port = secondComma == std::string::npos ? "" : text.substr(secondComma + 1);
    return win::CreateICA(driver.c_str(), device.c_str(), port.c_str(), nullptr);
}
