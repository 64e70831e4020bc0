// What the windows of menu 14 do alike.
#include "graphs/window/two_d_family.h"

#include "graphs/graph_output_records.h"
#include "graphs/window/graph_picture_print.h"
#include "graphs/window/two_d_window.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/frame/image_alloc.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/print_job_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"

using namespace TwoDGraphCommand;

namespace {

constexpr GraphAltKey kAltKeys[] = {
    {'F', kExportImage},   {'G', kChooseGraphs}, {'H', kPatterns},
    {'N', kChooseProduct}, {'P', kPrint},        {'T', kTreatedColours},
};

void SetItem(win::HWND hwnd, int id, const char* text, bool enable) {
    if (enable)
        SetGraphMenuItem(hwnd, id, text);
    else
        SetGraphMenuText(hwnd, id, text);
}

// A switch of menu 14: its item's texts while its flag is on and off, and
// whether the window paints at once.
struct SwitchItem {
    int id;
    bool paintsNow;
    const char* whenOn;
    const char* whenOff;
};
constexpr SwitchItem kSwitches[] = {
    {kFormulaTitles, false, "&MINERAL NAME TITLES\t(Currently Formula (e.g. CaCO3))",
     "&CHEMICAL FORMULA TITLES\t(Currently Mineral (e.g. Calcite))"},
    {kTreatedColours, false, " &UNTREATED COLOR CODING\t(Currently Treated)",
     " &TREATED COLOR CODING\t(Currently Untreated)"},
    {kExportGrey, false, " EXPORT GRAY SCALE IMAGES\t(Currently Color)",
     " EXPORT COLOR IMAGES\t(Currently Gray Scale)"},
    {kPrintGrey, false, " PRINT GRAY SCALE IMAGES\t(Currently Color)",
     " PRINT COLOR IMAGES\t(Currently Gray Scale)"},
    {kDisplayGrey, true, " DISPLAY GRAY SCALE IMAGES\t(Currently Color)",
     " DISPLAY COLOR IMAGES\t(Currently Gray Scale)"},
    {kPatterns, true, " USE SOLID PATTERNS\t(Currently &Hatch Patterns)",
     " USE &HATCH PATTERNS\t(Currently Solid Patterns)"},
};

const SwitchItem* FindSwitch(int id) {
    for (const SwitchItem& item : kSwitches)
        if (item.id == id) return &item;
    return nullptr;
}

void SetSwitchText(win::HWND hwnd, const SwitchItem& item, bool on, bool enable) {
    SetItem(hwnd, item.id, on ? item.whenOn : item.whenOff, enable);
}

// Flips a flag between 0 and non-zero; true when it is now on.
template <typename Flag>
bool Flip(Flag& flag) {
    flag = flag != 0 ? Flag{0} : Flag{1};
    return flag != 0;
}

// Flips the flag of a switch; true when it is now on. The display switch
// makes the colour of the picture follow.
bool Toggle(int id) {
    GraphOutputFlags& f = graphOutputFlags;
    switch (id) {
        case kFormulaTitles:
            return Flip(displaySettings.mineralTitles);
        case kTreatedColours:
            return Flip(f.treatedColorCoding);
        case kExportGrey:
            return Flip(f.exportColor);
        case kPrintGrey:
            return Flip(f.printColor);
        case kDisplayGrey:
            f.colorNow = Flip(f.displayColor) ? 1 : 0;
            return f.colorNow != 0;
        default:  // the patterns
            return Flip(f.hatchPatterns);
    }
}

// Drivers of these versions draw the graph themselves; others get a picture.
bool PrintsDirectly(win::HDC printer) {
    const int version = win::GetDeviceCaps(printer, win::DRIVERVERSION);
    return printJobState.printMode == 0 && (version >= 0x30A || version == 0x100);
}

// The graph painted into the page of the open job.
void PrintDirectly(win::HWND hwnd, win::HDC printer, GraphPainter paint) {
    GraphOutputFlags& f = graphOutputFlags;
    StartPrintAbort(hwnd, mainWindowState.instance);
    f.renderTarget = RenderTarget::kPrinter;
    win::ShowWindow(hwnd, win::SW_HIDE);
    win::UpdateWindow(hwnd);
    if (CheckedStartDoc()) {
        printJobState.documentOpen = 1;
        if (CheckedStartPage()) {
            paint(printer, hwnd);
            f.renderTarget = RenderTarget::kScreen;
            (void)CheckedEndPage();
        }
    }
    f.renderTarget = RenderTarget::kScreen;
}

}  // namespace

int TwoDFamilyAltCommand(win::WPARAM key) {
    return GraphAltKeyCommand(key, kAltKeys);
}

void SetTreatedColourText(win::HWND hwnd, bool enable) {
    SetSwitchText(hwnd, *FindSwitch(kTreatedColours), graphOutputFlags.treatedColorCoding != 0,
                  enable);
}

bool SwitchTwoDFamilyItem(win::HWND hwnd, int id, GraphPainter paint, bool enable) {
    const SwitchItem* item = FindSwitch(id);
    if (item == nullptr) return false;
    SetSwitchText(hwnd, *item, Toggle(id), enable);
    if (item->paintsNow) PaintGraphNow(hwnd, paint);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    return true;
}

void TwoDFamilyBackToScreen() {
    GraphOutputFlags& f = graphOutputFlags;
    f.colorNow = f.displayColor;
    f.renderTarget = RenderTarget::kScreen;
    f.printingGraph = 0;
    f.exportingGraph = 0;
}

void CopyTwoDFamilyGraph(win::HWND hwnd, GraphPainter paint) {
    GraphOutputFlags& f = graphOutputFlags;
    f.printingGraph = 0;
    f.exportingGraph = 1;
    f.renderTarget = RenderTarget::kBitmap;
    f.colorNow = f.exportColor;
    ImageDesc image;
    if (CaptureGraphWindow(hwnd, paint, 0, &image) == IMG_OK) {
        (void)CopyImageToClipboard(hwnd, &image);
        (void)FreeImage(&image);
    }
    TwoDFamilyBackToScreen();
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}

void BeginTwoDFamilyExport() {
    graphOutputFlags.printingGraph = 0;
    graphOutputFlags.exportingGraph = 1;
}

void AbandonTwoDFamilyExport(win::HWND hwnd) {
    TwoDFamilyBackToScreen();
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

void FinishTwoDFamilyExport(win::HWND hwnd, GraphPainter paint) {
    TwoDFamilyBackToScreen();
    PaintGraphNow(hwnd, paint);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}

win::HDC BeginTwoDFamilyPrint(win::HWND hwnd, const char* documentName) {
    win::RECT desk{};
    win::GetClientRect(win::GetDesktopWindow(), &desk);
    win::MoveWindow(hwnd, 0, 0, desk.right, static_cast<int>(0.95 * desk.bottom), win::TRUE);
    win::EnableWindow(hwnd, win::FALSE);

    win::HDC printer = BeginPrintJob();
    if (printJobState.printAborted != 0 || printer == nullptr) {
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        win::EnableWindow(hwnd, win::TRUE);
        win::SetFocus(hwnd);
        printJobState.printAborted = 0;
        return nullptr;
    }
    printJobState.docInfo = win::DOCINFOA{};
    printJobState.docInfo.cbSize = static_cast<int>(sizeof(win::DOCINFOA));
    printJobState.docInfo.lpszDocName = documentName;
    return printer;
}

bool PrintTwoDFamilyPage(win::HWND hwnd, win::HDC printer, GraphPainter paint) {
    GraphOutputFlags& f = graphOutputFlags;
    f.printingGraph = 1;
    f.exportingGraph = 0;
    const bool direct = PrintsDirectly(printer);
    if (direct)
        PrintDirectly(hwnd, printer, paint);
    else
        PrintGraphPicture(hwnd, printer, paint);

    f.renderTarget = RenderTarget::kScreen;
    f.printingGraph = 0;
    f.exportingGraph = 0;
    f.colorNow = f.displayColor;
    PaintGraphNow(hwnd, paint);
    return direct;
}

void EndTwoDFamilyPrint(win::HWND hwnd, bool direct) {
    // A picture print has ended its own document.
    if (direct)
        (void)EndPrintJob(hwnd, mainWindowState.instance);
    else
        (void)EndPrintJobAfterItsDocument(hwnd, mainWindowState.instance);
    printJobState.documentOpen = 0;
    // The job is over, failed or not: the next one starts clean.
    printJobState.printAborted = 0;
    win::EnableWindow(hwnd, win::TRUE);
}

void SetPrintColourItem(win::HWND hwnd) {
    const GraphOutputFlags& f = graphOutputFlags;
    const char* text = " PRINT GRAY SCALE\t(Currently Gray Scale)";
    if (f.printColorAvailable == 1)
        text = f.printColor == 1 ? " PRINT GRAY SCALE\t(Currently Color)"
                                 : " PRINT COLOR\t(Currently Gray Scale)";
    SetGraphMenuItem(hwnd, kPrintGrey, text, f.printColorAvailable != 1);
}
