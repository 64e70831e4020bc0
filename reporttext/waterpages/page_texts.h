// Texts the result pages share: the identification line's dates and time,
// value cells cut to the page's seven characters, and the unit suffixes of
// the analysis rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "reporttext/layout/report_layout.h"

// A packed date (year - 1900) x 10000 + month x 100 + day in the date order of
// UnitCodes item 27: 0 month-day-year, 1 day-month-year, else year-month-day.
[[nodiscard]] std::string PackedDateText(int32_t date, int dateOrder);

// Hours x 100 + minutes as four digits, zeros on the left, no separator; cut
// to four characters.
[[nodiscard]] std::string SampleTimeText(int time);

// A number text cut to the seven characters of a page cell.
[[nodiscard]] std::string Cell(const char* text);
// "%7.Nf" of the value, cut to a cell.
[[nodiscard]] std::string FixedCell(double value, int decimals);
// FormatValue7 of the value, cut to a cell.
[[nodiscard]] std::string Value7Cell(float value);
// FormatPco2 of the value (three significant figures), right-aligned in a cell.
[[nodiscard]] std::string Pco2Cell(double value);
inline constexpr const char* kNotApplicable = "    N/A";

// The ID text (description line 7) the user typed for stored water `water`
// (0 surface or 4, 1 injection, 2 formation, 5 the multi-mix water being
// edited); empty for any other water.
[[nodiscard]] std::string_view TypedSampleId(int water);

// Whether a sample number of 0 is shown. The multi-mix waters and their blend
// show none, as their input form does.
enum class ZeroNumber { kShown, kNone };
// The multi-mix source water being edited (5) and the blend show no number 0.
[[nodiscard]] ZeroNumber ZeroNumberOf(int water);

// Where the identification line's four labels and values stand.
struct IdentificationColumns {
    int idLabel, idValue, reportLabel, reportValue, sampledLabel, sampledValue, atLabel, atValue;
};
// The columns of a result page's text.
inline constexpr int kPageTextColumns = 80;

// The identification line of an analysis header: labels first, values last.
// Beside "Sample ID:" stands the ID the user typed (`idText`), whole, as the
// printed report shows it; an ID longer than the room before "Report Date:"
// stands on the line below, which every caller keeps free for it, and one
// longer than the page is broken over as many lines as it needs, what the
// caller adds later below them moving down. Without such a text the sample
// number stands there ("%5d"), or nothing for a 0 that `zero` leaves out.
void AddIdentification(ReportLayout& layout, int line, const IdentificationColumns& c,
                       int sampleNumber, int32_t reportDate, int32_t sampleDate, int sampleTime,
                       std::string_view idText = {}, ZeroNumber zero = ZeroNumber::kShown);
