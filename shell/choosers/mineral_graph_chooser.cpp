// The mineral chooser of the graphs: 21 minerals with their formulas in the
// OEM font. It opens on the row it holds; the code the caller asks for is kept
// but does not choose the opening row. OK puts the row into GraphChoice's
// mineral position and sets the chooser back to the first row.
#include "graphs/records.h"
#include "platform/dialogs/dialog.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "shell/choosers/chooser_records.h"
#include "shell/choosers/chooser_texts.h"
#include "shell/choosers/choosers.h"
#include "shell/choosers/list_chooser.h"
#include "shell/records.h"

namespace {

// Tab stops in dialog units.
constexpr int kTabStops[3] = {96, 108, 120};

void Open(win::HWND, win::HWND list) {
    UseOemFont(list);
    win::SendMessage(list, win::LB_SETTABSTOPS, 3, reinterpret_cast<win::LPARAM>(kTabStops));
    for (int row = 0; row < kMineralGraphRows; ++row) AddListRow(list, MineralGraphRowText(row));
    SelectListRow(list, mineralGraphChooser.chosenRow);
}

void SelectionChanged(win::HWND, int row) {
    mineralGraphChooser.chosenRow = row;
}

bool Choose(win::HWND, int row) {
    mineralGraphChooser.chosenRow = row;
    graphChoice.mineralPosition = row;
    CopyChooserText(mineralGraphChooser.chosenText, MineralGraphRowText(row).c_str());
    mineralGraphChooser.chosenRow = 0;
    return true;
}

void Cancel() {}

constexpr ListChooser kMineralGraph{ChooserList::kMineralGraph, Open, SelectionChanged, Choose,
                                    Cancel};

}  // namespace

win::INT_PTR ChooseMineralGraphDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                       win::LPARAM lParam) {
    return RunListChooser(kMineralGraph, dialog, msg, wParam, lParam);
}

win::INT_PTR OpenMineralGraphDialog(win::HWND owner) {
    return win::DialogBoxParam(mainWindowState.instance, DialogId::kMineralGraphChooser, owner,
                               ChooseMineralGraphDlgProc, 0);
}

int ChooseMineralGraph(win::HWND owner, int code, std::span<char> text) {
    mineralGraphChooser.requestedCode = code;
    (void)OpenMineralGraphDialog(owner);
    CopyChooserText(text, mineralGraphChooser.chosenText);
    return mineralGraphChooser.chosenRow == -1 ? -1 : 0;
}
