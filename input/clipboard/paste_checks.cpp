// The checks of a pasted analysis, by the forms' one range check.
#include "input/clipboard/paste_checks.h"

#include <string>
#include <utility>

#include "common/water_analysis.h"
#include "input/units/analysis_ranges.h"
#include "input/waterform/form_fields.h"
#include "input/waterform/form_text.h"
#include "shell/calendar/date_text.h"

namespace {

namespace E = AnalysisElement;

constexpr int kConditions[] = {E::kPh,   E::kTemperature, E::kPressure,
                               E::kPco2, E::kPH2S,        E::kDensity};

bool IsCondition(int element) {
    for (int e : kConditions)
        if (e == element) return true;
    return false;
}

// The dates and time the form shows with the water: a date a date field
// takes (0: none) and a time of day, named as the form names them.
std::string DateRefusal(const WaterAnalysis& a) {
    auto shown = [](int32_t packed) {
        char text[64];
        WritePackedDateText(packed, text, sizeof text);
        return std::string(text);
    };
    for (const auto& [name, date] :
         {std::pair{"Sample Date", a.sampleDate}, std::pair{"Report Date", a.reportDate}})
        if (date != 0 && !IsPackedDate(date))
            return "The " + std::string(name) + " (" + shown(date) + ") is not a date.";
    if (!IsSampleTime(a.sampleTime))
        return "The Time (" + std::to_string(a.sampleTime) + ") is not a time of day.";
    return "";
}

}  // namespace

std::string NotFiniteSlotRefusal(uint64_t notFinite, const FieldUnits& units) {
    for (int slot = 0; slot < kTransferSlots; ++slot) {
        if ((notFinite >> slot & 1u) == 0) continue;
        const int field = TransferSlotField(slot);
        if (field != kUnreadSlot)
            return "The value for " + StoredFieldName(field, units.alkalinityMode) +
                   " is not a number.";
    }
    return "";
}

std::string NotFiniteSentRefusal(uint64_t notFinite, const FieldUnits& units) {
    for (int element = 0; element < kTransferSlots; ++element)
        if ((notFinite >> element & 1u) != 0 && SentElement(element))
            return "The value for " + StoredFieldName(element, units.alkalinityMode) +
                   " is not a number.";
    return "";
}

std::string PastedAnalysisRefusal(const TravelAnalysis& pasted, const FieldUnits& units) {
    const float* v = pasted.analysis->values;
    std::string refusal;
    auto check = [&refusal, &units](int field, double value) {
        if (refusal.empty()) refusal = StoredValueRefusal(field, value, units);
    };
    for (int e : kConditions) check(e, v[e]);
    check(StoredField::kResidenceSeconds, *pasted.residenceSeconds);
    check(StoredField::kCorrosionTarget, *pasted.corrosionTarget);
    for (const ElementField& f : ElementFields())
        if (!IsCondition(f.element)) check(f.element, v[f.element]);
    for (int i = 0; i < 4; ++i) check(StoredField::kC2 - i, pasted.organicAcids[i]);
    if (refusal.empty()) refusal = DateRefusal(*pasted.analysis);
    return refusal;
}
