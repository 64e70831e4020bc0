// The number formats of every text the program shows, prints or copies: the
// fixed-width value cells of the pages and reports, the short and adaptive
// forms whose precision follows the magnitude, and the one cut of a value text
// to the seven characters of a page cell.
#pragma once

#include <cstddef>
#include <cstdint>

// Room every formatter below needs for its text and terminator.
inline constexpr std::size_t kValueTextChars = 48;

// A value that has no meaning to show: not a number, an infinity, or a result
// the engine could not compute and stored on the bound of its float store
// (+-1e37 exactly). Every formatter below writes it as "N/A" (in its own width), and
// so do the other texts of the pages, reports and exports.
[[nodiscard]] bool IsUndefinedValue(double value);

// The resistivity a conductivity gives, 1e6 over it; the mark of a value not
// calculated (1e37, shown "N/A") where it gives none: a conductivity of 0 or
// below, or one that has no meaning itself (a water not calculated).
[[nodiscard]] float ResistivityOf(float conductivity);
inline constexpr const char* kUndefinedText = "N/A";

// Seven characters: "   0.00" for 0, "< 0.001" and ">-0.001" next to 0, then
// "%7.5f", "%7.4f", "%7.3f", "%7.2f" below 0.01, 0.1, 1 and 1000, "%7.0f" up to
// 1e7 (negative values down to -1e6), beyond that a mantissa in [1, 10) in
// "%4.1f" with "e+N" or "e-N".
void FormatValue7(char* text, float value);

// As FormatValue7 with a chosen number of decimals: 1 to 5 force "%7.Nf"; a
// value between 0 and 0.001 shows the zero of that precision ("      0",
// "    0.0", "   0.00", "  0.000" for 0 to 3 decimals, "< 0.001" otherwise);
// other decimals choose by magnitude as FormatValue7 does, without its 0.01
// step.
void FormatValue7b(char* text, float value, int decimals);

// Five characters: " 0.00", "<.001" and "-0.00" next to 0, then "%5.3f",
// "%5.2f", "%5.1f", "%5.0f" below 10, 100, 1000 and 10,000, beyond an
// exponent form as FormatValue7's.
void FormatValue5(char* text, float value);

// A short text whose form follows the magnitude: "0.00" for 0 or below 1e-12;
// "%7.3e" below 1e-5 and from 1e6; below 0.01 a mantissa in [1, 10) ("%6.2f",
// negative "%6.1f") with "e-5", "e-4" or "e-3"; then "%4.2f", "%5.2f",
// "%6.2f", "%6.1f", "%6.0f" below 10, 100, 1000, 1e4 and 1e6.
void FormatValueShort(double value, char* text);

// A partial pressure of CO2 (or its share of the gas) to three significant
// figures, in seven characters at most: "0.00" for 0, the fixed form where it
// fits ("0.00340", "0.0234", "8.94", "1000"), else a mantissa of three figures
// with its exponent ("3.40e-4"); "N/A" for a value not calculated.
void FormatPco2(double value, char* text);

// The value with `digits` significant figures, left-justified in nine
// characters: "0.00" for 0; "%-9.3e" below 1e-4 or from 10^digits; else
// "%-9.Nf" with N = digits - 1 - the decimal exponent of the value rounded to
// `digits` figures, kept within 0..9.
void FormatValueAdaptive(double value, int32_t digits, char* text);

// n blanks and a terminator; n of 0 or less gives an empty text.
void PadWithBlanks(char* text, int n);

// The cut of a value text to one seven-character page cell: leading blanks go
// first; a text still too long keeps its first seven characters only when
// nothing but decimals is lost ("100000.", "12345.6"); any other text becomes
// a seven-character exponent form of its number ("1.0e+10", "3.2e-07"). A
// text of seven characters or fewer is kept as it is. `cell` needs 8 bytes.
void CutToSevenCharacters(const char* text, char* cell);

// The decimal exponent and mantissa of a non-zero finite value with the
// mantissa rounded to `decimals` places and kept within [1, 10) after rounding.
struct DecimalParts {
    double mantissa;  // signed
    int exponent;
};
[[nodiscard]] DecimalParts SplitDecimal(double value, int decimals);
