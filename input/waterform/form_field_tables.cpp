// The tables of the water form: element fields, description and acid edits, the
// fields that turn red, and the unit caption texts by item and unit code. The
// degree sign is the single byte 0xB0.
#include <array>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "input/waterform/form_fields.h"
#include "resources/dialog_ids.h"

namespace {

namespace C = WaterFormControl;
namespace E = AnalysisElement;
namespace U = WaterFormCaption;

constexpr ElementField kElementFields[] = {
    {C::kCalcium, E::kCalcium, "Calcium"},
    {C::kMagnesium, E::kMagnesium, "Magnesium"},
    {C::kStrontium, E::kStrontium, "Strontium"},
    {C::kBarium, E::kBarium, "Barium"},
    {C::kSodium, E::kSodium, "Sodium"},
    {C::kPotassium, E::kPotassium, "Potassium"},
    {C::kLithium, E::kLithium, "Lithium"},
    {C::kIron, E::kIron, "Iron"},
    {C::kAmmonia, E::kAmmonia, "Ammonia"},
    {C::kAluminum, E::kAluminum, "Aluminum"},
    {C::kBoron, E::kBoron, "Boron"},
    {C::kChloride, E::kChloride, "Chloride"},
    {C::kSulfate, E::kSulfate, "Sulfate"},
    {C::kAcidity, E::kAcidity, "Acidity"},
    {C::kMAlkalinity, E::kMAlkalinity, "M Alkalinity"},
    {C::kPAlkalinity, E::kPAlkalinity, "P Alkalinity"},
    {C::kOxalate, E::kOxalate, "Oxalate"},
    {C::kPolyphosphate, E::kPolyphosphate, "Polyphosphate"},
    {C::kH2S, E::kH2S, "Hydrogen sulfide"},
    {C::kSilica, E::kSilica, "Silica"},
    {C::kPhosphate, E::kPhosphate, "Phosphate"},
    {C::kFluoride, E::kFluoride, "Fluoride"},
    {C::kNitrate, E::kNitrate, "Nitrate"},
    {C::kTemperature, E::kTemperature, "Temperature"},
    {C::kPressure, E::kPressure, "Pressure"},
    {C::kDensity, E::kDensity, "Density"},
    {C::kPco2, E::kPco2, "pCO2"},
    {C::kPh2s, E::kPH2S, "pH2S"},
    {C::kManganese, E::kManganese, "Manganese"},
    {C::kZinc, E::kZinc, "Zinc"},
    {C::kLead, E::kLead, "Lead"},
    {C::kBromine, E::kBromine, "Bromine"},
    {C::kBrineFlow, E::kBrineFlow, "Brine Flow"},
    {C::kOilFlow, E::kOilFlow, "Oil Flow"},
    {C::kGasFlow, E::kGasFlow, "Gas Flow"},
};

constexpr int kAcidFields[] = {C::kC2, C::kC3, C::kC4, C::kC5};
constexpr int kDescriptionFields[] = {C::kDescription0, C::kDescription1, C::kDescription2,
                                      C::kDescription3, C::kDescription4, C::kDescription5,
                                      C::kDescription6};
constexpr int kRedFieldIds[] = {C::kSodium,  C::kPotassium, C::kChloride,
                                C::kSulfate, C::kNitrate,   C::kPh};

constexpr UnitCaption kUnitCaptions[] = {
    {U::kCalcium, UnitItem::kCalcium},
    {U::kMagnesium, UnitItem::kMagnesium},
    {U::kBarium, UnitItem::kBarium},
    {U::kStrontium, UnitItem::kStrontium},
    {U::kSodium, UnitItem::kSodium},
    {U::kPotassium, UnitItem::kPotassium},
    {U::kLithium, UnitItem::kLithium},
    {U::kIron, UnitItem::kIron},
    {U::kAmmonia, UnitItem::kAmmonia},
    {U::kAluminum, UnitItem::kAluminum},
    {U::kBoron, UnitItem::kBoron},
    {U::kChloride, UnitItem::kChloride},
    {U::kSulfate, UnitItem::kSulfate},
    {U::kH2S, UnitItem::kH2S},
    {U::kSilica, UnitItem::kSilica},
    {U::kPhosphate, UnitItem::kPhosphate},
    {U::kFluoride, UnitItem::kFluoride},
    {U::kNitrate, UnitItem::kNitrate},
    {U::kTemperature, UnitItem::kTemperature},
    {U::kPressure, UnitItem::kPressure},
    {U::kPco2, UnitItem::kGasCo2},
    {U::kDensity, UnitItem::kDensity},
    {U::kCorrosionTarget, UnitItem::kCorrosionRate},
    {U::kResidenceTime, UnitItem::kResidenceTime},
    {U::kBrineFlow, UnitItem::kBrineFlow},
    {U::kOilFlow, UnitItem::kOilFlow},
    {U::kGasFlow, UnitItem::kGasFlow},
    {U::kPh2s, UnitItem::kGasH2S},
    {U::kManganese, UnitItem::kManganese},
    {U::kZinc, UnitItem::kZinc},
    {U::kBromine, UnitItem::kBromine},
    {U::kLead, UnitItem::kLead},
    {U::kPolyphosphate, UnitItem::kPolyphosphate},
    {U::kOxalate, UnitItem::kOxalate},
};

// Caption texts by unit code, for each item that has a caption.
struct CaptionList {
    int item;
    std::array<const char*, 6> texts;  // by code; nullptr past the last
};

#define FR     \
    "(as \xB0" \
    "Fr)"
#define GER    \
    "(as \xB0" \
    "Ger)"
const CaptionList kCaptionLists[] = {
    {UnitItem::kCalcium, {"(as Ca)", "(as CaCO3)", FR, GER}},
    {UnitItem::kMagnesium, {"(as Mg)", "(as CaCO3)", FR, GER}},
    {UnitItem::kBarium, {"(as Ba)", "(as CaCO3)", FR, GER}},
    {UnitItem::kStrontium, {"(as Sr)", "(as CaCO3)", FR, GER}},
    {UnitItem::kSodium, {"(as Na)", "(as CaCO3)", "(as NaCl)", FR, GER}},
    {UnitItem::kPotassium, {"(as K)", "(as CaCO3)", FR, GER}},
    {UnitItem::kLithium, {"(as Li)", "(as CaCO3)", FR, GER}},
    {UnitItem::kIron, {"(as Fe)", "(as CaCO3)", "(as Fe2O3)", FR, GER}},
    {UnitItem::kAmmonia, {"(as NH3)", "(as CaCO3)", "(as N)", FR, GER}},
    {UnitItem::kAluminum, {"(as Al)", "(as CaCO3)", "(as Al2O3)", FR, GER}},
    {UnitItem::kBoron, {"(as B)", "(as CaCO3)", "(as B2O3)", FR, GER}},
    {UnitItem::kChloride, {"(as Cl)", "(as CaCO3)", "(as NaCl)", FR, GER}},
    {UnitItem::kSulfate, {"(as SO4)", "(as CaCO3)", FR, GER, "(as Na2SO4)"}},
    {UnitItem::kH2S, {"(as H2S)", "(as CaCO3)", "(as S)", FR, GER}},
    {UnitItem::kSilica, {"(as SiO2)", "(as CaCO3)", "(as Si)", FR, GER}},
    {UnitItem::kPhosphate, {"(as PO4)", "(as CaCO3)", "(as P2O5)", "(as P)", FR, GER}},
    {UnitItem::kFluoride, {"(as F)", "(as CaCO3)", FR, GER}},
    {UnitItem::kNitrate, {"(as NO3)", "(as CaCO3)", FR, GER}},
    {UnitItem::kTemperature,
     {"(as \xB0"
      "F)",
      "(as \xB0"
      "C)",
      "(as \xB0"
      "K)"}},
    {UnitItem::kPressure, {"(Atm.)", "(Bars)", "(psia)", "(KPa)"}},
    {UnitItem::kGasCo2, {"(Atm.)", "(Bars)", "(psia)", "(KPa)", "(ppm in gas)", "(mole %)"}},
    {UnitItem::kDensity, {"(g/mL)", "(lbs/gal)"}},
    {UnitItem::kCorrosionRate, {"(mpy)", "(mm/yr)"}},
    {UnitItem::kResidenceTime, {"(seconds)", "(minutes)", "(hours)  ", "(days)   "}},
    {UnitItem::kBrineFlow, {"(BPD)", "(L/Day)", "(L/Hr)", "(L/Day)"}},
    {UnitItem::kOilFlow, {"(BPD)", "(L/Day)", "(L/Hr)", "(L/Day)"}},
    {UnitItem::kGasFlow, {"(MMCF/D)", "(Nm^3/D)", "(Mm^3/Hr)", "(Mm^3/D)"}},
    {UnitItem::kGasH2S, {"(Atm.)", "(Bars)", "(psia)", "(KPa)", "(ppm in gas)", "(mole %)"}},
    {UnitItem::kManganese, {"(as Mn)", "(as CaCO3)", FR, GER}},
    {UnitItem::kZinc, {"(as Zn)", "(as CaCO3)", FR, GER}},
    {UnitItem::kBromine, {"(as Br)", "(as CaCO3)", FR, GER}},
    {UnitItem::kLead, {"(as Pb)", "(as CaCO3)", FR, GER}},
    {UnitItem::kPolyphosphate, {"(as PO4)", "(as CaCO3)", "(as P2O5)", "(as P)", FR, GER}},
    {UnitItem::kOxalate, {"(as C2O4)", "(as CaCO3)", "(epm)", "(moles/L)"}},
};
#undef FR
#undef GER

}  // namespace

std::span<const ElementField> ElementFields() {
    return kElementFields;
}

const char* UnshownValueName(int element) {
    namespace E = AnalysisElement;
    switch (element) {
        case E::kAlkalinity:
            return "Total Alkalinity (as CaCO3)";
        case E::kReportingMode:
            return "Reporting Mode";
        case E::kSpeciesGiven:
            return "Carbonate Species Given";
        case E::kAlkalinityMode:
            return "Alkalinity Mode";
        case E::kCarbonateAlkalinity:
            return "Carbonate Alkalinity";
        case E::kH2CO3:
            return "Calculated H2CO3";
        case E::kBicarbonate:
            return "Calculated Bicarbonate";
        case E::kCarbonate:
            return "Calculated Carbonate";
        case E::kAlkalinityEq:
            return "Alkalinity (eq/L)";
        case E::kIonicStrength:
            return "Ionic Strength";
        case E::kTotalCarbonate:
            return "Total Carbonate";
        case E::kConductivity:
            return "Conductivity";
        case E::kCompanionPh:
            return "Companion pH";
        case E::kResultScale:
            return "Result Scale";
        default:
            break;
    }
    static const char* const kSpare[E::kCount - E::kOxalate - 1] = {
        "Spare value 1",  "Spare value 2",  "Spare value 3",  "Spare value 4",  "Spare value 5",
        "Spare value 6",  "Spare value 7",  "Spare value 8",  "Spare value 9",  "Spare value 10",
        "Spare value 11", "Spare value 12", "Spare value 13", "Spare value 14"};
    if (element > E::kOxalate && element < E::kCount) return kSpare[element - E::kOxalate - 1];
    return nullptr;
}
std::span<const int> AcidFields() {
    return kAcidFields;
}
std::span<const int> DescriptionFields() {
    return kDescriptionFields;
}
std::span<const int> RedFieldIds() {
    return kRedFieldIds;
}

int RedFieldIndex(int controlId) {
    for (int i = 0; i < static_cast<int>(std::size(kRedFieldIds)); ++i)
        if (kRedFieldIds[i] == controlId) return i;
    return -1;
}

std::span<const UnitCaption> UnitCaptions() {
    return kUnitCaptions;
}

const char* UnitCaptionText(int item, int code) {
    if (code < 0 || code >= 6) return nullptr;
    for (const CaptionList& list : kCaptionLists)
        if (list.item == item) return list.texts[static_cast<size_t>(code)];
    return nullptr;
}
