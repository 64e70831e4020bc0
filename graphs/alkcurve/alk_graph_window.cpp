// The pH-alkalinity graph window's procedure, opener and close.
#include "graphs/alkcurve/alk_graph_window.h"

#include "graphs/alkcurve/alk_graph_records.h"
#include "graphs/alkcurve/draw_alk_curve.h"
#include "graphs/graph_output_records.h"
#include "graphs/window/graph_slot.h"
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

void Close() {
    MainWindowState& m = mainWindowState;
    if (m.graphWindowOpen != 0) win::DestroyWindow(m.graphWindow);
    m.graphWindowOpen = 0;
    if (m.mainWindow != nullptr) {
        win::SetActiveWindow(m.mainWindow);
        win::ShowWindow(m.mainWindow, win::SW_SHOWMAXIMIZED);
        win::UpdateWindow(m.mainWindow);
    }
}

int AltCommand(win::WPARAM key) {
    switch (key) {
        case 'F':
        case 'f':
            return kExportImage;
        case 'P':
        case 'p':
            return kPrint;
        default:
            return 0;
    }
}

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
        case win::WM_SIZE:
            if (wParam == win::SIZE_RESTORED) {
                win::InvalidateRect(hwnd, nullptr, win::TRUE);
                win::UpdateWindow(hwnd);
            }
            break;
        case win::WM_PAINT: {
            win::PAINTSTRUCT ps;
            win::HDC dc = win::BeginPaint(hwnd, &ps);
            graphOutputFlags.renderTarget = RenderTarget::kScreen;
            DrawAlkCurve(dc, hwnd);
            win::EndPaint(hwnd, &ps);
            return 0;
        }
        case win::WM_SYSKEYDOWN: {
            const int id = AltCommand(wParam);
            if (id != 0) win::SendMessage(hwnd, win::WM_COMMAND, static_cast<win::WPARAM>(id), 0);
            break;
        }
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
                    Close();
                    break;
                default:
                    break;
            }
            break;
        case win::WM_DESTROY:
            // Destroyed with its owner, the dialog, as well as by CLOSE: the
            // slot no longer holds it either way.
            ReleaseGraphSlot(hwnd);
            break;
        default:
            break;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}
