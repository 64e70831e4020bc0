// Setting the water form's unit, alkalinity and note captions.
#include "input/waterform/form_captions.h"

#include "common/water_analysis.h"
#include "input/waterform/form_fields.h"
#include "input/waterform/water_form_records.h"
#include "platform/dialogs/dialog.h"
#include "resources/dialog_ids.h"

namespace {

namespace C = WaterFormControl;
namespace U = WaterFormCaption;

struct AlkalinityCaptions {
    const char* acidity;
    const char* mAlkalinity;
    const char* pAlkalinity;
    const char* unit;  // the same unit beside all three
};

constexpr AlkalinityCaptions kByMode[] = {
    {"Acidity", "M Alkalinity", "P Alkalinity", "(as CaCO3)"},      // 1
    {"Dissolved CO2", "Bicarbonate", "Carbonate", nullptr},         // 2
    {"Dissolved CO2", "Bicarbonate", "Carbonate", nullptr},         // 3
    {"Acidity", "M Alkalinity", "P Alkalinity", "(ml N/30 acid)"},  // 4
    {"Acidity", "M Alkalinity", "P Alkalinity", "(epm)"},           // 5
    {"Acidity", "M Alkalinity", "P Alkalinity",
     "(as \xB0"
     "Fr)"},  // 6
    {"Acidity", "M Alkalinity", "P Alkalinity",
     "(as \xB0"
     "Ger)"},  // 7
};

}  // namespace

void SetUnitCaptions(win::HWND form, const UnitCodes& units) {
    for (const UnitCaption& caption : UnitCaptions()) {
        const char* text = UnitCaptionText(caption.item, units.code[caption.item]);
        if (text != nullptr) win::SetDlgItemText(form, caption.captionId, text);
    }
}

void SetAlkalinityCaptions(win::HWND form, uint16_t mode) {
    if (mode < 1 || mode > 7) return;
    const AlkalinityCaptions& c = kByMode[mode - 1];
    win::SetDlgItemText(form, C::kAcidityLabel, c.acidity);
    win::SetDlgItemText(form, C::kMAlkalinityLabel, c.mAlkalinity);
    win::SetDlgItemText(form, C::kPAlkalinityLabel, c.pAlkalinity);
    // Modes 2 and 3 enter the species themselves, each with its own unit.
    win::SetDlgItemText(form, U::kAcidity, c.unit != nullptr ? c.unit : "(as CO2)");
    win::SetDlgItemText(form, U::kMAlkalinity, c.unit != nullptr ? c.unit : "(as HCO3)");
    win::SetDlgItemText(form, U::kPAlkalinity, c.unit != nullptr ? c.unit : "(as CO3)");
}

const char* AlkalinityCaption(int element, uint16_t mode) {
    if (mode < 1 || mode > 7) return nullptr;
    const AlkalinityCaptions& c = kByMode[mode - 1];
    switch (element) {
        case AnalysisElement::kAcidity:
            return c.acidity;
        case AnalysisElement::kMAlkalinity:
            return c.mAlkalinity;
        case AnalysisElement::kPAlkalinity:
            return c.pAlkalinity;
        default:
            return nullptr;
    }
}

void UpdateTwoSulfideNote(win::HWND form, double h2s, double ph2s) {
    twoSulfideNote = (h2s > 0.0 && ph2s > 0.0) ? 1 : 0;
    win::SetDlgItemText(form, C::kTwoSulfideNote, twoSulfideNote != 0 ? kTwoSulfideNoteText : " ");
}
