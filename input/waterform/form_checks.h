// The checks an analysis form makes before it reads anything: each number
// field holds a number (as the dialogs' one decimal reader reads it), and that
// number means something for its quantity. A refused field is named to the
// user, gets the focus with its text selected, and nothing is read or stored.
#pragma once

#include <span>
#include <string>

#include "input/units/analysis_ranges.h"
#include "platform/window/win_types.h"

struct NumberField {
    int controlId;
    const char* name;
    FieldKind kind;
    int element = -1;  // the AnalysisElement of a concentration, -1 for one in mg/L
};

// The user's choices that a field's range and its message are written in.
struct FieldUnits {
    const UnitCodes& units;
    int reportingMode;        // ReportingMode
    uint16_t alkalinityMode;  // names the acidity and alkalinity fields
};
// The program's own choices.
[[nodiscard]] FieldUnits UserFieldUnits();

// Why `value` cannot be taken for a field of `kind` named `name` (typed as
// `typed`; `element` as in NumberField); empty when it can. The first form
// takes the program's own units.
[[nodiscard]] std::string FieldRangeRefusal(FieldKind kind, const char* name, double value,
                                            const std::string& typed, int element = -1);
[[nodiscard]] std::string FieldRangeRefusal(FieldKind kind, const char* name, double value,
                                            const std::string& typed, int element,
                                            const FieldUnits& units);

// The one check of a value an analysis record already holds (a pasted
// analysis, a work file's water), by the ranges the water form types with:
// `field` is an AnalysisElement, whose value is in the units `units` choose,
// or a StoredField (the residence time in seconds, the corrosion target in its
// unit, an acid in mg/L). Empty when the form would take the value; otherwise
// the form's sentence naming the field as the form does, with the value as
// "%g" writes it and the range in those units, such as: "1e+09" is outside
// the range of pCO2 (0 to 1,000 Atm.). Elements the form does not show (the
// engine's own values, the modes) keep to RangeOfAnalysisValue.
[[nodiscard]] std::string StoredValueRefusal(int field, double value, const FieldUnits& units);

// The name the form gives a field (an AnalysisElement or a StoredField): its
// caption, the acidity and alkalinities by the alkalinity mode.
[[nodiscard]] std::string StoredFieldName(int field, uint16_t alkalinityMode);

// The field's text read and checked; false after the user was told.
[[nodiscard]] bool CheckNumberField(win::HWND dialog, const NumberField& field);

// Every analysis field the water form and the multi-mix input share (the
// element fields, the pH, the C2-C5 acids and the ID#), with the form's own
// fields `extra`; false at the first field refused.
[[nodiscard]] bool CheckAnalysisFields(win::HWND dialog, std::span<const NumberField> extra);

// The time of day and the two dates of an analysis form: an ill-formed one
// is refused with its field named, as a number is.
[[nodiscard]] bool CheckTimeAndDates(win::HWND dialog);

// The water form's check: the shared fields, its residence time and its
// corrosion target.
[[nodiscard]] bool CheckWaterFormFields(win::HWND form);

// The water the form now holds in the working record (after PredictPh): one
// whose H2S carries more alkalinity at its pH than its bicarbonate and
// carbonate is refused with both figures named and the alkalinity field
// selected; the form keeps what was typed. False after the user was told.
[[nodiscard]] bool CheckSulfideAgainstAlkalinity(win::HWND form);
