// Dragging a page by its body and the right-button copy of one value column.
//
// A left-button drag anywhere on the body moves the page like its title bar.
// While the right button is down, a hit test over a value column puts that
// column's analysis on the clipboard. The copy band and the column edges are
// client positions recorded by the last paint, so the pointer is taken in
// client coordinates too. A press copies once, however many hit tests it
// brings, and the success box shows only when the analysis reached the
// clipboard.
#include <cmath>
#include <cstring>
#include <string>

#include "engine/records.h"
#include "pages/frame/analysis_copy_hook.h"
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_frame.h"
#include "pages/frame/page_state_records.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "reporttext/format/format_value.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/multimix/multimix_records.h"

namespace {

constexpr int kFirstColumnCell = 25;  // value column k spans cells 25 + 8k to 32 + 8k
constexpr int kColumnCells = 8;
constexpr int kTemperatureUnitItem = 18;

// Columns a right click may copy: the seven profile points, or on the source
// water pages one per source water.
int ColumnCount(const PageDescriptor& d) {
    if (d.copy != CopySource::kSourceWater) return kProfilePoints;
    const int n = multiMixState.lastWaterIndex + 1;
    return n < 0 ? 0 : (n > kMultiMixWaterCount ? kMultiMixWaterCount : n);
}

// The column under the client point; -1 for none.
int ColumnAt(const PageDescriptor& d, const PageState& s, int x, int y) {
    if (y < s.copyBandTop || y > s.copyBandBottom) return -1;
    const int left = kFirstColumnCell * s.copyCellWidth;
    if (x < left) return -1;
    const int k = (x - left) / (kColumnCells * s.copyCellWidth);
    return k < ColumnCount(d) ? k : -1;
}

void LoadColumn(CopySource source, int k) {
    const float* values = nullptr;
    switch (source) {
        case CopySource::kMixingPoint:
            values = mixProfileTables.mixChemistry[k];
            break;
        case CopySource::kPhPoint:
            values = whatIfResults.phProfile.analysis[k];
            break;
        case CopySource::kPressurePoint:
            values = whatIfResults.pressureProfile.analysis[k];
            break;
        case CopySource::kTemperaturePoint:
            values = whatIfResults.tempProfile.analysis[k];
            break;
        case CopySource::kSourceWater:
            values = multiMixState.sourceWaters[k].values;
            break;
        case CopySource::kBlend:
        case CopySource::kNone:
            return;  // the blend pages copy the working analysis as it stands
    }
    std::memcpy(currentAnalysis.values, values, sizeof currentAnalysis.values);
}

std::string Number(double value) {
    char text[kValueTextChars];
    FormatValueAdaptive(value, 5, text);
    return text;
}

const char* TemperatureUnit() {
    switch (unitCodes.code[kTemperatureUnitItem]) {
        case 0:
            return "(Deg F)";
        case 1:
            return "(Deg C)";
        case 2:
            return "(Deg K)";
        default:
            return "";
    }
}

// The copied analysis' label and the text of the box that confirms the copy.
void LabelAndMessage(CopyLabel label, int k, std::string& text, std::string& message) {
    switch (label) {
        case CopyLabel::kMixingPercent: {
            const std::string n = Number(mixPercent[k]);
            text = "Analysis at " + n + " %";
            message = "Analysis at " + n + "% Copied";
            return;
        }
        case CopyLabel::kPh:
            text = "pH " + Number(currentAnalysis.values[0]);
            message = text + " Analysis Copied";
            return;
        case CopyLabel::kPressure:
            text = "Pressure " + Number(currentAnalysis.values[38]);
            message = text + " Analysis Copied";
            return;
        case CopyLabel::kTemperature: {
            const std::string n = Number(currentAnalysis.values[15]) + TemperatureUnit();
            text = "Analysis at " + n;
            message = n + " Analysis Copied";
            return;
        }
        case CopyLabel::kMixWaterPercent:
            text = "Mix Water " + Number(multiMixState.weightPercent[k]) + "%";
            message = text + " Analysis Copied";
            return;
        case CopyLabel::kMixWater:
            text = "Mix Water " + Number(multiMixState.weightPercent[k]);
            message = text + " Analysis Copied";
            return;
        case CopyLabel::kMultiMixed:
            text = "Multi Mixed Water ";
            message = std::string("Mixed Water ") + " Analysis Copied";
            return;
        case CopyLabel::kNone:
            return;
    }
}

// Runs the copy of the column under the pointer for the press whose toggle
// bit is given; the press counts as served before the copy starts, so the
// hit tests that come while the confirming box is up copy nothing more.
void CopyColumn(PageClass page, win::HWND hwnd, win::LPARAM lParam, int pressToggle) {
    const PageDescriptor& d = DescriptorOf(page);
    PageState& s = pageStates[PageIndex(page)];
    if (s.copyCellWidth == 0 || s.copyRowHeight == 0) return;
    win::POINT p{win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)};
    win::ScreenToClient(hwnd, &p);
    p.x += win::GetScrollPos(hwnd, win::SB_HORZ);  // the page's own x on a narrowed page
    s.copiedColumn = -1;
    const int k = ColumnAt(d, s, p.x, p.y);
    if (k < 0) return;
    s.copiedThisPress = 1;
    s.pressToggle = pressToggle;
    s.copiedColumn = k;
    LoadColumn(d.copy, k);
    std::string label;
    std::string message;
    LabelAndMessage(d.label, k, label, message);
    if (CopyWorkingAnalysis(label.c_str(), d.labelField) == 0)
        win::MessageBox(hwnd, message.c_str(), "Analysis copied to the Windows clipboard",
                        win::MB_OK | win::MB_ICONINFORMATION);
}

}  // namespace

win::LRESULT OnPageHitTest(PageClass page, win::HWND hwnd, win::WPARAM wParam, win::LPARAM lParam) {
    const win::LRESULT hit = win::DefWindowProc(hwnd, win::WM_NCHITTEST, wParam, lParam);
    if (hit != win::HTCLIENT) return hit;
    PageState& s = pageStates[PageIndex(page)];
    const short right = win::GetKeyState(win::VK_RBUTTON);
    if ((right & 0x8000) == 0) {
        s.copiedThisPress = 0;
        return win::HTCAPTION;
    }
    if (DescriptorOf(page).copy == CopySource::kNone) return win::HTCLIENT;
    const int toggle = right & 1;
    if (s.copiedThisPress != 0 && s.pressToggle == toggle) return win::HTNOWHERE;
    CopyColumn(page, hwnd, lParam, toggle);
    return win::HTNOWHERE;
}
