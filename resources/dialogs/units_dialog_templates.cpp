// Templates 27, 28 and 29: "ANALYTICAL UNITS SELECTION" in three screen sizes,
// one layout at three font sizes (28 fits 640 x 480, 29 800 x 601, 27
// 1280 x 1025).
//
// Layout: three columns of unit items, each a caption, a small vertical scroll
// bar that steps the item's unit and the label that names it; on the right the
// reporting basis, the balancing ions, the presets, OK and Cancel.
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "platform/dialogs/dialog.h"
#include "resources/dialog_ids.h"
#include "resources/program_resources.h"
#include "resources/template_builder.h"

namespace {

namespace U = UnitsControl;

constexpr short kMargin = 6;
// The longest caption, "Hydrogen sulfide", keeps a gap before its arrows.
constexpr short kCaptionWidth = 62;
constexpr short kBarWidth = 9;
constexpr short kLabelWidth = 52;
constexpr short kColumnWidth = kCaptionWidth + kBarWidth + kLabelWidth + 8;
constexpr short kRowPitch = 15;
constexpr short kTop = 8;
constexpr short kSideWidth = 92;

struct UnitRow {
    const char* caption;
    int barId;
    int labelId;
    const char* label;  // the text of code 0
};

constexpr UnitRow kCations[] = {
    {"Calcium", 400, 589, "(as Ca)"},   {"Magnesium", 401, 590, "(as Mg)"},
    {"Barium", 402, 592, "(as Ba)"},    {"Strontium", 403, 594, "(as Sr)"},
    {"Sodium", 404, 595, "(as Na)"},    {"Potassium", 405, 596, "(as K)"},
    {"Lithium", 406, 598, "(as Li)"},   {"Iron", 410, 602, "(as Fe)"},
    {"Manganese", 470, 653, "(as Mn)"}, {"Zinc", 471, 654, "(as Zn)"},
    {"Lead", 473, 651, "(as Pb)"},      {"Aluminum", 412, 605, "(as Al)"},
    {"Ammonia", 411, 603, "(as NH3)"},  {"Boron", 413, 604, "(as B)"},
};
constexpr UnitRow kAnions[] = {
    {"Chloride", 414, 606, "(as Cl)"},          {"Sulfate", 415, 607, "(as SO4)"},
    {"Bromine", 472, 650, "(as Br)"},           {"Fluoride", 425, 620, "(as F)"},
    {"Nitrate", 426, 622, "(as NO3)"},          {"Acidity", 819, 608, "(as CaCO3)"},
    {"M Alkalinity", 419, 609, "(as CaCO3)"},   {"P Alkalinity", 420, 610, "(as CaCO3)"},
    {"Hydrogen sulfide", 421, 612, "(as H2S)"}, {"Silica", 422, 613, "(as SiO2)"},
    {"Phosphate", 423, 618, "(as PO4)"},        {"Polyphosphate", 506, 503, "(as PO4)"},
    {"Oxalate", 497, 495, "(as C2O4)"},
};
constexpr UnitRow kOthers[] = {
    {"pH", 407, 599, "(pH Units)"},
    {"Temperature", 645, 623,
     "(as \xB0"
     "F)"},
    {"Pressure", 920, 624, "(Atm.)"},
    {"pCO2", 822, 625, "(Atm.)"},
    {"pH2S", 821, 626, "(Atm.)"},
    {"Density", 428, 627, "(g/mL)"},
    {"Res. time", 408, 601, "(seconds)"},
    {"Corrosion Rate", 481, 628, "mpy"},
    {"Date Format", 644, 611, "MM/DD/YR"},
    {"Brine Flow", 947, 652, "BPD"},
    {"Oil Flow", 657, 655, "BPD"},
    {"Gas Flow", 658, 656, "MMCF/D"},
};

class Builder : public TemplateBuilder {
  public:
    using TemplateBuilder::TemplateBuilder;
    template <size_t N>
    void Column(const UnitRow (&rows)[N], short x) {
        short y = kTop;
        for (const UnitRow& r : rows) {
            Add("STATIC", TemplateBuilder::kNoId, r.caption, win::SS_LEFT, x,
                static_cast<short>(y + 2), kCaptionWidth, 9);
            Add("SCROLLBAR", r.barId, "", win::SBS_VERT | win::WS_TABSTOP,
                static_cast<short>(x + kCaptionWidth), y,
                kBarWidth, 14);
            Add("STATIC", r.labelId, r.label, win::SS_LEFT,
                static_cast<short>(x + kCaptionWidth + kBarWidth + 4), static_cast<short>(y + 2),
                kLabelWidth, 9);
            y = static_cast<short>(y + kRowPitch);
        }
    }
    // A group box with a radio button or push button per entry; returns the
    // bottom of the group.
    short Group(const char* title, std::initializer_list<std::pair<int, const char*>> entries,
                short x, short y, win::DWORD style) {
        const auto height = static_cast<short>(12 + 12 * entries.size());
        Add("BUTTON", TemplateBuilder::kNoId, title, win::BS_GROUPBOX, x, y, kSideWidth, height);
        short row = static_cast<short>(y + 10);
        bool first = true;
        for (const auto& [id, text] : entries) {
            Add("BUTTON", id, text, style | win::WS_TABSTOP | (first ? win::WS_GROUP : 0),
                static_cast<short>(x + 6), row, kSideWidth - 12, 11);
            row = static_cast<short>(row + 12);
            first = false;
        }
        return static_cast<short>(y + height + 4);
    }
};

win::DialogTemplate MakeUnitsDialog(int pointSize) {
    win::DialogTemplate t = ModalDialog("ANALYTICAL UNITS SELECTION", "MS Sans Serif", pointSize);
    Builder b(t);
    constexpr short x1 = kMargin;
    constexpr short x2 = x1 + kColumnWidth;
    constexpr short x3 = x2 + kColumnWidth;
    constexpr short x4 = x3 + kColumnWidth;
    b.Column(kCations, x1);
    b.Column(kAnions, x2);
    b.Column(kOthers, x3);
    short y = kTop - 2;
    y = b.Group("Report As", {{U::kPpm, "ppm"}, {U::kMgPerL, "mg/l"}, {U::kEpm, "epm"}}, x4, y,
                win::BS_RADIOBUTTON);
    y = b.Group("Balancing Cation", {{U::kSodium, "Sodium"}, {U::kPotassium, "Potassium"}}, x4, y,
                win::BS_RADIOBUTTON);
    y = b.Group("Balancing Anion",
                {{U::kSulfate, "Sulfate"}, {U::kChloride, "Chloride"}, {U::kNitrate, "Nitrate"}},
                x4, y, win::BS_RADIOBUTTON);
    y = b.Group(
        "Presets",
        {{U::kAsTheIon, "As The Ion"}, {U::kAsCaCO3, "As CaCO3"}, {U::kCombination, "Combination"}},
        x4, y, win::BS_PUSHBUTTON);
    constexpr short kRows = sizeof kCations / sizeof kCations[0];
    const auto bottom =
        std::max(static_cast<short>(kTop + kRows * kRowPitch + 6), static_cast<short>(y + 16));
    constexpr short kButtonWidth = (kSideWidth - 4) / 2;
    b.Add("BUTTON", U::kOk, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, x4, bottom - 14,
          kButtonWidth, 14);
    b.Add("BUTTON", U::kCancel, "Cancel", win::WS_TABSTOP,
          static_cast<short>(x4 + kButtonWidth + 4), bottom - 14, kButtonWidth, 14);
    t.cx = static_cast<short>(x4 + kSideWidth + kMargin);
    t.cy = static_cast<short>(bottom + kMargin);
    return t;
}

}  // namespace

void RegisterUnitsDialogTemplates() {
    win::RegisterDialogTemplate(DialogId::kUnits640, MakeUnitsDialog(7));
    win::RegisterDialogTemplate(DialogId::kUnits800, MakeUnitsDialog(8));
    win::RegisterDialogTemplate(DialogId::kUnits1280, MakeUnitsDialog(10));
}
