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

// Why `value` cannot be taken for a field of `kind` named `name` (typed as
// `typed`; `element` as in NumberField); empty when it can.
[[nodiscard]] std::string FieldRangeRefusal(FieldKind kind, const char* name, double value,
                                            const std::string& typed, int element = -1);

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
