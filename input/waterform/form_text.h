// Reading and writing the water form's fields: numbers, the sample time, dates
// and text lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/window/win_types.h"

// The number a text holds, as the dialogs' decimal reader reads it; a text it
// refuses reads as 0 (the forms refuse such a text before they read it).
[[nodiscard]] double ReadNumber(std::string_view text);
// The value as a stored float: 0 for a value no float can hold.
[[nodiscard]] float ToStoredFloat(double value);
[[nodiscard]] float ReadFieldNumber(win::HWND form, int controlId);
// The same, but a field still showing the text WriteFieldNumber gave it reads
// as the number it was given, in full: a value converted into other units, or
// one with more digits than the field shows, is not cut to the digits shown.
[[nodiscard]] float ReadFieldNumberAsShown(win::HWND form, int controlId);
// The same in double precision: the very number the field was given.
[[nodiscard]] double ReadFieldValueAsShown(win::HWND form, int controlId);
// Whether the field still shows the text WriteFieldNumber gave it: a number
// the user has not edited.
[[nodiscard]] bool FieldShowsWrittenNumber(win::HWND form, int controlId);
// Writes the value with the adaptive format at `digits` significant digits.
void WriteFieldNumber(win::HWND form, int controlId, double value, int digits = 5);

// The number a field was last given, while it shows the text it was given
// as; `read` (what its text reads as) once the user edited it.
[[nodiscard]] double ShownValueOr(win::HWND form, int controlId, double read);

// The sample time of a text: "hh:mm" (or "h:mm"), or up to four digits read as
// hours x 100 + minutes ("930" is 09:30), blanks around it ignored; an empty
// text is 00:00. False, leaving `time` alone, for any other text, a time past
// 23:59 or one with 60 minutes or more.
[[nodiscard]] bool ReadSampleTime(std::string_view text, int16_t& time);

// Whether a stored time (hours x 100 + minutes) is a time of day, 00:00 to 23:59.
[[nodiscard]] bool IsSampleTime(int16_t time);

// "hh:mm": the time's first four digits, zero-padded, with a colon after two.
void WriteSampleTime(int16_t time, char* text, size_t size);
// The time rule of the form: the field's time is stored at once when it is a
// time of day, and the field then shows the stored time as "hh:mm"; any other
// text stays for the user to correct (OK refuses it).
void ReadTimeField(win::HWND form, int controlId, int16_t& time);
void ShowTimeField(win::HWND form, int controlId, int16_t time);

// A date field: a valid date is rewritten in its canonical form (and stored in
// `stored` when `store` is set); an empty field shows the stored date again;
// any other text stays for the user to correct (OK refuses it). A stored date
// of 0 (none, as a paste or a file may hold) shows as an empty field.
void ReadDateField(win::HWND form, int controlId, int32_t& stored, bool store);
void ShowDateField(win::HWND form, int controlId, int32_t packed);

// A description line: the field's text, at most 127 characters, terminated.
void ReadTextField(win::HWND form, int controlId, char (&line)[128]);

// Today as the forms take it: the clock's date packed, its year read from two
// digits (below 80 counts as 20yy, else 19yy), and the time of day as hours x
// 100 + minutes.
struct FormToday {
    int32_t date;
    int16_t time;
};
[[nodiscard]] FormToday ReadToday();
// The "ID#" number: the integer part, held within an i16.
[[nodiscard]] int16_t ToSampleNumber(double n);
// The seconds in one unit of the residence time, by its unit code: 60 for
// minutes (1), 3600 for hours (2), 86400 for days (3), else 1 (seconds).
[[nodiscard]] double ResidenceSecondsFactor(uint16_t code);
