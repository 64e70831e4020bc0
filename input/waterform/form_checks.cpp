// Checking the analysis forms' number fields before they are read. The ranges
// are what the quantities mean (input/units/analysis_ranges.h, which the work
// file readers share): no negative amounts, no pH above 14, and the
// temperatures and pressures the engine's constants are written for (the same
// limits the what-if ranges use), stated in the user's units.
#include "input/waterform/form_checks.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "engine/inputs/unit_conversions.h"
#include "engine/pipeline/checks/sulfide_alkalinity.h"
#include "engine/records.h"
#include "input/fields/decimal_field.h"
#include "input/waterform/form_captions.h"
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

// The top of a range to six figures, no more than the range takes with its
// rounding: typed as stated, it is taken.
std::string StatedCeiling(const AnalysisValueRange& r) {
    constexpr double kRounding = 1e-6;
    const double top = r.high * (1.0 + kRounding);
    if (!(top > 0.0)) return Number(r.high);
    const double step = std::pow(10.0, std::floor(std::log10(top)) - 5.0);
    return Number(std::floor(top / step) * step);
}

// A unit caption's text without its parentheses and the blanks after them
// ("Atm.", "ppm in gas", "days"); empty for a code without a caption.
std::string CaptionUnit(int item, uint16_t code) {
    const char* caption = UnitCaptionText(item, code);
    if (caption == nullptr) return "";
    std::string unit = caption;
    if (unit.size() > 2 && unit.front() == '(') unit = unit.substr(1, unit.find(')') - 1);
    return unit;
}

// The unit the user reads a concentration in: the reporting unit and, but in
// epm, the form the element is counted as ("mg/l as CaCO3").
std::string ConcentrationUnit(int element, const FieldUnits& u) {
    // The alkalinities and the acidity are counted as the alkalinity mode
    // counts them; the modes with a unit of their own keep it in epm too.
    const bool alkalinity =
        element == E::kMAlkalinity || element == E::kPAlkalinity || element == E::kAcidity;
    if (alkalinity && (u.alkalinityMode >= 4 || u.reportingMode != ReportingMode::kEpm)) {
        switch (u.alkalinityMode) {
            case 2:
            case 3:
                return std::string(u.reportingMode == ReportingMode::kPpm ? "ppm" : "mg/l") +
                       (element == E::kAcidity       ? " as CO2"
                        : element == E::kMAlkalinity ? " as HCO3"
                                                     : " as CO3");
            case 4:
                return "ml N/30 acid";
            case 5:
                return "meq/l";
            case 6:
                return "\xB0"
                       "Fr";
            case 7:
                return "\xB0"
                       "Ger";
            default:
                return std::string(u.reportingMode == ReportingMode::kPpm ? "ppm" : "mg/l") +
                       " as CaCO3";
        }
    }
    // The acids are kept in mg/L in every reporting unit.
    if (element < 0) return "mg/l";
    if (u.reportingMode == ReportingMode::kEpm) return "meq/l";
    const std::string unit = u.reportingMode == ReportingMode::kPpm ? "ppm" : "mg/l";
    const int item = element >= 0 ? UnitItemOfElement(element) : -1;
    const std::string as = item >= 0 ? CaptionUnit(item, u.units.code[item]) : "";
    return as.empty() ? unit : unit + " " + as;
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
    {C::kResidenceTime, "Res. time", FieldKind::kResidenceTime},
    {C::kCorrosionTarget, "Corrosion Target", FieldKind::kCorrosionTarget},
};

// A kind's range in the user's units and how a message states it.
struct StatedRange {
    AnalysisValueRange range;
    std::string text;  // "30 to 572 °F"
};

StatedRange RangeOf(FieldKind kind, int element, const FieldUnits& u) {
    if (kind == FieldKind::kConcentration || kind == FieldKind::kSigned) {
        const double most =
            HighestConcentration(element, u.units, u.reportingMode, u.alkalinityMode);
        const double least = kind == FieldKind::kSigned ? -most : 0.0;
        return {{true, least, most, false},
                StatedEnd(least, true) + " to " + StatedEnd(most) + " " +
                    ConcentrationUnit(element, u)};
    }
    const AnalysisValueRange r = RangeOfKind(kind, u.units);
    const uint16_t* code = u.units.code;
    switch (kind) {
        case FieldKind::kAmount:
            return {r, "0 to 1e+30"};
        case FieldKind::kCorrosionTarget:
            return {r, "0 to " + StatedCeiling(r) + " " +
                           CaptionUnit(UnitItem::kCorrosionRate, code[UnitItem::kCorrosionRate])};
        case FieldKind::kFlow: {
            const int item = UnitItem::kBrineFlow + element - E::kBrineFlow;
            const AnalysisValueRange flow{true, 0.0, HighestFlow(element, u.units), false};
            return {flow, "0 to " + StatedCeiling(flow) + " " + CaptionUnit(item, code[item])};
        }
        case FieldKind::kPh:
            return {r, "up to 14; a negative pH has the pH predicted"};
        case FieldKind::kTemperature:
            return {r, Number(r.low) + " to " + Number(r.high) + " " +
                           TemperatureUnitOf(code[UnitItem::kTemperature]).label};
        case FieldKind::kPressure:
            return {r, "0 to " + Number(r.high) + " " +
                           PressureUnitOf(code[UnitItem::kPressure]).label};
        case FieldKind::kCo2Pressure:
            return {r, "0 to " + GroupedNumber(r.high) + " " +
                           CaptionUnit(UnitItem::kGasCo2, code[UnitItem::kGasCo2])};
        case FieldKind::kH2sPressure:
            return {r, "0 to " + GroupedNumber(r.high) + " " +
                           CaptionUnit(UnitItem::kGasH2S, code[UnitItem::kGasH2S])};
        case FieldKind::kDensity:
            return {r, Number(r.low) + " to " + Number(r.high) + " " +
                           CaptionUnit(UnitItem::kDensity, code[UnitItem::kDensity]) +
                           ", or 0 for the default"};
        case FieldKind::kResidenceTime: {
            std::string unit =
                CaptionUnit(UnitItem::kResidenceTime, code[UnitItem::kResidenceTime]);
            unit.erase(unit.find_last_not_of(' ') + 1);
            return {r, "0 to " + GroupedNumber(std::round(r.high)) + " " + unit};
        }
        case FieldKind::kSampleNumber:
            return {r, "a whole number from -32768 to 32767"};
        case FieldKind::kConcentration:
        case FieldKind::kSigned:
            break;
    }
    return {r, ""};
}

bool Taken(FieldKind kind, const AnalysisValueRange& r, double value) {
    if (!RangeHolds(r, value)) return false;
    return kind != FieldKind::kSampleNumber || value == std::trunc(value);
}

}  // namespace

FieldUnits UserFieldUnits() {
    return FieldUnits{unitCodes, reportingMode, alkalinityMode};
}

std::string FieldRangeRefusal(FieldKind kind, const char* name, double value,
                              const std::string& typed, int element, const FieldUnits& units) {
    const StatedRange r = RangeOf(kind, element, units);
    return Taken(kind, r.range, value) ? "" : OutsideRangeText(name, typed, r.text);
}

std::string FieldRangeRefusal(FieldKind kind, const char* name, double value,
                              const std::string& typed, int element) {
    return FieldRangeRefusal(kind, name, value, typed, element, UserFieldUnits());
}

std::string StoredFieldName(int field, uint16_t alkalinityMode) {
    if (field == StoredField::kResidenceSeconds) return kWaterFormExtra[0].name;
    if (field == StoredField::kCorrosionTarget) return kWaterFormExtra[1].name;
    if (field <= StoredField::kC2 && field >= StoredField::kC5)
        return kAcids[StoredField::kC2 - field].name;
    if (const char* caption = AlkalinityCaption(field, alkalinityMode)) return caption;
    if (field == E::kPh) return "pH";
    for (const ElementField& f : ElementFields())
        if (f.element == field) return f.name;
    if (const char* name = UnshownValueName(field)) return name;
    return "value " + std::to_string(field);
}

std::string StoredValueRefusal(int field, double value, const FieldUnits& units) {
    const std::string name = StoredFieldName(field, units.alkalinityMode);
    if (!std::isfinite(value)) return "\"" + Number(value) + "\" for " + name + " is not a number.";
    FieldKind kind = FieldKind::kAmount;
    int element = -1;
    bool shown = true;
    if (field == StoredField::kCorrosionTarget) {
        kind = FieldKind::kCorrosionTarget;
    } else if (field == StoredField::kResidenceSeconds) {
        kind = FieldKind::kResidenceTime;
        value /= ResidenceSecondsFactor(units.units.code[UnitItem::kResidenceTime]);
    } else if (field <= StoredField::kC2 && field >= StoredField::kC5) {
        kind = FieldKind::kConcentration;
    } else if (field == E::kPh) {
        kind = FieldKind::kPh;
    } else if (field >= 0) {
        shown = false;
        for (const ElementField& f : ElementFields()) shown = shown || f.element == field;
        kind = KindOfElement(field);
        element = field;
    }
    StatedRange r = shown ? RangeOf(kind, element, units)
                          : StatedRange{RangeOfAnalysisValue(field, units.units), ""};
    if (!shown) r.text = Number(r.range.low) + " to " + Number(r.range.high);
    // A value converted from other units (a paste, a change of units) may
    // pass a bound by the rounding of its floats.
    constexpr double kRounding = 1e-6;
    AnalysisValueRange& b = r.range;
    if (value > b.high && value - b.high <= kRounding * std::fabs(b.high)) value = b.high;
    if (value < b.low && b.low - value <= kRounding * std::fabs(b.low)) value = b.low;
    if (Taken(kind, b, value)) return "";
    return OutsideRangeStatement(name, Number(value), r.text);
}

bool CheckNumberField(win::HWND dialog, const NumberField& field) {
    const std::string name = FieldName(dialog, field.controlId, field.name);
    double value = 0.0;
    if (!ReadDecimalField(dialog, field.controlId, name, value)) return false;
    // An unedited field holds the number it shows, not its rounded text
    // (1,821,854 shown as 1.822e+06 at the top of its range).
    value = ShownValueOr(dialog, field.controlId, value);
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
                    "\"" + EchoedText(time) +
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

bool CheckSulfideAgainstAlkalinity(win::HWND form) {
    float values[E::kCount];
    std::memcpy(values, currentAnalysis.values, sizeof values);
    const std::string refusal = SulfideAlkalinityText(SulfideAgainstAlkalinity(values));
    if (refusal.empty()) return true;
    RefuseField(form, C::kMAlkalinity, refusal);
    return false;
}
