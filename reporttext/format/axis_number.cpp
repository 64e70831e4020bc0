// Axis labels, decimal exponents and gamma tables of the graphs.
#include "reporttext/format/axis_number.h"

#include <cmath>
#include <cstdio>
#include <cstring>

int16_t GetDecimalExponent(double x) {
    const double magnitude = std::fabs(x);
    if (magnitude == 0.0 || !std::isfinite(magnitude)) return 0;
    return static_cast<int16_t>(std::floor(std::log10(magnitude)));
}

namespace {

// The scale of an exponent and the suffix that names it.
double ScaleOf(int e, char* suffix) {
    if (e >= 0 && e <= 3) {
        std::snprintf(suffix, kAxisSuffixChars, " ");
        return 1.0;
    }
    if (e == 4 || e == 5) {
        std::snprintf(suffix, kAxisSuffixChars, "K");
        return 1e3;
    }
    if (e >= 6 && e <= 8) {
        std::snprintf(suffix, kAxisSuffixChars, "M");
        return 1e6;
    }
    if (e >= 9 && e <= 11) {
        std::snprintf(suffix, kAxisSuffixChars, "B");
        return 1e9;
    }
    if (e < 0 && e > -10)
        std::snprintf(suffix, kAxisSuffixChars, "E-0%d", -e);
    else if (e < 0)
        std::snprintf(suffix, kAxisSuffixChars, "E-%d", -e);
    else
        std::snprintf(suffix, kAxisSuffixChars, "E+%d", e);
    return std::pow(10.0, e);
}

// True when the text is a minus sign followed only by zeros and a point.
bool IsMinusZero(const char* text) {
    if (text[0] != '-') return false;
    for (const char* p = text + 1; *p != '\0'; ++p)
        if (*p != '0' && *p != '.') return false;
    return true;
}

}  // namespace

void FormatAxisNumber(double value, double low, double high, double step, uint8_t flag, char* text,
                      char* suffix) {
    const double magnitude =
        flag != 0 ? std::fabs(value) : std::fmax(std::fabs(low), std::fabs(high));
    const double scale = ScaleOf(GetDecimalExponent(magnitude), suffix);
    const double t = std::fabs(step) / scale;
    const int decimals = t >= 1.0 ? 0 : (t >= 0.1 ? 1 : 2);
    const double shown = std::isfinite(value) ? value / scale : 0.0;
    std::snprintf(text, kAxisLabelChars, "%.*f", decimals, shown);
    if (IsMinusZero(text)) std::memmove(text, text + 1, std::strlen(text));
}

void BuildGammaTable(uint8_t (&table)[256], double gamma) {
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<uint8_t>(std::pow(i / 255.0, gamma) * 255.0 + 0.5);
}
