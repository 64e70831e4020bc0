// Numbers of graph axes: the tick labels scaled to the common magnitude of
// the axis, the decimal exponent they are chosen by, and the gamma table of
// the graphs' printer colours.
#pragma once

#include <cstddef>
#include <cstdint>

// Room a label and a suffix need, terminator included.
inline constexpr std::size_t kAxisLabelChars = 32;
inline constexpr std::size_t kAxisSuffixChars = 16;

// floor(log10 |x|); 0 for 0 and for values that are not finite numbers.
[[nodiscard]] int16_t GetDecimalExponent(double x);

// The label of `value` on an axis from `low` to `high` with ticks `step`
// apart. The exponent e of the larger of |low| and |high| (of |value| when
// `flag` is non-zero) chooses the scale: e 0 to 3 none (suffix " "), 4 and 5
// thousands ("K"), 6 to 8 millions ("M"), 9 to 11 billions ("B"), any other
// exponent the value over 10^e with "E-0%d", "E-%d" or "E+%d". The decimals
// follow t = |step| / scale: 0 when t >= 1, 1 when t >= 0.1, else 2. A label
// that would read as minus zero reads without its sign. `text` takes
// kAxisLabelChars and `suffix` kAxisSuffixChars bytes.
void FormatAxisNumber(double value, double low, double high, double step, uint8_t flag, char* text,
                      char* suffix);

// entry i = (u8)(pow(i / 255, gamma) x 255 + 0.5).
void BuildGammaTable(uint8_t (&table)[256], double gamma);
