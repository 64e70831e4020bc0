// Unit labels of the units dialog by item and code.
#include "input/units/unit_labels.h"

#include <string>

#include "engine/records.h"
#include "input/units/unit_choices.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "shell/records.h"

namespace {

constexpr int kMaxCodes = 6;
constexpr int kShownItems = 39;

struct ItemLabels {
    int item;
    int control;
    const char* texts[kMaxCodes];
};

#define DEG "\xB0"

// An ion with "as CaCO3" and the two degrees.
#define ION_ROW(item, control, ion)                                           \
    {                                                                         \
        item, control, {                                                      \
            "(as " ion ")", "(as CaCO3)", "(as " DEG "Fr)", "(as " DEG "Ger)" \
        }                                                                     \
    }
// The same with a further form of the ion after CaCO3.
#define ION_FORM_ROW(item, control, ion, form)                                                 \
    {                                                                                          \
        item, control, {                                                                       \
            "(as " ion ")", "(as CaCO3)", "(as " form ")", "(as " DEG "Fr)", "(as " DEG "Ger)" \
        }                                                                                      \
    }

const ItemLabels kLabels[] = {
    ION_ROW(0, 589, "Ca"),
    ION_ROW(1, 590, "Mg"),
    ION_FORM_ROW(2, 595, "Na", "NaCl"),
    ION_ROW(3, 596, "K"),
    ION_FORM_ROW(4, 602, "Fe", "Fe2O3"),
    ION_FORM_ROW(5, 603, "NH3", "N"),
    {6, 599, {"(pH Units)"}},
    ION_FORM_ROW(7, 605, "Al", "Al2O3"),
    ION_FORM_ROW(8, 604, "B", "B2O3"),
    ION_FORM_ROW(9, 606, "Cl", "NaCl"),
    ION_ROW(10, 607, "SO4"),
    ION_FORM_ROW(13, 612, "H2S", "S"),
    ION_FORM_ROW(14, 613, "SiO2", "Si"),
    {15,
     618,
     {"(as PO4)", "(as CaCO3)", "(as P2O5)", "(as P)", "(as " DEG "Fr)", "(as " DEG "Ger)"}},
    ION_ROW(16, 620, "F"),
    ION_ROW(17, 622, "NO3"),
    {18, 623, {"(as " DEG "F)", "(as " DEG "C)", "(as " DEG "K)"}},
    ION_ROW(19, 594, "Sr"),
    ION_ROW(20, 592, "Ba"),
    ION_ROW(21, 598, "Li"),
    {22, 624, {"(Atm.)", "(Bar)", "(psia)", "(KPa)"}},
    {23, 625, {"(Atm.)", "(Bar)", "(psia)", "(KPa)", "(ppm in gas)", "(mole %)"}},
    {24, 627, {"(g/mL)", "(lbs/gal)"}},
    {25, 628, {"mpy", "mm/yr"}},
    {26, 601, {"(seconds)", "(minutes)", "(hours)", "(days)"}},
    {27, 611, {"MM/DD/YR", "DD/MM/YR", "YR/MM/DD"}},
    {28, 652, {"BPD", "L/Day"}},
    {29, 655, {"BPD", "L/Day"}},
    {30, 656, {"MMCF/D", "Mm^3/D", "Mm^3/Hr"}},
    {31, 626, {"(Atm.)", "(Bar)", "(psia)", "(KPa)", "(ppm in gas)", "(mole %)"}},
    ION_ROW(32, 653, "Mn"),
    ION_ROW(33, 654, "Zn"),
    ION_ROW(34, 650, "Br"),
    ION_ROW(35, 651, "Pb"),
    {36,
     503,
     {"(as PO4)", "(as CaCO3)", "(as P2O5)", "(as P)", "(as " DEG "Fr)", "(as " DEG "Ger)"}},
    {37, 495, {"(as C2O4)", "(as CaCO3)", "(epm)", "(moles/L)"}},
};

constexpr int kAlkalinityLabels[3] = {608, 609, 610};
const char* const kAlkalinityTexts[7][3] = {
    {"(as CaCO3)", "(as CaCO3)", "(as CaCO3)"},
    {"(as CO2)", "(as HCO3)", "(as CO3)"},
    {"(as CO2)", "(cor. HCO3)", "(cor. CO3)"},
    {"(ml N/30 acid)", "(ml N/30 acid)", "(ml N/30 acid)"},
    {"(epm)", "(epm)", "(epm)"},
    {"(as " DEG "Fr)", "(as " DEG "Fr)", "(as " DEG "Fr)"},
    {"(as " DEG "Ger)", "(as " DEG "Ger)", "(as " DEG "Ger)"},
};

// Every ion label, shown as "(epm)" while values are reported in epm.
constexpr int kIonLabels[] = {589, 590, 592, 594, 595, 596, 598, 602, 603, 604, 605, 606, 607, 608,
                              609, 610, 612, 613, 618, 620, 622, 650, 653, 651, 654, 503, 495, 494};

const ItemLabels* LabelsOf(int item) {
    for (const ItemLabels& l : kLabels)
        if (l.item == item) return &l;
    return nullptr;
}

bool IsAlkalinityItem(int item) {
    return item == UnitItem::kMAlkalinity || item == UnitItem::kPAlkalinity;
}

void ShowAlkalinityLabels(win::HWND dialog) {
    const char* const* texts = AlkalinityLabelTexts(alkalinityMode);
    if (texts == nullptr) return;
    for (int i = 0; i < 3; ++i) win::SetDlgItemText(dialog, kAlkalinityLabels[i], texts[i]);
}

// The label of the item's current code, where the code has one.
void ShowPlainLabel(win::HWND dialog, int item) {
    if (IsAlkalinityItem(item)) {
        ShowAlkalinityLabels(dialog);
        return;
    }
    const ItemLabels* l = LabelsOf(item);
    if (l == nullptr) return;
    const char* text = UnitLabelText(item, unitCodes.code[item]);
    if (text != nullptr) win::SetDlgItemText(dialog, l->control, text);
}

}  // namespace

const char* UnitLabelText(int item, int code) {
    const ItemLabels* l = LabelsOf(item);
    if (l == nullptr || code < 0 || code >= kMaxCodes) return nullptr;
    return l->texts[code];
}

int UnitLabelControl(int item) {
    if (IsAlkalinityItem(item)) return kAlkalinityLabels[0];
    const ItemLabels* l = LabelsOf(item);
    return l != nullptr ? l->control : -1;
}

const char* const* AlkalinityLabelTexts(int mode) {
    return mode >= 1 && mode <= 7 ? kAlkalinityTexts[mode - 1] : nullptr;
}

// In epm reporting a concentration keeps its "(epm)"; the other items show
// their unit.
void ShowUnitLabel(win::HWND dialog, int item) {
    if (reportingMode == ReportingMode::kEpm && IsConcentrationItem(item)) return;
    ShowPlainLabel(dialog, item);
}

void ShowUnitLabels(win::HWND dialog) {
    if (reportingMode == ReportingMode::kEpm) {
        ShowEpmUnitLabels(dialog);
        return;
    }
    for (int item = 0; item < kShownItems; ++item) ShowPlainLabel(dialog, item);
}

void ShowEpmUnitLabels(win::HWND dialog) {
    for (int id : kIonLabels) win::SetDlgItemText(dialog, id, "(epm)");
    win::SetDlgItemText(dialog, 599, "(pH Units)");
    for (int item : {UnitItem::kTemperature, UnitItem::kDateFormat, UnitItem::kPressure,
                     UnitItem::kGasCo2, UnitItem::kResidenceTime, UnitItem::kGasH2S})
        ShowPlainLabel(dialog, item);
    win::SetDlgItemText(dialog, 628,
                        unitCodes.code[UnitItem::kCorrosionRate] == 0 ? "(mpy)" : "(mm/year)");
    win::SetDlgItemText(dialog, 505, unitCodes.code[39] == 0 ? "(Ohm CM.)" : "(Ohm M.)");
}
