// Checking the analysis forms' number fields before they are read. The ranges
// are what the quantities mean (input/units/analysis_ranges.h, which the work
// file readers share): no negative amounts, no pH above 14, and the
// temperatures and pressures the engine's constants are written for (the same
// limits the what-if ranges use), stated in the user's units.
#include "input/waterform/form_checks.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "engine/inputs/unit_conversions.h"
#include "engine/records.h"
#include "input/fields/decimal_field.h"
#include "input/waterform/form_fields.h"
#include "input/waterform/form_text.h"
#include "input/whatif/whatif_fields.h"
#include "platform/dialogs/dialog.h"
#include "resources/dialog_ids.h"
#include "shell/calendar/date_text.h"

namespace {

namespace C = WaterFormControl;
namespace E = AnalysisElement;

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

std::string Outside(const char* name, const std::string& typed, const std::string& range) {
    return OutsideRangeText(name, typed, range);
}

// The unit the user reads a concentration in: the reporting unit and, but in
// epm, the form the element is counted as ("mg/l as CaCO3").
std::string ConcentrationUnit(int element) {
    const UnitContext u = GlobalUnitContext();
    if (u.reportingMode == ReportingMode::kEpm) return "meq/l";
    std::string unit = u.reportingMode == ReportingMode::kPpm ? "ppm" : "mg/l";
    const int item = element >= 0 ? UnitItemOfElement(element) : -1;
    const char* caption = item >= 0 ? UnitCaptionText(item, unitCodes.code[item]) : nullptr;
    if (caption == nullptr) return unit;
    std::string as = caption;
    if (as.size() > 2 && as.front() == '(') as = as.substr(1, as.find(')') - 1);
    return unit + " " + as;
}

// The caption the form shows beside a field whose caption follows the
// alkalinity mode; the table's name for any other field.
std::string FieldName(win::HWND dialog, int controlId, const char* name) {
    int label = 0;
    if (controlId == C::kAcidity) label = C::kAcidityLabel;
    if (controlId == C::kMAlkalinity) label = C::kMAlkalinityLabel;
    if (controlId == C::kPAlkalinity) label = C::kPAlkalinityLabel;
    if (label == 0) return name;
    const std::string shown = DialogFieldText(dialog, label);
    return shown.empty() ? std::string(name) : shown;
}

const NumberField kAcids[] = {
    {C::kC2, "C2", FieldKind::kConcentration},
    {C::kC3, "C3", FieldKind::kConcentration},
    {C::kC4, "C4", FieldKind::kConcentration},
    {C::kC5, "C5", FieldKind::kConcentration},
};

const NumberField kWaterFormExtra[] = {
    {C::kResidenceTime, "Res. time", FieldKind::kAmount},
    {C::kCorrosionTarget, "Corrosion Target", FieldKind::kAmount},
};

}  // namespace

std::string FieldRangeRefusal(FieldKind kind, const char* name, double value,
                              const std::string& typed, int element) {
    if (kind == FieldKind::kConcentration || kind == FieldKind::kSigned) {
        const double most = HighestConcentration(element, unitCodes, reportingMode);
        const double least = kind == FieldKind::kSigned ? -most : 0.0;
        if (value >= least && value <= most) return "";
        return Outside(name, typed,
                       GroupedNumber(least) + " to " + GroupedNumber(std::round(most)) + " " +
                           ConcentrationUnit(element));
    }
    const AnalysisValueRange r = RangeOfKind(kind, unitCodes);
    bool taken =
        !r.bounded || (r.negativeMeans && value < 0.0) || (value >= r.low && value <= r.high);
    if (kind == FieldKind::kSampleNumber) taken = taken && value == std::trunc(value);
    if (taken) return "";
    switch (kind) {
        case FieldKind::kAmount:
            return Outside(name, typed, "0 or more");
        case FieldKind::kConcentration:
        case FieldKind::kSigned:
            return "";
        case FieldKind::kPh:
            return Outside(name, typed, "up to 14; a negative pH has the pH predicted");
        case FieldKind::kTemperature:
            return Outside(name, typed,
                           Number(r.low) + " to " + Number(r.high) + " " +
                               TemperatureUnitOf(unitCodes.code[UnitItem::kTemperature]).label);
        case FieldKind::kPressure:
            return Outside(name, typed,
                           "0 to " + Number(r.high) + " " +
                               PressureUnitOf(unitCodes.code[UnitItem::kPressure]).label);
        case FieldKind::kSampleNumber:
            return Outside(name, typed, "a whole number from -32768 to 32767");
    }
    return "";
}

bool CheckNumberField(win::HWND dialog, const NumberField& field) {
    const std::string name = FieldName(dialog, field.controlId, field.name);
    double value = 0.0;
    if (!ReadDecimalField(dialog, field.controlId, name, value)) return false;
    const std::string refusal = FieldRangeRefusal(
        field.kind, name.c_str(), value, DialogFieldText(dialog, field.controlId), field.element);
    if (refusal.empty()) return true;
    RefuseField(dialog, field.controlId, refusal);
    return false;
}

bool CheckTimeAndDates(win::HWND dialog) {
    const std::string time = DialogFieldText(dialog, C::kTime);
    int16_t read = 0;
    if (!ReadSampleTime(time, read)) {
        RefuseField(dialog, C::kTime,
                    "\"" + time +
                        "\" typed for Time is not a time of day. Please enter a time from 00:00 "
                        "to 23:59, such as 14:30 or 1430.");
        return false;
    }
    for (const auto& [id, name] :
         {std::pair{C::kSampleDate, "Sample Date"}, std::pair{C::kReportDate, "Report Date"}}) {
        const std::string date = DialogFieldText(dialog, id);
        if (date.find_first_not_of(" \t") == std::string::npos || ReadTypedDate(date) >= 0)
            continue;
        RefuseField(dialog, id, DateRefusalText(name, date));
        return false;
    }
    return true;
}

// Oil and gas flows only with the brine flow that carries them; the field
// refused is the first of the two that is given.
bool CheckFlows(win::HWND dialog) {
    const float oil = ReadFieldNumber(dialog, C::kOilFlow);
    const std::string refusal = FlowsWithoutBrineText(ReadFieldNumber(dialog, C::kBrineFlow), oil,
                                                      ReadFieldNumber(dialog, C::kGasFlow));
    if (refusal.empty()) return true;
    RefuseField(dialog, oil > 0.0f ? C::kOilFlow : C::kGasFlow,
                refusal + ". Please enter a Brine Flow, or clear the oil and gas flows.");
    return false;
}

bool CheckAnalysisFields(win::HWND dialog, std::span<const NumberField> extra) {
    if (!CheckTimeAndDates(dialog)) return false;
    for (const ElementField& f : ElementFields())
        if (!CheckNumberField(dialog, {f.controlId, f.name, KindOfElement(f.element), f.element}))
            return false;
    if (!CheckFlows(dialog)) return false;
    if (!CheckNumberField(dialog, {C::kPh, "pH", FieldKind::kPh})) return false;
    for (const NumberField& f : extra)
        if (!CheckNumberField(dialog, f)) return false;
    for (const NumberField& f : kAcids)
        if (!CheckNumberField(dialog, f)) return false;
    return CheckNumberField(dialog, {C::kSampleNumber, "ID#", FieldKind::kSampleNumber});
}

bool CheckWaterFormFields(win::HWND form) {
    return CheckAnalysisFields(form, kWaterFormExtra);
}
