// Where the last print went, on the main window's caption line: the pages
// never cover it.
#include "shell/mainwindow/print_status.h"

#include <cstdio>

#include "platform/print/print_setup.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "shell/mainwindow/main_window_records.h"

std::string PrintedStatusText(const std::string& pdfPath) {
    const std::size_t slash = pdfPath.find_last_of('/');
    if (slash == std::string::npos) return "Printed to " + pdfPath;
    const std::string folder = slash == 0 ? "/" : pdfPath.substr(0, slash);
    return "Printed to " + pdfPath.substr(slash + 1) + " in " + folder;
}

void ForgetPrintedDocument(win::HWND mainWindow) {
    if (mainWindowExtras.printStatus[0] == '\0') return;
    const std::string note = std::string(" - ") + mainWindowExtras.printStatus;
    mainWindowExtras.printStatus[0] = '\0';
    if (mainWindow == nullptr || !win::IsWindow(mainWindow)) return;
    char title[768] = {};
    win::GetWindowText(mainWindow, title, sizeof title);
    std::string caption = title;
    const std::size_t at = caption.rfind(note);
    if (at == std::string::npos || at + note.size() != caption.size()) return;
    caption.erase(at);
    win::SetWindowText(mainWindow, caption.c_str());
}

void FollowPrintedDocuments(win::HWND mainWindow) {
    char title[128] = {};
    win::GetWindowText(mainWindow, title, sizeof title);
    const std::string programTitle = title;
    win::OnDocumentPrinted([mainWindow, programTitle](const std::string& pdfPath) {
        std::snprintf(mainWindowExtras.printStatus, sizeof mainWindowExtras.printStatus, "%s",
                      PrintedStatusText(pdfPath).c_str());
        if (!win::IsWindow(mainWindow)) return;
        const std::string caption = programTitle + " - " + mainWindowExtras.printStatus;
        win::SetWindowText(mainWindow, caption.c_str());
    });
}
