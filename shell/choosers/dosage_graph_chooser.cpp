// The dosage and corrosion result chooser: four rows; it opens on the last
// row chosen (the first row when that is not a row of the list).
#include "platform/dialogs/dialog.h"
#include "resources/resource_ids.h"
#include "shell/choosers/chooser_records.h"
#include "shell/choosers/chooser_texts.h"
#include "shell/choosers/choosers.h"
#include "shell/choosers/list_chooser.h"
#include "shell/records.h"

namespace {

void Open(win::HWND, win::HWND list) {
    for (const char* text : kDosageGraphTexts) AddListRow(list, text);
    int32_t& row = dosageGraphChooser.chosenRow;
    if (row < 0 || row >= kDosageGraphRows) row = 0;
    SelectListRow(list, row);
}

void SelectionChanged(win::HWND, int row) {
    dosageGraphChooser.chosenRow = row;
}

bool Choose(win::HWND, int row) {
    dosageGraphChooser.chosenRow = row;
    CopyChooserText(dosageGraphChooser.chosenText, kDosageGraphTexts[static_cast<size_t>(row)]);
    return true;
}

void Cancel() {
    dosageGraphChooser.chosenRow = -1;
}

constexpr ListChooser kDosageGraph{ChooserList::kDosageGraph, Open, SelectionChanged, Choose,
                                   Cancel};

}  // namespace

win::INT_PTR ChooseDosageGraphDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                      win::LPARAM lParam) {
    return RunListChooser(kDosageGraph, dialog, msg, wParam, lParam);
}

win::INT_PTR OpenDosageGraphDialog(win::HWND owner) {
    return win::DialogBoxParam(mainWindowState.instance, DialogId::kDosageGraphChooser, owner,
                               ChooseDosageGraphDlgProc, 0);
}

int ChooseDosageGraph(win::HWND owner, int /*unused*/, std::span<char> text) {
    if (OpenDosageGraphDialog(owner) < 0) Cancel();  // could not open: nothing chosen
    CopyChooserText(text, dosageGraphChooser.chosenText);
    return dosageGraphChooser.chosenRow;
}
