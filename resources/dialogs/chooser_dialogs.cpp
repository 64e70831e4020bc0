// The templates of the four list choosers (63 to 66): a caption, the list box
// and OK and Cancel below it. The saturation-level and mineral lists are shown
// in the 8-pixel OEM font their choosers set, so their boxes are sized for 44
// and 28 characters of it.
#include "platform/dialogs/dialog.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

using win::DialogItemTemplate;
using win::DialogTemplate;

constexpr win::DWORD kListStyle =
    win::LBS_NOTIFY | win::WS_VSCROLL | win::WS_BORDER | win::WS_TABSTOP;

// A chooser whose list box is listCx x listCy dialog units, with OK and
// Cancel at the bottom right.
DialogTemplate Chooser(const char* caption, int listId, short listCx, short listCy) {
    constexpr short kMargin = 7, kGap = 6, kButtonCx = 50, kButtonCy = 14;
    DialogTemplate t = ModalDialog(caption, "MS Sans Serif", 8);
    t.cx = static_cast<short>(listCx + 2 * kMargin);
    const short buttonsY = static_cast<short>(kMargin + listCy + kGap);
    t.cy = static_cast<short>(buttonsY + kButtonCy + kMargin);
    const short cancelX = static_cast<short>(t.cx - kMargin - kButtonCx);
    const short okX = static_cast<short>(cancelX - kGap - kButtonCx);
    t.items = {
        DialogItemTemplate{"LISTBOX", listId, "", kListStyle, kMargin, kMargin, listCx, listCy},
        DialogItemTemplate{"BUTTON", win::IDOK, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, okX,
                           buttonsY, kButtonCx, kButtonCy},
        DialogItemTemplate{"BUTTON", win::IDCANCEL, "Cancel", win::BS_PUSHBUTTON | win::WS_TABSTOP,
                           cancelX, buttonsY, kButtonCx, kButtonCy},
    };
    return t;
}

}  // namespace

void RegisterChooserDialogs() {
    win::RegisterDialogTemplate(DialogId::kMineralGraphChooser,
                                Chooser("Choose a Mineral", ChooserList::kMineralGraph, 170, 120));
    win::RegisterDialogTemplate(
        DialogId::kDosageGraphChooser,
        Chooser("Choose a Dosage or Corrosion Graph", ChooserList::kDosageGraph, 150, 52));
    win::RegisterDialogTemplate(
        DialogId::kAxisTransformChooser,
        Chooser("Choose an Axis Transform", ChooserList::kAxisTransform, 110, 76));
    win::RegisterDialogTemplate(
        DialogId::kSatLevelChooser,
        Chooser("Choose a Saturation Level", ChooserList::kSatLevel, 256, 132));
}
