// The 3D graph window's cell clicks: the hit test on the top faces the last
// paint left, the value box and the copy of a cell's water analysis.
#include <string>

#include "engine/records.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/window/threed_window.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/description_records.h"
#include "input/records.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "scenarios/frame/whatif_records.h"
#include "shell/commands/analysis_backup.h"
#include "treatment/limits/limits_summary.h"

namespace {

constexpr int kCopyLabelField = 6;  // the description text that names the copy

}  // namespace

bool ThreeDHitTest(win::HWND hwnd, int x, int y, ThreeDHit& hit) {
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    const int w =
        client.right > client.left ? client.right - client.left : client.left - client.right;
    const int h =
        client.bottom > client.top ? client.bottom - client.top : client.top - client.bottom;
    graphWidth = w;
    graphHeight = h;
    // A client area without width or height has no cells.
    if (w == 0 || h == 0) return false;
    const win::POINT p{-320 - static_cast<int>((static_cast<double>(x) / w) * -640.0),
                       -240 - static_cast<int>((static_cast<double>(y) / h) * -480.0)};
    for (int r = 0; r < kThreeDSide; ++r) {
        for (int c = 0; c < kThreeDSide; ++c) {
            const CellOutline& o = cellOutline[r * kThreeDSide + c];
            const win::POINT face[4] = {
                {o.x[0], o.y[0]}, {o.x[1], o.y[1]}, {o.x[2], o.y[2]}, {o.x[3], o.y[3]}};
            win::HRGN region = win::CreatePolygonRgn(face, 4, win::WINDING);
            if (region == nullptr) continue;
            const bool inside = win::PtInRegion(region, p.x, p.y) != 0;
            win::DeleteObject(region);
            if (!inside) continue;
            hit.row = r;
            hit.column = c;
            hit.i = rowOrderNatural != 0 ? r : kThreeDSide - 1 - r;
            hit.j = columnOrderNatural != 0 ? c : kThreeDSide - 1 - c;
            hit.rowValue = rowAxisValues[hit.i];
            hit.columnValue = columnAxisValues[hit.j];
            hit.value = static_cast<float>(gridValues[r * kThreeDSide + c]);
            return true;
        }
    }
    return false;
}

int ThreeDValueClick(win::HWND hwnd, int x, int y) {
    ThreeDHit hit;
    if (!ThreeDHitTest(hwnd, x, y, hit)) return 0;
    const std::string caption = ThreeDValueCaption(hit.value);
    std::string message = caption + ThreeDPositionText(hit.rowValue, hit.columnValue);
    if (resultStatus.productSelected != 0) {
        message += " DISPLAY LIMITS?";
        if (win::MessageBox(hwnd, message.c_str(), caption.c_str(),
                            win::MB_YESNO | win::MB_ICONINFORMATION) == win::IDYES)
            (void)ShowLimitsSummary(7, hit.i, hit.j);
    } else {
        (void)win::MessageBox(hwnd, message.c_str(), caption.c_str(),
                              win::MB_OK | win::MB_ICONINFORMATION);
    }
    return 1;
}

int ThreeDAnalysisCopy(win::HWND hwnd, int x, int y) {
    (void)BackupCurrentAnalysis();
    ThreeDHit hit;
    if (!ThreeDHitTest(hwnd, x, y, hit)) return 0;
    const std::string position = ThreeDPositionText(hit.rowValue, hit.columnValue);
    const std::string shown = "YOU COPIED THE WATER ANALYSIS " + position;
    (void)win::MessageBox(hwnd, shown.c_str(), "ANALYSIS COPIED ",
                          win::MB_OK | win::MB_ICONINFORMATION);
    const std::string label = "WATER ANALYSIS " + position;
    const float(&cell)[kResultRowValues] = whatIfResults.grid.analysis[hit.i * kThreeDSide + hit.j];
    for (int k = 0; k < kResultRowValues; ++k) currentAnalysis.values[k] = cell[k];
    (void)CopyLabelledAnalysis(label.c_str(), kCopyLabelField);
    (void)RestoreCurrentAnalysis();
    return 1;
}
