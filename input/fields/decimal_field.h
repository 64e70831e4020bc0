// Typed numbers: a field's text is a number, is empty (0), or is refused.
// Every dialog that reads a decimal number from an edit goes through here, so
// that a text is read the same way, or refused with the same message,
// wherever it is typed.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/window/win_types.h"

enum class DecimalText {
    kNumber,      // the whole text (blanks around it aside) is one number
    kNotANumber,  // letters, stray commas, trailing characters, "nan", "inf"
    kTooLarge,    // a number beyond what a stored value (a float) can hold
    kTooSmall,    // a negative number beyond it
};

struct DecimalReading {
    DecimalText kind;
    double value;  // 0 unless kind is kNumber
};

// The number a text holds. Blanks around it are ignored and an empty text
// reads 0. A number may carry a sign, a decimal point and an exponent ("1e3");
// digits before the point may be grouped by threes with commas as lab reports
// write them ("10,760", "1,234.5"). Anything else is refused.
[[nodiscard]] DecimalReading ReadDecimalText(std::string_view text);

// The message that refuses a text typed for the field `fieldName`.
[[nodiscard]] std::string DecimalRefusalText(DecimalText kind, std::string_view fieldName,
                                             std::string_view text);

// The number in edit `controlId` of `dialog`. A refused text is reported in a
// "WARNING" box owned by the dialog, naming the field and the text; the focus
// goes to the field with its text selected and the result is false.
[[nodiscard]] bool ReadDecimalField(win::HWND dialog, int controlId, std::string_view fieldName,
                                    double& value);

// A number field of a settings dialog and the name the user knows it by.
struct NamedField {
    int controlId;
    const char* name;
};
// Reads each field in turn; the id of the first whose text is refused (after
// the user was told, with the focus on it), 0 when every one holds a number.
[[nodiscard]] int RefusedDecimalField(win::HWND dialog, std::span<const NamedField> fields);

// The field's number, 0 for an empty or refused text (for dialogs that have
// checked their fields with RefusedDecimalField first).
[[nodiscard]] double DecimalFieldValue(win::HWND dialog, int controlId);

// Tells the user `message` ("WARNING") and puts the focus on the field with
// its text selected, for the user to correct it.
void RefuseField(win::HWND dialog, int controlId, const std::string& message);

// The edit's whole text, however long: a number followed by blanks and more
// text past any fixed length is still refused.
[[nodiscard]] std::string DialogFieldText(win::HWND dialog, int controlId);

// The message that refuses `text`, a number typed for `fieldName` that lies
// outside `range` (written in the user's units, "30 to 572 °F"): the
// statement and what the user is to do.
[[nodiscard]] std::string OutsideRangeText(std::string_view fieldName, std::string_view text,
                                           std::string_view range);
// The statement alone: "\"5000\" is outside the range of Pressure (0 to 1000 Atm.)."
[[nodiscard]] std::string OutsideRangeStatement(std::string_view fieldName, std::string_view text,
                                                std::string_view range);

// A text as a message repeats it: whole up to kEchoedChars characters, a
// longer one cut there with "..." after it, so that what the message says
// after it stays in sight.
inline constexpr size_t kEchoedChars = 40;
[[nodiscard]] std::string EchoedText(std::string_view text);

// A whole number with its digits grouped by threes ("20,000"); any other
// number as "%g" writes it.
[[nodiscard]] std::string GroupedNumber(double value);
// An end of a range as a message states it: to six figures, grouped as
// GroupedNumber groups them, rounded towards the inside of the range (the top
// down, `low` the bottom up), so that the figure stated is one the range takes.
[[nodiscard]] std::string StatedEnd(double value, bool low = false);
