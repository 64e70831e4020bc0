// The water form's field conversions. Numbers go through the dialogs' one
// decimal reader (the form refuses what it cannot read before anything is
// read here); times and dates are read whole, and a text that is no time of
// day or no date is left in its field for the form's check to refuse.
#include "input/waterform/form_text.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include "common/packed_date.h"
#include "input/fields/decimal_field.h"
#include "platform/dialogs/dialog.h"
#include "platform/system/system.h"
#include "reporttext/format/format_value.h"
#include "shell/calendar/date_text.h"

namespace {

constexpr int kLastTime = 2359;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The digits from `i`: their count and value (at most `most` of them).
size_t Digits(std::string_view text, size_t i, size_t most, long& value) {
    value = 0;
    size_t n = 0;
    while (i + n < text.size() && IsDigit(text[i + n]) && n < most + 1) {
        value = value * 10 + (text[i + n] - '0');
        ++n;
    }
    return n;
}

// The number each field was last given and the text it was shown as.
struct ShownNumber {
    double value;
    std::string text;
};
std::map<std::pair<win::HWND, int>, ShownNumber>& ShownNumbers() {
    static std::map<std::pair<win::HWND, int>, ShownNumber> shown;
    return shown;
}

std::string FieldText(win::HWND form, int controlId) {
    return DialogFieldText(form, controlId);
}

}  // namespace

double ReadNumber(std::string_view text) {
    const DecimalReading reading = ReadDecimalText(text);
    return reading.kind == DecimalText::kNumber ? reading.value : 0.0;
}

float ToStoredFloat(double value) {
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) return 0.0f;
    return static_cast<float>(value);
}

float ReadFieldNumber(win::HWND form, int controlId) {
    return ToStoredFloat(ReadNumber(FieldText(form, controlId)));
}

double ShownValueOr(win::HWND form, int controlId, double read) {
    const auto shown = ShownNumbers().find({form, controlId});
    if (shown != ShownNumbers().end() && shown->second.text == FieldText(form, controlId))
        return shown->second.value;
    return read;
}

float ReadFieldNumberAsShown(win::HWND form, int controlId) {
    return ToStoredFloat(ReadFieldValueAsShown(form, controlId));
}

double ReadFieldValueAsShown(win::HWND form, int controlId) {
    const std::string text = FieldText(form, controlId);
    const auto shown = ShownNumbers().find({form, controlId});
    if (shown != ShownNumbers().end() && shown->second.text == text) return shown->second.value;
    return ReadNumber(text);
}

bool FieldShowsWrittenNumber(win::HWND form, int controlId) {
    const auto shown = ShownNumbers().find({form, controlId});
    return shown != ShownNumbers().end() && shown->second.text == FieldText(form, controlId);
}

void WriteFieldNumber(win::HWND form, int controlId, double value, int digits) {
    char text[kValueTextChars] = {};
    FormatValueAdaptive(value, digits, text);
    win::SetDlgItemText(form, controlId, text);
    ShownNumbers()[{form, controlId}] = ShownNumber{value, text};
}

bool ReadSampleTime(std::string_view text, int16_t& time) {
    const std::string_view t = Trimmed(text);
    long n = 0;
    if (!t.empty()) {
        long hours = 0;
        const size_t lead = Digits(t, 0, 4, hours);
        if (lead == 0 || lead > 4) return false;
        n = hours;
        if (lead < t.size()) {
            long minutes = 0;
            if (lead > 2 || t[lead] != ':' || Digits(t, lead + 1, 2, minutes) != 2 ||
                lead + 3 != t.size())
                return false;
            n = hours * 100 + minutes;
        }
    }
    if (n > kLastTime || !IsSampleTime(static_cast<int16_t>(n))) return false;
    time = static_cast<int16_t>(n);
    return true;
}

bool IsSampleTime(int16_t time) {
    return time >= 0 && time <= kLastTime && time % 100 < 60;
}

void WriteSampleTime(int16_t time, char* text, size_t size) {
    if (text == nullptr || size == 0) return;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", time < 0 ? 0 : static_cast<int>(time));
    std::snprintf(text, size, "%c%c:%c%c", digits[0], digits[1], digits[2], digits[3]);
}

void ShowTimeField(win::HWND form, int controlId, int16_t time) {
    char text[8];
    WriteSampleTime(time, text, sizeof text);
    win::SetDlgItemText(form, controlId, text);
}

void ReadTimeField(win::HWND form, int controlId, int16_t& time) {
    if (ReadSampleTime(FieldText(form, controlId), time)) ShowTimeField(form, controlId, time);
}

void ShowDateField(win::HWND form, int controlId, int32_t packed) {
    char text[24] = {};
    // 0 is no date: the field stays empty, which the form takes.
    if (packed != 0) WritePackedDateText(packed, text, sizeof text);
    win::SetDlgItemText(form, controlId, text);
}

void ReadDateField(win::HWND form, int controlId, int32_t& stored, bool store) {
    const std::string text = FieldText(form, controlId);
    const int32_t packed = ReadTypedDate(text);
    if (packed < 0) {
        if (Trimmed(text).empty()) ShowDateField(form, controlId, stored);
        return;
    }
    if (store) stored = packed;
    ShowDateField(form, controlId, packed);
}

void ReadTextField(win::HWND form, int controlId, char (&line)[128]) {
    win::GetDlgItemText(form, controlId, line, sizeof line);
    line[sizeof line - 1] = '\0';
}

FormToday ReadToday() {
    win::SYSTEMTIME now;
    win::GetLocalTime(&now);
    const int yy = now.wYear % 100;
    const int year = yy < 80 ? 2000 + yy : 1900 + yy;
    return FormToday{PackDate(DateParts{year, now.wMonth, now.wDay}),
                     static_cast<int16_t>(now.wHour * 100 + now.wMinute)};
}

int16_t ToSampleNumber(double n) {
    return static_cast<int16_t>(std::clamp(std::trunc(n), -32768.0, 32767.0));
}

double ResidenceSecondsFactor(uint16_t code) {
    switch (code) {
        case 1:
            return 60.0;
        case 2:
            return 3600.0;
        case 3:
            return 86400.0;
        default:
            return 1.0;
    }
}
