// The graph-window slot, its openers and the Change Range snapshots.
#include "graphs/window/graph_slot.h"

#include <algorithm>
#include <cctype>

#include "engine/records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/state/graph_snapshot_records.h"
#include "graphs/threed/draw_3d_graph.h"
#include "graphs/twod/bar_graph.h"
#include "graphs/window/graph_window_steps.h"
#include "graphs/window/threed_window.h"
#include "graphs/window/two_d_window.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"

namespace {

constexpr char kThreeDClass[] = "wcGraphWindow";
// The caption of every graph window, which also names its printed pictures.
constexpr char kGraphTitle[] = "Tarvex Graph";
constexpr int kClassNameChars = 41;  // 40 characters and the terminator

bool HoldsClass(win::HWND window, const char* className) {
    char name[kClassNameChars] = {};
    if (win::GetClassName(window, name, sizeof name) <= 0) return false;
    // Class names compare without regard to case.
    int i = 0;
    for (; name[i] != '\0' && className[i] != '\0'; ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) !=
            std::tolower(static_cast<unsigned char>(className[i])))
            return false;
    return name[i] == className[i];
}

void EmptyAxisTitles() {
    for (auto& title : graphAxisData.axisTitles) title[0] = '\0';
}

// Opens the window of a string-table class with the PROPERTIES texts of menu 14.
int OpenTwoDFamilyWindow(int classString, void (*reuse)(win::HWND)) {
    MainWindowState& m = mainWindowState;
    char className[kClassNameChars] = {};
    if (win::LoadString(m.instance, static_cast<win::UINT>(classString), className,
                        sizeof className) == 0)
        return 0;
    const win::HWND window = PlaceGraphWindow(
        GraphSlotRequest{className, m.mainWindow, m.instance, EmptyAxisTitles, reuse});
    if (window == nullptr) return 0;
    SetTwoDFamilyMenuTexts(window);
    return 1;
}

// Paints into the window and copies its client area onto a new white bitmap,
// which becomes the snapshot.
void TakeSnapshot(win::HWND window, void (*paint)(win::HDC, win::HWND)) {
    DeleteGraphSnapshot();
    win::RECT client{};
    win::GetClientRect(window, &client);
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    win::HDC dc = win::GetDC(window);
    paint(dc, window);
    win::ReleaseDC(window, dc);
    dc = win::GetDC(window);
    win::HDC memory = win::CreateCompatibleDC(dc);
    graphSnapshot.bitmap = w > 0 && h > 0 ? win::CreateCompatibleBitmap(dc, w, h) : nullptr;
    if (graphSnapshot.bitmap != nullptr) {
        graphSnapshot.width = w;
        graphSnapshot.height = h;
        graphSnapshot.previousBitmap =
            static_cast<win::HBITMAP>(win::SelectObject(memory, graphSnapshot.bitmap));
        win::PatBlt(memory, 0, 0, w, h, win::WHITENESS);
        win::StretchBlt(memory, 0, 0, w, h, dc, 0, 0, w, h, win::SRCCOPY);
        // The bitmap leaves the copying context, which goes now.
        win::SelectObject(memory, graphSnapshot.previousBitmap);
    }
    win::DeleteDC(memory);
    win::ReleaseDC(window, dc);
}

void PaintThreeD(win::HDC dc, win::HWND window) {
    (void)Draw3DGraph(dc, window);
}

}  // namespace

win::RECT GraphWindowPlace(win::HWND sized) {
    win::MONITORINFO mi{};
    win::GetMonitorInfo(win::MonitorFromWindow(sized, win::MONITOR_DEFAULTTOPRIMARY), &mi);
    const win::RECT work = mi.rcWork;
    win::RECT r{};
    if (sized != nullptr && win::GetClientRect(sized, &r) && r.right > 0 && r.bottom > 0) {
        win::POINT origin{0, 0};
        win::ClientToScreen(sized, &origin);
        // A window manager's frame may have pushed the sizing window down or
        // out: the graph keeps to the work area all the same.
        win::RECT place{std::max(origin.x, work.left), std::max(origin.y, work.top),
                        std::min(origin.x + r.right, work.right),
                        std::min(origin.y + r.bottom, work.bottom)};
        if (place.right > place.left && place.bottom > place.top) return place;
    }
    // No window to go by (or one without a client area): the work area.
    return work;
}

win::HWND PlaceGraphWindow(const GraphSlotRequest& request) {
    MainWindowState& m = mainWindowState;
    if (m.graphWindowOpen != 0 && !win::IsWindow(m.graphWindow)) {
        // A window that went without telling the slot leaves it free.
        m.graphWindowOpen = 0;
        m.graphWindow = nullptr;
    }
    if (m.graphWindowOpen != 0 && !HoldsClass(m.graphWindow, request.className)) {
        // Another graph is asked for: the window there makes room for it.
        win::DestroyWindow(m.graphWindow);
        m.graphWindowOpen = 0;
        m.graphWindow = nullptr;
    }
    if (m.graphWindowOpen == 0) {
        if (request.beforeCreate != nullptr) request.beforeCreate();
        const win::HWND sized = request.sizeOf != nullptr ? request.sizeOf : request.owner;
        const win::RECT r = GraphWindowPlace(sized);
        m.graphWindow = win::CreateWindowEx(0, request.className, kGraphTitle,
                                            win::WS_OVERLAPPEDWINDOW | win::WS_VISIBLE, r.left,
                                            r.top, r.right - r.left, r.bottom - r.top,
                                            request.owner, nullptr, request.instance, nullptr);
    } else if (request.reuse != nullptr) {
        request.reuse(m.graphWindow);
    }
    const win::HWND window = m.graphWindow;
    if (window != nullptr && win::IsWindow(window)) {
        m.graphWindowOpen = 1;
        win::ShowWindow(window, win::SW_SHOW);
        win::SetFocus(window);
    }
    // A window may close itself as it opens (the 3D graph's dosage refusal).
    if (window == nullptr || !win::IsWindow(window)) {
        m.graphWindowOpen = 0;
        m.graphWindow = nullptr;
        return nullptr;
    }
    return window;
}

int CreateGraphWindow() {
    MainWindowState& m = mainWindowState;
    win::HINSTANCE instance = m.instance;
    if (m.mainWindow != nullptr)
        instance = reinterpret_cast<win::HINSTANCE>(
            win::GetWindowLongPtr(m.mainWindow, win::GWL_HINSTANCE));
    if (instance == nullptr) instance = m.instance;
    return PlaceGraphWindow(
               GraphSlotRequest{kThreeDClass, m.mainWindow, instance, nullptr, nullptr}) != nullptr
               ? 1
               : 0;
}

int ShowGraphWindow() {
    (void)CreateGraphWindow();
    const win::HWND window = mainWindowState.graphWindow;
    if (window != nullptr) {
        win::InvalidateRect(window, nullptr, win::FALSE);
        win::UpdateWindow(window);
    }
    return 1;
}

int OpenTwoDGraphWindow() {
    return OpenTwoDFamilyWindow(StringId::kTwoDGraphClass, RefreshTwoDGraphWindow);
}

int ShowTwoDGraph() {
    return OpenTwoDGraphWindow();
}

int OpenWellLogSummaryGraphWindow() {
    return OpenTwoDFamilyWindow(StringId::kWellLogSummaryGraphClass, nullptr);
}

void SetTwoDFamilyMenuTexts(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    SetGraphMenuItem(hwnd, 1009,
                     f.exportColor == 1 ? " EXPORT GRAY SCALE IMAGES\t(Currently Color)"
                                        : " EXPORT COLOR IMAGES\t(Currently Gray Scale)");
    if (f.printColorAvailable != 1) {
        SetGraphMenuItem(hwnd, 1010, " PRINT GRAY SCALE\t(Currently Gray Scale)", true);
        f.printColor = 0;
    } else {
        SetGraphMenuItem(hwnd, 1010,
                         f.printColor == 1 ? " PRINT GRAY SCALE\t(Currently Color)"
                                           : " PRINT COLOR\t(Currently Gray Scale)");
    }
    if (f.displayColorAvailable != 1) {
        SetGraphMenuItem(hwnd, 1011, " DISPLAY GRAY SCALE\t(Currently Gray Scale)", true);
        f.hatchPatterns = 0;
    } else {
        SetGraphMenuItem(hwnd, 1011,
                         f.displayColor == 1 ? " DISPLAY GRAY SCALE\t(Currently Color)"
                                             : " DISPLAY COLOR\t(Currently Gray Scale)");
    }
    SetGraphMenuItem(hwnd, 1012,
                     f.hatchPatterns != 0 ? " USE SOLID PATTERNS\t(Currently &Hatch Patterns)"
                                          : " USE &HATCH PATTERNS\t(Currently Solid Patterns)");
    SetGraphMenuItem(hwnd, 998,
                     displaySettings.mineralTitles != 0
                         ? "&MINERAL NAME TITLES\t(Currently Formula (e.g. CaCO3))"
                         : "&CHEMICAL FORMULA TITLES\t(Currently Mineral (e.g. Calcite))");
}

void RecalculateOpenGraph() {
    const WaterAnalysis working = currentAnalysis;
    RecalculateOpenTwoDGraph(true);
    RecalculateOpenThreeDGraph();
    currentAnalysis = working;
}

void ReleaseGraphSlot(win::HWND window) {
    MainWindowState& m = mainWindowState;
    if (window == nullptr || m.graphWindow != window) return;
    m.graphWindowOpen = 0;
    m.graphWindow = nullptr;
}

int RenderGraphToBitmap(win::HWND window) {
    snapshotIs3D = 1;
    graphOutputFlags.renderTarget = RenderTarget::kBitmap;
    TakeSnapshot(window, PaintThreeD);
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    return 0;
}

void RenderTwoDGraphBitmap(win::HWND window) {
    GraphOutputFlags& f = graphOutputFlags;
    snapshotIs3D = 0;
    f.renderTarget = RenderTarget::kBitmap;
    f.printingGraph = 0;
    f.exportingGraph = 1;
    TakeSnapshot(window, DrawShownTwoDGraph);
    f.printingGraph = 0;
    f.exportingGraph = 0;
    f.renderTarget = RenderTarget::kScreen;
}

void DeleteGraphSnapshot() {
    if (graphSnapshot.bitmap != nullptr) win::DeleteObject(graphSnapshot.bitmap);
    graphSnapshot = GraphSnapshot{};
}
