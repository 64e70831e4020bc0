// Filling the what-if dialog's fields and reading them back with their checks.
#include "input/whatif/whatif_fields.h"

#include <cstdio>

#include "common/settings_ranges.h"
#include "engine/records.h"
#include "input/fields/decimal_field.h"
#include "input/records.h"
#include "input/units/settings_unit_change.h"
#include "input/whatif/graph_choice_name.h"
#include "input/whatif/settings_fields.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "scenarios/wells/well_stations.h"
#include "shell/records.h"

namespace {

namespace W = WhatIfControl;

namespace R = SettingRanges;
constexpr float Low(const SettingRange& r) {
    return static_cast<float>(r.low);
}
constexpr float High(const SettingRange& r) {
    return static_cast<float>(r.high);
}
const TemperatureUnitInfo kTemperatureUnits[3] = {
    {"\xB0"
     "F",
     'F', Low(R::kTemperature[0]), High(R::kTemperature[0])},
    {"\xB0"
     "C",
     'C', Low(R::kTemperature[1]), High(R::kTemperature[1])},
    {"\xB0"
     "K",
     'K', Low(R::kTemperature[2]), High(R::kTemperature[2])},
};
const PressureUnitInfo kPressureUnits[4] = {
    {"Atm.", Low(R::kPressure[0]), High(R::kPressure[0])},
    {"Bars", Low(R::kPressure[1]), High(R::kPressure[1])},
    {"PSI", Low(R::kPressure[2]), High(R::kPressure[2])},
    {"KPa", Low(R::kPressure[3]), High(R::kPressure[3])},
};

uint16_t TemperatureCode() {
    const uint16_t c = unitCodes.code[UnitItem::kTemperature];
    return c < 3 ? c : 0;
}
uint16_t PressureCode() {
    const uint16_t c = unitCodes.code[UnitItem::kPressure];
    return c < 4 ? c : 0;
}

// Well-log defaults by temperature code (0 F, 1 C, 2 K) or pressure code.
struct WellDefault {
    int id;
    const char* name;  // as the refusals name the field
    int field;
    bool temperature;
    // Shown at opening when the value is out of range (or 0); in kelvin the
    // stored defaults, as degrees F would lie outside the kelvin span.
    const char* shown[4];
    float stored[4];  // stored for a value of 0 or less
};
const WellDefault kWellDefaults[6] = {
    {W::kBottomHoleTemperature,
     "Bottom Hole Temperature",
     WellLogField::kBottomHoleTemperature,
     true,
     {"280.0", "134.0", "407.0"},
     {280.0f, 134.0f, 407.0f}},
    {W::kSeparatorTemperature,
     "Temperature at Separator",
     WellLogField::kSeparatorTemperature,
     true,
     {"130.0", "50.0", "323.0"},
     {130.0f, 50.0f, 323.0f}},
    {W::kFlashedTemperature,
     "Temperature after Flashing",
     WellLogField::kFlashedTemperature,
     true,
     {"80.0", "27.0", "300.0"},
     {80.0f, 27.0f, 300.0f}},
    {W::kBottomHolePressure,
     "Bottom Hole Pressure",
     WellLogField::kBottomHolePressure,
     false,
     {"20.0", "20.0", "150.0", "2000.0"},
     {20.0f, 20.0f, 150.0f, 2000.0f}},
    {W::kSeparatorPressure,
     "Pressure at Separator",
     WellLogField::kSeparatorPressure,
     false,
     {"10.0", "10.0", "150.0", "1000.0"},
     {3.0f, 3.0f, 50.0f, 300.0f}},
    {W::kFlashedPressure,
     "Pressure after Flashing",
     5,
     false,
     {"1.0", "1.0", "15.0", "100.0"},
     {1.0f, 1.0f, 14.7f, 100.0f}},
};

// Whether a stored setting is shown, or the unit's default in its place: a
// value the dialogs took in any unit, converted by a change of units, is.
bool Held(SettingQuantity q, float v) {
    const bool temperature =
        q == SettingQuantity::kTemperature || q == SettingQuantity::kWellTemperature;
    return HeldSettingSpan(q, temperature ? TemperatureCode() : PressureCode()).Holds(v);
}
bool InTemperatureRange(float v) {
    return Held(SettingQuantity::kTemperature, v);
}
bool InPressureRange(float v) {
    return Held(SettingQuantity::kPressure, v);
}
bool ShownPh(float v) {
    return v == 0.0f || (v > 0.000001f && v <= 14.0f);
}

void FillWellLog(win::HWND dialog) {
    const uint16_t tc = TemperatureCode();
    const uint16_t pc = PressureCode();
    for (const WellDefault& w : kWellDefaults) {
        const float v = wellLogSpecs.value[w.field];
        const bool shown = w.temperature ? Held(SettingQuantity::kWellTemperature, v) : v != 0.0f;
        if (shown)
            ShowValue(dialog, w.id, v);
        else
            win::SetDlgItemText(dialog, w.id, w.shown[w.temperature ? tc : pc]);
    }
    const float depth = wellLogSpecs.value[WellLogField::kDepth];
    if (depth >= 0.0f)
        ShowValue(dialog, W::kDepth, depth);
    else
        win::SetDlgItemText(dialog, W::kDepth, "100.0");
}

void Warn(win::HWND dialog, const char* text) {
    win::MessageBox(dialog, text, "WARNING", win::MB_ICONINFORMATION);
}

void WarnEmptyRanges(win::HWND dialog) {
    const WhatIfSettings& s = whatIfSettings;
    if (s.temperatureLow == s.temperatureHigh)
        Warn(dialog,
             "Minimum and Maximum Temperature cannot be the same! Please change to a valid range!");
    if (s.phLow == s.phHigh)
        Warn(dialog, "Minimum and Maximum pH cannot be the same! Please change to a valid range!");
    if (s.pco2Low == s.pco2High)
        Warn(dialog, unitCodes.code[UnitItem::kGasCo2] == 5
                         ? "Minimum and Maximum Mole % CO2 are the same! Please change to a valid "
                           "range if you will be doing pCO2 profiles!"
                         : "Minimum and Maximum pCO2 cannot be the same! Please change to a valid "
                           "range!");
}

void FillRanges(win::HWND dialog) {
    const WhatIfSettings& s = whatIfSettings;
    const char* phDefaults[3] = {"5.60", "8.00", "6.50"};
    const int phIds[3] = {W::kPhLow, W::kPhHigh, W::kPhEval};
    const float ph[3] = {s.phLow, s.phHigh, s.phEval};
    for (int i = 0; i < 3; ++i) {
        if (ShownPh(ph[i]))
            ShowValue(dialog, phIds[i], ph[i]);
        else
            win::SetDlgItemText(dialog, phIds[i], phDefaults[i]);
    }
    Check(dialog, W::kUseInputPh, whatIfOptions.useInputPh != 0);
    Check(dialog, W::kCorrectPhForTemperature, whatIfOptions.correctPhForTemperature != 0);
    win::EnableWindow(win::GetDlgItem(dialog, W::kPhEval), whatIfOptions.useInputPh == 0);

    const uint16_t gc = unitCodes.code[UnitItem::kGasCo2];
    const int co2Column = gc == 0 ? 0 : gc == 3 ? 2 : 1;
    const char* co2Defaults[3][3] = {
        {"0.0034", "1.00034", "0.0034"}, {"1.0", "5.0", "1.0"}, {"0.34", "100.0", ""}};
    const int co2Ids[3] = {W::kPco2Low, W::kPco2High, W::kPco2Eval};
    const float co2[3] = {s.pco2Low, s.pco2High, s.pco2Eval};
    for (int i = 0; i < 3; ++i) {
        if (co2[i] >= 0.0f)
            ShowValue(dialog, co2Ids[i], co2[i]);
        else
            win::SetDlgItemText(dialog, co2Ids[i], co2Defaults[co2Column][i]);
    }

    const uint16_t pc = PressureCode();
    const char* pressureLow[4] = {"1.0", "1.0", "14.7", "100.0"};
    const char* pressureHigh[4] = {"1000.", "1000.", "14700.", "100000."};
    const int pIds[3] = {W::kPressureLow, W::kPressureHigh, W::kPressureEval};
    const float p[3] = {s.pressureLow, s.pressureHigh, s.pressureEval};
    for (int i = 0; i < 3; ++i) {
        if (InPressureRange(p[i]))
            ShowValue(dialog, pIds[i], p[i]);
        else
            win::SetDlgItemText(dialog, pIds[i], i == 0 ? pressureLow[pc] : pressureHigh[pc]);
    }

    const uint16_t tc = TemperatureCode();
    const char* tDefaults[3][3] = {
        {"60.0", "20.0", "293.0"}, {"120.0", "50.0", "324.0"}, {"110.0", "40.0", "313.0"}};
    const int tIds[3] = {W::kTemperatureLow, W::kTemperatureHigh, W::kTemperatureEval};
    const float t[3] = {s.temperatureLow, s.temperatureHigh, s.temperatureEval};
    for (int i = 0; i < 3; ++i) {
        if (InTemperatureRange(t[i]))
            ShowValue(dialog, tIds[i], t[i]);
        else
            win::SetDlgItemText(dialog, tIds[i], tDefaults[i][tc]);
    }
    Check(dialog, W::kUseInputTemperature, whatIfOptions.useInputTemperature != 0);
    win::EnableWindow(win::GetDlgItem(dialog, W::kTemperatureEval),
                      whatIfOptions.useInputTemperature == 0);
    Check(dialog, W::kForcePhForPressure, whatIfOptions.forcePhToEvalForPressure == 1);
}

constexpr int kSourceIds[3] = {W::kWellLogPt, W::kSaturatedSteamLine, W::kTypicalP};
constexpr int kGraphIds[4] = {W::kGraph1, W::kGraph2, W::kGraph3, W::kGraph4};

void FillChoices(win::HWND dialog) {
    const uint32_t source = whatIfOptions.wellLogPtSource;
    for (int i = 0; i < 3; ++i) Check(dialog, kSourceIds[i], source == static_cast<uint32_t>(i));

    FillPhControl(dialog, W::kPhControls, phControlSettings);
}

}  // namespace

const TemperatureUnitInfo& TemperatureUnitOf(uint16_t code) {
    return kTemperatureUnits[code < 3 ? code : 0];
}
const PressureUnitInfo& PressureUnitOf(uint16_t code) {
    return kPressureUnits[code < 4 ? code : 0];
}

std::string RangeQuestion(const std::string& field, const SettingRange& range,
                          const std::string& unit) {
    const std::string after = unit.empty() ? "" : " " + unit;
    const std::string span =
        range.lowIncluded
            ? "in the range of " + GroupedNumber(range.low) + " to " + GroupedNumber(range.high)
            : "above " + GroupedNumber(range.low) + " and up to " + GroupedNumber(range.high);
    return field + " must be " + span + after +
           ". Please re-enter a valid value. Did you wish to re-enter (Y/N)?";
}

std::string TemperatureUnitText(uint16_t code) {
    return std::string("degrees ") + TemperatureUnitOf(code).letter;
}
std::string PressureUnitText(uint16_t code) {
    constexpr const char* kNames[4] = {"atm", "bar", "psia", "kPa"};
    return kNames[code < 4 ? code : 0];
}
std::string Pco2UnitText(uint16_t code) {
    constexpr const char* kNames[6] = {"atm", "bar", "psia", "kPa", "ppm", "mole %"};
    return kNames[code < 6 ? code : 0];
}

std::string PressureRangeText(uint16_t code, const std::string& field) {
    return RangeQuestion(field, R::Pressure(code), PressureUnitText(code));
}
std::string TemperatureRangeText(uint16_t code, const std::string& field) {
    return RangeQuestion(field, R::Temperature(code), TemperatureUnitText(code));
}
std::string Pco2RangeText(uint16_t code, const std::string& field) {
    return RangeQuestion(field, R::Pco2(code), Pco2UnitText(code));
}
std::string PointPhRangeText(const std::string& field) {
    return RangeQuestion(field, R::kPointPh);
}
std::string PhTargetRangeText() {
    return RangeQuestion("pH Target", R::kTargetPh);
}

void FillWhatIfFields(win::HWND dialog) {
    win::EnableWindow(win::GetDlgItem(dialog, W::kUserDefined), resultStatus.alkCurveEntered != 0);
    win::SetDlgItemText(dialog, W::kTemperatureUnit, TemperatureUnitOf(TemperatureCode()).label);
    win::SetDlgItemText(dialog, W::kPressureUnit, PressureUnitOf(PressureCode()).label);
    FillWellLog(dialog);
    WarnEmptyRanges(dialog);
    FillRanges(dialog);
    FillChoices(dialog);
    for (int i = 0; i < 4; ++i) {
        char name[kGraphNameChars] = {};
        GetGraphChoiceName(displaySettings.graphParams[(i + 2) % 4], name);
        win::SetDlgItemText(dialog, kGraphIds[i], name);
    }
    Check(dialog, W::kMakeDefault, false);
}

namespace {

// The number fields in reading order, by the names the dialog gives them.
const NamedField kNumberFields[] = {
    {W::kDepth, "Depth"},
    {W::kBottomHoleTemperature, "Bottom Hole Temperature"},
    {W::kSeparatorTemperature, "Temperature at Separator"},
    {W::kFlashedTemperature, "Temperature after Flashing"},
    {W::kBottomHolePressure, "Bottom Hole Pressure"},
    {W::kSeparatorPressure, "Pressure at Separator"},
    {W::kFlashedPressure, "Pressure after Flashing"},
    {W::kPhLow, "Low pH"},
    {W::kPhHigh, "High pH"},
    {W::kPhEval, "Evaluation pH"},
    {W::kPco2Low, "Low pCO2"},
    {W::kPco2High, "High pCO2"},
    {W::kPco2Eval, "Evaluation pCO2"},
    {W::kPressureLow, "Low Pressure"},
    {W::kPressureHigh, "High Pressure"},
    {W::kPressureEval, "Evaluation Pressure"},
    {W::kTemperatureLow, "Low Temperature"},
    {W::kTemperatureHigh, "High Temperature"},
    {W::kTemperatureEval, "Evaluation Temperature"},
    {W::kPhTarget, "pH Target"},
};

}  // namespace

namespace {

bool Blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

void TellValueUsed(win::HWND dialog, const std::string& text) {
    win::MessageBox(dialog, text.c_str(), "WARNING", win::MB_ICONINFORMATION);
}

// The depth and the six well-log values into `w`. An empty field (and a
// well-log value of 0 or less) takes the default, and the user is told the
// value used; any other value lies within its span or is refused, nothing is
// stored and the result is the field's id. The depth and the pressures keep
// to the settings' table; the temperatures to the what-if span of their unit,
// the only one the dialog shows them in (the table's well temperatures, which
// a file may hold, reach further).
int ReadWellLog(win::HWND dialog, uint16_t tc, uint16_t pc, WellLogSpecs& w) {
    const std::string depthText = DialogFieldText(dialog, W::kDepth);
    const float depth = FieldValue(dialog, W::kDepth);
    const SettingRange& depthSpan = SettingRanges::kWellDepth;
    const std::string depthRange =
        GroupedNumber(depthSpan.low) + " to " + GroupedNumber(depthSpan.high);
    if (!Blank(depthText) && !depthSpan.Holds(depth)) {
        RefuseField(dialog, W::kDepth, OutsideRangeText("Depth", depthText, depthRange));
        return W::kDepth;
    }
    const TemperatureUnitInfo& t = TemperatureUnitOf(tc);
    const PressureUnitInfo& p = PressureUnitOf(pc);
    // A temperature of 0 or below that its unit's range holds (-1 degree C)
    // is a temperature like any other, not a value left out.
    const auto taken = [&](const WellDefault& d, float x) {
        return x > 0.0f || (d.temperature && !Blank(DialogFieldText(dialog, d.id)) &&
                            x >= t.low && x <= t.high);
    };
    for (const WellDefault& d : kWellDefaults) {
        const std::string text = DialogFieldText(dialog, d.id);
        const float x = FieldValue(dialog, d.id);
        const double low = d.temperature ? t.low : 0.0;
        const double high = d.temperature ? t.high : SettingRanges::WellPressure(pc).high;
        if (taken(d, x) && !Unedited(dialog, d.id) && !(x >= low && x <= high)) {
            const std::string unit = d.temperature ? t.label : p.label;
            RefuseField(
                dialog, d.id,
                OutsideRangeText(d.name, text,
                                 GroupedNumber(low) + " to " + GroupedNumber(high) + " " + unit));
            return d.id;
        }
    }

    if (Blank(depthText))
        TellValueUsed(dialog,
                      "Depth was left empty: " + GroupedNumber(depthSpan.low) + " is used.");
    w.value[WellLogField::kDepth] = Blank(depthText) ? static_cast<float>(depthSpan.low) : depth;
    for (const WellDefault& d : kWellDefaults) {
        const float x = FieldValue(dialog, d.id);
        if (taken(d, x)) {
            w.value[d.field] = x;
            continue;
        }
        const float used = d.stored[d.temperature ? tc : pc];
        const std::string unit = d.temperature ? t.label : p.label;
        const std::string text = DialogFieldText(dialog, d.id);
        TellValueUsed(dialog, (Blank(text) ? std::string(d.name) + " was left empty"
                                           : "\"" + EchoedText(text) + "\" typed for " + d.name +
                                                 " is 0 or less") +
                                  ": " + GroupedNumber(used) + " " + unit + " is used.");
        w.value[d.field] = used;
    }
    return 0;
}

}  // namespace

int ReadWhatIfFields(win::HWND dialog, WhatIfValues& v) {
    // A text that is no number keeps the dialog open on its field.
    if (const int refused = RefusedDecimalField(dialog, kNumberFields); refused != 0)
        return refused;
    FieldReader r(dialog);
    const uint16_t tc = TemperatureCode();
    const uint16_t pc = PressureCode();
    if (const int refused = ReadWellLog(dialog, tc, pc, v.wellLog); refused != 0) return refused;

    auto targetPh = [](float x) { return R::kTargetPh.Holds(x); };
    auto pointPh = [](float x) { return R::kPointPh.Holds(x); };
    const uint16_t gc = unitCodes.code[UnitItem::kGasCo2];
    auto co2 = [gc](float x) { return R::Pco2(gc).Holds(x); };
    const PressureUnitInfo& pu = PressureUnitOf(pc);
    auto pressure = [&pu](float x) { return x >= pu.low && x <= pu.high; };
    const TemperatureUnitInfo& tu = TemperatureUnitOf(tc);
    auto temperature = [&tu](float x) { return x >= tu.low && x <= tu.high; };
    WhatIfSettings& s = v.ranges;
    const float heldLow = s.phLow;
    const float heldHigh = s.phHigh;
    const bool read =
        r.Checked(W::kPhLow, s.phLow, pointPh, PointPhRangeText("Low pH")) &&
        r.Checked(W::kPhHigh, s.phHigh, pointPh, PointPhRangeText("High pH")) &&
        r.Ordered(W::kPhHigh, s.phLow, s.phHigh, heldLow, heldHigh, kPhOrderText) &&
        r.Checked(W::kPhEval, s.phEval, pointPh, PointPhRangeText("Evaluation pH")) &&
        r.Checked(W::kPco2Low, s.pco2Low, co2, Pco2RangeText(gc, "Low pCO2")) &&
        r.Checked(W::kPco2High, s.pco2High, co2, Pco2RangeText(gc, "High pCO2")) &&
        r.Checked(W::kPco2Eval, s.pco2Eval, co2, Pco2RangeText(gc, "Evaluation pCO2")) &&
        r.Checked(W::kPressureLow, s.pressureLow, pressure,
                  PressureRangeText(pc, "Low Pressure")) &&
        r.Checked(W::kPressureHigh, s.pressureHigh, pressure,
                  PressureRangeText(pc, "High Pressure")) &&
        r.Checked(W::kPressureEval, s.pressureEval, pressure,
                  PressureRangeText(pc, "Evaluation Pressure")) &&
        r.Checked(W::kTemperatureLow, s.temperatureLow, temperature,
                  TemperatureRangeText(tc, "Low Temperature")) &&
        r.Checked(W::kTemperatureHigh, s.temperatureHigh, temperature,
                  TemperatureRangeText(tc, "High Temperature")) &&
        r.Checked(W::kTemperatureEval, s.temperatureEval, temperature,
                  TemperatureRangeText(tc, "Evaluation Temperature"));
    if (!read) return r.Result();

    v.forcePhToEvalForPressure = ::Checked(dialog, W::kForcePhForPressure) ? 1 : 0;
    for (int i = 0; i < 3; ++i)
        if (::Checked(dialog, kSourceIds[i])) v.wellLogPtSource = static_cast<uint32_t>(i);
    v.useInputPh = ::Checked(dialog, W::kUseInputPh) ? 1 : 0;
    v.useInputTemperature = ::Checked(dialog, W::kUseInputTemperature) ? 1 : 0;
    v.correctPhForTemperature = ::Checked(dialog, W::kCorrectPhForTemperature) ? 1 : 0;
    PhControlSettings& c = v.phControl;
    if (!r.Checked(W::kPhTarget, c.targetPh, targetPh, PhTargetRangeText())) return r.Result();

    // The first checked method in this order.
    constexpr int kOrder[6] = {5, 1, 2, 3, 4, 0};
    ReadPhControl(dialog, W::kPhControls, kOrder, kNoCurveText, c);
    return r.Result();
}
