// Templates 181 to 189 and 79: the windows-to-display and print-selection
// dialogs and the printout size dialog.
//
// The selection dialogs stack their check boxes in group boxes, one group
// under another in columns, with "Select All" under its group where the
// dialog has one and OK and Cancel centred at the bottom. The print
// selections come in three sizes that differ only in font and row pitch:
// the compact one keeps the 55-row indicator dialog inside a 640 x 480
// desktop, the largest reads comfortably on 1280 x 1024 and up.
#include <algorithm>
#include <span>
#include <vector>

#include "platform/dialogs/dialog.h"
#include "resources/program_resources.h"
#include "resources/selection_boxes.h"
#include "resources/selection_dialog_ids.h"
#include "resources/template_builder.h"

namespace {

constexpr win::DWORD kCheck = win::BS_CHECKBOX | win::WS_TABSTOP;

struct Size {
    int pointSize;
    short row;  // pitch of the check boxes
};
constexpr Size kStandard{8, 11};
constexpr Size kCompact{8, 9};
constexpr Size kMedium{9, 10};
constexpr Size kLarge{10, 11};

struct SelectAll {
    int group;
    int id;
    const char* text;
};

struct Layout {
    const char* caption;
    std::span<const SelectionBox> boxes;
    std::span<const char* const> groupTitles;  // empty: untitled columns, one per group
    int columns;                               // groups are dealt to columns in order
    short columnWidth;
    std::span<const SelectAll> selectAll;
    bool selectAllBelow;  // a dialog-wide "SELECT ALL" beside OK and Cancel (id 287)
};

win::DialogTemplate Build(const Layout& l, Size size) {
    win::DialogTemplate t;
    t.caption = l.caption;
    t.style = kModalDialogStyle;
    t.fontName = "MS Sans Serif";
    t.pointSize = size.pointSize;
    TemplateBuilder b(t);
    int groups = 0;
    for (const SelectionBox& box : l.boxes) groups = std::max(groups, box.group + 1);
    const int perColumn = (groups + l.columns - 1) / l.columns;
    const bool titled = !l.groupTitles.empty();
    short bottom = 0;
    for (int c = 0; c < l.columns; ++c) {
        const auto x = static_cast<short>(6 + c * (l.columnWidth + 6));
        short y = 6;
        for (int g = c * perColumn; g < std::min(groups, (c + 1) * perColumn); ++g) {
            const short top = y;
            y = static_cast<short>(y + (titled ? 11 : 4));
            for (const SelectionBox& box : l.boxes) {
                if (box.group != g) continue;
                b.Add("BUTTON", box.id, box.text, kCheck, static_cast<short>(x + 6), y,
                      static_cast<short>(l.columnWidth - 12), 10);
                y = static_cast<short>(y + size.row);
            }
            for (const SelectAll& s : l.selectAll) {
                if (s.group != g) continue;
                b.Add("BUTTON", s.id, s.text, win::BS_PUSHBUTTON | win::WS_TABSTOP,
                      static_cast<short>(x + 6), static_cast<short>(y + 2), 50, 14);
                y = static_cast<short>(y + 18);
            }
            y = static_cast<short>(y + 3);
            if (titled)
                b.GroupBox(l.groupTitles[static_cast<size_t>(g)], x, top, l.columnWidth,
                           static_cast<short>(y - top));
            y = static_cast<short>(y + 4);
        }
        bottom = std::max(bottom, y);
    }
    t.cx = static_cast<short>(6 + l.columns * (l.columnWidth + 6));
    const short buttons = static_cast<short>(bottom + 2);
    const int count = l.selectAllBelow ? 3 : 2;
    const auto left = static_cast<short>((t.cx - (count * 56 - 6)) / 2);
    if (l.selectAllBelow)
        b.Add("BUTTON", SelectionControl::kSelectAllChemistry, "SELECT ALL",
              win::BS_PUSHBUTTON | win::WS_TABSTOP, left, buttons, 50, 14);
    const auto ok = static_cast<short>(left + (count - 2) * 56);
    b.Add("BUTTON", win::IDOK, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, ok, buttons, 50, 14);
    b.Add("BUTTON", win::IDCANCEL, "Cancel", win::BS_PUSHBUTTON | win::WS_TABSTOP,
          static_cast<short>(ok + 56), buttons, 50, 14);
    t.cy = static_cast<short>(buttons + 20);
    return t;
}

constexpr SelectAll kIndicatorSelectAll[] = {
    {0, SelectionControl::kSelectAllSaturation, "Select All"},
    {1, SelectionControl::kSelectAllExcess, "Select All"},
    {2, SelectionControl::kSelectAllIndices, "Select All"},
};

constexpr Layout kSurfaceLayout{"Select Windows To Display For Surface Waters",
                                kSurfaceBoxes,
                                kSurfaceGroups,
                                1,
                                240,
                                {},
                                false};
constexpr Layout kMixedLayout{
    "Select Windows To Display For Mixed Waters", kMixedBoxes, kMixedGroups, 1, 240, {}, false};
constexpr Layout kChemistryLayout{
    "Select Chemistry Items To Print", kChemistryBoxes, {}, kChemistryColumns, 104, {}, true};
constexpr Layout kIndicatorLayout{"Deposition Indicators To Print",
                                  kIndicatorBoxes,
                                  kIndicatorGroups,
                                  3,
                                  108,
                                  kIndicatorSelectAll,
                                  false};

win::DialogTemplate PrintoutSize() {
    win::DialogTemplate t;
    t.caption = "Select Printout Size";
    t.style = kModalDialogStyle;
    t.fontName = "MS Sans Serif";
    t.cx = 200;
    t.cy = 104;
    TemplateBuilder b(t);
    b.Add("STATIC", TemplateBuilder::kNoId,
          "This dialog determines how many lines of an output will fit on the visible display "
          "screen.  55 lines per screen will show the entire output pages on the screen.",
          win::SS_LEFT, 10, 8, 180, 34);
    b.Label("Lines per screen:", 10, 48, 64);
    b.Add("EDIT", PrintoutSizeControl::kLines, "", TemplateBuilder::kEdit, 76, 48, 30, 12);
    b.Add("SCROLLBAR", PrintoutSizeControl::kLinesBar, "", win::SBS_HORZ | win::WS_TABSTOP, 112, 49,
          78, 10);
    b.Add("BUTTON", win::IDOK, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, 40, 80, 50, 14);
    b.Add("BUTTON", win::IDCANCEL, "Cancel", win::BS_PUSHBUTTON | win::WS_TABSTOP, 110, 80, 50, 14);
    return t;
}

}  // namespace

void RegisterSelectionDialogTemplates() {
    using namespace SelectionDialogId;
    win::RegisterDialogTemplate(kSurfaceWindows, Build(kSurfaceLayout, kStandard));
    win::RegisterDialogTemplate(kMixedWindows, Build(kMixedLayout, kStandard));
    win::RegisterDialogTemplate(kChemItems, Build(kChemistryLayout, kMedium));
    win::RegisterDialogTemplate(kChemItems1599, Build(kChemistryLayout, kLarge));
    win::RegisterDialogTemplate(kChemItemsCompact, Build(kChemistryLayout, kCompact));
    win::RegisterDialogTemplate(kIndicators, Build(kIndicatorLayout, kMedium));
    win::RegisterDialogTemplate(kIndicators1599, Build(kIndicatorLayout, kLarge));
    win::RegisterDialogTemplate(kIndicatorsCompact, Build(kIndicatorLayout, kCompact));
    win::RegisterDialogTemplate(kPrintoutSize, PrintoutSize());
}
