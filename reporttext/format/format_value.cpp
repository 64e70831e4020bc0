// The number formats. Thresholds compare the magnitude of the value widened
// to double, as the pages and reports pass it; every text is written with the
// C library's printf conversions, so rounding is the library's.
#include "reporttext/format/format_value.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The text of a value that no threshold can place (not a number, an
// infinity, or a value the engine could not compute).
constexpr const char* kNoNumber7 = "    N/A";
constexpr const char* kNoNumber5 = "  N/A";

// The engine's float store keeps magnitudes within 1e-37..1e37; a result on
// the upper bound is one it could not compute (an overflow or a NaN). No
// computed value lands on it by chance.
constexpr double kEngineUndefined = static_cast<double>(1.0e37f);

// The power of ten at or below a positive magnitude.
int DecimalExponent(double magnitude) {
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    // log10 may land one short or one over at exact powers of ten.
    if (magnitude < std::pow(10.0, exponent)) --exponent;
    if (magnitude >= std::pow(10.0, exponent + 1)) ++exponent;
    return exponent;
}

bool StartsWithTen(const char* text) {
    while (*text == ' ' || *text == '-' || *text == '+') ++text;
    return text[0] == '1' && text[1] == '0';
}

// "%4.1f" of the mantissa, then "e+" or "e-" and the plain exponent.
void WriteExponentForm(char* text, double value) {
    const DecimalParts p = SplitDecimal(value, 1);
    std::snprintf(text, kValueTextChars, "%4.1fe%c%d", p.mantissa, p.exponent < 0 ? '-' : '+',
                  std::abs(p.exponent));
}

void WriteFixed(char* text, int width, int decimals, double value) {
    std::snprintf(text, kValueTextChars, "%*.*f", width, decimals, value);
}

// The seven-character texts of what has no magnitude to show: not a number,
// zero and the values within a thousandth of it (`smallPositive` for those
// above zero). False, with nothing written, for any other value.
bool WriteSevenEdge(char* text, double v, const char* smallPositive) {
    if (IsUndefinedValue(v)) {
        std::strcpy(text, kNoNumber7);
    } else if (v == 0.0) {
        std::strcpy(text, "   0.00");
    } else if (v > 0.0 && v < 0.001) {
        std::strcpy(text, smallPositive);
    } else if (v < 0.0 && v > -0.001) {
        std::strcpy(text, ">-0.001");
    } else {
        return false;
    }
    return true;
}

// The seven-character text of a value from a tenth up in magnitude (smaller
// ones get four decimals): fewer decimals as it grows, none from 1000, the
// exponent form beyond 1.0e7 (-1.0e6 below zero).
void WriteSevenFromTenths(char* text, double v) {
    const double a = std::fabs(v);
    if (a < 0.1) {
        WriteFixed(text, 7, 4, v);
    } else if (a < 1.0) {
        WriteFixed(text, 7, 3, v);
    } else if (a < 1000.0) {
        WriteFixed(text, 7, 2, v);
    } else if ((v > 0.0 && v < 1.0e7) || (v < 0.0 && v > -1.0e6)) {
        WriteFixed(text, 7, 0, v);
    } else {
        WriteExponentForm(text, v);
    }
}

bool IsPlainDecimal(const char* text, std::size_t length, std::size_t* dotIndex) {
    std::size_t i = 0;
    if (i < length && (text[i] == '-' || text[i] == '+')) ++i;
    const std::size_t digitsFrom = i;
    while (i < length && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == digitsFrom) return false;
    *dotIndex = i;
    if (i < length && text[i] == '.') {
        ++i;
        while (i < length && text[i] >= '0' && text[i] <= '9') ++i;
    }
    return i == length;
}

}  // namespace

bool IsUndefinedValue(double value) {
    return std::isnan(value) || std::isinf(value) || std::fabs(value) == kEngineUndefined;
}

float ResistivityOf(float conductivity) {
    if (!(conductivity > 0.0f) || IsUndefinedValue(conductivity)) return 1.0e37f;
    return static_cast<float>(1000000.0 / conductivity);
}

DecimalParts SplitDecimal(double value, int decimals) {
    int exponent = DecimalExponent(std::fabs(value));
    double mantissa = value / std::pow(10.0, exponent);
    char probe[kValueTextChars];
    std::snprintf(probe, sizeof probe, "%.*f", decimals, mantissa);
    if (StartsWithTen(probe)) {
        ++exponent;
        mantissa = value / std::pow(10.0, exponent);
    }
    return DecimalParts{mantissa, exponent};
}

void FormatValue7(char* text, float value) {
    const double v = value;
    if (WriteSevenEdge(text, v, "< 0.001")) return;
    if (std::fabs(v) < 0.01)
        WriteFixed(text, 7, 5, v);
    else
        WriteSevenFromTenths(text, v);
}

void FormatValue7b(char* text, float value, int decimals) {
    static const char* const kSmallZeros[4] = {"      0", "    0.0", "   0.00", "  0.000"};
    const double v = value;
    const char* smallPositive = decimals >= 0 && decimals <= 3 ? kSmallZeros[decimals] : "< 0.001";
    if (WriteSevenEdge(text, v, smallPositive)) return;
    if (decimals >= 1 && decimals <= 5)
        WriteFixed(text, 7, decimals, v);
    else
        WriteSevenFromTenths(text, v);
}

void FormatValue5(char* text, float value) {
    const double v = value;
    const double a = std::fabs(v);
    if (IsUndefinedValue(v)) {
        std::strcpy(text, kNoNumber5);
    } else if (v == 0.0) {
        std::strcpy(text, " 0.00");
    } else if (v > 0.0 && v < 0.001) {
        std::strcpy(text, "<.001");
    } else if (v < 0.0 && v > -0.001) {
        std::strcpy(text, "-0.00");
    } else if (a < 10.0) {
        WriteFixed(text, 5, 3, v);
    } else if (a < 100.0) {
        WriteFixed(text, 5, 2, v);
    } else if (a < 1000.0) {
        WriteFixed(text, 5, 1, v);
    } else if (a < 10000.0) {
        WriteFixed(text, 5, 0, v);
    } else {
        WriteExponentForm(text, v);
    }
}

void FormatValueShort(double value, char* text) {
    const double a = std::fabs(value);
    if (IsUndefinedValue(value)) {
        std::strcpy(text, kUndefinedText);
    } else if (a < 1.0e-12) {
        std::strcpy(text, "0.00");
    } else if (a < 1.0e-5 || a >= 1.0e6) {
        std::snprintf(text, kValueTextChars, "%7.3e", value);
    } else if (a < 0.01) {
        const DecimalParts p = SplitDecimal(value, value > 0.0 ? 2 : 1);
        std::snprintf(text, kValueTextChars, value > 0.0 ? "%6.2fe%d" : "%6.1fe%d", p.mantissa,
                      p.exponent);
    } else if (a < 10.0) {
        WriteFixed(text, 4, 2, value);
    } else if (a < 100.0) {
        WriteFixed(text, 5, 2, value);
    } else if (a < 1000.0) {
        WriteFixed(text, 6, 2, value);
    } else if (a < 1.0e4) {
        WriteFixed(text, 6, 1, value);
    } else {
        WriteFixed(text, 6, 0, value);
    }
}

void FormatPco2(double value, char* text) {
    constexpr int kWidth = 7;
    if (IsUndefinedValue(value)) {
        std::strcpy(text, kUndefinedText);
        return;
    }
    if (value == 0.0) {
        std::strcpy(text, "0.00");
        return;
    }
    // The figures of the rounded value: 0.009996 is 0.0100, not 0.01000.
    const DecimalParts p = SplitDecimal(value, 2);
    const int decimals = p.exponent < 2 ? 2 - p.exponent : 0;
    std::snprintf(text, kValueTextChars, "%.*f", decimals, value);
    if (static_cast<int>(std::strlen(text)) <= kWidth) return;
    std::snprintf(text, kValueTextChars, "%.2fe%d", p.mantissa, p.exponent);
}

void FormatValueAdaptive(double value, int32_t digits, char* text) {
    // Beyond 15 significant figures a double has nothing more to show; the cap
    // also bounds the text of the fixed form.
    const int32_t d = digits > 15 ? 15 : digits;
    const double a = std::fabs(value);
    if (std::isnan(value) || std::isinf(value)) {
        std::strcpy(text, "N/A");
    } else if (value == 0.0) {
        std::strcpy(text, "0.00");
    } else if (a < 1.0e-4 || a >= std::pow(10.0, d)) {
        std::snprintf(text, kValueTextChars, "%-9.3e", value);
    } else {
        // The decimals of the value rounded to its figures: 0.01 held as a
        // float (0.00999999977) shows 0.010000, not a sixth figure 0.0100000
        // whose edit the text would not show.
        int decimals = d - 1 - SplitDecimal(value, std::max(d - 1, 0)).exponent;
        if (decimals < 0) decimals = 0;
        if (decimals > 9) decimals = 9;
        std::snprintf(text, kValueTextChars, "%-9.*f", decimals, value);
    }
}

void PadWithBlanks(char* text, int n) {
    int i = 0;
    for (; i < n; ++i) text[i] = ' ';
    text[i < 0 ? 0 : i] = '\0';
}

void CutToSevenCharacters(const char* text, char* cell) {
    constexpr std::size_t kCell = 7;
    std::size_t length = std::strlen(text);
    std::size_t from = 0;
    while (length - from > kCell && text[from] == ' ') ++from;
    while (length - from > kCell && text[length - 1] == ' ') --length;
    const char* t = text + from;
    const std::size_t n = length - from;
    std::size_t dotIndex = 0;
    if (n <= kCell || (IsPlainDecimal(t, n, &dotIndex) && dotIndex <= kCell)) {
        const std::size_t keep = n < kCell ? n : kCell;
        std::memcpy(cell, t, keep);
        cell[keep] = '\0';
        return;
    }
    char* end = nullptr;
    const double v = std::strtod(t, &end);
    char form[kValueTextChars];
    form[0] = '\0';
    if (end != t && std::isfinite(v)) {
        std::snprintf(form, sizeof form, "%.1e", v);
        if (std::strlen(form) > kCell) std::snprintf(form, sizeof form, "%.0e", v);
    }
    if (form[0] == '\0' || std::strlen(form) > kCell) {
        std::memcpy(cell, t, kCell);  // not a number: its first seven characters
        cell[kCell] = '\0';
        return;
    }
    std::snprintf(cell, kCell + 1, "%7s", form);
}
