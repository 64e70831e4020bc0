// InitApplication: the 27 window classes in their fixed order, each named by
// its string-table entry (the three label classes by literal names), then the
// calendar control and the four private clipboard formats.
#include "shell/mainwindow/window_classes.h"

#include <cstdio>

#include "graphs/alkcurve/alk_graph_window.h"
#include "graphs/alkcurve/alk_help_window.h"
#include "graphs/welllog/well_log_window.h"
#include "graphs/window/threed_window.h"
#include "graphs/window/two_d_window.h"
#include "input/phcurve/precipitation_dialog.h"
#include "pages/frame/page_procedures.h"
#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "printing/summary/summary_windows.h"
#include "resources/resource_ids.h"
#include "shell/calendar/calendar_control.h"
#include "shell/drawing/static_labels.h"
#include "shell/mainwindow/main_window.h"
#include "shell/progress/progress_window.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

namespace {

constexpr win::UINT kRedraw = win::CS_HREDRAW | win::CS_VREDRAW;
constexpr win::UINT kDoubleClicks = win::CS_DBLCLKS;

enum class Background { kWhite, kMain };

struct ClassSpec {
    unsigned stringId;        // 0: the literal name below
    const char* literalName;  // the label classes
    win::WNDPROC procedure;
    win::UINT style;
    int menuId;  // 0: none
    bool icon;
    int cursor;
    Background background;
};

// In registration order. The result pages have their procedures in pages/; the
// graphs, one-page summary windows and help windows have theirs in their own
// subsystems, and until a window of such a class is opened, default
// processing is all it needs.
const ClassSpec kClasses[] = {
    {StringId::kMainClass, nullptr, MainWndProc, kRedraw, kMainMenuId, true, win::IDC_ARROW,
     Background::kMain},
    {StringId::kMuValuesClass, nullptr, DisWndProc, kDoubleClicks, 11, true, win::IDC_ARROW,
     Background::kWhite},
    {StringId::kMuWaterClass, nullptr, MUWndProc, kDoubleClicks, 11, true, win::IDC_ARROW,
     Background::kWhite},
    {StringId::kCycledValuesClass, nullptr, CycledValuesWndProc, kDoubleClicks, 17, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kPrecipClass, nullptr, PrecipitationDlgProc, kDoubleClicks, 17, true, win::IDC_ARROW,
     Background::kWhite},
    {StringId::kWellLogOnePageClass, nullptr, WellLogDisOnePageWndProc, kDoubleClicks, 17, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kOnePageClass, nullptr, DisOnePageWndProc, kDoubleClicks, 1255, true, win::IDC_ARROW,
     Background::kWhite},
    {StringId::kPhValuesClass, nullptr, pHProfileValuesWndProc, kDoubleClicks, 17, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kPressValuesClass, nullptr, PressProfileValuesWndProc, kDoubleClicks, 17, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kTempValuesClass, nullptr, TempProfileValuesWndProc, kDoubleClicks, 17, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kCycledWaterClass, nullptr, CycledWaterWndProc, kDoubleClicks, 12, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kPressWaterClass, nullptr, PressProfileWndProc, kDoubleClicks, 12, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kPhWaterClass, nullptr, pHProfileWndProc, kDoubleClicks, 12, true, win::IDC_ARROW,
     Background::kWhite},
    {StringId::kTempWaterClass, nullptr, TempProfileWndProc, kDoubleClicks, 12, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kMixedWaterClass, nullptr, MixedWaterWndProc, kDoubleClicks, 11, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kMixedValuesClass, nullptr, MixedValuesWndProc, kDoubleClicks, 11, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kMixedWaterOutClass, nullptr, MixedWaterOutWndProc, kDoubleClicks, 11, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kMixedValuesOutClass, nullptr, MixedValuesOutWndProc, kDoubleClicks, 11, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kGraphClass, nullptr, GraphWndProc, kDoubleClicks, kGraphMenuThreeD, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kTwoDGraphClass, nullptr, TwoDGraphWndProc, kDoubleClicks, kGraphMenuTwoD, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kWellLogSummaryGraphClass, nullptr, WellLogSummaryGraphWndProc, kDoubleClicks, 14,
     true, win::IDC_ARROW, Background::kWhite},
    {StringId::kAlkGraphClass, nullptr, AlkGraphWndProc, kDoubleClicks, kGraphMenuAlk, true,
     win::IDC_ARROW, Background::kWhite},
    {StringId::kHelpClass, nullptr, HelpWndProc, kRedraw | kDoubleClicks, 0, true, win::IDC_ARROW,
     Background::kWhite},
    {StringId::kProgressClass, nullptr, ProgWndProc, kRedraw, 0, true, win::IDC_WAIT,
     Background::kWhite},
    {0, "w_static", StaticLeftWndProc, kRedraw, 0, false, win::IDC_ARROW, Background::kWhite},
    {0, "w_static_ctr", StaticCenterWndProc, kRedraw, 0, false, win::IDC_ARROW, Background::kWhite},
    {0, "w_static_rt", StaticRightWndProc, kRedraw, 0, false, win::IDC_ARROW, Background::kWhite},
};

bool RegisterOne(const ClassSpec& entry, win::HINSTANCE instance) {
    char name[40] = {};
    if (entry.stringId != 0) {
        if (win::LoadString(instance, entry.stringId, name, sizeof name) == 0) return false;
    } else {
        std::snprintf(name, sizeof name, "%s", entry.literalName);
    }
    win::WNDCLASS wc;
    wc.style = entry.style;
    wc.lpfnWndProc = entry.procedure;
    wc.hInstance = instance;
    wc.hIcon = entry.icon ? win::LoadIcon(nullptr, win::IDI_APPLICATION) : nullptr;
    wc.hCursor = win::LoadCursor(nullptr, entry.cursor);
    wc.hbrBackground = entry.background == Background::kMain
                           ? win::CreateSolidBrush(kMainBackgroundColour)
                           : reinterpret_cast<win::HBRUSH>(win::GetStockObject(win::WHITE_BRUSH));
    wc.menuId = entry.menuId;
    wc.lpszClassName = name;
    return win::RegisterClass(&wc) != 0;
}

}  // namespace

win::LRESULT DefaultOnlyWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                win::LPARAM lParam) {
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

int InitApplication(win::HINSTANCE instance) {
    for (const ClassSpec& entry : kClasses)
        if (!RegisterOne(entry, instance)) return 0;
    mainWindowState.instance = instance;
    (void)RegisterCalendarClass(instance);
    clipboardFormats.cfIntermediate = win::RegisterClipboardFormat("tkIntermediate");
    clipboardFormats.cfResults = win::RegisterClipboardFormat("tkResults");
    clipboardFormats.cfCombined = win::RegisterClipboardFormat("tkCombined");
    clipboardFormats.cfMultiMix = win::RegisterClipboardFormat("tkMultiMix");
    return 1;
}
