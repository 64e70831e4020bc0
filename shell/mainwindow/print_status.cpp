// The main window's status line after a print.
#include "shell/mainwindow/print_status.h"

#include <cstdio>

#include "platform/gdi/gdi.h"
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

void FollowPrintedDocuments(win::HWND mainWindow) {
    win::OnDocumentPrinted([mainWindow](const std::string& pdfPath) {
        std::snprintf(mainWindowExtras.printStatus, sizeof mainWindowExtras.printStatus, "%s",
                      PrintedStatusText(pdfPath).c_str());
        if (!win::IsWindow(mainWindow)) return;
        win::RECT client;
        win::GetClientRect(mainWindow, &client);
        client.top = client.bottom - 40;
        win::InvalidateRect(mainWindow, &client, win::FALSE);
    });
}

void PaintPrintStatus(win::HDC dc, const win::RECT& client) {
    const char* text = mainWindowExtras.printStatus;
    if (text[0] == '\0') return;
    win::HGDIOBJ oldFont = win::SelectObject(dc, win::GetStockObject(win::DEFAULT_GUI_FONT));
    win::TEXTMETRICA tm;
    win::GetTextMetrics(dc, &tm);
    win::RECT line{client.left, client.bottom - tm.tmHeight - 6, client.right, client.bottom};
    win::HBRUSH face = win::CreateSolidBrush(static_cast<win::COLORREF>(win::GetSysColor(win::COLOR_BTNFACE)));
    win::FillRect(dc, &line, face);
    win::DeleteObject(face);
    const int oldMode = win::SetBkMode(dc, win::TRANSPARENT);
    const win::COLORREF oldColour = win::SetTextColor(dc, win::RGB(0, 0, 0));
    win::RECT words{line.left + 6, line.top, line.right - 6, line.bottom};
    win::DrawTextA(dc, text, -1, &words,
                   win::DT_SINGLELINE | win::DT_VCENTER | win::DT_NOPREFIX | win::DT_LEFT);
    win::SetTextColor(dc, oldColour);
    win::SetBkMode(dc, oldMode);
    win::SelectObject(dc, oldFont);
}
