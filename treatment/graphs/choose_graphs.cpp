// The Choose Graphs dialog. Each row of both lists carries its graph code as
// item data, so the dialog keeps no state of its own: the chosen list is the
// choice until OK stores it.
#include "treatment/graphs/choose_graphs.h"

#include <algorithm>

#include "graphs/graph_index_records.h"
#include "graphs/records.h"
#include "platform/dialogs/dialog.h"
#include "platform/window/window.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"
#include "treatment/graphs/graph_code_names.h"
#include "treatment/treatment_dialog_ids.h"

namespace {

constexpr int16_t kExtraGraphs[] = {40, 41, 89, 90, 91, 94, 95, 96};

win::LRESULT ListMessage(win::HWND dialog, int list, win::UINT msg, win::WPARAM w = 0,
                         win::LPARAM l = 0) {
    return win::SendDlgItemMessage(dialog, list, msg, w, l);
}

void AddRow(win::HWND dialog, int list, int16_t code) {
    const std::string name = GraphCodeName(code);
    const win::LRESULT row = ListMessage(dialog, list, win::LB_ADDSTRING, 0,
                                         reinterpret_cast<win::LPARAM>(name.c_str()));
    if (row >= 0)
        ListMessage(dialog, list, win::LB_SETITEMDATA, static_cast<win::WPARAM>(row),
                    static_cast<win::LPARAM>(code));
}

std::vector<int16_t> ChosenCodes(win::HWND dialog) {
    std::vector<int16_t> codes;
    const win::LRESULT n = ListMessage(dialog, ChooseGraphsControl::kChosen, win::LB_GETCOUNT);
    for (win::LRESULT i = 0; i < n; ++i)
        codes.push_back(
            static_cast<int16_t>(ListMessage(dialog, ChooseGraphsControl::kChosen,
                                             win::LB_GETITEMDATA, static_cast<win::WPARAM>(i))));
    return codes;
}

// Add is grey once four graphs are chosen; Remove while nothing is chosen.
void UpdateButtons(win::HWND dialog) {
    const size_t n = ChosenCodes(dialog).size();
    win::EnableWindow(win::GetDlgItem(dialog, ChooseGraphsControl::kAdd),
                      n < kMostChosenGraphs ? win::TRUE : win::FALSE);
    win::EnableWindow(win::GetDlgItem(dialog, ChooseGraphsControl::kRemove),
                      n > 0 ? win::TRUE : win::FALSE);
    win::EnableWindow(win::GetDlgItem(dialog, ChooseGraphsControl::kClear),
                      n > 0 ? win::TRUE : win::FALSE);
}

// The graphs the choice holds, as the chosen list shows them.
std::vector<int16_t> HeldCodes() {
    std::vector<int16_t> codes;
    const int count = std::clamp<int>(graphChoice.count, 0, kMostChosenGraphs);
    for (int i = 0; i < count; ++i)
        if (graphChoice.codes[i] >= 0) codes.push_back(graphChoice.codes[i]);
    return codes;
}

void OnInit(win::HWND dialog) {
    for (int16_t code : OfferedGraphCodes()) AddRow(dialog, ChooseGraphsControl::kOffered, code);
    ListMessage(dialog, ChooseGraphsControl::kOffered, win::LB_SETCURSEL, 0);
    for (int16_t code : HeldCodes()) AddRow(dialog, ChooseGraphsControl::kChosen, code);
    UpdateButtons(dialog);
}

// The selected offered graph joins the chosen ones, unless four are chosen or
// it is among them already.
void OnAdd(win::HWND dialog) {
    const win::LRESULT row = ListMessage(dialog, ChooseGraphsControl::kOffered, win::LB_GETCURSEL);
    if (row == win::LB_ERR) return;
    const auto code = static_cast<int16_t>(ListMessage(
        dialog, ChooseGraphsControl::kOffered, win::LB_GETITEMDATA, static_cast<win::WPARAM>(row)));
    const std::vector<int16_t> chosen = ChosenCodes(dialog);
    if (chosen.size() >= kMostChosenGraphs ||
        std::find(chosen.begin(), chosen.end(), code) != chosen.end())
        return;
    AddRow(dialog, ChooseGraphsControl::kChosen, code);
    UpdateButtons(dialog);
}

void OnRemove(win::HWND dialog) {
    const win::LRESULT row = ListMessage(dialog, ChooseGraphsControl::kChosen, win::LB_GETCURSEL);
    if (row == win::LB_ERR) return;
    ListMessage(dialog, ChooseGraphsControl::kChosen, win::LB_DELETESTRING,
                static_cast<win::WPARAM>(row));
    UpdateButtons(dialog);
}

void OnClear(win::HWND dialog) {
    ListMessage(dialog, ChooseGraphsControl::kChosen, win::LB_RESETCONTENT);
    UpdateButtons(dialog);
}

void OnOk(win::HWND dialog) {
    const std::vector<int16_t> codes = ChosenCodes(dialog);
    // The graphs as they were chosen leave the choice as it is, unused slots
    // and all.
    if (!codes.empty() && codes != HeldCodes()) StoreGraphChoice(codes);
    win::EndDialog(dialog, static_cast<win::INT_PTR>(codes.size()));
}

}  // namespace

std::vector<int16_t> OfferedGraphCodes() {
    std::vector<int16_t> codes;
    for (uint16_t code : graphCodeList) {
        if (code == 0xFFFF) break;
        codes.push_back(static_cast<int16_t>(code));
    }
    for (int16_t code : kExtraGraphs)
        if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    return codes;
}

void StoreGraphChoice(const std::vector<int16_t>& codes) {
    const int count = std::min<int>(static_cast<int>(codes.size()), kMostChosenGraphs);
    graphChoice.leadingWord = 0;
    graphChoice.count = static_cast<int16_t>(count);
    for (int i = 0; i < kMostChosenGraphs; ++i) {
        graphChoice.codes[i] = i < count ? codes[i] : int16_t{-1};
        graphIndexCodes[i] = i < count ? static_cast<uint16_t>(codes[i]) : kNoGraphIndex;
    }
    gridOrientationSet = 0;
    logRangeUndefined = 0;
}

win::INT_PTR ChooseGraphsDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            OnInit(dialog);
            return win::TRUE;
        case win::WM_COMMAND:
            switch (win::LOWORD(wParam)) {
                case ChooseGraphsControl::kAdd:
                    OnAdd(dialog);
                    return win::TRUE;
                case ChooseGraphsControl::kRemove:
                    OnRemove(dialog);
                    return win::TRUE;
                case ChooseGraphsControl::kClear:
                    OnClear(dialog);
                    return win::TRUE;
                case win::IDOK:
                    OnOk(dialog);
                    return win::TRUE;
                case win::IDCANCEL:
                    win::EndDialog(dialog, 0);
                    return win::TRUE;
                default:
                    return win::FALSE;
            }
        default:
            return win::FALSE;
    }
}

int ShowChooseGraphsDialog(win::HWND owner) {
    const win::INT_PTR count = win::DialogBoxParam(
        mainWindowState.instance, TreatmentDialog::kChooseGraphs, owner, ChooseGraphsDlgProc, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}
