// The value rows that the water analysis form (templates 80 to 83) and the
// multi-mix input (115 to 117) share: each row a caption, an edit and the
// caption of its unit, column by column, top to bottom. The unit captions
// start with the text of unit code 0; the dialogs write the user's units over
// them. Each dialog adds its own rows after the shared part of the third
// column (its residence time, and the form's corrosion target). Both dialogs
// lay the rows out, the flows and acids groups and the row of buttons along the
// bottom with the builders below, each in its own measures.
#pragma once

#include <span>

#include "resources/dialog_ids.h"
#include "resources/template_builder.h"

namespace analysisrows {

inline constexpr int kNoCaption = -1;

struct ValueRow {
    int labelId;  // kNoCaption for a fixed caption
    const char* label;
    int editId;
    int unitId;  // kNoCaption for a fixed unit text
    const char* unit;
};

namespace C = WaterFormControl;
namespace U = WaterFormCaption;
constexpr int kNo = kNoCaption;

inline constexpr ValueRow kCations[] = {
    {kNo, "Calcium", C::kCalcium, U::kCalcium, "(as Ca)"},
    {kNo, "Magnesium", C::kMagnesium, U::kMagnesium, "(as Mg)"},
    {kNo, "Barium", C::kBarium, U::kBarium, "(as Ba)"},
    {kNo, "Strontium", C::kStrontium, U::kStrontium, "(as Sr)"},
    {kNo, "Sodium", C::kSodium, U::kSodium, "(as Na)"},
    {kNo, "Potassium", C::kPotassium, U::kPotassium, "(as K)"},
    {kNo, "Lithium", C::kLithium, U::kLithium, "(as Li)"},
    {kNo, "Iron", C::kIron, U::kIron, "(as Fe)"},
    {kNo, "Manganese", C::kManganese, U::kManganese, "(as Mn)"},
    {kNo, "Zinc", C::kZinc, U::kZinc, "(as Zn)"},
    {kNo, "Lead", C::kLead, U::kLead, "(as Pb)"},
    {kNo, "Aluminum", C::kAluminum, U::kAluminum, "(as Al)"},
    {kNo, "Ammonia", C::kAmmonia, U::kAmmonia, "(as NH3)"},
    {kNo, "Boron", C::kBoron, U::kBoron, "(as B)"},
};
inline constexpr ValueRow kAnions[] = {
    {kNo, "Chloride", C::kChloride, U::kChloride, "(as Cl)"},
    {kNo, "Sulfate", C::kSulfate, U::kSulfate, "(as SO4)"},
    {kNo, "Bromine", C::kBromine, U::kBromine, "(as Br)"},
    {kNo, "Fluoride", C::kFluoride, U::kFluoride, "(as F)"},
    {kNo, "Nitrate", C::kNitrate, U::kNitrate, "(as NO3)"},
    {C::kAcidityLabel, "Acidity", C::kAcidity, U::kAcidity, "(as CaCO3)"},
    {C::kMAlkalinityLabel, "M Alkalinity", C::kMAlkalinity, U::kMAlkalinity, "(as CaCO3)"},
    {C::kPAlkalinityLabel, "P Alkalinity", C::kPAlkalinity, U::kPAlkalinity, "(as CaCO3)"},
    {kNo, "Hydrogen sulfide", C::kH2S, U::kH2S, "(as H2S)"},
    {kNo, "Silica", C::kSilica, U::kSilica, "(as SiO2)"},
    {kNo, "Phosphate", C::kPhosphate, U::kPhosphate, "(as PO4)"},
    {kNo, "Polyphosphate", C::kPolyphosphate, U::kPolyphosphate, "(as PO4)"},
    {kNo, "Oxalate", C::kOxalate, U::kOxalate, "(as C2O4)"},
};
// The conditions: the shared head of the third column.
inline constexpr ValueRow kConditions[] = {
    {kNo, "pH", C::kPh, kNo, "(pH Units)"},
    {kNo, "Temperature", C::kTemperature, U::kTemperature,
     "(as \xB0"
     "F)"},
    {kNo, "Pressure", C::kPressure, U::kPressure, "(Atm.)"},
    {kNo, "Density", C::kDensity, U::kDensity, "(g/mL)"},
    {kNo, "pCO2", C::kPco2, U::kPco2, "(Atm.)"},
    {kNo, "pH2S", C::kPh2s, U::kPh2s, "(Atm.)"},
};
inline constexpr ValueRow kFlows[] = {
    {kNo, "Brine Flow", C::kBrineFlow, U::kBrineFlow, "(BPD)"},
    {kNo, "Oil Flow", C::kOilFlow, U::kOilFlow, "(BPD)"},
    {kNo, "Gas Flow", C::kGasFlow, U::kGasFlow, "(MMCF/D)"},
};

// A dialog's measures of the rows: the widths of the caption, edit and unit
// tracks, how far a caption sits below the top of its row's edit and how
// high it is, and the distance from row to row.
struct RowShape {
    short labelWidth;
    short editWidth;
    short unitWidth;
    short captionDrop;
    short captionHeight;
    short rowPitch;
};

struct ButtonEntry {
    int id;
    const char* text;
};

// The template builder with the captions and rows of a dialog's measures.
class RowBuilder : public TemplateBuilder {
  public:
    RowBuilder(win::DialogTemplate& t, const RowShape& shape) : TemplateBuilder(t), shape_(shape) {}

    // A one-line caption lowered to sit level with an edit at `y`.
    void Caption(int id, const char* text, short x, short y, short cx,
                 win::DWORD style = win::SS_LEFT);

    // The rows one under another from (x, y), each a caption, an edit and a
    // unit caption `unitWidth` wide; returns the y under the last row.
    short Rows(std::span<const ValueRow> rows, short x, short y, short unitWidth);
    short Rows(std::span<const ValueRow> rows, short x, short y) {
        return Rows(rows, x, y, shape_.unitWidth);
    }

    // The "Flows" group with the flow rows inside it and the "C2 - C5 Acids"
    // group with its four pairs under it, `columnWidth` wide from (x, y);
    // returns the y under the acids' group.
    short FlowsAndAcids(short x, short y, short columnWidth);

    // The buttons along the bottom: equal, with `gap` between them, filling
    // `rowWidth` from (x, y); `defaultId` is the default push button.
    void ButtonRow(std::span<const ButtonEntry> buttons, short x, short y, short rowWidth,
                   short gap, int defaultId);

  private:
    RowShape shape_;
};

}  // namespace analysisrows
