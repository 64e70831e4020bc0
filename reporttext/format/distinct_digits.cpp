// Numbers of a row of points that read apart from 0 and from each other.
#include "reporttext/format/distinct_digits.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Whether `text` of values[k] reads as 0 or as the text of a neighbour of
// another value; `of(j)` gives the neighbour's text.
template <typename TextOf>
bool Confused(const std::string& text, const std::vector<double>& values, size_t k, TextOf of) {
    if (values[k] != 0.0 && std::strtod(text.c_str(), nullptr) == 0.0) return true;
    for (size_t j : {k - 1, k + 1}) {
        if (j >= values.size() || values[j] == values[k]) continue;  // k - 1 wraps at 0
        if (of(j) == text) return true;
    }
    return false;
}

std::string RightAligned(const std::string& text, int width) {
    const size_t w = static_cast<size_t>(width);
    return text.size() >= w ? text : std::string(w - text.size(), ' ') + text;
}

}  // namespace

std::string DistinctPointText(const std::vector<double>& values, size_t k, int decimals,
                              int width) {
    const double value = values[k];
    // A point that `decimals` read as 0 gets two significant digits (0.0034,
    // not 0.003) where the width holds them; else the fewest decimals that do.
    int significant = 0;
    if (value != 0.0 && std::strtod(Fixed(value, decimals).c_str(), nullptr) == 0.0) {
        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.1e", value);  // "3.4e-03"
        const char* e = std::strchr(rounded, 'e');
        significant = e != nullptr ? 1 - std::atoi(e + 1) : 0;
    }
    for (int from : {std::max(decimals, significant), decimals}) {
        for (int d = from; d <= 15; ++d) {
            const std::string text = Fixed(value, d);
            if (static_cast<int>(text.size()) > width) break;
            const auto neighbour = [&](size_t j) { return Fixed(values[j], d); };
            if (!Confused(text, values, k, neighbour)) return RightAligned(text, width);
        }
    }
    // "3.4e-06" in seven characters; no fixed form is that short.
    char text[64];
    const int digits = width - 6 > 0 ? width - 6 : 0;
    std::snprintf(text, sizeof text, "%.*e", digits, value);
    return RightAligned(text, width);
}

bool ReadsApart(const std::vector<std::string>& texts, const std::vector<double>& values,
                size_t k) {
    const auto neighbour = [&](size_t j) { return Trimmed(texts[j]); };
    return !Confused(Trimmed(texts[k]), values, k, neighbour);
}
