// EXPORT IMAGE and PRINT of the 2D graph window: the 2D-family steps
// with the bar graph's painter; the print puts the window back where it was.
#include "graphs/graph_output_records.h"
#include "graphs/twod/bar_graph.h"
#include "graphs/window/graph_picture_print.h"
#include "graphs/window/two_d_family.h"
#include "graphs/window/two_d_window.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

namespace {

constexpr char kDocumentName[] = "Printing Tarvex Graph";

constexpr GraphPictureDescriptor kTwoDExport = TwoDFamilyExport<DrawShownTwoDGraph>();

// Puts the window back as the user had it (`kept`), enabled and in front.
void RestoreWindow(win::HWND hwnd, const win::RECT& kept) {
    win::SetFocus(hwnd);
    ShowGraphWindowAfterPrint(hwnd, kept);
}

}  // namespace

int ExportTwoDGraph(win::HWND hwnd) {
    return GraphPictureExport(hwnd, kTwoDExport);
}

void PrintTwoDGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    win::RECT kept{};
    win::GetWindowRect(hwnd, &kept);
    win::HDC printer = BeginTwoDFamilyPrint(hwnd, kDocumentName);
    if (printer == nullptr) {
        // A cancelled dialog leaves the window as a finished print does.
        RestoreWindow(hwnd, kept);
        return;
    }
    const int16_t savedColorNow = f.colorNow;
    const int16_t savedPrintColor = f.printColor;
    (void)ChoosePrintColour(printer);
    const bool direct = PrintTwoDFamilyPage(hwnd, printer, DrawShownTwoDGraph);
    f.colorNow = savedColorNow;
    f.printColor = savedPrintColor;
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
    EndTwoDFamilyPrint(hwnd, direct);
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
    f.colorNow = f.displayColor;
    SetPrintColourItem(hwnd);
    RestoreWindow(hwnd, kept);
}
