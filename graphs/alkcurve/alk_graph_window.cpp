// The pH-alkalinity graph window's procedure, opener and close.
#include "graphs/alkcurve/alk_graph_window.h"

#include "graphs/alkcurve/alk_graph_records.h"
#include "graphs/alkcurve/draw_alk_curve.h"
#include "graphs/graph_output_records.h"
#include "graphs/window/graph_slot.h"
#include "graphs/window/graph_window_steps.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "shell/records.h"

namespace {

using namespace AlkGraphCommand;

// A new window starts with empty captions and no graph font.
void BeforeCreate() {
    AlkGraphState& st = alkGraphState;
    st.title[0] = st.xCaption[0] = st.yCaption[0] = '\0';
    st.graphFontMade = 0;
}

void Paint(win::HDC dc, win::HWND hwnd) {
    (void)DrawAlkCurve(dc, hwnd);
}

constexpr GraphAltKey kAltKeys[] = {{'F', kExportImage}, {'P', kPrint}};

int AltCommand(win::WPARAM key) {
    return GraphAltKeyCommand(key, kAltKeys);
}

// The system close is the default one. The window is destroyed with its
// owner, the dialog, as well as by CLOSE: the slot lets it go either way.
constexpr GraphWindowTraits kTraits{nullptr, Paint, AltCommand, nullptr};

}  // namespace

void CreateAlkGraphWindow(win::HWND owner) {
    if (alkCurvePoints.count < 1) return;
    MainWindowState& m = mainWindowState;
    char className[40] = {};
    if (win::LoadString(m.instance, StringId::kAlkGraphClass, className, sizeof className) == 0)
        return;
    // Owned by the dialog, as large as the main window.
    GraphSlotRequest request{className, owner, m.instance, BeforeCreate, nullptr};
    request.sizeOf = m.mainWindow;
    (void)PlaceGraphWindow(request);
}

win::LRESULT AlkGraphWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                             win::LPARAM lParam) {
    switch (msg) {
        case win::WM_COMMAND:
            switch (wParam) {
                case kPrint:
                    PrintAlkGraph(hwnd);
                    break;
                case kCopy:
                    CopyAlkGraph(hwnd);
                    break;
                case kExportImage: {
                    const int result = ExportAlkGraph(hwnd);
                    if (result >= 0) return result;
                    break;
                }
                case kClose:
                    CloseSlotGraphWindow(hwnd);
                    break;
                default:
                    break;
            }
            break;
        default:
            return AnswerGraphMessage(hwnd, msg, wParam, lParam, kTraits);
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}
