// The axis transform chooser. The list rows are the transforms shifted by one
// (row 0 "AS IS" is transform -1). Some axes cannot take every transform: a
// selection of a row the axis kind does not allow moves on to an allowed one,
// or for kind 2 to the next row, which past the last row leaves nothing
// selected.
#include "platform/dialogs/dialog.h"
#include "resources/resource_ids.h"
#include "shell/choosers/chooser_records.h"
#include "shell/choosers/chooser_texts.h"
#include "shell/choosers/choosers.h"
#include "shell/choosers/list_chooser.h"
#include "shell/records.h"

namespace {

namespace Row {
enum : int {
    kAsIs = 0,
    kDeactivate = 1,
    kLog = 2,
    kLogLessOne = 3,
    kReciprocal = 4,
    kOneOverRt = 5
};
}

// The row that a selection of `row` becomes for an axis of `kind`.
int AllowedRow(int kind, int row) {
    switch (kind) {
        case 0:
            return row == Row::kOneOverRt ? Row::kAsIs : row;
        case 1:
            return row == Row::kLogLessOne ? Row::kReciprocal : row;
        case 2:
            return row == Row::kDeactivate || row == Row::kLogLessOne || row == Row::kOneOverRt
                       ? row + 1
                       : row;
        default:
            return row;
    }
}

// The list row of a transform the caller holds (-1: none).
int RowOfTransform(int transform) {
    return transform >= -1 && transform < kAxisTransformRows - 1 ? transform + 1 : -1;
}

const char* TransformText(int row) {
    return row >= 0 && row < kAxisTransformRows ? kAxisTransformTexts[static_cast<size_t>(row)]
                                                : "";
}

void Open(win::HWND, win::HWND list) {
    for (const char* text : kAxisTransformTexts) AddListRow(list, text);
    SelectListRow(list, axisTransformChooser.transform);
}

void SelectionChanged(win::HWND list, int row) {
    const int allowed = AllowedRow(axisTransformChooser.kind, row);
    if (allowed != row) SelectListRow(list, allowed);
}

bool Choose(win::HWND, int row) {
    CopyChooserText(axisTransformChooser.chosenText, TransformText(row));
    axisTransformChooser.transform = row - 1;
    return true;
}

void Cancel() {
    axisTransformChooser.transform = kTransformCancelled;
}

constexpr ListChooser kAxisTransform{ChooserList::kAxisTransform, Open, SelectionChanged, Choose,
                                     Cancel};

}  // namespace

win::INT_PTR AxisTransformDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam) {
    return RunListChooser(kAxisTransform, dialog, msg, wParam, lParam);
}

win::INT_PTR OpenAxisTransformDialog(win::HWND owner) {
    return win::DialogBoxParam(mainWindowState.instance, DialogId::kAxisTransformChooser, owner,
                               AxisTransformDlgProc, 0);
}

int ChooseAxisTransform(win::HWND owner, int current, int kind, std::span<char> text) {
    axisTransformChooser.transform = RowOfTransform(current);
    axisTransformChooser.kind = kind;
    if (OpenAxisTransformDialog(owner) < 0) Cancel();  // could not open: nothing chosen
    if (axisTransformChooser.transform == kTransformCancelled) {
        CopyChooserText(text, TransformText(RowOfTransform(current)));
        return current;
    }
    CopyChooserText(text, axisTransformChooser.chosenText);
    return axisTransformChooser.transform;
}
