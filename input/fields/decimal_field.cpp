// The decimal reader of the dialogs: a whole text read as one number or
// refused, never a number taken from the start of a text and the rest dropped
// (which read "10,760" as 10 and "12abc" as 12).
#include "input/fields/decimal_field.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

size_t SkipDigits(std::string_view text, size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// A plain number: [+-] digits [. digits] [e [+-] digits], with at least one
// digit in the mantissa.
bool IsPlainNumber(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t intStart = i;
    i = SkipDigits(text, i);
    size_t digits = i - intStart;
    if (i < text.size() && text[i] == '.') {
        const size_t fracStart = ++i;
        i = SkipDigits(text, i);
        digits += i - fracStart;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        const size_t end = SkipDigits(text, e);
        if (end == e) return false;
        i = end;
    }
    return i == text.size();
}

// Digit groups: [+-] d{1,3} (,ddd)+ [. digits]; the commas are dropped into
// `out`. False, with `out` unspecified, for any other text.
bool UngroupDigits(std::string_view text, std::string& out) {
    out.clear();
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    const size_t lead = SkipDigits(text, i);
    if (lead == i || lead - i > 3) return false;
    out.append(text.substr(i, lead - i));
    i = lead;
    int groups = 0;
    while (i < text.size() && text[i] == ',') {
        const size_t end = SkipDigits(text, i + 1);
        if (end - (i + 1) != 3) return false;
        out.append(text.substr(i + 1, 3));
        i = end;
        ++groups;
    }
    if (groups == 0) return false;
    if (i < text.size() && text[i] == '.') {
        const size_t end = SkipDigits(text, i + 1);
        out.append(text.substr(i, end - i));
        i = end;
    }
    return i == text.size();
}

}  // namespace

DecimalReading ReadDecimalText(std::string_view text) {
    const std::string_view t = Trimmed(text);
    if (t.empty()) return {DecimalText::kNumber, 0.0};
    std::string number;
    if (IsPlainNumber(t))
        number.assign(t);
    else if (!UngroupDigits(t, number))
        return {DecimalText::kNotANumber, 0.0};
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    // An underflow reads as the nearest value (0 or a tiny number); an
    // overflow, or a number no float holds, is refused.
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return {value < 0.0 ? DecimalText::kTooSmall : DecimalText::kTooLarge, 0.0};
    return {DecimalText::kNumber, value};
}

std::string DecimalRefusalText(DecimalText kind, std::string_view fieldName,
                               std::string_view text) {
    std::string message = "\"" + EchoedText(text) + "\" typed for " + std::string(fieldName);
    if (kind == DecimalText::kTooLarge)
        message += " is too large a number. Please enter a smaller value.";
    else if (kind == DecimalText::kTooSmall)
        message += " is too small a number. Please enter a larger value.";
    else
        message += " is not a number. Please enter a number such as 12.5, 1e3 or 10,760.";
    return message;
}

std::string DialogFieldText(win::HWND dialog, int controlId) {
    const win::HWND field = win::GetDlgItem(dialog, controlId);
    return field != nullptr ? win::WindowText(field) : std::string();
}

std::string EchoedText(std::string_view text) {
    if (text.size() <= kEchoedChars) return std::string(text);
    return std::string(text.substr(0, kEchoedChars)) + "...";
}

std::string OutsideRangeStatement(std::string_view fieldName, std::string_view text,
                                  std::string_view range) {
    return "\"" + EchoedText(text) + "\" is outside the range of " + std::string(fieldName) + " (" +
           std::string(range) + ").";
}

std::string OutsideRangeText(std::string_view fieldName, std::string_view text,
                             std::string_view range) {
    return OutsideRangeStatement(fieldName, text, range) + " Please enter a value in that range.";
}

std::string GroupedNumber(double value) {
    char text[64];
    const double whole = std::trunc(value);
    if (whole != value || std::fabs(value) >= 1e15) {
        std::snprintf(text, sizeof text, "%g", value);
        return text;
    }
    std::snprintf(text, sizeof text, "%.0f", std::fabs(value));
    std::string digits = text;
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return (value < 0.0 ? "-" : "") + digits;
}

std::string StatedEnd(double value, bool low) {
    if (!std::isfinite(value) || value == 0.0) return GroupedNumber(value);
    const double step = std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 5.0);
    const double scaled = value / step;
    // A value within the rounding of its figures is itself.
    const double near = std::round(scaled);
    const double figures = std::fabs(scaled - near) < 1e-7 * std::fabs(scaled) ? near
                           : low                                               ? std::ceil(scaled)
                                                                               : std::floor(scaled);
    double stated = figures * step;
    // The figures as a whole number when they are one.
    if (std::fabs(stated) < 1e15 && std::fabs(stated - std::round(stated)) < step * 1e-3)
        stated = std::round(stated);
    if (stated == std::trunc(stated) && std::fabs(stated) < 1e15) return GroupedNumber(stated);
    char text[40];
    std::snprintf(text, sizeof text, "%.6g", stated);
    return text;
}

void RefuseField(win::HWND dialog, int controlId, const std::string& message) {
    win::MessageBox(dialog, message.c_str(), "WARNING", win::MB_ICONINFORMATION);
    const win::HWND field = win::GetDlgItem(dialog, controlId);
    if (field == nullptr) return;
    win::SetFocus(field);
    win::SendMessage(field, win::EM_SETSEL, 0, -1);
}

bool ReadDecimalField(win::HWND dialog, int controlId, std::string_view fieldName, double& value) {
    const std::string text = DialogFieldText(dialog, controlId);
    const DecimalReading reading = ReadDecimalText(text);
    if (reading.kind != DecimalText::kNumber) {
        RefuseField(dialog, controlId, DecimalRefusalText(reading.kind, fieldName, text));
        return false;
    }
    value = reading.value;
    return true;
}

int RefusedDecimalField(win::HWND dialog, std::span<const NamedField> fields) {
    for (const NamedField& f : fields) {
        double value = 0.0;
        if (!ReadDecimalField(dialog, f.controlId, f.name, value)) return f.controlId;
    }
    return 0;
}

double DecimalFieldValue(win::HWND dialog, int controlId) {
    const DecimalReading reading = ReadDecimalText(DialogFieldText(dialog, controlId));
    return reading.kind == DecimalText::kNumber ? reading.value : 0.0;
}
