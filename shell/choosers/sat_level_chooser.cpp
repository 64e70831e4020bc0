// The saturation-level chooser: 82 rows under four headings. A heading cannot
// stay selected: reached by the selection it gives way to the row above, or to
// the row below when the selection came from above (or it is the first row);
// OK on a heading selects the row below and keeps the dialog open.
#include <string>

#include "platform/dialogs/dialog.h"
#include "resources/resource_ids.h"
#include "shell/choosers/chooser_records.h"
#include "shell/choosers/chooser_texts.h"
#include "shell/choosers/choosers.h"
#include "shell/choosers/list_chooser.h"
#include "shell/records.h"

namespace {

void Open(win::HWND, win::HWND list) {
    UseOemFont(list);
    for (int row = 0; row < kSatLevelRows; ++row) AddListRow(list, SatLevelRowText(row));
    const int row = SatLevelToRow(satLevelChooser.chosenLevel);
    SelectListRow(list, row);
    satLevelChooser.previousRow = row;
}

void SelectionChanged(win::HWND list, int row) {
    if (IsSatLevelHeading(row)) {
        const bool fromAbove = satLevelChooser.previousRow < row;
        row = row == 0 || fromAbove ? row + 1 : row - 1;
        SelectListRow(list, row);
    }
    satLevelChooser.previousRow = row;
}

bool Choose(win::HWND list, int row) {
    if (IsSatLevelHeading(row)) {
        SelectListRow(list, row + 1);
        satLevelChooser.previousRow = row + 1;
        return false;
    }
    CopyChooserText(satLevelChooser.chosenName, SatLevelShortName(row).c_str());
    satLevelChooser.chosenLevel = SatLevelRowToLevel(row);
    return true;
}

void Cancel() {
    satLevelChooser.chosenLevel = kSatLevelCancelled;
}

constexpr ListChooser kSatLevel{ChooserList::kSatLevel, Open, SelectionChanged, Choose, Cancel};

}  // namespace

win::INT_PTR SatLevelDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                             win::LPARAM lParam) {
    return RunListChooser(kSatLevel, dialog, msg, wParam, lParam);
}

int16_t PickSaturationLevel(win::HWND owner, std::span<char> name) {
    if (win::DialogBoxParam(mainWindowState.instance, DialogId::kSatLevelChooser, owner,
                            SatLevelDlgProc, 0) < 0)
        Cancel();  // the dialog could not open: nothing was chosen
    const int level = satLevelChooser.chosenLevel;
    if (level < 0 || level >= kSatLevelCount) {
        CopyChooserText(name, "");
        return -1;
    }
    CopyChooserText(name, satLevelChooser.chosenName);
    return satLevelCodes[level];
}
