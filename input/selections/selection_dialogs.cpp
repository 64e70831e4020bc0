// One body for the four selection dialogs, driven by what differs: the word
// list and its copy, the boxes, the "Select All" buttons and the check setter.
#include "input/selections/selection_dialogs.h"

#include <algorithm>
#include <cstdlib>
#include <span>

#include "input/selections/selection_records.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "resources/selection_boxes.h"
#include "resources/selection_dialog_ids.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "shell/settings/display_config_file.h"

namespace {

// A button that sets the words [first, last] and `extra` (-1: none) to 0.
struct SelectAllButton {
    int id;
    int first;
    int last;
    int extra;
};

struct SelectionDialog {
    std::span<uint32_t> list;
    std::span<uint32_t> copy;
    std::span<const SelectionBox> boxes;
    std::span<const SelectAllButton> selectAll;
    void (*setChecks)(win::HWND dialog);
};

constexpr int kFirstVersionWithTreatment = 201;

constexpr SelectAllButton kChemistrySelectAll[] = {
    {SelectionControl::kSelectAllChemistry, 0, kReportItemSwitchCount - 1, -1}};
constexpr SelectAllButton kIndicatorSelectAll[] = {
    {SelectionControl::kSelectAllSaturation, 0, 20, 53},
    {SelectionControl::kSelectAllExcess, 21, 41, 54},
    {SelectionControl::kSelectAllIndices, 42, 52, -1},
};

void CheckBoxes(win::HWND dialog, std::span<const SelectionBox> boxes, const uint32_t* list) {
    for (const SelectionBox& box : boxes)
        win::CheckDlgButton(dialog, box.id,
                            list[box.word] == 0 ? win::BST_CHECKED : win::BST_UNCHECKED);
}

const SelectionDialog& Surface() {
    static const SelectionDialog d{displaySettings.surfaceWindowsShown,
                                   selectionDialogCopies.surfaceWindows,
                                   kSurfaceBoxes,
                                   {},
                                   SetSurfaceWindowsChecks};
    return d;
}
const SelectionDialog& Mixed() {
    static const SelectionDialog d{displaySettings.mixedWindowsShown,
                                   selectionDialogCopies.mixedWindows,
                                   kMixedBoxes,
                                   {},
                                   SetMixedWindowsChecks};
    return d;
}
const SelectionDialog& Chemistry() {
    static const SelectionDialog d{displaySettings.chemistryItemsHidden,
                                   selectionDialogCopies.chemistryItems, kChemistryBoxes,
                                   kChemistrySelectAll, SetChemItemsChecks};
    return d;
}
const SelectionDialog& Indicators() {
    static const SelectionDialog d{displaySettings.indicatorItemsHidden,
                                   selectionDialogCopies.indicatorItems, kIndicatorBoxes,
                                   kIndicatorSelectAll, SetIndicatorsChecks};
    return d;
}

// OK: the whole configuration file is written; when that fails the user is
// told, the old file stays as it was and the choices stay in memory.
void Save(win::HWND dialog) {
    if (!WriteDisplayConfigFile())
        win::MessageBox(dialog, DisplayConfigWriteFailedText().c_str(), "WARNING",
                        win::MB_ICONINFORMATION);
}

win::INT_PTR SelectionBody(const SelectionDialog& d, win::HWND dialog, win::UINT msg,
                           win::WPARAM wParam) {
    switch (msg) {
        case win::WM_INITDIALOG:
            std::copy(d.list.begin(), d.list.end(), d.copy.begin());
            d.setChecks(dialog);
            return win::TRUE;
        case win::WM_COMMAND: {
            const int id = win::LOWORD(wParam);
            if (id == win::IDOK) {
                Save(dialog);
                win::EndDialog(dialog, 1);
                return win::TRUE;
            }
            if (id == win::IDCANCEL) {
                std::copy(d.copy.begin(), d.copy.end(), d.list.begin());
                win::EndDialog(dialog, 1);
                return win::TRUE;
            }
            for (const SelectionBox& box : d.boxes) {
                if (box.id != id) continue;
                uint32_t& word = d.list[static_cast<size_t>(box.word)];
                word = word == 0 ? 1 : 0;
                d.setChecks(dialog);
                return win::TRUE;
            }
            for (const SelectAllButton& s : d.selectAll) {
                if (s.id != id) continue;
                std::fill(d.list.begin() + s.first, d.list.begin() + s.last + 1, 0u);
                if (s.extra >= 0) d.list[static_cast<size_t>(s.extra)] = 0;
                d.setChecks(dialog);
                return win::TRUE;
            }
            return win::FALSE;
        }
        default:
            return win::FALSE;
    }
}

int DesktopHeight() {
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    return std::abs(desktop.bottom - desktop.top);
}

int Run(win::HWND owner, int templateId, win::DLGPROC proc) {
    (void)win::DialogBoxParamA(mainWindowState.instance, templateId, owner, proc, 0);
    return 0;
}

}  // namespace

int ChemItemsTemplate(int desktopHeight) {
    if (desktopHeight <= 900) return SelectionDialogId::kChemItemsCompact;
    if (desktopHeight >= 1280 && desktopHeight <= 1599) return SelectionDialogId::kChemItems1599;
    return SelectionDialogId::kChemItems;
}

int IndicatorsTemplate(int desktopHeight) {
    if (desktopHeight <= 900) return SelectionDialogId::kIndicatorsCompact;
    if (desktopHeight >= 1280 && desktopHeight <= 1599) return SelectionDialogId::kIndicators1599;
    return SelectionDialogId::kIndicators;
}

int ShowSurfaceWindows(win::HWND owner) {
    return Run(owner, SelectionDialogId::kSurfaceWindows, SurfaceWindowsDlgProc);
}
int ShowMixedWindows(win::HWND owner) {
    return Run(owner, SelectionDialogId::kMixedWindows, MixedWindowsDlgProc);
}
int ShowChemItemsToPrint(win::HWND owner) {
    return Run(owner, ChemItemsTemplate(DesktopHeight()), ChemItemsToPrintDlgProc);
}
int ShowIndicatorsToPrint(win::HWND owner) {
    return Run(owner, IndicatorsTemplate(DesktopHeight()), IndicatorsToPrintDlgProc);
}

win::INT_PTR SurfaceWindowsDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                   win::LPARAM) {
    return SelectionBody(Surface(), dialog, msg, wParam);
}
win::INT_PTR MixedWindowsDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    return SelectionBody(Mixed(), dialog, msg, wParam);
}
win::INT_PTR ChemItemsToPrintDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                     win::LPARAM) {
    return SelectionBody(Chemistry(), dialog, msg, wParam);
}
win::INT_PTR IndicatorsToPrintDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                      win::LPARAM) {
    return SelectionBody(Indicators(), dialog, msg, wParam);
}

void SetSurfaceWindowsChecks(win::HWND dialog) {
    CheckBoxes(dialog, kSurfaceBoxes, displaySettings.surfaceWindowsShown);
}
void SetMixedWindowsChecks(win::HWND dialog) {
    CheckBoxes(dialog, kMixedBoxes, displaySettings.mixedWindowsShown);
}
void SetChemItemsChecks(win::HWND dialog) {
    CheckBoxes(dialog, kChemistryBoxes, displaySettings.chemistryItemsHidden);
    if (configVersion >= kFirstVersionWithTreatment) return;
    for (int id : {kDosageBox, kCorrosionRateBox}) {
        win::CheckDlgButton(dialog, id, win::BST_UNCHECKED);
        win::EnableWindow(win::GetDlgItem(dialog, id), win::FALSE);
    }
}
void SetIndicatorsChecks(win::HWND dialog) {
    CheckBoxes(dialog, kIndicatorBoxes, displaySettings.indicatorItemsHidden);
}

int NoOpMenuHandler(win::HWND) {
    return 0;
}
